#pragma once
// The live progress line of the batch command on a terminal: the current step's status text, a bar,
// the percentage, the elapsed time and, while the staff are walked, "n de N servidores". It is drawn
// on stderr from the same progress model the main window binds to, redrawn in place at most ten
// times a second, and ended with a line break before any other line is written.
#include "common/Progresso.h"

#include <QElapsedTimer>
#include <QObject>

class LinhaProgresso : public QObject {
public:
    explicit LinhaProgresso(TProgresso &progresso);

    // Ends the drawn line with a line break; the next move draws a new one.
    void encerrar();

private:
    void statusMudou(const QString &texto);
    void barraMudou(int barra);
    void desenharSeHaTempo();
    void desenhar();

    TProgresso &m_progresso;
    QString m_status;
    QElapsedTimer m_inicio;
    QElapsedTimer m_ultimoDesenho;
    bool m_desenhada = false;
};

// stderr is a terminal.
bool ErrosNumTerminal();
