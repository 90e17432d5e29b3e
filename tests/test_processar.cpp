// The month's whole work in one batch run on the sample municipality: critique, generation and export,
// the files it writes pass the structural check, the summary and the manifest stand beside them, and
// the summary's reconciliation with the payroll explains the month's differences.
#include "export/VerificacaoArquivo.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TesteProcessar : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mesLimpoGeraArquivosQueAVerificacaoAceita();
    void mesComProblemasParaNaCritica();
    void manifestoConfereEVerificarNomeiaOArquivoAlterado();
    void resumoDoMesLimpoExplicaAsDiferencas();
    void eventoSemTipoApareceSobOServidorEOEvento();
    void totalDaFolhaAlteradoFicaSemExplicacao();
    void servidorDaSelecaoSemRegistro040TemOMotivo();
    void lotacoesCasadasComoNaJuncaoDoBanco();

private:
    ExecucaoLote lote(const QStringList &argumentos);
    // Runs one statement on the sample while no command holds it.
    void executarNaAmostra(const QString &sql);
    // The registrations whose differences the summary leaves without explanation.
    static QStringList semExplicacao(const QString &saida);

    // The exit status; what the command wrote to stderr goes to *erros.
    int processar(const QString &competencia, const QString &pasta, QString *erros, QString *saida = nullptr);

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

int TesteProcessar::processar(const QString &competencia, const QString &pasta, QString *erros,
                              QString *saida)
{
    const ExecucaoLote lote =
        ExecutarLote({m_banco, QStringLiteral("2024"), QStringLiteral("ANA"), QStringLiteral("processar"),
                      competencia, pasta, QStringLiteral("--sim")});
    *erros = lote.erros;
    if (saida)
        *saida = lote.saidaPadrao;
    return lote.saida;
}

void TesteProcessar::mesLimpoGeraArquivosQueAVerificacaoAceita()
{
    const QString envio = m_pasta.filePath(QStringLiteral("envio"));
    QString erros, saida;
    const int status = processar(QStringLiteral("022024"), envio, &erros, &saida);
    QVERIFY2(status == 0, qPrintable(QStringLiteral("status %1: %2").arg(status).arg(erros)));
    // The folder the files went to, on a line of its own after the message.
    QVERIFY2(saida.endsWith(QStringLiteral("Arquivos exportados com sucesso.\n%1\n").arg(envio)),
             qPrintable(saida));

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

ExecucaoLote TesteProcessar::lote(const QStringList &argumentos)
{
    return ExecutarLote(QStringList{m_banco, QStringLiteral("2024"), QStringLiteral("ANA")} + argumentos);
}

void TesteProcessar::executarNaAmostra(const QString &sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("amostra"));
        db.setDatabaseName(m_banco);
        db.setUserName(qEnvironmentVariable("ISC_USER", QStringLiteral("SYSDBA")));
        db.setPassword(qEnvironmentVariable("ISC_PASSWORD", QStringLiteral("masterkey")));
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("amostra"));
}

QStringList TesteProcessar::semExplicacao(const QString &saida)
{
    QStringList matriculas;
    QString atual;
    static const QRegularExpression servidor(QStringLiteral("^Matrícula (\\S+) - "));
    for (const QString &linha : saida.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = servidor.match(linha);
        if (m.hasMatch())
            atual = m.captured(1);
        else if (linha.trimmed() == QStringLiteral("sem explicação"))
            matriculas << atual;
    }
    return matriculas;
}

