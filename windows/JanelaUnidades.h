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

    // Fills the list from the rows the consultation gives; a failure is shown and leaves the list empty
    // with its initial status text.
    void preencher(const std::function<TListaUnidades(RowSet &)> &consultar);
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    void caberCabecalhos();
    void mostrarLinha(int linha, const QStringList &colunas);

    QLabel *m_painel = nullptr;
    QList<bool> m_centralizadas;
    RowSet &m_unidades; // UNIDADE_ORCAMENTARIA, held open by the main window
};
