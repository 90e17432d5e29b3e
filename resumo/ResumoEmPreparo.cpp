#include "resumo/ResumoEmPreparo.h"

#include "common/Operador.h"

#include <QDeadlineTimer>

ResumoEmPreparo::ResumoEmPreparo(const TEstadoEcontas &estado) : m_documento(MontarDocumentoResumo(estado))
{
    m_desenho.reset(QThread::create([this] {
        try {
            m_pdf = GerarPdfResumo(m_documento);
        } catch (...) {
            m_falha = std::current_exception();
        }
    }));
    m_desenho->start();
}

ResumoEmPreparo::~ResumoEmPreparo()
{
    m_desenho->wait();
}

QStringList ResumoEmPreparo::gravar(const QString &pasta)
{
    while (!m_desenho->wait(QDeadlineTimer(16)))
        ProcessarEventos();
    if (m_falha)
        std::rethrow_exception(m_falha);
    return GravarArquivosResumo(m_documento, m_pdf, pasta);
}
