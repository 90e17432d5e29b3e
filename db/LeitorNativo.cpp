#include "db/LeitorNativo.h"

#include "common/Falha.h"
#include "common/Windows1252.h"
#include "db/CodificacaoTextos.h"
#include "db/Sql.h"
#include "db/StatusFirebird.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr int ConjuntoNone = 0;
constexpr int ConjuntoOctets = 1;
const QDate DataBase(1858, 11, 17); // day 0 of the engine's dates

isc_stmt_handle HandleDaConsulta(QSqlQuery &consulta)
{
    const QSqlResult *resultado = consulta.result();
    const QVariant handle = resultado ? resultado->handle() : QVariant();
    if (!handle.isValid() || handle.metaType().sizeOf() != int(sizeof(isc_stmt_handle)))
        return 0;
    return *static_cast<const isc_stmt_handle *>(handle.constData());
}

bool EhTexto(const XSQLVAR &v)
{
    const int tipo = v.sqltype & ~1;
    return tipo == SQL_TEXT || tipo == SQL_VARYING;
}

// A text the engine did not translate to the connection's UTF8.
bool NaoTraduzido(const XSQLVAR &v)
{
    const int conjunto = v.sqlsubtype & 0xFF;
    return EhTexto(v) && (conjunto == ConjuntoNone || conjunto == ConjuntoOctets);
}

QByteArrayView BytesDoTexto(const XSQLVAR &v)
{
    if ((v.sqltype & ~1) == SQL_VARYING)
        return QByteArrayView(v.sqldata + sizeof(short), *reinterpret_cast<const short *>(v.sqldata));
    return QByteArrayView(v.sqldata, v.sqllen);
}

// The type the driver gives a NULL of the column (a scaled number is a double).
QMetaType TipoDoNulo(const XSQLVAR &v)
{
    const bool escalado = v.sqlscale < 0;
    switch (v.sqltype & ~1) {
    case SQL_VARYING:
    case SQL_TEXT:
        return QMetaType(QMetaType::QString);
    case SQL_LONG:
    case SQL_SHORT:
        return QMetaType(escalado ? QMetaType::Double : QMetaType::Int);
    case SQL_INT64:
        return QMetaType(escalado ? QMetaType::Double : QMetaType::LongLong);
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return QMetaType(QMetaType::Double);
    case SQL_TIMESTAMP:
        return QMetaType(QMetaType::QDateTime);
    case SQL_TYPE_TIME:
        return QMetaType(QMetaType::QTime);
    case SQL_TYPE_DATE:
        return QMetaType(QMetaType::QDate);
    case SQL_BLOB:
        return QMetaType(QMetaType::QByteArray);
    case SQL_BOOLEAN:
        return QMetaType(QMetaType::Bool);
    default:
        return QMetaType();
    }
}

QTime HoraDe(ISC_TIME t)
{
    return QTime(0, 0).addMSecs(int(t / 10));
}

// A number as the driver gives it: a scaled one as a double computed the driver's way.
template <typename Inteiro> QVariant Numero(Inteiro valor, short escala)
{
    if (escala < 0)
        return QVariant(double(valor) * std::pow(10.0, escala));
    if constexpr (sizeof(Inteiro) == 8)
        return QVariant(qlonglong(valor));
    else
        return QVariant(int(valor));
}

