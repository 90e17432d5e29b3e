#include "generation/ComandosFontes.h"

#include "common/Falha.h"
#include "common/uUtil.h"
#include "db/Sql.h"

namespace TComandosSql {

using Sql::Q;

namespace {

RowSet abrirFonte(const QString &registro, const std::function<QString()> &montar)
{
    return comPrefixo(QStringLiteral("Error ao abrir a tabela e-Contas ") + registro, [&] {
        RowSet fonte = RowSet::abrir(montar());
        fonte.first();
        return fonte;
    });
}

const QStringList ColunasDaChave = {"competencia", "cnpj", "ug", "uo", "matricula"};

// "SELECT COUNT(*) AS total FROM <tabela> WHERE competencia = %s AND cnpj = %s ..." over the first columns
// of the key, one per value; each %s is what marca gives for the value.
QString SqlExiste(const QString &tabela, const QStringList &valores,
                  const std::function<QString(const QString &)> &marca)
{
    QStringList condicoes;
    for (qsizetype i = 0; i < valores.size(); ++i)
        condicoes << ColunasDaChave[i] + QStringLiteral(" = ") + marca(valores[i]);
    return QStringLiteral("SELECT COUNT(*) AS total FROM %1 WHERE %2").arg(tabela, condicoes.join(" AND "));
}

QString SqlExisteComLiterais(const QString &tabela, const QStringList &valores)
{
    return SqlExiste(tabela, valores, [](const QString &valor) { return Q(valor); });
}

// The same statement with the values bound: one text per table, whoever is asked about.
bool existe(const QString &tabela, const QStringList &valores)
{
    QVariantList parametros;
    for (const QString &valor : valores)
        parametros << valor;
    RowSet contagem = RowSet::abrir(
        SqlExiste(tabela, valores, [](const QString &) { return QStringLiteral("?"); }), parametros);
    contagem.first();
    return contagem.inteiro(QStringLiteral("total")) > 0;
}

} // namespace

QString SqlEcontas_010(const QString &pMes)
{
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT COALESCE(NULLIF(a.cgc, %1), b.cgc) AS cnpj,").arg(Q(QString())),
        QStringLiteral("       COALESCE (NULLIF(SUBSTRING(a.codundgestor FROM 1 FOR 6), %1), "
                       "SUBSTRING(b.codtcm FROM 1 FOR 6)) AS codundgestor,")
            .arg(Q(QString())),
        QStringLiteral("       TRIM(COALESCE(a.tipoorgao, b.tipoorgao)) AS tipoorgao"),
        QStringLiteral("  FROM kvb006%1 a,").arg(Sql::ValidarMes(pMes)),
        QStringLiteral("       kvb003 b"),
        QStringLiteral(" WHERE a.cdsetor = %1").arg(Q(QStringLiteral("000"))),
        QStringLiteral(" ORDER BY 2,1,3"),
    });
}

QString SqlEcontas_020(const QString &pSqlPadrao)
{
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor,"),
        QStringLiteral("       SUBSTRING(codundorca FROM 1 FOR 6) AS codundorca"),
        QStringLiteral("  FROM (") + pSqlPadrao,
        QStringLiteral("     ) t020 ORDER BY 1, 2"),
    });
}

QString SqlEcontas_030(const QString &pNumeroMes, const QString &pSqlPadrao)
{
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT s.codigo,"),
        QStringLiteral("       s.descricao,      "),
        QStringLiteral("       s.tipocargo,      "),
        QStringLiteral("       s.numvagas,       "),
        QStringLiteral("       s.leicria,        "),
        QStringLiteral("       s.datcria,        "),
        QStringLiteral("       s.codtcm,         "),
        QStringLiteral("       TRIM(SUBSTRING(codundorca FROM 1 FOR 6)) AS codundorca"),
        QStringLiteral("  FROM CARGO_ECONTAS s, (") + pSqlPadrao,
        QStringLiteral("      ) T030"),
        QStringLiteral("  WHERE s.codcargo = t030.funcao   "),
        QStringLiteral("    AND s.codvinculo = t030.sistema"),
        QStringLiteral("    AND s.quadrimestre = ") + Q(pNumeroMes),
        QStringLiteral("  ORDER BY 8, 1"),
    });
}

QString SqlEcontas_040(const QString &pAno, const QString &pSqlPadrao)
{
    const QStringList linhas({
        QStringLiteral("SELECT DISTINCT padrao.matricula,          "),
        QStringLiteral("       TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor, "),
        QStringLiteral("       TRIM(SUBSTRING(codundorca FROM 1 FOR 6)) AS codundorca,     "),
        QStringLiteral("       nome,                               "),
        QStringLiteral("       sexo,                               "),
        QStringLiteral("       cpf,                                "),
        QStringLiteral("       dtnasc,                             "),
        QStringLiteral("       dtadmissao,                         "),
        QStringLiteral("       pispasep,                           "),
        QStringLiteral("       afast.dtinicio AS dtdemissao        "),
        QStringLiteral("  FROM (%1) padrao").arg(pSqlPadrao),
        QStringLiteral("  LEFT JOIN kvb017 afast                   "),
        QStringLiteral("    ON (afast.matricula = padrao.matricula1"),
    });
    QStringList condicoes = CondicoesAfastamento040(pAno);
    condicoes.last() += QLatin1Char(')');
    return Sql::Linhas(linhas + condicoes + QStringList{QStringLiteral(" ORDER BY 2, 3, 1")});
}

