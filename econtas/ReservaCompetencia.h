#pragma once
// The claim of a competence by one run (critique, generation, export, undo): its control row is locked
// in the run's transaction, so that it is held exactly as long as the run's work.
#include <QString>

namespace TComandosSql {

// Locks the competence's control row in the open transaction. When another workstation holds it, raises
// CompetenciaEmUso at once instead of waiting for the other run to end.
void ReservarCompetencia(const QString &competencia);

// The first line of the refusal; the engine's own text follows on the next line.
QString MensagemCompetenciaEmUso(const QString &competencia);

// The statement that locks the competence's control row (no trigger runs, no value changes).
QString SqlReservaCompetencia(const QString &competencia);

} // namespace TComandosSql
