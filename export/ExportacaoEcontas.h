#pragma once
// The export of the selected competence: one submission file per managing unit of the competence,
// each in a folder of its own under the base folder, the summary of the competence (RESUMO-MMYYYY.pdf
// and .csv) and the manifest SHA256SUMS beside them, then the export date in the control row.
#include "export/ComandosExportacao.h"

#include <QString>
#include <QStringList>

struct TEstadoEcontas;

// The whole export, with its messages. Raises Falha on any failure (shown by the action runner); in
// every case the base folder is emptied and the reset of the progress display is dispatched. Returns the
// folder the files went to (absolute), empty when nothing was exported; the status line names it.
QString ExportarArquivos(TEstadoEcontas &estado);

// "Exportação concluída em <pasta>."
QString StatusExportacaoConcluida(const QString &pasta);

// The statuses of the competence's summary: while it is read (its reconciliation with the payroll,
// before the submission files are written) and, once the files are in place, while its PDF and CSV
// and the manifest are written.
QString StatusDaConferencia();
QString StatusDoResumo();

// Sizes the record bars by the rows of each work table and the overall bar by their sum.
void AlimentaProgressExportacao(const TComandosSql::TabelasExportacao &tabelas);

// Writes every submission file of the tables under the base folder pCaminho; returns their paths.
QStringList Exporta_Econtas(const TEstadoEcontas &estado, const TComandosSql::TabelasExportacao &tabelas,
                            const QString &pCaminho);

// The folder and the file of a managing unit under the base folder.
struct DestinoArquivo {
    QString pasta;
    QString arquivo;
};
DestinoArquivo DestinoDaUnidadeGestora(const QString &pCaminho, const QString &descricao,
                                       const QString &codtcm);
