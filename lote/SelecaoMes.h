#pragma once
// Selecting a month in the batch command, as a click on the month list does.
#include "lote/Lote.h"

// Selects the competence MMYYYY of the payroll year: state fields, payment date (the last day of the
// month unless --data-pagamento DD/MM/AAAA), base selection. Returns the exit status to go on with:
// Concluido, ErroDeUso for a malformed argument, Falhou for a month without a control row.
int SelecionarMes(ContextoLote &contexto, const QString &mmYYYY);

// As SelecionarMes, for verbs that need the month generated (as the window, whose export button stays
// disabled until then): InterrompidoPeloFluxo, with a line saying so, when it is not.
int SelecionarMesGerado(ContextoLote &contexto, const QString &mmYYYY);
