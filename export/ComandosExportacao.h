#pragma once
// The work tables as the export reads them: every row of one competence, one statement per table,
// ordered so that the rows of each parent come in the order of the file.
#include "db/RowSet.h"

#include <QString>

namespace TComandosSql {

struct TabelasExportacao {
    RowSet TBL_EXP_010;
    RowSet TBL_EXP_020;
    RowSet TBL_EXP_030;
    RowSet TBL_EXP_040;
    RowSet TBL_EXP_041;
    RowSet TBL_EXP_042;
    RowSet TBL_EXP_043;
};

// Raises "Error ao abrir a tabela ECONTAS_0nn para exportação" + CR + the database's message.
TabelasExportacao CarregaArquivosExportaEcontas(const QString &pCompetencia);

} // namespace TComandosSql
