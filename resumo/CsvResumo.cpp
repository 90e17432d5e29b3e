#include "resumo/CsvResumo.h"

#include "resumo/FormatoValores.h"
#include "resumo/ResumoCompetencia.h"

namespace {

// A text field: quoted when it holds the separator, a quote or a line break.
QString campoTexto(const QString &texto)
{
    if (!texto.contains(QLatin1Char(';')) && !texto.contains(QLatin1Char('"')) &&
        !texto.contains(QLatin1Char('\n')) && !texto.contains(QLatin1Char('\r')))
        return texto;
    return QLatin1Char('"') + QString(texto).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString linha(const QString &ug, const QString &uo, const QString &descricao, const TotaisResumo &t)
{
    QStringList campos = {campoTexto(ug), campoTexto(uo), campoTexto(descricao)};
    for (qint64 n : t.registros)
        campos << QString::number(n);
    campos << QString::number(t.servidores()) << QString::number(t.pagamentos());
    for (Dinheiro v : {t.remuneracaoBase, t.gratificacoes, t.outrasRemuneracoes, t.descontos,
                       t.contribuicaoPrevidenciaria, t.irrf})
        campos << FormatarDecimalPlanilha(v);
    campos << QString::number(t.diarias) << FormatarDecimalPlanilha(t.valorDiarias);
    return campos.join(QLatin1Char(';'));
}

} // namespace

QByteArray ConteudoCsvResumo(const ResumoCompetencia &resumo)
{
    QStringList linhas = {CabecalhoCsvResumo};
    for (const LinhaResumo &l : resumo.linhas)
        linhas << linha(l.ug, l.uo, l.descricao, l.totais);
    linhas << linha(QString(), QString(), QStringLiteral("Total da competência %1").arg(resumo.competencia),
                    resumo.geral);
    return QByteArray("\xEF\xBB\xBF") +
           (linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
