// desfazer MMYYYY --sim: undoes the month's generation (stamps, work rows, closing states).
#include "econtas/Principal.h"
#include "lote/Lote.h"
#include "lote/SelecaoMes.h"

int ExecutarDesfazer(ContextoLote &contexto)
{
    const int selecao = SelecionarMes(contexto, contexto.args.argumentos.value(0));
    if (selecao != Concluido)
        return selecao;
    return ExcluirExportacao(contexto.estado) ? Concluido : InterrompidoPeloFluxo;
}
