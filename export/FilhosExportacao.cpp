#include "export/FilhosExportacao.h"

#include "db/OrdemDoBanco.h"

#include <algorithm>

namespace {

QList<int> colunasDe(const RowSet &tabela, const QStringList &nomes)
{
    QList<int> colunas;
    for (const QString &nome : nomes)
        colunas << tabela.indiceCampoObrigatorio(nome);
    return colunas;
}

// Two rows by the columns of an ORDER BY, column after column.
OrdemDoBanco compararLinhas(const RowSet &tabela, const QList<int> &colunas, int a, int b)
{
    bool certa = true;
    for (int c : colunas) {
        if (tabela.mesmaCelula(a, b, c))
            continue;
        const OrdemDoBanco ordem = CompararComoOBanco(tabela.valorEm(a, c), tabela.valorEm(b, c));
        certa = certa && ordem.certa;
        if (ordem.comparacao != 0)
            return {ordem.comparacao, certa};
    }
    return {0, certa};
}

bool mesmaLinha(const RowSet &tabela, int a, int b)
{
    for (int c = 0; c < tabela.quantidadeCampos(); ++c)
        if (!tabela.mesmaCelula(a, b, c) && !MesmoValor(tabela.valorEm(a, c), tabela.valorEm(b, c)))
            return false;
    return true;
}

// Each row surely after the one before it, or a copy of it.
bool naOrdemDoBanco(const RowSet &tabela, const QList<int> &colunas, const std::vector<int> &linhas)
{
    for (size_t i = 1; i < linhas.size(); ++i) {
        const OrdemDoBanco ordem = compararLinhas(tabela, colunas, linhas[i - 1], linhas[i]);
        if (!ordem.certa || ordem.comparacao > 0 ||
            (ordem.comparacao == 0 && !mesmaLinha(tabela, linhas[i - 1], linhas[i])))
            return false;
    }
    return true;
}

} // namespace

QString GrupoFilhos::chaveDaLinha(const RowSet &tabela, const QList<int> &colunas, int linha)
{
    QString chave;
    chave.reserve(64);
    for (int c : colunas) {
        chave += tabela.textoEm(linha, c);
        chave += QChar(0x1f);
    }
    return chave;
}

GrupoFilhos::GrupoFilhos(const RowSet &tabela, const RowSet &pai, const QStringList &chave)
    : m_colunasPai(colunasDe(pai, chave))
{
    const QList<int> colunas = colunasDe(tabela, chave);
    const auto mesmaChaveDaAnterior = [&](int l) {
        return std::all_of(colunas.cbegin(), colunas.cend(),
                           [&](int c) { return tabela.mesmaCelula(l - 1, l, c); });
    };
    // A generation writes the rows of one parent one after the other: a row with its predecessor's key
    // joins the same group without building its key.
    std::vector<int> *grupo = nullptr;
    for (int l = 0; l < tabela.quantidadeLinhas(); ++l) {
        if (!grupo || !mesmaChaveDaAnterior(l))
            grupo = &m_grupos[chaveDaLinha(tabela, colunas, l)];
        grupo->push_back(l);
    }
}

bool GrupoFilhos::ordenar(const RowSet &tabela, const QStringList &ordem)
{
    const QList<int> colunas = colunasDe(tabela, ordem);
    const auto antes = [&](int a, int b) { return compararLinhas(tabela, colunas, a, b).comparacao < 0; };
    for (std::vector<int> &grupo : m_grupos) {
        if (naOrdemDoBanco(tabela, colunas, grupo))
            continue;
        std::stable_sort(grupo.begin(), grupo.end(), antes);
        if (!naOrdemDoBanco(tabela, colunas, grupo))
            return false;
    }
    return true;
}

const std::vector<int> &GrupoFilhos::filhos(const RowSet &pai, int linhaPai) const
{
    static const std::vector<int> nenhum;
    const auto it = m_grupos.constFind(chaveDaLinha(pai, m_colunasPai, linhaPai));
    return it == m_grupos.constEnd() ? nenhum : *it;
}
