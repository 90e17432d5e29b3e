// The batch command through a real Firebird server, as at a payroll office: the same files as the
// embedded run, a wrong password, a server that dies during a generation, and two workstations that meet
// on one competence.
#include "db/Conexao.h"
#include "db/RowSet.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "fixtures/lib/ServidorTeste.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QDeadlineTimer>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QString Competencia = QStringLiteral("022024");

ExecucaoLote lote(const QString &banco, const QStringList &argumentos)
{
    return ExecutarLote(QStringList{banco, QStringLiteral("2024"), QStringLiteral("ana")} + argumentos);
}

// The submission files and the summary's spreadsheet under the folder, by relative name, with their
// bytes. The summary's PDF carries the moment it was written, and the manifest its checksum, so those
// two are left out.
QMap<QString, QByteArray> Arquivos(const QString &pasta)
{
    QMap<QString, QByteArray> arquivos;
    QDirIterator it(pasta, {QStringLiteral("ECONTAS-*.TXT"), QStringLiteral("RESUMO-*.csv")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        f.open(QIODevice::ReadOnly);
        arquivos.insert(QDir(pasta).relativeFilePath(f.fileName()), f.readAll());
    }
    return arquivos;
}

// The competence's rows of the seven work tables and its generation stamp, as sorted text lines.
QStringList Geracao(const QString &banco)
{
    OperadorTeste operador;
    QStringList linhas;
    {
        TConexao conexao(banco);
        for (const char *t : {"010", "020", "030", "040", "041", "042", "043"}) {
            RowSet r = RowSet::abrir(
                QStringLiteral("SELECT * FROM ECONTAS_%1 WHERE COMPETENCIA = ?").arg(QLatin1String(t)),
                {Competencia});
            for (r.first(); !r.eof(); r.next()) {
                QStringList campos;
                for (int i = 0; i < r.quantidadeCampos(); ++i)
                    campos << r.texto(i);
                linhas << QLatin1String(t) + QLatin1Char('|') + campos.join(QLatin1Char('|'));
            }
        }
        RowSet c = RowSet::abrir(QStringLiteral("SELECT DT_GERACAO FROM CTRL_TCMTPA WHERE MES_ANO = ?"),
                                 {Competencia});
        linhas << (c.nulo(QStringLiteral("DT_GERACAO")) ? QStringLiteral("sem carimbo")
                                                        : QStringLiteral("carimbada"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("FDConn"));
    linhas.sort();
    return linhas;
}

// True while another transaction holds the competence's control row. The read takes no lock itself (a
// read-committed transaction without record versions that does not wait), so it never disturbs the run.
bool CompetenciaOcupada(const QString &banco)
{
    QProcess isql;
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), banco});
    isql.write(QStringLiteral("set transaction no wait read committed no record_version;\n"
                              "select mes_ano from ctrl_tcmtpa where mes_ano = '%1';\n")
                   .arg(Competencia)
                   .toUtf8());
    isql.closeWriteChannel();
    isql.waitForFinished(30000);
    const QString erros = QString::fromLocal8Bit(isql.readAllStandardError());
    return erros.contains(QLatin1String("deadlock")) || erros.contains(QLatin1String("lock conflict"));
}

} // namespace

class TesteServidor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void processarIgualAoBancoEmbutido();
    void senhaErradaTerminaComStatus1();
    void servidorMortoDuranteAGeracaoNaoDeixaNada();
    void sinalEncerraAGeracaoSemDeixarNada_data();
    void sinalEncerraAGeracaoSemDeixarNada();
    void segundaEstacaoERecusadaNaHora_data();
    void segundaEstacaoERecusadaNaHora();

private:
    QString copiaDaAmostra(const QString &nome);
    // A copy of the sample whose month passed the critique, reached through the server.
    QString criticadaPeloServidor(const QString &nome);
    // Starts a generation through the server and returns it stopped while it holds the competence.
    bool iniciarGeracao(QProcess &processo, const QString &banco);
    QString geracaoParada(QProcess &processo, const QString &nome);

    QTemporaryDir m_pasta;
    QString m_amostra;
    QStringList m_geracaoLimpa;
    ServidorTeste m_servidor;
};

