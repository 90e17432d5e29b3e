#pragma once
// TComandosSql: every statement the module runs against the payroll database, grouped by purpose.
// Each group has its own header; this one brings them all in.
#include "db/ComandosControle.h"
#include "db/ComandosManutencao.h"
#include "db/ComandosTabelas.h"
#include "db/ComandosFontes.h"
#include "db/ComandosSelecao.h"
#include "db/ComandosComplementares.h"
#include "db/ComandosPreviews.h"
#include "db/ReservaCompetencia.h"
#include "db/ComandosExportacao.h"
