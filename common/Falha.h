#pragma once
// Failures of the module. A Falha carries the text the operator sees; Abortar ends the operator's
// action without any further message (an open payroll sheet, a No to a question that stops the work).
#include <QString>
#include <exception>

class Falha : public std::exception {
public:
    explicit Falha(QString mensagem) : m_mensagem(std::move(mensagem)), m_utf8(m_mensagem.toUtf8()) {}
    const QString &mensagem() const { return m_mensagem; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mensagem;
    QByteArray m_utf8;
};

// The engine refused a change because another transaction holds the same rows (lock conflict, deadlock,
// update conflict): another workstation is working on the same data.
class ConflitoDeBloqueio : public Falha {
public:
    using Falha::Falha;
};

// The competence a run wants to work on is being worked on by another workstation.
class CompetenciaEmUso : public Falha {
public:
    using Falha::Falha;
};

class Abortar : public std::exception {
public:
    const char *what() const noexcept override { return "operação interrompida"; }
};

// Raises a new failure whose text is the prefix, a carriage return and the failure that occurred.
[[noreturn]] inline void relancar(const QString &prefixo, const Falha &origem)
{
    throw Falha(prefixo + QChar(13) + origem.mensagem());
}

// Runs the work and re-raises any Falha under the given prefix; Abortar passes through unchanged.
template <typename F> auto comPrefixo(const QString &prefixo, F &&trabalho) -> decltype(trabalho())
{
    try {
        return trabalho();
    } catch (const Falha &f) {
        relancar(prefixo, f);
    }
}
