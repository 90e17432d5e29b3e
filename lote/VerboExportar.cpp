// exportar MMYYYY PASTA [--versao TEXTO]: the submission files of a generated month under PASTA.
#include "econtas/Principal.h"
#include "export/ExportacaoEcontas.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"
#include "lote/SaidaLote.h"
#include "lote/SelecaoMes.h"

#include <QDir>

int VerboExportar(ContextoLote &contexto)
{
    const QString competencia = contexto.args.argumentos.value(0);
    const int selecao = SelecionarMesGerado(contexto, competencia);
    if (selecao != Concluido)
        return selecao;
    const QString versao = QStringLiteral("--versao");
    if (contexto.args.opcoes.contains(versao))
        contexto.estado.versaoTovrin = contexto.args.opcoes.value(versao);
    contexto.estado.caminhoArquivo = contexto.args.argumentos.value(1);
    const QString pasta = ExportarArquivos(contexto.estado);
    if (!pasta.isEmpty())
        EscreverSaida(QDir::toNativeSeparators(pasta));
    return Concluido;
}
