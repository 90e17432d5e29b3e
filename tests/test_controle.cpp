// Month control, closing status of the payroll sheets and work-table maintenance.
#include "common/Falha.h"
#include "common/Operador.h"
#include "db/Sql.h"
#include "econtas/ComandosControle.h"
#include "econtas/ComandosManutencao.h"
#include "econtas/Principal.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QtTest>

using namespace TComandosSql;

namespace {

const QStringList kTabelasTrabalho = {"ECONTAS_010", "ECONTAS_020", "ECONTAS_030", "ECONTAS_040",
                                      "ECONTAS_041", "ECONTAS_042", "ECONTAS_043"};

void inserirCliente(BancoTeste &banco)
{
    banco.inserir(
        "KVB003",
        {{"DESCRICAO", "PREFEITURA MUNICIPAL DE TESTE"}, {"CGC", "12345678000190"}, {"CODTCM", "0987"}});
}

// One department of a sheet with one staff member whose payroll row has the given ATIVO.
void inserirLotacao(BancoTeste &banco, const QString &folha, const QString &fechamento, const QString &ativo,
                    const QString &matricula = "00000001")
{
    banco.inserir("KVB006" + folha, {{"CDSECRETA", "001"}, {"CDSETOR", "001"}, {"FECHAMENTO", fechamento}});
    banco.inserir("KVB001" + folha, {{"MATRICULA", matricula}, {"CDSECRETA", "001"}, {"CDSETOR", "001"}});
    banco.inserir("KVBDXX02" + folha, {{"MATRICULA", matricula}, {"ATIVO", ativo}});
}

void inserirLinhasDeTrabalho(BancoTeste &banco, const QString &competencia)
{
    for (const QString &tabela : kTabelasTrabalho)
        banco.inserir(tabela, {{"COMPETENCIA", competencia}, {"CNPJ", "12345678000190"}});
}

} // namespace

class TesteControle : public QObject {
    Q_OBJECT
private slots:
    void controlesCriadosParaMesesComFolhaRegular();
    void textoDaConsultaDoControle();
    void fechamentoDasFolhas_data();
    void fechamentoDasFolhas();
    void gravarStatusFecMudaTodasAsFolhasDoMes();
    void letraDoMes();
    void apagarPorCompetenciaPreservaOutras();
    void falhaAoApagarParaNaTabelaQueFalhou();
    void passosIniciaisSomam100SemTocarDados();
    void excluirGeracaoLimpaSoACompetencia();
};

void TesteControle::controlesCriadosParaMesesComFolhaRegular()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "MAR"});
    inserirCliente(banco);
    banco.controle({.mesAno = "012019", .cnpj = "12345678000190"});

    TEstadoEcontas estado;
    estado.ano_folha = "2020";
    ConfiguracoesIniciaris(estado);
    QCOMPARE(banco.linhas("SELECT MES_ANO, CNPJ, GERAL FROM CTRL_TCMTPA ORDER BY MES_ANO"),
             (QStringList{"MES_ANO=012019|CNPJ=12345678000190|GERAL=F",
                          "MES_ANO=012020|CNPJ=12345678000190|GERAL=F",
                          "MES_ANO=032020|CNPJ=12345678000190|GERAL=F"}));
    QCOMPARE(estado.codMunicipio, QStringLiteral("098"));
    QCOMPARE(estado.versaoTovrin, QStringLiteral("FPG202000"));
    QCOMPARE(estado.cnpjCliente(), QStringLiteral("12345678000190"));
    QVERIFY(estado.cdsUnidadesGestorasOrcamentarias.aberto());

    // A second start creates nothing; the list shows the year's months only, in calendar order.
    banco.executar("UPDATE CTRL_TCMTPA SET DT_CRITICAS = '2020-02-03 00:00:00' WHERE MES_ANO = '032020'");
    ConfiguracoesIniciaris(estado);
    QCOMPARE(banco.contar("CTRL_TCMTPA"), 3);
    const QList<LinhaMes> meses = LinhasDosMeses("2020");
    QCOMPARE(meses.size(), 2);
    QCOMPARE(meses[0].legenda, QStringLiteral("Janeiro de 2020"));
    QCOMPARE(meses[0].mesAno, QStringLiteral("012020"));
    QCOMPARE(meses[0].dtCriticas, QString());
    QCOMPARE(meses[1].legenda, QStringLiteral("Março de 2020"));
    QCOMPARE(meses[1].cnpj, QStringLiteral("12.345.678/0001-90"));
    QCOMPARE(meses[1].geral, QStringLiteral("F"));
    QCOMPARE(meses[1].dtCriticas, QStringLiteral("03/02/2020"));
    QVERIFY(operador.mensagens.isEmpty());
}

