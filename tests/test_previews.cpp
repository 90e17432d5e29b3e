// Unit previews: the two consultations, the descriptions looked up in UNIDADE_ORCAMENTARIA, the status
// counts and the failure texts.
#include "common/Falha.h"
#include "econtas/ComandosPreviews.h"
#include "econtas/EstadoEcontas.h"
#include "econtas/PreviewUnidades.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {
const QString CLIENTE = QStringLiteral("11222333000181");

// The client 2001, units 2001 and 3001 described, and the January secretariats:
// 001 without CNPJ nor unit (the client's stand in), 002 with its own unit 3001, 003 with unit 4001
// that UNIDADE_ORCAMENTARIA does not know, and a department (sector 001) that is not a secretariat.
void prepararUnidades(BancoTeste &banco)
{
    banco.inserir("KVB003", {{"DESCRICAO", "PREFEITURA MUNICIPAL"}, {"CGC", CLIENTE}, {"CODTCM", "2001"}});
    banco.inserir("UNIDADE_ORCAMENTARIA", {{"CODIGO_UNIDADE", "2001"}, {"DESCRICAO_UNIDADE", "GABINETE"}});
    banco.inserir("UNIDADE_ORCAMENTARIA", {{"CODIGO_UNIDADE", "3001"}, {"DESCRICAO_UNIDADE", "SAUDE"}});
    banco.inserir("UNIDADE_ORCAMENTARIA",
                  {{"CODIGO_UNIDADE", "300101"}, {"DESCRICAO_UNIDADE", "FUNDO SAUDE"}});
    const auto setor = [&](const char *secretaria, const char *setor, const QVariant &cgc, const char *ug,
                           const char *uo) {
        banco.inserir("KVB006JAN", {{"CDSECRETA", secretaria},
                                    {"CDSETOR", setor},
                                    {"CGC", cgc},
                                    {"CODUNDGESTOR", ug},
                                    {"CODUNDORCA", uo}});
    };
    setor("001", "000", QVariant(), "", "200101");
    setor("002", "000", "99888777000166", "3001", "300101");
    setor("002", "001", "99888777000166", "3001", "300101");
    setor("003", "000", "55444333000122", "4001", "400199887");
    setor("003", "002", "55444333000122", "4001 ", "400199887");
}

RowSet unidades()
{
    RowSet r = RowSet::abrir(QStringLiteral("SELECT * FROM UNIDADE_ORCAMENTARIA"));
    r.first();
    return r;
}

QStringList textos(const TListaUnidades &lista)
{
    QStringList r;
    for (const QStringList &colunas : lista.linhas)
        r << colunas.join(QLatin1Char('|'));
    return r;
}
} // namespace

class TestePreviews : public QObject {
    Q_OBJECT
private slots:
    void textosDasConsultas();
    void unidadesGestoras();
    void unidadesOrcamentarias();
    void falhasComPrefixo_data();
    void falhasComPrefixo();
    void semMesSelecionado();
};

void TestePreviews::textosDasConsultas()
{
    QCOMPARE(TComandosSql::SqlUnidadesGestoras(QStringLiteral("JAN")),
             QStringLiteral("SELECT DISTINCT c.descricao_unidade,\n"
                            "       COALESCE(NULLIF(a.cgc, ''), b.cgc) AS cnpj,\n"
                            "       COALESCE(NULLIF(a.codundgestor, ''), b.codtcm) AS codundgestor\n"
                            "  FROM KVB006JAN a,\n"
                            "       KVB003 b,\n"
                            "       UNIDADE_ORCAMENTARIA c\n"
                            " WHERE a.cdsetor = '000'\n"
                            "   AND ((a.codundgestor = c.codigo_unidade) or (b.codtcm = c.codigo_unidade))\n"
                            " ORDER BY c.codigo_unidade\n"));
    QCOMPARE(TComandosSql::SqlUnidadesOrcamentarias(QStringLiteral("SELECT 1 FROM X")),
             QStringLiteral("SELECT DISTINCT TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor,\n"
                            "       SUBSTRING(codundorca FROM 1 FOR 6) AS codundorca\n"
                            "  FROM (SELECT 1 FROM X) t020\n"
                            " ORDER BY 1, 2\n"));
}

