#pragma once
// The bonus and discount items of one payment (record 043): the fixed columns of the payroll row, the
// event slots of the sheet summed per event code, the complementary sheets' amounts and, for staff on
// maternity leave, the proportional values of TB_GESTANTE.
#include "db/Dinheiro.h"

#include <QList>
#include <QString>
#include <QStringList>

class RowSet;
struct TEstadoEcontas;
struct TContextoGeracao;

// One payroll row of a sheet set: the month's selection (Econtas043) or a 13th-salary sheet set.
struct LinhaDaFolha {
    const RowSet &conjunto;
    int linha; // absolute index
};

namespace TComandosSql {

// Writes the items of the current staff member for the payment type (1 the month's sheet, 2 the
// 13th-salary advance, 3 the 13th-salary final payment) from his payroll row of that sheet.
void InsereItensFolha(TEstadoEcontas &estado, TContextoGeracao &contexto, int pTipo, LinhaDaFolha folha);

// The code of the staff member's leave covering the month ("14" is maternity leave), or empty.
QString LicencaGestante(const QString &pMes, const QString &pAno, const QString &pMatricula, int pTipo);
// The maternity-salary event code of a sheet, or empty.
QString RetornaCodEventoSalmaternidade(const QString &pMes);
// The event's proportional value for a staff member on maternity leave in the payroll year; the count
// of the maternity bookkeeping picks the row of an event that is not fixed.
Dinheiro RetornaValorGestanteProp(const QString &pAno, int pContEventGest, const QString &pMatricula,
                                  const QString &pEvento, const QString &pMes);

// The statement texts, also used by the per-generation caches.
// The event slots of a sheet (and of the complementary sheets merged with it) as one UNION.
// The payroll columns the fixed item of this event code is valued from in a monthly payment (empty for
// an event that is not fixed), and the numbers of the event slots of a sheet.
QStringList ColunasDoItemFixo(const QString &codigo);
const QList<int> &NumerosDosSlotsDeEventos();

QString SqlSlotsDeEventos(const QString &pFolha, const QStringList &pComplementares);
// The same UNION with each part keeping only the slots that hold an event code, for sums that drop the
// empty codes anyway: the same rows come out (a row's code decides alone whether it stays), and the
// union sorts a fraction of them.
QString SqlSlotsComCodigo(const QString &pFolha, const QStringList &pComplementares);
// The slots of one staff member summed per event code.
QString SqlSomaDosSlots(const QString &pSlots, const QString &pMatricula);
// The event's definition in a month's events table.
QString SqlDefinicaoEvento(const QString &pMes, const QString &pCodigo);
// Leaves that start by the end of the month and end on or after its first day.
QString SqlLicencaGestante(const QString &pMes, const QString &pAno, const QString &pMatricula);
// The same leaves of every staff member, by registration and newest first.
QString SqlLicencasDoMes(const QString &pMes, const QString &pAno);

} // namespace TComandosSql