void TesteControle::textoDaConsultaDoControle()
{
    const QStringList linhas = SqlControleTcmPA("2020").split('\n');
    QCOMPARE(linhas.value(0), QStringLiteral("SELECT CASE SUBSTRING(mes_ano FROM 1 FOR 2)"));
    QCOMPARE(linhas.value(3),
             QStringLiteral("         WHEN '03' THEN 'Março de ' || SUBSTRING(mes_ano FROM 3 FOR 4)"));
    QCOMPARE(linhas.value(13), QStringLiteral("       END AS competencia"));
    QCOMPARE(linhas.value(21), QStringLiteral(" WHERE SUBSTRING(mes_ano FROM 3 FOR 4) = '2020'"));
    QCOMPARE(linhas.value(22), QStringLiteral(" ORDER BY mes_ano, cnpj"));
    QCOMPARE(SqlMesesComFolhaRegular().split('\n').value(2),
             QStringLiteral(" WHERE RDB$RELATION_NAME LIKE '%XX02%'"));
}

void TesteControle::fechamentoDasFolhas_data()
{
    QTest::addColumn<QString>("fechamentoAC1");
    QTest::addColumn<QString>("ativoAC1");
    QTest::addColumn<bool>("lotacaoAC1Vazia");
    QTest::addColumn<bool>("bloqueia");
    QTest::newRow("todas fechadas") << "F"
                                    << "T" << false << false;
    QTest::newRow("lotação aberta na complementar") << "A"
                                                    << "T" << false << true;
    QTest::newRow("inativos em lotação aberta") << "A"
                                                << "F" << false << false;
    QTest::newRow("tabela de lotação vazia") << "F"
                                             << "T" << true << true;
}

void TesteControle::fechamentoDasFolhas()
{
    QFETCH(QString, fechamentoAC1);
    QFETCH(QString, ativoAC1);
    QFETCH(bool, lotacaoAC1Vazia);
    QFETCH(bool, bloqueia);
    OperadorTeste operador;
    // FEV is open, but it is another month's sheet.
    BancoTeste banco({"JAN", "AC1", "FEV"});
    inserirLotacao(banco, "JAN", "F", "T");
    inserirLotacao(banco, "FEV", "A", "T");
    if (!lotacaoAC1Vazia)
        inserirLotacao(banco, "AC1", fechamentoAC1, ativoAC1);

    QCOMPARE(FolhasDoMes("JAN").size(), 2);
    bool abortou = false;
    try {
        consultaFechamentoFolhas("JAN");
    } catch (const Abortar &) {
        abortou = true;
    }
    QCOMPARE(abortou, bloqueia);
    QCOMPARE(operador.textos(),
             bloqueia ? QStringList{"Existem folhas abertas. Impossível geração..."} : QStringList{});
    QCOMPARE(Folhafechada("FEV"), false);
}

void TesteControle::gravarStatusFecMudaTodasAsFolhasDoMes()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AY2", "FEV"});
    for (const char *m : {"1", "2", "3"})
        banco.inserir("KVB006JAN", {{"CDSECRETA", "00" + QString(m)}, {"FECHAMENTO", "T"}});
    banco.inserir("KVB006AC1", {{"CDSECRETA", "001"}, {"FECHAMENTO", "T"}});
    banco.inserir("KVB006AC1", {{"CDSECRETA", "002"}, {"FECHAMENTO", "A"}});
    banco.inserir("KVB006AY2", {{"CDSECRETA", "001"}, {"FECHAMENTO", "T"}});
    banco.inserir("KVB006FEV", {{"CDSECRETA", "001"}, {"FECHAMENTO", "T"}});

    Gravar_Status_Fec("T", "F", "JAN");
    QCOMPARE(banco.contar("KVB006JAN", "FECHAMENTO = 'F'"), 3);
    QCOMPARE(banco.linhas("SELECT CDSECRETA, FECHAMENTO FROM KVB006AC1 ORDER BY CDSECRETA"),
             (QStringList{"CDSECRETA=001|FECHAMENTO=F", "CDSECRETA=002|FECHAMENTO=A"}));
    QCOMPARE(banco.contar("KVB006AY2", "FECHAMENTO = 'F'"), 1);
    QCOMPARE(banco.contar("KVB006FEV", "FECHAMENTO = 'T'"), 1);
    QVERIFY_THROWS_EXCEPTION(Falha, Gravar_Status_Fec("T", "F", "JAN; DROP"));
}

void TesteControle::letraDoMes()
{
    QCOMPARE(EnvLetraRetorna_Mes("A"), QStringLiteral("JAN"));
    QCOMPARE(EnvLetraRetorna_Mes("B"), QStringLiteral("FEV"));
    QCOMPARE(EnvLetraRetorna_Mes("L"), QStringLiteral("DEZ"));
    QVERIFY_THROWS_EXCEPTION(Falha, EnvLetraRetorna_Mes("M"));
    QVERIFY_THROWS_EXCEPTION(Falha, EnvLetraRetorna_Mes(""));
    QVERIFY_THROWS_EXCEPTION(Falha, EnvLetraRetorna_Mes("AB"));
}

