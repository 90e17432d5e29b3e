#include "db/Datas.h"

#include <cmath>

QDate DiaZero()
{
    return QDate(1899, 12, 30);
}

DataDias DataParaDias(const QDateTime &momento)
{
    if (!momento.isValid())
        return 0;
    const qint64 dias = DiaZero().daysTo(momento.date());
    const double fracao = momento.time().msecsSinceStartOfDay() / 86400000.0;
    return double(dias) + fracao;
}

DataDias DataParaDias(const QDate &dia)
{
    return dia.isValid() ? double(DiaZero().daysTo(dia)) : 0.0;
}

DataDias VariantParaDias(const QVariant &valor)
{
    if (valor.isNull() || !valor.isValid())
        return 0;
    if (valor.metaType().id() == QMetaType::QDate)
        return DataParaDias(valor.toDate());
    return DataParaDias(valor.toDateTime());
}

QDateTime DiasParaDataHora(DataDias dias)
{
    const double inteiro = std::floor(dias);
    const qint64 ms = std::llround((dias - inteiro) * 86400000.0);
    return QDateTime(DiaZero().addDays(qint64(inteiro)), QTime(0, 0)).addMSecs(ms);
}

QDate DiasParaData(DataDias dias)
{
    return DiaZero().addDays(qint64(std::floor(dias)));
}

QVariant DiasParaParametro(DataDias dias)
{
    if (dias == 0)
        return QVariant(QMetaType(QMetaType::QDateTime));
    return DiasParaDataHora(dias);
}
