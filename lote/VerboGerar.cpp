// gerar MMYYYY [--data-pagamento DD/MM/AAAA] [--sim]: generates the month's records, as the button does.
#include "econtas/Principal.h"
#include "generation/Geracao.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"
#include "lote/SelecaoMes.h"

int ExecutarGerar(ContextoLote &contexto)
{
    const QString competencia = contexto.args.argumentos.value(0);
    const int selecao = SelecionarMes(contexto, competencia);
    if (selecao != Concluido)
        return selecao;
    // The window enables its generation button only for a month that went through the critique.
    if (!BotoesDoMes(competencia).geracao) {
        EscreverErro(
            QStringLiteral("A competência %1 ainda não passou pelas críticas: execute o verbo criticas "
                           "antes de gerar.")
                .arg(competencia));
        return InterrompidoPeloFluxo;
    }
    return btnGeracaoClick(contexto.estado) ? Concluido : InterrompidoPeloFluxo;
}
