#pragma once
// Emptying the work tables of one competence (before it is generated again, or when its generation is
// undone) and clearing the stamps of its control row. Called without a competence, the emptying steps
// are the start-up reset of the splash: they change no data and only move the splash bar.
#include <QString>

namespace TComandosSql {

// One start-up step: 0 to 5 the work tables 010, 020, 030, 040, 041 and 043, 6 KVB020; others nothing.
void ApagarTabelasEcontas(int pItem);
// Empties the seven work tables for the competence, in record order; stops at the first failure.
void ApagarTabelasEcontasPorCompetencia(const QString &pCompetencia);

void AparagarECONTAS_010(const QString &pCompetencia);
void AparagarECONTAS_020(const QString &pCompetencia);
void AparagarECONTAS_030(const QString &pCompetencia);
void AparagarECONTAS_040(const QString &pCompetencia);
void AparagarECONTAS_041(const QString &pCompetencia);
void AparagarECONTAS_042(const QString &pCompetencia);
void AparagarECONTAS_043(const QString &pCompetencia);
void AparagarKVB020();

// Clears DT_CRITICAS, DT_GERACAO, DT_EXPORTACAO and USUARIO of the competence's control row.
void ExcluirGeracaoEcontas(const QString &pCampo);

} // namespace TComandosSql
