#pragma once
// What the two unit previews share: a read-only three-column list with grid lines above a one-panel
// status bar, Escape closes, and closing destroys the window.
#include "econtas/PreviewUnidades.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QStatusBar;
class QTableWidget;

struct ColunaUnidades {
    QString titulo;
    int largura;
    bool centralizada;
};

class TJanelaUnidades : public QWidget {
    Q_OBJECT
public:
    QTableWidget *lvUnidades = nullptr;
    QStatusBar *stbUnidades = nullptr;
    QString textoStatus() const;

protected:
    TJanelaUnidades(QWidget *parent, const QString &titulo, const QList<ColunaUnidades> &colunas,
                    const QString &statusInicial, RowSet &pUnidades);

    // One preview of each kind open at a time: the open one is brought to the front and keeps what it
    // shows; otherwise `criar` makes one, which is placed over its opener, shown and filled.
    template <typename Janela>
    static Janela *abrirUnica(QWidget *parent, const std::function<Janela *()> &criar,
                              const std::function<void(Janela *)> &preencherJanela)
    {
        if (auto *aberta = qobject_cast<Janela *>(abertaDoTipo(Janela::staticMetaObject))) {
            aberta->raise();
            aberta->activateWindow();
            return aberta;
        }
        Janela *janela = criar();
        registrarAberta(janela);
        mostrarSobre(janela, parent);
        preencherJanela(janela);
        return janela;
    }
    // The open preview of that kind, or null once it was closed.
    static TJanelaUnidades *abertaDoTipo(const QMetaObject &tipo);
    void closeEvent(QCloseEvent *evento) override;

    // Fills the list from the rows the consultation gives; a failure is shown and leaves the list empty
    // with its initial status text.
    void preencher(const std::function<TListaUnidades(RowSet &)> &consultar);
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    static void registrarAberta(TJanelaUnidades *janela);
    static void mostrarSobre(TJanelaUnidades *janela, QWidget *parent);
    void caberCabecalhos();
    void mostrarLinha(int linha, const QStringList &colunas);

    QLabel *m_painel = nullptr;
    QList<bool> m_centralizadas;
    RowSet &m_unidades; // UNIDADE_ORCAMENTARIA, held open by the main window
};
