#pragma once
// The competence's summary read now, in the caller's transaction, and its PDF drawn on a thread of its
// own while the caller goes on (the export writes the submission files meanwhile). The report is laid
// out by Qt's rich text classes, which may work outside the program's main thread.
#include "resumo/DocumentoResumo.h"

#include <QByteArray>
#include <QStringList>
#include <QThread>

#include <exception>
#include <memory>

class ResumoEmPreparo {
public:
    explicit ResumoEmPreparo(const TEstadoEcontas &estado);
    ~ResumoEmPreparo();                                // waits for the drawing, also when the caller fails
    ResumoEmPreparo(const ResumoEmPreparo &) = delete; // the drawing thread holds on to this object
    ResumoEmPreparo &operator=(const ResumoEmPreparo &) = delete;

    // Waits for the PDF if it is not ready (window events keep running), then writes the PDF and the
    // CSV into the folder; returns their paths. A failure to draw the PDF is raised here.
    QStringList gravar(const QString &pasta);

private:
    const DocumentoResumo m_documento;
    QByteArray m_pdf;
    std::exception_ptr m_falha;
    // A QThread, not a bare thread: the text layout starts Qt timers, which need Qt's own threads.
    std::unique_ptr<QThread> m_desenho;
};
