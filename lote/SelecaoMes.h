#pragma once
// Selecting a month in the batch command, as a click on the month list does.
#include "lote/Lote.h"

// Selects the competence MMYYYY of the payroll year: state fields, payment date (the last day of the
// month unless --data-pagamento DD/MM/AAAA), base selection. Concluido, or Falhou for a month without a
// control row.
StatusSaida SelecionarMes(ContextoLote &contexto, const QString &mmYYYY);
