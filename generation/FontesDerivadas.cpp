#include "generation/FontesDerivadas.h"

#include "common/uUtil.h"
#include "db/Sql.h"
#include "generation/ComandosFontes.h"

#include <QMultiHash>

#include <algorithm>
#include <numeric>

namespace FontesDerivadas {

namespace {

// 043 puts four columns of its own before the base selection's.
constexpr int InicioDaSelecao = 4;
constexpr int GestoraDe043 = 2;   // TRIM(SUBSTRING(codundgestor FROM 1 FOR 6))
constexpr int OrcamentoDe043 = 3; // TRIM(SUBSTRING(codundorca FROM 1 FOR 6))

int colunaDaSelecao(const RowSet &fonte043, const QString &nome)
{
    const QStringList campos = fonte043.campos();
    for (int c = InicioDaSelecao; c < campos.size(); ++c)
        if (campos[c].compare(nome, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

// A value that the statement sorts or joins on, as the engine compares it.
struct Comparavel {
    enum Tipo { Nulo, Numero, Texto } tipo;
    qlonglong numero = 0;
    QString texto;
};

// Only where the program is sure of the engine's comparison under any character set and collation:
// NULL, an integer, or a text of digits and capital letters whose trailing blanks are padding.
std::optional<Comparavel> comparavel(const QVariant &valor)
{
    if (valor.isNull())
        return Comparavel{Comparavel::Nulo, 0, QString()};
    switch (valor.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return Comparavel{Comparavel::Numero, valor.toLongLong(), QString()};
    case QMetaType::QString: {
        const QString texto = SemBrancosFinais(valor.toString());
        if (SoDigitosEMaiusculas(texto))
            return Comparavel{Comparavel::Texto, 0, texto};
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// NULL first, as the engine sorts ascending. A column's values are all numbers or all texts.
int comparar(const Comparavel &a, const Comparavel &b)
{
    if (a.tipo != b.tipo)
        return a.tipo < b.tipo ? -1 : 1;
    if (a.tipo == Comparavel::Numero)
        return a.numero < b.numero ? -1 : (a.numero > b.numero ? 1 : 0);
    return a.texto.compare(b.texto);
}

using Chave = std::vector<Comparavel>;

int compararChaves(const Chave &a, const Chave &b)
{
    for (size_t i = 0; i < a.size(); ++i)
        if (const int c = comparar(a[i], b[i]))
            return c;
    return 0;
}

bool mesmoValor(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    return a == b;
}

bool mesmaLinha(const QVariantList &a, const QVariantList &b)
{
    for (qsizetype c = 0; c < a.size(); ++c)
        if (!mesmoValor(a[c], b[c]))
            return false;
    return true;
}

// SELECT DISTINCT … ORDER BY ordem over linhas, when the engine has no choice to make: rows that tie on
// every ORDER BY value must be one and the same row.
std::optional<RowSet> distintasOrdenadas(const QStringList &campos, const std::vector<QVariantList> &linhas,
                                         const std::vector<int> &ordem)
{
    std::vector<Chave> chaves;
    chaves.reserve(linhas.size());
    for (const QVariantList &linha : linhas) {
        Chave chave;
        for (int coluna : ordem) {
            const std::optional<Comparavel> valor = comparavel(linha[coluna]);
            if (!valor)
                return std::nullopt;
            chave.push_back(*valor);
        }
        chaves.push_back(std::move(chave));
    }

    std::vector<size_t> posicoes(linhas.size());
    std::iota(posicoes.begin(), posicoes.end(), size_t(0));
    std::sort(posicoes.begin(), posicoes.end(),
              [&](size_t a, size_t b) { return compararChaves(chaves[a], chaves[b]) < 0; });

    RowSet distintas = RowSet::vazio(campos);
    for (size_t i = 0; i < posicoes.size();) {
        const QVariantList &primeira = linhas[posicoes[i]];
        size_t j = i + 1;
        for (; j < posicoes.size() && compararChaves(chaves[posicoes[i]], chaves[posicoes[j]]) == 0; ++j)
            if (!mesmaLinha(primeira, linhas[posicoes[j]]))
                return std::nullopt;
        distintas.adicionarLinha(primeira);
        i = j;
    }
    distintas.first();
    return distintas;
}

// Joined columns declared as texts on both sides: the engine compares them as texts, never converting
// one side to a number (which may fail where the program would not).
bool colunasDeTexto(const RowSet &tabela, const std::vector<int> &colunas)
{
    return std::all_of(colunas.begin(), colunas.end(),
                       [&](int c) { return tabela.tipoCampo(c).id() == QMetaType::QString; });
}

// The rows of a joined table by the texts they are joined on; a NULL never joins.
class Juncao {
public:
    // false when a key is one the program cannot compare as the engine does
    bool indexar(const RowSet &tabela, const std::vector<int> &colunas)
    {
        for (int l = 0; l < tabela.quantidadeLinhas(); ++l) {
            const std::optional<QString> chave = chaveDa(tabela, l, colunas);
            if (!chave)
                return false;
            if (!chave->isNull())
                m_linhas.insert(*chave, l);
        }
        return true;
    }

    // The joined rows of one row of the other side, in no particular order; nothing when its key
    // cannot be compared as the engine does.
    std::optional<QList<int>> linhasDe(const RowSet &outro, int linha, const std::vector<int> &colunas) const
    {
        const std::optional<QString> chave = chaveDa(outro, linha, colunas);
        if (!chave)
            return std::nullopt;
        return chave->isNull() ? QList<int>() : m_linhas.values(*chave);
    }

private:
    // The key as one text, a null text when some value is NULL.
    static std::optional<QString> chaveDa(const RowSet &tabela, int linha, const std::vector<int> &colunas)
    {
        QStringList partes;
        for (int coluna : colunas) {
            const std::optional<Comparavel> valor = comparavel(tabela.valorEm(linha, coluna));
            if (!valor || valor->tipo == Comparavel::Numero)
                return std::nullopt;
            if (valor->tipo == Comparavel::Nulo)
                return QString();
            partes << valor->texto;
        }
        return partes.join(QChar(0x1f));
    }

    QMultiHash<QString, int> m_linhas;
};

// The rows of 043 with the columns asked for, each read from the base selection's part of the row;
// nothing when the base selection has no such column.
std::optional<std::vector<int>> colunasDaSelecao(const RowSet &fonte043, const QStringList &nomes)
{
    std::vector<int> colunas;
    for (const QString &nome : nomes) {
        const int coluna = colunaDaSelecao(fonte043, nome);
        if (coluna < 0)
            return std::nullopt;
        colunas.push_back(coluna);
    }
    return colunas;
}

// SUBSTRING(valor FROM 1 FOR 6) of a VARCHAR; NULL stays NULL.
QVariant seisPrimeiros(const QVariant &valor)
{
    if (valor.isNull())
        return valor;
    return QVariant(valor.toString().left(6));
}

} // namespace

RowSet AbrirAfastamentos040(const QString &pAno)
{
    // 040's own conditions, so that they compare as they do there; a NULL registration joins nothing.
    return RowSet::abrir(
        Sql::Linhas(QStringList{QStringLiteral("SELECT afast.matricula, afast.dtinicio FROM kvb017 afast"),
                                QStringLiteral(" WHERE afast.matricula IS NOT NULL")} +
                    TComandosSql::CondicoesAfastamento040(pAno)));
}

std::optional<RowSet> Unidades020(const RowSet &fonte043)
{
    const int orcamento = colunaDaSelecao(fonte043, QStringLiteral("codundorca"));
    // SUBSTRING of a CHAR keeps pad blanks that the loaded value no longer has.
    if (orcamento < 0 || fonte043.campoChar(orcamento) ||
        fonte043.tipoCampo(orcamento).id() != QMetaType::QString)
        return std::nullopt;
    std::vector<QVariantList> linhas;
    linhas.reserve(size_t(fonte043.quantidadeLinhas()));
    for (int l = 0; l < fonte043.quantidadeLinhas(); ++l)
        linhas.push_back({fonte043.valorEm(l, GestoraDe043), seisPrimeiros(fonte043.valorEm(l, orcamento))});
    return distintasOrdenadas({QStringLiteral("CODUNDGESTOR"), QStringLiteral("CODUNDORCA")}, linhas, {0, 1});
}

std::optional<RowSet> Cargos030(const RowSet &fonte043, const RowSet &cargos, const QString &pNumeroMes)
{
    const QStringList colunasCargo = {QStringLiteral("CODIGO"),    QStringLiteral("DESCRICAO"),
                                      QStringLiteral("TIPOCARGO"), QStringLiteral("NUMVAGAS"),
                                      QStringLiteral("LEICRIA"),   QStringLiteral("DATCRIA"),
                                      QStringLiteral("CODTCM")};
    std::vector<int> lidas;
    for (const QString &nome : colunasCargo)
        lidas.push_back(cargos.indiceCampo(nome));
    const int codcargo = cargos.indiceCampo(QStringLiteral("codcargo"));
    const int codvinculo = cargos.indiceCampo(QStringLiteral("codvinculo"));
    const int quadrimestre = cargos.indiceCampo(QStringLiteral("quadrimestre"));
    const std::optional<std::vector<int>> cargoDaSelecao =
        colunasDaSelecao(fonte043, {QStringLiteral("funcao"), QStringLiteral("sistema")});
    if (!cargoDaSelecao || codcargo < 0 || codvinculo < 0 || quadrimestre < 0 ||
        std::find(lidas.begin(), lidas.end(), -1) != lidas.end() ||
        !colunasDeTexto(cargos, {codcargo, codvinculo, quadrimestre}) ||
        !colunasDeTexto(fonte043, *cargoDaSelecao))
        return std::nullopt;

    // "s.quadrimestre = '<mês>'": the period's rows only.
    RowSet doPeriodo = RowSet::vazio(cargos.campos());
    for (int l = 0; l < cargos.quantidadeLinhas(); ++l) {
        const std::optional<Comparavel> periodo = comparavel(cargos.valorEm(l, quadrimestre));
        if (!periodo)
            return std::nullopt;
        if (periodo->tipo == Comparavel::Texto && periodo->texto == pNumeroMes) {
            QVariantList linha;
            for (int c = 0; c < cargos.quantidadeCampos(); ++c)
                linha << cargos.valorEm(l, c);
            doPeriodo.adicionarLinha(linha);
        }
    }
    Juncao juncao;
    if (!juncao.indexar(doPeriodo, {codcargo, codvinculo}))
        return std::nullopt;

    std::vector<QVariantList> linhas;
    for (int l = 0; l < fonte043.quantidadeLinhas(); ++l) {
        const std::optional<QList<int>> juntas = juncao.linhasDe(fonte043, l, *cargoDaSelecao);
        if (!juntas)
            return std::nullopt;
        for (int cargo : *juntas) {
            QVariantList linha;
            for (int c : lidas)
                linha << doPeriodo.valorEm(cargo, c);
            linha << fonte043.valorEm(l, OrcamentoDe043);
            linhas.push_back(linha);
        }
    }
    return distintasOrdenadas(colunasCargo + QStringList{QStringLiteral("CODUNDORCA")}, linhas, {7, 0});
}

std::optional<RowSet> Servidores040(const RowSet &fonte043, const RowSet &afastamentos)
{
    const std::optional<std::vector<int>> lidas =
        colunasDaSelecao(fonte043, {QStringLiteral("matricula"), QStringLiteral("nome"),
                                    QStringLiteral("sexo"), QStringLiteral("cpf"), QStringLiteral("dtnasc"),
                                    QStringLiteral("dtadmissao"), QStringLiteral("pispasep")});
    const int matricula1 = colunaDaSelecao(fonte043, QStringLiteral("matricula1"));
    if (!lidas || matricula1 < 0 || !colunasDeTexto(fonte043, {matricula1}) ||
        !colunasDeTexto(afastamentos, {0}))
        return std::nullopt;
    Juncao juncao;
    if (!juncao.indexar(afastamentos, {0}))
        return std::nullopt;
    const QVariant semAfastamento(afastamentos.tipoCampo(1));

    std::vector<QVariantList> linhas;
    linhas.reserve(size_t(fonte043.quantidadeLinhas()));
    for (int l = 0; l < fonte043.quantidadeLinhas(); ++l) {
        const std::optional<QList<int>> juntas = juncao.linhasDe(fonte043, l, {matricula1});
        if (!juntas)
            return std::nullopt;
        QVariantList linha = {fonte043.valorEm(l, (*lidas)[0]), fonte043.valorEm(l, GestoraDe043),
                              fonte043.valorEm(l, OrcamentoDe043)};
        for (size_t k = 1; k < lidas->size(); ++k)
            linha << fonte043.valorEm(l, (*lidas)[k]);
        if (juntas->isEmpty()) {
            linhas.push_back(linha << semAfastamento);
            continue;
        }
        for (int afastamento : *juntas)
            linhas.push_back(QVariantList(linha) << afastamentos.valorEm(afastamento, 1));
    }
    return distintasOrdenadas({QStringLiteral("MATRICULA"), QStringLiteral("CODUNDGESTOR"),
                               QStringLiteral("CODUNDORCA"), QStringLiteral("NOME"), QStringLiteral("SEXO"),
                               QStringLiteral("CPF"), QStringLiteral("DTNASC"), QStringLiteral("DTADMISSAO"),
                               QStringLiteral("PISPASEP"), QStringLiteral("DTDEMISSAO")},
                              linhas, {1, 2, 0});
}

} // namespace FontesDerivadas
