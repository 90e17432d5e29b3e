#pragma once
// The control table CTRL_TCMTPA (one row per competence, with the dates of its last critique,
// generation and export and the user who ran it), the client register and the closing state of the
// month's payroll sheets.
#include "db/RowSet.h"

#include <QString>
#include <QStringList>

namespace TComandosSql {

enum class CarimboControle { Criticas, Geracao, Exportacao };

// Stamps the competence's control row (found by MES_ANO) with today's date (no time of day) in the
// column of the action and the user in USUARIO. Without such a row nothing is stamped and nothing said.
void CarimbarControle(CarimboControle carimbo, const QString &competencia, const QString &usuario);

// The client register KVB003 (the entity's own row: descricao, codtcm, cgc, codibge_municipio, ...).
RowSet CarregarCliente();

// Creates the missing control rows of the payroll year: one per month with a regular payroll sheet,
// with the client's CNPJ and GERAL "F". Existing rows are left as they are.
void CarregaControles(const QString &pAno, const QString &pCnpj);
void InserirControlesTCMPA(const QString &pAno, const QString &pCnpj);
// The statement listing the month codes that have a regular payroll sheet.
QString SqlMesesComFolhaRegular();

// The control rows of the payroll year in calendar order (competencia = "Janeiro de 2020", geral, cnpj,
// dt_criticas, dt_geracao, dt_exportacao, mes_ano). On failure the operator is warned and the set
// comes back closed.
RowSet ControleTcmPA(const QString &pAno);
QString SqlControleTcmPA(const QString &pAno);

// Every payroll sheet of the month must be closed; an open one is reported and ends the action
// (Abortar).
void consultaFechamentoFolhas(const QString &pMes);
// The sheet codes of the month that exist: the regular sheet, complementary and 13th-salary sheets.
QStringList FolhasDoMes(const QString &pMes);
// True when no active payroll row of the sheet belongs to an open department and the sheet's
// department table is not empty.
bool Folhafechada(const QString &pMes);

// Moves the departments in state pval_comp to pval_rec in every department table of the month
// (regular, complementary and 13th-salary sheets) that exists.
void Gravar_Status_Fec(const QString &pval_comp, const QString &pval_rec, const QString &pmes_folha);

// The month code of a month letter: "A" gives "JAN", "L" gives "DEZ".
QString EnvLetraRetorna_Mes(const QString &pLetra);

} // namespace TComandosSql
