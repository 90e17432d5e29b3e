#pragma once
// An operator without windows: each box becomes lines of text, information and reports on the output,
// warnings and errors on the error output, each confirmation answered as configured (and the answer
// shown after the question). The batch command and the fixture tools say where the lines go.
#include "common/Operador.h"

#include <functional>

class TOperadorTexto : public TOperador {
public:
    using Destino = std::function<void(const QString &)>;
    TOperadorTexto(bool responderSim, Destino saida, Destino erros);

    void informacao(const QString &texto) override;
    bool confirmacao(const QString &texto) override;
    void aviso(const QString &titulo, const QString &texto) override;
    void mensagem(const QString &texto) override;
    void erro(const QString &texto) override;
    void relatorio(const QString &titulo, const QStringList &linhas) override;
    // The findings are printed by whoever ran the critique, once it is over.
    void exibirCriticas(const ListasCriticas &listas) override;
    void processarEventos() override;

    bool confirmacaoNegada() const { return m_negou; }

protected:
    void escrever(const QString &texto) { m_saida(texto); }

private:
    bool m_sim;
    bool m_negou = false;
    Destino m_saida;
    Destino m_erros;
};
