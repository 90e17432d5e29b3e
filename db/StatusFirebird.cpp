#include "db/StatusFirebird.h"

#include "db/Sql.h"

#include <QStringList>

namespace Sql {

QString TextoDoStatus(const ISC_STATUS *status)
{
    QStringList linhas;
    char buffer[512];
    const ISC_STATUS *vetor = status;
    while (fb_interpret(buffer, sizeof buffer, &vetor) > 0)
        linhas << QString::fromUtf8(buffer);
    return linhas.join(QLatin1Char('\n'));
}

bool EhConflitoDeBloqueio(const ISC_STATUS *status)
{
    return EhConflitoDeBloqueio(int(isc_sqlcode(status)), TextoDoStatus(status));
}

} // namespace Sql
