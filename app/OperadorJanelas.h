#pragma once
// The program's operator: real message boxes and a window for the generation report.
#include "common/Operador.h"

#include <functional>

class QWidget;

class OperadorJanelas : public TOperador {
public:
    void informacao(const QString &texto) override;
    bool confirmacao(const QString &texto) override;
    void aviso(const QString &titulo, const QString &texto) override;
    void mensagem(const QString &texto) override;
    void erro(const QString &texto) override;
    void relatorio(const QString &titulo, const QStringList &linhas) override;
    void exibirCriticas(const ListasCriticas &listas) override;
    void processarEventos() override;

    // Caption of the plain boxes and of the standard error box.
    static QString tituloAplicacao();

    // The findings viewer lives with the windows; the program sets how it is shown.
    void definirExibicaoCriticas(std::function<void(const ListasCriticas &)> exibir)
    {
        m_exibirCriticas = std::move(exibir);
    }

private:
    std::function<void(const ListasCriticas &)> m_exibirCriticas;
};
