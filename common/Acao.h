#pragma once
// Running an operator's action: a Falha that reaches here is shown in the standard error box, an
// Abortar ends the action silently. Long actions (critique, generation, export, undo) refuse to start
// while another runs; the windows disable their buttons meanwhile.
#include <QObject>

#include <functional>

enum class ResultadoAcao { Concluida, Interrompida, Falhou, Recusada };

class TAcoes : public QObject {
    Q_OBJECT
public:
    static TAcoes &instancia();
    bool ocupado() const { return m_ocupado; }

    ResultadoAcao executar(const std::function<void()> &acao);
    ResultadoAcao executarLonga(const std::function<void()> &acao);

signals:
    void ocupadoMudou(bool ocupado);

private:
    bool m_ocupado = false;
};

inline ResultadoAcao ExecutarAcao(const std::function<void()> &acao)
{
    return TAcoes::instancia().executar(acao);
}

inline ResultadoAcao ExecutarAcaoLonga(const std::function<void()> &acao)
{
    return TAcoes::instancia().executarLonga(acao);
}

// Text shown when an action is refused because another is running.
QString MensagemOperacaoEmAndamento();
