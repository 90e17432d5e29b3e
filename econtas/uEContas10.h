#pragma once
// Record 010: a managing unit (table ECONTAS_010).
#include "econtas/Propriedade.h"

#include <QString>

class TEContas10 {
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(QString, codtcm)
    ECONTAS_PROPRIEDADE(QString, descricao)
    ECONTAS_PROPRIEDADE(QString, ug)
    ECONTAS_PROPRIEDADE(QString, competencia)
    ECONTAS_PROPRIEDADE(QString, tipo)
};
