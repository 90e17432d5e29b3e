#pragma once
// The state of the program after start-up and a click on one month of the list, for the benchmark:
// the same start-up and click the window and the batch command run.
#include "econtas/EstadoEcontas.h"

// mes: "FEV", "DEZ", …; ano: four digits.
TEstadoEcontas SelecionarMesBench(const QString &mes, const QString &ano);
