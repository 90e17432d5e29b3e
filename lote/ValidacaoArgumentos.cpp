#include "lote/ValidacaoArgumentos.h"

namespace {

const QString OpcaoDataPagamento = QStringLiteral("--data-pagamento");

// Verbs whose first argument is a competence MMYYYY.
bool nomeiaCompetencia(const QString &verbo)
{
    return verbo != QLatin1String("meses") && verbo != QLatin1String("verificar");
}

// Verbs whose second argument is the base folder of the export.
bool nomeiaPasta(const QString &verbo)
{
    return verbo == QLatin1String("exportar") || verbo == QLatin1String("processar");
}

bool validarCompetencia(const ArgumentosLote &args, QString &erro)
{
    const QString competencia = args.argumentos.value(0);
    if (!EhCompetenciaValida(competencia)) {
        erro = QStringLiteral("competência inválida: %1 (MMAAAA)").arg(competencia);
        return false;
    }
    // The control rows of a payroll year are those of its own months.
    if (competencia.mid(2) != args.ano) {
        erro = QStringLiteral("a competência %1 não é do ano %2").arg(competencia, args.ano);
        return false;
    }
    return true;
}

} // namespace

QDate DataDePagamentoDaOpcao(const QString &texto)
{
    return QDate::fromString(texto, QStringLiteral("dd/MM/yyyy"));
}

bool ValidarValoresDoVerbo(const ArgumentosLote &args, QString &erro)
{
    if (nomeiaCompetencia(args.verbo) && !validarCompetencia(args, erro))
        return false;
    if (args.opcoes.contains(OpcaoDataPagamento) &&
        !DataDePagamentoDaOpcao(args.opcoes.value(OpcaoDataPagamento)).isValid()) {
        erro = QStringLiteral("data de pagamento inválida: %1 (DD/MM/AAAA)")
                   .arg(args.opcoes.value(OpcaoDataPagamento));
        return false;
    }
    if (nomeiaPasta(args.verbo) && args.argumentos.value(1).trimmed().isEmpty()) {
        erro = QStringLiteral("a pasta de exportação não foi informada");
        return false;
    }
    if (args.verbo == QLatin1String("unidades")) {
        const QString tipo = args.argumentos.value(1);
        if (tipo != QLatin1String("gestoras") && tipo != QLatin1String("orcamentarias")) {
            erro = QStringLiteral("tipo de unidade inválido: %1 (gestoras ou orcamentarias)").arg(tipo);
            return false;
        }
    }
    return true;
}
