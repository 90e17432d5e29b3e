#pragma once
// Sets the item and payment builders load once per generation: the event slots of a sheet summed per
// staff member and event code, the month's event definitions, the leaves covering the month, the FUNDEB
// marking of every staff member, and indexes of the sheet sets by registration. Each answers exactly what
// the matching per-staff statement answers.
#include "db/Dinheiro.h"
#include "db/RowSet.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct SomaEvento {
    QString codigo;
    Dinheiro valor;
};

struct DefinicaoEvento {
    QString tipograt; // all empty when the month's events table has no such code
    QString numgrat;
    QString natureza;
};

class TCacheItens {
public:
    // The event slots of one staff member summed per event code (codes in increasing order).
    const QList<SomaEvento> &somasDosSlots(const QString &folha, const QStringList &complementares,
                                           const QString &matricula);
    DefinicaoEvento definicaoEvento(const QString &mes, const QString &codigo);
    QString licencaGestante(const QString &mes, const QString &ano, const QString &matricula);
    // 2 or 1; nothing when the staff member has several personnel rows (the statement must then answer).
    std::optional<int> fundeb(const QString &mes, const QString &matricula);
    // Absolute rows of a sheet set whose MATRICULA is this, in the set's order.
    const QList<int> &linhasDaMatricula(const RowSet &conjunto, const QString &matricula);
    // The distinct sheet codes of a sheet set, in the order of their first row.
    const QStringList &folhasDoConjunto(const RowSet &conjunto);

private:
    QHash<QString, QHash<QString, QList<SomaEvento>>> m_somas; // "sheet|complementaries" -> matricula -> sums
    QHash<QString, QHash<QString, DefinicaoEvento>> m_definicoes; // month -> code -> definition
    QHash<QString, QHash<QString, QString>> m_licencas;           // month|year -> matricula -> code
    struct Fundeb {
        QHash<QString, QStringList> lotacoesPorMatricula;
        QHash<QString, QString> fundebPorLotacao;
    };
    QHash<QString, Fundeb> m_fundeb; // month -> marking
    QHash<const RowSet *, QHash<QString, QList<int>>> m_linhas;
    QHash<const RowSet *, QStringList> m_folhas;
};
