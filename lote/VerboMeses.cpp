// meses: one line per month of the payroll year, as the main window lists them.
#include "econtas/Principal.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"

int ExecutarMeses(ContextoLote &contexto)
{
    for (const LinhaMes &l : LinhasDosMeses(contexto.estado.ano_folha))
        EscreverSaida(
            QStringList{l.legenda, l.geral, l.cnpj, l.dtCriticas, l.dtGeracao, l.dtExportacao, l.mesAno}.join(
                QLatin1Char('\t')));
    return Concluido;
}
