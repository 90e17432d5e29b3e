#include "lote/OperadorLote.h"

#include <QCoreApplication>

void OperadorLote::informacao(const QString &texto)
{
    EscreverSaida(texto);
}

bool OperadorLote::confirmacao(const QString &texto)
{
    EscreverSaida(texto + (m_sim ? QStringLiteral(" [Sim]") : QStringLiteral(" [Não]")));
    if (!m_sim)
        m_negou = true;
    return m_sim;
}

void OperadorLote::aviso(const QString &titulo, const QString &texto)
{
    EscreverErro(titulo + QStringLiteral(": ") + texto);
}

void OperadorLote::mensagem(const QString &texto)
{
    EscreverErro(texto);
}

void OperadorLote::erro(const QString &texto)
{
    EscreverErro(texto);
}

void OperadorLote::relatorio(const QString &titulo, const QStringList &linhas)
{
    if (linhas.isEmpty())
        return;
    EscreverSaida(titulo);
    for (const QString &l : linhas)
        EscreverSaida(l);
}

void OperadorLote::processarEventos()
{
    QCoreApplication::processEvents();
}

void OperadorLote::exibirCriticas(const ListasCriticas &)
{
    // The batch command prints the findings itself, once the run is over.
}
