#pragma once
// The state of the program after start-up and a click on one month of the list, for the benchmark.
#include "econtas/EstadoEcontas.h"

// mes: "FEV", "DEZ", …; ano: four digits. Creates the month's control row when it is missing, as the
// program's start-up does, and builds the base selection as the click does.
TEstadoEcontas SelecionarMesBench(const QString &mes, const QString &ano);
