#include "lote/RegistroEtapas.h"

#include "lote/SaidaLote.h"

#include <QLocale>

RegistroEtapas::RegistroEtapas(TProgresso &progresso)
{
    m_inicio.start();
    connect(&progresso, &TProgresso::statusMudou, this, &RegistroEtapas::statusMudou);
}

QString RegistroEtapas::linha(qint64 decorridoMs, const QString &texto)
{
    static const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    return QStringLiteral("[%1 s] %2").arg(brasil.toString(decorridoMs / 1000.0, 'f', 3), texto);
}

void RegistroEtapas::statusMudou(const QString &texto)
{
    // An empty status is the reset after a generation, an export or an undo: the next run's steps
    // are written again.
    if (texto.isEmpty()) {
        m_escritas.clear();
        return;
    }
    for (const QString &escrita : std::as_const(m_escritas))
        if (texto.startsWith(escrita))
            return;
    m_escritas.append(texto);
    EscreverErro(linha(m_inicio.elapsed(), texto));
}
