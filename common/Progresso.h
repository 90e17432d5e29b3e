#pragma once
// The progress display as a model: the main window's eight bars, the splash bar and the status texts.
// Windows bind their widgets to it; the batch command and the tests read it.
#include <QObject>
#include <QString>
#include <array>

class TProgresso : public QObject {
    Q_OBJECT
public:
    enum Barra { Principal, R010, R020, R030, R040, R041, R042, R043, Splash, QuantidadeBarras };

    struct Estado {
        int minimo = 0;
        int maximo = 100;
        int posicao = 0;
    };

    const Estado &barra(Barra b) const { return m_barras[b]; }
    int posicao(Barra b) const { return m_barras[b].posicao; }
    int maximo(Barra b) const { return m_barras[b].maximo; }

    // Like a progress bar control: the position always stays inside the range.
    void definirFaixa(Barra b, int minimo, int maximo);
    void definirMaximo(Barra b, int maximo) { definirFaixa(b, m_barras[b].minimo, maximo); }
    void definirPosicao(Barra b, int posicao);
    void avancar(Barra b, int passo = 1) { definirPosicao(b, m_barras[b].posicao + passo); }
    // Advances a record bar and the overall bar together, as every walk does after a row.
    void avancarRegistro(Barra b);

    QString status() const { return m_status; }
    void definirStatus(const QString &texto);
    QString statusSplash() const { return m_statusSplash; }
    void definirStatusSplash(const QString &texto);

    // The reset after a generation, an export or an undo: all eight bars at 0, status panel empty.
    void limparGeracao();

signals:
    void barraMudou(int barra);
    void statusMudou(const QString &texto);
    void statusSplashMudou(const QString &texto);

private:
    std::array<Estado, QuantidadeBarras> m_barras{};
    QString m_status;
    QString m_statusSplash;
};

// Record bar of a record type given as its number (10, 20, 30, 40, 41, 42, 43).
TProgresso::Barra barraDoRegistro(int registro);
