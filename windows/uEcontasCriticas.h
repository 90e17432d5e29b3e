#pragma once
// The findings viewer: the critique's findings grouped by kind, each group with its header, subtitle,
// picture and item count. The findings can be saved to a text file for whoever fixes the data.
#include "common/ListasCriticas.h"

#include <QDialog>
#include <QIcon>
#include <QList>

#include <functional>

class QAction;
class QTreeWidget;

class TfrmEcontasCriticas : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEcontasCriticas(const ListasCriticas &listas, QWidget *parent = nullptr);

    // Fills the list from the findings: one group per non-empty list, in group order.
    void ExibirListViewDasCriticas();

    // Writes the findings as the batch command prints them. False (and the operator is told) on failure.
    bool SalvarCriticas(const QString &caminho);

    QTreeWidget *lvcRITICAS = nullptr;
    QAction *acaoSalvar = nullptr;

protected:
    void showEvent(QShowEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void salvarComEscolha();

    const ListasCriticas m_listas;
    QList<QIcon> imglCriticas;
};

// The thirteen group pictures, one per group index.
QList<QIcon> ImagensDosGrupos();

// Shows the viewer modally over the active window; returns when the operator closes it.
void ExibirCriticasEmJanela(const ListasCriticas &listas);
