// Complementary payroll sheets: the catalogue query, the list rows, the ticks read from KVB020 and the
// storing of the operator's choice.
#include "common/Acao.h"
#include "common/Falha.h"
#include "econtas/ComandosComplementares.h"
#include "econtas/EstadoEcontas.h"
#include "econtas/ListaComplementares.h"
#include "generation/Geracao.h"
#include "support/BancoTeste.h"
#include "support/CenarioFolha.h"
#include "support/EstadoMes.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {
const QString CNPJ = QStringLiteral("11222333000181");
const QString OUTRO_CNPJ = QStringLiteral("99888777000166");

void gravarEscolha(BancoTeste &banco, const QString &ano, const QString &nummes, const QString &mes,
                   const QString &cnpj, const QString &geral = QStringLiteral("T"))
{
    banco.inserir(QStringLiteral("KVB020"), {{QStringLiteral("ANO"), ano},
                                             {QStringLiteral("NUMMES"), nummes},
                                             {QStringLiteral("MES"), mes},
                                             {QStringLiteral("CNPJ"), cnpj},
                                             {QStringLiteral("GERAL"), geral}});
}

QStringList kvb020(BancoTeste &banco)
{
    return banco.linhas(
        QStringLiteral("SELECT ANO, NUMMES, MES, CNPJ, GERAL FROM KVB020 ORDER BY ANO, MES, CNPJ"));
}

QStringList codigos(const QList<TLinhaComplementar> &linhas)
{
    QStringList r;
    for (const TLinhaComplementar &l : linhas)
        r << l.competencia + (l.marcada ? QStringLiteral("+") : QStringLiteral("-"));
    return r;
}

TLinhaComplementar linha(const QString &codigo, bool marcada, const QString &cnpj = CNPJ)
{
    TLinhaComplementar l;
    l.ano = QStringLiteral("2024");
    l.mes = QStringLiteral("01");
    l.competencia = codigo;
    l.cnpj = cnpj;
    l.geral = QStringLiteral("T");
    l.marcada = marcada;
    return l;
}
} // namespace

class TesteComplementares : public QObject {
    Q_OBJECT
private slots:
    void textoDaConsultaDeFolhas();
    void mesInvalidoRecusadoAntesDaConsulta();
    void competenciaFormatada_data();
    void competenciaFormatada();
    void listaSoAsComplementaresDoMes_data();
    void listaSoAsComplementaresDoMes();
    void linhaGuardaAsChavesOcultas();
    void marcaSoAChaveIgual();
    void enviarGravaExatamenteAEscolha();
    void enviarParaNaPrimeiraLinhaQueFalha();
    void escolhaEntraNaSelecaoDaProximaGeracao();
};

void TesteComplementares::textoDaConsultaDeFolhas()
{
    QCOMPARE(
        TComandosSql::SqlComplementaresPorCompetencia(QStringLiteral("JAN")),
        QStringLiteral("SELECT DISTINCT (SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3)) TABELA\n"
                       " FROM RDB$RELATION_FIELDS\n"
                       " WHERE RDB$RELATION_NAME LIKE '%XX02%'\n"
                       "  AND SUBSTRING(SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3) FROM 1 FOR 2) = 'AC'\n"));
    QVERIFY(TComandosSql::SqlComplementaresPorCompetencia(QStringLiteral("DEZ"))
                .contains(QStringLiteral("= 'LC'")));
}

void TesteComplementares::mesInvalidoRecusadoAntesDaConsulta()
{
    OperadorTeste operador;
    BancoTeste banco({QStringLiteral("JAN"), QStringLiteral("AC1")});
    for (const QString &mes : {QStringLiteral("jan"), QStringLiteral("X' OR '1'='1"), QString()})
        QVERIFY_THROWS_EXCEPTION(Falha, ListarComplementares(mes, QStringLiteral("2024"), CNPJ));
}

void TesteComplementares::competenciaFormatada_data()
{
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QString>("texto");
    QTest::newRow("AC2") << "AC2"
                         << "2024"
                         << "2ª Folha Complementar / JANEIRO de 2024";
    QTest::newRow("CC1 acento") << "CC1"
                                << "2023"
                                << "1ª Folha Complementar / MARÇO de 2023";
    QTest::newRow("LC9") << "LC9"
                         << "2020"
                         << "9ª Folha Complementar / DEZEMBRO de 2020";
}

