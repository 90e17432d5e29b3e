#pragma once
// The rows this generation has written, by key. A generation is one transaction that starts by deleting
// the competence's rows, so for that competence the work tables hold exactly what is recorded here.
// Texts of a key are compared as the database compares them: trailing blanks do not count.
#include "econtas/uEContas40.h"
#include "econtas/uEContas41.h"
#include "econtas/uEContas42.h"
#include "econtas/uEContas43.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "common/uUtil.h"

class TEscritosGeracao {
public:
    // Managing units, budget units and positions, by the keys of their work tables.
    void registrar010(const QString &competencia, const QString &cnpj, const QString &ug);
    bool tem010(const QString &competencia, const QString &cnpj, const QString &ug) const;
    void registrar020(const QString &competencia, const QString &cnpj, const QString &ug, const QString &uo);
    bool tem020(const QString &competencia, const QString &cnpj, const QString &ug, const QString &uo) const;
    void registrar030(const QString &competencia, const QString &cnpj, const QString &ug, const QString &uo,
                      const QString &codigo);
    bool tem030(const QString &competencia, const QString &cnpj, const QString &ug, const QString &uo,
                const QString &codigo) const;

    void registrar040(const TEContas40 &registro);
    bool tem040(const QString &competencia, const QString &cnpj, const QString &ug, const QString &uo,
                const QString &matricula) const;

    void registrar041(const TEContas41 &registro);
    bool tem041(const TEContas41 &registro) const;

    // A per-diem is a duplicate when a row of the same staff member and unit was stored with a payment
    // date exactly at midnight of the given day.
    void registrar042(const TEContas42 &registro);
    bool tem042NoDia(const QString &competencia, const QString &cnpj, const QString &ug, const QString &uo,
                     const QString &matricula, const QDate &dia) const;

    // Items as stored: payment date at midnight, the event code as the key inside their payment.
    void registrar043(const TEContas43 &registro);
    // The stored item with the key of this one (its payment date taken at midnight), or nullptr.
    TEContas43 *item043(const TEContas43 &chave);
    // Every stored item of one payment, in the order they were first written.
    QList<TEContas43> itensDoPagamento(const QString &competencia, const QString &cnpj, const QString &ug,
                                       const QString &uo, const QString &matricula, int tipopagto,
                                       const QDate &dia) const;

    // The key text of a payment (also used for the items of that payment).
    static QString chavePagamento(const QString &competencia, const QString &cnpj, const QString &ug,
                                  const QString &uo, const QString &matricula, int tipopagto,
                                  qint64 milissegundos);
    // A stored date as whole milliseconds since 30 December 1899 (exact for database timestamps).
    static qint64 milissegundos(DataDias dias);

private:
    QSet<QString> m_010;
    QSet<QString> m_020;
    QSet<QString> m_030;
    QSet<QString> m_040;
    QSet<QString> m_041;
    QSet<QString> m_042;
    QHash<QString, QList<TEContas43>> m_043PorPagamento;
};