void TesteControle::apagarPorCompetenciaPreservaOutras()
{
    OperadorTeste operador;
    BancoTeste banco;
    for (const char *c : {"022024", "032024", "042024"})
        inserirLinhasDeTrabalho(banco, c);
    AlimentaProgressExclusao();

    ApagarTabelasEcontasPorCompetencia("032024");
    for (const QString &tabela : kTabelasTrabalho) {
        QCOMPARE(banco.linhas("SELECT COMPETENCIA FROM " + tabela + " ORDER BY COMPETENCIA"),
                 (QStringList{"COMPETENCIA=022024", "COMPETENCIA=042024"}));
    }
    TProgresso &progresso = operador.progresso();
    for (int registro : {10, 20, 30, 40, 41, 42, 43})
        QCOMPARE(progresso.posicao(barraDoRegistro(registro)), 1);
    QCOMPARE(progresso.posicao(TProgresso::Principal), 7);
    QCOMPARE(progresso.posicao(TProgresso::Splash), 0);
}

void TesteControle::falhaAoApagarParaNaTabelaQueFalhou()
{
    OperadorTeste operador;
    BancoTeste banco;
    inserirLinhasDeTrabalho(banco, "032024");
    banco.executar("DROP TABLE ECONTAS_030");
    try {
        ApagarTabelasEcontasPorCompetencia("032024");
        QFAIL("the deletion should fail");
    } catch (const Falha &f) {
        QVERIFY(f.mensagem().startsWith(QStringLiteral("Error ao deletar tabela ECONTAS_030. \r")));
        QVERIFY(f.mensagem().size() > QStringLiteral("Error ao deletar tabela ECONTAS_030. \r").size());
    }
    QCOMPARE(banco.contar("ECONTAS_010"), 0);
    QCOMPARE(banco.contar("ECONTAS_020"), 0);
    QCOMPARE(banco.contar("ECONTAS_040"), 1);
    QCOMPARE(banco.contar("ECONTAS_043"), 1);
}

void TesteControle::passosIniciaisSomam100SemTocarDados()
{
    OperadorTeste operador;
    BancoTeste banco;
    inserirLinhasDeTrabalho(banco, "");
    inserirLinhasDeTrabalho(banco, "032024");
    banco.inserir("KVB020", {{"ANO", "2024"}, {"MES", "AC1"}});
    TProgresso &progresso = operador.progresso();

    ApagarTabelasEcontas(7);
    ApagarTabelasEcontas(-1);
    QCOMPARE(progresso.posicao(TProgresso::Splash), 0);
    ApagarTabelasEcontas(6);
    QCOMPARE(progresso.posicao(TProgresso::Splash), 16);
    QCOMPARE(progresso.statusSplash(), QStringLiteral("Apagando tabela de controle KVB020..."));
    for (int item : {3, 0, 5, 1, 4, 2})
        ApagarTabelasEcontas(item);
    QCOMPARE(progresso.posicao(TProgresso::Splash), 100);
    QCOMPARE(progresso.statusSplash(), QStringLiteral("Apagando tabela de controle econtas 030..."));
    for (const QString &tabela : kTabelasTrabalho)
        QCOMPARE(banco.contar(tabela), 2);
    QCOMPARE(banco.contar("KVB020"), 1);
    QCOMPARE(progresso.posicao(TProgresso::Principal), 0);
    QVERIFY(operador.mensagens.isEmpty());
}

void TesteControle::excluirGeracaoLimpaSoACompetencia()
{
    OperadorTeste operador;
    BancoTeste banco;
    for (const char *c : {"012024", "022024"})
        banco.controle({.mesAno = c,
                        .geral = {},
                        .criticas = {2024, 3, 1},
                        .geracao = {2024, 3, 2},
                        .exportacao = {2024, 3, 3},
                        .usuario = "ANA"});
    operador.progresso().definirFaixa(TProgresso::Principal, 0, 8);

    ExcluirGeracaoEcontas("122024");
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 1);
    QCOMPARE(banco.contar("CTRL_TCMTPA", "DT_GERACAO IS NOT NULL"), 2);

    ExcluirGeracaoEcontas("012024");
    QCOMPARE(banco.linhas("SELECT MES_ANO, DT_CRITICAS, DT_GERACAO, DT_EXPORTACAO, USUARIO FROM CTRL_TCMTPA "
                          "ORDER BY MES_ANO"),
             (QStringList{"MES_ANO=012024|DT_CRITICAS=NULL|DT_GERACAO=NULL|DT_EXPORTACAO=NULL|USUARIO=",
                          "MES_ANO=022024|DT_CRITICAS=01/03/2024 00:00:00|DT_GERACAO=02/03/2024 00:00:00|"
                          "DT_EXPORTACAO=03/03/2024 00:00:00|USUARIO=ANA"}));
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 2);
}

QTEST_GUILESS_MAIN(TesteControle)
#include "test_controle.moc"
