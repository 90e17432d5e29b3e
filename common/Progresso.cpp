#include "common/Progresso.h"

#include <algorithm>

void TProgresso::definirFaixa(Barra b, int minimo, int maximo)
{
    Estado &e = m_barras[b];
    e.minimo = minimo;
    e.maximo = std::max(minimo, maximo);
    e.posicao = std::clamp(e.posicao, e.minimo, e.maximo);
    emit barraMudou(b);
}

void TProgresso::definirPosicao(Barra b, int posicao)
{
    Estado &e = m_barras[b];
    e.posicao = std::clamp(posicao, e.minimo, e.maximo);
    emit barraMudou(b);
}

void TProgresso::avancarRegistro(Barra b)
{
    avancar(b);
    avancar(Principal);
}

void TProgresso::definirStatus(const QString &texto)
{
    m_status = texto;
    emit statusMudou(texto);
}

void TProgresso::definirStatusSplash(const QString &texto)
{
    m_statusSplash = texto;
    emit statusSplashMudou(texto);
}

void TProgresso::limparGeracao()
{
    for (Barra b : {Principal, R010, R020, R030, R040, R041, R042, R043})
        definirPosicao(b, 0);
    definirStatus(QString());
}

TProgresso::Barra barraDoRegistro(int registro)
{
    switch (registro) {
    case 10:
        return TProgresso::R010;
    case 20:
        return TProgresso::R020;
    case 30:
        return TProgresso::R030;
    case 40:
        return TProgresso::R040;
    case 41:
        return TProgresso::R041;
    case 42:
        return TProgresso::R042;
    case 43:
        return TProgresso::R043;
    default:
        return TProgresso::Principal;
    }
}
