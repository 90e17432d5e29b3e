#include "export/FilhosExportacao.h"

#include "common/Falha.h"

namespace {

QList<int> colunasDe(const RowSet &tabela, const QStringList &chave)
{
    QList<int> colunas;
    for (const QString &nome : chave) {
        const int c = tabela.indiceCampo(nome);
        if (c < 0)
            throw Falha(QStringLiteral("Campo '%1' não encontrado").arg(nome));
        colunas << c;
    }
    return colunas;
}

} // namespace

QString GrupoFilhos::chaveDaLinha(const RowSet &tabela, const QList<int> &colunas, int linha)
{
    QString chave;
    for (int c : colunas) {
        chave += tabela.textoEm(linha, c);
        chave += QChar(0x1f);
    }
    return chave;
}

GrupoFilhos::GrupoFilhos(const RowSet &tabela, const QStringList &chave) : m_chave(chave)
{
    const QList<int> colunas = colunasDe(tabela, chave);
    const int linhas = tabela.quantidadeLinhas();
    for (int l = 0; l < linhas; ++l)
        m_grupos[chaveDaLinha(tabela, colunas, l)].push_back(l);
}

const std::vector<int> &GrupoFilhos::filhos(const RowSet &pai, int linhaPai) const
{
    static const std::vector<int> nenhum;
    const auto it = m_grupos.constFind(chaveDaLinha(pai, colunasDe(pai, m_chave), linhaPai));
    return it == m_grupos.constEnd() ? nenhum : *it;
}

FilhosExportacao::FilhosExportacao(const TComandosSql::TabelasExportacao &t)
{
    const QStringList chaveUG = {QStringLiteral("COMPETENCIA"), QStringLiteral("CNPJ"), QStringLiteral("UG")};
    const QStringList chaveUO = chaveUG + QStringList{QStringLiteral("UO")};
    const QStringList chaveMatricula = chaveUO + QStringList{QStringLiteral("MATRICULA")};
    const QStringList chavePagamento = chaveMatricula + QStringList{QStringLiteral("TIPOPAGTO")};
    unidadesOrcamentarias = GrupoFilhos(t.TBL_EXP_020, chaveUG);
    cargos = GrupoFilhos(t.TBL_EXP_030, chaveUO);
    servidores = GrupoFilhos(t.TBL_EXP_040, chaveUO);
    pagamentos = GrupoFilhos(t.TBL_EXP_041, chaveMatricula);
    diarias = GrupoFilhos(t.TBL_EXP_042, chaveMatricula);
    itens = GrupoFilhos(t.TBL_EXP_043, chavePagamento);
}
