#include "generation/Geracao.h"

#include "common/Despacho.h"
#include "common/Falha.h"
#include "common/Operador.h"
#include "common/uUtil.h"
#include "db/RegistroSql.h"
#include "db/Sql.h"
#include "econtas/ComandosControle.h"
#include "econtas/ComandosManutencao.h"
#include "econtas/EstadoEcontas.h"
#include "econtas/ReservaCompetencia.h"
#include "generation/ComandosFontes.h"
#include "generation/ComandosSelecao.h"
#include "generation/ContextoGeracao.h"
#include "generation/FontesDerivadas.h"
#include "generation/GeracaoUnidades.h"

namespace {

void configurar(TEstadoEcontas &estado, bool geracao, int tipo)
{
    // The CNPJ takes no part in the statement; without a client register there is none to pass.
    const QString cnpj = estado.fdtblCliente.aberto() ? estado.cnpjCliente() : QString();
    TComandosSql::ConfiguracaoEContas(estado, geracao, tipo, estado.mes_cadastro, estado.ano_folha,
                                      estado.dataPagamentoTexto(), cnpj);
}

} // namespace

void ConfiguraEcontas(TEstadoEcontas &estado)
{
    configurar(estado, false, 0);
}

void ConfiguraEcontas2(TEstadoEcontas &estado)
{
    configurar(estado, true, 1);
}

namespace {

// Every source from its own statement.
void carregarFonteAFonte(TEstadoEcontas &estado)
{
    using namespace TComandosSql;
    estado.EContas020 = AbrirTabelaECONTAS_020(estado.SQLPadrao);
    ProcessarEventos();
    estado.Econtas030 = AbrirTabelaECONTAS_030(estado.numero_mes_selecionado, estado.SQLPadrao);
    ProcessarEventos();
    estado.Econtas040 = AbrirTabelaECONTAS_040(estado.ano_folha, estado.SQLPadrao);
    ProcessarEventos();
    estado.Econtas042 = AbrirTabelaECONTAS_042(estado.mes_cadastro, estado.ano_folha, estado.SQLPadrao);
    ProcessarEventos();
    estado.Econtas043 = AbrirTabelaECONTAS_043(estado.SQLPadrao);
}

// The source taken from 043's rows, or from its own statement when it cannot be (a table it joins that
// cannot be read included: the statement then fails with its own message).
RowSet derivadaOuDoBanco(const QString &fonte, const std::function<std::optional<RowSet>()> &derivar,
                         const std::function<RowSet()> &abrir)
{
    ProcessarEventos();
    std::optional<RowSet> derivada;
    QString motivo = QStringLiteral("os valores de 043 não dão com certeza as linhas e a ordem da instrução");
    try {
        derivada = derivar();
    } catch (const Falha &f) {
        derivada.reset();
        motivo = f.mensagem();
    }
    if (derivada)
        return std::move(*derivada);
    RegistrarDesvio(QStringLiteral("Fonte %1 lida por sua própria instrução: %2").arg(fonte, motivo));
    return abrir();
}

} // namespace

void LiberarFontes(TEstadoEcontas &estado)
{
    for (RowSet *fonte : {&estado.Econtas010, &estado.EContas020, &estado.Econtas030, &estado.Econtas040,
                          &estado.Econtas042, &estado.Econtas043})
        fonte->fechar();
}

void CarregarDadosEcontas(TEstadoEcontas &estado)
{
    using namespace TComandosSql;
    // The sets of an earlier run go first, so that the old and the new never sit in memory together.
    LiberarFontes(estado);
    estado.Econtas010 = AbrirTabelaECONTAS_010(estado.mes_cadastro);
    ProcessarEventos();
    // The base selection is read once, by 043, and 020, 030 and 040 are taken from its rows wherever
    // that gives their statements' rows and order. When 043 fails, the statements run in their usual
    // order, so that the operator sees the failure of the first of them, as always.
    RowSet fonte043;
    try {
        fonte043 = AbrirTabelaECONTAS_043(estado.SQLPadrao);
    } catch (const Falha &f) {
        RegistrarDesvio(QStringLiteral("Fonte 043 falhou, fontes lidas uma a uma: %1").arg(f.mensagem()));
        carregarFonteAFonte(estado);
        return;
    }
    estado.EContas020 = derivadaOuDoBanco(
        QStringLiteral("020"), [&] { return FontesDerivadas::Unidades020(fonte043); },
        [&] { return AbrirTabelaECONTAS_020(estado.SQLPadrao); });
    estado.Econtas030 = derivadaOuDoBanco(
        QStringLiteral("030"),
        [&] {
            return FontesDerivadas::Cargos030(fonte043, RetornaCargosEcontas(),
                                              estado.numero_mes_selecionado);
        },
        [&] { return AbrirTabelaECONTAS_030(estado.numero_mes_selecionado, estado.SQLPadrao); });
    estado.Econtas040 = derivadaOuDoBanco(
        QStringLiteral("040"),
        [&] {
            return FontesDerivadas::Servidores040(fonte043,
                                                  FontesDerivadas::AbrirAfastamentos040(estado.ano_folha));
        },
        [&] { return AbrirTabelaECONTAS_040(estado.ano_folha, estado.SQLPadrao); });
    ProcessarEventos();
    estado.Econtas042 = AbrirTabelaECONTAS_042(estado.mes_cadastro, estado.ano_folha, estado.SQLPadrao);
    ProcessarEventos();
    estado.Econtas043 = std::move(fonte043);
}

