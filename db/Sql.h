#pragma once
// Data-access helpers: the FDConn connection, SQL string literals, statements built line by line,
// validated codes for table names, running statements, prepared commands and the transaction guard.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlError;

namespace Sql {

inline const QString NomeConexao = QStringLiteral("FDConn");

// The one connection of the process, found by name.
QSqlDatabase Conexao();

// SQL NULL, for a caller that means it: a null QString is bound as the empty text (see Rodar).
inline QVariant Nulo()
{
    return QVariant();
}

// An SQL string literal: single quotes around the value, inner single quotes doubled.
QString Q(const QString &valor);

// Statements that bind a value for each column, its place written as the column takes a bound text
// (CodificacaoTextos::Marcador): "INSERT INTO t (a, b) VALUES (?, ?)", and "a = ?" for each column
// joined by the separator (", " for a SET part, " AND " for a WHERE part).
QString Insercao(const QString &tabela, const QStringList &colunas);
QString Atribuicoes(const QString &tabela, const QStringList &colunas, const QString &separador);

// A statement made of lines: each line followed by a line break.
QString Linhas(const QStringList &linhas);

// The database's own text of a failure.
QString TextoDoErro(const QSqlError &erro);

// The failure to raise for a failed statement: a Falha with the database's text, or a ConflitoDeBloqueio
// whose first line says in Portuguese that another workstation holds the same rows. Both carry the
// statement and its values when given.
[[noreturn]] void LancarFalha(const QSqlError &erro, const QString &comando = {},
                              const QVariantList &valores = {});
bool EhConflitoDeBloqueio(const QSqlError &erro);
// The same from the engine's SQLCODE and its text.
bool EhConflitoDeBloqueio(int codigoSql, const QString &texto);
QString MensagemConflitoDeBloqueio();

// Codes that are pasted verbatim into table names. Anything else is refused before any statement runs.
bool EhCodigoMes(const QString &codigo);        // "JAN" … "DEZ"
bool EhCodigoFolhaExtra(const QString &codigo); // month letter A-L, then C, Y or Z, then a digit
QString ValidarMes(const QString &codigo);      // returns the code or raises
QString ValidarFolha(const QString &codigo);    // a month code or a complementary/13th-salary code

// Prepares the statement on the query; a statement the database rejects raises a Falha carrying it and
// the values it was to run with.
void Preparar(QSqlQuery &consulta, const QString &sql, const QVariantList &valores = {});
// Runs a prepared query with the values bound in their order, logs it with its time (econtas.sql) and
// raises a Falha carrying the statement and the values when the database refuses it.
void Rodar(QSqlQuery &consulta, const QVariantList &valores);

// Runs a statement that returns no rows; raises a Falha with the database's message on failure.
void Executar(const QString &sql, const QVariantList &parametros = {});
// The same, returning the number of rows changed.
int ExecutarContando(const QString &sql, const QVariantList &parametros = {});

// A statement prepared once and run many times with positional parameters.
class Comando {
public:
    explicit Comando(const QString &sql);
    void executar(const QVariantList &parametros);
    QSqlQuery &consulta() { return m_consulta; }

private:
    QSqlQuery m_consulta;
};

// Groups statements in one transaction. Rolled back when it goes out of scope uncommitted; commit()
// checks the driver's answer. A guard created while another is active joins it (commits nothing itself).
class Transacao {
public:
    Transacao();
    ~Transacao();
    Transacao(const Transacao &) = delete;
    Transacao &operator=(const Transacao &) = delete;
    void commit();
    static bool ativa();

private:
    bool m_propria = false;
    bool m_concluida = false;
};

} // namespace Sql
