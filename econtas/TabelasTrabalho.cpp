#include "econtas/TabelasTrabalho.h"

#include "common/Falha.h"
#include "db/Sql.h"

#include <utility>

namespace {

ColunaTrabalho Texto(const QString &nome, int tamanho)
{
    return {nome, TipoColuna::Texto, QStringLiteral("VARCHAR(%1)").arg(tamanho)};
}

ColunaTrabalho Caractere(const QString &nome, int tamanho)
{
    return {nome, TipoColuna::Texto, QStringLiteral("CHAR(%1)").arg(tamanho)};
}

ColunaTrabalho Inteiro(const QString &nome)
{
    return {nome, TipoColuna::Inteiro, QStringLiteral("INTEGER")};
}

ColunaTrabalho Valor(const QString &nome)
{
    return {nome, TipoColuna::Dinheiro, QStringLiteral("NUMERIC(18,4)")};
}

ColunaTrabalho Data(const QString &nome)
{
    return {nome, TipoColuna::Data, QStringLiteral("TIMESTAMP")};
}

// Every work table starts with the competence and the units the row belongs to.
QList<ColunaTrabalho> Unidades(bool comUo)
{
    QList<ColunaTrabalho> colunas = {Texto("COMPETENCIA", 7), Texto("CNPJ", 14), Texto("UG", 5)};
    if (comUo)
        colunas << Texto("UO", 5);
    return colunas;
}

QList<ColunaTrabalho> DoServidor()
{
    return Unidades(true) << Texto("MATRICULA", 8);
}

} // namespace

TabelaTrabalho::TabelaTrabalho(QString nome, QList<ColunaTrabalho> colunas, QStringList chave,
                               QStringList ordemExportacao)
    : m_nome(std::move(nome)), m_colunas(std::move(colunas)), m_chave(std::move(chave)),
      m_ordemExportacao(std::move(ordemExportacao))
{
}

QStringList TabelaTrabalho::nomesColunas() const
{
    QStringList nomes;
    for (const ColunaTrabalho &coluna : m_colunas)
        nomes << coluna.nome;
    return nomes;
}

int TabelaTrabalho::posicao(const QString &coluna) const
{
    for (int i = 0; i < m_colunas.size(); ++i)
        if (m_colunas[i].nome == coluna)
            return i;
    return -1;
}

QString TabelaTrabalho::sqlInsercao() const
{
    return Sql::Insercao(m_nome, nomesColunas());
}

QString TabelaTrabalho::sqlAtualizacaoPorPagamento(const QStringList &valores) const
{
    QStringList chaveSemData = m_chave;
    chaveSemData.removeAll(QStringLiteral("DTPAGTO"));
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 AND DTPAGTO IS NOT DISTINCT FROM ? ROWS 1")
        .arg(m_nome, Sql::Atribuicoes(m_nome, valores, ", "),
             Sql::Atribuicoes(m_nome, chaveSemData, " AND "));
}

QStringList TabelaTrabalho::parametrosAtualizacaoPorPagamento(const QStringList &valores) const
{
    QStringList chaveSemData = m_chave;
    chaveSemData.removeAll(QStringLiteral("DTPAGTO"));
    return valores + chaveSemData + QStringList{QStringLiteral("DTPAGTO")};
}

QString TabelaTrabalho::sqlCriacao() const
{
    QStringList colunas;
    for (const ColunaTrabalho &coluna : m_colunas)
        colunas << coluna.nome + QLatin1Char(' ') + coluna.tipoSql;
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(m_nome, colunas.join(", "));
}

QString TabelaTrabalho::sqlIndiceChave() const
{
    return QStringLiteral("CREATE INDEX IX_%1 ON %1 (%2)").arg(m_nome, m_chave.join(", "));
}

