#include "LoteTeste.h"

#include "BancoTeste.h"

#include <QDeadlineTimer>
#include <QProcess>

#include <algorithm>
#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

ExecucaoLote ExecutarLote(const QStringList &argumentos, const QString &pasta, int limiteMs)
{
    QProcess processo;
    if (!pasta.isEmpty())
        processo.setWorkingDirectory(pasta);
    processo.start(QStringLiteral(ECONTAS_BIN_DIR "/TvEcontasLote"), argumentos);
    const bool terminou = processo.waitForFinished(limiteMs);
    return {terminou && processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            QString::fromUtf8(processo.readAllStandardOutput()),
            QString::fromUtf8(processo.readAllStandardError())};
}

ExecucaoLote ExecutarLote(BancoTeste &banco, const QString &ano, const QString &usuario,
                          const QStringList &argumentos, const QString &pasta)
{
    banco.fechar();
    const ExecucaoLote e = ExecutarLote(QStringList{banco.caminho(), ano, usuario} + argumentos, pasta);
    banco.reabrir();
    return e;
}

namespace {

// Everything the terminal shows until the child closes it or the time is up.
QByteArray lerTerminal(int terminal, int limiteMs)
{
    QByteArray lido;
    QDeadlineTimer prazo(limiteMs);
    char bloco[4096];
    while (!prazo.hasExpired()) {
        pollfd espera{terminal, POLLIN, 0};
        if (poll(&espera, 1, int(std::min<qint64>(prazo.remainingTime(), 1000))) <= 0)
            continue;
        const ssize_t n = read(terminal, bloco, sizeof bloco);
        if (n <= 0) // EIO once the child's side is closed
            break;
        lido.append(bloco, n);
    }
    return lido;
}

} // namespace

ExecucaoLote ExecutarLoteNumTerminal(const QStringList &argumentos, int limiteMs)
{
    QList<QByteArray> textos;
    for (const QString &a : QStringList{QStringLiteral(ECONTAS_BIN_DIR "/TvEcontasLote")} + argumentos)
        textos << a.toLocal8Bit();
    std::vector<char *> argv;
    for (QByteArray &t : textos)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    winsize tamanho{};
    tamanho.ws_col = 120;
    tamanho.ws_row = 40;
    int terminal = -1;
    const pid_t filho = forkpty(&terminal, nullptr, nullptr, &tamanho);
    if (filho == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (filho < 0)
        return {};
    const QByteArray lido = lerTerminal(terminal, limiteMs);
    close(terminal);
    int status = 0;
    QDeadlineTimer fim(5000); // the terminal closes a moment before the child has ended
    pid_t terminado = 0;
    while ((terminado = waitpid(filho, &status, WNOHANG)) == 0 && !fim.hasExpired())
        usleep(10000);
    if (terminado == 0) {
        kill(filho, SIGKILL);
        waitpid(filho, &status, 0);
        return {-1, QString::fromUtf8(lido), QString()};
    }
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(lido), QString()};
}
