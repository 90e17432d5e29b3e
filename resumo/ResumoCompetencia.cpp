#include "resumo/ResumoCompetencia.h"

#include "db/RowSet.h"
#include "db/Sql.h"

#include <QHash>

namespace {

using Chave = QString; // CNPJ|UG|UO (UO empty for the managing unit's own records)

Chave chave(const QString &cnpj, const QString &ug, const QString &uo = QString())
{
    return cnpj + QLatin1Char('|') + ug + QLatin1Char('|') + uo;
}

struct Acumulador {
    QHash<Chave, LinhaResumo> linhas;

    LinhaResumo &linha(const RowSet &r, bool comUO)
    {
        const QString cnpj = r.texto(QStringLiteral("CNPJ"));
        const QString ug = r.texto(QStringLiteral("UG"));
        const QString uo = comUO ? r.texto(QStringLiteral("UO")) : QString();
        LinhaResumo &l = linhas[chave(cnpj, ug, uo)];
        l.cnpj = cnpj;
        l.ug = ug;
        l.uo = uo;
        return l;
    }
};

// Runs a grouped statement on one work table and hands every row to the given step.
template <typename Passo>
void lerAgrupado(const QString &colunas, const QString &tabela, const QString &condicao,
                 const QString &agrupamento, const QString &competencia, Passo passo)
{
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE COMPETENCIA = ?").arg(colunas, tabela);
    if (!condicao.isEmpty())
        sql += QStringLiteral(" AND ") + condicao;
    sql += QStringLiteral(" GROUP BY ") + agrupamento;
    RowSet r = RowSet::abrir(sql, {competencia});
    for (r.first(); !r.eof(); r.next())
        passo(r);
}

void lerUnidades(Acumulador &a, const QString &competencia)
{
    lerAgrupado(QStringLiteral("CNPJ, UG, MAX(DESCRICAO) AS DESCRICAO, COUNT(*) AS N"),
                QStringLiteral("ECONTAS_010"), {}, QStringLiteral("CNPJ, UG"), competencia, [&](RowSet &r) {
                    LinhaResumo &l = a.linha(r, false);
                    l.descricao = r.texto(QStringLiteral("DESCRICAO"));
                    l.totais.registros[0] += r.inteiro(QStringLiteral("N"));
                });
    lerAgrupado(QStringLiteral("CNPJ, UG, UO, MAX(DESCRICAO) AS DESCRICAO, COUNT(*) AS N"),
                QStringLiteral("ECONTAS_020"), {}, QStringLiteral("CNPJ, UG, UO"), competencia,
                [&](RowSet &r) {
                    LinhaResumo &l = a.linha(r, true);
                    l.descricao = r.texto(QStringLiteral("DESCRICAO"));
                    l.totais.registros[1] += r.inteiro(QStringLiteral("N"));
                });
}

void lerContagem(Acumulador &a, const QString &competencia, const QString &tabela, int tipo,
                 const QString &condicao = QString())
{
    lerAgrupado(QStringLiteral("CNPJ, UG, UO, COUNT(*) AS N"), tabela, condicao,
                QStringLiteral("CNPJ, UG, UO"), competencia, [&](RowSet &r) {
                    a.linha(r, true).totais.registros[tipo] += r.inteiro(QStringLiteral("N"));
                });
}

void lerPagamentos(Acumulador &a, const QString &competencia)
{
    lerAgrupado(QStringLiteral("CNPJ, UG, UO, TIPOPAGTO, COUNT(*) AS N, SUM(REMUNBASE) AS REMUNBASE, "
                               "SUM(TOTGRATFUNC) AS TOTGRATFUNC, SUM(TOTOUTREMU) AS TOTOUTREMU, "
                               "SUM(TOTDESC) AS TOTDESC, SUM(CONTRIBPREV) AS CONTRIBPREV, SUM(IRRF) AS IRRF"),
                QStringLiteral("ECONTAS_041"), {}, QStringLiteral("CNPJ, UG, UO, TIPOPAGTO"), competencia,
                [&](RowSet &r) {
                    TotaisResumo &t = a.linha(r, true).totais;
                    const int n = r.inteiro(QStringLiteral("N"));
                    t.registros[4] += n;
                    t.pagamentosPorTipo[r.inteiro(QStringLiteral("TIPOPAGTO"))] += n;
                    t.remuneracaoBase += r.dinheiro(QStringLiteral("REMUNBASE"));
                    t.gratificacoes += r.dinheiro(QStringLiteral("TOTGRATFUNC"));
                    t.outrasRemuneracoes += r.dinheiro(QStringLiteral("TOTOUTREMU"));
                    t.descontos += r.dinheiro(QStringLiteral("TOTDESC"));
                    t.contribuicaoPrevidenciaria += r.dinheiro(QStringLiteral("CONTRIBPREV"));
                    t.irrf += r.dinheiro(QStringLiteral("IRRF"));
                });
}

void lerDiarias(Acumulador &a, const QString &competencia)
{
    lerAgrupado(QStringLiteral("CNPJ, UG, UO, COUNT(*) AS N, SUM(VALOR) AS VALOR"),
                QStringLiteral("ECONTAS_042"), {}, QStringLiteral("CNPJ, UG, UO"), competencia,
                [&](RowSet &r) {
                    TotaisResumo &t = a.linha(r, true).totais;
                    const int n = r.inteiro(QStringLiteral("N"));
                    t.registros[5] += n;
                    t.diarias += n;
                    t.valorDiarias += r.dinheiro(QStringLiteral("VALOR"));
                });
}

// Managing units by code, each followed by its budget units by code; the managing unit's line adds up
// everything below it.
QList<LinhaResumo> ordenarComTotaisDasGestoras(const QHash<Chave, LinhaResumo> &linhas)
{
    QMap<Chave, LinhaResumo> ordenadas;
    for (const LinhaResumo &l : linhas)
        ordenadas.insert(chave(l.ug, l.cnpj, l.uo), l);
    for (const LinhaResumo &l : linhas) {
        if (l.eUnidadeGestora())
            continue;
        LinhaResumo &gestora = ordenadas[chave(l.ug, l.cnpj)];
        gestora.cnpj = l.cnpj;
        gestora.ug = l.ug;
        gestora.totais.somar(l.totais);
    }
    return ordenadas.values();
}

} // namespace

