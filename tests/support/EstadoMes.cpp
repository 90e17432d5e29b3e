#include "EstadoMes.h"

#include "common/uUtil.h"
#include "econtas/Principal.h"

TEstadoEcontas EstadoDoMes(const QString &competencia, const QString &usuario)
{
    TEstadoEcontas estado;
    estado.ano_folha = competencia.mid(2);
    estado.usuario = usuario;
    estado.mesSelecionado = true;
    estado.competencia = competencia;
    estado.numero_mes_selecionado = competencia.left(2);
    estado.mes_cadastro = MESES.value(competencia.left(2).toInt() - 1);
    estado.dataPagamento = UltimoDiaDaCompetencia(competencia);
    estado.fdtblCliente = RowSet::abrir(QStringLiteral("SELECT * FROM KVB003"));
    estado.fdtblCliente.first();
    return estado;
}
