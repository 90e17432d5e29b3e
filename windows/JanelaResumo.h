#pragma once
// The summary of a generated competence on screen: the table per unit and the differences against the
// payroll, as the report on paper lays them out, with "Salvar PDF" and "Salvar CSV".
#include "resumo/DocumentoResumo.h"

#include <QDialog>

#include <functional>

struct TEstadoEcontas;

class QPushButton;
class QTextBrowser;

class TfrmResumo : public QDialog {
    Q_OBJECT
public:
    TfrmResumo(QWidget *parent, DocumentoResumo documento);

    // Opens the window (modal over its parent, destroyed on close) for the selected competence; a
    // failure to read it is shown and gives nullptr.
    static TfrmResumo *Abrir(QWidget *parent, const TEstadoEcontas &estado);

    QTextBrowser *txtResumo = nullptr;
    QPushButton *btnSalvarPdf = nullptr;
    QPushButton *btnSalvarCsv = nullptr;

private:
    void salvar(const QString &extensao, const QString &filtro, const std::function<QByteArray()> &conteudo);

    DocumentoResumo m_documento;
};
