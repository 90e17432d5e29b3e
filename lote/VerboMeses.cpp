// meses: one line per month of the payroll year, as the main window lists them.
#include "econtas/Principal.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>

namespace {

// A date of the control row (DD/MM/AAAA) as ISO 8601; null when the step was not done.
QJsonValue dataIso(const QString &data)
{
    const QDate d = QDate::fromString(data.trimmed(), QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? QJsonValue(d.toString(Qt::ISODate)) : QJsonValue();
}

QJsonObject mesEmJson(const LinhaMes &l)
{
    return {{QStringLiteral("legenda"), l.legenda},
            {QStringLiteral("geral"), l.geral},
            {QStringLiteral("cnpj"), l.cnpj},
            {QStringLiteral("dataCriticas"), dataIso(l.dtCriticas)},
            {QStringLiteral("dataGeracao"), dataIso(l.dtGeracao)},
            {QStringLiteral("dataExportacao"), dataIso(l.dtExportacao)},
            {QStringLiteral("competencia"), l.mesAno}};
}

} // namespace

StatusSaida VerboMeses(ContextoLote &contexto)
{
    const QList<LinhaMes> meses = LinhasDosMeses(contexto.estado.ano_folha);
    if (SaidaEmJson()) {
        QJsonArray lista;
        for (const LinhaMes &l : meses)
            lista.append(mesEmJson(l));
        IncluirNoDocumento(QStringLiteral("ano"), contexto.estado.ano_folha);
        IncluirNoDocumento(QStringLiteral("meses"), lista);
        return StatusSaida::Concluido;
    }
    for (const LinhaMes &l : meses)
        EscreverSaida(
            QStringList{l.legenda, l.geral, l.cnpj, l.dtCriticas, l.dtGeracao, l.dtExportacao, l.mesAno}.join(
                QLatin1Char('\t')));
    return StatusSaida::Concluido;
}
