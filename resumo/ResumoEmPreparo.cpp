#include "resumo/ResumoEmPreparo.h"

ResumoEmPreparo::ResumoEmPreparo(const TEstadoEcontas &estado) : m_documento(MontarDocumentoResumo(estado)) {}

QStringList ResumoEmPreparo::gravar(const QString &pasta) const
{
    return GravarArquivosResumo(m_documento, GerarPdfResumo(m_documento), pasta);
}
