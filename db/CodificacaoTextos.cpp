#include "db/CodificacaoTextos.h"

#include "common/Falha.h"
#include "common/Windows1252.h"
#include "db/RowSet.h"

#include <QHash>
#include <QStringDecoder>

namespace CodificacaoTextos {

namespace {

constexpr int ConjuntoNone = 0;

const QStringList &ConjuntosAceitos()
{
    static const QStringList conjuntos = {QStringLiteral("WIN1252"), QStringLiteral("ISO8859_1"),
                                          QStringLiteral("UTF8")};
    return conjuntos;
}

struct ColunaTexto {
    int conjunto = -1; // the declared character set's number; -1 for a column that is not text
    int comprimento = 0;
};

// Table -> column -> what the catalogue declares, read once per table and connection.
QHash<QString, QHash<QString, ColunaTexto>> &Colunas()
{
    static QHash<QString, QHash<QString, ColunaTexto>> colunas;
    return colunas;
}

const QHash<QString, ColunaTexto> &SemColunas()
{
    static const QHash<QString, ColunaTexto> nenhuma;
    return nenhuma;
}

const QHash<QString, ColunaTexto> &ColunasDaTabela(const QString &tabela)
{
    const QString nome = tabela.toUpper();
    auto achada = Colunas().constFind(nome);
    if (achada != Colunas().constEnd())
        return *achada;
    QHash<QString, ColunaTexto> colunas;
    RowSet r = RowSet::abrir(
        QStringLiteral(
            "SELECT TRIM(rf.RDB$FIELD_NAME) AS COLUNA, f.RDB$FIELD_TYPE AS TIPO, "
            "f.RDB$CHARACTER_SET_ID AS CONJUNTO, f.RDB$CHARACTER_LENGTH AS COMPRIMENTO "
            "FROM RDB$RELATION_FIELDS rf JOIN RDB$FIELDS f ON f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
            "WHERE rf.RDB$RELATION_NAME = ?"),
        {nome});
    for (r.first(); !r.eof(); r.next()) {
        const int tipo = r.inteiro(QStringLiteral("TIPO"));
        const bool texto = tipo == 14 || tipo == 37; // CHAR, VARCHAR
        colunas.insert(r.texto(QStringLiteral("COLUNA")), {texto ? r.inteiro(QStringLiteral("CONJUNTO")) : -1,
                                                           r.inteiro(QStringLiteral("COMPRIMENTO"))});
    }
    if (colunas.isEmpty()) // not created yet: asked again once it is
        return SemColunas();
    return *Colunas().insert(nome, colunas);
}

// The column when it is text of character set NONE.
std::optional<ColunaTexto> TextoSemConjunto(const QString &tabela, const QString &coluna)
{
    const ColunaTexto c = ColunasDaTabela(tabela).value(coluna.toUpper());
    if (c.conjunto != ConjuntoNone)
        return std::nullopt;
    return c;
}

QString VarcharNoConjunto(const ColunaTexto &c)
{
    return QStringLiteral("VARCHAR(%1) CHARACTER SET %2").arg(std::max(1, c.comprimento)).arg(Conjunto());
}

} // namespace

QString Conjunto()
{
    const QString valor = qEnvironmentVariable(VariavelConjunto).trimmed().toUpper();
    return valor.isEmpty() ? QStringLiteral("WIN1252") : valor;
}

void ValidarConjunto()
{
    if (!ConjuntosAceitos().contains(Conjunto()))
        throw Falha(QStringLiteral("%1 inválido: \"%2\". Use %3.")
                        .arg(QLatin1String(VariavelConjunto), qEnvironmentVariable(VariavelConjunto),
                             ConjuntosAceitos().join(QStringLiteral(", "))));
}

std::optional<QString> Decodificar(const char *bytes, qsizetype tamanho)
{
    const QString conjunto = Conjunto();
    if (conjunto == QLatin1String("ISO8859_1"))
        return QString::fromLatin1(bytes, tamanho);
    if (conjunto == QLatin1String("UTF8")) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString texto = utf8.decode(QByteArrayView(bytes, tamanho));
        if (utf8.hasError())
            return std::nullopt;
        return texto;
    }
    return DeWindows1252Estrito(bytes, tamanho);
}

QString Marcador(const QString &tabela, const QString &coluna)
{
    const std::optional<ColunaTexto> c = TextoSemConjunto(tabela, coluna);
    return c ? QStringLiteral("CAST(? AS %1)").arg(VarcharNoConjunto(*c)) : QStringLiteral("?");
}

QString TipoDoParametro(const QString &tabela, const QString &coluna)
{
    const std::optional<ColunaTexto> c = TextoSemConjunto(tabela, coluna);
    return c ? VarcharNoConjunto(*c) : QStringLiteral("TYPE OF COLUMN %1.%2").arg(tabela, coluna);
}

bool TemColuna(const QString &tabela, const QString &coluna)
{
    return ColunasDaTabela(tabela).contains(coluna.toUpper());
}

QStringList ColunasDaChave(const QString &tabela)
{
    RowSet r = RowSet::abrir(
        QStringLiteral(
            "SELECT TRIM(s.RDB$FIELD_NAME) AS COLUNA, i.RDB$INDEX_NAME AS INDICE FROM RDB$INDICES i "
            "JOIN RDB$INDEX_SEGMENTS s ON s.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
            "LEFT JOIN RDB$RELATION_CONSTRAINTS c ON c.RDB$INDEX_NAME = i.RDB$INDEX_NAME "
            "WHERE i.RDB$RELATION_NAME = ? AND i.RDB$UNIQUE_FLAG = 1 "
            "ORDER BY CASE WHEN c.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' THEN 0 ELSE 1 END, "
            "i.RDB$INDEX_NAME, s.RDB$FIELD_POSITION"),
        {tabela.toUpper()});
    QStringList colunas;
    r.first();
    const QString primeiro = r.texto(QStringLiteral("INDICE"));
    for (; !r.eof() && r.texto(QStringLiteral("INDICE")) == primeiro; r.next())
        colunas << r.texto(QStringLiteral("COLUNA"));
    return colunas;
}

void EsquecerColunas()
{
    Colunas().clear();
}

} // namespace CodificacaoTextos
