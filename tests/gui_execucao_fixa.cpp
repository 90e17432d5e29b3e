// A run works on the values of the moment its button was pressed. While the critique, the generation
// and the export of February run on the sample, January is clicked and the date, version and folder
// are changed through the event loop: February gets every row, stamp and file, January nothing.
#include "app/uPrincipal.h"
#include "common/Acao.h"
#include "db/Conexao.h"
#include "db/Sql.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "resumo/pdf/PdfResumo.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"
#include "windows/DialogoSalvar.h"

#include <QDateEdit>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString Fevereiro = QStringLiteral("022024");
const QString Janeiro = QStringLiteral("012024");
constexpr int LinhaJaneiro = 0;
constexpr int LinhaFevereiro = 1;

struct Interferencia {
    bool duranteAExecucao = false;
    bool entradasDesabilitadas = false;
};

// Arms a timer that fires at the run's first "let events run": a mouse click on January, then January
// selected and the date, version and folder changed by program (past the disabled widgets).
Interferencia interferirDurante(TfrmPrincipal &janela, const QString &outraPasta, QPushButton *botao)
{
    Interferencia r;
    QTimer::singleShot(0, &janela, [&] {
        QTableWidget *lista = janela.lvPrincipal;
        r.duranteAExecucao = TAcoes::instancia().ocupado();
        r.entradasDesabilitadas = !lista->isEnabled() && !janela.dtpPagamento->isEnabled() &&
                                  !janela.edtCodMunicipio->isEnabled() &&
                                  !janela.edtVersaoTovrin->isEnabled() &&
                                  !janela.btnCaminhoArquivo->isEnabled();
        const QRect janeiro = lista->visualRect(lista->model()->index(LinhaJaneiro, 0));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, janeiro.center());
        lista->selectRow(LinhaJaneiro);
        janela.dtpPagamento->setDate(QDate(2024, 1, 15));
        janela.edtVersaoTovrin->setText(QStringLiteral("XXX999999"));
        janela.edtCaminhoArquivo->setText(outraPasta);
    });
    QTest::mouseClick(botao, Qt::LeftButton);
    return r;
}

QString carimbo(const QString &campo, const QString &competencia)
{
    RowSet r = RowSet::abrir(QStringLiteral("SELECT %1 FROM CTRL_TCMTPA WHERE MES_ANO = ?").arg(campo),
                             {competencia});
    r.first();
    return r.texto(campo);
}

int contar(const QString &sql)
{
    RowSet r = RowSet::abrir(sql);
    r.first();
    return r.inteiro(r.campos().first());
}

// The submission files under a folder (the summary files and the manifest beside them are not).
QStringList arquivosSob(const QString &pasta)
{
    QStringList nomes;
    QDirIterator it(pasta, {QStringLiteral("ECONTAS-*.TXT")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        nomes << it.next();
    return nomes;
}

} // namespace

class TesteExecucaoFixa : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void criticaFicaNoMesPressionado();
    void geracaoFicaNoMesPressionado();
    void exportacaoFicaNoMesPressionado();
    void cleanupTestCase();

private:
    void selecionarFevereiro();
    void verificarJanelaDepois();

    OperadorTeste operador;
    QTemporaryDir pasta;
    std::unique_ptr<TConexao> conexao;
    std::unique_ptr<TfrmPrincipal> janela;
};

void TesteExecucaoFixa::initTestCase()
{
    InstalarPdfResumo();
    const QString caminho = pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra parametros;
    parametros.servidores = 1500;
    parametros.meses = {"JAN", "FEV"};
    CriarBancoAmostra(caminho, parametros);
    conexao = std::make_unique<TConexao>(caminho);
    janela = std::make_unique<TfrmPrincipal>("2024", "operador");
    janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
}

// The operator's click on February (the list may still hold it from the run before).
void TesteExecucaoFixa::selecionarFevereiro()
{
    janela->lvPrincipal->clearSelection();
    janela->lvPrincipal->selectRow(LinhaFevereiro);
}

// After the run the window shows February again, with its own date and the inputs back.
void TesteExecucaoFixa::verificarJanelaDepois()
{
    QCOMPARE(janela->estado.competencia, Fevereiro);
    QCOMPARE(janela->dtpPagamento->date(), QDate(2024, 2, 29));
    QCOMPARE(janela->estado.dataPagamento, QDate(2024, 2, 29));
    QCOMPARE(janela->edtVersaoTovrin->text(), QStringLiteral("FPG202000"));
    QVERIFY(janela->lvPrincipal->isEnabled() && janela->dtpPagamento->isEnabled());
    const QList<QTableWidgetItem *> selecionados = janela->lvPrincipal->selectedItems();
    QVERIFY(selecionados.isEmpty() || selecionados.first()->row() == LinhaFevereiro);
}

