#pragma once
// A whole file written under a temporary name in the destination's folder and renamed into place when
// complete: the destination never holds a partial file, and an earlier one stays until it is replaced.
#include <QByteArray>
#include <QString>

void GravarArquivoInteiro(const QString &destino, const QByteArray &conteudo);
