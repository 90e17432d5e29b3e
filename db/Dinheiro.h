#pragma once
// Money: a 64-bit count of ten-thousandths.
#include <QString>
#include <QVariant>
#include <QtGlobal>

class Dinheiro {
public:
    constexpr Dinheiro() = default;
    static constexpr Dinheiro deDezMilesimos(qint64 v)
    {
        Dinheiro d;
        d.m_valor = v;
        return d;
    }

    // A float read from a payroll table: value x 10000 rounded to the nearest whole number, halves to even.
    static Dinheiro deFloat(double valor);
    // A decimal text such as "-12.3456" (at most four decimals), read exactly.
    static Dinheiro deTexto(const QString &texto);
    // A column value: NULL is 0; a NUMERIC(18,4) reaches us from the driver either as decimal text or as
    // the double nearest to it, which maps back to the exact ten-thousandths (|value| < 2^53 / 10^4).
    static Dinheiro deVariant(const QVariant &valor);

    qint64 dezMilesimos() const { return m_valor; }
    // The decimal text with four decimals, as bound to a NUMERIC(18,4) parameter.
    QString paraTexto() const;
    // Export amount: value x 100, rounded to a whole number with halves away from zero.
    qint64 centavosExportacao() const;
    double paraDouble() const { return double(m_valor) / 10000.0; }

    bool eZero() const { return m_valor == 0; }
    Dinheiro operator+(Dinheiro o) const { return deDezMilesimos(m_valor + o.m_valor); }
    Dinheiro operator-(Dinheiro o) const { return deDezMilesimos(m_valor - o.m_valor); }
    Dinheiro &operator-=(Dinheiro o)
    {
        m_valor -= o.m_valor;
        return *this;
    }
    Dinheiro &operator+=(Dinheiro o)
    {
        m_valor += o.m_valor;
        return *this;
    }
    auto operator<=>(const Dinheiro &) const = default;

private:
    qint64 m_valor = 0;
};
