#include "generation/SelecaoCompetencia.h"

#include "common/uUtil.h"
#include "generation/Geracao.h"

BotoesMes SelecionarCompetencia(TEstadoEcontas &estado, const LinhaMes &linha, const QDate &dataPagamento)
{
    estado.mesSelecionado = true;
    estado.mes_cadastro = RetornaCompetenciaSelecionada(linha.legenda);
    estado.competencia = linha.mesAno;
    estado.numero_mes_selecionado = RetornaNumeroCompetenciaSelecionada(linha.mesAno);
    estado.dataPagamento = dataPagamento;
    ConfiguraEcontas(estado);
    return BotoesDoMes(estado.competencia);
}

BotoesMes lvPrincipalClick(TEstadoEcontas &estado, const LinhaMes &linha)
{
    return SelecionarCompetencia(estado, linha, UltimoDiaDaCompetencia(linha.mesAno));
}
