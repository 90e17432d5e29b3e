#pragma once
// The base payroll selection: the SELECT that says who is reported in a competence, pasted by the
// record source queries, the checks and the previews as a derived table, and the sheet sets that a
// generation build loads beside it.
#include <QString>

struct TEstadoEcontas;

namespace TComandosSql {

// The department exclusion of the month: empty when no department is marked as not sent, otherwise
// " AND ( (term) AND  (term))" with one term per marked secretariat or department.
QString SelecaoDasSecretarias(const QString &pMes);

// The four statements of one build: the base selection and, for generation, the statements of the
// complementary, 13th-advance and 13th-final sheet sets (empty when the month has no such sheet).
struct TextosSelecao {
    QString base;
    QString complementar;
    QString decimoAdiantamento;
    QString decimoFinal;
};
TextosSelecao MontarTextosSelecao(int pTipo, const QString &pMes, const QString &pAno);

// The base selection's rows with the staff columns and the sheet's registration only: the same staff
// as the base selection (same branches, filters and unit join), without sorting every sheet column for
// the UNION. Empty when the month has no personnel table.
QString SelecaoBaseDoPessoal(const QString &pMes, const QString &pAno);

// Builds the base selection into estado.SQLPadrao and checks that the database accepts it.
// pSenderGeracao: the build was asked by the generation (the FUNDEB question is asked; a No aborts
// silently after SQLPadrao is replaced). pTipo 1 also replaces the three sheet sets.
void ConfiguracaoEContas(TEstadoEcontas &estado, bool pSenderGeracao, int pTipo, const QString &pMes,
                         const QString &pAno, const QString &pDataPagamento, const QString &pCNPJ);

// A sheet code stored in KVB020 is pasted into table names: only a complementary code (month letter,
// "C", digit) is accepted. Returns the code or raises.
QString ValidarFolhaComplementar(const QString &codigo);

} // namespace TComandosSql
