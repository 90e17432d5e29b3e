#include "lote/ValidacaoArgumentos.h"

namespace {

const QString OpcaoDataPagamento = QStringLiteral("--data-pagamento");

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

bool ValidarValoresDoVerbo(const DefinicaoVerbo &verbo, const ArgumentosLote &args, QString &erro)
{
    if (verbo.requer != Requisito::Programa && !validarCompetencia(args, erro))
        return false;
    if (args.opcoes.contains(OpcaoDataPagamento) &&
        !DataDePagamentoDaOpcao(args.opcoes.value(OpcaoDataPagamento)).isValid()) {
        erro = QStringLiteral("data de pagamento inválida: %1 (DD/MM/AAAA)")
                   .arg(args.opcoes.value(OpcaoDataPagamento));
        return false;
    }
    return !verbo.validar || verbo.validar(args, erro);
}
