#pragma once
// The control table CTRL_TCMTPA: one row per competence, with the dates of its last critique,
// generation and export and the user who ran it.
#include <QString>

namespace TComandosSql {

enum class CarimboControle { Criticas, Geracao, Exportacao };

// Stamps the competence's control row (found by MES_ANO) with today's date (no time of day) in the
// column of the action and the user in USUARIO. Without such a row nothing is stamped and nothing said.
void CarimbarControle(CarimboControle carimbo, const QString &competencia, const QString &usuario);

} // namespace TComandosSql
