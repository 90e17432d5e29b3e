#pragma once
// Money as the clerk reads it: "R$ 1.234,56" on screen and paper, "1234,56" in the spreadsheet file.
// Both are exact: the ten-thousandths are shown when the value is not a whole number of cents.
#include "db/Dinheiro.h"

#include <QString>

QString FormatarReais(Dinheiro valor);
QString FormatarDecimalPlanilha(Dinheiro valor);
