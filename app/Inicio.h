#pragma once
// The program's start-up: the splash connects and runs the start-up steps, then the main window is
// created. A failed connection ends the program with exit status 1 after its three messages.
#include <QStringList>

#include <memory>

class TConexao;
class TfrmPrincipal;

struct ProgramaJanelas {
    std::unique_ptr<TConexao> conexao; // the one connection, open until the program ends
    std::unique_ptr<TfrmPrincipal> principal;
    ProgramaJanelas();
    ~ProgramaJanelas();
};

// argumentos: the program's command line (program name, database, payroll year, operator).
// Returns 0 when the main window was created and shown, 1 after a failed connection.
int IniciarJanelas(const QStringList &argumentos, ProgramaJanelas &programa);
