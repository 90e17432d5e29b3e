#pragma once
// The rows this generation has written, by key. A generation is one transaction that starts by deleting
// the competence's rows, so for that competence the work tables hold exactly what is recorded here.
// Texts of a key are compared as the database compares them: trailing blanks do not count.
#include "econtas/uEContas40.h"
#include "econtas/uEContas41.h"
#include "econtas/uEContas42.h"
#include "econtas/uEContas43.h"

#include <QByteArray>
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
    // The value of the stored item with the key of this one (its payment date taken at midnight), or
    // nullptr.
    Dinheiro *valor043(const TEContas43 &chave);
    // Every stored item of one payment, in the order they were first written.
    QList<TEContas43> itensDoPagamento(const QString &competencia, const QString &cnpj, const QString &ug,
                                       const QString &uo, const QString &matricula, int tipopagto,
                                       const QDate &dia) const;

    // The key text of a payment (also used for the items of that payment).
    static QByteArray chavePagamento(const QString &competencia, const QString &cnpj, const QString &ug,
                                     const QString &uo, const QString &matricula, int tipopagto,
                                     qint64 milissegundos);
    // A stored date as whole milliseconds since 30 December 1899 (exact for database timestamps).
    static qint64 milissegundos(DataDias dias);

private:
    // The one kept copy of a text the stored items repeat (units, registrations, event codes): items
    // share it instead of each holding its own, which keeps a large generation's memory down.
    QString compartilhado(const QString &texto);

    QSet<QString> m_textos;
    QSet<QByteArray> m_010;
    QSet<QByteArray> m_020;
    QSet<QByteArray> m_030;
    QSet<QByteArray> m_040;
    QSet<QByteArray> m_041;
    QSet<QByteArray> m_042;
    // The items of one payment. What every item of a payment repeats (competence, unit, registration,
    // payment type and day) is kept once per form it came in: items of one key may differ in trailing
    // blanks, and each is given back exactly as it was stored.
    struct ItemEscrito {
        QString codevento;
        QString desconto;
        Dinheiro valor;
        int tipograt = 0;
        int codgrat = 0;
        int forma = 0; // index into PagamentoEscrito::formas
    };
    struct PagamentoEscrito {
        QList<TEContas43> formas;
        QList<ItemEscrito> itens;
    };
    int formaDoPagamento(PagamentoEscrito &pagamento, const TEContas43 &item);

    QHash<QByteArray, PagamentoEscrito> m_043PorPagamento;
};
