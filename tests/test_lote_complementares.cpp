// The batch verbs complementares and unidades, run as a separate process on a small municipality.
#include "support/BancoTeste.h"
#include "support/CenarioFolha.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

const QString CNPJ = QStringLiteral("11222333000181");

// One secretariat (001) with one department (001), a staff member in each, units described in part,
// and the complementary sheets AC1 (already chosen) and AC2 of January.
void prepararMunicipio(BancoTeste &banco)
{
    CenarioFolha cenario(banco);
    cenario.cliente({{"CGC", CNPJ}, {"CODTCM", "2001"}});
    cenario.lotacao("001", "000", {{"CODUNDGESTOR", "2001"}, {"CODUNDORCA", "200101"}});
    cenario.lotacao("001", "001", {{"CODUNDORCA", "200102"}});
    cenario.servidor("00000001", "001", "000");
    cenario.servidor("00000002", "001", "001");
    cenario.controle("012024");
    banco.inserir("UNIDADE_ORCAMENTARIA", {{"CODIGO_UNIDADE", "2001"}, {"DESCRICAO_UNIDADE", "GABINETE"}});
    banco.inserir("UNIDADE_ORCAMENTARIA",
                  {{"CODIGO_UNIDADE", "200101"}, {"DESCRICAO_UNIDADE", "FUNDO GERAL"}});
    banco.inserir("KVB020",
                  {{"ANO", "2024"}, {"NUMMES", "01"}, {"MES", "AC1"}, {"CNPJ", CNPJ}, {"GERAL", "T"}});
}

ExecucaoLote executarLote(BancoTeste &banco, const QStringList &argumentos)
{
    return ExecutarLote(banco, "2024", "operador", argumentos);
}

QStringList escolhidas(BancoTeste &banco)
{
    return banco.linhas("SELECT MES, GERAL FROM KVB020 WHERE ANO = '2024' AND NUMMES = '01' ORDER BY MES");
}

} // namespace

class TesteLoteComplementares : public QObject {
    Q_OBJECT
private slots:
    void unidades_data();
    void unidades();
    void listaComplementaresComMarcas();
    void enviarGuardaExatamenteAEscolha_data();
    void enviarGuardaExatamenteAEscolha();
};

void TesteLoteComplementares::unidades_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<int>("saida");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("gestoras") << QStringList{"unidades", "012024", "gestoras"} << 0
                              << "11.222.333/0001-81\t2001\tGABINETE\nTotal de Unidades Gestoras: 1\n";
    QTest::newRow("orcamentarias") << QStringList{"unidades", "012024", "orcamentarias"} << 0
                                   << "2001\t200101\tFUNDO GERAL\n2001\t200102\n"
                                      "Total de Unidades Orçamentárias: 2\n";
    QTest::newRow("tipo inválido") << QStringList{"unidades", "012024", "setores"} << 2 << "";
    QTest::newRow("mês inválido") << QStringList{"unidades", "132024", "gestoras"} << 2 << "";
}

void TesteLoteComplementares::unidades()
{
    QFETCH(QStringList, argumentos);
    QFETCH(int, saida);
    QFETCH(QString, esperado);
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    prepararMunicipio(banco);
    const ExecucaoLote e = executarLote(banco, argumentos);
    QVERIFY2(e.saida == saida, qPrintable(e.erros));
    QCOMPARE(e.saidaPadrao, esperado);
    QCOMPARE(e.erros.isEmpty(), saida == 0);
}

void TesteLoteComplementares::listaComplementaresComMarcas()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2"});
    prepararMunicipio(banco);
    const ExecucaoLote e = executarLote(banco, {"complementares", "012024"});
    QVERIFY2(e.saida == 0, qPrintable(e.erros));
    QCOMPARE(e.saidaPadrao, QStringLiteral("LISTA DE FOLHAS COMPLEMENTARES\n"
                                           "Segue lista de folhas complementares por competência...\n"
                                           "[X] 1ª Folha Complementar / JANEIRO de 2024 (AC1)\n"
                                           "[ ] 2ª Folha Complementar / JANEIRO de 2024 (AC2)\n"
                                           "Total de itens: 2\n"));
    QCOMPARE(escolhidas(banco), QStringList({"MES=AC1|GERAL=T"}));
}

void TesteLoteComplementares::enviarGuardaExatamenteAEscolha_data()
{
    QTest::addColumn<QString>("escolha");
    QTest::addColumn<int>("saida");
    QTest::addColumn<QStringList>("guardadas");
    QTest::newRow("troca AC1 por AC2") << "AC2" << 0 << QStringList{"MES=AC2|GERAL=T"};
    QTest::newRow("as duas") << "AC1,AC2" << 0 << QStringList{"MES=AC1|GERAL=T", "MES=AC2|GERAL=T"};
    QTest::newRow("lista vazia desmarca todas") << "" << 0 << QStringList{};
    QTest::newRow("folha que não existe: nada muda") << "AC2,AC9" << 2 << QStringList{"MES=AC1|GERAL=T"};
}

void TesteLoteComplementares::enviarGuardaExatamenteAEscolha()
{
    QFETCH(QString, escolha);
    QFETCH(int, saida);
    QFETCH(QStringList, guardadas);
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2"});
    prepararMunicipio(banco);
    // Another entity's choice is never touched.
    banco.inserir(
        "KVB020",
        {{"ANO", "2024"}, {"NUMMES", "01"}, {"MES", "AC1"}, {"CNPJ", "99888777000166"}, {"GERAL", "T"}});
    const ExecucaoLote e = executarLote(banco, {"complementares", "012024", "--enviar", escolha});
    QVERIFY2(e.saida == saida, qPrintable(e.erros + e.saidaPadrao));
    QCOMPARE(banco.linhas("SELECT MES, GERAL FROM KVB020 WHERE CNPJ = '" + CNPJ + "' ORDER BY MES"),
             guardadas);
    QCOMPARE(banco.contar("KVB020", "CNPJ = '99888777000166'"), 1);
    if (saida == 0) {
        QVERIFY(e.saidaPadrao.startsWith(QStringLiteral("Complementares enviadas com sucesso!\n")));
        QCOMPARE(e.saidaPadrao.count(QStringLiteral("[X]")), guardadas.size());
    } else {
        QVERIFY(e.erros.contains(QStringLiteral("AC9")));
    }
}

QTEST_GUILESS_MAIN(TesteLoteComplementares)
#include "test_lote_complementares.moc"
