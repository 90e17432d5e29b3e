#pragma once
// Record 043: a bonus or discount item of a payment (table ECONTAS_043).
// codgrat and tipograt use -1 for none; an empty desconto is stored as "F".
#include "db/Datas.h"
#include "db/Dinheiro.h"
#include "econtas/Propriedade.h"

#include <QString>

class TEContas43 {
    ECONTAS_PROPRIEDADE(QString, uo)
    ECONTAS_PROPRIEDADE(QString, desconto)
    ECONTAS_PROPRIEDADE(int, codgrat)
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(Dinheiro, valor)
    ECONTAS_PROPRIEDADE(int, tipograt)
    ECONTAS_PROPRIEDADE(QString, ug)
    ECONTAS_PROPRIEDADE(int, tipopagto)
    ECONTAS_PROPRIEDADE(QString, codevento)
    ECONTAS_PROPRIEDADE(DataDias, dtpagto)
    ECONTAS_PROPRIEDADE(QString, matricula)
    ECONTAS_PROPRIEDADE(QString, competencia)
};
