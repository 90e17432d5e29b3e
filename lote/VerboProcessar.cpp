// processar MMYYYY PASTA: the operator's whole month in one process, as in the window: critique,
// generation and export of the submission files under PASTA.
#include "criticas/ExecucaoCriticas.h"
#include "export/ExportacaoEcontas.h"
#include "generation/Geracao.h"
#include "lote/OperadorLote.h"
#include "lote/SaidaLote.h"
#include "lote/Verbos.h"

#include <QDir>

StatusSaida VerboProcessar(ContextoLote &contexto)
{
    const QString competencia = contexto.args.argumentos.value(0);
    btnCriticasClick(contexto.estado);
    if (contexto.estado.ErroCritica) {
        EscreverErro(QStringLiteral("As críticas da competência %1 impedem a geração.").arg(competencia));
        return StatusSaida::InterrompidoPeloFluxo;
    }
    if (!btnGeracaoClick(contexto.estado))
        return StatusSaida::InterrompidoPeloFluxo;
    const QString versao = QStringLiteral("--versao");
    if (contexto.args.opcoes.contains(versao))
        contexto.estado.versaoTovrin = contexto.args.opcoes.value(versao);
    contexto.estado.caminhoArquivo = contexto.args.argumentos.value(1);
    const QString pasta = ExportarArquivos(contexto.estado);
    if (!pasta.isEmpty())
        EscreverSaida(QDir::toNativeSeparators(pasta));
    return StatusSaida::Concluido;
}
