#pragma once
// The seven e-Contas work tables ECONTAS_010 … ECONTAS_043, each described once: its columns in order
// with their database types, the key of a row and the order the export reads them in. The inserts, the
// export's reading statements and the test databases' tables are all made from these descriptions.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

enum class TipoColuna { Texto, Inteiro, Dinheiro, Data };

struct ColunaTrabalho {
    QString nome;
    TipoColuna tipo;
    QString tipoSql; // as declared in the table, e.g. "VARCHAR(14)" or "NUMERIC(18,4)"
};

class TabelaTrabalho {
public:
    TabelaTrabalho(QString nome, QList<ColunaTrabalho> colunas, QStringList chave,
                   QStringList ordemExportacao);

    const QString &nome() const { return m_nome; }
    const QList<ColunaTrabalho> &colunas() const { return m_colunas; }
    QStringList nomesColunas() const;
    // The columns that identify a row (the key index of the table).
    const QStringList &chave() const { return m_chave; }
    // Parent's key first, then the order inside the parent; the other columns only settle ties.
    const QStringList &ordemExportacao() const { return m_ordemExportacao; }
    // Position of a column in the description; -1 when the table has no such column.
    int posicao(const QString &coluna) const;

    QString sqlInsercao() const;
    // "UPDATE <tabela> SET <valores> WHERE <chave sem DTPAGTO> AND DTPAGTO IS NOT DISTINCT FROM ? ROWS 1":
    // the payment date compared NULL-safe, so a row stored without a date is found by a key of 0.
    QString sqlAtualizacaoPorPagamento(const QStringList &valores) const;
    // The columns whose values that statement takes, in its parameters' order.
    QStringList parametrosAtualizacaoPorPagamento(const QStringList &valores) const;
    QString sqlCriacao() const;
    QString sqlIndiceChave() const;

private:
    QString m_nome;
    QList<ColunaTrabalho> m_colunas;
    QStringList m_chave;
    QStringList m_ordemExportacao;
};

namespace TabelasTrabalho {
const TabelaTrabalho &Econtas010();
const TabelaTrabalho &Econtas020();
const TabelaTrabalho &Econtas030();
const TabelaTrabalho &Econtas040();
const TabelaTrabalho &Econtas041();
const TabelaTrabalho &Econtas042();
const TabelaTrabalho &Econtas043();
// The seven, in record order.
const QList<const TabelaTrabalho *> &Todas();
} // namespace TabelasTrabalho

// The values of one row, set by column name and given back in the description's order. Setting a
// column the table does not have, or asking for the values while a column is still unset, is a fault
// of the program and throws.
class LinhaTrabalho {
public:
    explicit LinhaTrabalho(const TabelaTrabalho &tabela);
    LinhaTrabalho &operator()(const QString &coluna, const QVariant &valor);
    const TabelaTrabalho &tabela() const { return m_tabela; }
    const QVariantList &valores() const;
    // The values of the named columns, in the order given.
    QVariantList valores(const QStringList &colunas) const;

private:
    const TabelaTrabalho &m_tabela;
    QVariantList m_valores;
    QList<bool> m_definida;
    int m_proxima = 0;
};
