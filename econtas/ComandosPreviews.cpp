#include "econtas/ComandosPreviews.h"

#include "common/Falha.h"
#include "db/Sql.h"

namespace TComandosSql {

namespace {
RowSet abrirNoPrimeiro(const QString &sql)
{
    RowSet consulta = RowSet::abrir(sql);
    consulta.first();
    return consulta;
}
} // namespace

QString SqlUnidadesGestoras(const QString &pMes)
{
    const QString vazio = Sql::Q(QString());
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT c.descricao_unidade,"),
        QStringLiteral("       COALESCE(NULLIF(a.cgc, %1), b.cgc) AS cnpj,").arg(vazio),
        QStringLiteral("       COALESCE(NULLIF(a.codundgestor, %1), b.codtcm) AS codundgestor").arg(vazio),
        QStringLiteral("  FROM KVB006%1 a,").arg(Sql::ValidarMes(pMes)),
        QStringLiteral("       KVB003 b,"),
        QStringLiteral("       UNIDADE_ORCAMENTARIA c"),
        QStringLiteral(" WHERE a.cdsetor = %1").arg(Sql::Q(QStringLiteral("000"))),
        QStringLiteral("   AND ((a.codundgestor = c.codigo_unidade) or (b.codtcm = c.codigo_unidade))"),
        QStringLiteral(" ORDER BY c.codigo_unidade"),
    });
}

QString SqlUnidadesOrcamentarias(const QString &pSqlPadrao)
{
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor,"),
        QStringLiteral("       SUBSTRING(codundorca FROM 1 FOR 6) AS codundorca"),
        QStringLiteral("  FROM (") + pSqlPadrao + QStringLiteral(") t020"),
        QStringLiteral(" ORDER BY 1, 2"),
    });
}

RowSet ConsultaUnidadesGestoras(const QString &pMes)
{
    return comPrefixo(QStringLiteral("Error ao consultar unidades gestoras! "),
                      [&] { return abrirNoPrimeiro(SqlUnidadesGestoras(pMes)); });
}

RowSet ConsultaUnidadesOrcamentarias(const QString &pSqlPadrao)
{
    return comPrefixo(QStringLiteral("Error ao consultar unidades orçamentarias! "),
                      [&] { return abrirNoPrimeiro(SqlUnidadesOrcamentarias(pSqlPadrao)); });
}

} // namespace TComandosSql
