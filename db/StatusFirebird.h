#pragma once
// The Firebird client's status vector, for the few calls made to the client library itself.
#include <QString>

#include <ibase.h>

namespace Sql {

// The engine's lines for a status vector, one per line.
QString TextoDoStatus(const ISC_STATUS *status);
// The status of a failure that another transaction's lock caused.
bool EhConflitoDeBloqueio(const ISC_STATUS *status);

} // namespace Sql
