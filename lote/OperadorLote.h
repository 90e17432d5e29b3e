#pragma once
// The batch command's operator: messages to stdout, errors to stderr, confirmations answered Yes only
// with --sim.
#include "common/Operador.h"
#include "lote/SaidaLote.h"

class OperadorLote : public TOperador {
public:
    explicit OperadorLote(bool responderSim) : m_sim(responderSim) {}

    void informacao(const QString &texto) override;
    bool confirmacao(const QString &texto) override;
    void aviso(const QString &titulo, const QString &texto) override;
    void mensagem(const QString &texto) override;
    void erro(const QString &texto) override;
    void relatorio(const QString &titulo, const QStringList &linhas) override;
    void exibirCriticas(const ListasCriticas &listas) override;
    void processarEventos() override;

    bool confirmacaoNegada() const { return m_negou; }

private:
    bool m_sim;
    bool m_negou = false;
};