void TesteExecucaoFixa::criticaFicaNoMesPressionado()
{
    selecionarFevereiro();
    operador.responder({true, true, true});
    const Interferencia i = interferirDurante(*janela, pasta.filePath("outra"), janela->btnCriticas);
    QVERIFY(i.duranteAExecucao);
    QVERIFY(i.entradasDesabilitadas);
    QVERIFY2(!carimbo("DT_CRITICAS", Fevereiro).isEmpty(), qPrintable(operador.textos().join('\n')));
    QVERIFY(carimbo("DT_CRITICAS", Janeiro).isEmpty());
    verificarJanelaDepois();
    // The result replaces the last check's text before its box, and stays until the next action.
    const QString concluidas = QStringLiteral("Críticas concluídas: nenhuma crítica.");
    QCOMPARE(operador.statusNaMensagem(QStringLiteral("Não há criticas na geração...")), concluidas);
    QTRY_COMPARE(janela->painelMensagens->text(), concluidas);
}

void TesteExecucaoFixa::geracaoFicaNoMesPressionado()
{
    selecionarFevereiro();
    QVERIFY(janela->btnGeracao->isEnabled());
    operador.limpar();
    operador.responder({true, true, true});
    const Interferencia i = interferirDurante(*janela, pasta.filePath("outra"), janela->btnGeracao);
    QVERIFY(i.duranteAExecucao);
    QVERIFY(i.entradasDesabilitadas);
    QVERIFY2(operador.textos().contains(QStringLiteral("Geração concluída com sucesso!")),
             qPrintable(operador.textos().join('\n')));
    for (const char *tabela :
         {"ECONTAS_010", "ECONTAS_020", "ECONTAS_030", "ECONTAS_040", "ECONTAS_041", "ECONTAS_043"}) {
        const QString t = QString::fromLatin1(tabela);
        QVERIFY2(contar("SELECT COUNT(*) FROM " + t + " WHERE COMPETENCIA = '022024'") > 0, tabela);
        QCOMPARE(contar("SELECT COUNT(*) FROM " + t + " WHERE COMPETENCIA <> '022024'"), 0);
    }
    QCOMPARE(contar("SELECT COUNT(*) FROM ECONTAS_041 WHERE DTPAGTO <> '2024-02-29'"), 0);
    QVERIFY(!carimbo("DT_GERACAO", Fevereiro).isEmpty());
    QVERIFY(carimbo("DT_GERACAO", Janeiro).isEmpty());
    verificarJanelaDepois();
    const QString concluida = QStringLiteral("Geração concluída: %1 servidores, %2 pagamentos.")
                                  .arg(contar("SELECT COUNT(*) FROM ECONTAS_040"))
                                  .arg(contar("SELECT COUNT(*) FROM ECONTAS_041"));
    QCOMPARE(operador.statusNaMensagem(QStringLiteral("Geração concluída com sucesso!")), concluida);
    QTRY_COMPARE(janela->painelMensagens->text(), concluida);
}

void TesteExecucaoFixa::exportacaoFicaNoMesPressionado()
{
    selecionarFevereiro();
    const QString envio = pasta.filePath(QStringLiteral("envio"));
    const QString outra = pasta.filePath(QStringLiteral("outra"));
    DialogoSalvar::DefinirProximaResposta(envio);
    QTest::mouseClick(janela->btnCaminhoArquivo, Qt::LeftButton);
    QVERIFY(janela->btnExportacao->isEnabled());
    operador.limpar();
    const Interferencia i = interferirDurante(*janela, outra, janela->btnExportacao);
    QVERIFY(i.duranteAExecucao);
    QVERIFY2(operador.textos().contains(QStringLiteral("Arquivos exportados com sucesso.")),
             qPrintable(operador.textos().join('\n')));
    const QStringList arquivos = arquivosSob(envio);
    QVERIFY(!arquivos.isEmpty());
    QVERIFY(!QFileInfo::exists(outra));
    for (const QString &arquivo : arquivos) {
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readLine().mid(26, 9), QByteArray("FPG202000"));
    }
    QVERIFY(!carimbo("DT_EXPORTACAO", Fevereiro).isEmpty());
    QVERIFY(carimbo("DT_EXPORTACAO", Janeiro).isEmpty());
    // The export empties the folder: the edit says so too, whatever was typed into it meanwhile.
    QVERIFY(janela->estado.caminhoArquivo.isEmpty());
    QVERIFY(janela->edtCaminhoArquivo->text().isEmpty());
    // No "Gravando o resumo da competência" behind the box: the folder the files went to.
    const QString concluida = QStringLiteral("Exportação concluída em %1.").arg(envio);
    QCOMPARE(operador.statusNaMensagem(QStringLiteral("Arquivos exportados com sucesso.")), concluida);
    QTRY_COMPARE(janela->painelMensagens->text(), concluida);
}

void TesteExecucaoFixa::cleanupTestCase()
{
    janela.reset();
    conexao.reset();
    QSqlDatabase::database(QStringLiteral("FDConn"), false).close();
}

QTEST_MAIN(TesteExecucaoFixa)
#include "gui_execucao_fixa.moc"
