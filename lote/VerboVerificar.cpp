// verificar ARQUIVO...|PASTA: the structural check of submission files, one line per problem. A folder
// is an export's base folder: every submission file in it is checked, and then its manifest, which
// names each file missing, extra or altered.
#include "export/VerificacaoArquivo.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"
#include "resumo/Manifesto.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

struct Problema {
    QString arquivo;
    int linha = 0; // 0: the file as a whole
    QString texto;
    QString descricao; // the line the text output prints
};

// With --json: each file checked, whether it is sound and its problems, in the order checked.
using Relatorio = QJsonArray;

// One checked file: its problems, or the line saying it is sound.
bool relatar(Relatorio &relatorio, const QString &arquivo, const QList<Problema> &problemas,
             const QString &linhaSemProblemas)
{
    if (SaidaEmJson()) {
        QJsonArray lista;
        for (const Problema &p : problemas)
            lista.append(QJsonObject{{QStringLiteral("arquivo"), p.arquivo},
                                     {QStringLiteral("linha"), p.linha},
                                     {QStringLiteral("texto"), p.texto}});
        relatorio.append(QJsonObject{{QStringLiteral("arquivo"), arquivo},
                                     {QStringLiteral("correto"), problemas.isEmpty()},
                                     {QStringLiteral("problemas"), lista}});
    } else if (problemas.isEmpty()) {
        EscreverSaida(linhaSemProblemas);
    } else {
        for (const Problema &p : problemas)
            EscreverSaida(p.descricao);
    }
    return problemas.isEmpty();
}

bool verificarArquivo(Relatorio &relatorio, const QString &arquivo)
{
    const QList<ProblemaArquivo> encontrados = VerificarArquivoEcontas(arquivo);
    const QStringList descricoes = DescreverProblemas(arquivo, encontrados);
    QList<Problema> problemas;
    for (qsizetype i = 0; i < encontrados.size(); ++i)
        problemas.append({arquivo, encontrados[i].linha, encontrados[i].texto, descricoes[i]});
    return relatar(relatorio, arquivo, problemas, arquivo + QStringLiteral(": estrutura correta"));
}

bool verificarManifesto(Relatorio &relatorio, const QString &pasta)
{
    QList<Problema> problemas;
    for (const ProblemaManifesto &p : VerificarManifesto(pasta)) {
        const QString caminho = QDir(pasta).filePath(p.arquivo);
        const QString descricao = DescreverProblemaManifesto(pasta, p);
        // The description is "<file>: <what is wrong>".
        problemas.append({caminho, 0, descricao.mid(caminho.size() + 2), descricao});
    }
    const QString manifesto = QDir(pasta).filePath(NomeManifesto);
    return relatar(relatorio, manifesto, problemas,
                   manifesto + QStringLiteral(": todos os arquivos conferem"));
}

bool verificarPasta(Relatorio &relatorio, const QString &pasta)
{
    bool tudoCerto = true;
    for (const QString &relativo : ArquivosDaPasta(pasta))
        if (QFileInfo(relativo).fileName().startsWith(QLatin1String("ECONTAS-")) &&
            relativo.endsWith(QLatin1String(".TXT")))
            tudoCerto = verificarArquivo(relatorio, QDir(pasta).filePath(relativo)) && tudoCerto;
    return verificarManifesto(relatorio, pasta) && tudoCerto;
}

} // namespace

StatusSaida VerboVerificar(ContextoLote &contexto)
{
    Relatorio relatorio;
    bool tudoCerto = true;
    for (const QString &argumento : contexto.args.argumentos)
        tudoCerto = (QFileInfo(argumento).isDir() ? verificarPasta(relatorio, argumento)
                                                  : verificarArquivo(relatorio, argumento)) &&
                    tudoCerto;
    IncluirNoDocumento(QStringLiteral("arquivos"), relatorio);
    return tudoCerto ? StatusSaida::Concluido : StatusSaida::Falhou;
}