void TesteServidor::initTestCase()
{
    QVERIFY2(m_servidor.iniciar(), qPrintable(m_servidor.erro()));
    qputenv("ISC_USER", "SYSDBA");
    qputenv("ISC_PASSWORD", ServidorTeste::senha().toUtf8());
    OperadorTeste operador;
    m_amostra = m_pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra parametros;
    parametros.ano = 2024;
    // Large enough that a generation holds its competence for a good part of a second.
    parametros.servidores = 600;
    parametros.meses = {QStringLiteral("FEV")};
    CriarBancoAmostra(m_amostra, parametros);
    // The clean generation every other one is compared with: embedded, nobody else around.
    const QString limpa = copiaDaAmostra(QStringLiteral("limpa.fdb"));
    QCOMPARE(lote(limpa, {QStringLiteral("criticas"), Competencia, QStringLiteral("--sim")}).saida, 0);
    QCOMPARE(lote(limpa, {QStringLiteral("gerar"), Competencia, QStringLiteral("--sim")}).saida, 0);
    m_geracaoLimpa = Geracao(limpa);
    QVERIFY(m_geracaoLimpa.size() > 10);
}

QString TesteServidor::copiaDaAmostra(const QString &nome)
{
    const QString copia = m_pasta.filePath(nome);
    QFile::copy(m_amostra, copia);
    QFile::setPermissions(copia, QFile::ReadOwner | QFile::WriteOwner);
    return copia;
}

QString TesteServidor::criticadaPeloServidor(const QString &nome)
{
    const QString banco = m_servidor.endereco(copiaDaAmostra(nome));
    const ExecucaoLote critica =
        lote(banco, {QStringLiteral("criticas"), Competencia, QStringLiteral("--sim")});
    if (critica.saida != 0)
        qWarning("%s", qPrintable(critica.erros));
    return banco;
}

bool TesteServidor::iniciarGeracao(QProcess &processo, const QString &banco)
{
    processo.start(QStringLiteral(ECONTAS_BIN_DIR "/TvEcontasLote"),
                   {banco, QStringLiteral("2024"), QStringLiteral("ana"), QStringLiteral("gerar"),
                    Competencia, QStringLiteral("--sim")});
    // Stopped (SIGSTOP) while it holds the competence, so that the test decides when it goes on. Without
    // an event loop QProcess learns of the child's end only when asked, hence waitForFinished(0).
    const QDeadlineTimer prazo(60000);
    while (!prazo.hasExpired() && !processo.waitForFinished(0) && processo.state() != QProcess::NotRunning) {
        if (!CompetenciaOcupada(banco))
            continue;
        kill(pid_t(processo.processId()), SIGSTOP);
        if (CompetenciaOcupada(banco))
            return true;
        kill(pid_t(processo.processId()), SIGCONT);
    }
    qWarning("a geração terminou (ou passou de um minuto) antes de ser vista com a competência reservada");
    return false;
}

// A criticised copy whose generation is stopped while it holds the competence. On a busy machine the
// generation may end before a probe sees it: it is tried again on a fresh copy, at most three times.
QString TesteServidor::geracaoParada(QProcess &processo, const QString &nome)
{
    for (int tentativa = 1; tentativa <= 3; ++tentativa) {
        const QString banco = criticadaPeloServidor(QStringLiteral("%1-%2.fdb").arg(nome).arg(tentativa));
        if (iniciarGeracao(processo, banco))
            return banco;
    }
    return QString();
}

void TesteServidor::processarIgualAoBancoEmbutido()
{
    const QString embutido = m_pasta.filePath(QStringLiteral("envio-embutido"));
    const QString peloServidor = m_pasta.filePath(QStringLiteral("envio-servidor"));
    const QStringList opcoes = {QStringLiteral("--sim")};
    const ExecucaoLote a = lote(copiaDaAmostra(QStringLiteral("embutido.fdb")),
                                QStringList{"processar", Competencia, embutido} + opcoes);
    QVERIFY2(a.saida == 0, qPrintable(a.erros));
    const ExecucaoLote b = lote(m_servidor.endereco(copiaDaAmostra(QStringLiteral("servidor.fdb"))),
                                QStringList{"processar", Competencia, peloServidor} + opcoes);
    QVERIFY2(b.saida == 0, qPrintable(b.erros));
    const QMap<QString, QByteArray> esperados = Arquivos(embutido);
    QVERIFY(!esperados.isEmpty());
    QCOMPARE(Arquivos(peloServidor), esperados);
}

