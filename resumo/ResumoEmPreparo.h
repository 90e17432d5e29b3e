#pragma once
// The competence's summary read now, in the caller's transaction, and written later: the export reads
// it before the submission files, so that a summary that cannot be read stops the export before any
// file is written, and draws and writes its PDF and CSV once the files are in place.
#include "resumo/DocumentoResumo.h"

#include <QStringList>

class ResumoEmPreparo {
public:
    explicit ResumoEmPreparo(const TEstadoEcontas &estado);

    // Draws the PDF and writes it and the CSV into the folder; returns their paths.
    QStringList gravar(const QString &pasta) const;

private:
    const DocumentoResumo m_documento;
};