QStringList CondicoesAfastamento040(const QString &pAno)
{
    return {
        QStringLiteral("        AND afast.tipo = ") + Q(QStringLiteral("2")),
        QStringLiteral("        AND afast.codfol = ") + Q(QStringLiteral("22")),
        QStringLiteral("        AND afast.anoref = ") + Q(pAno),
        QStringLiteral(" AND afast.mesref IN (%1, %2, %3, %4)")
            .arg(Q(QStringLiteral("01")), Q(QStringLiteral("02")), Q(QStringLiteral("03")),
                 Q(QStringLiteral("04"))),
    };
}

QString SqlEcontas_042(const QString &pMes, const QString &pAno, const QString &pSqlPadrao)
{
    return Sql::Linhas({
        QStringLiteral("SELECT *       "),
        QStringLiteral("  FROM KVBW9927"),
        QStringLiteral(" WHERE matricula IN (SELECT DISTINCT(matricula)"),
        QStringLiteral("                FROM (%1))").arg(pSqlPadrao),
        QStringLiteral("   AND EXTRACT(MONTH FROM datempenho) IN (%1)").arg(NumeroMesDoCodigo(pMes)),
        QStringLiteral("   AND EXTRACT(YEAR FROM datempenho) = ") + Q(pAno),
        QStringLiteral(" ORDER BY 1"),
    });
}

QString SqlEcontas_043(const QString &pSqlPadrao)
{
    return Sql::Linhas({
        QStringLiteral("SELECT matricula,                         "),
        QStringLiteral("       cgc AS cnpj,                       "),
        QStringLiteral("       TRIM(SUBSTRING(codundgestor FROM 1 FOR 6)) AS codundgestor,"),
        QStringLiteral("       TRIM(SUBSTRING(codundorca FROM 1 FOR 6)) AS codundorca,    "),
        QStringLiteral("       padrao.*                           "),
        QStringLiteral("  FROM (%1) padrao ORDER BY 3, 4, 1").arg(pSqlPadrao),
    });
}

RowSet AbrirTabelaECONTAS_010(const QString &pMes)
{
    return abrirFonte(QStringLiteral("010"), [&] { return SqlEcontas_010(pMes); });
}

RowSet AbrirTabelaECONTAS_020(const QString &pSqlPadrao)
{
    return abrirFonte(QStringLiteral("020"), [&] { return SqlEcontas_020(pSqlPadrao); });
}

RowSet AbrirTabelaECONTAS_030(const QString &pNumeroMes, const QString &pSqlPadrao)
{
    return abrirFonte(QStringLiteral("030"), [&] { return SqlEcontas_030(pNumeroMes, pSqlPadrao); });
}

RowSet AbrirTabelaECONTAS_040(const QString &pAno, const QString &pSqlPadrao)
{
    return abrirFonte(QStringLiteral("040"), [&] { return SqlEcontas_040(pAno, pSqlPadrao); });
}

RowSet AbrirTabelaECONTAS_042(const QString &pMes, const QString &pAno, const QString &pSqlPadrao)
{
    return abrirFonte(QStringLiteral("042"), [&] { return SqlEcontas_042(pMes, pAno, pSqlPadrao); });
}

RowSet AbrirTabelaECONTAS_043(const QString &pSqlPadrao)
{
    return abrirFonte(QStringLiteral("043"), [&] { return SqlEcontas_043(pSqlPadrao); });
}

RowSet RetornaCargosEcontas()
{
    RowSet cargos = RowSet::abrir(QStringLiteral("SELECT * FROM CARGO_ECONTAS"));
    cargos.first();
    return cargos;
}

QString SqlExisteEcontas_010(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG)
{
    return SqlExisteComLiterais(QStringLiteral("econtas_010"), {pCompetencia, pCNPJ, pUG});
}

QString SqlExisteEcontas_020(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                             const QString &pUO)
{
    return SqlExisteComLiterais(QStringLiteral("econtas_020"), {pCompetencia, pCNPJ, pUG, pUO});
}

QString SqlExisteEcontas_040(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                             const QString &pUO, const QString &pMatricula)
{
    return SqlExisteComLiterais(QStringLiteral("econtas_040"), {pCompetencia, pCNPJ, pUG, pUO, pMatricula});
}

bool ValidarProximoRegistroEcontas_020(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG)
{
    return existe(QStringLiteral("econtas_010"), {pCompetencia, pCNPJ, pUG});
}

bool ValidarProximoRegistroEcontas_030(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO)
{
    return existe(QStringLiteral("econtas_020"), {pCompetencia, pCNPJ, pUG, pUO});
}

bool ValidarProximoRegistroEcontas_040(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO)
{
    return ValidarProximoRegistroEcontas_030(pCompetencia, pCNPJ, pUG, pUO);
}

bool ValidarProximoRegistroEcontas_041(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO, const QString &pMatricula)
{
    return existe(QStringLiteral("econtas_040"), {pCompetencia, pCNPJ, pUG, pUO, pMatricula});
}

bool ValidarProximoRegistroEcontas_042(const QString &pCompetencia, const QString &pCNPJ, const QString &pUG,
                                       const QString &pUO, const QString &pMatricula)
{
    return ValidarProximoRegistroEcontas_041(pCompetencia, pCNPJ, pUG, pUO, pMatricula);
}

} // namespace TComandosSql
