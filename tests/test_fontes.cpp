// The record source queries: their statements, sort orders and joins on real data, their failure texts,
// the sources taken from 043's rows against their own statements, and the parent tests of the work tables.
#include "common/Falha.h"
#include "common/uUtil.h"
#include "db/Conexao.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "generation/ComandosFontes.h"
#include "generation/FontesDerivadas.h"
#include "generation/Geracao.h"
#include "support/BancoTeste.h"
#include "support/CenarioFolha.h"
#include "support/OperadorTeste.h"

#include <QLoggingCategory>
#include <QtTest>

using namespace TComandosSql;

namespace {

QStringList Colunas(RowSet conjunto, const QStringList &campos)
{
    QStringList linhas;
    for (conjunto.first(); !conjunto.eof(); conjunto.next()) {
        QStringList valores;
        for (const QString &c : campos)
            valores << conjunto.texto(c);
        linhas << valores.join('|');
    }
    return linhas;
}

// Two managing units with two budget units each, staff listed out of order, a complementary position.
TEstadoEcontas CenarioDeFontes(BancoTeste &banco)
{
    CenarioFolha c(banco);
    c.cliente({{"CGC", "99999999000199"}, {"CODTCM", "9000019"}});
    c.lotacao("001", "000", {{"CODUNDGESTOR", "200000"}, {"CGC", "22222222000122"}, {"TIPOORGAO", "B"}});
    c.lotacao("001", "001", {{"CODUNDORCA", "200002"}});
    c.lotacao("001", "002", {{"CODUNDORCA", "200001"}});
    c.lotacao("002", "000", {{"CGC", ""}, {"CODUNDGESTOR", ""}}); // takes both from the client
    c.lotacao("002", "001", {{"CODUNDORCA", "100001"}});
    c.servidor("00000009", "001", "001");
    c.servidor("00000002", "001", "001", 500.0, {{"FUNCAO", "002"}});
    c.servidor("00000005", "001", "002");
    c.servidor("00000001", "002", "001");
    c.cargo("C0002", "002", "01");
    c.cargo("C0001", "001", "01");
    c.cargo("C0009", "001", "02"); // another four-month period
    for (int mes : {3, 1})
        banco.inserir("KVB017", {{"MATRICULA", "00000005"},
                                 {"TIPO", "2"},
                                 {"CODFOL", "22"},
                                 {"ANOREF", "2020"},
                                 {"MESREF", QStringLiteral("0%1").arg(mes)},
                                 {"DTINICIO", QDateTime(QDate(2020, mes, 9), QTime(0, 0))}});
    banco.inserir("KVB017", {{"MATRICULA", "00000009"},
                             {"TIPO", "2"},
                             {"CODFOL", "22"},
                             {"ANOREF", "2020"},
                             {"MESREF", "05"},
                             {"DTINICIO", QDateTime(QDate(2020, 5, 9), QTime(0, 0))}});
    c.diaria("00000009", QDate(2020, 1, 15));
    c.diaria("00000009", QDate(2020, 3, 15));
    c.diaria("00000002", QDate(2020, 1, 20));
    c.diaria("00000005", QDate(2019, 1, 20));

    TEstadoEcontas estado;
    estado.ano_folha = "2020";
    estado.mes_cadastro = "JAN";
    estado.numero_mes_selecionado = "01";
    ConfiguraEcontas(estado);
    return estado;
}

// What a set holds, cell by cell with the type of each value (NULLs included), under its column names.
QStringList Retrato(const RowSet &conjunto)
{
    QStringList linhas = {conjunto.campos().join('|').toUpper()};
    for (int l = 0; l < conjunto.quantidadeLinhas(); ++l) {
        QStringList celulas;
        for (int c = 0; c < conjunto.quantidadeCampos(); ++c) {
            const QVariant v = conjunto.valorEm(l, c);
            celulas << QString::fromLatin1(v.metaType().name()) + ':' +
                           (v.isNull() ? QStringLiteral("NULL") : '[' + v.toString() + ']');
        }
        linhas << celulas.join('|');
    }
    return linhas;
}

// 020, 030 and 040 taken from 043's rows against their own statements: the ones named in derivaveis
// must be taken, and give the statement's set exactly; the others must be refused. Whatever was taken
// or refused, the load gives the statements' sets.
void CompararComOsComandos(TEstadoEcontas &estado, const QStringList &derivaveis)
{
    const RowSet fonte043 = AbrirTabelaECONTAS_043(estado.SQLPadrao);
    // Each source read by its own statement says so in the log of --detalhes.
    QLoggingCategory::setFilterRules(QStringLiteral("econtas.geracao=true"));
    for (const QString registro : {"020", "030", "040"})
        if (!derivaveis.contains(registro))
            QTest::ignoreMessage(
                QtInfoMsg, QRegularExpression(
                               QStringLiteral("^Fonte %1 lida por sua própria instrução: ").arg(registro)));
    const struct {
        QString registro;
        std::optional<RowSet> derivada;
        RowSet comando;
        const RowSet &carregada;
    } casos[] = {
        {"020", FontesDerivadas::Unidades020(fonte043), AbrirTabelaECONTAS_020(estado.SQLPadrao),
         estado.EContas020},
        {"030", FontesDerivadas::Cargos030(fonte043, RetornaCargosEcontas(), estado.numero_mes_selecionado),
         AbrirTabelaECONTAS_030(estado.numero_mes_selecionado, estado.SQLPadrao), estado.Econtas030},
        {"040",
         FontesDerivadas::Servidores040(fonte043, FontesDerivadas::AbrirAfastamentos040(estado.ano_folha)),
         AbrirTabelaECONTAS_040(estado.ano_folha, estado.SQLPadrao), estado.Econtas040},
    };
    CarregarDadosEcontas(estado);
    QLoggingCategory::setFilterRules(QString());
    for (const auto &caso : casos) {
        QVERIFY2(caso.comando.quantidadeLinhas() > 0, qPrintable(caso.registro));
        QCOMPARE(caso.derivada.has_value(), derivaveis.contains(caso.registro));
        if (caso.derivada)
            QCOMPARE(Retrato(*caso.derivada), Retrato(caso.comando));
        QCOMPARE(Retrato(caso.carregada), Retrato(caso.comando));
    }
    QCOMPARE(Retrato(estado.Econtas043), Retrato(fonte043));
}

} // namespace

