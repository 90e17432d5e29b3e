#pragma once
// The operator seam. The core never opens a window: every message box, status text, progress move
// and "let pending events run" goes through the operator installed for the process
// (widgets in the program, stdout/stderr in the batch command, a recorder in the tests).
#include "common/ListasCriticas.h"
#include "common/Progresso.h"

#include <QString>
#include <QStringList>

class TOperador {
public:
    virtual ~TOperador() = default;

    // Information box: caption "INFORMAÇÃO", information icon, OK.
    virtual void informacao(const QString &texto) = 0;
    // Yes/No box: caption "CONFIRMAÇÃO", question icon, No the default. True only for Yes.
    virtual bool confirmacao(const QString &texto) = 0;
    // Warning box with its own caption, OK button.
    virtual void aviso(const QString &titulo, const QString &texto) = 0;
    // Plain message box with an OK button and no icon.
    virtual void mensagem(const QString &texto) = 0;
    // The application's standard error box: a failure that ended the operator's action.
    virtual void erro(const QString &texto) = 0;
    // Lines about records left out of a generation, shown after its success message.
    virtual void relatorio(const QString &titulo, const QStringList &linhas) = 0;
    // The findings viewer, shown modally; returns when the operator closes it.
    virtual void exibirCriticas(const ListasCriticas &listas) = 0;
    // Let pending window events run (repaint, queued work).
    virtual void processarEventos() = 0;

    TProgresso &progresso() { return m_progresso; }

private:
    TProgresso m_progresso;
};

// The operator of this process. One must be installed before the core runs.
TOperador &Operador();
void InstalarOperador(TOperador *operador);
bool OperadorInstalado();

// Shorthands used across the core.
void ProcessarEventos();
void DefinirStatus(const QString &texto);
// Sets the status line and lets the window draw it before the work goes on.
void MostrarStatus(const QString &texto);
// What a finished run leaves in the status line until the next action: shown at once (over the running
// step's text, before the result box) and again after the work already handed to the interface, such
// as the reset of the progress display.
void DeixarStatus(const QString &texto);
inline const QString StatusGeracaoCancelada = QStringLiteral("Geração cancelada.");
// The same inside a loop over rows: pending events run at most about once per frame.
void ProcessarEventosNoLaco();
void MostrarStatusNoLaco(const QString &texto);
