#pragma once
// The end of the process on SIGTERM, SIGINT or SIGHUP: the open transaction is rolled back, the
// connection closed and the process exits with status 1, also while a message box waits for a click
// or a long run lets its events through. Both programs install it as their first instruction, so that
// a signal during the connection's messages ends them too. The Firebird client library installs
// handlers of its own for these signals when it connects: every successful connection takes them back.
#include <QString>

void EncerrarAoReceberSinal();
// After a connection: the signals are ours again, when the handling was installed.
void RetomarSinaisAposConexao();

// The line written to stderr when a signal ends the process.
QString MensagemEncerramentoPorSinal(int sinal);
