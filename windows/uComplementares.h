#pragma once
// The complementary-payroll window: the complementary sheets of the selected month, ticked when they
// are already chosen for sending, and "Enviar" to store the operator's choice in KVB020.
#include "econtas/ListaComplementares.h"

#include <QList>
#include <QString>
#include <QWidget>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TfrmComplementares : public QWidget {
    Q_OBJECT
public:
    // The window the program creates hidden at start; the opener reuses it while it exists.
    static TfrmComplementares *CriarOculta(QWidget *parent);
    // The "Enviar Complementar" button: reuses the window or creates one, gives it the month code, the
    // payroll year and the entity's CNPJ (trimmed) and shows it without blocking the opener. A window
    // already visible for the same competence is only brought to the front; one visible for another
    // competence lists that competence as a fresh window would (or, for a month without sheets, gives
    // the information box and closes).
    static TfrmComplementares *Abrir(QWidget *parent, const QString &pMes, const QString &pAno,
                                     const QString &pCNPJ);
    // The open window, or null once it was closed.
    static TfrmComplementares *Instancia();

    void SetMes(const QString &pMes) { FMes = pMes; }
    void SetAno(const QString &pAno) { FAno = pAno; }
    void SetCNPJ(const QString &pCNPJ) { FCNPJ = pCNPJ; }
    QString Mes() const { return FMes; }
    QString Ano() const { return FAno; }
    QString CNPJ() const { return FCNPJ; }

    // Builds the grouped list from the month's sheets. False, after an empty information box, when the
    // month has none.
    bool ListarComplementares();
    // Ticks the rows stored in KVB020 under the same key.
    void MarcarComplementaresExistentes();
    // The "Enviar" button: stores the choice, tells the operator and closes; a failure leaves it open.
    // A list made for another competence than the window's is listed again instead of being stored.
    void Enviar();
    QString RetornaCompetenciaFormatada(const QString &pCodigoFolha) const;

    // The list rows as shown: keys from the hidden columns, ticks from the check boxes.
    QList<TLinhaComplementar> Linhas() const;

    QTreeWidget *lvComplementares = nullptr;
    QPushButton *BitBtn1 = nullptr; // "Enviar"
    QPushButton *btnSair = nullptr;
    QTreeWidgetItem *grupo() const { return m_grupo; }
    QTreeWidgetItem *rodape() const { return m_rodape; }

protected:
    void closeEvent(QCloseEvent *evento) override;

private:
    explicit TfrmComplementares(QWidget *parent);
    void exibir();
    QTreeWidgetItem *adicionarTexto(const QString &texto);
    QTreeWidgetItem *adicionarFolha(const TLinhaComplementar &linha);

    QString FMes;
    QString FAno;
    QString FCNPJ;
    QString m_listadaPara; // the competence and entity the list was read for
    QString competenciaAtual() const;
    QTreeWidgetItem *m_grupo = nullptr;
    QTreeWidgetItem *m_rodape = nullptr;
    QList<QTreeWidgetItem *> m_folhas;
};
