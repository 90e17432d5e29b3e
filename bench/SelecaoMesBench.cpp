#include "SelecaoMesBench.h"

#include "common/Falha.h"
#include "common/uUtil.h"
#include "econtas/Principal.h"
#include "generation/SelecaoCompetencia.h"

TEstadoEcontas SelecionarMesBench(const QString &mes, const QString &ano)
{
    TEstadoEcontas estado;
    estado.ano_folha = ano;
    estado.usuario = QStringLiteral("benchmark");
    ConfiguracoesIniciaris(estado);
    const QString competencia = NumeroMesDoCodigo(mes) + ano;
    for (const LinhaMes &linha : LinhasDosMeses(ano)) {
        if (linha.mesAno == competencia) {
            lvPrincipalClick(estado, linha);
            return estado;
        }
    }
    throw Falha(QStringLiteral("O mês %1 não está na lista de meses de %2").arg(mes, ano));
}
