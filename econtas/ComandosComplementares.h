#pragma once
// The complementary payroll sheets of a month, found in the database catalogue, and the table KVB020
// of the sheets chosen for sending.
#include "db/RowSet.h"

#include <QString>

namespace TComandosSql {

// The statement RetornaComplementaresPorCompetencia runs for a month code "JAN" … "DEZ".
QString SqlComplementaresPorCompetencia(const QString &pMes);

// One row per distinct complementary sheet code of the month (column TABELA, e.g. "AC1"), read from
// the catalogue's columns of the tables named KVBDXX02<sheet>. The month code is validated first.
RowSet RetornaComplementaresPorCompetencia(const QString &pMes);

// The whole table KVB020 (ANO, NUMMES, MES, CNPJ, GERAL).
RowSet AbrirTabelaKVB020();

} // namespace TComandosSql
