#include "criticas/SqlCriticas.h"

#include "db/Sql.h"

using Sql::Q;

namespace SqlCriticas {

namespace {

// Position types that need no functional situation.
QString TiposDeCargoIsentos()
{
    const QStringList tipos = {"030", "031", "032", "033", "034", "035", "050",
                               "051", "052", "080", "081", "082", "083", "084"};
    QStringList literais;
    for (const QString &t : tipos)
        literais << Q(t);
    return literais.join(QLatin1Char(','));
}

} // namespace

QString TiposDeCargosNaoInformados()
{
    return Sql::Linhas({
        QStringLiteral("SELECT codigo,"),
        QStringLiteral("       descricao,"),
        QStringLiteral("       vinculo"),
        QStringLiteral("  FROM CARGO_ECONTAS"),
        QStringLiteral(" WHERE TIPOCARGO = %1 OR TIPOCARGO IS NULL").arg(Q(QString())),
    });
}

QString CargosComVagasZeradas()
{
    return Sql::Linhas({
        QStringLiteral("SELECT codigo,"),
        QStringLiteral("       descricao"),
        QStringLiteral("  FROM CARGO_ECONTAS"),
        QStringLiteral(" WHERE numvagas IS NULL or numvagas <= 0"),
    });
}

QString ServidoresSemSituacaoFuncional(const QString &pMes)
{
    const QString mes = Sql::ValidarMes(pMes);
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT p.matricula,"),
        QStringLiteral("      p.nome"),
        QStringLiteral(" FROM KVB001%1 p").arg(mes),
        QStringLiteral("INNER JOIN KVBDXX02%1 f").arg(mes),
        QStringLiteral("   ON (f.matricula = p.matricula AND f.ativo = %1)").arg(Q(QStringLiteral("T"))),
        QStringLiteral("INNER JOIN CARGO_ECONTAS c"),
        QStringLiteral("   ON (p.funcao||p.sistema = c.codigo)"),
        QStringLiteral("WHERE (p.paramtcm = %1 OR p.paramtcm IS NULL)").arg(Q(QString())),
        QStringLiteral("  AND c.tipocargo NOT IN (%1)").arg(TiposDeCargoIsentos()),
        QStringLiteral("ORDER BY p.funcao,"),
        QStringLiteral("      p.sistema"),
    });
}

QString ServidoresComTiposCargosInvalidos(const QString &pMes)
{
    const QString mes = Sql::ValidarMes(pMes);
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT p.matricula"),
        QStringLiteral("     ,p.nome"),
        QStringLiteral("     ,p.funcao||p.sistema AS econtas"),
        QStringLiteral(" FROM KVB001%1 p").arg(mes),
        QStringLiteral("INNER JOIN KVBDXX02%1 f").arg(mes),
        QStringLiteral("   ON f.matricula = p.matricula"),
        QStringLiteral("INNER JOIN CARGO_ECONTAS c"),
        QStringLiteral("   ON ((c.codcargo||c.codvinculo = p.funcao||p.sistema) AND (c.tipocargo not in "
                       "(select s.tipocargo from situacao_funcional_pa s where s.codigo = p.paramtcm)))"),
        QStringLiteral("WHERE f.ativo = %1").arg(Q(QStringLiteral("T"))),
        QStringLiteral("ORDER BY p.funcao,  p.sistema"),
    });
}

QString SecretariasDasUnidadesGestoras(const QString &pMes)
{
    const QString mes = Sql::ValidarMes(pMes);
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT cdsecreta1,"),
        QStringLiteral("       descricao,"),
        QStringLiteral("       cgc as cnpj,"),
        QStringLiteral("       trim(codundgestor) as codundgestor,"),
        QStringLiteral("       tipoorgao"),
        QStringLiteral("  From (SELECT  a.descricao,"),
        QStringLiteral("        coalesce(a.cgc,b.cgc) cgc,"),
        QStringLiteral("        a.codorgao,"),
        QStringLiteral("        coalesce(a.codundgestor,b.codtcm) codundgestor,"),
        QStringLiteral("        a.codundorca,"),
        QStringLiteral("        a.naoenvtrib,"),
        QStringLiteral("        coalesce(a.codorgao_cnpj,b.codorgao)  codorgao_cnpj,"),
        QStringLiteral("        a.cdsetor as cdsetor1,"),
        QStringLiteral("        a.cdsecreta as cdsecreta1,"),
        QStringLiteral("       trim(coalesce(a.tipoorgao, b.tipoorgao)) tipoorgao,"),
        QStringLiteral("       a.status,"),
        QStringLiteral("       a.fundebecontas"),
        QStringLiteral("  FROM kvb006%1 a,").arg(mes),
        QStringLiteral("       kvb003 b"),
        QStringLiteral(" WHERE a.cdsetor = %1 AND naoenvtrib = %2) t010")
            .arg(Q(QStringLiteral("000")), Q(QStringLiteral("F"))),
        QStringLiteral(" ORDER BY 2,1,3"),
    });
}

QString SecretariasDaSelecao(const QString &pSqlPadrao)
{
    return Sql::Linhas(
        {QStringLiteral("SELECT DISTINCT cdsecreta FROM (") + pSqlPadrao + QStringLiteral(") t")});
}

namespace {

QStringList LinhasSecretarias(const QString &pMes)
{
    return {
        QStringLiteral("SELECT cdsecreta,"),
        QStringLiteral("       cdsetor,"),
        QStringLiteral("       descricao,"),
        QStringLiteral("       cgc,"),
        QStringLiteral("       codorgao,"),
        QStringLiteral("       codundgestor,"),
        QStringLiteral("       tipoorgao,"),
        QStringLiteral("       codorgao_cnpj,"),
        QStringLiteral("       codundorca"),
        QStringLiteral("  FROM kvb006%1").arg(Sql::ValidarMes(pMes)),
        QStringLiteral(" WHERE cdsetor = %1").arg(Q(QStringLiteral("000"))),
        QStringLiteral("   AND naoenvtrib <> %1").arg(Q(QStringLiteral("T"))),
    };
}

QString InicioSetores(const QString &pMes)
{
    return QStringLiteral("SELECT DISTINCT cdsecreta, cdsetor, descricao, codundorca FROM KVB006") +
           Sql::ValidarMes(pMes) + QStringLiteral(" WHERE cdsetor <> ") + Q(QStringLiteral("000")) +
           QStringLiteral(" AND NAOENVTRIB = ") + Q(QStringLiteral("F"));
}

const QString OrdemSetores = QStringLiteral(" order by 4,1,2");

} // namespace

QString SecretariasDoMes(const QString &pMes)
{
    return Sql::Linhas(LinhasSecretarias(pMes));
}

QString SecretariasDaFolha(const QString &pMes, const QString &pSqlPadrao)
{
    return Sql::Linhas(LinhasSecretarias(pMes)
                       << QStringLiteral("   AND cdsecreta IN (SELECT DISTINCT cdsecreta")
                       << QStringLiteral("                       FROM (") + pSqlPadrao +
                              QStringLiteral("))"));
}

QString SetoresDoMes(const QString &pMes)
{
    return Sql::Linhas({InicioSetores(pMes) + OrdemSetores});
}

QString SetoresDaFolha(const QString &pMes, const QString &pSqlPadrao)
{
    return Sql::Linhas({InicioSetores(pMes) +
                        QStringLiteral(" AND cdsecreta IN (SELECT DISTINCT cdsecreta FROM (") + pSqlPadrao +
                        QStringLiteral(") t020)") + OrdemSetores});
}

} // namespace SqlCriticas