void TesteComplementares::competenciaFormatada()
{
    QFETCH(QString, codigo);
    QFETCH(QString, ano);
    QFETCH(QString, texto);
    QCOMPARE(RetornaCompetenciaFormatada(codigo, ano), texto);
}

void TesteComplementares::listaSoAsComplementaresDoMes_data()
{
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QStringList>("folhas");
    QTest::newRow("janeiro: duas, sem a regular nem o 13º") << "JAN" << QStringList{"AC1-", "AC2-"};
    QTest::newRow("fevereiro") << "FEV" << QStringList{"BC1-"};
    QTest::newRow("dezembro") << "DEZ" << QStringList{"LC1-"};
    QTest::newRow("mês sem complementar") << "MAR" << QStringList{};
}

void TesteComplementares::listaSoAsComplementaresDoMes()
{
    QFETCH(QString, mes);
    QFETCH(QStringList, folhas);
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2", "AY1", "AZ1", "FEV", "BC1", "MAR", "LC1"});
    QCOMPARE(codigos(ListarComplementares(mes, QStringLiteral("2024"), CNPJ)), folhas);
}

void TesteComplementares::linhaGuardaAsChavesOcultas()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC2"});
    const QList<TLinhaComplementar> linhas =
        ListarComplementares(QStringLiteral("JAN"), QStringLiteral("2024"), CNPJ);
    QCOMPARE(linhas.size(), 1);
    const TLinhaComplementar &l = linhas.first();
    QCOMPARE(l.texto, QStringLiteral("2ª Folha Complementar / JANEIRO de 2024"));
    QCOMPARE(QStringList({l.ano, l.mes, l.competencia, l.cnpj, l.geral}),
             QStringList({"2024", "01", "AC2", CNPJ, "T"}));
    QVERIFY(!l.marcada);
    QCOMPARE(RodapeComplementares(int(linhas.size())), QStringLiteral("Total de itens: 1"));
}

void TesteComplementares::marcaSoAChaveIgual()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2", "AC3", "AC4"});
    gravarEscolha(banco, "2024", "01", "AC1", CNPJ);       // same key: ticked
    gravarEscolha(banco, "2024", "01", "AC2", OUTRO_CNPJ); // another entity
    gravarEscolha(banco, "2023", "01", "AC3", CNPJ);       // another year
    gravarEscolha(banco, "2024", "02", "AC4", CNPJ);       // another month number
    QList<TLinhaComplementar> linhas =
        ListarComplementares(QStringLiteral("JAN"), QStringLiteral("2024"), CNPJ);
    MarcarComplementaresExistentes(linhas);
    QCOMPARE(codigos(linhas), QStringList({"AC1+", "AC2-", "AC3-", "AC4-"}));
}

void TesteComplementares::enviarGravaExatamenteAEscolha()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2", "AC3"});
    gravarEscolha(banco, "2024", "01", "AC1", CNPJ);
    gravarEscolha(banco, "2024", "01", "AC3", CNPJ, "F");
    gravarEscolha(banco, "2024", "01", "AC1", OUTRO_CNPJ);
    gravarEscolha(banco, "2023", "01", "AC1", CNPJ);
    QList<TLinhaComplementar> linhas =
        ListarComplementares(QStringLiteral("JAN"), QStringLiteral("2024"), CNPJ);
    MarcarComplementaresExistentes(linhas);
    QCOMPARE(codigos(linhas), QStringList({"AC1+", "AC2-", "AC3+"}));

    // Untick AC1, tick AC2, leave AC3 ticked: AC1 goes, AC2 comes with "T", AC3 is rewritten with "T";
    // the rows of the other entity and of the other year stay.
    linhas[0].marcada = false;
    linhas[1].marcada = true;
    EnviarComplementares(linhas);
    const QStringList esperado = {
        "ANO=2023|NUMMES=01|MES=AC1|CNPJ=11222333000181|GERAL=T",
        "ANO=2024|NUMMES=01|MES=AC1|CNPJ=99888777000166|GERAL=T",
        "ANO=2024|NUMMES=01|MES=AC2|CNPJ=11222333000181|GERAL=T",
        "ANO=2024|NUMMES=01|MES=AC3|CNPJ=11222333000181|GERAL=T",
    };
    QCOMPARE(kvb020(banco), esperado);

    // Sending again without changes keeps exactly the same rows.
    MarcarComplementaresExistentes(linhas);
    QCOMPARE(codigos(linhas), QStringList({"AC1-", "AC2+", "AC3+"}));
    EnviarComplementares(linhas);
    QCOMPARE(kvb020(banco), esperado);

    // Nothing ticked: the entity's choice for the month is emptied.
    for (TLinhaComplementar &l : linhas)
        l.marcada = false;
    EnviarComplementares(linhas);
    QCOMPARE(kvb020(banco), esperado.mid(0, 2));
}

