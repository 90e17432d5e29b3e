#pragma once
// How the walks turn the payroll's unit data into the fields of records 010 to 040.
#include <QString>

struct TEstadoEcontas;

// Characters 2 to 6 of a managing-unit or budget-unit code (a shorter code gives a shorter result).
QString CodigoUnidade(const QString &codigo);

// The record type of a managing unit's tipoorgao: "J" is "99"; otherwise the position of the trimmed
// value in "ABCDEFGHI" with two digits, "00" when it is not there or empty.
QString TipoDoOrgao(const QString &tipoorgao);

// The name of a unit in UNIDADE_ORCAMENTARIA (searched by its full code), empty when there is none.
QString NomeDaUnidade(TEstadoEcontas &estado, const QString &codigo);
