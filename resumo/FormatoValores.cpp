#include "resumo/FormatoValores.h"

namespace {

QString agruparMilhares(const QString &digitos)
{
    QString texto;
    for (qsizetype i = 0; i < digitos.size(); ++i) {
        if (i > 0 && (digitos.size() - i) % 3 == 0)
            texto += QLatin1Char('.');
        texto += digitos.at(i);
    }
    return texto;
}

// Whole part and decimals (two, or four when the last two are not zero), with a decimal comma.
QString decimal(Dinheiro valor, bool comMilhares)
{
    const qint64 v = valor.dezMilesimos();
    const quint64 absoluto = v < 0 ? quint64(0) - quint64(v) : quint64(v);
    const QString inteiro = QString::number(absoluto / 10000);
    const quint64 fracao = absoluto % 10000;
    QString decimais = QStringLiteral("%1").arg(fracao, 4, 10, QLatin1Char('0'));
    if (decimais.endsWith(QLatin1String("00")))
        decimais.chop(2);
    return (v < 0 ? QStringLiteral("-") : QString()) + (comMilhares ? agruparMilhares(inteiro) : inteiro) +
           QLatin1Char(',') + decimais;
}

} // namespace

QString FormatarReais(Dinheiro valor)
{
    return QStringLiteral("R$ ") + decimal(valor, true);
}

QString FormatarDecimalPlanilha(Dinheiro valor)
{
    return decimal(valor, false);
}
