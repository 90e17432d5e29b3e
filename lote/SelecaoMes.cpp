#include "lote/SelecaoMes.h"

#include "generation/SelecaoCompetencia.h"
#include "lote/OperadorLote.h"
#include "lote/ValidacaoArgumentos.h"

StatusSaida SelecionarMes(ContextoLote &contexto, const QString &mmYYYY)
{
    // The values were checked with the command line, before the database was opened.
    const QString opcaoData = QStringLiteral("--data-pagamento");
    const QDate dataPagamento = contexto.args.opcoes.contains(opcaoData)
                                    ? DataDePagamentoDaOpcao(contexto.args.opcoes.value(opcaoData))
                                    : UltimoDiaDaCompetencia(mmYYYY);
    for (const LinhaMes &linha : LinhasDosMeses(contexto.estado.ano_folha)) {
        if (linha.mesAno == mmYYYY) {
            SelecionarCompetencia(contexto.estado, linha, dataPagamento);
            return StatusSaida::Concluido;
        }
    }
    EscreverErro(QStringLiteral("a competência %1 não está no controle do ano %2 (veja o verbo meses)")
                     .arg(mmYYYY, contexto.estado.ano_folha));
    return StatusSaida::Falhou;
}
