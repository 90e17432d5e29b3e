#include "Medicao.h"

#include "db/RowSet.h"

#include <QFile>

#include <malloc.h>

namespace {

// Writing 5 to clear_refs resets the peak resident size to the current one (Linux 4.0 and later).
void zerarPicoMemoria()
{
    QFile arquivo(QStringLiteral("/proc/self/clear_refs"));
    if (arquivo.open(QIODevice::WriteOnly))
        arquivo.write("5");
}

} // namespace

qint64 PicoMemoriaKB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linha : status.readAll().split('\n'))
        if (linha.startsWith("VmHWM:"))
            return linha.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

PaginasDoBanco PaginasEntradaSaida()
{
    RowSet io = RowSet::abrir(QStringLiteral(
        "SELECT io.MON$PAGE_READS AS LIDAS, io.MON$PAGE_WRITES AS GRAVADAS FROM MON$ATTACHMENTS a "
        "JOIN MON$IO_STATS io ON io.MON$STAT_ID = a.MON$STAT_ID "
        "WHERE a.MON$ATTACHMENT_ID = CURRENT_CONNECTION"));
    io.first();
    if (io.eof())
        return {};
    return {io.valor(QStringLiteral("LIDAS")).toLongLong(),
            io.valor(QStringLiteral("GRAVADAS")).toLongLong()};
}

Cronometro::Cronometro()
{
    const PaginasDoBanco paginas = PaginasEntradaSaida();
    m_paginasLidas = paginas.lidas;
    m_paginasGravadas = paginas.gravadas;
    // Memory freed by earlier phases goes back to the system first, so that the peak is this phase's.
    malloc_trim(0);
    zerarPicoMemoria();
    m_relogio.start();
}

Medida Cronometro::parar(qint64 lidas, qint64 escritas) const
{
    Medida m;
    m.segundos = m_relogio.nsecsElapsed() / 1e9;
    m.lidas = lidas;
    m.escritas = escritas;
    m.picoMemoriaKB = PicoMemoriaKB();
    const PaginasDoBanco paginas = PaginasEntradaSaida();
    m.paginasLidas = paginas.lidas - m_paginasLidas;
    m.paginasGravadas = paginas.gravadas - m_paginasGravadas;
    return m;
}
