#include "export/ComandosExportacao.h"

#include "common/Falha.h"
#include "db/RegistroSql.h"
#include "db/Sql.h"
#include "econtas/TabelasTrabalho.h"

namespace TComandosSql {

namespace {

enum class Ordem { DoBanco, ComoEstao };

// Each order starts with the parent's key and the documented order inside the parent; the remaining
// columns only settle ties, so that two exports of one generation write the same bytes.
RowSet abrirTabela(const TabelaTrabalho &tabela, const QString &pCompetencia, Ordem ordem)
{
    return comPrefixo(QStringLiteral("Error ao abrir a tabela %1 para exportação").arg(tabela.nome()), [&] {
        QStringList linhas = {
            QStringLiteral("SELECT ") + tabela.nomesColunas().join(", "),
            QStringLiteral("  FROM ") + tabela.nome(),
            QStringLiteral(" WHERE COMPETENCIA = ?"),
        };
        if (ordem == Ordem::DoBanco)
            linhas << QStringLiteral(" ORDER BY ") + tabela.ordemExportacao().join(", ");
        return RowSet::abrir(Sql::Linhas(linhas), {pCompetencia});
    });
}

// The rows of a table below another, grouped under their parent. The program puts each parent's rows in
// the engine's order where it is sure of it, which spares the engine sorting the whole table; otherwise
// the table is read again in the engine's order.
void abrirFilhos(const TabelaTrabalho &tabela, const QString &pCompetencia, const RowSet &pai,
                 const QStringList &chave, RowSet &linhas, GrupoFilhos &grupos)
{
    linhas = abrirTabela(tabela, pCompetencia, Ordem::ComoEstao);
    grupos = GrupoFilhos(linhas, pai, chave);
    if (grupos.ordenar(linhas, tabela.ordemExportacao()))
        return;
    RegistrarDesvio(
        QStringLiteral("Tabela %1 lida de novo na ordem do banco: a ordem de algumas linhas depende "
                       "do conjunto de caracteres ou de colunas fora da ordenação")
            .arg(tabela.nome()));
    grupos = GrupoFilhos();
    linhas.fechar();
    linhas = abrirTabela(tabela, pCompetencia, Ordem::DoBanco);
    grupos = GrupoFilhos(linhas, pai, chave);
}

} // namespace

TabelasExportacao CarregaArquivosExportaEcontas(const QString &pCompetencia)
{
    using namespace TabelasTrabalho;
    const QStringList chaveUG = {QStringLiteral("COMPETENCIA"), QStringLiteral("CNPJ"), QStringLiteral("UG")};
    const QStringList chaveUO = chaveUG + QStringList{QStringLiteral("UO")};
    const QStringList chaveMatricula = chaveUO + QStringList{QStringLiteral("MATRICULA")};
    const QStringList chavePagamento = chaveMatricula + QStringList{QStringLiteral("TIPOPAGTO")};
    TabelasExportacao t;
    FilhosExportacao &f = t.filhos;
    t.TBL_EXP_010 = abrirTabela(Econtas010(), pCompetencia, Ordem::DoBanco);
    abrirFilhos(Econtas020(), pCompetencia, t.TBL_EXP_010, chaveUG, t.TBL_EXP_020, f.unidadesOrcamentarias);
    abrirFilhos(Econtas030(), pCompetencia, t.TBL_EXP_020, chaveUO, t.TBL_EXP_030, f.cargos);
    abrirFilhos(Econtas040(), pCompetencia, t.TBL_EXP_020, chaveUO, t.TBL_EXP_040, f.servidores);
    abrirFilhos(Econtas041(), pCompetencia, t.TBL_EXP_040, chaveMatricula, t.TBL_EXP_041, f.pagamentos);
    abrirFilhos(Econtas042(), pCompetencia, t.TBL_EXP_040, chaveMatricula, t.TBL_EXP_042, f.diarias);
    abrirFilhos(Econtas043(), pCompetencia, t.TBL_EXP_041, chavePagamento, t.TBL_EXP_043, f.itens);
    return t;
}

} // namespace TComandosSql
