#include "OperadorTeste.h"

#include <QCoreApplication>
#include <QStandardPaths>

OperadorTeste::OperadorTeste()
{
    // What a test remembers (the save dialogs' folders) stays out of the person's own settings.
    QStandardPaths::setTestModeEnabled(true);
    InstalarOperador(this);
}

OperadorTeste::~OperadorTeste()
{
    InstalarOperador(nullptr);
}

void OperadorTeste::registrar(const Mensagem &m)
{
    mensagens.append(m);
    statusNasMensagens.append(progresso().status());
}

void OperadorTeste::informacao(const QString &texto)
{
    registrar({QStringLiteral("informacao"), QStringLiteral("INFORMAÇÃO"), texto});
}

bool OperadorTeste::confirmacao(const QString &texto)
{
    registrar({QStringLiteral("confirmacao"), QStringLiteral("CONFIRMAÇÃO"), texto});
    return respostas.isEmpty() ? false : respostas.takeFirst();
}

void OperadorTeste::aviso(const QString &titulo, const QString &texto)
{
    registrar({QStringLiteral("aviso"), titulo, texto});
}

void OperadorTeste::mensagem(const QString &texto)
{
    registrar({QStringLiteral("mensagem"), QString(), texto});
}

void OperadorTeste::erro(const QString &texto)
{
    registrar({QStringLiteral("erro"), QString(), texto});
}

void OperadorTeste::relatorio(const QString &titulo, const QStringList &linhas)
{
    registrar({QStringLiteral("relatorio"), titulo, linhas.join('\n')});
    linhasRelatorio += linhas;
}

void OperadorTeste::processarEventos()
{
    ++eventosProcessados;
    QCoreApplication::processEvents();
}

void OperadorTeste::responder(std::initializer_list<bool> r)
{
    respostas = QList<bool>(r);
}

QStringList OperadorTeste::textos() const
{
    QStringList r;
    for (const Mensagem &m : mensagens)
        r << m.texto;
    return r;
}

QString OperadorTeste::statusNaMensagem(const QString &texto) const
{
    for (qsizetype i = mensagens.size() - 1; i >= 0; --i)
        if (mensagens[i].texto == texto)
            return statusNasMensagens[i];
    return QString();
}

void OperadorTeste::limpar()
{
    mensagens.clear();
    statusNasMensagens.clear();
    linhasRelatorio.clear();
}

void OperadorTeste::exibirCriticas(const ListasCriticas &listas)
{
    registrar({QStringLiteral("criticas"), QString(), TextoDasCriticas(listas).join('\n')});
    criticasExibidas = listas;
}
