// TvEcontasLote: the month's work of the e-Contas module without windows.
#include "common/Falha.h"
#include "common/Idioma.h"
#include "db/EncerramentoPorSinal.h"
#include "db/FusoHorario.h"
#include "db/RegistroSql.h"
#include "lote/LinhaProgresso.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"
#include "lote/RegistroEtapas.h"

#include "resumo/pdf/PdfResumo.h"

#include <QGuiApplication>

#include <memory>

namespace {

int executarVerbo(ContextoLote &contexto)
{
    try {
        const int inicio = IniciarPrograma(contexto);
        if (inicio != Concluido)
            return inicio;
        for (const DefinicaoVerbo &v : Verbos())
            if (v.nome == contexto.args.verbo)
                return v.executar(contexto);
    } catch (const Abortar &) {
        return InterrompidoPeloFluxo;
    } catch (const CompetenciaEmUso &f) {
        contexto.operador->erro(f.mensagem());
        return CompetenciaOcupada;
    } catch (const Falha &f) {
        contexto.operador->erro(f.mensagem());
    }
    return Falhou;
}

// How the run is followed: a live line on a terminal (never in pipes nor with --silencioso), each step
// on its own line with --detalhes.
struct Acompanhamento {
    std::unique_ptr<LinhaProgresso> linha;
    std::unique_ptr<RegistroEtapas> etapas;
};

void acompanhar(Acompanhamento &a, const ArgumentosLote &args, TProgresso &progresso)
{
    if (args.detalhes) {
        AtivarRegistroSql(true);
        a.etapas = std::make_unique<RegistroEtapas>(progresso);
    } else if (!args.silencioso && ErrosNumTerminal() && VerboMostraProgresso(args.verbo)) {
        a.linha = std::make_unique<LinhaProgresso>(progresso);
        DefinirAntesDeEscrever([l = a.linha.get()] { l->encerrar(); });
    }
}

} // namespace

int main(int argc, char *argv[])
{
    EncerrarAoReceberSinal();
    FixarFusoHorarioDoProcesso();
    // The summary report is drawn with Qt's PDF writer, which needs a graphics platform but no display.
    UsarPlataformaSemTelaSeNenhumaEscolhida();
    QGuiApplication app(argc, argv);
    InstalarPortugues(app);
    InstalarPdfResumo();
    const QStringList linha = app.arguments().mid(1);
    if (PedeVersaoDoPrograma(linha)) {
        EscreverSaida(TextoDeVersao());
        return Concluido;
    }
    ContextoLote contexto;
    QString erro;
    if (!AnalisarArgumentos(linha, contexto.args, erro)) {
        if (argc > 1)
            EscreverErro(QStringLiteral("TvEcontasLote: ") + erro);
        EscreverErro(TextoDeUso());
        return ErroDeUso;
    }
    if (contexto.args.ajuda) {
        EscreverSaida(TextoDeUso());
        return Concluido;
    }
    DefinirModoSaida({contexto.args.silencioso, contexto.args.json});
    IncluirNoDocumento(QStringLiteral("verbo"), contexto.args.verbo);
    OperadorLote operador(contexto.args.sim);
    InstalarOperador(&operador);
    contexto.operador = &operador;
    Acompanhamento acompanhamento;
    acompanhar(acompanhamento, contexto.args, operador.progresso());
    const int saida = executarVerbo(contexto);
    if (acompanhamento.linha)
        acompanhamento.linha->encerrar();
    DefinirAntesDeEscrever(nullptr);
    EscreverDocumento();
    InstalarOperador(nullptr);
    return saida;
}
