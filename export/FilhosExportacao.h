#pragma once
// The rows of each work table grouped under their parent's key, built in one pass over rows that
// already come in file order: the export finds a parent's children without searching the table.
#include "export/ComandosExportacao.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class GrupoFilhos {
public:
    GrupoFilhos() = default;
    // Groups the rows of the table by the values of these key columns, keeping their order.
    GrupoFilhos(const RowSet &tabela, const QStringList &chave);

    // The child rows (absolute indexes, in order) whose key equals the parent row's values of the
    // same columns.
    const std::vector<int> &filhos(const RowSet &pai, int linhaPai) const;

private:
    static QString chaveDaLinha(const RowSet &tabela, const QList<int> &colunas, int linha);

    QStringList m_chave;
    QHash<QString, std::vector<int>> m_grupos;
};

struct FilhosExportacao {
    explicit FilhosExportacao(const TComandosSql::TabelasExportacao &tabelas);

    GrupoFilhos unidadesOrcamentarias; // 020 under a 010
    GrupoFilhos cargos;                // 030 under a 020
    GrupoFilhos servidores;            // 040 under a 020
    GrupoFilhos pagamentos;            // 041 under a 040
    GrupoFilhos diarias;               // 042 under a 040
    GrupoFilhos itens;                 // 043 under a 041 (same payment type)
};
