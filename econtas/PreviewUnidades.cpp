#include "econtas/PreviewUnidades.h"

#include "common/uUtil.h"
#include "econtas/ComandosPreviews.h"
#include "econtas/EstadoEcontas.h"

namespace {

// The two first columns and, when UNIDADE_ORCAMENTARIA knows the unit, its description.
QStringList linhaComDescricao(const QString &primeira, const QString &unidade, RowSet &pUnidades)
{
    QStringList colunas = {primeira, unidade};
    if (pUnidades.aberto() && pUnidades.locate({QStringLiteral("CODIGO_UNIDADE")}, {unidade}))
        colunas << pUnidades.texto(QStringLiteral("DESCRICAO_UNIDADE"));
    return colunas;
}

} // namespace

TListaUnidades ListarUnidadesGestoras(const QString &pMes, RowSet &pUnidades)
{
    RowSet consulta = TComandosSql::ConsultaUnidadesGestoras(pMes);
    TListaUnidades lista;
    for (consulta.first(); !consulta.eof(); consulta.next())
        lista.linhas << linhaComDescricao(FormataCNPJ(consulta.texto(QStringLiteral("CNPJ"))),
                                          consulta.texto(QStringLiteral("CODUNDGESTOR")), pUnidades);
    lista.status = TotalUnidadesGestoras + QString::number(consulta.recordCount());
    return lista;
}

TListaUnidades ListarUnidadesOrcamentarias(const QString &pSqlPadrao, RowSet &pUnidades)
{
    RowSet consulta = TComandosSql::ConsultaUnidadesOrcamentarias(pSqlPadrao);
    TListaUnidades lista;
    for (consulta.first(); !consulta.eof(); consulta.next())
        lista.linhas << linhaComDescricao(consulta.texto(QStringLiteral("CODUNDGESTOR")),
                                          consulta.texto(QStringLiteral("CODUNDORCA")), pUnidades);
    lista.status = TotalUnidadesOrcamentarias + QString::number(consulta.recordCount());
    return lista;
}

bool ValidarMesParaVisualizacao(const TEstadoEcontas &estado)
{
    if (estado.mesSelecionado)
        return true;
    MensagemInformacao(MensagemSemMesParaVisualizacao);
    return false;
}
