#pragma once
// Preview of the budget units of the selected month's payroll selection (the source of record 020).
#include "windows/JanelaUnidades.h"

struct TEstadoEcontas;

class TfrmUnidadesOrcamentariasECONTAS : public TJanelaUnidades {
    Q_OBJECT
public:
    // The "Unidades Orçamentarias" button: without a selected month the operator is told and nothing opens.
    static void btnEcontas_020Click(QWidget *parent, TEstadoEcontas &estado);
    // Creates the window with a copy of the month's base selection and shows it without blocking the
    // opener; a window already open keeps its selection and is only brought to the front.
    static TfrmUnidadesOrcamentariasECONTAS *PreviewEcontas20(QWidget *parent, TEstadoEcontas &estado);
    // The open window, or null once it was closed.
    static TfrmUnidadesOrcamentariasECONTAS *Instancia();

    void SetSQLPadrao(const QString &pSQLPadrao) { FSQLPadrao = pSQLPadrao; }
    QString SQLPadrao() const { return FSQLPadrao; }
    void PreencherList();

private:
    TfrmUnidadesOrcamentariasECONTAS(QWidget *parent, RowSet &pUnidades);
    QString FSQLPadrao;
};
