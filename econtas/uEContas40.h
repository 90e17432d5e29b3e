#pragma once
// Record 040: a staff member (table ECONTAS_040).
#include "db/Datas.h"
#include "econtas/Propriedade.h"

#include <QString>

class TEContas40 {
    ECONTAS_PROPRIEDADE(QString, uo)
    ECONTAS_PROPRIEDADE(QString, cnpj)
    ECONTAS_PROPRIEDADE(DataDias, dtadmissao)
    ECONTAS_PROPRIEDADE(QString, ug)
    ECONTAS_PROPRIEDADE(DataDias, dtdemissao)
    ECONTAS_PROPRIEDADE(QString, cpf)
    ECONTAS_PROPRIEDADE(QString, pispasep)
    ECONTAS_PROPRIEDADE(DataDias, dtnasc)
    ECONTAS_PROPRIEDADE(int, sexo)
    ECONTAS_PROPRIEDADE(QString, nome)
    ECONTAS_PROPRIEDADE(QString, matricula)
    ECONTAS_PROPRIEDADE(QString, competencia)
};
