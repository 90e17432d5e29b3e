#include "OperadorTeste.h"

#include <QCoreApplication>

OperadorTeste::OperadorTeste()
{
    InstalarOperador(this);
}

OperadorTeste::~OperadorTeste()
{
    InstalarOperador(nullptr);
}

void OperadorTeste::informacao(const QString &texto)
{
    mensagens.append({QStringLiteral("informacao"), QStringLiteral("INFORMAÇÃO"), texto});
}

bool OperadorTeste::confirmacao(const QString &texto)
{
    mensagens.append({QStringLiteral("confirmacao"), QStringLiteral("CONFIRMAÇÃO"), texto});
    return respostas.isEmpty() ? false : respostas.takeFirst();
}

void OperadorTeste::aviso(const QString &titulo, const QString &texto)
{
    mensagens.append({QStringLiteral("aviso"), titulo, texto});
}

void OperadorTeste::mensagem(const QString &texto)
{
    mensagens.append({QStringLiteral("mensagem"), QString(), texto});
}

void OperadorTeste::erro(const QString &texto)
{
    mensagens.append({QStringLiteral("erro"), QString(), texto});
}

void OperadorTeste::relatorio(const QString &titulo, const QStringList &linhas)
{
    mensagens.append({QStringLiteral("relatorio"), titulo, linhas.join('\n')});
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

void OperadorTeste::limpar()
{
    mensagens.clear();
    linhasRelatorio.clear();
}

void OperadorTeste::exibirCriticas(const ListasCriticas &listas)
{
    mensagens.append({QStringLiteral("criticas"), QString(), TextoDasCriticas(listas).join('\n')});
    criticasExibidas = listas;
}
