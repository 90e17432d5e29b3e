// desfazer MMYYYY --sim: undoes the month's generation (stamps, work rows, closing states).
#include "econtas/Principal.h"
#include "lote/Verbos.h"

StatusSaida VerboDesfazer(ContextoLote &contexto)
{
    return ExcluirExportacao(contexto.estado) ? StatusSaida::Concluido : StatusSaida::InterrompidoPeloFluxo;
}
