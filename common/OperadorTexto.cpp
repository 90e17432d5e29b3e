#include "common/OperadorTexto.h"

#include <QCoreApplication>

TOperadorTexto::TOperadorTexto(bool responderSim, Destino saida, Destino erros)
    : m_sim(responderSim), m_saida(std::move(saida)), m_erros(std::move(erros))
{
}

void TOperadorTexto::informacao(const QString &texto)
{
    m_saida(texto);
}

bool TOperadorTexto::confirmacao(const QString &texto)
{
    m_saida(texto + (m_sim ? QStringLiteral(" [Sim]") : QStringLiteral(" [Não]")));
    if (!m_sim)
        m_negou = true;
    return m_sim;
}

void TOperadorTexto::aviso(const QString &titulo, const QString &texto)
{
    m_erros(titulo + QStringLiteral(": ") + texto);
}

void TOperadorTexto::mensagem(const QString &texto)
{
    m_erros(texto);
}

void TOperadorTexto::erro(const QString &texto)
{
    m_erros(texto);
}

void TOperadorTexto::relatorio(const QString &titulo, const QStringList &linhas)
{
    if (linhas.isEmpty())
        return;
    m_saida(titulo);
    for (const QString &linha : linhas)
        m_saida(linha);
}

void TOperadorTexto::exibirCriticas(const ListasCriticas &) {}

void TOperadorTexto::processarEventos()
{
    QCoreApplication::processEvents();
}
