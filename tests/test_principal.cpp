// The main window's core: the click on a month, the undo of a generation, and the batch verbs
// meses and desfazer run as a separate process on the same kind of database.
#include "econtas/Principal.h"
#include "generation/SelecaoCompetencia.h"
#include "support/BancoTeste.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

const QStringList kTabelasTrabalho = {"ECONTAS_010", "ECONTAS_020", "ECONTAS_030", "ECONTAS_040",
                                      "ECONTAS_041", "ECONTAS_042", "ECONTAS_043"};

// January and February 2024 generated (January also exported), March only checked, April untouched.
void prepararAno2024(BancoTeste &banco)
{
    banco.inserir("KVB003",
                  {{"DESCRICAO", "PREFEITURA DE TESTE"}, {"CGC", "12345678000190"}, {"CODTCM", "123"}});
    const QString cnpj = QStringLiteral("12345678000190");
    banco.controle({.mesAno = "012024",
                    .cnpj = cnpj,
                    .criticas = {2024, 2, 1},
                    .geracao = {2024, 2, 2},
                    .exportacao = {2024, 2, 3},
                    .usuario = "ANA"});
    banco.controle({.mesAno = "022024",
                    .cnpj = cnpj,
                    .criticas = {2024, 3, 1},
                    .geracao = {2024, 3, 2},
                    .usuario = "ANA"});
    banco.controle({.mesAno = "032024", .cnpj = cnpj, .criticas = {2024, 4, 1}});
    banco.controle({.mesAno = "042024", .cnpj = cnpj});
    banco.controle({.mesAno = "022023", .cnpj = cnpj});
    for (const char *competencia : {"012024", "022024"})
        for (const QString &tabela : kTabelasTrabalho)
            banco.inserir(tabela, {{"COMPETENCIA", competencia}, {"CNPJ", "12345678000190"}});
    banco.inserir("KVB006FEV", {{"CDSECRETA", "001"}, {"FECHAMENTO", "T"}});
    banco.inserir("KVB006FEV", {{"CDSECRETA", "002"}, {"FECHAMENTO", "T"}});
    banco.inserir("KVB006BC1", {{"CDSECRETA", "001"}, {"FECHAMENTO", "T"}});
    banco.inserir("KVB006JAN", {{"CDSECRETA", "001"}, {"FECHAMENTO", "T"}});
}

LinhaMes linhaDe(const QString &mesAno)
{
    const QString ano = mesAno.mid(2);
    for (const LinhaMes &l : LinhasDosMeses(ano))
        if (l.mesAno == mesAno)
            return l;
    return {};
}

ExecucaoLote executarLote(BancoTeste &banco, const QStringList &argumentos)
{
    return ExecutarLote(banco, "2024", "operador", argumentos);
}

} // namespace

class TestePrincipal : public QObject {
    Q_OBJECT
private slots:
    void cliqueNoMes_data();
    void cliqueNoMes();
    void desfazerRespondidoNaoNaoMudaNada();
    void desfazerLimpaSoACompetencia();
    void desfazerSemMesSelecionado();
    void loteMeses();
    void loteDesfazer();
};

void TestePrincipal::cliqueNoMes_data()
{
    QTest::addColumn<QString>("mesAno");
    QTest::addColumn<QDate>("pagamento");
    QTest::addColumn<QString>("mesCadastro");
    QTest::addColumn<bool>("geracao");
    QTest::addColumn<bool>("exportacao");
    QTest::newRow("fevereiro bissexto, gerado") << "022024" << QDate(2024, 2, 29) << "FEV" << true << true;
    QTest::newRow("fevereiro comum, sem datas") << "022023" << QDate(2023, 2, 28) << "FEV" << false << false;
    QTest::newRow("março, só crítica") << "032024" << QDate(2024, 3, 31) << "MAR" << true << false;
    QTest::newRow("abril, sem datas") << "042024" << QDate(2024, 4, 30) << "ABR" << false << false;
}

void TestePrincipal::cliqueNoMes()
{
    QFETCH(QString, mesAno);
    QFETCH(QDate, pagamento);
    QFETCH(QString, mesCadastro);
    QFETCH(bool, geracao);
    QFETCH(bool, exportacao);
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "MAR", "ABR", "BC1"});
    prepararAno2024(banco);
    TEstadoEcontas estado;
    estado.ano_folha = mesAno.mid(2);
    ConfiguracoesIniciaris(estado);

    // A month with every date first, so the second click shows that the buttons follow the new row.
    lvPrincipalClick(estado, linhaDe("012024"));
    const BotoesMes botoes = lvPrincipalClick(estado, linhaDe(mesAno));
    QCOMPARE(botoes, (BotoesMes{geracao, exportacao}));
    QCOMPARE(estado.dataPagamento, pagamento);
    QCOMPARE(estado.competencia, mesAno);
    QCOMPARE(estado.mes_cadastro, mesCadastro);
    QCOMPARE(estado.numero_mes_selecionado, mesAno.left(2));
    QVERIFY(estado.mesSelecionado);
}