// The export of the clean month leaves SHA256SUMS that the standard tool accepts; one byte changed in a
// submission file makes `verificar PASTA` name that file and end with status 1.
void TesteProcessar::manifestoConfereEVerificarNomeiaOArquivoAlterado()
{
    const QString envio = m_pasta.filePath(QStringLiteral("envio"));
    for (const char *nome : {"RESUMO-022024.pdf", "RESUMO-022024.csv", "SHA256SUMS"})
        QVERIFY2(QFileInfo(QDir(envio).filePath(nome)).size() > 0, qPrintable(nome));
    QProcess sha;
    sha.setWorkingDirectory(envio);
    sha.start(QStringLiteral("sha256sum"), {QStringLiteral("-c"), QStringLiteral("SHA256SUMS")});
    QVERIFY(sha.waitForFinished());
    QCOMPARE(sha.exitCode(), 0);
    QCOMPARE(lote({QStringLiteral("verificar"), envio}).saida, 0);

    QDirIterator it(envio, {QStringLiteral("ECONTAS-*.TXT")}, QDir::Files, QDirIterator::Subdirectories);
    const QString alterado = it.next();
    {
        QFile f(alterado);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(20);
        const char original = f.peek(1).at(0);
        f.write(original == 'X' ? "Y" : "X");
    }
    const ExecucaoLote verificacao = lote({QStringLiteral("verificar"), envio});
    QCOMPARE(verificacao.saida, 1);
    QVERIFY2(verificacao.saidaPadrao.contains(alterado + QStringLiteral(": arquivo alterado")),
             qPrintable(verificacao.saidaPadrao));
    QCOMPARE(verificacao.saidaPadrao.count(QStringLiteral("arquivo alterado")), 1);
}

// On the clean month every staff member whose payroll totals differ from what is sent is explained
// (left out with the generation's reason, maternity values, ...), the staff member on maternity leave
// whose maternity-salary event is sent twice (as the leave's item and as the sheet's slot) included, and
// the one whose two equal event slots are one row of the generation's UNION.
void TesteProcessar::resumoDoMesLimpoExplicaAsDiferencas()
{
    const ExecucaoLote resumo = lote({QStringLiteral("resumo"), QStringLiteral("022024")});
    QVERIFY2(resumo.saidaPadrao.contains(QStringLiteral("Total da competência 022024")),
             qPrintable(resumo.saidaPadrao + resumo.erros));
    QVERIFY(resumo.saidaPadrao.contains(QStringLiteral("lotação não enviada ao tribunal")));
    const QStringList semMotivo = semExplicacao(resumo.saidaPadrao);
    QVERIFY2(semMotivo.isEmpty(), qPrintable(semMotivo.join(QLatin1Char(' '))));
    QVERIFY2(resumo.saidaPadrao.contains(QStringLiteral(
                 "(salário-maternidade) valorado pela TB_GESTANTE com R$ 5.267,66 duas vezes")),
             qPrintable(resumo.saidaPadrao));
    QVERIFY2(resumo.saidaPadrao.contains(QStringLiteral(
                 "evento 23 repetido com o mesmo valor na folha FEV: conta uma vez no item (R$ 95,00)")),
             qPrintable(resumo.saidaPadrao));
    QCOMPARE(resumo.saida, 0);
}

// An earning event whose bonus type is unset counts in no total of the payment: the summary names it
// under each staff member who has it; being explained, it leaves no staff member without explanation.
void TesteProcessar::eventoSemTipoApareceSobOServidorEOEvento()
{
    executarNaAmostra(QStringLiteral("UPDATE KVB010FEV SET TIPOGRAT = NULL WHERE CODIGO = '01'"));
    QCOMPARE(lote({QStringLiteral("gerar"), QStringLiteral("022024"), QStringLiteral("--sim")}).saida, 0);

    const ExecucaoLote resumo = lote({QStringLiteral("resumo"), QStringLiteral("022024")});
    QVERIFY2(resumo.saidaPadrao.contains(QStringLiteral(
                 "evento 01 sem tipo de gratificação: não entra em nenhum total do pagamento (R$ ")),
             qPrintable(resumo.saidaPadrao));
    QVERIFY(semExplicacao(resumo.saidaPadrao).isEmpty());
    QCOMPARE(resumo.saida, 0);
}

