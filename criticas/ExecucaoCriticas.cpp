#include "criticas/ExecucaoCriticas.h"

#include "common/Operador.h"
#include "common/uUtil.h"
#include "criticas/uCriticasController.h"
#include "db/Sql.h"
#include "econtas/ComandosControle.h"
#include "econtas/EstadoEcontas.h"
#include "econtas/ReservaCompetencia.h"
#include "generation/ComandosSelecao.h"
#include "generation/Geracao.h"

#include <algorithm>

namespace {

constexpr int PassosDaCritica = 13;

// The twelve checks in their fixed order, each list kept in its group.
ListasCriticas executarVerificacoes(TCriticasController &controller, TEstadoEcontas &estado)
{
    ListasCriticas listas;
    listas[GrupoCliente] = controller.VerificaCodigoTCMCliente();
    listas[GrupoEventosNaoConfigurados] = controller.RetornaEventosNaoConfigurados();
    listas[GrupoTiposDeCargos] = controller.RetornaCriticasNosTiposDeCargos();
    listas[GrupoCadastroCliente] = controller.RetornarCriticasSobCadastroCliente();
    listas[GrupoCargosVagasZeradas] = controller.RetornaCriticasNosTiposDeCargosComVagasZeradas();
    listas[GrupoSituacaoFuncionalServidor] = controller.RetornaSituacaoFuncionalComCriticas();
    listas[GrupoSituacaoFuncional] = controller.RetornaServidoresComTiposCargosInvalidos();
    listas[GrupoCargosSemNumeroAto] = controller.RetornaCriticaDeCargosSemNumeroLeiCriacao(estado.Econtas030);
    listas[GrupoUnidadesGestoras] = controller.RetornaCriticasSobUnidadesGestoras(estado.Econtas010);
    listas[GrupoUnidadesOrcamentarias] = controller.RetornaCriticasUnidadesOrcamentariasNaoConfiguradas();
    listas[GrupoUnidadeOrcamentaria] =
        controller.RetornaCriticasSobUnidadesOrcamentarias(estado.EContas020, listas[GrupoSetor]);
    listas[GrupoFuncionarios] = controller.RetornaFuncionariosComCriticas(estado.Econtas040);
    return listas;
}

bool somenteFuncionarios(const ListasCriticas &listas)
{
    for (int g = 0; g < QuantidadeGruposCriticas; ++g)
        if (g != GrupoFuncionarios && !listas[g].isEmpty())
            return false;
    return !listas[GrupoFuncionarios].isEmpty();
}

bool algumaCritica(const ListasCriticas &listas)
{
    return std::any_of(listas.begin(), listas.end(), [](const QStringList &l) { return !l.isEmpty(); });
}

} // namespace

QString StatusCriticasSemCritica()
{
    return QStringLiteral("Críticas concluídas: nenhuma crítica.");
}

QString StatusCriticasSoNoPessoal()
{
    return QStringLiteral("Críticas concluídas: há críticas só no cadastro de pessoal; a geração pedirá "
                          "confirmação.");
}

ListasCriticas VisualizarCriticas(TEstadoEcontas &estado)
{
    TCriticasController controller(estado.mes_cadastro, estado.fdtblCliente, estado.SQLPadrao);
    if (!controller.ValidaTabelaCargosEcontas()) {
        MensagemInformacao(QStringLiteral(
            "Não é possível continuar pois a tabela de cargos do econtas ainda não foi configurada..."));
        estado.ErroCritica = true;
        return {};
    }
    controller.UsarSelecaoLida(&estado.Econtas043);
    const ListasCriticas listas = executarVerificacoes(controller, estado);
    estado.ErroCritica = false;
    TComandosSql::ConfiguracaoEContas(estado, false, 0, estado.mes_cadastro, estado.ano_folha,
                                      estado.dataPagamentoTexto(), estado.cnpjCliente());
    estado.SomenteErroNaPessoal = somenteFuncionarios(listas);
    if (algumaCritica(listas)) {
        if (MensagemDeComfirmacao(QStringLiteral("Existem críticas na geração do Econtas. ") + QChar(13) +
                                  QStringLiteral("Gostaria de visualizar as críticas?"))) {
            Operador().exibirCriticas(listas);
            DefinirStatus(QString());
        }
        estado.ErroCritica = !estado.SomenteErroNaPessoal;
    }
    return listas;
}

ListasCriticas btnCriticasClick(TEstadoEcontas &estado)
{
    if (!estado.mesSelecionado) {
        MensagemInformacao(QStringLiteral("Não foi selecionado nenhum mês para geração!"));
        return {};
    }
    // The critique holds its competence for the whole run: its stamp at the end would otherwise fail
    // a generation another workstation runs meanwhile.
    Sql::Transacao transacao;
    TComandosSql::ReservarCompetencia(estado.competencia);
    TProgresso &progresso = Operador().progresso();
    // Reading the record sets takes a while on a large payroll: the operator sees the status and a
    // busy bar from the start, then the steps of the checks.
    DefinirStatus(QStringLiteral("Iniciando busca por críticas do Econtas"));
    progresso.definirFaixa(TProgresso::Principal, 0, 0);
    ProcessarEventos();
    CarregarDadosEcontas(estado);
    progresso.definirFaixa(TProgresso::Principal, 0, PassosDaCritica);
    progresso.definirPosicao(TProgresso::Principal, 0);
    const ListasCriticas listas = VisualizarCriticas(estado);
    if (estado.ErroCritica) {
        progresso.limparGeracao();
        return listas;
    }
    const QString concluidas =
        estado.SomenteErroNaPessoal ? StatusCriticasSoNoPessoal() : StatusCriticasSemCritica();
    DeixarStatus(concluidas);
    if (!estado.SomenteErroNaPessoal)
        MensagemInformacao(QStringLiteral("Não há criticas na geração..."));
    TComandosSql::CarimbarControle(TComandosSql::CarimboControle::Criticas, estado.competencia,
                                   estado.usuario);
    transacao.commit();
    if (estado.ControlesTCMA)
        estado.ControlesTCMA();
    progresso.definirPosicao(TProgresso::Principal, 0);
    DefinirStatus(concluidas);
    return listas;
}
