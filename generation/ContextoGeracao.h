#pragma once
// What one generation carries from start to end: the one controller that writes every record, what this
// run has written (so that parent and duplicate tests can be answered without asking the database) and
// the sets the item and payment builders load once per generation instead of once per staff member.
#include "econtas/uEcontasController.h"
#include "generation/CacheItens.h"
#include "generation/ConsultasGeracao.h"
#include "generation/EscritosGeracao.h"

#include <QSet>
#include <QString>

#include <memory>

struct TContextoGeracao {
    TEcontasController controlador;
    // Every walk records here each row it writes (registrar040 after InserirEcontas_040, ...): the
    // payment and per-diem builders then find a staff member's record 040 without a statement.
    TEscritosGeracao escritos;
    TCacheItens cacheItens;

    // Staff members whose payments and per-diems this run has already walked, by their source rows
    // (CNPJ, managing unit, budget unit, registration): walking the same rows again would add their
    // items a second time.
    QSet<QString> servidoresPercorridos;

    // Who answers the builders' questions: the loaded sets and the rows written, unless a check puts
    // another answerer in place.
    std::unique_ptr<TConsultasGeracao> consultas =
        std::make_unique<TConsultasEmMemoria>(cacheItens, escritos);
};
