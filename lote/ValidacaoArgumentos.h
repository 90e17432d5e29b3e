#pragma once
// The values of the batch command's arguments, checked before the database is opened: a usage error
// never touches the database file.
#include "lote/Verbos.h"

#include <QDate>

// False with the reason when a value of the verb's arguments or options is not acceptable: the
// competence of a verb that names one, the payment date, and what the verb checks itself.
bool ValidarValoresDoVerbo(const DefinicaoVerbo &verbo, const ArgumentosLote &args, QString &erro);

// The payment date of --data-pagamento (DD/MM/AAAA); invalid for anything else (31/02/2024 too).
QDate DataDePagamentoDaOpcao(const QString &texto);
