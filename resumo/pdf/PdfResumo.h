#pragma once
// The summary report on paper: one A4 document (landscape) with the municipality, the competence, the
// date and the operator on its header, the summary per unit and the differences against the payroll.
// Drawn with Qt's own PDF writer; needs a QGuiApplication (the "offscreen" platform will do).
#include "resumo/DocumentoResumo.h"

#include <QByteArray>
#include <QPdfWriter>
#include <QString>
#include <QTextDocument>

// The report as HTML, the text the PDF is laid out from (also shown by the summary window).
QString HtmlResumo(const DocumentoResumo &documento);
QByteArray PdfResumo(const DocumentoResumo &documento);

// The report's pages (A4 landscape, margins of 12 mm, 300 dpi) and its text laid out on them, as
// PdfResumo draws them; the writer must outlive the layout.
void ConfigurarPaginasDoResumo(QPdfWriter &escritor, const QString &competencia);
void DiagramarResumo(QTextDocument &texto, const QString &html, QPdfWriter &escritor);

// A program without windows draws the report on the "offscreen" platform unless told otherwise; call
// before the QGuiApplication is built.
void UsarPlataformaSemTelaSeNenhumaEscolhida();
// Installs PdfResumo as the core's generator of the report.
void InstalarPdfResumo();
