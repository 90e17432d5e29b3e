#pragma once
// The critique run of the selected competence: every consistency check in its fixed order, the outcome
// flags that gate and warn the generation, the findings offered to the operator, and the critique stamp
// of the control row when nothing blocks generation.
#include "common/ListasCriticas.h"

#include <QString>

struct TEstadoEcontas;

// The critique button: checks that a month is selected, opens the record source sets, runs the checks
// and, when nothing blocks generation, stamps DT_CRITICAS and USUARIO and reloads the month list.
// Returns the findings of the run (all empty when no check ran). Failures propagate as Falha.
ListasCriticas btnCriticasClick(TEstadoEcontas &estado);

// The run itself over the open record source sets: sets ErroCritica and SomenteErroNaPessoal, rebuilds
// the base selection, asks whether to view the findings and shows them. Returns the findings.
ListasCriticas VisualizarCriticas(TEstadoEcontas &estado);

// What a critique that lets the generation go on leaves in the status line.
QString StatusCriticasSemCritica();
QString StatusCriticasSoNoPessoal();
