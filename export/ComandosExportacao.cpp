#include "export/ComandosExportacao.h"

#include "common/Falha.h"
#include "db/Sql.h"
#include "econtas/TabelasTrabalho.h"

namespace TComandosSql {

namespace {

// Each order starts with the parent's key and the documented order inside the parent; the remaining
// columns only settle ties, so that two exports of one generation write the same bytes.
RowSet abrirTabela(const TabelaTrabalho &tabela, const QString &pCompetencia)
{
    return comPrefixo(QStringLiteral("Error ao abrir a tabela %1 para exportação").arg(tabela.nome()), [&] {
        return RowSet::abrir(Sql::Linhas({
                                 QStringLiteral("SELECT ") + tabela.nomesColunas().join(", "),
                                 QStringLiteral("  FROM ") + tabela.nome(),
                                 QStringLiteral(" WHERE COMPETENCIA = ?"),
                                 QStringLiteral(" ORDER BY ") + tabela.ordemExportacao().join(", "),
                             }),
                             {pCompetencia});
    });
}

} // namespace

TabelasExportacao CarregaArquivosExportaEcontas(const QString &pCompetencia)
{
    using namespace TabelasTrabalho;
    TabelasExportacao t;
    t.TBL_EXP_010 = abrirTabela(Econtas010(), pCompetencia);
    t.TBL_EXP_020 = abrirTabela(Econtas020(), pCompetencia);
    t.TBL_EXP_030 = abrirTabela(Econtas030(), pCompetencia);
    t.TBL_EXP_040 = abrirTabela(Econtas040(), pCompetencia);
    t.TBL_EXP_041 = abrirTabela(Econtas041(), pCompetencia);
    t.TBL_EXP_042 = abrirTabela(Econtas042(), pCompetencia);
    t.TBL_EXP_043 = abrirTabela(Econtas043(), pCompetencia);
    return t;
}

} // namespace TComandosSql
