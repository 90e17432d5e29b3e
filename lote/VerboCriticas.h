#pragma once
// The critique in the batch command, also the first step of `processar`.
#include "lote/Lote.h"

// Runs the critique of the month already selected and prints, for each group with findings in group
// order, its header, subtitle, lines and item count. Concluido when nothing blocks generation (the
// month was stamped), InterrompidoPeloFluxo when something does.
int CriticarMesSelecionado(ContextoLote &contexto);
