// TvEcontasLote: the month's work of the e-Contas module without windows.
#include "common/Falha.h"
#include "common/Idioma.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"

#include "resumo/pdf/PdfResumo.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // The summary report is drawn with Qt's PDF writer, which needs a graphics platform but no display.
    UsarPlataformaSemTelaSeNenhumaEscolhida();
    QGuiApplication app(argc, argv);
    InstalarPortugues(app);
    InstalarPdfResumo();
    if (PedeVersaoDoPrograma(app.arguments().mid(1))) {
        EscreverSaida(TextoDeVersao());
        return Concluido;
    }
    ContextoLote contexto;
    QString erro;
    if (!AnalisarArgumentos(app.arguments().mid(1), contexto.args, erro)) {
        if (argc > 1)
            EscreverErro(QStringLiteral("TvEcontasLote: ") + erro);
        EscreverErro(TextoDeUso());
        return ErroDeUso;
    }
    OperadorLote operador(contexto.args.sim);
    InstalarOperador(&operador);
    contexto.operador = &operador;
    int saida = Falhou;
    try {
        saida = IniciarPrograma(contexto);
        if (saida == Concluido) {
            for (const DefinicaoVerbo &v : Verbos())
                if (v.nome == contexto.args.verbo)
                    saida = v.executar(contexto);
        }
    } catch (const Abortar &) {
        saida = InterrompidoPeloFluxo;
    } catch (const CompetenciaEmUso &f) {
        operador.erro(f.mensagem());
        saida = CompetenciaOcupada;
    } catch (const Falha &f) {
        operador.erro(f.mensagem());
        saida = Falhou;
    }
    InstalarOperador(nullptr);
    return saida;
}
