#pragma once
// The units a competence's records 010 and 020 are built from, as the two preview windows list them.
#include "db/RowSet.h"

#include <QString>

namespace TComandosSql {

// The statements the two consultations run.
QString SqlUnidadesGestoras(const QString &pMes);
QString SqlUnidadesOrcamentarias(const QString &pSqlPadrao);

// Every secretariat (sector 000) of the month's sector table with its CNPJ and managing-unit code,
// the client's standing in for empty ones, paired with the units of UNIDADE_ORCAMENTARIA whose code
// is either of the two. Columns DESCRICAO_UNIDADE, CNPJ, CODUNDGESTOR.
// A failure comes as "Error ao consultar unidades gestoras! ", a carriage return and the cause.
RowSet ConsultaUnidadesGestoras(const QString &pMes);

// The distinct (managing unit, budget unit) pairs of the base payroll selection, ordered by both.
// Columns CODUNDGESTOR, CODUNDORCA.
// A failure comes as "Error ao consultar unidades orçamentarias! ", a carriage return and the cause.
RowSet ConsultaUnidadesOrcamentarias(const QString &pSqlPadrao);

} // namespace TComandosSql
