#pragma once
// Record 020: a budget unit (table ECONTAS_020).
#include "econtas/Propriedade.h"

#include <QString>

class TEContas20 {
    ECONTAS_PROPRIEDADE(QString, uo)
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(QString, codtcm)
    ECONTAS_PROPRIEDADE(QString, descricao)
    ECONTAS_PROPRIEDADE(QString, ug)
    ECONTAS_PROPRIEDADE(QString, competencia)
    ECONTAS_PROPRIEDADE(QString, tipo)
};
