#pragma once
// --detalhes: each step of the run on its own line of stderr, with the time since the run started, for
// the logs of a scheduled run. A step is a status text of the progress model; the walks repeat theirs
// once per record, some with the record's key after the step's own text, so a text is written only the
// first time it shows after a reset, and not when it continues a text already written.
#include "common/Progresso.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

class RegistroEtapas : public QObject {
public:
    explicit RegistroEtapas(TProgresso &progresso);

    // "[12,345 s] texto"
    static QString linha(qint64 decorridoMs, const QString &texto);

private:
    void statusMudou(const QString &texto);

    QElapsedTimer m_inicio;
    QStringList m_escritas;
};
