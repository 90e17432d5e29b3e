#pragma once
// The payment record (041) of one staff member and payment type, totalled from the items already written
// for that payment and completed with his dependants, FUNDEB marking, situation, position and process.
#include "db/RowSet.h"
#include "econtas/uEContas43.h"

#include <QList>

#include <QString>

struct TEstadoEcontas;
struct TContextoGeracao;

namespace TComandosSql {

// Writes or updates the current staff member's record 041 for the payment type; advances the 041 bar.
void InsereArquivo041(TEstadoEcontas &estado, TContextoGeracao &contexto, int pTipo);

// The items of one payment (pDTPAGTO as "dd.mm.yyyy").
RowSet ConsultaDetalhamentoDasGratificacoes(const QString &pCompetencia, const QString &pCNPJ,
                                            const QString &pUG, const QString &pUO, const QString &pMatricula,
                                            const QString &pDTPAGTO, int pTipopagto);

// The rows of ECONTAS_043 read by ConsultaDetalhamentoDasGratificacoes as item records (NULL bonus type
// and number as -1).
QList<TEContas43> ItensDoConjunto(RowSet &itens);
// The e-Contas position code of the current staff member, from QryCargoEcontas.
QString RetornaCodigoCargo(TEstadoEcontas &estado);

// True when the staff member's record 040 is in ECONTAS_040: answered from what this generation wrote,
// else by the database.
bool ExisteRegistro040(TContextoGeracao &contexto, const QString &pCompetencia, const QString &pCNPJ,
                       const QString &pUG, const QString &pUO, const QString &pMatricula);

// The FUNDEB marking of a staff member's department: 2 when marked, else 1 (also without a department).
int FundebDaMatricula(const QString &pMes, const QString &pMatricula);
// The FUNDEB statement as the payroll system writes it; Qt's Firebird driver binds it with a positional "?".
QString SqlFundeb(const QString &pMes);
inline const QString ParametroFundeb = QStringLiteral(":matricula");

} // namespace TComandosSql
