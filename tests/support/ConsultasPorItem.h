#pragma once
// The builders' questions answered as the payroll system always answered them: one statement per item,
// per payment and per per-diem, reading back what the generation wrote. Put in a generation's context to
// check that the loaded sets and the rows kept in memory write exactly the same rows.
#include "econtas/uEcontasController.h"
#include "generation/ConsultasGeracao.h"

class TConsultasPorItem : public TConsultasGeracao {
public:
    QList<SomaEvento> somasDosSlots(const QString &folha, const QStringList &complementares,
                                    const QString &matricula) override;
    DefinicaoEvento definicaoEvento(const QString &mes, const QString &codigo) override;
    Dinheiro valorDoItemEscrito(const TEContas43 &item, const QDate &dataPagamento) override;
    QList<TEContas43> itensDoPagamento(const TEContas41 &pagamento, const QDate &dataPagamento) override;
    bool pagamentoEscrito(const TEContas41 &pagamento, const QDate &dataPagamento) override;
    bool registro040Escrito(const QString &, const QString &, const QString &, const QString &,
                            const QString &) override
    {
        return false;
    }
    bool perDiemEscrito(const TEContas42 &perDiem) override;
    QString licencaGestante(const QString &numeroMes, const QString &ano, const QString &matricula) override;
    std::optional<int> fundeb(const QString &, const QString &) override { return std::nullopt; }

private:
    TEcontasController m_controlador;
};

struct TContextoGeracao;
// Makes the context's generation ask one statement per item.
void UsarConsultasPorItem(TContextoGeracao &contexto, bool porItem = true);