class TesteFontes : public QObject {
    Q_OBJECT
private slots:
    void textosDasFontes();
    void mesDasDiarias_data();
    void mesDasDiarias();
    void fontesNosDados();
    void falhasTrazemORegistro();
    void derivadasComoOsComandos();
    void derivadasNaAmostra_data();
    void derivadasNaAmostra();
    void derivacaoRecusada_data();
    void derivacaoRecusada();
    void testesDeExistencia();
};

void TesteFontes::textosDasFontes()
{
    QCOMPARE(SqlEcontas_010("JAN"),
             QStringLiteral("SELECT DISTINCT COALESCE(NULLIF(a.cgc, ''), b.cgc) AS cnpj,\n"
                            "       COALESCE (NULLIF(SUBSTRING(a.codundgestor FROM 1 FOR 6), ''), "
                            "SUBSTRING(b.codtcm FROM 1 FOR 6)) AS codundgestor,\n"
                            "       TRIM(COALESCE(a.tipoorgao, b.tipoorgao)) AS tipoorgao\n"
                            "  FROM kvb006JAN a,\n"
                            "       kvb003 b\n"
                            " WHERE a.cdsetor = '000'\n"
                            " ORDER BY 2,1,3\n"));
    QCOMPARE(SqlEcontas_020("P"),
             QStringLiteral("SELECT DISTINCT TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor,\n"
                            "       SUBSTRING(codundorca FROM 1 FOR 6) AS codundorca\n"
                            "  FROM (P\n"
                            "     ) t020 ORDER BY 1, 2\n"));
    QCOMPARE(SqlEcontas_030("0'1", "P"),
             QStringLiteral("SELECT DISTINCT s.codigo,\n"
                            "       s.descricao,      \n"
                            "       s.tipocargo,      \n"
                            "       s.numvagas,       \n"
                            "       s.leicria,        \n"
                            "       s.datcria,        \n"
                            "       s.codtcm,         \n"
                            "       TRIM(SUBSTRING(codundorca FROM 1 FOR 6)) AS codundorca\n"
                            "  FROM CARGO_ECONTAS s, (P\n"
                            "      ) T030\n"
                            "  WHERE s.codcargo = t030.funcao   \n"
                            "    AND s.codvinculo = t030.sistema\n"
                            "    AND s.quadrimestre = '0''1'\n"
                            "  ORDER BY 8, 1\n"));
    QCOMPARE(SqlEcontas_040("2020", "P"),
             QStringLiteral("SELECT DISTINCT padrao.matricula,          \n"
                            "       TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor, \n"
                            "       TRIM(SUBSTRING(codundorca FROM 1 FOR 6)) AS codundorca,     \n"
                            "       nome,                               \n"
                            "       sexo,                               \n"
                            "       cpf,                                \n"
                            "       dtnasc,                             \n"
                            "       dtadmissao,                         \n"
                            "       pispasep,                           \n"
                            "       afast.dtinicio AS dtdemissao        \n"
                            "  FROM (P) padrao\n"
                            "  LEFT JOIN kvb017 afast                   \n"
                            "    ON (afast.matricula = padrao.matricula1\n"
                            "        AND afast.tipo = '2'\n"
                            "        AND afast.codfol = '22'\n"
                            "        AND afast.anoref = '2020'\n"
                            " AND afast.mesref IN ('01', '02', '03', '04'))\n"
                            " ORDER BY 2, 3, 1\n"));
    QCOMPARE(SqlEcontas_042("MAR", "2020", "P"),
             QStringLiteral("SELECT *       \n"
                            "  FROM KVBW9927\n"
                            " WHERE matricula IN (SELECT DISTINCT(matricula)\n"
                            "                FROM (P))\n"
                            "   AND EXTRACT(MONTH FROM datempenho) IN (03)\n"
                            "   AND EXTRACT(YEAR FROM datempenho) = '2020'\n"
                            " ORDER BY 1\n"));
    QCOMPARE(SqlEcontas_043("P"),
             QStringLiteral("SELECT matricula,                         \n"
                            "       cgc AS cnpj,                       \n"
                            "       TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor,\n"
                            "       TRIM(SUBSTRING(codundorca FROM 1 FOR 6)) AS codundorca,    \n"
                            "       padrao.*                           \n"
                            "  FROM (P) padrao ORDER BY 3, 4, 1\n"));
}

