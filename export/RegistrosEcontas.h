#pragma once
// The record writers of one submission file: header 000, the managing unit 010 with everything below
// it (020, 030, 040, 041, 042, 043) and the trailer 999, each a fixed-width line written through
// TTovrinTXT, numbered from 1 in columns 4-13 and closed by "*" in its last column.
#include "export/ComandosExportacao.h"
#include "export/TovrinTXT.h"

#include <QString>

#include <memory>
#include <utility>
#include <vector>

struct TEstadoEcontas;

// One work table with its columns found by name the first time a record writer asks: the writers name
// the same few columns, by the same literals, record after record.
class ColunasPorNome {
public:
    explicit ColunasPorNome(const RowSet &tabela) : m_tabela(tabela) {}
    const RowSet &tabela() const { return m_tabela; }
    // campo: a string literal; raises "Campo '<campo>' não encontrado" when the table has no such column
    int coluna(const char *campo) const;

private:
    const RowSet &m_tabela;
    mutable std::vector<std::pair<const char *, int>> m_achadas;
};

class TArquivoEcontas {
public:
    TArquivoEcontas(const TEstadoEcontas &estado, const TComandosSql::TabelasExportacao &tabelas);
    ~TArquivoEcontas();

    // Opens the file and resets the counters.
    void IniciaExportacaoEcontas(const QString &pCaminho);
    // Header, the managing unit of this row of ECONTAS_010 and every record below it.
    void ExportaArquivo010(int linha010);
    // Trailer, then closes the file and releases the writer.
    void FinalizaExportacaoEcontas(const QString &pCaminho = QString());

    int TOT_GRAVADOS = 0; // lines written to the file so far
    int SEQ_040 = 0;      // records 040 written to the file so far

private:
    void ExportaArquivo000(int linha010);
    void ExportaArquivo020(int linha020);
    void ExportaArquivo030(int linha030);
    void ExportaArquivo040(int linha040);
    void ExportaArquivo041(int linha041);
    void ExportaArquivo042(int linha042);
    void ExportaArquivo043(int linha043);

    // Starts a line of the record type with its width; closes it with "*", the sequence number and
    // appends it.
    void iniciarRegistro(const QString &tipo);
    void gravarRegistro();

    const TEstadoEcontas &m_estado;
    const TComandosSql::TabelasExportacao &m_tabelas;
    const FilhosExportacao &m_filhos;
    const ColunasPorNome m_colunas010, m_colunas020, m_colunas030, m_colunas040, m_colunas041, m_colunas042,
        m_colunas043;
    std::unique_ptr<TTovrinTXT> ArqTxtPAG;
};
