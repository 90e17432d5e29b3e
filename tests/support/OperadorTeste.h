#pragma once
// The operator of the tests: records every message in order and answers confirmations from a script.
#include "common/Operador.h"

#include <QList>
#include <QString>
#include <QStringList>

class OperadorTeste : public TOperador {
public:
    struct Mensagem {
        QString tipo;   // "informacao", "confirmacao", "aviso", "mensagem", "erro", "relatorio"
        QString titulo; // caption of the box
        QString texto;
        bool operator==(const Mensagem &) const = default;
    };

    OperadorTeste();
    ~OperadorTeste() override;

    void informacao(const QString &texto) override;
    bool confirmacao(const QString &texto) override;
    void aviso(const QString &titulo, const QString &texto) override;
    void mensagem(const QString &texto) override;
    void erro(const QString &texto) override;
    void relatorio(const QString &titulo, const QStringList &linhas) override;
    void exibirCriticas(const ListasCriticas &listas) override;
    void processarEventos() override;

    // Answers for the next confirmations, in order; with none left the answer is No.
    void responder(std::initializer_list<bool> respostas);

    QList<Mensagem> mensagens;
    QStringList statusNasMensagens; // the status line when each message was shown
    QList<bool> respostas;
    QStringList linhasRelatorio;
    ListasCriticas criticasExibidas;
    int eventosProcessados = 0;

    QStringList textos() const; // the texts of every message in order
    // The status line when the message of that text was last shown (empty when none was).
    QString statusNaMensagem(const QString &texto) const;
    void limpar();

private:
    void registrar(const Mensagem &m);
};
