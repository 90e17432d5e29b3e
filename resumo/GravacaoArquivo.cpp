#include "resumo/GravacaoArquivo.h"

#include "common/Falha.h"

#include <QSaveFile>

void GravarArquivoInteiro(const QString &destino, const QByteArray &conteudo)
{
    QSaveFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(conteudo) != conteudo.size() || !saida.commit())
        throw Falha(
            QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(destino, saida.errorString()));
}
