// verificar ARQUIVO...: the structural check of submission files, one line per problem.
#include "export/VerificacaoArquivo.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"

int VerboVerificar(ContextoLote &contexto)
{
    bool tudoCerto = true;
    for (const QString &arquivo : contexto.args.argumentos) {
        const QStringList problemas = DescreverProblemas(arquivo, VerificarArquivoEcontas(arquivo));
        if (problemas.isEmpty())
            EscreverSaida(arquivo + QStringLiteral(": estrutura correta"));
        for (const QString &problema : problemas)
            EscreverSaida(problema);
        tudoCerto = tudoCerto && problemas.isEmpty();
    }
    return tudoCerto ? Concluido : Falhou;
}