void TotaisResumo::somar(const TotaisResumo &outro)
{
    for (size_t i = 0; i < registros.size(); ++i)
        registros[i] += outro.registros[i];
    for (auto it = outro.pagamentosPorTipo.cbegin(); it != outro.pagamentosPorTipo.cend(); ++it)
        pagamentosPorTipo[it.key()] += it.value();
    remuneracaoBase += outro.remuneracaoBase;
    gratificacoes += outro.gratificacoes;
    outrasRemuneracoes += outro.outrasRemuneracoes;
    descontos += outro.descontos;
    contribuicaoPrevidenciaria += outro.contribuicaoPrevidenciaria;
    irrf += outro.irrf;
    diarias += outro.diarias;
    valorDiarias += outro.valorDiarias;
}

ResumoCompetencia CalcularResumo(const QString &competencia)
{
    Acumulador a;
    lerUnidades(a, competencia);
    lerContagem(a, competencia, QStringLiteral("ECONTAS_030"), 2);
    lerContagem(a, competencia, QStringLiteral("ECONTAS_040"), 3);
    lerPagamentos(a, competencia);
    lerDiarias(a, competencia);
    lerContagem(a, competencia, QStringLiteral("ECONTAS_043"), 6, QStringLiteral("TIPOGRAT IN (0, 1)"));

    ResumoCompetencia resumo;
    resumo.competencia = competencia;
    resumo.linhas = ordenarComTotaisDasGestoras(a.linhas);
    for (const LinhaResumo &l : resumo.linhas)
        if (l.eUnidadeGestora())
            resumo.geral.somar(l.totais);
    return resumo;
}
