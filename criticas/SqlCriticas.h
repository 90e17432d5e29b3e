#pragma once
// The statements of the consistency checks, built line by line. The month code goes into table names
// and must be a validated code; the base payroll selection is pasted as a derived table.
#include <QString>

namespace SqlCriticas {

// Positions whose type is empty or null.
QString TiposDeCargosNaoInformados();
// Positions whose number of places is null, zero or negative.
QString CargosComVagasZeradas();
// Active staff without a functional situation whose position type is not one of the exempt types.
QString ServidoresSemSituacaoFuncional(const QString &pMes);
// Active staff whose position type is not allowed for their functional situation.
QString ServidoresComTiposCargosInvalidos(const QString &pMes);
// The month's secretariats sent to the tribunal, with the client register's values standing in.
QString SecretariasDasUnidadesGestoras(const QString &pMes);
// Secretariats of the payroll not excluded from the submission, with their budget-unit code.
QString SecretariasDaFolha(const QString &pMes, const QString &pSqlPadrao);
// Sectors of the payroll sent to the tribunal, ordered by budget-unit code.
QString SetoresDaFolha(const QString &pMes, const QString &pSqlPadrao);

// The check runs the two statements above in two steps that give the same rows in the same order: the
// month's secretariats or sectors without the payroll filter, kept when their code is among those of
// SecretariasDaSelecao. Filtering in the statement would run the base selection once per department.
QString SecretariasDoMes(const QString &pMes);
QString SetoresDoMes(const QString &pMes);
// The secretariats that appear in the base payroll selection, read with one run of it.
QString SecretariasDaSelecao(const QString &pSqlPadrao);

} // namespace SqlCriticas
