#include "db/EncerramentoPorSinal.h"

#include "db/Sql.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

int g_tubo[2] = {-1, -1};

// Only what is safe inside a signal handler: one byte into the pipe.
void AoReceberSinal(int sinal)
{
    const char byte = char(sinal);
    [[maybe_unused]] const ssize_t escrito = write(g_tubo[1], &byte, 1);
}

[[noreturn]] void Terminar(int sinal)
{
    QByteArray linha = MensagemEncerramentoPorSinal(sinal).toUtf8() + '\n';
    // On a terminal the line may hold a progress line being redrawn: start from a cleared line.
    if (isatty(STDERR_FILENO))
        linha.prepend("\r\033[K");
    std::fflush(stdout);
    [[maybe_unused]] const ssize_t escrito = write(STDERR_FILENO, linha.constData(), size_t(linha.size()));
    _exit(1);
}

// Runs on the thread that owns the connection, between two events.
void EncerrarNaInterface(int sinal)
{
    QSqlDatabase banco = Sql::Conexao();
    if (banco.isOpen()) {
        banco.rollback();
        banco.close();
    }
    Terminar(sinal);
}

// Waits for a signal, hands the end to the connection's thread and, should that thread be held inside
// a long statement, ends the process anyway before two seconds have passed (the server then rolls the
// transaction back itself).
void Vigiar()
{
    char byte = 0;
    while (read(g_tubo[0], &byte, 1) != 1) {
    }
    const int sinal = byte;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [sinal] { EncerrarNaInterface(sinal); }, Qt::QueuedConnection);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    Terminar(sinal);
}

} // namespace

QString MensagemEncerramentoPorSinal(int sinal)
{
    const char *nome = sinal == SIGTERM ? "SIGTERM" : sinal == SIGINT ? "SIGINT" : "SIGHUP";
    return QStringLiteral("Interrompido pelo sinal %1: a operação em andamento foi desfeita.")
        .arg(QLatin1String(nome));
}

void RetomarSinaisAposConexao()
{
    if (g_tubo[0] >= 0)
        EncerrarAoReceberSinal();
}

void EncerrarAoReceberSinal()
{
    if (g_tubo[0] < 0) {
        if (pipe2(g_tubo, O_CLOEXEC) != 0)
            return;
        std::thread(Vigiar).detach();
    }
    struct sigaction acao = {};
    acao.sa_handler = AoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (int sinal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sinal, &acao, nullptr);
}