// A payroll total that no item explains (the sheet's TOTPROV changed after the generation) is listed
// as "sem explicação" under that staff member alone, and the verb ends with status 3.
void TesteProcessar::totalDaFolhaAlteradoFicaSemExplicacao()
{
    executarNaAmostra(
        QStringLiteral("UPDATE KVBDXX02FEV SET TOTPROV = TOTPROV + 1 WHERE MATRICULA = "
                       "(SELECT MIN(MATRICULA) FROM ECONTAS_041 WHERE COMPETENCIA = '022024')"));
    const ExecucaoLote resumo = lote({QStringLiteral("resumo"), QStringLiteral("022024")});
    QCOMPARE(semExplicacao(resumo.saidaPadrao).size(), 1);
    QCOMPARE(resumo.saida, 3);
}

// A staff member of the month's selection whom the work tables do not hold is listed with the reason
// his data give: a missing CPF is named; with his data complete, the unit that was not generated.
void TesteProcessar::servidorDaSelecaoSemRegistro040TemOMotivo()
{
    const QString dois = QStringLiteral("(SELECT FIRST 2 MATRICULA FROM ECONTAS_040 WHERE COMPETENCIA = "
                                        "'022024' ORDER BY MATRICULA DESC)");
    executarNaAmostra(
        QStringLiteral("UPDATE KVB001FEV SET CPF = '' WHERE MATRICULA = "
                       "(SELECT MAX(MATRICULA) FROM ECONTAS_040 WHERE COMPETENCIA = '022024')"));
    for (const char *tabela : {"ECONTAS_043", "ECONTAS_041", "ECONTAS_040"})
        executarNaAmostra(QStringLiteral("DELETE FROM %1 WHERE COMPETENCIA = '022024' AND MATRICULA IN %2")
                              .arg(QLatin1String(tabela), dois));
    const ExecucaoLote resumo = lote({QStringLiteral("resumo"), QStringLiteral("022024")});
    QVERIFY2(resumo.saidaPadrao.contains(QStringLiteral("não enviado (sem registro 040): sem CPF")),
             qPrintable(resumo.saidaPadrao));
    QVERIFY2(resumo.saidaPadrao.contains(QStringLiteral(
                 "não enviado (sem registro 040): unidade gestora ou orçamentária não gerada")),
             qPrintable(resumo.saidaPadrao));
}

// The summary matches each staff member to his department itself when the department codes allow it,
// and leaves the join to the database otherwise (here: a lower-case code, which a collation may fold):
// both give the same summary, an inactive department included.
void TesteProcessar::lotacoesCasadasComoNaJuncaoDoBanco()
{
    executarNaAmostra(QStringLiteral(
        "UPDATE KVB006FEV SET STATUS = '0' WHERE CDSETOR <> '000' AND CDSECRETA || CDSETOR = (SELECT "
        "CDSECRETA || CDSETOR FROM KVB001FEV WHERE MATRICULA = (SELECT MIN(MATRICULA) FROM ECONTAS_041 "
        "WHERE COMPETENCIA = '022024'))"));
    const ExecucaoLote casadasAqui = lote({QStringLiteral("resumo"), QStringLiteral("022024")});
    QVERIFY2(casadasAqui.saidaPadrao.contains(QStringLiteral("lotação inativa ou não cadastrada")),
             qPrintable(casadasAqui.saidaPadrao));
    executarNaAmostra(
        QStringLiteral("INSERT INTO KVB006FEV (CDSECRETA, CDSETOR, STATUS) VALUES ('x1', '001', '1')"));
    const ExecucaoLote casadasNoBanco = lote({QStringLiteral("resumo"), QStringLiteral("022024")});
    QCOMPARE(casadasNoBanco.saidaPadrao, casadasAqui.saidaPadrao);
    QCOMPARE(casadasNoBanco.saida, casadasAqui.saida);
}

QTEST_GUILESS_MAIN(TesteProcessar)
#include "test_processar.moc"