void TesteFontes::mesDasDiarias_data()
{
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QString>("filtro");
    QTest::newRow("JAN") << "JAN"
                         << "IN (01)";
    QTest::newRow("MAR") << "MAR"
                         << "IN (03)";
    QTest::newRow("DEZ") << "DEZ"
                         << "IN (12)";
    QTest::newRow("minúsculas") << "mar"
                                << "IN (00)";
    QTest::newRow("fora da lista") << "XYZ"
                                   << "IN (00)";
}

void TesteFontes::mesDasDiarias()
{
    QFETCH(QString, mes);
    QFETCH(QString, filtro);
    QVERIFY(SqlEcontas_042(mes, "2020", "P").contains("EXTRACT(MONTH FROM datempenho) " + filtro + "\n"));
}

void TesteFontes::fontesNosDados()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEstadoEcontas estado = CenarioDeFontes(banco);
    CarregarDadosEcontas(estado);

    QCOMPARE(Colunas(estado.Econtas010, {"cnpj", "codundgestor", "tipoorgao"}),
             (QStringList{"22222222000122|200000|B", "99999999000199|900001|A"}));
    QCOMPARE(Colunas(estado.EContas020, {"codundgestor", "codundorca"}),
             (QStringList{"200000|200001", "200000|200002", "900001|100001"}));
    QCOMPARE(Colunas(estado.Econtas030, {"codundorca", "codigo"}),
             (QStringList{"100001|C0001", "200001|C0001", "200002|C0001", "200002|C0002"}));
    // Two qualifying leave rows give two adjacent rows; a leave of May does not count.
    QCOMPARE(Colunas(estado.Econtas040, {"codundgestor", "codundorca", "matricula", "dtdemissao"}),
             (QStringList{"200000|200001|00000005|2020-01-09T00:00:00.000",
                          "200000|200001|00000005|2020-03-09T00:00:00.000", "200000|200002|00000002|",
                          "200000|200002|00000009|", "900001|100001|00000001|"}));
    // Per-diems of the month and year only, of selected staff only.
    QCOMPARE(Colunas(estado.Econtas042, {"matricula", "datempenho"}),
             (QStringList{"00000002|2020-01-20T00:00:00.000", "00000009|2020-01-15T00:00:00.000"}));
    QCOMPARE(Colunas(estado.Econtas043, {"codundgestor", "codundorca", "matricula", "mes", "cnpj"}),
             (QStringList{
                 "200000|200001|00000005|JAN|22222222000122", "200000|200002|00000002|JAN|22222222000122",
                 "200000|200002|00000009|JAN|22222222000122", "900001|100001|00000001|JAN|99999999000199"}));
    QCOMPARE(RetornaCargosEcontas().recordCount(), 3);
}

