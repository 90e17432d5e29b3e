#pragma once
// The record source queries of a generation and of a critique run, the positions table and the
// tests of whether a record's parent is already in the work tables. Each Sql* function gives the
// statement text its Abrir* twin runs.
#include "db/RowSet.h"

#include <QString>

namespace TComandosSql {

QString SqlEcontas_010(const QString &pMes);
QString SqlEcontas_020(const QString &pSqlPadrao);
QString SqlEcontas_030(const QString &pNumeroMes, const QString &pSqlPadrao);
QString SqlEcontas_040(const QString &pAno, const QString &pSqlPadrao);
// The leave rows 040 joins, as its conditions on "afast" (type "2", payroll "22", year pAno, months 01
// to 04), each line starting with its AND.
QStringList CondicoesAfastamento040(const QString &pAno);
QString SqlEcontas_042(const QString &pMes, const QString &pAno, const QString &pSqlPadrao);
QString SqlEcontas_043(const QString &pSqlPadrao);

// Each returns its set open on the first row; a failure comes as "Error ao abrir a tabela e-Contas 0NN",
// a carriage return and the database's message.
RowSet AbrirTabelaECONTAS_010(const QString &pMes);
RowSet AbrirTabelaECONTAS_020(const QString &pSqlPadrao);
RowSet AbrirTabelaECONTAS_030(const QString &pNumeroMes, const QString &pSqlPadrao);
RowSet AbrirTabelaECONTAS_040(const QString &pAno, const QString &pSqlPadrao);
RowSet AbrirTabelaECONTAS_042(const QString &pMes, const QString &pAno, const QString &pSqlPadrao);
RowSet AbrirTabelaECONTAS_043(const QString &pSqlPadrao);

// The whole positions table CARGO_ECONTAS.
RowSet RetornaCargosEcontas();

// Statement texts of the existence tests (every value quoted).
QString SqlExisteEcontas_010(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG);
QString SqlExisteEcontas_020(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                             const QString &pUO);
QString SqlExisteEcontas_040(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                             const QString &pUO, const QString &pMatricula);

// True when ECONTAS_010 holds the managing unit.
bool ValidarProximoRegistroEcontas_020(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG);
// True when ECONTAS_020 holds the budget unit.
bool ValidarProximoRegistroEcontas_030(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO);
bool ValidarProximoRegistroEcontas_040(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO);
// True when ECONTAS_040 holds the staff member.
bool ValidarProximoRegistroEcontas_041(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO, const QString &pMatricula);
bool ValidarProximoRegistroEcontas_042(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO, const QString &pMatricula);

} // namespace TComandosSql
