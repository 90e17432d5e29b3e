#pragma once
// The state of the selected competence, as the main window holds it (the batch command owns one too).
// The walks, the writers and the critique work on it.
#include "db/RowSet.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// The record source sets (opened by CarregarDadosEcontas) and the positions table. Every run reads them
// anew: a copy of the state for a run takes them over instead of copying them (on a large payroll a copy
// would hold them twice while the run goes on). A set added here moves with the others.
struct TFontesDaExecucao {
    RowSet Econtas010;
    RowSet EContas020;
    RowSet Econtas030;
    RowSet Econtas040;
    RowSet Econtas042;
    RowSet Econtas043;
    RowSet QryCargoEcontas;
};

struct TEstadoEcontas : TFontesDaExecucao {
    // From the command line
    QString ano_folha;
    QString usuario;

    // The selected competence (a click on the month list)
    bool mesSelecionado = false;    // the month list has a selected row
    QString competencia;            // MMYYYY
    QString mes_cadastro;           // "JAN" … "DEZ"
    QString numero_mes_selecionado; // "01" … "12"
    QDate dataPagamento;            // dtpPagamento (the date part is what the work uses)

    // Editable settings of the main window
    QString codMunicipio;                               // edtCodMunicipio
    QString versaoTovrin = QStringLiteral("FPG202000"); // edtVersaoTovrin
    QString caminhoArquivo;                             // edtCaminhoArquivo (export base folder)

    // Base payroll selection and the sets built from it
    QString SQLPadrao;
    RowSet CDS_COMPLEMENTAR; // closed when the month has no chosen complementary sheet
    RowSet CDS_DECADIANT;
    RowSet CDS_DECFINAL;

    // Cursors kept for the whole run of the program
    RowSet fdtblCliente;                     // KVB003, the entity's row
    RowSet cdsUnidadesGestorasOrcamentarias; // UNIDADE_ORCAMENTARIA

    // Critique outcome
    bool ErroCritica = false;
    bool SomenteErroNaPessoal = false;

    // Lines about records left out by the last generation, shown after its success message.
    QStringList relatorioGeracao;

    // What the window that owns this state does when the core asks; the batch command leaves it empty.
    std::function<void()> ControlesTCMA; // reload the month list

    // The entity's CNPJ as text (cgc of the client row).
    QString cnpjCliente() const { return fdtblCliente.texto(QStringLiteral("CGC")); }
    // The payment date as "dd/mm/yyyy".
    QString dataPagamentoTexto() const { return dataPagamento.toString(QStringLiteral("dd/MM/yyyy")); }

    // A copy of the state for one run, which takes over the record sets of the last run.
    TEstadoEcontas CopiaParaExecucao()
    {
        TFontesDaExecucao fontes = std::exchange(static_cast<TFontesDaExecucao &>(*this), {});
        TEstadoEcontas copia = *this;
        static_cast<TFontesDaExecucao &>(copia) = std::move(fontes);
        return copia;
    }
};
