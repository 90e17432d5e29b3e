#pragma once
// Dates of the record objects: days since 30 December 1899 plus the fraction of the day; 0 = no date.
#include <QDate>
#include <QDateTime>
#include <QVariant>

using DataDias = double;

DataDias DataParaDias(const QDateTime &momento);
DataDias DataParaDias(const QDate &dia);
// A column value: NULL or an invalid date is 0.
DataDias VariantParaDias(const QVariant &valor);
QDateTime DiasParaDataHora(DataDias dias);
QDate DiasParaData(DataDias dias);
// The parameter for a date column: NULL when the value is 0.
QVariant DiasParaParametro(DataDias dias);
// The day 30 December 1899, day 0 of the count.
QDate DiaZero();
