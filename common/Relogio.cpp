#include "common/Relogio.h"

namespace {
QDateTime g_momentoFixo;
}

QDateTime Agora()
{
    return g_momentoFixo.isValid() ? g_momentoFixo : QDateTime::currentDateTime();
}

QDate Hoje()
{
    return Agora().date();
}

void FixarAgora(const QDateTime &momento)
{
    g_momentoFixo = momento;
}
