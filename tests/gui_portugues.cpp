// Qt's own texts in Brazilian Portuguese: the Yes/No of a confirmation, dates and month names.
#include "app/OperadorJanelas.h"
#include "common/Idioma.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestePortugues : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void confirmacaoComSimENao();
    void datasENomesDosMeses();
};

void TestePortugues::initTestCase()
{
    QVERIFY(InstalarPortugues(*QCoreApplication::instance()));
}

void TestePortugues::confirmacaoComSimENao()
{
    QStringList botoes;
    QTimer::singleShot(0, [&] {
        auto *caixa = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(caixa);
        for (QAbstractButton *b : caixa->buttons())
            botoes << b->text().remove(QLatin1Char('&'));
        QDir().mkpath(ECONTAS_SCREENSHOT_DIR);
        caixa->grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/confirmacao_portugues.png"));
        caixa->button(QMessageBox::No)->click();
    });
    OperadorJanelas operador;
    QVERIFY(!operador.confirmacao(QStringLiteral("Deseja desfazer a geração do ECONTAS.")));
    botoes.sort();
    QCOMPARE(botoes, QStringList({QStringLiteral("Não"), QStringLiteral("Sim")}));
}

void TestePortugues::datasENomesDosMeses()
{
    const QLocale local;
    QCOMPARE(local.toString(QDate(2024, 2, 29), QLocale::ShortFormat), QStringLiteral("29/02/2024"));
    QCOMPARE(local.monthName(2), QStringLiteral("fevereiro"));
    QCOMPARE(local.dayName(1, QLocale::ShortFormat), QStringLiteral("seg."));
}

QTEST_MAIN(TestePortugues)
#include "gui_portugues.moc"
