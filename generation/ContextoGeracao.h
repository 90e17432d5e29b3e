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

// The maternity bookkeeping of the item builder: whether the staff member being walked is on maternity
// leave and which event is her maternity salary, and the count of the events valued from TB_GESTANTE for
// the complementary sheets. It lasts the whole generation: the fixed items of a payment see what the
// previous payment's event items left in it.
struct TMaternidade {
    bool gestante = false;
    QString codgestante;
    QString goEventsGest; // event codes valued for the complementary sheets, joined by "_"
    int goContEventGest = 0;
};

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

    TMaternidade maternidade;

    // Who answers the builders' questions: the loaded sets and the rows written, unless a check puts
    // another answerer in place.
    std::unique_ptr<TConsultasGeracao> consultas =
        std::make_unique<TConsultasEmMemoria>(cacheItens, escritos);
};