void TesteFontes::falhasTrazemORegistro()
{
    OperadorTeste operador;
    BancoTeste banco;
    const struct {
        QString registro;
        std::function<RowSet()> abrir;
    } casos[] = {
        {"010", [] { return AbrirTabelaECONTAS_010("FEV"); }},
        {"020", [] { return AbrirTabelaECONTAS_020("SELECT x FROM"); }},
        {"030", [] { return AbrirTabelaECONTAS_030("01", "SELECT x FROM"); }},
        {"040", [] { return AbrirTabelaECONTAS_040("2020", "SELECT x FROM"); }},
        {"042", [] { return AbrirTabelaECONTAS_042("JAN", "2020", "SELECT x FROM"); }},
        {"043", [] { return AbrirTabelaECONTAS_043("SELECT x FROM"); }},
    };
    for (const auto &caso : casos) {
        try {
            caso.abrir();
            QFAIL(qPrintable("no failure for " + caso.registro));
        } catch (const Falha &f) {
            const QString prefixo = "Error ao abrir a tabela e-Contas " + caso.registro + QChar(13);
            QVERIFY2(f.mensagem().startsWith(prefixo) && f.mensagem().size() > prefixo.size(),
                     qPrintable(f.mensagem()));
        }
    }
}

void TesteFontes::derivadasComoOsComandos()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEstadoEcontas estado = CenarioDeFontes(banco);
    // Staff member 5 has two leave rows: the engine alone orders his two 040 rows.
    CompararComOsComandos(estado, {"020", "030"});

    // A base selection that fails: the statements run in their order and the first one names itself.
    estado.SQLPadrao = QStringLiteral("SELECT x FROM");
    try {
        CarregarDadosEcontas(estado);
        QFAIL("no failure");
    } catch (const Falha &f) {
        QVERIFY2(f.mensagem().startsWith("Error ao abrir a tabela e-Contas 020" + QString(QChar(13))),
                 qPrintable(f.mensagem()));
    }
}

void TesteFontes::derivadasNaAmostra_data()
{
    QTest::addColumn<QString>("mes");
    QTest::newRow("fevereiro, com folha complementar") << "FEV";
    QTest::newRow("dezembro, com as folhas do 13º") << "DEZ";
}

void TesteFontes::derivadasNaAmostra()
{
    QFETCH(QString, mes);
    OperadorTeste operador;
    QTemporaryDir pasta;
    ParametrosAmostra parametros;
    parametros.servidores = 120;
    parametros.meses = QStringList{mes};
    CriarBancoAmostra(pasta.filePath("amostra.fdb"), parametros);
    {
        TConexao conexao(pasta.filePath("amostra.fdb"));
        QVERIFY(conexao.getConexao().isOpen());
        TEstadoEcontas estado;
        estado.ano_folha = "2024";
        estado.mes_cadastro = mes;
        estado.numero_mes_selecionado = NumeroMesDoCodigo(mes);
        ConfiguraEcontas(estado);
        CompararComOsComandos(estado, {"020", "030", "040"});
    }
    QSqlDatabase::database(Sql::NomeConexao, false).close();
    QSqlDatabase::removeDatabase(Sql::NomeConexao);
}

