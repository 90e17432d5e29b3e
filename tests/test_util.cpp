// Competence codes, CNPJ formatting, digit extraction and event-code conversion.
#include "common/Falha.h"
#include "common/uUtil.h"
#include "support/OperadorTeste.h"

#include <QtTest>

class TesteUtil : public QObject {
    Q_OBJECT
private slots:
    void conversoesDeTexto_data();
    void conversoesDeTexto();
    void codigoItemRemuneratorio_data();
    void codigoItemRemuneratorio();
    void strIntTov_data();
    void strIntTov();
    void errosDeConversao();
    void caixasPassamPeloOperador();
    void vazioOuNulo();
};

void TesteUtil::conversoesDeTexto_data()
{
    QTest::addColumn<QString>("funcao");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("legenda março") << "RetornaCompetenciaSelecionada"
                                   << "Março de 2020"
                                   << "MAR";
    QTest::newRow("legenda setembro") << "RetornaCompetenciaSelecionada"
                                      << "Setembro de 2021"
                                      << "SET";
    QTest::newRow("minúsculas") << "RetornaCompetenciaSelecionada"
                                << "setembro"
                                << "SET";
    QTest::newRow("duas abreviações: a do mês anterior") << "RetornaCompetenciaSelecionada"
                                                         << "DEZ-JAN"
                                                         << "JAN";
    QTest::newRow("13º salário") << "RetornaCompetenciaSelecionada"
                                 << "13º salário"
                                 << "";
    QTest::newRow("número da competência") << "RetornaNumeroCompetenciaSelecionada"
                                           << "122020"
                                           << "12";
    QTest::newRow("número de texto curto") << "RetornaNumeroCompetenciaSelecionada"
                                           << "1"
                                           << "1";
    QTest::newRow("dez") << "RetornaNumeroMesCompetencia"
                         << "dez"
                         << "12";
    QTest::newRow("sem mês") << "RetornaNumeroMesCompetencia"
                             << "XYZ"
                             << "";
    QTest::newRow("tovrin dezembro") << "retornaCompetenciaDeAcordoComTovrin"
                                     << "122020"
                                     << "132";
    QTest::newRow("tovrin janeiro") << "retornaCompetenciaDeAcordoComTovrin"
                                    << "012020"
                                    << "121";
    QTest::newRow("tovrin 00") << "retornaCompetenciaDeAcordoComTovrin"
                               << "002020"
                               << "";
    QTest::newRow("tovrin 13") << "retornaCompetenciaDeAcordoComTovrin"
                               << "132020"
                               << "";
    QTest::newRow("texto CC1") << "RetornaCompetenciaTexto"
                               << "CC1"
                               << "MARÇO";
    QTest::newRow("texto sem prefixo") << "RetornaCompetenciaTexto"
                                       << "JAN"
                                       << "";
    QTest::newRow("número LC2") << "RetornaCompetenciaNumero"
                                << "LC2"
                                << "12";
    QTest::newRow("número ac1 minúsculo") << "RetornaCompetenciaNumero"
                                          << "ac1"
                                          << "01";
    QTest::newRow("cnpj") << "FormataCNPJ"
                          << "12345678000195"
                          << "12.345.678/0001-95";
    QTest::newRow("cnpj vazio") << "FormataCNPJ"
                                << ""
                                << "";
    QTest::newRow("cnpj curto") << "FormataCNPJ"
                                << "1234567"
                                << "12.345.67/-";
}

void TesteUtil::conversoesDeTexto()
{
    QFETCH(QString, funcao);
    QFETCH(QString, entrada);
    QFETCH(QString, esperado);
    const QHash<QString, QString (*)(const QString &)> funcoes = {
        {"RetornaCompetenciaSelecionada", RetornaCompetenciaSelecionada},
        {"RetornaNumeroCompetenciaSelecionada", RetornaNumeroCompetenciaSelecionada},
        {"RetornaNumeroMesCompetencia", RetornaNumeroMesCompetencia},
        {"retornaCompetenciaDeAcordoComTovrin", retornaCompetenciaDeAcordoComTovrin},
        {"RetornaCompetenciaTexto", RetornaCompetenciaTexto},
        {"RetornaCompetenciaNumero", RetornaCompetenciaNumero},
        {"FormataCNPJ", FormataCNPJ},
    };
    QCOMPARE(funcoes.value(funcao)(entrada), esperado);
}

void TesteUtil::codigoItemRemuneratorio_data()
{
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("item");
    const QList<QPair<QString, QString>> casos = {
        {"A5", "105"}, {"Ç1", "331"}, {"07", "007"}, {"K3", "903"}, {"YA", "908"}, {"YB", "909"},
        {"YC", "911"}, {"Y7", "927"}, {"W2", "912"}, {"L1", "201"}, {"Z9", "329"}, {"A", ""},
        {"ABC", ""},   {"a5", "a5"},  {"", ""},      {"-1", "-1"},
    };
    for (const auto &[codigo, item] : casos)
        QTest::newRow(qPrintable(codigo.isEmpty() ? QStringLiteral("vazio") : codigo)) << codigo << item;
}

void TesteUtil::codigoItemRemuneratorio()
{
    QFETCH(QString, codigo);
    QFETCH(QString, item);
    QCOMPARE(CalculaCodigo_ItemRemuneratorio(codigo), item);
}

void TesteUtil::strIntTov_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qint64>("valor");
    QTest::newRow("vazio") << "" << qint64(0);
    QTest::newRow("s/n") << "s/n" << qint64(0);
    QTest::newRow("1/2-3") << "1/2-3" << qint64(123);
    QTest::newRow("doze dígitos") << "123456789012" << qint64(123456789012LL);
    QTest::newRow("processo") << "2024.001/55" << qint64(202400155);
}

void TesteUtil::strIntTov()
{
    QFETCH(QString, texto);
    QFETCH(qint64, valor);
    QCOMPARE(StrIntTov(texto), valor);
}

void TesteUtil::errosDeConversao()
{
    QVERIFY_THROWS_EXCEPTION(Falha, retornaCompetenciaDeAcordoComTovrin(QStringLiteral("ab2020")));
    QVERIFY_THROWS_EXCEPTION(Falha, StrIntTov(QStringLiteral("99999999999999999999")));
}

void TesteUtil::caixasPassamPeloOperador()
{
    OperadorTeste operador;
    operador.responder({true, false});
    MensagemInformacao(QStringLiteral("olá"));
    QVERIFY(MensagemDeComfirmacao(QStringLiteral("sim?")));
    QVERIFY(!MensagemDeComfirmacao(QStringLiteral("não?")));
    QVERIFY(!MensagemDeComfirmacao(QStringLiteral("sem resposta: não")));
    QCOMPARE(operador.mensagens.size(), 4);
    QCOMPARE(operador.mensagens[0].titulo, QStringLiteral("INFORMAÇÃO"));
    QCOMPARE(operador.mensagens[1].titulo, QStringLiteral("CONFIRMAÇÃO"));
    QCOMPARE(operador.textos().first(), QStringLiteral("olá"));
}

void TesteUtil::vazioOuNulo()
{
    QVERIFY(SeForVazioOuNulo(QVariant()));
    QVERIFY(SeForVazioOuNulo(QString()));
    QVERIFY(!SeForVazioOuNulo(QStringLiteral(" ")));
    QVERIFY(!SeForVazioOuNulo(0));
}

QTEST_GUILESS_MAIN(TesteUtil)
#include "test_util.moc"
