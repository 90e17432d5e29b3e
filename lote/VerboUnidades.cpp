// unidades MMYYYY gestoras|orcamentarias: the rows and the count line of the unit preview windows.
#include "econtas/PreviewUnidades.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"
#include "lote/SelecaoMes.h"

#include <QJsonArray>

int ExecutarUnidades(ContextoLote &contexto)
{
    const QString tipo = contexto.args.argumentos.value(1);
    const bool gestoras = tipo == QLatin1String("gestoras"); // checked with the command line
    const int selecao = SelecionarMes(contexto, contexto.args.argumentos.value(0));
    if (selecao != Concluido)
        return selecao;
    TEstadoEcontas &estado = contexto.estado;
    const TListaUnidades lista =
        gestoras ? ListarUnidadesGestoras(estado.mes_cadastro, estado.cdsUnidadesGestorasOrcamentarias)
                 : ListarUnidadesOrcamentarias(estado.SQLPadrao, estado.cdsUnidadesGestorasOrcamentarias);
    if (SaidaEmJson()) {
        QJsonArray linhas;
        for (const QStringList &colunas : lista.linhas)
            linhas.append(QJsonArray::fromStringList(colunas));
        IncluirNoDocumento(QStringLiteral("linhas"), linhas);
        IncluirNoDocumento(QStringLiteral("status"), lista.status);
        return Concluido;
    }
    QStringList saida;
    for (const QStringList &colunas : lista.linhas)
        saida << colunas.join(QLatin1Char('\t'));
    saida << lista.status;
    EscreverSaida(saida.join(QLatin1Char('\n')));
    return Concluido;
}
