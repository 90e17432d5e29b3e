#include "econtas/Principal.h"

#include "common/Operador.h"
#include "common/Relogio.h"
#include "common/uUtil.h"
#include "db/Sql.h"
#include "econtas/ComandosControle.h"
#include "econtas/ComandosManutencao.h"
#include "econtas/ReservaCompetencia.h"

#include <QDateTime>

void ConfiguracoesIniciaris(TEstadoEcontas &estado)
{
    estado.fdtblCliente = TComandosSql::CarregarCliente();
    estado.fdtblCliente.first();
    TComandosSql::CarregaControles(estado.ano_folha, estado.cnpjCliente());
    estado.cdsUnidadesGestorasOrcamentarias =
        RowSet::abrir(QStringLiteral("SELECT * FROM UNIDADE_ORCAMENTARIA"));
    estado.dataPagamento = Hoje();
    estado.codMunicipio = estado.fdtblCliente.texto(QStringLiteral("CODTCM")).left(3);
    estado.versaoTovrin = QStringLiteral("FPG202000");
}

namespace {

QString textoData(const RowSet &linhas, const QString &campo)
{
    return linhas.nulo(campo) ? QString()
                              : DiasParaData(linhas.data(campo)).toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

QList<LinhaMes> LinhasDosMeses(const QString &ano)
{
    RowSet controle = TComandosSql::ControleTcmPA(ano);
    QList<LinhaMes> linhas;
    if (!controle.aberto())
        return linhas;
    for (controle.first(); !controle.eof(); controle.next()) {
        linhas << LinhaMes{controle.texto(QStringLiteral("COMPETENCIA")),
                           controle.texto(QStringLiteral("GERAL")),
                           FormataCNPJ(controle.texto(QStringLiteral("CNPJ"))),
                           textoData(controle, QStringLiteral("DT_CRITICAS")),
                           textoData(controle, QStringLiteral("DT_GERACAO")),
                           textoData(controle, QStringLiteral("DT_EXPORTACAO")),
                           controle.texto(QStringLiteral("MES_ANO"))};
    }
    return linhas;
}

QDate UltimoDiaDaCompetencia(const QString &competencia)
{
    const QDate primeiro(competencia.mid(2, 4).toInt(), competencia.left(2).toInt(), 1);
    return primeiro.addDays(primeiro.daysInMonth() - 1);
}

BotoesMes BotoesDoMes(const QString &competencia)
{
    RowSet controle = RowSet::abrir(
        QStringLiteral("SELECT DT_CRITICAS, DT_GERACAO FROM CTRL_TCMTPA WHERE MES_ANO = ?"), {competencia});
    BotoesMes botoes;
    if (controle.eof())
        return botoes;
    botoes.geracao = !controle.nulo(QStringLiteral("DT_CRITICAS"));
    botoes.exportacao = !controle.nulo(QStringLiteral("DT_GERACAO"));
    return botoes;
}

void AlimentaProgressExclusao()
{
    TProgresso &progresso = Operador().progresso();
    int total = 0;
    for (int registro : {10, 20, 30, 40, 41, 42, 43}) {
        progresso.definirFaixa(barraDoRegistro(registro), 0, 1);
        total += 1;
    }
    progresso.definirFaixa(TProgresso::Principal, 0, total + 1);
}

bool ExcluirExportacao(TEstadoEcontas &estado)
{
    if (!estado.mesSelecionado) {
        MensagemInformacao(QStringLiteral("Não foi selecionado nenhum mês para exclusão!"));
        return false;
    }
    // The stamps, the work rows and the closing states change together or not at all, under the claim
    // of the competence, taken before the question so that a busy competence is told at once.
    {
        Sql::Transacao transacao;
        TComandosSql::ReservarCompetencia(estado.competencia);
        if (!MensagemDeComfirmacao(QStringLiteral("Deseja desfazer a geração do ECONTAS.")))
            return false;
        AlimentaProgressExclusao();
        TComandosSql::ExcluirGeracaoEcontas(estado.competencia);
        TComandosSql::ApagarTabelasEcontasPorCompetencia(estado.competencia);
        TComandosSql::Gravar_Status_Fec(QStringLiteral("T"), QStringLiteral("F"),
                                        estado.mes_cadastro.trimmed());
        transacao.commit();
    }
    if (estado.ControlesTCMA)
        estado.ControlesTCMA();
    Operador().progresso().limparGeracao();
    return true;
}
