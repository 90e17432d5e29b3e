#include "windows/uUnidadesOrcamentariasECONTAS.h"

#include "econtas/EstadoEcontas.h"
#include "windows/Centralizar.h"

#include <QCloseEvent>
#include <QPointer>

namespace {
QPointer<TfrmUnidadesOrcamentariasECONTAS> frmUnidadesOrcamentariasECONTAS;
}

void TfrmUnidadesOrcamentariasECONTAS::btnEcontas_020Click(QWidget *parent, TEstadoEcontas &estado)
{
    if (ValidarMesParaVisualizacao(estado))
        PreviewEcontas20(parent, estado);
}

TfrmUnidadesOrcamentariasECONTAS *TfrmUnidadesOrcamentariasECONTAS::PreviewEcontas20(QWidget *parent,
                                                                                     TEstadoEcontas &estado)
{
    if (frmUnidadesOrcamentariasECONTAS) {
        frmUnidadesOrcamentariasECONTAS->raise();
        frmUnidadesOrcamentariasECONTAS->activateWindow();
        return frmUnidadesOrcamentariasECONTAS;
    }
    auto *janela = new TfrmUnidadesOrcamentariasECONTAS(parent, estado.cdsUnidadesGestorasOrcamentarias);
    frmUnidadesOrcamentariasECONTAS = janela;
    janela->SetSQLPadrao(estado.SQLPadrao);
    CentralizarNaJanela(janela, parent);
    janela->show();
    janela->PreencherList();
    return janela;
}

TfrmUnidadesOrcamentariasECONTAS *TfrmUnidadesOrcamentariasECONTAS::Instancia()
{
    return frmUnidadesOrcamentariasECONTAS;
}

TfrmUnidadesOrcamentariasECONTAS::TfrmUnidadesOrcamentariasECONTAS(QWidget *parent, RowSet &pUnidades)
    : TJanelaUnidades(
          parent, QStringLiteral("Listagem de Unidades Orçamentárias para o Econtas"),
          {{QStringLiteral("    Unidade Gestora"), 130, false},
           {QStringLiteral("Unidade Orçamentária"), 130, true},
           {QStringLiteral("                                                                  Descrição"),
            508, false}},
          TotalUnidadesOrcamentarias, pUnidades)
{
}

void TfrmUnidadesOrcamentariasECONTAS::PreencherList()
{
    preencher([this](RowSet &unidades) { return ListarUnidadesOrcamentarias(FSQLPadrao, unidades); });
}

void TfrmUnidadesOrcamentariasECONTAS::closeEvent(QCloseEvent *evento)
{
    if (frmUnidadesOrcamentariasECONTAS == this)
        frmUnidadesOrcamentariasECONTAS = nullptr;
    evento->accept();
}
