#pragma once
#include <QString>

namespace TComandosSql {

// True when the database has a table (or view) of that name with at least one column.
bool VerificaSeTabelaExiste(const QString &pTabela);

} // namespace TComandosSql
