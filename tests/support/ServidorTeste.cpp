#include "ServidorTeste.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString PastaFirebird = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");
const QString Servidor = QStringLiteral("/usr/sbin/firebird");

// A loopback port nobody listens on right now (the kernel picks it).
int PortaLivre()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in endereco = {};
    endereco.sin_family = AF_INET;
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t tamanho = sizeof endereco;
    int porta = 0;
    if (bind(s, reinterpret_cast<sockaddr *>(&endereco), sizeof endereco) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr *>(&endereco), &tamanho) == 0)
        porta = ntohs(endereco.sin_port);
    close(s);
    return porta;
}

// The inode of the socket listening on the loopback port, from the kernel's table; empty when none.
QString InodeEscutando(int porta)
{
    QFile tabela(QStringLiteral("/proc/net/tcp"));
    if (!tabela.open(QIODevice::ReadOnly))
        return {};
    const QString local = QStringLiteral("0100007F:%1").arg(porta, 4, 16, QLatin1Char('0')).toUpper();
    for (const QByteArray &linha : tabela.readAll().split('\n')) {
        const QStringList c = QString::fromLatin1(linha).simplified().split(QLatin1Char(' '));
        if (c.size() > 9 && c[1] == local && c[3] == QLatin1String("0A"))
            return c[9];
    }
    return {};
}

QByteArray readlinkTexto(const QString &caminho)
{
    char alvo[128] = {};
    const ssize_t n = readlink(QFile::encodeName(caminho).constData(), alvo, sizeof alvo - 1);
    return n > 0 ? QByteArray(alvo, int(n)) : QByteArray();
}

QProcessEnvironment AmbienteDaRaiz(const QString &raiz)
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("FIREBIRD"), raiz);
    ambiente.insert(QStringLiteral("FIREBIRD_LOCK"), raiz + QStringLiteral("/lock"));
    return ambiente;
}

} // namespace

ServidorTeste::ServidorTeste() = default;

ServidorTeste::~ServidorTeste()
{
    parar();
}

bool ServidorTeste::prepararRaiz()
{
    const QString raiz = m_raiz.path();
    const QString seguranca = raiz + QStringLiteral("/security3.fdb");
    QDir(raiz).mkpath(QStringLiteral("intl"));
    QDir(raiz).mkpath(QStringLiteral("lock"));
    // Copies: through a symlink the engine reports the WIN1252 character set as not installed.
    for (const QString &arquivo : {QStringLiteral("libfbintl.so"), QStringLiteral("fbintl.conf")})
        QFile::copy(PastaFirebird + QStringLiteral("/intl/") + arquivo,
                    raiz + QStringLiteral("/intl/") + arquivo);
    QFile conf(raiz + QStringLiteral("/firebird.conf"));
    if (!conf.open(QIODevice::WriteOnly))
        return false;
    conf.write(QStringLiteral("RemoteServicePort = %1\nRemoteBindAddress = 127.0.0.1\nServerMode = Super\n"
                              "SecurityDatabase = %2\n")
                   .arg(m_porta)
                   .arg(seguranca)
                   .toUtf8());
    conf.close();
    if (QFile::exists(seguranca))
        return true;
    QProcess isql;
    isql.setProcessEnvironment(AmbienteDaRaiz(raiz));
    isql.start(QStringLiteral("isql-fb"),
               {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA")});
    isql.write(
        QStringLiteral("create database '%1';\ncreate user SYSDBA password '%2' using plugin Srp;\ncommit;\n")
            .arg(seguranca, senha())
            .toUtf8());
    isql.closeWriteChannel();
    if (!isql.waitForFinished(60000) || isql.exitCode() != 0) {
        m_erro = QStringLiteral("isql-fb: ") + QString::fromLocal8Bit(isql.readAllStandardError());
        return false;
    }
    return true;
}

bool ServidorTeste::escutandoNaPorta() const
{
    const QString inode = InodeEscutando(m_porta);
    if (inode.isEmpty())
        return false;
    const QString alvo = QStringLiteral("socket:[%1]").arg(inode);
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(m_processo.processId()));
    for (const QString &fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot))
        if (QString::fromLocal8Bit(readlinkTexto(fds.filePath(fd))) == alvo)
            return true;
    return false;
}

bool ServidorTeste::iniciar()
{
    if (!m_raiz.isValid()) {
        m_erro = QStringLiteral("pasta temporária indisponível");
        return false;
    }
    if (m_porta == 0)
        m_porta = PortaLivre();
    if (m_porta == 0 || !InodeEscutando(m_porta).isEmpty()) {
        m_erro = QStringLiteral("porta %1 ocupada").arg(m_porta);
        return false;
    }
    if (!prepararRaiz())
        return false;
    m_processo.setProcessEnvironment(AmbienteDaRaiz(m_raiz.path()));
    m_processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The server dies with the test process, whatever ends it: no server is left behind.
    m_processo.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_processo.start(Servidor, {});
    if (!m_processo.waitForStarted(10000)) {
        m_erro = QStringLiteral("%1 não iniciou: %2").arg(Servidor, m_processo.errorString());
        return false;
    }
    QElapsedTimer relogio;
    relogio.start();
    while (relogio.elapsed() < 10000 && m_processo.state() == QProcess::Running) {
        if (escutandoNaPorta())
            return true;
        QThread::msleep(10);
    }
    m_erro = QStringLiteral("o servidor não passou a escutar a porta %1").arg(m_porta);
    matar();
    return false;
}

void ServidorTeste::parar()
{
    if (m_processo.state() == QProcess::NotRunning)
        return;
    kill(pid_t(m_processo.processId()), SIGTERM);
    if (!m_processo.waitForFinished(10000))
        matar();
}

void ServidorTeste::matar()
{
    if (m_processo.state() == QProcess::NotRunning)
        return;
    kill(pid_t(m_processo.processId()), SIGKILL);
    m_processo.waitForFinished(10000);
}

QString ServidorTeste::endereco(const QString &caminhoBanco) const
{
    return QStringLiteral("127.0.0.1/%1:%2").arg(m_porta).arg(caminhoBanco);
}
