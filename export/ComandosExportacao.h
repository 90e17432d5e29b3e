#pragma once
// The work tables as the export reads them: every row of one competence, one statement per table, and
// the rows of each parent grouped in the order of the file.
#include "db/RowSet.h"
#include "export/FilhosExportacao.h"

#include <QString>

namespace TComandosSql {

struct TabelasExportacao {
    RowSet TBL_EXP_010; // in the order of the files
    RowSet TBL_EXP_020; // these in any order: filhos gives each parent's rows in order
    RowSet TBL_EXP_030;
    RowSet TBL_EXP_040;
    RowSet TBL_EXP_041;
    RowSet TBL_EXP_042;
    RowSet TBL_EXP_043;
    FilhosExportacao filhos;
};

// Raises "Error ao abrir a tabela ECONTAS_0nn para exportação" + CR + the database's message.
TabelasExportacao CarregaArquivosExportaEcontas(const QString &pCompetencia);

} // namespace TComandosSql
