// The summary window driven offscreen: it shows the competence's table and differences, and its two
// buttons save the report and the spreadsheet file where the clerk chooses.
#include "resumo/pdf/PdfResumo.h"
#include "support/BancoTeste.h"
#include "support/EstadoMes.h"
#include "support/OperadorTeste.h"
#include "windows/DialogoSalvar.h"
#include "windows/JanelaResumo.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

class TesteJanelaResumo : public QObject {
    Q_OBJECT
private slots:
    void mostraOResumoESalvaPdfECsv();
};

void TesteJanelaResumo::mostraOResumoESalvaPdfECsv()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB003", {{"DESCRICAO", "PREFEITURA MUNICIPAL DE TESTE"}, {"CGC", "12345678000190"}});
    const QVariantMap uo = {
        {"COMPETENCIA", "012024"}, {"CNPJ", "12345678000190"}, {"UG", "00001"}, {"UO", "00002"}};
    banco.inserir("ECONTAS_010", {{"COMPETENCIA", "012024"},
                                  {"CNPJ", "12345678000190"},
                                  {"UG", "00001"},
                                  {"DESCRICAO", "PREFEITURA MUNICIPAL DE TESTE"}});
    QVariantMap orcamentaria = uo;
    orcamentaria.insert("DESCRICAO", "EDUCAÇÃO");
    banco.inserir("ECONTAS_020", orcamentaria);
    QVariantMap pagamento = uo;
    pagamento.insert(
        QVariantMap{{"MATRICULA", "1"}, {"TIPOPAGTO", 1}, {"REMUNBASE", "1234.56"}, {"TOTDESC", "100"}});
    banco.inserir("ECONTAS_041", pagamento);

    TfrmResumo janela(nullptr, MontarDocumentoResumo(EstadoDoMes(QStringLiteral("012024"))));
    janela.show();
    const QString texto = janela.txtResumo->toPlainText();
    QVERIFY(texto.contains(QStringLiteral("PREFEITURA MUNICIPAL DE TESTE")));
    QVERIFY(texto.contains(QStringLiteral("1.234,56")));
    QVERIFY(texto.contains(QStringLiteral("Conferência com a folha")));
    QDir().mkpath(QStringLiteral(ECONTAS_SCREENSHOT_DIR));
    janela.grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/resumo.png"));

    QTemporaryDir pasta;
    DialogoSalvar::DefinirProximaResposta(pasta.filePath(QStringLiteral("RESUMO-012024.csv")));
    QTest::mouseClick(janela.btnSalvarCsv, Qt::LeftButton);
    QFile csv(pasta.filePath(QStringLiteral("RESUMO-012024.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readAll().startsWith("\xEF\xBB\xBFUG;UO;Descrição"));
    DialogoSalvar::DefinirProximaResposta(pasta.filePath(QStringLiteral("RESUMO-012024.pdf")));
    QTest::mouseClick(janela.btnSalvarPdf, Qt::LeftButton);
    QFile pdf(pasta.filePath(QStringLiteral("RESUMO-012024.pdf")));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
}

QTEST_MAIN(TesteJanelaResumo)
#include "gui_resumo.moc"
