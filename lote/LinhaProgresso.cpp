#include "lote/LinhaProgresso.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr qint64 IntervaloMinimoMs = 100;
constexpr int ColunasPadrao = 80;
constexpr int ColunasLargas = 100;

// A narrower bar on a narrow terminal leaves room for the step's name.
int larguraBarra(int colunas)
{
    return colunas >= ColunasLargas ? 20 : 10;
}

int colunasDoTerminal()
{
    winsize tamanho{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &tamanho) == 0 && tamanho.ws_col > 0)
        return tamanho.ws_col;
    return ColunasPadrao;
}

QString tempo(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

// Fraction done of a bar, or -1 while its range is empty.
double fracao(const TProgresso::Estado &e)
{
    if (e.maximo <= e.minimo)
        return -1;
    return double(e.posicao - e.minimo) / double(e.maximo - e.minimo);
}

QString barra(double f, int largura)
{
    const int cheios = f < 0 ? 0 : int(f * largura);
    return QLatin1Char('[') + QString(cheios, QLatin1Char('#')) +
           QString(largura - cheios, QLatin1Char('-')) + QLatin1Char(']');
}

// The line's text for a terminal of `colunas` columns, without the carriage return.
QString montarLinha(const TProgresso &progresso, const QString &status, qint64 decorridoMs, int colunas)
{
    const double f = fracao(progresso.barra(TProgresso::Principal));
    QString resto = QLatin1Char(' ') + barra(f, larguraBarra(colunas));
    if (f >= 0)
        resto += QStringLiteral(" %1%").arg(int(f * 100), 3);
    resto += QLatin1Char(' ') + tempo(decorridoMs);
    // The staff bar keeps its count from the first staff member walked until the run's reset.
    if (progresso.posicao(TProgresso::R040) > 0)
        resto += QStringLiteral(" %1 de %2 servidores")
                     .arg(progresso.posicao(TProgresso::R040))
                     .arg(progresso.maximo(TProgresso::R040));
    // The line must never wrap, or the carriage return would redraw only its last part.
    const int espaco = std::max(0, colunas - 1 - int(resto.size()));
    QString texto = status;
    if (texto.size() > espaco)
        texto = espaco > 3 ? texto.left(espaco - 3) + QStringLiteral("...") : QString();
    return (texto + resto).left(std::max(0, colunas - 1));
}

} // namespace

bool ErrosNumTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

LinhaProgresso::LinhaProgresso(TProgresso &progresso) : m_progresso(progresso)
{
    m_inicio.start();
    connect(&progresso, &TProgresso::statusMudou, this, &LinhaProgresso::statusMudou);
    connect(&progresso, &TProgresso::barraMudou, this, &LinhaProgresso::barraMudou);
}

void LinhaProgresso::encerrar()
{
    if (!m_desenhada)
        return;
    std::fputc('\n', stderr);
    std::fflush(stderr);
    m_desenhada = false;
}

void LinhaProgresso::statusMudou(const QString &texto)
{
    // The reset at the end of a run empties the status: the line keeps the last step's text.
    if (texto.isEmpty())
        return;
    m_status = texto;
    desenharSeHaTempo();
}

void LinhaProgresso::barraMudou(int)
{
    desenharSeHaTempo();
}

// The walks move the model once per row and set their status once per record: the terminal only
// sees a few of those moves each second.
void LinhaProgresso::desenharSeHaTempo()
{
    if (!m_ultimoDesenho.isValid() || m_ultimoDesenho.elapsed() >= IntervaloMinimoMs)
        desenhar();
}

void LinhaProgresso::desenhar()
{
    if (m_status.isEmpty())
        return;
    m_ultimoDesenho.start();
    const QString texto = montarLinha(m_progresso, m_status, m_inicio.elapsed(), colunasDoTerminal());
    std::fflush(stdout);
    std::fputs(("\r\033[K" + texto).toUtf8().constData(), stderr);
    std::fflush(stderr);
    m_desenhada = true;
}