void TesteFontes::derivacaoRecusada_data()
{
    QTest::addColumn<std::function<void(BancoTeste &)>>("acrescentar");
    QTest::addColumn<QStringList>("derivaveis");
    QTest::newRow("código orçamentário em minúsculas")
        << std::function<void(BancoTeste &)>([](BancoTeste &banco) {
               CenarioFolha c(banco);
               c.lotacao("002", "002", {{"CODUNDORCA", "10000a"}});
               c.servidor("00000003", "002", "002");
           })
        << QStringList();
    // SUBSTRING keeps the blank: the engine keeps one of the two, which one is its own choice.
    QTest::newRow("o mesmo código com e sem branco final")
        << std::function<void(BancoTeste &)>([](BancoTeste &banco) {
               CenarioFolha c(banco);
               c.lotacao("001", "003", {{"CODUNDORCA", "30001 "}});
               c.lotacao("001", "004", {{"CODUNDORCA", "30001"}});
               c.servidor("00000003", "001", "003");
               c.servidor("00000004", "001", "004");
           })
        << QStringList{"030", "040"};
    QTest::newRow("um cargo com duas descrições na mesma unidade")
        << std::function<void(BancoTeste &)>([](BancoTeste &banco) {
               CenarioFolha c(banco);
               c.cargo("C0001", "003", "01", {{"DESCRICAO", "OUTRA"}});
               c.servidor("00000003", "001", "001", 1000.0, {{"FUNCAO", "003"}});
           })
        << QStringList{"020", "040"};
}

void TesteFontes::derivacaoRecusada()
{
    QFETCH(std::function<void(BancoTeste &)>, acrescentar);
    QFETCH(QStringList, derivaveis);
    OperadorTeste operador;
    BancoTeste banco;
    // Without the two leave rows of staff member 5, so that 040 is refused for the case's own reason.
    TEstadoEcontas estado = CenarioDeFontes(banco);
    banco.executar("DELETE FROM KVB017");
    acrescentar(banco);
    CompararComOsComandos(estado, derivaveis);
}

void TesteFontes::testesDeExistencia()
{
    OperadorTeste operador;
    BancoTeste banco;
    QCOMPARE(SqlExisteEcontas_040("01'2020", "C", "U", "O", "M"),
             QStringLiteral(
                 "SELECT COUNT(*) AS total FROM econtas_040 WHERE competencia = '01''2020' AND cnpj = 'C' "
                 "AND ug = 'U' AND uo = 'O' AND matricula = 'M'"));
    const QVariantMap chave = {{"COMPETENCIA", "012020"}, {"CNPJ", "O'B"}, {"UG", "2'345"}};
    banco.inserir("ECONTAS_010", chave);
    banco.inserir("ECONTAS_020", Mesclar(chave, {{"UO", "0'1"}}));
    banco.inserir("ECONTAS_040", Mesclar(chave, {{"UO", "0'1"}, {"MATRICULA", "M'1"}}));

    QVERIFY(ValidarProximoRegistroEcontas_020("012020", "O'B", "2'345"));
    QVERIFY(!ValidarProximoRegistroEcontas_020("022020", "O'B", "2'345"));
    for (const QString &uo : {QStringLiteral("0'1"), QStringLiteral("02")}) {
        const bool existe = uo == QLatin1String("0'1");
        QCOMPARE(ValidarProximoRegistroEcontas_030("012020", "O'B", "2'345", uo), existe);
        QCOMPARE(ValidarProximoRegistroEcontas_040("012020", "O'B", "2'345", uo), existe);
        QCOMPARE(ValidarProximoRegistroEcontas_041("012020", "O'B", "2'345", uo, "M'1"), existe);
        QCOMPARE(ValidarProximoRegistroEcontas_042("012020", "O'B", "2'345", uo, "M'1"), existe);
    }
    QVERIFY(!ValidarProximoRegistroEcontas_041("012020", "O'B", "2'345", "0'1", "M'2"));
}

QTEST_GUILESS_MAIN(TesteFontes)
#include "test_fontes.moc"
