#pragma once
// The rows of each work table grouped under their parent's key, so that the export finds a parent's
// children without searching the table, each group in the order of the file.
#include "db/RowSet.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class GrupoFilhos {
public:
    GrupoFilhos() = default;
    // Groups the rows of the table by the values (as texts) of these key columns, which the parent
    // table has too; each group keeps the table's order.
    GrupoFilhos(const RowSet &tabela, const RowSet &pai, const QStringList &chave);

    // Puts each group in the order the engine gives it for ORDER BY ordem. False when the program cannot
    // be sure of that order: two rows of a group compare in a way only the engine knows, or tie on every
    // column of the order while differing elsewhere (the engine's order among them is its own). The
    // groups are then in no particular order.
    bool ordenar(const RowSet &tabela, const QStringList &ordem);

    // The child rows (absolute indexes, in order) whose key equals the parent row's.
    const std::vector<int> &filhos(const RowSet &pai, int linhaPai) const;

private:
    static QString chaveDaLinha(const RowSet &tabela, const QList<int> &colunas, int linha);

    QList<int> m_colunasPai;
    QHash<QString, std::vector<int>> m_grupos;
};

struct FilhosExportacao {
    GrupoFilhos unidadesOrcamentarias; // 020 under a 010
    GrupoFilhos cargos;                // 030 under a 020
    GrupoFilhos servidores;            // 040 under a 020
    GrupoFilhos pagamentos;            // 041 under a 040
    GrupoFilhos diarias;               // 042 under a 040
    GrupoFilhos itens;                 // 043 under a 041 (same payment type)
};
