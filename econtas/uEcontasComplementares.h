#pragma once
// A complementary payroll sheet chosen for sending (table KVB020).
#include "econtas/Propriedade.h"

#include <QString>

class TEcontasComplementares {
    ECONTAS_PROPRIEDADE(QString, ano)
    ECONTAS_PROPRIEDADE(QString, nummes)
    ECONTAS_PROPRIEDADE(QString, mes)
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(QString, geral)
};
