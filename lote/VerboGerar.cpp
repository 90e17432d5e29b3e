// gerar MMYYYY [--data-pagamento DD/MM/AAAA] [--sim]: generates the month's records, as the button does.
#include "econtas/Principal.h"
#include "generation/Geracao.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"

StatusSaida VerboGerar(ContextoLote &contexto)
{
    return btnGeracaoClick(contexto.estado) ? StatusSaida::Concluido : StatusSaida::InterrompidoPeloFluxo;
}
