// unidades MMYYYY gestoras|orcamentarias: the rows and the count line of the unit preview windows.
#include "econtas/PreviewUnidades.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"

#include <QJsonArray>

bool ValidarTipoDeUnidade(const ArgumentosLote &args, QString &erro)
{
    const QString tipo = args.argumentos.value(1);
    if (tipo == QLatin1String("gestoras") || tipo == QLatin1String("orcamentarias"))
        return true;
    erro = QStringLiteral("tipo de unidade inválido: %1 (gestoras ou orcamentarias)").arg(tipo);
    return false;
}

StatusSaida VerboUnidades(ContextoLote &contexto)
{
    const bool gestoras = contexto.args.argumentos.value(1) == QLatin1String("gestoras");
    TEstadoEcontas &estado = contexto.estado;
    const TListaUnidades lista =
        gestoras ? ListarUnidadesGestoras(estado.mes_cadastro, estado.cdsUnidadesGestorasOrcamentarias)
                 : ListarUnidadesOrcamentarias(estado.SQLPadrao, estado.cdsUnidadesGestorasOrcamentarias);
    if (SaidaEmJson()) {
        QJsonArray linhas;
        for (const QStringList &colunas : lista.linhas)
            linhas.append(QJsonArray::fromStringList(colunas));
        IncluirNoDocumento(QStringLiteral("linhas"), linhas);
        IncluirNoDocumento(QStringLiteral("status"), lista.status);
        return StatusSaida::Concluido;
    }
    QStringList saida;
    for (const QStringList &colunas : lista.linhas)
        saida << colunas.join(QLatin1Char('\t'));
    saida << lista.status;
    EscreverSaida(saida.join(QLatin1Char('\n')));
    return StatusSaida::Concluido;
}
