#pragma once
// An in-memory row set: every row of a query, a cursor (first/next/eof), searches by column values,
// filters as predicates over the fetched rows and fields found by case-insensitive name.
// CHAR values arrive without their trailing pad blanks; NULL stays NULL (read as "", 0 or no date).
#include "db/Datas.h"
#include "db/Dinheiro.h"
#include "db/VetorEmPedacos.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class QSqlQuery;

class RowSet {
public:
    using Predicado = std::function<bool(const RowSet &, int linha)>;

    RowSet() = default;

    // Runs the statement on FDConn (values bound positionally) and loads every row.
    // A failure while preparing, running or fetching raises a Falha with the database's message.
    static RowSet abrir(const QString &sql, const QVariantList &parametros = {});
    // Loads every remaining row of a query that has already run.
    static RowSet carregar(QSqlQuery &consulta);
    // An open row set with these columns and no rows (for sets built in memory).
    static RowSet vazio(const QStringList &campos);

    bool aberto() const { return m_aberto; }
    void fechar();

    // Columns
    int quantidadeCampos() const { return int(m_campos.size()); }
    QStringList campos() const { return m_campos; }
    int indiceCampo(const QString &nome) const; // -1 when there is none
    // A column the caller cannot do without: raises "Campo '<nome>' não encontrado" when there is none.
    int indiceCampoObrigatorio(const QString &nome) const;
    bool temCampo(const QString &nome) const { return indiceCampo(nome) >= 0; }
    // What the database declared for a loaded column: the type its values come in, and whether it is
    // CHAR (its pad blanks were cut on loading). Sets built in memory know neither.
    QMetaType tipoCampo(int coluna) const;
    bool campoChar(int coluna) const;

    // Cursor over the visible rows (all rows, or those the filter keeps)
    int recordCount() const;
    void first();
    void next();
    void last();
    bool eof() const;
    bool vazioVisivel() const { return recordCount() == 0; }
    int linhaAtual() const; // absolute row index, -1 at the end
    void irParaLinha(int linhaAbsoluta);

    // Values of the current row; at the end every field reads as NULL.
    QVariant valor(const QString &campo) const;
    QVariant valor(int coluna) const;
    QString texto(const QString &campo) const; // NULL is ""
    QString texto(int coluna) const;
    bool nulo(const QString &campo) const { return valor(campo).isNull(); }
    int inteiro(const QString &campo) const;       // NULL is 0; a text that is not a number raises
    double flutuante(const QString &campo) const;  // NULL is 0
    Dinheiro dinheiro(const QString &campo) const; // NULL is 0; NUMERIC exact, float half to even
    DataDias data(const QString &campo) const;     // NULL is 0

    // Values of any row by absolute index.
    int quantidadeLinhas() const { return int(m_dados.size() / std::max<size_t>(1, m_campos.size())); }
    QVariant valorEm(int linha, int coluna) const;
    QString textoEm(int linha, int coluna) const;
    // Two rows hold the very value in the column: a NULL of one type, one number, or one text of a set
    // as loaded (a loaded set keeps each text once). False says nothing: dates, and texts of rows added
    // in memory, are kept apart even when equal.
    bool mesmaCelula(int linhaA, int linhaB, int coluna) const;

    // From the first visible row, the first whose fields equal the values as text (exact, case-sensitive).
    // Found: the cursor moves there and the result is true. Not found: the cursor stays where it was.
    bool locate(const QStringList &campos, const QStringList &valores);

    // Keeps only the rows the predicate accepts and moves to the first of them.
    void filtrar(Predicado predicado);
    void semFiltro();
    bool filtrado() const { return m_filtrado; }

    // Stable sort of all rows by the fields given (NULL first, numbers by value, texts by code point).
    // A field the set does not have raises "Campo '<nome>' não encontrado".
    void ordenar(const QStringList &campos);

    // Appends one row (values in column order) to an open set.
    void adicionarLinha(const QVariantList &valores);

private:
    void reiniciarIndices();
    void indexarNome(const QString &nome, int coluna);
    int absoluta(int visivel) const { return m_filtrado ? m_visiveis[visivel] : visivel; }

    bool m_aberto = false;
    QStringList m_campos;
    std::vector<QMetaType> m_tipos;
    std::vector<bool> m_char;
    QHash<QString, int> m_indicePorNome; // name in capitals and in small letters -> first column of that name
    // Row-major cells of 8 bytes: a double as itself (the payroll sheets are mostly money columns), a
    // NULL, an INTEGER or the index of a value kept whole in m_outros, boxed in a NaN pattern no stored
    // double has (a NaN from the database is kept whole); cells never change, so equal texts of a loaded
    // set share one kept value. Holds a large sheet in a fraction of the memory.
    VetorEmPedacos<quint64> m_dados;
    VetorEmPedacos<QVariant> m_outros;
    quint64 guardar(QVariant valor);
    QVariant ler(quint64 celula) const;
    bool m_filtrado = false;
    std::vector<int> m_visiveis;
    int m_cursor = 0; // index among the visible rows
    // locate indexes: column list -> (joined values -> first absolute row)
    std::shared_ptr<QHash<QString, QHash<QString, int>>> m_indices;
};
