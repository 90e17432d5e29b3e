#pragma once
// Rows of one work table sent to the database several at a time: one EXECUTE BLOCK carries the values
// of many rows and inserts them in the order they were given, so a generation through a server pays one
// round trip per block instead of one per row. Rows that do not fill a block go, when the rows are
// flushed, in smaller blocks of 16, 8, 4 and 2 rows and a last single insert, so a flush costs a few
// statements however many rows it sends. A block refused by the database raises the failure of its statement,
// like a single insert. Blocks run only inside the caller's transaction: the driver takes a block for a
// procedure call, which it never commits by itself.
#include "db/Sql.h"
#include "econtas/TabelasTrabalho.h"

#include <QList>
#include <QVariantList>

#include <map>
#include <memory>

class TInsercaoEmBlocos {
public:
    explicit TInsercaoEmBlocos(const TabelaTrabalho &tabela);
    ~TInsercaoEmBlocos();

    // Keeps the row; sends a block when one is full.
    void adicionar(const QVariantList &valores);
    // Sends every row kept, in order.
    void descarregar();
    bool pendente() const { return !m_pendentes.isEmpty(); }

    // Rows per block for this table: as many as keep the statement and its parameters well inside the
    // engine's limits (64 KB of text, 64 KB of parameter data).
    static int linhasPorBloco(const TabelaTrabalho &tabela);
    static QString sqlBloco(const TabelaTrabalho &tabela, int linhas);

private:
    void enviar(const QList<QVariantList> &linhas);
    // The prepared statement for blocks of this many rows (one row: the table's single insert).
    Sql::Comando &comandoPara(int linhas);

    const TabelaTrabalho &m_tabela;
    const int m_linhasPorBloco;
    QList<QVariantList> m_pendentes;
    std::map<int, std::unique_ptr<Sql::Comando>> m_comandos;
};
