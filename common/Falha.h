#pragma once
// Failures of the module. A Falha carries the text the operator sees and, when the database refused a
// statement, that statement and its bound values for whoever looks into it (the operator's text does
// not show them); Abortar ends the operator's action without any further message (an open payroll
// sheet, a No to a question that stops the work).
#include <QString>
#include <QVariantList>
#include <exception>

class Falha : public std::exception {
public:
    explicit Falha(QString mensagem, QString comando = {}, QVariantList valores = {})
        : m_mensagem(std::move(mensagem)), m_utf8(m_mensagem.toUtf8()), m_comando(std::move(comando)),
          m_valores(std::move(valores))
    {
    }
    const QString &mensagem() const { return m_mensagem; }
    const char *what() const noexcept override { return m_utf8.constData(); }
    // The statement the database refused (empty for failures of the module itself) and its values.
    const QString &comando() const { return m_comando; }
    const QVariantList &valores() const { return m_valores; }

private:
    QString m_mensagem;
    QByteArray m_utf8;
    QString m_comando;
    QVariantList m_valores;
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
    throw Falha(prefixo + QChar(13) + origem.mensagem(), origem.comando(), origem.valores());
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
