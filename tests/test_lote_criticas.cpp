// The batch verb `criticas`: what it prints, when it stamps, its exit status.
#include "support/BancoTeste.h"
#include "support/LoteTeste.h"
#include "support/MesCriticas.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

ExecucaoLote executarLote(BancoTeste &banco, const QStringList &argumentos)
{
    return ExecutarLote(banco, "2024", "operador", argumentos);
}

} // namespace

class TesteLoteCriticas : public QObject {
    Q_OBJECT
private slots:
    void imprimeCarimbaEInterrompe_data();
    void imprimeCarimbaEInterrompe();
    void competenciaInvalidaEErroDeUso();
};

void TesteLoteCriticas::imprimeCarimbaEInterrompe_data()
{
    QTest::addColumn<int>("problema");
    QTest::addColumn<QStringList>("opcoes");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("carimbado");
    QTest::addColumn<QStringList>("linhas");
    const QStringList vagas = {"CARGOS COM VAGAS ZERADAS", "Total de vagas inconsistentes...",
                               "Código: 00101 - Descrição: PROFESSOR - com total de vagas zeradas...",
                               "Total de itens: 1"};
    const QStringList funcionarios = {
        "FUNCIONÁRIOS COM CRÍTICAS", "Funcionários/Agentes políticos com inconsistências na base de dados",
        "Funcionário: 00000001 - ANA SILVA - Com as seguintes criticas: - CPF inválido", "Total de itens: 1"};
    QTest::newRow("limpo") << int(ProblemaCritica::Nenhum) << QStringList() << 0 << true
                           << QStringList{"Não há criticas na geração..."};
    QTest::newRow("bloqueado") << int(ProblemaCritica::CpfVazioEVagasZeradas) << QStringList() << 3 << false
                               << QStringList{"Gostaria de visualizar as críticas? [Não]"} + vagas +
                                      funcionarios;
    QTest::newRow("só funcionários, sim")
        << int(ProblemaCritica::CpfVazio) << QStringList{"--sim"} << 0 << true
        << QStringList{"Gostaria de visualizar as críticas? [Sim]"} + funcionarios;
    QTest::newRow("só funcionários, não")
        << int(ProblemaCritica::CpfVazio) << QStringList() << 0 << true
        << QStringList{"Gostaria de visualizar as críticas? [Não]"} + funcionarios;
    QTest::newRow("sem cargos") << int(ProblemaCritica::SemCargos) << QStringList() << 3 << false
                                << QStringList{
                                       "Não é possível continuar pois a tabela de cargos do econtas ainda "
                                       "não foi configurada..."};
}

void TesteLoteCriticas::imprimeCarimbaEInterrompe()
{
    QFETCH(int, problema);
    QFETCH(QStringList, opcoes);
    QFETCH(int, status);
    QFETCH(bool, carimbado);
    QFETCH(QStringList, linhas);
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica(problema));
    const ExecucaoLote lote = executarLote(banco, QStringList{"criticas", "012024"} + opcoes);
    QVERIFY2(lote.saida == status, qPrintable(lote.saidaPadrao + lote.erros));
    QVERIFY2(lote.saidaPadrao.contains(linhas.join('\n') + '\n'), qPrintable(lote.saidaPadrao));
    QVERIFY2(lote.erros.isEmpty(), qPrintable(lote.erros));
    QCOMPARE(CarimboCriticas(banco), carimbado ? CarimboCriticasDeHoje("operador") : SemCarimboCriticas);
}

void TesteLoteCriticas::competenciaInvalidaEErroDeUso()
{
    OperadorTeste operador;
    BancoTeste banco;
    MontarMesCriticas(banco, ProblemaCritica::Nenhum);
    const ExecucaoLote lote = executarLote(banco, {"criticas", "132024"});
    QCOMPARE(lote.saida, 2);
    QVERIFY(lote.erros.contains("132024"));
    QCOMPARE(CarimboCriticas(banco), SemCarimboCriticas);
}

QTEST_GUILESS_MAIN(TesteLoteCriticas)
#include "test_lote_criticas.moc"
