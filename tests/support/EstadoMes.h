#pragma once
// The state a click on a month leaves behind for the tests that drive the core directly: the month
// fields, the last day of the month as payment date and the client row. The base selection is left to
// the code under test.
#include "econtas/EstadoEcontas.h"

TEstadoEcontas EstadoDoMes(const QString &competencia, const QString &usuario = QStringLiteral("OPERADOR"));