void TesteComplementares::enviarParaNaPrimeiraLinhaQueFalha()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    // The second row's CNPJ does not fit the column: the database refuses it.
    const QList<TLinhaComplementar> linhas = {linha("AC1", true), linha("AC2", true, CNPJ + "00"),
                                              linha("AC3", true)};
    try {
        EnviarComplementares(linhas);
        QFAIL("the refused row must fail");
    } catch (const Falha &f) {
        QVERIFY2(f.mensagem().startsWith(QStringLiteral("Error ao inserir e-contas. ") + QChar(13)),
                 qPrintable(f.mensagem()));
    }
    QCOMPARE(banco.linhas(QStringLiteral("SELECT MES FROM KVB020")), QStringList({"MES=AC1"}));
}

void TesteComplementares::escolhaEntraNaSelecaoDaProximaGeracao()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2"});
    CenarioFolha cenario(banco);
    cenario.cliente({{"CGC", CNPJ}});
    cenario.controle(QStringLiteral("012024"));
    cenario.lotacao("001", "000", {{"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "J"}});
    cenario.lotacao("001", "001", {{"CODUNDORCA", "200001"}});
    cenario.servidor("00000001", "001", "001");
    // Class hours are paid as item K2 of the regular payment, summed over the chosen sheets.
    cenario.folha("AC1", "00000001", 500.0, {{"VALAULAS", 30.0}});
    cenario.folha("AC2", "00000001", 300.0, {{"VALAULAS", 5.0}});
    for (const QString folha : {"AC1", "AC2"}) // a sheet without closed departments blocks the generation
        CenarioFolha(banco, folha).lotacao("001", "001");
    TEstadoEcontas estado = EstadoDoMes(QStringLiteral("012024"));

    const auto enviar = [&](bool ac1, bool ac2) {
        QList<TLinhaComplementar> linhas =
            ListarComplementares(QStringLiteral("JAN"), QStringLiteral("2024"), CNPJ);
        linhas[0].marcada = ac1;
        linhas[1].marcada = ac2;
        EnviarComplementares(linhas);
    };
    const auto gerar = [&] { return ExecutarAcaoLonga([&] { btnGeracaoClick(estado); }); };
    const auto itensK2 = [&] {
        return banco.linhas(
            QStringLiteral("SELECT TIPOPAGTO, CAST(VALOR AS VARCHAR(20)) AS VALOR FROM ECONTAS_043 "
                           "WHERE COMPETENCIA = '012024' AND CODEVENTO = 'K2'"));
    };
    enviar(true, false);
    QCOMPARE(gerar(), ResultadoAcao::Concluida);
    QCOMPARE(itensK2(), QStringList({"TIPOPAGTO=1|VALOR=30.0000"}));
    enviar(true, true);
    QCOMPARE(gerar(), ResultadoAcao::Concluida);
    QCOMPARE(itensK2(), QStringList({"TIPOPAGTO=1|VALOR=35.0000"}));
    enviar(false, false);
    QCOMPARE(gerar(), ResultadoAcao::Concluida);
    QCOMPARE(itensK2(), QStringList());
}

QTEST_GUILESS_MAIN(TesteComplementares)
#include "test_complementares.moc"
