#include "econtas/ComandosComplementares.h"

#include "common/uUtil.h"
#include "db/Sql.h"

namespace TComandosSql {

QString SqlComplementaresPorCompetencia(const QString &pMes)
{
    const QString prefixo = LetraDoMes(Sql::ValidarMes(pMes)) + QStringLiteral("C");
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT (SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3)) TABELA"),
        QStringLiteral(" FROM RDB$RELATION_FIELDS"),
        QStringLiteral(" WHERE RDB$RELATION_NAME LIKE %1").arg(Sql::Q(QStringLiteral("%XX02%"))),
        QStringLiteral("  AND SUBSTRING(SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3) FROM 1 FOR 2) = %1")
            .arg(Sql::Q(prefixo)),
    });
}

RowSet RetornaComplementaresPorCompetencia(const QString &pMes)
{
    RowSet consulta = RowSet::abrir(SqlComplementaresPorCompetencia(pMes));
    consulta.first();
    return consulta;
}

RowSet AbrirTabelaKVB020()
{
    RowSet tabela = RowSet::abrir(QStringLiteral("SELECT ANO, NUMMES, MES, CNPJ, GERAL FROM KVB020"));
    tabela.first();
    return tabela;
}

} // namespace TComandosSql
