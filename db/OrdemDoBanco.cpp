#include "db/OrdemDoBanco.h"

#include "common/uUtil.h"

#include <QDateTime>

namespace {

enum class Classe { Nulo, Inteiro, Flutuante, Data, Texto, Outra };

Classe classeDe(const QVariant &v)
{
    if (v.isNull())
        return Classe::Nulo;
    switch (v.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::LongLong:
        return Classe::Inteiro;
    case QMetaType::Double:
    case QMetaType::Float:
        return Classe::Flutuante;
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return Classe::Data;
    case QMetaType::QString:
        return Classe::Texto;
    default:
        return Classe::Outra;
    }
}

template <typename T> int comparar(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// A timestamp by its date and its time of day as stored, never through the local clock (a time that
// a change of daylight saving skips would move).
std::pair<qint64, int> camposDe(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::QDate:
        return {v.toDate().toJulianDay(), 0};
    case QMetaType::QTime:
        return {0, v.toTime().msecsSinceStartOfDay()};
    default: {
        const QDateTime d = v.toDateTime();
        return {d.date().toJulianDay(), d.time().msecsSinceStartOfDay()};
    }
    }
}

OrdemDoBanco compararTextos(const QString &a, const QString &b)
{
    const int c = a.compare(b);
    if (c == 0)
        return {0, true};
    // Digits and capitals sort above the blank in every collation, so the plain comparison is the
    // engine's wherever the texts differ before their trailing blanks.
    const QString semBrancosA = SemBrancosFinais(a);
    const QString semBrancosB = SemBrancosFinais(b);
    return {c, semBrancosA != semBrancosB && SoDigitosEMaiusculas(semBrancosA) &&
                   SoDigitosEMaiusculas(semBrancosB)};
}

} // namespace

OrdemDoBanco CompararComoOBanco(const QVariant &a, const QVariant &b)
{
    const Classe classeA = classeDe(a);
    const Classe classeB = classeDe(b);
    if (classeA != classeB)
        return {comparar(classeA, classeB), classeA == Classe::Nulo || classeB == Classe::Nulo};
    switch (classeA) {
    case Classe::Nulo:
        return {0, true};
    case Classe::Inteiro:
        return {comparar(a.toLongLong(), b.toLongLong()), true};
    case Classe::Flutuante:
        return {comparar(a.toDouble(), b.toDouble()), a.metaType() == b.metaType()};
    case Classe::Data:
        return {comparar(camposDe(a), camposDe(b)), a.metaType() == b.metaType()};
    case Classe::Texto:
        return compararTextos(a.toString(), b.toString());
    case Classe::Outra:
        break;
    }
    return {0, MesmoValor(a, b)};
}

bool MesmoValor(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (a.metaType() != b.metaType())
        return false;
    if (classeDe(a) == Classe::Data)
        return camposDe(a) == camposDe(b);
    return a == b;
}