void TestePrincipal::desfazerRespondidoNaoNaoMudaNada()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "BC1"});
    prepararAno2024(banco);
    TEstadoEcontas estado;
    estado.ano_folha = "2024";
    ConfiguracoesIniciaris(estado);
    lvPrincipalClick(estado, linhaDe("022024"));
    const QStringList controleAntes = banco.linhas("SELECT * FROM CTRL_TCMTPA ORDER BY MES_ANO");

    operador.responder({false});
    QVERIFY(!ExcluirExportacao(estado));
    QCOMPARE(operador.textos(), QStringList{"Deseja desfazer a geração do ECONTAS."});
    QCOMPARE(banco.linhas("SELECT * FROM CTRL_TCMTPA ORDER BY MES_ANO"), controleAntes);
    for (const QString &tabela : kTabelasTrabalho)
        QCOMPARE(banco.contar(tabela), 2);
    QCOMPARE(banco.contar("KVB006FEV", "FECHAMENTO = 'T'"), 2);
}

void TestePrincipal::desfazerLimpaSoACompetencia()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "BC1"});
    prepararAno2024(banco);
    TEstadoEcontas estado;
    estado.ano_folha = "2024";
    ConfiguracoesIniciaris(estado);
    int recargas = 0;
    estado.ControlesTCMA = [&] { ++recargas; };
    lvPrincipalClick(estado, linhaDe("022024"));
    operador.progresso().definirPosicao(TProgresso::R040, 1);

    operador.responder({true});
    QVERIFY(ExcluirExportacao(estado));
    QCOMPARE(recargas, 1);
    const LinhaMes fevereiro = linhaDe("022024");
    QCOMPARE(fevereiro.dtCriticas + fevereiro.dtGeracao + fevereiro.dtExportacao, QString());
    QCOMPARE(linhaDe("012024").dtExportacao, QStringLiteral("03/02/2024"));
    QCOMPARE(BotoesDoMes("022024"), BotoesMes{});
    for (const QString &tabela : kTabelasTrabalho)
        QCOMPARE(banco.linhas("SELECT COMPETENCIA FROM " + tabela), QStringList{"COMPETENCIA=012024"});
    QCOMPARE(banco.contar("KVB006FEV", "FECHAMENTO = 'F'"), 2);
    QCOMPARE(banco.contar("KVB006BC1", "FECHAMENTO = 'F'"), 1);
    QCOMPARE(banco.contar("KVB006JAN", "FECHAMENTO = 'T'"), 1);
    TProgresso &progresso = operador.progresso();
    QCOMPARE(progresso.maximo(TProgresso::Principal), 8);
    QCOMPARE(progresso.posicao(TProgresso::Principal), 0);
    QCOMPARE(progresso.posicao(TProgresso::R040), 0);
}

void TestePrincipal::desfazerSemMesSelecionado()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEstadoEcontas estado;
    operador.responder({true});
    QVERIFY(!ExcluirExportacao(estado));
    QCOMPARE(operador.textos(), QStringList{"Não foi selecionado nenhum mês para exclusão!"});
}

void TestePrincipal::loteMeses()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "BC1", "MAR"});
    prepararAno2024(banco);
    banco.executar("DELETE FROM CTRL_TCMTPA WHERE MES_ANO = '032024'");

    const ExecucaoLote e = executarLote(banco, {"meses"});
    QCOMPARE(e.erros, QString());
    QCOMPARE(e.saida, 0);
    // March has a regular sheet: its control row is created again by the start of the command.
    QCOMPARE(
        e.saidaPadrao.split('\n', Qt::SkipEmptyParts),
        (QStringList{"Janeiro de 2024\tF\t12.345.678/0001-90\t01/02/2024\t02/02/2024\t03/02/2024\t012024",
                     "Fevereiro de 2024\tF\t12.345.678/0001-90\t01/03/2024\t02/03/2024\t\t022024",
                     "Março de 2024\tF\t12.345.678/0001-90\t\t\t\t032024",
                     "Abril de 2024\tF\t12.345.678/0001-90\t\t\t\t042024"}));
}

void TestePrincipal::loteDesfazer()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "BC1"});
    prepararAno2024(banco);

    ExecucaoLote e = executarLote(banco, {"desfazer", "022024"});
    QCOMPARE(e.saida, 3);
    QCOMPARE(banco.contar("ECONTAS_040", "COMPETENCIA = '022024'"), 1);

    e = executarLote(banco, {"desfazer", "052024", "--sim"});
    QCOMPARE(e.saida, 1);
    QVERIFY(e.erros.contains("052024"));

    e = executarLote(banco, {"desfazer", "022024", "--sim"});
    QCOMPARE(e.erros, QString());
    QCOMPARE(e.saida, 0);
    QCOMPARE(banco.contar("ECONTAS_040"), 1);
    QCOMPARE(banco.contar("CTRL_TCMTPA", "MES_ANO = '022024' AND DT_GERACAO IS NULL"), 1);
    QCOMPARE(banco.contar("KVB006FEV", "FECHAMENTO = 'F'"), 2);
}

QTEST_GUILESS_MAIN(TestePrincipal)
#include "test_principal.moc"