void CargosEcontas(TEstadoEcontas &estado)
{
    estado.QryCargoEcontas = TComandosSql::RetornaCargosEcontas();
}

void AlimentaProgressGeracao(TEstadoEcontas &estado)
{
    TProgresso &progresso = Operador().progresso();
    const std::pair<RowSet *, TProgresso::Barra> fontes[] = {
        {&estado.Econtas010, TProgresso::R010}, {&estado.EContas020, TProgresso::R020},
        {&estado.Econtas030, TProgresso::R030}, {&estado.Econtas040, TProgresso::R040},
        {&estado.Econtas042, TProgresso::R042}, {&estado.Econtas043, TProgresso::R043},
    };
    for (const auto &[fonte, barra] : fontes)
        progresso.definirFaixa(barra, 0, fonte->aberto() ? fonte->recordCount() : 0);
    progresso.definirFaixa(TProgresso::R041, 0,
                           progresso.maximo(TProgresso::R040) + progresso.maximo(TProgresso::R043));
    int total = 0;
    for (TProgresso::Barra barra : {TProgresso::R010, TProgresso::R020, TProgresso::R030, TProgresso::R040,
                                    TProgresso::R041, TProgresso::R042, TProgresso::R043})
        total += progresso.maximo(barra);
    progresso.definirFaixa(TProgresso::Principal, 0, total);
}

namespace {

const QString TituloRelatorio = QStringLiteral("Registros não gerados");

void LimparProgressoNaInterface()
{
    DespacharParaInterface([] { Operador().progresso().limparGeracao(); });
}

// The unit names come from the main window's cursor; a state that never opened it opens it here.
void AbrirUnidades(TEstadoEcontas &estado)
{
    if (!estado.cdsUnidadesGestorasOrcamentarias.aberto())
        estado.cdsUnidadesGestorasOrcamentarias =
            RowSet::abrir(QStringLiteral("SELECT * FROM UNIDADE_ORCAMENTARIA"));
}

// Deletion of the competence's rows, every record and the stamp, in the generation's transaction.
void GerarRegistros(TEstadoEcontas &estado)
{
    TComandosSql::ApagarTabelasEcontasPorCompetencia(estado.competencia);
    CargosEcontas(estado);
    AlimentaProgressGeracao(estado);
    AbrirUnidades(estado);
    TContextoGeracao contexto;
    contexto.controlador.AgruparInsercoes();
    GerarArquivoEcontas_10(estado, contexto);
    contexto.controlador.DescarregarInsercoes();
    TComandosSql::CarimbarControle(TComandosSql::CarimboControle::Geracao, estado.competencia,
                                   estado.usuario);
}

} // namespace

QString StatusGeracaoConcluida(const QString &competencia)
{
    const auto contar = [&competencia](const QString &tabela) {
        RowSet r = RowSet::abrir(
            QStringLiteral("SELECT COUNT(*) AS N FROM %1 WHERE COMPETENCIA = ?").arg(tabela), {competencia});
        r.first();
        return r.inteiro(QStringLiteral("N"));
    };
    return QStringLiteral("Geração concluída: %1 servidores, %2 pagamentos.")
        .arg(contar(QStringLiteral("ECONTAS_040")))
        .arg(contar(QStringLiteral("ECONTAS_041")));
}

bool btnGeracaoClick(TEstadoEcontas &estado)
{
    if (!estado.mesSelecionado) {
        MensagemInformacao(QStringLiteral("Não foi selecionado nenhum mês para geração!"));
        return false;
    }
    // The whole generation is one transaction, and the competence is held by it from the start: a
    // second workstation is refused at once, and a failure anywhere leaves the earlier generation.
    Sql::Transacao transacao;
    TComandosSql::ReservarCompetencia(estado.competencia);
    TComandosSql::consultaFechamentoFolhas(estado.mes_cadastro.trimmed());
    if (estado.SomenteErroNaPessoal &&
        !MensagemDeComfirmacao(QStringLiteral("Existem críticas no cadstro pessoal.") + QChar(13) +
                               QStringLiteral("Deseja continuar mesmo assim? "))) {
        DefinirStatus(StatusGeracaoCancelada);
        return false;
    }
    LimparProgressoNaInterface();
    estado.relatorioGeracao.clear();
    LiberarFontes(estado);
    ConfiguraEcontas2(estado);
    CarregarDadosEcontas(estado);
    GerarRegistros(estado);
    const QString concluida = StatusGeracaoConcluida(estado.competencia);
    transacao.commit();
    if (estado.ControlesTCMA)
        DespacharParaInterface(estado.ControlesTCMA);
    LimparProgressoNaInterface();
    DeixarStatus(concluida);
    MensagemInformacao(QStringLiteral("Geração concluída com sucesso!"));
    if (!estado.relatorioGeracao.isEmpty())
        Operador().relatorio(TituloRelatorio, estado.relatorioGeracao);
    return true;
}
