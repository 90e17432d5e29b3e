#pragma once
// The end of the process on SIGTERM, SIGINT or SIGHUP: the open transaction is rolled back, the
// connection closed and the process exits with status 1, also while a message box waits for a click
// or a long run lets its events through. The Firebird client library installs handlers of its own for
// these signals when it connects, so this is installed after the connection is open.
#include <QString>

void EncerrarAoReceberSinal();

// The line written to stderr when a signal ends the process.
QString MensagemEncerramentoPorSinal(int sinal);
