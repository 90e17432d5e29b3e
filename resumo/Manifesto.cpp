#include "resumo/Manifesto.h"

#include "common/Falha.h"
#include "resumo/GravacaoArquivo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace {

// The hex digest of a file, or an empty text when it cannot be read.
QByteArray resumoSha256(const QString &caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&arquivo))
        return {};
    return hash.result().toHex();
}

// path -> digest, from the manifest's lines "<hex>  <path>" (or "<hex> *<path>", binary mode).
QMap<QString, QByteArray> lerManifesto(QFile &arquivo)
{
    QMap<QString, QByteArray> linhas;
    while (!arquivo.atEnd()) {
        QByteArray linha = arquivo.readLine();
        while (linha.endsWith('\n') || linha.endsWith('\r'))
            linha.chop(1);
        const qsizetype espaco = linha.indexOf(' ');
        if (espaco <= 0 || linha.size() < espaco + 2)
            continue;
        linhas.insert(QFile::decodeName(linha.mid(espaco + 2)), linha.left(espaco).toLower());
    }
    return linhas;
}

// The folder as an absolute path: a relative QDir hands relative file names back unchanged.
QDir PastaAbsoluta(const QString &pasta)
{
    return QDir(QFileInfo(pasta).absoluteFilePath());
}

// A file's name relative to the base folder, whether it was given absolute or relative.
QString Relativo(const QDir &base, const QString &arquivo)
{
    return base.relativeFilePath(QFileInfo(arquivo).absoluteFilePath());
}

} // namespace

QStringList ArquivosDaPasta(const QString &pasta)
{
    const QDir base = PastaAbsoluta(pasta);
    QStringList arquivos;
    QDirIterator it(base.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext())
        arquivos << Relativo(base, it.next());
    arquivos.sort();
    return arquivos;
}

void GravarManifesto(const QString &pasta, const QStringList &arquivos)
{
    const QDir base = PastaAbsoluta(pasta);
    QMap<QString, QByteArray> linhas;
    for (const QString &arquivo : arquivos) {
        const QByteArray digest = resumoSha256(arquivo);
        if (digest.isEmpty())
            throw Falha(
                QStringLiteral("Não foi possível ler o arquivo %1 para o %2").arg(arquivo, NomeManifesto));
        linhas.insert(Relativo(base, arquivo), digest);
    }
    QByteArray conteudo;
    for (auto it = linhas.cbegin(); it != linhas.cend(); ++it)
        conteudo += it.value() + "  " + QFile::encodeName(it.key()) + '\n';
    GravarArquivoInteiro(base.filePath(NomeManifesto), conteudo);
}

QList<ProblemaManifesto> VerificarManifesto(const QString &pasta)
{
    const QDir base(pasta);
    QFile arquivo(base.filePath(NomeManifesto));
    if (!arquivo.open(QIODevice::ReadOnly))
        return {{ProblemaManifesto::SemManifesto, NomeManifesto}};
    const QMap<QString, QByteArray> esperados = lerManifesto(arquivo);
    QMap<QString, ProblemaManifesto::Tipo> problemas;
    for (auto it = esperados.cbegin(); it != esperados.cend(); ++it) {
        const QString caminho = base.filePath(it.key());
        if (!QFile::exists(caminho))
            problemas.insert(it.key(), ProblemaManifesto::Ausente);
        else if (resumoSha256(caminho) != it.value())
            problemas.insert(it.key(), ProblemaManifesto::Alterado);
    }
    for (const QString &presente : ArquivosDaPasta(pasta))
        if (presente != NomeManifesto && !esperados.contains(presente))
            problemas.insert(presente, ProblemaManifesto::Extra);
    QList<ProblemaManifesto> lista;
    for (auto it = problemas.cbegin(); it != problemas.cend(); ++it)
        lista.append({it.value(), it.key()});
    return lista;
}

QString DescreverProblemaManifesto(const QString &pasta, const ProblemaManifesto &p)
{
    const QString caminho = QDir(pasta).filePath(p.arquivo);
    switch (p.tipo) {
    case ProblemaManifesto::Ausente:
        return caminho + QStringLiteral(": arquivo ausente (consta do ") + NomeManifesto + QLatin1Char(')');
    case ProblemaManifesto::Extra:
        return caminho + QStringLiteral(": arquivo a mais (não consta do ") + NomeManifesto +
               QLatin1Char(')');
    case ProblemaManifesto::Alterado:
        return caminho + QStringLiteral(": arquivo alterado (o SHA-256 não confere com o ") + NomeManifesto +
               QLatin1Char(')');
    case ProblemaManifesto::SemManifesto:
        break;
    }
    return caminho + QStringLiteral(": arquivo ausente; a pasta não tem manifesto");
}