void TestePreviews::unidadesGestoras()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    prepararUnidades(banco);
    RowSet cds = unidades();
    const TListaUnidades lista = ListarUnidadesGestoras(QStringLiteral("JAN"), cds);
    // Secretariat 002 pairs with its own unit and with the client's: listed and counted twice.
    // Secretariat 003's unit is unknown: no description column.
    QStringList esperado = {
        "11.222.333/0001-81|2001|GABINETE",
        "99.888.777/0001-66|3001|SAUDE",
        "55.444.333/0001-22|4001",
        "99.888.777/0001-66|3001|SAUDE",
    };
    QStringList obtido = textos(lista);
    QCOMPARE(obtido.size(), 4);
    QCOMPARE(obtido.last(), esperado.last()); // the pair with unit 3001 comes last
    obtido.sort();
    esperado.sort();
    QCOMPARE(obtido, esperado);
    QCOMPARE(lista.status, QStringLiteral("Total de Unidades Gestoras: 4"));
}

void TestePreviews::unidadesOrcamentarias()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    prepararUnidades(banco);
    RowSet cds = unidades();
    // Any selection with the two columns serves; the base selection is one.
    const TListaUnidades lista =
        ListarUnidadesOrcamentarias(QStringLiteral("SELECT codundgestor, codundorca FROM KVB006JAN"), cds);
    QCOMPARE(textos(lista), QStringList({
                                "|200101",
                                "3001|300101|FUNDO SAUDE",
                                "4001|400199",
                            }));
    QCOMPARE(lista.status, QStringLiteral("Total de Unidades Orçamentárias: 3"));
}

void TestePreviews::falhasComPrefixo_data()
{
    QTest::addColumn<bool>("gestoras");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("prefixo");
    QTest::newRow("mês sem tabela de setores") << true << "FEV"
                                               << "Error ao consultar unidades gestoras! ";
    QTest::newRow("código de mês inválido") << true << "JAN a"
                                            << "Error ao consultar unidades gestoras! ";
    QTest::newRow("seleção vazia") << false << ""
                                   << "Error ao consultar unidades orçamentarias! ";
    QTest::newRow("seleção inválida") << false << "SELECT nada FROM KVB006JAN"
                                      << "Error ao consultar unidades orçamentarias! ";
}

void TestePreviews::falhasComPrefixo()
{
    QFETCH(bool, gestoras);
    QFETCH(QString, entrada);
    QFETCH(QString, prefixo);
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    RowSet cds = unidades();
    try {
        if (gestoras)
            ListarUnidadesGestoras(entrada, cds);
        else
            ListarUnidadesOrcamentarias(entrada, cds);
        QFAIL("must fail");
    } catch (const Falha &f) {
        QVERIFY2(f.mensagem().startsWith(prefixo + QChar(13)), qPrintable(f.mensagem()));
        QVERIFY(f.mensagem().size() > prefixo.size() + 1);
    }
}

void TestePreviews::semMesSelecionado()
{
    OperadorTeste operador;
    TEstadoEcontas estado;
    QVERIFY(!ValidarMesParaVisualizacao(estado));
    QCOMPARE(operador.textos(), QStringList({"Não foi selecionado nenhum mês para visualização ..."}));
    QCOMPARE(operador.mensagens.first().tipo, QStringLiteral("informacao"));
    estado.mesSelecionado = true;
    QVERIFY(ValidarMesParaVisualizacao(estado));
    QCOMPARE(operador.mensagens.size(), 1);
}

QTEST_GUILESS_MAIN(TestePreviews)
#include "test_previews.moc"
