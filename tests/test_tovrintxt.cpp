// The fixed-width writer: fields, the last-column guard, dates, lines on disk and reading back.
#include "common/Falha.h"
#include "common/Windows1252.h"
#include "export/TovrinTXT.h"

#include <QTemporaryDir>
#include <QtTest>

class TesteTovrinTXT : public QObject {
    Q_OBJECT
private slots:
    void campos_data();
    void campos();
    void linhasNoDiscoEmWindows1252ComCRLF();
    void resetFileEsvaziaArquivoExistente();
    void leituraDeVolta();
    void falhasDeArquivo();
};

namespace {

QByteArray conteudo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<não abriu>");
}

} // namespace

// Each case starts from a line of the given width filled with "#", so the expected text shows exactly
// which columns the operation wrote.
void TesteTovrinTXT::campos_data()
{
    QTest::addColumn<int>("largura");
    QTest::addColumn<QString>("operacao");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<int>("P");
    QTest::addColumn<int>("T");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("num zeros à esquerda") << 5 << "num"
                                          << "7" << 1 << 3 << "007##";
    QTest::newRow("num corta os dígitos altos") << 5 << "num"
                                                << "123456" << 1 << 4 << "3456#";
    QTest::newRow("num negativo: zeros antes do sinal") << 5 << "num"
                                                        << "-5" << 2 << 4 << "#00-5";
    QTest::newRow("num zero") << 5 << "num"
                              << "0" << 3 << 3 << "##000";
    QTest::newRow("num 64 bits") << 14 << "num"
                                 << "12345678000195" << 1 << 14 << "12345678000195";
    QTest::newRow("str preenche com brancos") << 6 << "str"
                                              << "ABC" << 1 << 5 << "ABC  #";
    QTest::newRow("str corta à direita") << 6 << "str"
                                         << "ABCDEFG" << 2 << 5 << "#ABCDE";
    QTest::newRow("str vazia limpa o campo") << 5 << "str"
                                             << "" << 2 << 3 << "#   #";
    QTest::newRow("left como str") << 6 << "left"
                                   << "ABCDEFG" << 1 << 5 << "ABCDE#";
    QTest::newRow("right preenche à esquerda") << 6 << "right"
                                               << "ABC" << 1 << 5 << "  ABC#";
    QTest::newRow("right corta à esquerda") << 6 << "right"
                                            << "ABCDEFG" << 1 << 5 << "CDEFG#";
    QTest::newRow("campo termina na última coluna") << 5 << "str"
                                                    << "AB" << 4 << 2 << "###AB";
    QTest::newRow("campo passa da última coluna: descartado") << 5 << "str"
                                                              << "AB" << 5 << 2 << "#####";
    QTest::newRow("num passa da última coluna: descartado") << 5 << "num"
                                                            << "1" << 3 << 4 << "#####";
    QTest::newRow("right passa da última coluna: descartado") << 5 << "right"
                                                              << "A" << 4 << 3 << "#####";
    QTest::newRow("SetCol(0): linha vazia") << 0 << "str"
                                            << "A" << 1 << 1 << "";
    QTest::newRow("SetCol negativo: linha vazia") << -3 << "num"
                                                  << "1" << 1 << 1 << "";
}

void TesteTovrinTXT::campos()
{
    QFETCH(int, largura);
    QFETCH(QString, operacao);
    QFETCH(QString, valor);
    QFETCH(int, P);
    QFETCH(int, T);
    QFETCH(QString, esperado);

    TTovrinTXT txt;
    txt.SetCol(largura);
    txt.NewLine();
    txt.AddStr(QString(qMax(largura, 0), QLatin1Char('#')), 1, qMax(largura, 0));
    if (operacao == QLatin1String("num"))
        txt.AddNum(valor.toLongLong(), P, T);
    else if (operacao == QLatin1String("str"))
        txt.AddStr(valor, P, T);
    else if (operacao == QLatin1String("left"))
        txt.AddStrLeft(valor, P, T);
    else
        txt.AddStrRight(valor, P, T);
    QCOMPARE(txt.CopyLine(1, 0), esperado);
}

