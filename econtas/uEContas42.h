#pragma once
// Record 042: a per-diem (table ECONTAS_042).
#include "db/Datas.h"
#include "db/Dinheiro.h"
#include "econtas/Propriedade.h"

#include <QString>

class TEContas42 {
    ECONTAS_PROPRIEDADE(QString, uo)
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(Dinheiro, valor)
    ECONTAS_PROPRIEDADE(QString, motivo)
    ECONTAS_PROPRIEDADE(QString, ug)
    ECONTAS_PROPRIEDADE(QString, numato)
    ECONTAS_PROPRIEDADE(DataDias, fim)
    ECONTAS_PROPRIEDADE(DataDias, inicio)
    ECONTAS_PROPRIEDADE(DataDias, dtato)
    ECONTAS_PROPRIEDADE(QString, destino)
    ECONTAS_PROPRIEDADE(QString, matricula)
    ECONTAS_PROPRIEDADE(QString, competencia)
    ECONTAS_PROPRIEDADE(DataDias, dtpagto)
};
