#include "db/RowSet.h"

#include "common/Falha.h"
#include "common/uUtil.h"
#include "db/LeitorNativo.h"
#include "db/Sql.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

namespace {

// Cells whose top 16 bits are this pattern (a NaN the hardware never produces) are boxed values; bits
// 44 to 47 say which kind, the low bits carry it.
constexpr quint64 Caixa = 0xFFF9000000000000ull;
constexpr quint64 MascaraCaixa = 0xFFFF000000000000ull;
constexpr quint64 TipoNulo = 0, TipoInteiro = 1, TipoOutro = 2;

constexpr quint64 Encaixar(quint64 tipo, quint64 carga)
{
    return Caixa | (tipo << 44) | (carga & 0xFFFFFFFFFFFull);
}

bool ehChar(const QSqlField &campo)
{
    constexpr int SQL_TEXT = 452;
    return (campo.typeID() & ~1) == SQL_TEXT;
}

QString chave(const QStringList &partes)
{
    return partes.join(QChar(0x1f));
}

int compararValores(const QVariant &a, const QVariant &b)
{
    if (a.isNull() && b.isNull())
        return 0;
    if (a.isNull() || b.isNull())
        return a.isNull() ? -1 : 1;
    const int tipoA = a.metaType().id(), tipoB = b.metaType().id();
    const auto numerico = [](int t) {
        return t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::Double ||
               t == QMetaType::Float || t == QMetaType::Short;
    };
    if (numerico(tipoA) && numerico(tipoB)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (tipoA == QMetaType::QDateTime && tipoB == QMetaType::QDateTime) {
        const auto x = a.toDateTime(), y = b.toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return a.toString().compare(b.toString());
}

} // namespace

RowSet RowSet::abrir(const QString &sql, const QVariantList &parametros)
{
    QSqlQuery consulta(Sql::Conexao());
    consulta.setForwardOnly(true);
    Sql::Preparar(consulta, sql, parametros);
    Sql::Rodar(consulta, parametros);
    return carregar(consulta);
}

RowSet RowSet::carregar(QSqlQuery &consulta)
{
    RowSet r;
    r.m_aberto = true;
    const QSqlRecord registro = consulta.record();
    const int n = registro.count();
    std::vector<bool> aparar(n);
    for (int i = 0; i < n; ++i) {
        r.m_campos << registro.fieldName(i);
        r.indexarNome(registro.fieldName(i), i);
        aparar[i] = ehChar(registro.field(i));
        r.m_tipos.push_back(registro.field(i).metaType());
    }
    r.m_char = aparar;
    // Codes, flags and names repeat down a column: equal texts share one kept value.
    QHash<QString, quint64> textos;
    const std::unique_ptr<LeitorNativo> nativo =
        LeitorNativo::precisa(consulta) ? LeitorNativo::abrir(consulta) : nullptr;
    while (nativo ? nativo->proxima() : consulta.next()) {
        for (int i = 0; i < n; ++i) {
            QVariant v = nativo ? nativo->valor(i) : consulta.value(i);
            if (aparar[i] && !v.isNull())
                v = SemBrancosFinais(v.toString());
            // A NULL text is not shared with an empty one: QHash finds them equal.
            if (v.metaType().id() != QMetaType::QString || v.isNull()) {
                r.m_dados.push_back(r.guardar(std::move(v)));
                continue;
            }
            const QString texto = v.toString();
            auto achado = textos.constFind(texto);
            if (achado == textos.constEnd())
                achado = textos.insert(texto, r.guardar(std::move(v)));
            r.m_dados.push_back(*achado);
        }
    }
    if (consulta.lastError().isValid())
        Sql::LancarFalha(consulta.lastError(), consulta.lastQuery(), consulta.boundValues());
    r.reiniciarIndices();
    return r;
}

RowSet RowSet::vazio(const QStringList &campos)
{
    RowSet r;
    r.m_aberto = true;
    r.m_campos = campos;
    for (int i = 0; i < campos.size(); ++i)
        r.indexarNome(campos[i], i);
    r.reiniciarIndices();
    return r;
}

void RowSet::fechar()
{
    *this = RowSet();
}

// A column is found by its name in any case. The walks ask for the same few names row after row,
// written all in capitals or all in small letters, so both spellings are kept and found as asked.
void RowSet::indexarNome(const QString &nome, int coluna)
{
    const QString maiusculas = nome.toUpper();
    if (!m_indicePorNome.contains(maiusculas))
        m_indicePorNome.insert(maiusculas, coluna);
    const QString minusculas = maiusculas.toLower();
    if (minusculas.toUpper() == maiusculas && !m_indicePorNome.contains(minusculas))
        m_indicePorNome.insert(minusculas, m_indicePorNome.value(maiusculas));
}

int RowSet::indiceCampo(const QString &nome) const
{
    const auto achado = m_indicePorNome.constFind(nome);
    return achado != m_indicePorNome.constEnd() ? *achado : m_indicePorNome.value(nome.toUpper(), -1);
}

int RowSet::indiceCampoObrigatorio(const QString &nome) const
{
    const int c = indiceCampo(nome);
    if (c < 0)
        throw Falha(QStringLiteral("Campo '%1' não encontrado").arg(nome));
    return c;
}

QMetaType RowSet::tipoCampo(int coluna) const
{
    return size_t(coluna) < m_tipos.size() ? m_tipos[coluna] : QMetaType();
}

bool RowSet::campoChar(int coluna) const
{
    return size_t(coluna) < m_char.size() && m_char[coluna];
}

int RowSet::recordCount() const
{
    return m_filtrado ? int(m_visiveis.size()) : quantidadeLinhas();
}

void RowSet::first()
{
    m_cursor = 0;
}
void RowSet::next()
{
    if (!eof())
        ++m_cursor;
}
void RowSet::last()
{
    m_cursor = std::max(0, recordCount() - 1);
}
bool RowSet::eof() const
{
    return m_cursor >= recordCount();
}

int RowSet::linhaAtual() const
{
    return eof() ? -1 : absoluta(m_cursor);
}

void RowSet::irParaLinha(int linhaAbsoluta)
{
    if (!m_filtrado) {
        m_cursor = linhaAbsoluta;
        return;
    }
    const auto it = std::find(m_visiveis.begin(), m_visiveis.end(), linhaAbsoluta);
    m_cursor = int(it - m_visiveis.begin());
}

quint64 RowSet::guardar(QVariant valor)
{
    const int tipo = valor.metaType().id();
    if (valor.isNull() && tipo >= 0)
        return Encaixar(TipoNulo, quint64(quint32(tipo)));
    if (tipo == QMetaType::Double) {
        const double d = valor.toDouble();
        if (!std::isnan(d))
            return std::bit_cast<quint64>(d);
    } else if (tipo == QMetaType::Int) {
        return Encaixar(TipoInteiro, quint64(quint32(valor.toInt())));
    }
    m_outros.push_back(std::move(valor));
    return Encaixar(TipoOutro, m_outros.size() - 1);
}

QVariant RowSet::ler(quint64 celula) const
{
    if ((celula & MascaraCaixa) != Caixa)
        return QVariant(std::bit_cast<double>(celula));
    const quint64 carga = celula & 0xFFFFFFFFFFFull;
    switch ((celula >> 44) & 0xF) {
    case TipoNulo:
        return QVariant(QMetaType(int(quint32(carga))));
    case TipoInteiro:
        return QVariant(int(quint32(carga)));
    default:
        return m_outros[carga];
    }
}

QVariant RowSet::valorEm(int linha, int coluna) const
{
    if (linha < 0 || coluna < 0 || coluna >= quantidadeCampos())
        return QVariant();
    return ler(m_dados[size_t(linha) * m_campos.size() + coluna]);
}

bool RowSet::mesmaCelula(int linhaA, int linhaB, int coluna) const
{
    const size_t largura = m_campos.size();
    return m_dados[size_t(linhaA) * largura + coluna] == m_dados[size_t(linhaB) * largura + coluna];
}

namespace {
// A typed NULL (an INTEGER column, say) would read as "0" through QVariant::toString.
QString textoDe(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}
} // namespace

QString RowSet::textoEm(int linha, int coluna) const
{
    return textoDe(valorEm(linha, coluna));
}

QVariant RowSet::valor(int coluna) const
{
    return valorEm(linhaAtual(), coluna);
}

QVariant RowSet::valor(const QString &campo) const
{
    return valor(indiceCampoObrigatorio(campo));
}

QString RowSet::texto(const QString &campo) const
{
    return textoDe(valor(campo));
}
QString RowSet::texto(int coluna) const
{
    return textoDe(valor(coluna));
}

int RowSet::inteiro(const QString &campo) const
{
    const QVariant v = valor(campo);
    if (v.isNull())
        return 0;
    if (v.metaType().id() == QMetaType::QString)
        return TextoParaInteiro(v.toString());
    return v.toInt();
}

double RowSet::flutuante(const QString &campo) const
{
    const QVariant v = valor(campo);
    return v.isNull() ? 0.0 : v.toDouble();
}

Dinheiro RowSet::dinheiro(const QString &campo) const
{
    return Dinheiro::deVariant(valor(campo));
}

DataDias RowSet::data(const QString &campo) const
{
    return VariantParaDias(valor(campo));
}

bool RowSet::locate(const QStringList &campos, const QStringList &valores)
{
    QList<int> colunas;
    for (const QString &c : campos)
        colunas << indiceCampoObrigatorio(c);
    if (m_filtrado) {
        for (int v = 0; v < recordCount(); ++v) {
            bool igual = true;
            for (int k = 0; k < colunas.size() && igual; ++k)
                igual = textoEm(absoluta(v), colunas[k]) == valores[k];
            if (igual) {
                m_cursor = v;
                return true;
            }
        }
        return false;
    }
    const QString nomeIndice = chave(campos).toUpper();
    auto &indices = *m_indices;
    auto it = indices.find(nomeIndice);
    if (it == indices.end()) {
        QHash<QString, int> indice;
        const int linhas = quantidadeLinhas();
        indice.reserve(linhas);
        for (int l = linhas - 1; l >= 0; --l) {
            QStringList partes;
            for (int c : colunas)
                partes << textoEm(l, c);
            indice.insert(chave(partes), l); // walking backwards leaves the first row of each key
        }
        it = indices.insert(nomeIndice, std::move(indice));
    }
    const auto achado = it->constFind(chave(valores));
    if (achado == it->constEnd())
        return false;
    m_cursor = *achado;
    return true;
}

void RowSet::filtrar(Predicado predicado)
{
    m_filtrado = false;
    std::vector<int> visiveis;
    const int linhas = quantidadeLinhas();
    for (int l = 0; l < linhas; ++l)
        if (predicado(*this, l))
            visiveis.push_back(l);
    m_visiveis = std::move(visiveis);
    m_filtrado = true;
    m_cursor = 0;
}

void RowSet::semFiltro()
{
    const int atual = linhaAtual();
    m_filtrado = false;
    m_visiveis.clear();
    m_cursor = atual < 0 ? quantidadeLinhas() : atual;
}

void RowSet::ordenar(const QStringList &campos)
{
    QList<int> colunas;
    for (const QString &c : campos)
        colunas << indiceCampoObrigatorio(c);
    const int linhas = quantidadeLinhas();
    std::vector<int> ordem(linhas);
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        for (int c : colunas) {
            const int r = compararValores(valorEm(a, c), valorEm(b, c));
            if (r != 0)
                return r < 0;
        }
        return false;
    });
    VetorEmPedacos<quint64> novos;
    const size_t largura = m_campos.size();
    for (int l : ordem)
        for (size_t c = 0; c < largura; ++c)
            novos.push_back(m_dados[size_t(l) * largura + c]);
    m_dados = std::move(novos);
    semFiltro();
    reiniciarIndices();
    m_cursor = 0;
}

void RowSet::adicionarLinha(const QVariantList &valores)
{
    for (int c = 0; c < quantidadeCampos(); ++c)
        m_dados.push_back(guardar(c < valores.size() ? valores[c] : QVariant()));
    reiniciarIndices();
}

void RowSet::reiniciarIndices()
{
    m_indices = std::make_shared<QHash<QString, QHash<QString, int>>>();
}
