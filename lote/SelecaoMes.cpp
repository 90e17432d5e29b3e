#include "lote/SelecaoMes.h"

#include "econtas/Principal.h"
#include "lote/OperadorLote.h"

int SelecionarMes(ContextoLote &contexto, const QString &mmYYYY)
{
    if (!EhCompetenciaValida(mmYYYY)) {
        EscreverErro(QStringLiteral("competência inválida: %1 (MMAAAA)").arg(mmYYYY));
        return ErroDeUso;
    }
    const QString opcaoData = QStringLiteral("--data-pagamento");
    QDate dataPagamento = UltimoDiaDaCompetencia(mmYYYY);
    if (contexto.args.opcoes.contains(opcaoData)) {
        dataPagamento =
            QDate::fromString(contexto.args.opcoes.value(opcaoData), QStringLiteral("dd/MM/yyyy"));
        if (!dataPagamento.isValid()) {
            EscreverErro(QStringLiteral("data de pagamento inválida: %1 (DD/MM/AAAA)")
                             .arg(contexto.args.opcoes.value(opcaoData)));
            return ErroDeUso;
        }
    }
    for (const LinhaMes &linha : LinhasDosMeses(contexto.estado.ano_folha)) {
        if (linha.mesAno == mmYYYY) {
            SelecionarCompetencia(contexto.estado, linha, dataPagamento);
            return Concluido;
        }
    }
    EscreverErro(QStringLiteral("a competência %1 não está no controle do ano %2 (veja o verbo meses)")
                     .arg(mmYYYY, contexto.estado.ano_folha));
    return Falhou;
}