namespace TabelasTrabalho {

const TabelaTrabalho &Econtas010()
{
    static const TabelaTrabalho t(
        "ECONTAS_010", Unidades(false) << Texto("DESCRICAO", 60) << Texto("TIPO", 2) << Texto("CODTCM", 7),
        {"COMPETENCIA", "CNPJ", "UG"}, {"UG", "CNPJ", "DESCRICAO", "TIPO", "CODTCM"});
    return t;
}

const TabelaTrabalho &Econtas020()
{
    static const TabelaTrabalho t(
        "ECONTAS_020", Unidades(true) << Texto("DESCRICAO", 60) << Texto("TIPO", 2) << Texto("CODTCM", 7),
        {"COMPETENCIA", "CNPJ", "UG", "UO"}, {"CNPJ", "UG", "UO", "DESCRICAO", "TIPO", "CODTCM"});
    return t;
}

const TabelaTrabalho &Econtas030()
{
    static const TabelaTrabalho t(
        "ECONTAS_030",
        Unidades(true) << Texto("CODIGO", 5) << Texto("DESCRICAO", 60) << Texto("TIPO", 3)
                       << Inteiro("TOTVAGAS") << Texto("NUMATO", 10) << Data("DTATO"),
        {"COMPETENCIA", "CNPJ", "UG", "UO", "CODIGO"},
        {"CNPJ", "UG", "UO", "CODIGO", "DESCRICAO", "TIPO", "TOTVAGAS", "NUMATO", "DTATO"});
    return t;
}

const TabelaTrabalho &Econtas040()
{
    static const TabelaTrabalho t("ECONTAS_040",
                                  DoServidor() << Texto("CPF", 11) << Texto("NOME", 60) << Inteiro("SEXO")
                                               << Data("DTNASC") << Data("DTADMISSAO") << Data("DTDEMISSAO")
                                               << Texto("PISPASEP", 11),
                                  {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA"},
                                  {"CNPJ", "UG", "UO", "MATRICULA", "CPF", "NOME", "SEXO", "DTNASC",
                                   "DTADMISSAO", "DTDEMISSAO", "PISPASEP"});
    return t;
}

const TabelaTrabalho &Econtas041()
{
    static const TabelaTrabalho t(
        "ECONTAS_041",
        DoServidor() << Inteiro("TIPOPAGTO") << Data("DTPAGTO") << Valor("REMUNBASE") << Valor("TOTGRATFUNC")
                     << Valor("TOTOUTREMU") << Valor("TOTDESC") << Valor("CONTRIBPREV") << Valor("IRRF")
                     << Inteiro("DEPIR") << Inteiro("FUNDEB") << Inteiro("SITUACAO") << Texto("CODCARGO", 5)
                     << Texto("NUMPROC", 12),
        {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO", "DTPAGTO"},
        {"CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO", "DTPAGTO", "REMUNBASE", "TOTGRATFUNC", "TOTOUTREMU",
         "TOTDESC", "CONTRIBPREV", "IRRF", "DEPIR", "FUNDEB", "SITUACAO", "CODCARGO", "NUMPROC"});
    return t;
}

const TabelaTrabalho &Econtas042()
{
    static const TabelaTrabalho t("ECONTAS_042",
                                  DoServidor() << Data("DTPAGTO") << Valor("VALOR") << Texto("NUMATO", 10)
                                               << Data("DTATO") << Texto("MOTIVO", 100)
                                               << Texto("DESTINO", 50) << Data("INICIO") << Data("FIM"),
                                  {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "DTPAGTO"},
                                  {"CNPJ", "UG", "UO", "MATRICULA", "DTPAGTO", "NUMATO", "VALOR", "DTATO",
                                   "MOTIVO", "DESTINO", "INICIO", "FIM"});
    return t;
}

const TabelaTrabalho &Econtas043()
{
    static const TabelaTrabalho t(
        "ECONTAS_043",
        DoServidor() << Inteiro("TIPOPAGTO") << Data("DTPAGTO") << Texto("CODEVENTO", 2)
                     << Inteiro("TIPOGRAT") << Valor("VALOR") << Inteiro("CODGRAT")
                     << Caractere("DESCONTO", 1),
        {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO", "DTPAGTO", "CODEVENTO"},
        {"CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO", "CODEVENTO", "DTPAGTO", "TIPOGRAT", "CODGRAT",
         "VALOR"});
    return t;
}

const QList<const TabelaTrabalho *> &Todas()
{
    static const QList<const TabelaTrabalho *> todas = {&Econtas010(), &Econtas020(), &Econtas030(),
                                                        &Econtas040(), &Econtas041(), &Econtas042(),
                                                        &Econtas043()};
    return todas;
}

} // namespace TabelasTrabalho

LinhaTrabalho::LinhaTrabalho(const TabelaTrabalho &tabela)
    : m_tabela(tabela), m_valores(tabela.colunas().size()), m_definida(tabela.colunas().size(), false)
{
}

// Rows are usually filled in the description's order, so the next column is tried before a search.
LinhaTrabalho &LinhaTrabalho::operator()(const QString &coluna, const QVariant &valor)
{
    const QList<ColunaTrabalho> &colunas = m_tabela.colunas();
    const int i = m_proxima < colunas.size() && colunas[m_proxima].nome == coluna ? m_proxima
                                                                                  : m_tabela.posicao(coluna);
    if (i < 0)
        throw Falha(QStringLiteral("A tabela %1 não tem a coluna %2.").arg(m_tabela.nome(), coluna));
    m_valores[i] = valor;
    m_definida[i] = true;
    m_proxima = i + 1;
    return *this;
}

const QVariantList &LinhaTrabalho::valores() const
{
    const int faltando = int(m_definida.indexOf(false));
    if (faltando >= 0)
        throw Falha(QStringLiteral("A coluna %1 da tabela %2 ficou sem valor.")
                        .arg(m_tabela.colunas()[faltando].nome, m_tabela.nome()));
    return m_valores;
}

QVariantList LinhaTrabalho::valores(const QStringList &colunas) const
{
    QVariantList escolhidos;
    for (const QString &coluna : colunas) {
        const int i = m_tabela.posicao(coluna);
        if (i < 0 || !m_definida[i])
            throw Falha(
                QStringLiteral("A coluna %1 da tabela %2 ficou sem valor.").arg(coluna, m_tabela.nome()));
        escolhidos << m_valores[i];
    }
    return escolhidos;
}
