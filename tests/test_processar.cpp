// The month's whole work in one batch run on the sample municipality: critique, generation and export,
// and the files it writes pass the structural check.
#include "export/VerificacaoArquivo.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

class TesteProcessar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mesLimpoGeraArquivosQueAVerificacaoAceita();
    void mesComProblemasParaNaCritica();

private:
    // The exit status; what the command wrote to stderr goes to *erros.
    int processar(const QString &competencia, const QString &pasta, QString *erros);

    QTemporaryDir m_pasta;
    QString m_banco;
};

void TesteProcessar::initTestCase()
{
    OperadorTeste operador;
    m_banco = m_pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra parametros;
    parametros.ano = 2024;
    parametros.servidores = Amostra::MinimoServidores;
    parametros.meses = {QStringLiteral("FEV"), QStringLiteral("MAR")};
    CriarBancoAmostra(m_banco, parametros);
}

int TesteProcessar::processar(const QString &competencia, const QString &pasta, QString *erros)
{
    const ExecucaoLote lote =
        ExecutarLote({m_banco, QStringLiteral("2024"), QStringLiteral("ANA"), QStringLiteral("processar"),
                      competencia, pasta, QStringLiteral("--sim")});
    *erros = lote.erros;
    return lote.saida;
}

void TesteProcessar::mesLimpoGeraArquivosQueAVerificacaoAceita()
{
    const QString envio = m_pasta.filePath(QStringLiteral("envio"));
    QString erros;
    const int status = processar(QStringLiteral("022024"), envio, &erros);
    QVERIFY2(status == 0, qPrintable(QStringLiteral("status %1: %2").arg(status).arg(erros)));

    QStringList arquivos;
    QDirIterator it(envio, {QStringLiteral("ECONTAS-*.TXT")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        arquivos << it.next();
    QVERIFY(!arquivos.isEmpty());
    for (const QString &arquivo : arquivos) {
        const QStringList problemas = DescreverProblemas(arquivo, VerificarArquivoEcontas(arquivo));
        QVERIFY2(problemas.isEmpty(), qPrintable(problemas.join('\n')));
        QVERIFY(QFileInfo(arquivo).size() > 0);
    }
}

void TesteProcessar::mesComProblemasParaNaCritica()
{
    const QString envio = m_pasta.filePath(QStringLiteral("envio-marco"));
    QString erros;
    QCOMPARE(processar(QStringLiteral("032024"), envio, &erros), 3);
    QVERIFY2(erros.contains(QStringLiteral("impedem a geração")), qPrintable(erros));
    QVERIFY(!QFileInfo::exists(envio));
}

QTEST_GUILESS_MAIN(TesteProcessar)
#include "test_processar.moc"
