#pragma once
// The batch command's operator: messages to stdout, errors to stderr, confirmations answered Yes only
// with --sim.
#include "common/Operador.h"

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

// Lines of text as the terminal shows them: the carriage returns inside the system's messages become
// line breaks.
QString TextoParaTerminal(const QString &texto);
void EscreverSaida(const QString &texto);
void EscreverErro(const QString &texto);
