#pragma once
// Runs the batch command as a child process, the way an operator's script does.
#include <QString>
#include <QStringList>

class BancoTeste;

struct ExecucaoLote {
    int saida = -1; // exit status; -1 when the command did not finish in time
    QString saidaPadrao;
    QString erros;
};

// TvEcontasLote with the given arguments (database, year and user first), started in `pasta` when one
// is given.
ExecucaoLote ExecutarLote(const QStringList &argumentos, const QString &pasta = QString(),
                          int limiteMs = 300000);

// The same on the test database, which the test process lets go of while the command runs.
ExecucaoLote ExecutarLote(BancoTeste &banco, const QString &ano, const QString &usuario,
                          const QStringList &argumentos, const QString &pasta = QString());

// TvEcontasLote with the given arguments on a pseudo-terminal, as a clerk runs it: stdout and stderr
// are the terminal, read back as one text (the terminal writes each line break as CR LF).
ExecucaoLote ExecutarLoteNumTerminal(const QStringList &argumentos, int limiteMs = 300000);