void TesteTovrinTXT::linhasNoDiscoEmWindows1252ComCRLF()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("a.txt"));
    TTovrinTXT txt;
    txt.ResetFile(caminho);
    txt.SetCol(10);
    txt.NewLine();
    txt.AddStr(QStringLiteral("AÇÃO€Ωé"), 1, 10);
    txt.WriteLine(0);
    txt.WriteLine(0); // without NewLine: the same line again
    txt.SetCol(0);
    txt.NewLine();
    txt.WriteLine(0); // an empty line is still a line
    QCOMPARE(txt.linhas(), 3);
    txt.WriteFile(caminho);

    const QByteArray linha = QByteArray("A\xC7\xC3O\x80?\xE9   \r\n");
    QCOMPARE(conteudo(caminho), linha + linha + QByteArray("\r\n"));
}

void TesteTovrinTXT::resetFileEsvaziaArquivoExistente()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("a.txt"));
    {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("conteúdo anterior bem mais longo\r\n");
    }
    TTovrinTXT txt;
    txt.ResetFile(caminho);
    QCOMPARE(txt.colunas(), 0);
    QCOMPARE(txt.linhas(), 0);
    txt.SetCol(2);
    txt.NewLine();
    txt.AddNum(1, 1, 2);
    txt.WriteLine(0);
    txt.WriteFile(caminho);
    QCOMPARE(conteudo(caminho), QByteArray("01\r\n"));
}

void TesteTovrinTXT::leituraDeVolta()
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("a.txt"));
    {
        QFile f(caminho);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("31122020 S\xC3O\r\nsem CR\nfim");
    }
    TTovrinTXT txt;
    txt.ReadFile(caminho);
    QVERIFY(!txt.EndOfFile());
    txt.ReadLine(0);
    QCOMPARE(txt.CopyLine(1, 0), QStringLiteral("31122020 SÃO"));
    QCOMPARE(txt.CopyLine(10, 3), QStringLiteral("SÃO"));
    QVERIFY(txt.TerminouComCRLF());

    // The date codes, on the text just read.
    const QString data = txt.CopyLine(1, 8);
    const QList<std::pair<QString, QString>> formatos = {
        {QStringLiteral("DMA"), QStringLiteral("31122020")},
        {QString(), QStringLiteral("31122020")},
        {QStringLiteral("AMD"), QStringLiteral("20201231")},
        {QStringLiteral("D"), QStringLiteral("31######")},
        {QStringLiteral("M"), QStringLiteral("12######")},
        {QStringLiteral("A"), QStringLiteral("2020####")},
        {QStringLiteral("X"), QStringLiteral("########")},
    };
    for (const auto &[formato, esperado] : formatos) {
        TTovrinTXT linha;
        linha.SetCol(8);
        linha.NewLine();
        linha.AddStr(QStringLiteral("########"), 1, 8);
        linha.AddDate(data, formato, 1);
        QCOMPARE(linha.CopyLine(1, 0), esperado);
        linha.AddDate(data, formato, 2); // one column later every code but "D", "M" and "A" is dropped
        if (formato.size() != 1)
            QCOMPARE(linha.CopyLine(1, 0), esperado);
    }

    txt.ReadLine(0);
    QCOMPARE(txt.CopyLine(1, 0), QStringLiteral("sem CR"));
    QVERIFY(!txt.TerminouComCRLF());
    txt.ReadLine(0);
    QCOMPARE(txt.CopyLine(1, 0), QStringLiteral("fim"));
    QVERIFY(!txt.TerminouComCRLF());
    QVERIFY(txt.EndOfFile());
    QCOMPARE(txt.linhas(), 0);
}

void TesteTovrinTXT::falhasDeArquivo()
{
    QTemporaryDir pasta;
    TTovrinTXT txt;
    const QString semPasta = pasta.filePath(QStringLiteral("não existe/a.txt"));
    try {
        txt.ResetFile(semPasta);
        QFAIL("criou um arquivo numa pasta que não existe");
    } catch (const Falha &f) {
        QVERIFY2(f.mensagem().contains(semPasta), qPrintable(f.mensagem()));
    }
    QVERIFY_THROWS_EXCEPTION(Falha, txt.ReadFile(pasta.filePath(QStringLiteral("ausente.txt"))));
}

QTEST_GUILESS_MAIN(TesteTovrinTXT)
#include "test_tovrintxt.moc"
