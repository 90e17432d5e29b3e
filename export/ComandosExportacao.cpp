#include "export/ComandosExportacao.h"

#include "common/Falha.h"
#include "db/Sql.h"

namespace TComandosSql {

namespace {

// Each order starts with the parent's key and the documented order inside the parent; the remaining
// columns only settle ties, so that two exports of one generation write the same bytes.
RowSet abrirTabela(const QString &tabela, const QString &colunas, const QString &ordem,
                   const QString &pCompetencia)
{
    return comPrefixo(QStringLiteral("Error ao abrir a tabela %1 para exportação").arg(tabela), [&] {
        return RowSet::abrir(Sql::Linhas({
                                 QStringLiteral("SELECT ") + colunas,
                                 QStringLiteral("  FROM ") + tabela,
                                 QStringLiteral(" WHERE COMPETENCIA = ?"),
                                 QStringLiteral(" ORDER BY ") + ordem,
                             }),
                             {pCompetencia});
    });
}

} // namespace

TabelasExportacao CarregaArquivosExportaEcontas(const QString &pCompetencia)
{
    const QString chave020 = QStringLiteral("COMPETENCIA, CNPJ, UG, UO");
    const QString chave040 = chave020 + QStringLiteral(", MATRICULA");
    TabelasExportacao t;
    t.TBL_EXP_010 = abrirTabela(QStringLiteral("ECONTAS_010"),
                                QStringLiteral("COMPETENCIA, CNPJ, UG, DESCRICAO, TIPO, CODTCM"),
                                QStringLiteral("UG, CNPJ, DESCRICAO, TIPO, CODTCM"), pCompetencia);
    t.TBL_EXP_020 =
        abrirTabela(QStringLiteral("ECONTAS_020"), chave020 + QStringLiteral(", DESCRICAO, TIPO, CODTCM"),
                    QStringLiteral("CNPJ, UG, UO, DESCRICAO, TIPO, CODTCM"), pCompetencia);
    t.TBL_EXP_030 = abrirTabela(
        QStringLiteral("ECONTAS_030"),
        chave020 + QStringLiteral(", CODIGO, DESCRICAO, TIPO, TOTVAGAS, NUMATO, DTATO"),
        QStringLiteral("CNPJ, UG, UO, CODIGO, DESCRICAO, TIPO, TOTVAGAS, NUMATO, DTATO"), pCompetencia);
    t.TBL_EXP_040 = abrirTabela(
        QStringLiteral("ECONTAS_040"),
        chave040 + QStringLiteral(", CPF, NOME, SEXO, DTNASC, DTADMISSAO, DTDEMISSAO, PISPASEP"),
        QStringLiteral("CNPJ, UG, UO, MATRICULA, CPF, NOME, SEXO, DTNASC, DTADMISSAO, DTDEMISSAO, PISPASEP"),
        pCompetencia);
    t.TBL_EXP_041 = abrirTabela(
        QStringLiteral("ECONTAS_041"),
        chave040 + QStringLiteral(", TIPOPAGTO, DTPAGTO, REMUNBASE, TOTGRATFUNC, TOTOUTREMU, TOTDESC, "
                                  "CONTRIBPREV, IRRF, DEPIR, FUNDEB, SITUACAO, CODCARGO, NUMPROC"),
        QStringLiteral("CNPJ, UG, UO, MATRICULA, TIPOPAGTO, DTPAGTO, REMUNBASE, TOTGRATFUNC, TOTOUTREMU, "
                       "TOTDESC, CONTRIBPREV, IRRF, DEPIR, FUNDEB, SITUACAO, CODCARGO, NUMPROC"),
        pCompetencia);
    t.TBL_EXP_042 = abrirTabela(
        QStringLiteral("ECONTAS_042"),
        chave040 + QStringLiteral(", DTPAGTO, VALOR, NUMATO, DTATO, MOTIVO, DESTINO, INICIO, FIM"),
        QStringLiteral(
            "CNPJ, UG, UO, MATRICULA, DTPAGTO, NUMATO, VALOR, DTATO, MOTIVO, DESTINO, INICIO, FIM"),
        pCompetencia);
    t.TBL_EXP_043 = abrirTabela(
        QStringLiteral("ECONTAS_043"),
        chave040 + QStringLiteral(", TIPOPAGTO, DTPAGTO, CODEVENTO, TIPOGRAT, VALOR, CODGRAT"),
        QStringLiteral("CNPJ, UG, UO, MATRICULA, TIPOPAGTO, CODEVENTO, DTPAGTO, TIPOGRAT, CODGRAT, VALOR"),
        pCompetencia);
    return t;
}

} // namespace TComandosSql
