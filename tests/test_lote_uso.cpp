// Usage errors of the batch command are found before the database is opened: status 2 and the
// database file exactly as it was.
#include "support/BancoTeste.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QCryptographicHash>
#include <QtTest>

namespace {

QByteArray Resumo(const QString &arquivo)
{
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TesteLoteUso : public QObject {
    Q_OBJECT
private slots:
    void erroDeUsoNaoTocaNoBanco_data();
    void erroDeUsoNaoTocaNoBanco();
};

void TesteLoteUso::erroDeUsoNaoTocaNoBanco_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("mês 13") << QStringList{"criticas", "132024"} << "competência inválida: 132024";
    QTest::newRow("mês 00") << QStringList{"gerar", "002024"} << "competência inválida: 002024";
    QTest::newRow("outro ano") << QStringList{"desfazer", "012023", "--sim"} << "não é do ano 2024";
    QTest::newRow("31 de fevereiro") << QStringList{"gerar", "022024", "--data-pagamento", "31/02/2024"}
                                     << "data de pagamento inválida: 31/02/2024";
    QTest::newRow("data sem barras") << QStringList{"processar", "022024", "envio", "--data-pagamento",
                                                    "2024-02-29"}
                                     << "data de pagamento inválida";
    QTest::newRow("tipo de unidade") << QStringList{"unidades", "012024", "secretarias"}
                                     << "tipo de unidade inválido: secretarias";
    QTest::newRow("pasta vazia") << QStringList{"exportar", "012024", ""}
                                 << "pasta de exportação não foi informada";
    QTest::newRow("opção desconhecida") << QStringList{"gerar", "012024", "--rapido"} << "opção desconhecida";
    QTest::newRow("json num verbo que grava")
        << QStringList{"gerar", "012024", "--json"} << "opção desconhecida para gerar: --json";
    QTest::newRow("silencioso e detalhes") << QStringList{"meses", "--silencioso", "--detalhes"}
                                           << "--silencioso e --detalhes não podem ser usadas juntas";
    QTest::newRow("opção sem valor") << QStringList{"exportar", "012024", "envio", "--versao"}
                                     << "pede um valor";
}

void TesteLoteUso::erroDeUsoNaoTocaNoBanco()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QString, motivo);
    OperadorTeste operador;
    BancoTeste banco;
    banco.fechar();
    const QByteArray antes = Resumo(banco.caminho());
    const ExecucaoLote lote = ExecutarLote(QStringList{banco.caminho(), "2024", "operador"} + argumentos);
    QCOMPARE(lote.saida, 2);
    QVERIFY2(lote.erros.contains(motivo), qPrintable(lote.erros));
    QCOMPARE(Resumo(banco.caminho()), antes);
    banco.reabrir();
}

QTEST_GUILESS_MAIN(TesteLoteUso)
#include "test_lote_uso.moc"
