#pragma once
// Preview of the managing units of the selected month (the source of record 010).
#include "windows/JanelaUnidades.h"

struct TEstadoEcontas;

class TfrmUndidadeGestoraECONTAS : public TJanelaUnidades {
    Q_OBJECT
public:
    // The "Unidades Gestoras" button: without a selected month the operator is told and nothing opens.
    static void btnEcontas_010Click(QWidget *parent, TEstadoEcontas &estado);
    // Creates the window for the selected month and shows it without blocking the opener; a window
    // already open keeps its month and is only brought to the front.
    static TfrmUndidadeGestoraECONTAS *PreviewEcontas10(QWidget *parent, TEstadoEcontas &estado);
    // The open window, or null once it was closed.
    static TfrmUndidadeGestoraECONTAS *Instancia();

    void SetCompetencia(const QString &pCompetencia) { FCompetencia = pCompetencia; }
    QString Competencia() const { return FCompetencia; }
    void PreencharList();

private:
    TfrmUndidadeGestoraECONTAS(QWidget *parent, RowSet &pUnidades);
    QString FCompetencia;
};
