// The main window driven offscreen: the month list, the buttons that follow the selected month, the
// undo of a generation, the export folder and the busy guard.
#include "app/uPrincipal.h"
#include "common/Acao.h"
#include "db/Conexao.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"
#include "windows/DialogoSalvar.h"

#include <QDateEdit>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// January 2024 generated and exported, March only checked, April untouched.
void prepararBanco(BancoTeste &banco)
{
    banco.inserir(
        "KVB003",
        {{"DESCRICAO", "PREFEITURA MUNICIPAL DE TESTE"}, {"CGC", "12345678000190"}, {"CODTCM", "0987"}});
    banco.controle({.mesAno = "012024",
                    .cnpj = "12345678000190",
                    .criticas = {2024, 2, 1},
                    .geracao = {2024, 2, 2},
                    .exportacao = {2024, 2, 3},
                    .usuario = "ANA"});
    banco.controle({.mesAno = "032024", .cnpj = "12345678000190", .criticas = {2024, 4, 1}});
    for (const char *tabela : {"ECONTAS_010", "ECONTAS_040", "ECONTAS_043"})
        banco.inserir(tabela, {{"COMPETENCIA", "012024"}, {"CNPJ", "12345678000190"}});
    banco.inserir("KVB006JAN", {{"CDSECRETA", "001"}, {"CDSETOR", "000"}, {"FECHAMENTO", "T"}});
}

struct Botoes {
    bool geracao, exportacao, desfazer, previews;
};

Botoes botoes(const TfrmPrincipal &j)
{
    return {j.btnGeracao->isEnabled(), j.btnExportacao->isEnabled(), j.btnDesfazerGeracao->isEnabled(),
            j.btnEcontas_010->isEnabled() && j.btnEcontas_020->isEnabled() &&
                j.btnEnviarComplementar->isEnabled()};
}

void compararBotoes(const TfrmPrincipal &j, Botoes esperado)
{
    const Botoes b = botoes(j);
    QCOMPARE(b.geracao, esperado.geracao);
    QCOMPARE(b.exportacao, esperado.exportacao);
    QCOMPARE(b.desfazer, esperado.desfazer);
    QCOMPARE(b.previews, esperado.previews);
}

} // namespace

class TestePrincipalJanela : public QObject {
    Q_OBJECT
private slots:
    void janelaComOsMesesDoAno();
    void botoesSeguemOMesSelecionado();
    void desfazerGeracao();
    void caminhoDoArquivo();
    void botoesDesabilitadosDuranteUmaAcao();
    void janelaNaAmostra();
    void criticaQueBloqueiaAvisaNoStatus();
};

void TestePrincipalJanela::janelaComOsMesesDoAno()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "MAR", "ABR"});
    prepararBanco(banco);
    TfrmPrincipal janela("2024", "ana");
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));

    QCOMPARE(janela.windowTitle(), QStringLiteral("KVB - Módulo E-Contas TCM-PA"));
    QCOMPARE(janela.size(), QSize(796, 483));
    QCOMPARE(janela.lvPrincipal->columnCount(), 6);
    QCOMPARE(janela.lvPrincipal->horizontalHeaderItem(2)->text(), QStringLiteral("C.N.P.J"));
    // The columns fit their contents inside the list's fixed width: nothing scrolls sideways.
    QVERIFY(janela.lvPrincipal->horizontalHeader()->length() <= janela.lvPrincipal->viewport()->width());
    QCOMPARE(janela.lvPrincipal->rowCount(), 3);
    QStringList primeira;
    for (int c = 0; c < 6; ++c)
        primeira << janela.lvPrincipal->item(0, c)->text();
    QCOMPARE(primeira, (QStringList{"Janeiro de 2024", "F", "12.345.678/0001-90", "01/02/2024", "02/02/2024",
                                    "03/02/2024"}));
    QCOMPARE(janela.lvPrincipal->item(2, 0)->text(), QStringLiteral("Abril de 2024"));
    QCOMPARE(janela.lvPrincipal->item(2, 3)->text(), QString());
    QVERIFY(janela.lvPrincipal->selectedItems().isEmpty());
    QCOMPARE(janela.painelPrefeitura->text(), QStringLiteral("PREFEITURA MUNICIPAL DE TESTE"));
    QCOMPARE(janela.edtCodMunicipio->text(), QStringLiteral("098"));
    QCOMPARE(janela.edtVersaoTovrin->text(), QStringLiteral("FPG202000"));
    QCOMPARE(janela.dtpPagamento->date(), QDate::currentDate());
    QCOMPARE(janela.btnCriticas->text(), QStringLiteral("    Criticas        "));
    QCOMPARE(janela.btnDesfazerGeracao->property("dica").toString(),
             QStringLiteral("Título|Botão para excluir a geração de informações do e-Contas|7"));
    QVERIFY(janela.btnCriticas->isEnabled());
    compararBotoes(janela, {false, false, false, false});
    QVERIFY(operador.mensagens.isEmpty());

    janela.lvPrincipal->selectRow(0);
    operador.progresso().definirFaixa(TProgresso::R040, 0, 4);
    operador.progresso().definirPosicao(TProgresso::R040, 3);
    operador.progresso().definirStatus(QStringLiteral("Aguarde, sistema gerando registro 040..."));
    QCOMPARE(janela.pbRegistro[3]->value(), 3);
    QCOMPARE(janela.painelMensagens->text(), QStringLiteral("Aguarde, sistema gerando registro 040..."));
    QDir().mkpath(ECONTAS_SCREENSHOT_DIR);
    janela.grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/principal.png"));
}

