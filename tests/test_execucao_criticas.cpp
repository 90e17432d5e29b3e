// The critique run: its outcome table (flags, question, message, stamp), the progress it reports and the
// rebuild of the base selection.
#include "common/Falha.h"
#include "criticas/ExecucaoCriticas.h"
#include "db/RowSet.h"
#include "econtas/EstadoEcontas.h"
#include "generation/Geracao.h"
#include "support/BancoTeste.h"
#include "support/MesCriticas.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

const QString MensagemSemCriticas = QStringLiteral("Não há criticas na geração...");
const QString Pergunta =
    QStringLiteral("Existem críticas na geração do Econtas. \rGostaria de visualizar as críticas?");
const QString MensagemSemCargos = QStringLiteral(
    "Não é possível continuar pois a tabela de cargos do econtas ainda não foi configurada...");

} // namespace

class TesteExecucaoCriticas : public QObject {
    Q_OBJECT
private slots:
    void semMesSelecionadoSoAvisa();
    void tabelaDeCargosVaziaBloqueiaSemPergunta();
    void mesLimpoCarimbaERecompoeASelecao();
    void soCriticasDeFuncionariosCarimbaSemMensagem_data();
    void soCriticasDeFuncionariosCarimbaSemMensagem();
    void outroGrupoBloqueia_data();
    void outroGrupoBloqueia();
    void umaExecucaoAvancaTrezePassos();
    void statusEBarraOcupadaEnquantoLeOsConjuntos();
    void falhaDeUmaVerificacaoNaoCarimba();
};

void TesteExecucaoCriticas::semMesSelecionadoSoAvisa()
{
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::Nenhum);
    TEstadoEcontas estado;
    operador.progresso().definirFaixa(TProgresso::Principal, 0, 40);
    operador.progresso().definirPosicao(TProgresso::Principal, 7);
    btnCriticasClick(estado);
    QCOMPARE(operador.textos(), QStringList{"Não foi selecionado nenhum mês para geração!"});
    QCOMPARE(operador.progresso().maximo(TProgresso::Principal), 40);
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 7);
    QCOMPARE(CarimboCriticas(banco), SemCarimboCriticas);
}

void TesteExecucaoCriticas::tabelaDeCargosVaziaBloqueiaSemPergunta()
{
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::SemCargos);
    TEstadoEcontas estado;
    SelecionarJaneiroCriticas(estado);
    estado.SomenteErroNaPessoal = true;
    const ListasCriticas listas = btnCriticasClick(estado);
    QCOMPARE(operador.textos(), QStringList{MensagemSemCargos});
    QVERIFY(estado.ErroCritica);
    QVERIFY(estado.SomenteErroNaPessoal); // kept from the run before
    QVERIFY(TextoDasCriticas(listas).isEmpty());
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 0);
    QCOMPARE(operador.progresso().status(), QString());
    QCOMPARE(CarimboCriticas(banco), SemCarimboCriticas);
}

void TesteExecucaoCriticas::mesLimpoCarimbaERecompoeASelecao()
{
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::Nenhum);
    TEstadoEcontas estado;
    SelecionarJaneiroCriticas(estado);
    const QString selecaoDoMes = estado.SQLPadrao;
    estado.SQLPadrao += "/* anterior */";
    estado.SomenteErroNaPessoal = true;
    estado.ErroCritica = true;
    int recargas = 0;
    estado.ControlesTCMA = [&] { ++recargas; };

    btnCriticasClick(estado);
    QCOMPARE(operador.textos(), QStringList{MensagemSemCriticas});
    QVERIFY(!estado.ErroCritica);
    QVERIFY(!estado.SomenteErroNaPessoal);
    QCOMPARE(CarimboCriticas(banco), CarimboCriticasDeHoje("operador"));
    QCOMPARE(recargas, 1);
    QCOMPARE(estado.SQLPadrao, selecaoDoMes);
    QCOMPARE(operador.progresso().maximo(TProgresso::Principal), 13);
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 0);
    QCOMPARE(operador.progresso().status(), QStringLiteral("Críticas concluídas: nenhuma crítica."));
}

void TesteExecucaoCriticas::soCriticasDeFuncionariosCarimbaSemMensagem_data()
{
    QTest::addColumn<bool>("visualizar");
    QTest::newRow("sim") << true;
    QTest::newRow("não") << false;
}

void TesteExecucaoCriticas::soCriticasDeFuncionariosCarimbaSemMensagem()
{
    QFETCH(bool, visualizar);
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::CpfVazio);
    TEstadoEcontas estado;
    SelecionarJaneiroCriticas(estado);
    operador.responder({visualizar});
    const ListasCriticas listas = btnCriticasClick(estado);

    const QStringList criticas = {
        "Funcionário: 00000001 - ANA SILVA - Com as seguintes criticas: - CPF inválido"};
    QCOMPARE(listas[GrupoFuncionarios], criticas);
    QCOMPARE(operador.mensagens.first().texto, Pergunta);
    QCOMPARE(operador.mensagens.size(), visualizar ? 2 : 1); // the viewer, no "Não há criticas"
    QCOMPARE(operador.criticasExibidas[GrupoFuncionarios], visualizar ? criticas : QStringList());
    QVERIFY(!estado.ErroCritica);
    QVERIFY(estado.SomenteErroNaPessoal);
    QCOMPARE(CarimboCriticas(banco), CarimboCriticasDeHoje("operador"));
}

