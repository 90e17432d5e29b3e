#include "LoteTeste.h"

#include "BancoTeste.h"

#include <QProcess>

ExecucaoLote ExecutarLote(const QStringList &argumentos, const QString &pasta, int limiteMs)
{
    QProcess processo;
    if (!pasta.isEmpty())
        processo.setWorkingDirectory(pasta);
    processo.start(QStringLiteral(ECONTAS_BIN_DIR "/TvEcontasLote"), argumentos);
    const bool terminou = processo.waitForFinished(limiteMs);
    return {terminou && processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            QString::fromUtf8(processo.readAllStandardOutput()),
            QString::fromUtf8(processo.readAllStandardError())};
}

ExecucaoLote ExecutarLote(BancoTeste &banco, const QString &ano, const QString &usuario,
                          const QStringList &argumentos, const QString &pasta)
{
    banco.fechar();
    const ExecucaoLote e = ExecutarLote(QStringList{banco.caminho(), ano, usuario} + argumentos, pasta);
    banco.reabrir();
    return e;
}