void TestePrincipalJanela::botoesSeguemOMesSelecionado()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "MAR", "ABR"});
    prepararBanco(banco);
    TfrmPrincipal janela("2024", "ana");
    janela.show();

    janela.lvPrincipal->selectRow(1); // March: critique date only
    compararBotoes(janela, {true, false, false, true});
    QCOMPARE(janela.dtpPagamento->date(), QDate(2024, 3, 31));
    QCOMPARE(janela.estado.competencia, QStringLiteral("032024"));
    QCOMPARE(janela.estado.mes_cadastro, QStringLiteral("MAR"));

    janela.lvPrincipal->selectRow(0); // January: generated
    compararBotoes(janela, {true, true, true, true});

    janela.lvPrincipal->selectRow(2); // April: no dates
    compararBotoes(janela, {false, false, false, true});
    QCOMPARE(janela.estado.dataPagamento, QDate(2024, 4, 30));

    // The operator's own payment date is what the state keeps.
    janela.dtpPagamento->setDate(QDate(2024, 4, 25));
    QCOMPARE(janela.estado.dataPagamento, QDate(2024, 4, 25));

    janela.lvPrincipal->selectRow(0);
    janela.lvPrincipal->clearSelection();
    compararBotoes(janela, {true, true, true, false});
    QVERIFY(!janela.estado.mesSelecionado);
    QVERIFY(operador.mensagens.isEmpty());
}

void TestePrincipalJanela::desfazerGeracao()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "MAR", "ABR"});
    prepararBanco(banco);
    TfrmPrincipal janela("2024", "ana");
    janela.show();
    janela.lvPrincipal->selectRow(0);

    operador.responder({false});
    QTest::mouseClick(janela.btnDesfazerGeracao, Qt::LeftButton);
    QCOMPARE(operador.textos(), QStringList{"Deseja desfazer a geração do ECONTAS."});
    QCOMPARE(janela.lvPrincipal->item(0, 4)->text(), QStringLiteral("02/02/2024"));
    QCOMPARE(banco.contar("ECONTAS_040"), 1);
    compararBotoes(janela, {true, true, true, true});

    operador.limpar();
    operador.responder({true});
    QTest::mouseClick(janela.btnDesfazerGeracao, Qt::LeftButton);
    QCOMPARE(operador.textos(), QStringList{"Deseja desfazer a geração do ECONTAS."});
    for (int c = 3; c < 6; ++c)
        QCOMPARE(janela.lvPrincipal->item(0, c)->text(), QString());
    QCOMPARE(banco.contar("ECONTAS_040"), 0);
    QCOMPARE(banco.contar("KVB006JAN", "FECHAMENTO = 'F'"), 1);
    QVERIFY(janela.lvPrincipal->selectedItems().isEmpty());
    compararBotoes(janela, {false, false, false, true});
    QCOMPARE(janela.pbPricipal->value(), 0);
    QCOMPARE(janela.pbPricipal->maximum(), 8);
    QCOMPARE(janela.painelMensagens->text(), MensagemGeracaoDesfeita());

    // The list lost its selection: a second undo asks for a month.
    operador.limpar();
    janela.btnDesfazerGeracaoClick();
    QCOMPARE(operador.textos(), QStringList{"Não foi selecionado nenhum mês para exclusão!"});
}

void TestePrincipalJanela::caminhoDoArquivo()
{
    OperadorTeste operador;
    BancoTeste banco;
    prepararBanco(banco);
    TfrmPrincipal janela("2024", "ana");
    DialogoSalvar::DefinirProximaResposta(QStringLiteral("/dados/envio/ECONTAS"));
    QTest::mouseClick(janela.btnCaminhoArquivo, Qt::LeftButton);
    QCOMPARE(janela.edtCaminhoArquivo->text(), QStringLiteral("/dados/envio/ECONTAS"));
    QCOMPARE(janela.estado.caminhoArquivo, QStringLiteral("/dados/envio/ECONTAS"));
    QVERIFY(janela.edtCaminhoArquivo->isReadOnly());
    // A long path shows its start in the edit and, as hint, the folder the files will go to.
    QCOMPARE(janela.edtCaminhoArquivo->cursorPosition(), 0);
    QCOMPARE(janela.edtCaminhoArquivo->toolTip(),
             QStringLiteral("Os arquivos serão exportados para a pasta /dados/envio/ECONTAS"));
    // The hint's placeholder title gives way to the control's name; the documented hint stays.
    QCOMPARE(
        janela.btnCaminhoArquivo->toolTip(),
        QStringLiteral("<b>Caminho do Arquivo</b><br/>Selecione o caminho onde será exportado o arquivo"));
    QCOMPARE(janela.btnCaminhoArquivo->property("dica").toString(),
             QStringLiteral("Título|Selecione o caminho onde será exportado o arquivo|3"));
    DialogoSalvar::DefinirProximaResposta(QString()); // cancelled
    QTest::mouseClick(janela.btnCaminhoArquivo, Qt::LeftButton);
    QCOMPARE(janela.edtCaminhoArquivo->text(), QStringLiteral("/dados/envio/ECONTAS"));
}

