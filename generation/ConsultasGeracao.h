#pragma once
// What the item, payment and per-diem builders ask while they walk the staff: a staff member's event
// slots summed, an event's definition, the items and payments this run already wrote, his leave in the
// month and his FUNDEB marking. A generation answers from the sets it loaded once and the rows it wrote
// (TConsultasEmMemoria); another answerer can be put in its place, which is how the checks compare these
// answers with the payroll system's one statement per item.
#include "db/Dinheiro.h"
#include "econtas/uEContas41.h"
#include "econtas/uEContas42.h"
#include "econtas/uEContas43.h"
#include "generation/CacheItens.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TEscritosGeracao;

class TConsultasGeracao {
public:
    virtual ~TConsultasGeracao() = default;

    virtual QList<SomaEvento> somasDosSlots(const QString &folha, const QStringList &complementares,
                                            const QString &matricula) = 0;
    virtual DefinicaoEvento definicaoEvento(const QString &mes, const QString &codigo) = 0;
    // The value of the item already written with this item's key (payment date dataPagamento); 0 if none.
    virtual Dinheiro valorDoItemEscrito(const TEContas43 &item, const QDate &dataPagamento) = 0;
    // The items written for one payment, in the order they were written.
    virtual QList<TEContas43> itensDoPagamento(const TEContas41 &pagamento, const QDate &dataPagamento) = 0;
    virtual bool pagamentoEscrito(const TEContas41 &pagamento, const QDate &dataPagamento) = 0;
    // Whether this run wrote the staff member's record 040 (no answer: the database is asked).
    virtual bool registro040Escrito(const QString &competencia, const QString &cnpj, const QString &ug,
                                    const QString &uo, const QString &matricula) = 0;
    // A per-diem of the same staff member and unit stored on that day.
    virtual bool perDiemEscrito(const TEContas42 &perDiem) = 0;
    virtual QString licencaGestante(const QString &numeroMes, const QString &ano,
                                    const QString &matricula) = 0;
    // 2 or 1; nothing when the statement must answer.
    virtual std::optional<int> fundeb(const QString &mes, const QString &matricula) = 0;
};

class TConsultasEmMemoria : public TConsultasGeracao {
public:
    TConsultasEmMemoria(TCacheItens &cache, TEscritosGeracao &escritos) : m_cache(cache), m_escritos(escritos)
    {
    }

    QList<SomaEvento> somasDosSlots(const QString &folha, const QStringList &complementares,
                                    const QString &matricula) override;
    DefinicaoEvento definicaoEvento(const QString &mes, const QString &codigo) override;
    Dinheiro valorDoItemEscrito(const TEContas43 &item, const QDate &dataPagamento) override;
    QList<TEContas43> itensDoPagamento(const TEContas41 &pagamento, const QDate &dataPagamento) override;
    bool pagamentoEscrito(const TEContas41 &pagamento, const QDate &dataPagamento) override;
    bool registro040Escrito(const QString &competencia, const QString &cnpj, const QString &ug,
                            const QString &uo, const QString &matricula) override;
    bool perDiemEscrito(const TEContas42 &perDiem) override;
    QString licencaGestante(const QString &numeroMes, const QString &ano, const QString &matricula) override;
    std::optional<int> fundeb(const QString &mes, const QString &matricula) override;

private:
    TCacheItens &m_cache;
    TEscritosGeracao &m_escritos;
};
