#pragma once
// Record 041: one payment of a staff member (table ECONTAS_041).
#include "db/Datas.h"
#include "db/Dinheiro.h"
#include "econtas/Propriedade.h"

#include <QString>

class TEContas41 {
    ECONTAS_PROPRIEDADE(QString, uo)
    ECONTAS_PROPRIEDADE(QString, numproc)
    ECONTAS_PROPRIEDADE(Dinheiro, remunbase)
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(Dinheiro, contribprev)
    ECONTAS_PROPRIEDADE(Dinheiro, totoutremu)
    ECONTAS_PROPRIEDADE(QString, ug)
    ECONTAS_PROPRIEDADE(int, tipopagto)
    ECONTAS_PROPRIEDADE(int, depir)
    ECONTAS_PROPRIEDADE(int, fundeb)
    ECONTAS_PROPRIEDADE(QString, codcargo)
    ECONTAS_PROPRIEDADE(int, situacao)
    ECONTAS_PROPRIEDADE(Dinheiro, totdesc)
    ECONTAS_PROPRIEDADE(DataDias, dtpagto)
    ECONTAS_PROPRIEDADE(Dinheiro, irrf)
    ECONTAS_PROPRIEDADE(QString, matricula)
    ECONTAS_PROPRIEDADE(QString, competencia)
    ECONTAS_PROPRIEDADE(Dinheiro, totgratfunc)
};
