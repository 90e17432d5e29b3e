#include "db/FusoHorario.h"

#include <QByteArray>

#include <ctime>

void FixarFusoHorarioDoProcesso()
{
    if (qEnvironmentVariableIsSet("TZ"))
        return;
    qputenv("TZ", QByteArrayLiteral(":/etc/localtime"));
    tzset();
}
