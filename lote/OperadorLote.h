#pragma once
// The batch command's operator: messages to stdout, errors to stderr (as --silencioso and --json
// have them), confirmations answered Yes only with --sim.
#include "common/OperadorTexto.h"
#include "lote/SaidaLote.h"

class OperadorLote : public TOperadorTexto {
public:
    explicit OperadorLote(bool responderSim) : TOperadorTexto(responderSim, EscreverSaida, EscreverErro) {}
};
