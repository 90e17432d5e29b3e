#pragma once
// How the walks turn the payroll's unit data into the fields of records 010 to 040.
#include <QString>

struct TEstadoEcontas;

// The unit fields every record below a budget unit shares, read where the walks of managing and budget
// units stand.
struct UnidadeDoRegistro {
    QString competencia, cnpj, ug, uo;
};
UnidadeDoRegistro UnidadeAtual(const TEstadoEcontas &estado);

template <class Registro> void PreencherUnidade(Registro &r, const UnidadeDoRegistro &u)
{
    r.Setcompetencia(u.competencia);
    r.Setcnpj(u.cnpj);
    r.Setug(u.ug);
    r.Setuo(u.uo);
}

// Characters 2 to 6 of a managing-unit or budget-unit code (a shorter code gives a shorter result).
QString CodigoUnidade(const QString &codigo);

// The record type of a managing unit's tipoorgao: "J" is "99"; otherwise the position of the trimmed
// value in "ABCDEFGHI" with two digits, "00" when it is not there or empty.
QString TipoDoOrgao(const QString &tipoorgao);

// The name of a unit in UNIDADE_ORCAMENTARIA (searched by its full code), empty when there is none.
QString NomeDaUnidade(TEstadoEcontas &estado, const QString &codigo);
