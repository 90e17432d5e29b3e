#pragma once
// "Now" and "today" as the module reads them: the system clock, or a moment fixed in place of it (tests
// fix it so that dates written into stamps, headers and reports are known in advance).
#include <QDate>
#include <QDateTime>

QDateTime Agora();
QDate Hoje();

// From now on Agora returns this moment; an invalid moment gives the system clock back.
void FixarAgora(const QDateTime &momento);