void TestePrincipalJanela::botoesDesabilitadosDuranteUmaAcao()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "MAR", "ABR"});
    prepararBanco(banco);
    TfrmPrincipal janela("2024", "ana");
    janela.show();
    janela.lvPrincipal->selectRow(1); // March: generation allowed, export not

    bool todosDesabilitados = false;
    ExecutarAcaoLonga([&] {
        todosDesabilitados = !janela.btnCriticas->isEnabled() && !janela.btnGeracao->isEnabled() &&
                             !janela.btnDesfazerGeracao->isEnabled() && !janela.btnEcontas_010->isEnabled() &&
                             !janela.btnCaminhoArquivo->isEnabled();
        // A second action while this one runs is refused.
        janela.btnDesfazerGeracaoClick();
    });
    QVERIFY(todosDesabilitados);
    QCOMPARE(operador.textos(), QStringList{MensagemOperacaoEmAndamento()});
    QVERIFY(janela.btnCriticas->isEnabled());
    QVERIFY(janela.btnCaminhoArquivo->isEnabled());
    compararBotoes(janela, {true, false, false, true});
}

void TestePrincipalJanela::janelaNaAmostra()
{
    OperadorTeste operador;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra parametros;
    parametros.servidores = Amostra::MinimoServidores;
    CriarBancoAmostra(caminho, parametros);
    TConexao conexao(caminho);
    {
        TfrmPrincipal janela("2024", "operador");
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        QCOMPARE(janela.lvPrincipal->rowCount(), 12);
        // The twelve months whole, December's row included, without scrolling.
        QTableWidget *lista = janela.lvPrincipal;
        QVERIFY2(lista->visualRect(lista->model()->index(11, 0)).bottom() < lista->viewport()->height(),
                 qPrintable(QStringLiteral("%1 > %2")
                                .arg(lista->visualRect(lista->model()->index(11, 0)).bottom())
                                .arg(lista->viewport()->height())));
        // Every caption keeps a margin inside its button.
        for (QPushButton *botao : janela.findChildren<QPushButton *>()) {
            const int texto = botao->fontMetrics().horizontalAdvance(botao->text().trimmed());
            QVERIFY2(
                texto + 2 * botao->fontMetrics().averageCharWidth() <= botao->width() ||
                    botao->text().isEmpty(),
                qPrintable(QStringLiteral("%1: %2 de %3").arg(botao->text()).arg(texto).arg(botao->width())));
        }
        janela.lvPrincipal->selectRow(1);
        QCOMPARE(janela.estado.mes_cadastro, QStringLiteral("FEV"));
        QVERIFY(!janela.estado.SQLPadrao.isEmpty());
        QVERIFY(operador.mensagens.isEmpty());
        // Every cell shows its whole text ("Fevereiro de 2024", the formatted CNPJ, the dates).
        const QFontMetrics medida = janela.lvPrincipal->fontMetrics();
        for (int r = 0; r < janela.lvPrincipal->rowCount(); ++r)
            for (int c = 0; c < janela.lvPrincipal->columnCount(); ++c)
                QVERIFY2(medida.horizontalAdvance(janela.lvPrincipal->item(r, c)->text()) <
                             janela.lvPrincipal->columnWidth(c),
                         qPrintable(janela.lvPrincipal->item(r, c)->text()));
        QDir().mkpath(ECONTAS_SCREENSHOT_DIR);
        janela.grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/principal_amostra.png"));
    }
    QSqlDatabase::database(QStringLiteral("FDConn"), false).close();
}

// March of the sample holds findings that block the generation: the status panel says so until the
// next action.
void TestePrincipalJanela::criticaQueBloqueiaAvisaNoStatus()
{
    OperadorTeste operador;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra parametros;
    parametros.servidores = Amostra::MinimoServidores;
    parametros.meses = {Amostra::MesComProblemas};
    CriarBancoAmostra(caminho, parametros);
    TConexao conexao(caminho);
    {
        TfrmPrincipal janela("2024", "operador");
        janela.show();
        janela.lvPrincipal->selectRow(0);
        QTest::mouseClick(janela.btnCriticas, Qt::LeftButton);
        QVERIFY(janela.estado.ErroCritica);
        QCOMPARE(janela.painelMensagens->text(), MensagemGeracaoBloqueada());
        janela.lvPrincipal->clearSelection();
        janela.lvPrincipal->selectRow(0);
        QCOMPARE(janela.painelMensagens->text(), QString());
    }
    QSqlDatabase::database(QStringLiteral("FDConn"), false).close();
}

QTEST_MAIN(TestePrincipalJanela)
#include "gui_principal.moc"
