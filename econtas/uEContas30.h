#pragma once
// Record 030: a position (table ECONTAS_030).
#include "db/Datas.h"
#include "econtas/Propriedade.h"

#include <QString>

class TEContas30 {
    ECONTAS_PROPRIEDADE(QString, uo)
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(QString, descricao)
    ECONTAS_PROPRIEDADE(QString, ug)
    ECONTAS_PROPRIEDADE(QString, codigo)
    ECONTAS_PROPRIEDADE(int, totvagas)
    ECONTAS_PROPRIEDADE(QString, numato)
    ECONTAS_PROPRIEDADE(DataDias, dtato)
    ECONTAS_PROPRIEDADE(QString, competencia)
    ECONTAS_PROPRIEDADE(QString, tipo)
};
