#pragma once
// What the benchmark measures of one phase: wall time, rows read and written, the pages the database
// engine read from and wrote to the file (what its page cache did not absorb), and the peak resident
// memory of the process while the phase ran.
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>

struct Medida {
    double segundos = 0;
    qint64 lidas = 0;
    qint64 escritas = 0;
    qint64 paginasLidas = 0;
    qint64 paginasGravadas = 0;
    qint64 picoMemoriaKB = 0;
    double segundosResumo = 0; // an export's: the part spent on the competence's summary and manifest

    double linhasPorSegundo() const { return segundos > 0 ? (lidas + escritas) / segundos : 0; }
};

// Starts a measurement: resets the process's peak resident memory (Linux) and the clock.
class Cronometro {
public:
    Cronometro();
    // Seconds since the start and the peak resident memory since then, with the given row counts.
    Medida parar(qint64 lidas, qint64 escritas) const;
    double segundos() const { return m_relogio.nsecsElapsed() / 1e9; }

private:
    QElapsedTimer m_relogio;
    qint64 m_paginasLidas = 0;
    qint64 m_paginasGravadas = 0;
};

// Peak resident memory of the process in KB (VmHWM), 0 when the system does not say.
qint64 PicoMemoriaKB();
// Pages the engine has read from and written to the database file for this connection so far
// (MON$PAGE_READS, MON$PAGE_WRITES).
struct PaginasDoBanco {
    qint64 lidas = 0;
    qint64 gravadas = 0;
};
PaginasDoBanco PaginasEntradaSaida();