// The tables a statement reads that have the column: a column of a derived table or of an expression
// does not name its table, but the statement names the tables it reads.
QStringList TabelasComColuna(const QString &comando, const QString &coluna)
{
    static const QRegularExpression tabela(QStringLiteral("\\b(?:FROM|JOIN)\\s+([A-Z_][A-Z0-9_$]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList tabelas;
    for (auto it = tabela.globalMatch(comando); it.hasNext();) {
        const QString nome = it.next().captured(1).toUpper();
        if (!tabelas.contains(nome) && CodificacaoTextos::TemColuna(nome, coluna))
            tabelas << nome;
    }
    return tabelas;
}

} // namespace

struct LeitorNativo::Dados {
    QSqlQuery *consulta = nullptr;
    isc_stmt_handle comando = 0;
    std::vector<char> descritor;
    std::vector<std::vector<char>> valores;
    std::vector<short> indicadores;
    std::vector<QString> textos; // the untranslated texts of the row, decoded
    XSQLDA *sqlda() { return reinterpret_cast<XSQLDA *>(descritor.data()); }
    const XSQLDA *sqlda() const { return reinterpret_cast<const XSQLDA *>(descritor.data()); }
    int linha = 0;
};

LeitorNativo::LeitorNativo(QSqlQuery &consulta) : d(std::make_unique<Dados>())
{
    d->consulta = &consulta;
    d->comando = HandleDaConsulta(consulta);
    const int colunas = consulta.record().count();
    if (d->comando == 0 || colunas == 0)
        return;
    d->descritor.resize(XSQLDA_LENGTH(colunas));
    XSQLDA *sqlda = d->sqlda();
    sqlda->version = SQLDA_VERSION1;
    sqlda->sqln = short(colunas);
    ISC_STATUS_ARRAY status = {};
    if (isc_dsql_describe(status, &d->comando, SQL_DIALECT_V6, sqlda) || sqlda->sqld != colunas)
        d->descritor.clear();
}

LeitorNativo::~LeitorNativo() = default;

bool LeitorNativo::precisa(QSqlQuery &consulta)
{
    const LeitorNativo leitor(consulta);
    const XSQLDA *sqlda = leitor.d->descritor.empty() ? nullptr : leitor.d->sqlda();
    for (int i = 0; sqlda && i < sqlda->sqld; ++i)
        if (NaoTraduzido(sqlda->sqlvar[i]))
            return true;
    return false;
}

std::unique_ptr<LeitorNativo> LeitorNativo::abrir(QSqlQuery &consulta)
{
    std::unique_ptr<LeitorNativo> leitor(new LeitorNativo(consulta));
    if (leitor->d->descritor.empty())
        throw Falha(QStringLiteral("A consulta não pode ser lida diretamente do Firebird."),
                    consulta.lastQuery(), consulta.boundValues());
    XSQLDA *sqlda = leitor->d->sqlda();
    leitor->d->valores.resize(sqlda->sqld);
    leitor->d->indicadores.resize(sqlda->sqld);
    leitor->d->textos.resize(sqlda->sqld);
    for (int i = 0; i < sqlda->sqld; ++i) {
        XSQLVAR &v = sqlda->sqlvar[i];
        if ((v.sqltype & ~1) == SQL_BLOB)
            throw Falha(QStringLiteral("A coluna %1 (BLOB) não pode ser lida junto de textos sem conjunto de "
                                       "caracteres.")
                            .arg(QString::fromUtf8(v.aliasname, v.aliasname_length)),
                        consulta.lastQuery(), consulta.boundValues());
        leitor->d->valores[i].resize(size_t(v.sqllen) + sizeof(short));
        v.sqldata = leitor->d->valores[i].data();
        v.sqlind = &leitor->d->indicadores[i];
    }
    return leitor;
}

bool LeitorNativo::proxima()
{
    ISC_STATUS_ARRAY status = {};
    const ISC_STATUS resultado = isc_dsql_fetch(status, &d->comando, SQL_DIALECT_V6, d->sqlda());
    if (resultado == 100)
        return false;
    if (resultado != 0)
        throw Falha(Sql::TextoDoStatus(status), d->consulta->lastQuery(), d->consulta->boundValues());
    ++d->linha;
    const XSQLDA *sqlda = d->sqlda();
    for (int i = 0; i < sqlda->sqld; ++i) {
        const XSQLVAR &v = sqlda->sqlvar[i];
        if (!NaoTraduzido(v) || ((v.sqltype & 1) && *v.sqlind))
            continue;
        const QByteArrayView bytes = BytesDoTexto(v);
        std::optional<QString> texto = CodificacaoTextos::Decodificar(bytes.data(), bytes.size());
        if (!texto)
            throw Falha(descreverFalha(i), d->consulta->lastQuery(), d->consulta->boundValues());
        d->textos[i] = std::move(*texto);
    }
    return true;
}

QVariant LeitorNativo::valor(int coluna) const
{
    const XSQLVAR &v = d->sqlda()->sqlvar[coluna];
    if ((v.sqltype & 1) && *v.sqlind)
        return QVariant(TipoDoNulo(v));
    const char *dado = v.sqldata;
    switch (v.sqltype & ~1) {
    case SQL_VARYING:
    case SQL_TEXT:
        return NaoTraduzido(v) ? d->textos[coluna] : QString::fromUtf8(BytesDoTexto(v));
    case SQL_INT64:
        return Numero(*reinterpret_cast<const qint64 *>(dado), v.sqlscale);
    case SQL_LONG:
        if (v.sqllen == 4)
            return Numero(*reinterpret_cast<const qint32 *>(dado), v.sqlscale);
        return QVariant(qlonglong(*reinterpret_cast<const qint64 *>(dado)));
    case SQL_SHORT:
        return Numero(*reinterpret_cast<const short *>(dado), v.sqlscale);
    case SQL_FLOAT:
        return QVariant(double(*reinterpret_cast<const float *>(dado)));
    case SQL_DOUBLE:
        return QVariant(*reinterpret_cast<const double *>(dado));
    case SQL_TIMESTAMP: {
        const auto *t = reinterpret_cast<const ISC_TIMESTAMP *>(dado);
        return QDateTime(DataBase.addDays(t->timestamp_date), HoraDe(t->timestamp_time));
    }
    case SQL_TYPE_TIME:
        return HoraDe(*reinterpret_cast<const ISC_TIME *>(dado));
    case SQL_TYPE_DATE:
        return DataBase.addDays(*reinterpret_cast<const ISC_DATE *>(dado));
    case SQL_BOOLEAN:
        return QVariant(bool(*reinterpret_cast<const FB_BOOLEAN *>(dado)));
    default:
        return QVariant();
    }
}

// "tabela KVB001FEV, coluna NOME, linha de MATRICULA = '000123'": the row named by the table's key
// columns when the query reads them, else by its registration, else by its place among the rows read.
QString LeitorNativo::descreverFalha(int coluna) const
{
    const XSQLDA *sqlda = d->sqlda();
    const XSQLVAR &falha = sqlda->sqlvar[coluna];
    QString nomeColuna = QString::fromUtf8(falha.sqlname, falha.sqlname_length).trimmed();
    if (nomeColuna.isEmpty())
        nomeColuna = QString::fromUtf8(falha.aliasname, falha.aliasname_length).trimmed();
    QString tabela = QString::fromUtf8(falha.relname, falha.relname_length).trimmed();
    if (tabela.isEmpty())
        tabela = TabelasComColuna(d->consulta->lastQuery(), nomeColuna).join(QStringLiteral(" ou "));
    QHash<QString, int> colunas;
    for (int i = sqlda->sqld - 1; i >= 0; --i)
        colunas.insert(QString::fromUtf8(sqlda->sqlvar[i].aliasname, sqlda->sqlvar[i].aliasname_length)
                           .trimmed()
                           .toUpper(),
                       i);
    QStringList chave = tabela.isEmpty() || tabela.contains(QLatin1Char(' '))
                            ? QStringList()
                            : CodificacaoTextos::ColunasDaChave(tabela);
    if (chave.isEmpty() ||
        !std::all_of(chave.cbegin(), chave.cend(), [&](const QString &c) { return colunas.contains(c); }))
        chave = QStringList{QStringLiteral("MATRICULA")};
    QStringList partes;
    for (const QString &c : chave) {
        const int i = colunas.value(c, -1);
        if (i < 0 || i == coluna)
            continue;
        const XSQLVAR &v = sqlda->sqlvar[i];
        const QString texto = NaoTraduzido(v) ? DeWindows1252(BytesDoTexto(v).toByteArray()).trimmed()
                                              : valor(i).toString().trimmed();
        partes << QStringLiteral("%1 = '%2'").arg(c, texto);
    }
    const QString linha = partes.isEmpty() ? QStringLiteral("linha %1 da consulta").arg(d->linha)
                                           : QStringLiteral("linha de ") + partes.join(QStringLiteral(", "));
    return QStringLiteral(
               "Texto que não está em %1: tabela %2, coluna %3, %4 (bytes %5). Corrija-o no sistema "
               "de folha, ou defina %6 com o conjunto de caracteres em que ele grava os textos.")
        .arg(CodificacaoTextos::Conjunto(), tabela.isEmpty() ? QStringLiteral("(expressão)") : tabela,
             nomeColuna, linha, QString::fromLatin1(BytesDoTexto(falha).toByteArray().toHex(' ').toUpper()),
             QLatin1String(CodificacaoTextos::VariavelConjunto));
}
