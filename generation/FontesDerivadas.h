#pragma once
// The record sources 020, 030 and 040 taken from the rows of 043, so that a generation or a critique
// reads the base selection once instead of four times. Each gives exactly the rows and the order its
// own statement gives, or nothing when the program cannot be sure of them: when rows that tie on the
// statement's ORDER BY differ elsewhere (the engine's order among them is its own), or when a value
// the statement sorts or joins on is one the engine may compare otherwise than the program (trailing
// blanks that differ, lower case, accents, signs, a text against a number). The caller then runs the
// statement itself.
#include "db/RowSet.h"

#include <optional>

namespace FontesDerivadas {

// The leave rows that 040 joins to the base selection: "matricula" and "dtinicio" of type "2",
// payroll "22", year pAno, months 01 to 04.
RowSet AbrirAfastamentos040(const QString &pAno);

std::optional<RowSet> Unidades020(const RowSet &fonte043);
// cargos: the whole positions table (SELECT * FROM CARGO_ECONTAS); pNumeroMes: the statement's
// four-month period, "01" … "12".
std::optional<RowSet> Cargos030(const RowSet &fonte043, const RowSet &cargos, const QString &pNumeroMes);
std::optional<RowSet> Servidores040(const RowSet &fonte043, const RowSet &afastamentos);

} // namespace FontesDerivadas
