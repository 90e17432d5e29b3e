#include "lote/Verbos.h"

#include "common/Falha.h"
#include "econtas/Principal.h"
#include "econtas/ReservaCompetencia.h"
#include "lote/OperadorLote.h"
#include "lote/SaidaLote.h"
#include "lote/SelecaoMes.h"

namespace {

const QString Json = QStringLiteral("--json");
const QString Sim = QStringLiteral("--sim");
const QString DataPagamento = QStringLiteral("--data-pagamento");
const QString VersaoArquivo = QStringLiteral("--versao");

// The selection of the competence named by the first argument, and the month's state the verb needs.
StatusSaida Preparar(ContextoLote &contexto, Requisito requer)
{
    if (requer == Requisito::Programa)
        return StatusSaida::Concluido;
    const QString competencia = contexto.args.argumentos.value(0);
    const StatusSaida selecao = SelecionarMes(contexto, competencia);
    if (selecao != StatusSaida::Concluido)
        return selecao;
    if (requer == Requisito::CompetenciaCriticada && !BotoesDoMes(competencia).geracao) {
        EscreverErro(
            QStringLiteral("A competência %1 ainda não passou pelas críticas: execute o verbo criticas "
                           "antes de gerar.")
                .arg(competencia));
        return StatusSaida::InterrompidoPeloFluxo;
    }
    if (requer == Requisito::CompetenciaGerada && !BotoesDoMes(competencia).exportacao) {
        EscreverErro(
            QStringLiteral("a competência %1 ainda não foi gerada (veja o verbo gerar)").arg(competencia));
        return StatusSaida::InterrompidoPeloFluxo;
    }
    return StatusSaida::Concluido;
}

} // namespace

const QList<DefinicaoVerbo> &Verbos()
{
    static const QList<DefinicaoVerbo> verbos = {
        {.nome = QStringLiteral("meses"),
         .uso = QStringLiteral("meses [--json]"),
         .opcoesSemValor = {Json},
         .executar = VerboMeses},
        {.nome = QStringLiteral("desfazer"),
         .uso = QStringLiteral("desfazer MMYYYY --sim"),
         .minimoArgumentos = 1,
         .maximoArgumentos = 1,
         .opcoesSemValor = {Sim},
         .requer = Requisito::Competencia,
         .mostraProgresso = true,
         .executar = VerboDesfazer},
        {.nome = QStringLiteral("exportar"),
         .uso = QStringLiteral("exportar MMYYYY PASTA [--versao TEXTO]"),
         .minimoArgumentos = 2,
         .maximoArgumentos = 2,
         .opcoesComValor = {VersaoArquivo},
         .requer = Requisito::CompetenciaGerada,
         .mostraProgresso = true,
         .validar = ValidarPastaNoSegundoArgumento,
         .executar = VerboExportar},
        {.nome = QStringLiteral("verificar"),
         .uso = QStringLiteral("verificar ARQUIVO...|PASTA [--json]"),
         .minimoArgumentos = 1,
         .maximoArgumentos = -1,
         .opcoesSemValor = {Json},
         .executar = VerboVerificar},
        {.nome = QStringLiteral("criticas"),
         .uso = QStringLiteral("criticas MMYYYY [--sim] [--json]"),
         .minimoArgumentos = 1,
         .maximoArgumentos = 1,
         .opcoesSemValor = {Sim, Json},
         .requer = Requisito::Competencia,
         .mostraProgresso = true,
         .executar = VerboCriticas},
        {.nome = QStringLiteral("complementares"),
         .uso = QStringLiteral("complementares MMYYYY [--enviar AC1,AC2] [--json]"),
         .minimoArgumentos = 1,
         .maximoArgumentos = 1,
         .opcoesComValor = {QStringLiteral("--enviar")},
         .opcoesSemValor = {Json},
         .requer = Requisito::Competencia,
         .executar = VerboComplementares},
        {.nome = QStringLiteral("unidades"),
         .uso = QStringLiteral("unidades MMYYYY gestoras|orcamentarias [--json]"),
         .minimoArgumentos = 2,
         .maximoArgumentos = 2,
         .opcoesSemValor = {Json},
         .requer = Requisito::Competencia,
         .validar = ValidarTipoDeUnidade,
         .executar = VerboUnidades},
        {.nome = QStringLiteral("gerar"),
         .uso = QStringLiteral("gerar MMYYYY [--data-pagamento DD/MM/AAAA] [--sim]"),
         .minimoArgumentos = 1,
         .maximoArgumentos = 1,
         .opcoesComValor = {DataPagamento},
         .opcoesSemValor = {Sim},
         .requer = Requisito::CompetenciaCriticada,
         .mostraProgresso = true,
         .executar = VerboGerar},
        {.nome = QStringLiteral("processar"),
         .uso =
             QStringLiteral("processar MMYYYY PASTA [--data-pagamento DD/MM/AAAA] [--sim] [--versao TEXTO]"),
         .minimoArgumentos = 2,
         .maximoArgumentos = 2,
         .opcoesComValor = {DataPagamento, VersaoArquivo},
         .opcoesSemValor = {Sim},
         .requer = Requisito::Competencia,
         .mostraProgresso = true,
         .validar = ValidarPastaNoSegundoArgumento,
         .executar = VerboProcessar},
        {.nome = QStringLiteral("resumo"),
         .uso = QStringLiteral("resumo MMYYYY [--csv ARQUIVO] [--pdf ARQUIVO] [--json]"),
         .minimoArgumentos = 1,
         .maximoArgumentos = 1,
         .opcoesComValor = {QStringLiteral("--csv"), QStringLiteral("--pdf")},
         .opcoesSemValor = {Json},
         .requer = Requisito::CompetenciaGerada,
         .executar = VerboResumo},
    };
    return verbos;
}

const DefinicaoVerbo *VerboDeNome(const QString &nome)
{
    for (const DefinicaoVerbo &v : Verbos())
        if (v.nome == nome)
            return &v;
    return nullptr;
}

bool ValidarPastaNoSegundoArgumento(const ArgumentosLote &args, QString &erro)
{
    if (!args.argumentos.value(1).trimmed().isEmpty())
        return true;
    erro = QStringLiteral("a pasta de exportação não foi informada");
    return false;
}

StatusSaida ExecutarVerbo(ContextoLote &contexto)
{
    const DefinicaoVerbo *verbo = VerboDeNome(contexto.args.verbo); // checked with the command line
    try {
        StatusSaida status = IniciarPrograma(contexto);
        if (status == StatusSaida::Concluido)
            status = Preparar(contexto, verbo->requer);
        if (status != StatusSaida::Concluido)
            return status;
        return verbo->executar(contexto);
    } catch (const Abortar &) {
        return StatusSaida::InterrompidoPeloFluxo;
    } catch (const CompetenciaEmUso &f) {
        contexto.operador->erro(f.mensagem());
        return StatusSaida::CompetenciaOcupada;
    } catch (const Falha &f) {
        contexto.operador->erro(f.mensagem());
    }
    return StatusSaida::Falhou;
}
