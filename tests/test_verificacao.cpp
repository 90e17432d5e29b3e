// The structural check of submission files: each problem is found and named with its line.
#include "export/VerificacaoArquivo.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

int largura(const QByteArray &tipo)
{
    static const QHash<QByteArray, int> larguras = {{"000", 106}, {"010", 104}, {"020", 87},
                                                    {"030", 106}, {"040", 128}, {"041", 119},
                                                    {"042", 219}, {"043", 48},  {"999", 14}};
    return larguras.value(tipo, 20);
}

// A record of its type's width: type, sequence number, blanks, "*".
QByteArray registro(const QByteArray &tipo, int sequencia)
{
    QByteArray linha = tipo + QByteArray::number(sequencia).rightJustified(10, '0');
    linha = linha.leftJustified(largura(tipo) - 1, ' ') + '*';
    return linha + "\r\n";
}

// A file of these record types numbered from 1.
QByteArray arquivo(const QList<QByteArray> &tipos)
{
    QByteArray conteudo;
    for (int i = 0; i < tipos.size(); ++i)
        conteudo += registro(tipos[i], i + 1);
    return conteudo;
}

const QList<QByteArray> Completo = {"000", "010", "020", "030", "040", "041",
                                    "043", "043", "041", "042", "040", "999"};

} // namespace

class TesteVerificacao : public QObject {
    Q_OBJECT
private slots:
    void problemas_data();
    void problemas();
    void arquivoQueNaoAbre();
};

void TesteVerificacao::problemas_data()
{
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<QStringList>("esperado");

    QTest::newRow("arquivo correto") << arquivo(Completo) << QStringList();
    QTest::newRow("unidade sem unidades orçamentárias") << arquivo({"000", "010", "999"}) << QStringList();

    QByteArray curta = arquivo(Completo);
    curta.remove(registro("000", 1).size() + 100, 1); // line 2 one column short
    QTest::newRow("largura errada")
        << curta << QStringList{"a.txt: linha 2: registro 010 com 103 colunas; o registro tem 104"};

    QByteArray semAsterisco = arquivo({"000", "010", "999"});
    semAsterisco[registro("000", 1).size() + 103] = ' ';
    QTest::newRow("sem asterisco") << semAsterisco
                                   << QStringList{"a.txt: linha 2: registro 010 sem \"*\" na última coluna"};

    QTest::newRow("sequência com salto")
        << registro("000", 1) + registro("010", 3) + registro("999", 3)
        << QStringList{"a.txt: linha 2: número de sequência \"0000000003\"; esperado 0000000002"};
    QTest::newRow("trailer com contagem errada")
        << registro("000", 1) + registro("010", 2) + registro("999", 4)
        << QStringList{"a.txt: linha 3: número de sequência \"0000000004\"; esperado 0000000003",
                       "a.txt: linha 3: o registro 999 informa 4 linhas; o arquivo tem 3"};
    QTest::newRow("sem trailer") << arquivo({"000", "010"})
                                 << QStringList{"a.txt: linha 2: o arquivo não termina com o registro 999"};
    QTest::newRow("sem cabeçalho") << arquivo({"010", "999"})
                                   << QStringList{"a.txt: linha 1: o arquivo não começa com o registro 000"};
    QTest::newRow("registro depois do trailer")
        << arquivo({"000", "010", "999", "020"})
        << QStringList{"a.txt: linha 4: registro 020 depois do registro 999",
                       "a.txt: linha 4: o arquivo não termina com o registro 999"};
    QTest::newRow("020 sem 010") << arquivo({"000", "020", "999"})
                                 << QStringList{"a.txt: linha 2: registro 020 fora de um registro 010"};
    QTest::newRow("041 direto sob 020")
        << arquivo({"000", "010", "020", "041", "999"})
        << QStringList{"a.txt: linha 4: registro 041 fora de um registro 040"};
    QTest::newRow("041 depois de 030") << arquivo({"000", "010", "020", "040", "030", "041", "999"})
                                       << QStringList{"a.txt: linha 6: registro 041 fora de um registro 040"};
    QTest::newRow("043 depois de 042") << arquivo({"000", "010", "020", "040", "041", "042", "043", "999"})
                                       << QStringList{"a.txt: linha 7: registro 043 fora de um registro 041"};
    QTest::newRow("segundo 010") << arquivo({"000", "010", "010", "999"})
                                 << QStringList{"a.txt: linha 3: segundo registro 010 no mesmo arquivo"};
    QTest::newRow("tipo desconhecido")
        << arquivo({"000", "010", "050", "999"})
        << QStringList{"a.txt: linha 3: tipo de registro desconhecido: \"050\""};
    QByteArray soLF = arquivo({"000", "010", "999"});
    soLF.remove(registro("000", 1).size() - 2, 1);
    QTest::newRow("fim de linha sem CR")
        << soLF << QStringList{"a.txt: linha 1: a linha não termina com CR LF"};
    QByteArray semFimDeLinha = arquivo({"000", "010", "999"});
    semFimDeLinha.chop(2);
    QTest::newRow("última linha sem fim de linha")
        << semFimDeLinha << QStringList{"a.txt: linha 3: a linha não termina com CR LF"};
    QTest::newRow("vazio") << QByteArray() << QStringList{"a.txt: o arquivo está vazio"};
}

void TesteVerificacao::problemas()
{
    QFETCH(QByteArray, conteudo);
    QFETCH(QStringList, esperado);
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("a.txt"));
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
    f.close();

    QCOMPARE(DescreverProblemas(QStringLiteral("a.txt"), VerificarArquivoEcontas(caminho)), esperado);
}

void TesteVerificacao::arquivoQueNaoAbre()
{
    QTemporaryDir pasta;
    const QList<ProblemaArquivo> problemas =
        VerificarArquivoEcontas(pasta.filePath(QStringLiteral("ausente.txt")));
    QCOMPARE(problemas.size(), 1);
    QCOMPARE(problemas[0].linha, 0);
    QVERIFY(problemas[0].texto.contains(QStringLiteral("ausente.txt")));
}

QTEST_GUILESS_MAIN(TesteVerificacao)
#include "test_verificacao.moc"
