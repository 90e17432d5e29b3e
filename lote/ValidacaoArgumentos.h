#pragma once
// The values of the batch command's arguments, checked before the database is opened: a usage error
// never touches the database file.
#include "lote/Lote.h"

#include <QDate>

// False with the reason when a value of the verb's arguments or options is not acceptable.
bool ValidarValoresDoVerbo(const ArgumentosLote &args, QString &erro);

// The payment date of --data-pagamento (DD/MM/AAAA); invalid for anything else (31/02/2024 too).
QDate DataDePagamentoDaOpcao(const QString &texto);
