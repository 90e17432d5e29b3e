// criticas MMYYYY [--sim]: the critique of one month.
#include "lote/VerboCriticas.h"

#include "criticas/ExecucaoCriticas.h"
#include "lote/OperadorLote.h"
#include "lote/SelecaoMes.h"

int CriticarMesSelecionado(ContextoLote &contexto)
{
    const ListasCriticas listas = btnCriticasClick(contexto.estado);
    for (const QString &linha : TextoDasCriticas(listas))
        EscreverSaida(linha);
    return contexto.estado.ErroCritica ? InterrompidoPeloFluxo : Concluido;
}

int ExecutarCriticas(ContextoLote &contexto)
{
    const int selecao = SelecionarMes(contexto, contexto.args.argumentos.value(0));
    if (selecao != Concluido)
        return selecao;
    return CriticarMesSelecionado(contexto);
}
