// verificar ARQUIVO...|PASTA: the structural check of submission files, one line per problem. A folder
// is an export's base folder: every submission file in it is checked, and then its manifest, which
// names each file missing, extra or altered.
#include "export/VerificacaoArquivo.h"
#include "lote/Lote.h"
#include "lote/OperadorLote.h"
#include "resumo/Manifesto.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool verificarArquivo(const QString &arquivo)
{
    const QStringList problemas = DescreverProblemas(arquivo, VerificarArquivoEcontas(arquivo));
    if (problemas.isEmpty())
        EscreverSaida(arquivo + QStringLiteral(": estrutura correta"));
    for (const QString &problema : problemas)
        EscreverSaida(problema);
    return problemas.isEmpty();
}

bool verificarPasta(const QString &pasta)
{
    bool tudoCerto = true;
    for (const QString &relativo : ArquivosDaPasta(pasta))
        if (QFileInfo(relativo).fileName().startsWith(QLatin1String("ECONTAS-")) &&
            relativo.endsWith(QLatin1String(".TXT")))
            tudoCerto = verificarArquivo(QDir(pasta).filePath(relativo)) && tudoCerto;
    const QList<ProblemaManifesto> problemas = VerificarManifesto(pasta);
    if (problemas.isEmpty())
        EscreverSaida(QDir(pasta).filePath(NomeManifesto) + QStringLiteral(": todos os arquivos conferem"));
    for (const ProblemaManifesto &p : problemas)
        EscreverSaida(DescreverProblemaManifesto(pasta, p));
    return tudoCerto && problemas.isEmpty();
}

} // namespace

int VerboVerificar(ContextoLote &contexto)
{
    bool tudoCerto = true;
    for (const QString &argumento : contexto.args.argumentos)
        tudoCerto =
            (QFileInfo(argumento).isDir() ? verificarPasta(argumento) : verificarArquivo(argumento)) &&
            tudoCerto;
    return tudoCerto ? Concluido : Falhou;
}
