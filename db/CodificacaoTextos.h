#pragma once
// Texts the engine does not translate. A payroll database created long ago often declares no character
// set (NONE): its columns hold the very bytes the payroll system wrote, in the office's code page,
// Windows-1252 unless ECONTAS_CONJUNTO names another. They are read in that code page and written in it,
// so that the payroll system reads the work rows as it reads its own texts. Every column of a declared
// character set is translated by the engine to and from the connection's UTF8.
#include <QString>
#include <QStringList>

#include <optional>

namespace CodificacaoTextos {

inline constexpr char VariavelConjunto[] = "ECONTAS_CONJUNTO";

// The code page of untranslated texts: ECONTAS_CONJUNTO ("WIN1252", "ISO8859_1" or "UTF8"), WIN1252
// when it is unset. Any other value raises a Falha that names the variable and the accepted values.
QString Conjunto();
void ValidarConjunto();

// The text of untranslated bytes, or nothing when they are not text of that code page.
std::optional<QString> Decodificar(const char *bytes, qsizetype tamanho);

// What stands in a statement for a bound value of the column: "?", or for a text column of character
// set NONE "CAST(? AS VARCHAR(n) CHARACTER SET <conjunto>)", so that the engine stores the code page's
// bytes (and compares them) rather than the connection's UTF-8.
QString Marcador(const QString &tabela, const QString &coluna);
// The type of an EXECUTE BLOCK parameter that takes a value of the column: "TYPE OF COLUMN t.c", or for
// a text column of character set NONE "VARCHAR(n) CHARACTER SET <conjunto>".
QString TipoDoParametro(const QString &tabela, const QString &coluna);

// Whether the table has the column.
bool TemColuna(const QString &tabela, const QString &coluna);
// The key columns of a table (its primary key, else its first unique index), for naming a row.
QStringList ColunasDaChave(const QString &tabela);

// Forgets what was read of the database's columns: a new connection may be another database.
void EsquecerColunas();

} // namespace CodificacaoTextos
