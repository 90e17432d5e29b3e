#include "lote/OperadorLote.h"

#include <QCoreApplication>
#include <cstdio>

QString TextoParaTerminal(const QString &texto)
{
    QString r = texto;
    r.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    r.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return r;
}

void EscreverSaida(const QString &texto)
{
    std::fputs(TextoParaTerminal(texto).toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void EscreverErro(const QString &texto)
{
    std::fflush(stdout);
    std::fputs(TextoParaTerminal(texto).toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

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