void TesteServidor::senhaErradaTerminaComStatus1()
{
    qputenv("ISC_PASSWORD", "senha-errada");
    const ExecucaoLote e = lote(m_servidor.endereco(copiaDaAmostra(QStringLiteral("senha.fdb"))), {"meses"});
    qputenv("ISC_PASSWORD", ServidorTeste::senha().toUtf8());
    QCOMPARE(e.saida, 1);
    QVERIFY2(e.erros.contains(QLatin1String("Your user name and password are not defined")),
             qPrintable(e.erros));
    QVERIFY2(e.saidaPadrao.isEmpty(), qPrintable(e.saidaPadrao));
}

void TesteServidor::servidorMortoDuranteAGeracaoNaoDeixaNada()
{
    QProcess geracao;
    const QString banco = geracaoParada(geracao, QStringLiteral("morto"));
    QVERIFY(!banco.isEmpty());
    m_servidor.matar();
    kill(pid_t(geracao.processId()), SIGCONT);
    QVERIFY(geracao.waitForFinished(20000));
    QCOMPARE(geracao.exitCode(), 1);
    QVERIFY2(m_servidor.iniciar(), qPrintable(m_servidor.erro()));
    QCOMPARE(Geracao(banco), QStringList{QStringLiteral("sem carimbo")});
    QCOMPARE(lote(banco, {QStringLiteral("gerar"), Competencia, QStringLiteral("--sim")}).saida, 0);
    QCOMPARE(Geracao(banco), m_geracaoLimpa);
}

void TesteServidor::sinalEncerraAGeracaoSemDeixarNada_data()
{
    QTest::addColumn<int>("sinal");
    QTest::addColumn<QString>("nome");
    QTest::newRow("SIGTERM") << int(SIGTERM) << QStringLiteral("SIGTERM");
    QTest::newRow("SIGINT") << int(SIGINT) << QStringLiteral("SIGINT");
    QTest::newRow("SIGHUP") << int(SIGHUP) << QStringLiteral("SIGHUP");
}

void TesteServidor::sinalEncerraAGeracaoSemDeixarNada()
{
    QFETCH(int, sinal);
    QFETCH(QString, nome);
    QProcess geracao;
    const QString banco = geracaoParada(geracao, QStringLiteral("sinal-%1").arg(nome));
    QVERIFY(!banco.isEmpty());
    kill(pid_t(geracao.processId()), sinal);
    kill(pid_t(geracao.processId()), SIGCONT);
    QVERIFY(geracao.waitForFinished(20000));
    QCOMPARE(geracao.exitStatus(), QProcess::NormalExit);
    QCOMPARE(geracao.exitCode(), 1);
    const QString erros = QString::fromUtf8(geracao.readAllStandardError());
    QVERIFY2(erros.contains(QStringLiteral("Interrompido pelo sinal %1").arg(nome)), qPrintable(erros));
    QCOMPARE(Geracao(banco), QStringList{QStringLiteral("sem carimbo")});
}

void TesteServidor::segundaEstacaoERecusadaNaHora_data()
{
    QTest::addColumn<QString>("verbo");
    QTest::newRow("outra geração") << QStringLiteral("gerar");
    QTest::newRow("críticas") << QStringLiteral("criticas");
}

void TesteServidor::segundaEstacaoERecusadaNaHora()
{
    QFETCH(QString, verbo);
    QProcess primeira;
    // The first workstation stays put while it holds the competence: the second cannot wait for it.
    const QString banco = geracaoParada(primeira, QStringLiteral("disputa-%1").arg(verbo));
    QVERIFY(!banco.isEmpty());
    const ExecucaoLote segunda = ExecutarLote(
        {banco, QStringLiteral("2024"), QStringLiteral("bia"), verbo, Competencia, QStringLiteral("--sim")},
        QString(), 60000);
    kill(pid_t(primeira.processId()), SIGCONT);
    QCOMPARE(segunda.saida, 4);
    QVERIFY2(segunda.erros.startsWith(QStringLiteral("A competência 02/2024 está em uso por outra estação de "
                                                     "trabalho. Tente novamente quando ela terminar.\n")),
             qPrintable(segunda.erros));
    QVERIFY(primeira.waitForFinished(120000));
    QCOMPARE(primeira.exitCode(), 0);
    QCOMPARE(Geracao(banco), m_geracaoLimpa);
}

QTEST_GUILESS_MAIN(TesteServidor)
#include "test_servidor.moc"
