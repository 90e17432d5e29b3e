#include "generation/ComandosTabelas.h"

#include "common/Falha.h"
#include "common/uUtil.h"
#include "db/RowSet.h"
#include "db/Sql.h"

namespace TComandosSql {

bool VerificaSeTabelaExiste(const QString &pTabela)
{
    try {
        const QString sql = Sql::Linhas({
            QStringLiteral("SELECT RDB$RELATION_NAME, "),
            QStringLiteral("       RDB$FIELD_NAME     "),
            QStringLiteral("  FROM RDB$RELATION_FIELDS"),
            QStringLiteral(" WHERE RDB$RELATION_NAME = ") + Sql::Q(MaiusculasAscii(pTabela)),
        });
        RowSet consulta = RowSet::abrir(sql);
        consulta.first();
        return !consulta.texto(QStringLiteral("RDB$RELATION_NAME")).isEmpty();
    } catch (const Falha &f) {
        relancar(
            QStringLiteral("Error ao consultar a existencia da tabela ") + pTabela + QStringLiteral(". "), f);
    }
}

} // namespace TComandosSql
