#include "resumo/TextoResumo.h"

#include "resumo/FormatoValores.h"
#include "resumo/Reconciliacao.h"
#include "resumo/ResumoCompetencia.h"

namespace {

QString nomeTipoPagamento(int tipo)
{
    switch (tipo) {
    case 1:
        return QStringLiteral("mensal");
    case 2:
        return QStringLiteral("13º adiantamento");
    case 3:
        return QStringLiteral("13º final");
    default:
        return QStringLiteral("tipo %1").arg(tipo);
    }
}

QStringList blocoUnidade(const QString &titulo, const TotaisResumo &t)
{
    QStringList linhas = {
        titulo, QStringLiteral("    Registros  ") + TextoRegistros(t),
        QStringLiteral("    Servidores: %1   Pagamentos: %2%3")
            .arg(t.servidores())
            .arg(t.pagamentos())
            .arg(t.pagamentosPorTipo.isEmpty()
                     ? QString()
                     : QStringLiteral(" (") + TextoPagamentosPorTipo(t) + QLatin1Char(')'))};
    for (const QString &l : TextoValores(t))
        linhas << QStringLiteral("    ") + l;
    return linhas;
}

} // namespace

QString TextoPagamentosPorTipo(const TotaisResumo &t)
{
    QStringList partes;
    for (auto it = t.pagamentosPorTipo.cbegin(); it != t.pagamentosPorTipo.cend(); ++it)
        partes << nomeTipoPagamento(it.key()) + QLatin1Char(' ') + QString::number(it.value());
    return partes.join(QStringLiteral(", "));
}

QString TextoRegistros(const TotaisResumo &t)
{
    QStringList partes;
    for (size_t i = 0; i < t.registros.size(); ++i)
        partes << QStringLiteral("%1: %2").arg(QLatin1String(TiposDeRegistro[i])).arg(t.registros[i]);
    return partes.join(QStringLiteral("  "));
}

QStringList TextoValores(const TotaisResumo &t)
{
    return {QStringLiteral("Remuneração base %1   Gratificações %2   Outras remunerações %3")
                .arg(FormatarReais(t.remuneracaoBase), FormatarReais(t.gratificacoes),
                     FormatarReais(t.outrasRemuneracoes)),
            QStringLiteral("Descontos %1   Contribuição previdenciária %2   IRRF %3   Diárias: %4 (%5)")
                .arg(FormatarReais(t.descontos), FormatarReais(t.contribuicaoPrevidenciaria),
                     FormatarReais(t.irrf))
                .arg(t.diarias)
                .arg(FormatarReais(t.valorDiarias))};
}

QStringList LinhasResumo(const ResumoCompetencia &resumo)
{
    QStringList linhas;
    for (const LinhaResumo &l : resumo.linhas) {
        const QString titulo = l.eUnidadeGestora() ? QStringLiteral("UG %1 - %2").arg(l.ug, l.descricao)
                                                   : QStringLiteral("  UO %1 - %2").arg(l.uo, l.descricao);
        linhas << blocoUnidade(titulo, l.totais);
    }
    linhas << blocoUnidade(QStringLiteral("Total da competência %1").arg(resumo.competencia), resumo.geral);
    return linhas;
}

QString TextoValoresDiferenca(const DiferencaServidor &d)
{
    return QStringLiteral("proventos: folha %1, envio %2; descontos: folha %3, envio %4")
        .arg(FormatarReais(d.proventosFolha), FormatarReais(d.proventosEnvio),
             FormatarReais(d.descontosFolha), FormatarReais(d.descontosEnvio));
}

QString TextoTotaisReconciliacao(const Reconciliacao &rec)
{
    return QStringLiteral(
               "Conferência com a folha: proventos folha %1, envio %2; descontos folha %3, envio %4")
        .arg(FormatarReais(rec.proventosFolha), FormatarReais(rec.proventosEnvio),
             FormatarReais(rec.descontosFolha), FormatarReais(rec.descontosEnvio));
}

QStringList LinhasReconciliacao(const Reconciliacao &rec)
{
    QStringList linhas = {TextoTotaisReconciliacao(rec)};
    if (rec.diferencas.isEmpty()) {
        linhas << QStringLiteral("Nenhuma diferença entre a folha e o envio.");
        return linhas;
    }
    for (const DiferencaServidor &d : rec.diferencas) {
        linhas << QStringLiteral("Matrícula %1 - %2: %3").arg(d.matricula, d.nome, TextoValoresDiferenca(d));
        for (const QString &m : d.motivos)
            linhas << QStringLiteral("    ") + m;
    }
    linhas << QStringLiteral("Servidores com diferença: %1; sem explicação: %2")
                  .arg(rec.diferencas.size())
                  .arg(rec.servidoresSemExplicacao());
    return linhas;
}
