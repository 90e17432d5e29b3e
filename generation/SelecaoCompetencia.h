#pragma once
// The click on a month: the competence's state fields, its base selection and the buttons its control
// row allows.
#include "econtas/Principal.h"

// Selects a competence with the given payment date: state fields, base selection, button states.
BotoesMes SelecionarCompetencia(TEstadoEcontas &estado, const LinhaMes &linha, const QDate &dataPagamento);
// A click on a month row: as above, with the last day of the month as payment date.
BotoesMes lvPrincipalClick(TEstadoEcontas &estado, const LinhaMes &linha);
