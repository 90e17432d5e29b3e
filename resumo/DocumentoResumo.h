#pragma once
// Everything the summary report shows: who and when on its header, the summary per unit and the
// differences found against the payroll.
#include "resumo/Reconciliacao.h"
#include "resumo/ResumoCompetencia.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct TEstadoEcontas;

struct DocumentoResumo {
    QString municipio;
    QString competencia; // MMYYYY
    QString operador;
    QDateTime data;
    ResumoCompetencia resumo;
    Reconciliacao reconciliacao;
};

// Summary and reconciliation of the selected competence, stamped now with the state's operator.
DocumentoResumo MontarDocumentoResumo(const TEstadoEcontas &estado);

// The report on paper is drawn by a part that needs the graphics library, which the core does not
// link: the programs install it at start (the windows program and the batch command alike).
using GeradorPdfResumo = QByteArray (*)(const DocumentoResumo &documento);
void InstalarGeradorPdfResumo(GeradorPdfResumo gerador);
// The PDF of the report; raises Falha when no generator is installed.
QByteArray GerarPdfResumo(const DocumentoResumo &documento);

// "RESUMO-MMYYYY"
QString NomeBaseResumo(const QString &competencia);

// Writes RESUMO-MMYYYY.pdf and RESUMO-MMYYYY.csv of the document into the folder; returns their paths.
QStringList GravarArquivosResumo(const DocumentoResumo &documento, const QString &pasta);
