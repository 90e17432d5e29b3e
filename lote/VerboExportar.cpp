// exportar MMYYYY PASTA [--versao TEXTO]: the submission files of a generated month under PASTA.
#include "econtas/Principal.h"
#include "export/ExportacaoEcontas.h"
#include "lote/OperadorLote.h"
#include "lote/SaidaLote.h"
#include "lote/Verbos.h"

#include <QDir>

StatusSaida VerboExportar(ContextoLote &contexto)
{
    const QString versao = QStringLiteral("--versao");
    if (contexto.args.opcoes.contains(versao))
        contexto.estado.versaoTovrin = contexto.args.opcoes.value(versao);
    contexto.estado.caminhoArquivo = contexto.args.argumentos.value(1);
    const QString pasta = ExportarArquivos(contexto.estado);
    if (!pasta.isEmpty())
        EscreverSaida(QDir::toNativeSeparators(pasta));
    return StatusSaida::Concluido;
}
