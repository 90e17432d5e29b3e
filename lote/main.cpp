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
#include "lote/Verbos.h"

#include "resumo/pdf/PdfResumo.h"

#include <QGuiApplication>

#include <memory>

namespace {

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
    } else if (!args.silencioso && ErrosNumTerminal() && VerboDeNome(args.verbo)->mostraProgresso) {
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
        return int(StatusSaida::Concluido);
    }
    ContextoLote contexto;
    QString erro;
    if (!AnalisarArgumentos(linha, contexto.args, erro)) {
        if (argc > 1)
            EscreverErro(QStringLiteral("TvEcontasLote: ") + erro);
        EscreverErro(TextoDeUso());
        return int(StatusSaida::ErroDeUso);
    }
    if (contexto.args.ajuda) {
        EscreverSaida(TextoDeUso());
        return int(StatusSaida::Concluido);
    }
    DefinirModoSaida({contexto.args.silencioso, contexto.args.json});
    IncluirNoDocumento(QStringLiteral("verbo"), contexto.args.verbo);
    OperadorLote operador(contexto.args.sim);
    InstalarOperador(&operador);
    contexto.operador = &operador;
    Acompanhamento acompanhamento;
    acompanhar(acompanhamento, contexto.args, operador.progresso());
    const StatusSaida saida = ExecutarVerbo(contexto);
    if (acompanhamento.linha)
        acompanhamento.linha->encerrar();
    DefinirAntesDeEscrever(nullptr);
    EscreverDocumento();
    InstalarOperador(nullptr);
    return int(saida);
}