void TesteExecucaoCriticas::outroGrupoBloqueia_data()
{
    QTest::addColumn<int>("problema");
    QTest::addColumn<bool>("visualizar");
    QTest::newRow("vagas, sim") << int(ProblemaCritica::VagasZeradas) << true;
    QTest::newRow("vagas, não") << int(ProblemaCritica::VagasZeradas) << false;
    QTest::newRow("vagas e funcionário, não") << int(ProblemaCritica::CpfVazioEVagasZeradas) << false;
}

void TesteExecucaoCriticas::outroGrupoBloqueia()
{
    QFETCH(int, problema);
    QFETCH(bool, visualizar);
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica(problema));
    TEstadoEcontas estado;
    SelecionarJaneiroCriticas(estado);
    estado.SomenteErroNaPessoal = true;
    int recargas = 0;
    estado.ControlesTCMA = [&] { ++recargas; };
    operador.responder({visualizar});
    const ListasCriticas listas = btnCriticasClick(estado);

    QCOMPARE(listas[GrupoCargosVagasZeradas],
             QStringList{"Código: 00101 - Descrição: PROFESSOR - com total de vagas zeradas..."});
    QCOMPARE(operador.mensagens.first().texto, Pergunta);
    QCOMPARE(operador.mensagens.size(), visualizar ? 2 : 1);
    QVERIFY(estado.ErroCritica);
    QVERIFY(!estado.SomenteErroNaPessoal);
    QCOMPARE(recargas, 0);
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 0);
    QCOMPARE(CarimboCriticas(banco), SemCarimboCriticas);
}

void TesteExecucaoCriticas::umaExecucaoAvancaTrezePassos()
{
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::CpfVazioEVagasZeradas);
    TEstadoEcontas estado;
    SelecionarJaneiroCriticas(estado);
    CarregarDadosEcontas(estado);
    operador.progresso().definirFaixa(TProgresso::Principal, 0, 100);
    operador.progresso().definirPosicao(TProgresso::Principal, 0);
    VisualizarCriticas(estado);
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 13);
    QVERIFY(operador.eventosProcessados >= 13);
}

// The operator sees the status and a busy bar while the record sets are read (pending events run
// between them), then the thirteen steps.
void TesteExecucaoCriticas::statusEBarraOcupadaEnquantoLeOsConjuntos()
{
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::Nenhum);
    TEstadoEcontas estado;
    SelecionarJaneiroCriticas(estado);
    TProgresso &progresso = operador.progresso();
    QStringList passos;
    QObject::connect(&progresso, &TProgresso::statusMudou, [&](const QString &t) { passos << t; });
    QObject::connect(&progresso, &TProgresso::barraMudou, [&](int barra) {
        const TProgresso::Estado &e = progresso.barra(TProgresso::Barra(barra));
        const QString faixa = QStringLiteral("%1-%2").arg(e.minimo).arg(e.maximo);
        if (barra == TProgresso::Principal && !passos.isEmpty() && passos.last().section('@', 0, 0) != faixa)
            passos << faixa + '@' + QString::number(operador.eventosProcessados);
    });
    btnCriticasClick(estado);
    QCOMPARE(passos.value(0), QStringLiteral("Iniciando busca por críticas do Econtas"));
    QVERIFY2(passos.value(1).startsWith("0-0@") && passos.value(2).startsWith("0-13@"),
             qPrintable(passos.join(' ')));
    QVERIFY(passos.value(2).section('@', 1).toInt() > passos.value(1).section('@', 1).toInt());
}

// A check that fails ends the run: the flags keep their values and nothing is stamped.
void TesteExecucaoCriticas::falhaDeUmaVerificacaoNaoCarimba()
{
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::Nenhum);
    TEstadoEcontas estado;
    SelecionarJaneiroCriticas(estado);
    banco.executar("DROP TABLE KVB010JAN");
    estado.ErroCritica = true;
    estado.SomenteErroNaPessoal = true;
    QVERIFY_THROWS_EXCEPTION(Falha, btnCriticasClick(estado));
    QVERIFY(estado.ErroCritica);
    QVERIFY(estado.SomenteErroNaPessoal);
    QCOMPARE(CarimboCriticas(banco), SemCarimboCriticas);
    QVERIFY(!operador.textos().contains(Pergunta));
}

QTEST_GUILESS_MAIN(TesteExecucaoCriticas)
#include "test_execucao_criticas.moc"
