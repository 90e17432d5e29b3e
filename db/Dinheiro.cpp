#include "db/Dinheiro.h"

#include "common/Falha.h"

#include <cmath>

Dinheiro Dinheiro::deFloat(double valor)
{
    if (!std::isfinite(valor))
        throw Falha(QStringLiteral("Valor monetário inválido: %1").arg(valor));
    // nearbyint rounds halves to even in the default rounding mode.
    return deDezMilesimos(static_cast<qint64>(std::nearbyint(valor * 10000.0)));
}

Dinheiro Dinheiro::deTexto(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return {};
    const bool negativo = t.startsWith(QLatin1Char('-'));
    const QString corpo = (negativo || t.startsWith(QLatin1Char('+'))) ? t.mid(1) : t;
    const qsizetype ponto = corpo.indexOf(QLatin1Char('.'));
    const QString inteiros = ponto < 0 ? corpo : corpo.left(ponto);
    QString decimais = ponto < 0 ? QString() : corpo.mid(ponto + 1);
    bool okInteiros = true, okDecimais = true;
    const qint64 parteInteira = inteiros.isEmpty() ? 0 : inteiros.toLongLong(&okInteiros);
    if (decimais.size() > 4 || !okInteiros)
        throw Falha(QStringLiteral("Valor monetário inválido: %1").arg(texto));
    decimais = decimais.leftJustified(4, QLatin1Char('0'));
    const qint64 parteDecimal = decimais.toLongLong(&okDecimais);
    if (!okDecimais)
        throw Falha(QStringLiteral("Valor monetário inválido: %1").arg(texto));
    const qint64 v = parteInteira * 10000 + parteDecimal;
    return deDezMilesimos(negativo ? -v : v);
}

Dinheiro Dinheiro::deVariant(const QVariant &valor)
{
    if (valor.isNull() || !valor.isValid())
        return {};
    switch (valor.metaType().id()) {
    case QMetaType::QString:
        return deTexto(valor.toString());
    case QMetaType::Double:
    case QMetaType::Float: {
        // A float payroll column and a NUMERIC(18,4) column (the driver hands it over as the double
        // nearest to it) both arrive here; rounding x 10000 gives back a NUMERIC's exact ten-thousandths.
        if (std::fabs(valor.toDouble() * 10000.0) >= 9007199254740992.0)
            throw Falha(QStringLiteral("Valor monetário fora da faixa exata: %1").arg(valor.toDouble()));
        return deFloat(valor.toDouble());
    }
    default:
        return deDezMilesimos(valor.toLongLong() * 10000);
    }
}

QString Dinheiro::paraTexto() const
{
    // Written digit by digit: a generation binds every amount it inserts through this.
    char texto[24];
    char *const fim = texto + sizeof texto;
    char *p = fim;
    quint64 absoluto = m_valor < 0 ? 0 - quint64(m_valor) : quint64(m_valor);
    for (int casa = 0; casa < 4; ++casa, absoluto /= 10)
        *--p = char('0' + absoluto % 10);
    *--p = '.';
    do {
        *--p = char('0' + absoluto % 10);
        absoluto /= 10;
    } while (absoluto != 0);
    if (m_valor < 0)
        *--p = '-';
    return QString::fromLatin1(p, fim - p);
}

qint64 Dinheiro::centavosExportacao() const
{
    const qint64 absoluto = m_valor < 0 ? -m_valor : m_valor;
    const qint64 centavos = (absoluto + 50) / 100;
    return m_valor < 0 ? -centavos : centavos;
}
