#include "SelecaoMesBench.h"

#include "common/uUtil.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "generation/Geracao.h"

namespace {

void criarControleDoMes(const QString &competencia, const QString &cnpj)
{
    RowSet existente = RowSet::abrir(QStringLiteral("SELECT mes_ano FROM CTRL_TCMTPA WHERE mes_ano = ?"), {competencia});
    if (existente.recordCount() == 0)
        Sql::Executar(QStringLiteral("INSERT INTO CTRL_TCMTPA (mes_ano, cnpj, geral) VALUES (?, ?, 'F')"),
                      {competencia, cnpj});
}

} // namespace

TEstadoEcontas SelecionarMesBench(const QString &mes, const QString &ano)
{
    TEstadoEcontas estado;
    estado.ano_folha = ano;
    estado.usuario = QStringLiteral("benchmark");
    estado.fdtblCliente = RowSet::abrir(QStringLiteral("SELECT * FROM KVB003"));
    estado.fdtblCliente.first();
    estado.cdsUnidadesGestorasOrcamentarias = RowSet::abrir(QStringLiteral("SELECT * FROM UNIDADE_ORCAMENTARIA"));
    estado.mesSelecionado = true;
    estado.mes_cadastro = mes;
    estado.numero_mes_selecionado = NumeroMesDoCodigo(mes);
    estado.competencia = estado.numero_mes_selecionado + ano;
    const QDate inicio(ano.toInt(), PosicaoMes(mes), 1);
    estado.dataPagamento = inicio.addMonths(1).addDays(-1);
    criarControleDoMes(estado.competencia, estado.cnpjCliente());
    ConfiguraEcontas(estado);
    return estado;
}
