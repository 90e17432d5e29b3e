// criticas MMYYYY [--sim]: the critique of one month.

#include "criticas/ExecucaoCriticas.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// The groups with findings, in group order, as the text prints them.
QJsonArray gruposEmJson(const ListasCriticas &listas)
{
    QJsonArray grupos;
    for (int g = 0; g < QuantidadeGruposCriticas; ++g) {
        if (listas[g].isEmpty())
            continue;
        grupos.append(QJsonObject{{QStringLiteral("cabecalho"), grupoArray[g]},
                                  {QStringLiteral("subtitulo"), tituloArray[g]},
                                  {QStringLiteral("linhas"), QJsonArray::fromStringList(listas[g])},
                                  {QStringLiteral("quantidade"), int(listas[g].size())}});
    }
    return grupos;
}

} // namespace

// Prints, for each group with findings in group order, its header, subtitle, lines and item count.
StatusSaida VerboCriticas(ContextoLote &contexto)
{
    const ListasCriticas listas = btnCriticasClick(contexto.estado);
    if (SaidaEmJson()) {
        IncluirNoDocumento(QStringLiteral("competencia"), contexto.args.argumentos.value(0));
        IncluirNoDocumento(QStringLiteral("bloqueiaGeracao"), contexto.estado.ErroCritica);
        IncluirNoDocumento(QStringLiteral("grupos"), gruposEmJson(listas));
    } else {
        for (const QString &linha : TextoDasCriticas(listas))
            EscreverSaida(linha);
    }
    return contexto.estado.ErroCritica ? StatusSaida::InterrompidoPeloFluxo : StatusSaida::Concluido;
}
