#include "Medicao.h"

#include <QFile>

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

Cronometro::Cronometro()
{
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
    return m;
}
