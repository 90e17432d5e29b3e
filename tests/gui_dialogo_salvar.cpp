// The save dialogs: each operator's folders remembered between sessions (the export's apart from the
// other files'), and Qt's own dialog in the program's Portuguese whatever the machine's locale.
#include "common/Idioma.h"
#include "windows/DialogoSalvar.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using DialogoSalvar::Memoria;

class TesteDialogoSalvar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pastasLembradasPorOperador();
    void dialogoEmPortugues();
    void exportacaoNumaPastaQueJaExiste();
};

void TesteDialogoSalvar::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Tovrin"), QStringLiteral("e-Contas")).clear();
    InstalarPortugues(*qApp);
}

void TesteDialogoSalvar::pastasLembradasPorOperador()
{
    QTemporaryDir base;
    QDir(base.path()).mkpath(QStringLiteral("envio"));
    QDir(base.path()).mkpath(QStringLiteral("outra"));
    const QString envio = base.filePath(QStringLiteral("envio"));
    const QString outra = base.filePath(QStringLiteral("outra"));

    DialogoSalvar::DefinirOperador(QStringLiteral("ana maria"));
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Exportacao), QDir::homePath());
    DialogoSalvar::DefinirProximaResposta(envio + QStringLiteral("/ECONTAS"));
    QCOMPARE(DialogoSalvar::Escolher(nullptr, QStringLiteral("Gravar"), QStringLiteral("ECONTAS"), QString(),
                                     Memoria::Exportacao),
             envio + QStringLiteral("/ECONTAS"));
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Exportacao), envio);
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Arquivos), envio); // the last folder used

    // A summary saved elsewhere moves the other files' folder, not the export's.
    DialogoSalvar::DefinirProximaResposta(outra + QStringLiteral("/RESUMO-022024.csv"));
    DialogoSalvar::Escolher(nullptr, QStringLiteral("Salvar resumo"), QStringLiteral("RESUMO-022024.csv"));
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Arquivos), outra);
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Exportacao), envio);

    // A cancelled dialog remembers nothing; another operator has folders of her own.
    DialogoSalvar::DefinirProximaResposta(QString());
    QCOMPARE(DialogoSalvar::Escolher(nullptr, QStringLiteral("Salvar"), QStringLiteral("x.txt")), QString());
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Arquivos), outra);
    DialogoSalvar::DefinirOperador(QStringLiteral("bia"));
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Exportacao), QDir::homePath());

    // The next session reads them from the settings; a folder removed since gives way to the home.
    QSettings(QStringLiteral("Tovrin"), QStringLiteral("e-Contas")).sync();
    DialogoSalvar::DefinirOperador(QStringLiteral("ana maria"));
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Exportacao), envio);
    QDir(outra).removeRecursively();
    QCOMPARE(DialogoSalvar::PastaInicial(Memoria::Arquivos), QDir::homePath());
}

// The dialog that opens in the remembered folder: a folder is "Pasta", dates are Brazilian, and no
// column is narrower than its header.
void TesteDialogoSalvar::dialogoEmPortugues()
{
    QTemporaryDir base;
    QDir(base.path()).mkpath(QStringLiteral("relatorios"));
    DialogoSalvar::DefinirOperador(QStringLiteral("carla"));
    DialogoSalvar::DefinirProximaResposta(base.filePath(QStringLiteral("primeiro.txt")));
    DialogoSalvar::Escolher(nullptr, QStringLiteral("Salvar"), QStringLiteral("primeiro.txt"));

    QStringList visto;
    QList<int> folgas;
    QTimer vigia;
    int tentativas = 0;
    connect(&vigia, &QTimer::timeout, this, [&] {
        auto *dialogo = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *lista = dialogo ? dialogo->findChild<QTreeView *>(QStringLiteral("treeView")) : nullptr;
        const QModelIndex raiz = lista ? lista->rootIndex() : QModelIndex();
        if (!lista || lista->model()->rowCount(raiz) == 0) {
            if (++tentativas > 200 && dialogo)
                dialogo->reject();
            return;
        }
        vigia.stop();
        QAbstractItemModel *modelo = lista->model();
        for (int c = 0; c < 4; ++c)
            visto << modelo->index(0, c, raiz).data().toString();
        for (int c = 0; c < 4; ++c)
            folgas << lista->header()->sectionSize(c) - lista->fontMetrics().horizontalAdvance(
                                                            modelo->headerData(c, Qt::Horizontal).toString());
        QDir().mkpath(QStringLiteral(ECONTAS_SCREENSHOT_DIR));
        dialogo->grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/dialogo_salvar.png"));
        dialogo->reject();
    });
    vigia.start(25);
    QCOMPARE(
        DialogoSalvar::Escolher(nullptr, QStringLiteral("Salvar críticas"), QStringLiteral("criticas.txt")),
        QString());
    QCOMPARE(visto.size(), 4);
    QCOMPARE(visto[0], QStringLiteral("relatorios"));
    QCOMPARE(visto[1], QString());
    QCOMPARE(visto[2], QStringLiteral("Pasta"));
    QVERIFY2(
        QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$")).match(visto[3]).hasMatch(),
        qPrintable(visto[3]));
    for (int c = 1; c < 4; ++c)
        QVERIFY2(folgas[c] > 0, qPrintable(QString::number(c)));
}

// Exported into "ECONTAS" last month, the clerk exports this month's: the dialog opens beside that
// folder, suggests it again, calls its button "Salvar", and saving chooses the folder (Qt's dialog would
// go into it instead).
void TesteDialogoSalvar::exportacaoNumaPastaQueJaExiste()
{
    QTemporaryDir base;
    QDir(base.path()).mkpath(QStringLiteral("ECONTAS"));
    DialogoSalvar::DefinirOperador(QStringLiteral("davi"));
    DialogoSalvar::DefinirProximaResposta(base.filePath(QStringLiteral("ECONTAS")));
    DialogoSalvar::Escolher(nullptr, QStringLiteral("Gravar"), QStringLiteral("ECONTAS"), QString(),
                            Memoria::Exportacao);
    QString botao;
    QTimer vigia;
    int tentativas = 0;
    connect(&vigia, &QTimer::timeout, this, [&] {
        auto *dialogo = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        auto *caixa = dialogo ? dialogo->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")) : nullptr;
        auto *lista = dialogo ? dialogo->findChild<QTreeView *>(QStringLiteral("treeView")) : nullptr;
        if (!caixa || !lista || lista->model()->rowCount(lista->rootIndex()) == 0) {
            if (++tentativas > 200 && dialogo)
                dialogo->reject();
            return;
        }
        if (++tentativas < 10) // the dialog relabels its button once the folder is read
            return;
        vigia.stop();
        botao = caixa->button(QDialogButtonBox::Save)->text();
        QTest::keyClick(dialogo->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")), Qt::Key_Return);
    });
    vigia.start(25);
    QCOMPARE(DialogoSalvar::Escolher(nullptr, QStringLiteral("Gravar arquivos do Econtas"),
                                     QStringLiteral("ECONTAS"), QString(), Memoria::Exportacao),
             base.filePath(QStringLiteral("ECONTAS")));
    QCOMPARE(botao, QStringLiteral("&Salvar"));
}

QTEST_MAIN(TesteDialogoSalvar)
#include "gui_dialogo_salvar.moc"
