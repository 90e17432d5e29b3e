#include "windows/uUndidadeGestoraECONTAS.h"

#include "econtas/EstadoEcontas.h"
#include "windows/Centralizar.h"

#include <QCloseEvent>
#include <QPointer>

namespace {
QPointer<TfrmUndidadeGestoraECONTAS> frmUndidadeGestoraECONTAS;
}

void TfrmUndidadeGestoraECONTAS::btnEcontas_010Click(QWidget *parent, TEstadoEcontas &estado)
{
    if (ValidarMesParaVisualizacao(estado))
        PreviewEcontas10(parent, estado);
}

TfrmUndidadeGestoraECONTAS *TfrmUndidadeGestoraECONTAS::PreviewEcontas10(QWidget *parent,
                                                                         TEstadoEcontas &estado)
{
    if (frmUndidadeGestoraECONTAS) {
        frmUndidadeGestoraECONTAS->raise();
        frmUndidadeGestoraECONTAS->activateWindow();
        return frmUndidadeGestoraECONTAS;
    }
    auto *janela = new TfrmUndidadeGestoraECONTAS(parent, estado.cdsUnidadesGestorasOrcamentarias);
    frmUndidadeGestoraECONTAS = janela;
    janela->SetCompetencia(estado.mes_cadastro);
    CentralizarNaJanela(janela, parent);
    janela->show();
    janela->PreencharList();
    return janela;
}

TfrmUndidadeGestoraECONTAS *TfrmUndidadeGestoraECONTAS::Instancia()
{
    return frmUndidadeGestoraECONTAS;
}

TfrmUndidadeGestoraECONTAS::TfrmUndidadeGestoraECONTAS(QWidget *parent, RowSet &pUnidades)
    : TJanelaUnidades(
          parent, QStringLiteral("Unidades Gestoras E-Contas"),
          {{QStringLiteral("            C.N.P.J"), 140, false},
           {QStringLiteral("Unidade Gestora"), 185, true},
           {QStringLiteral("                                                       Descrição"), 445, false}},
          TotalUnidadesGestoras, pUnidades)
{
}

void TfrmUndidadeGestoraECONTAS::PreencharList()
{
    preencher([this](RowSet &unidades) { return ListarUnidadesGestoras(FCompetencia, unidades); });
}

void TfrmUndidadeGestoraECONTAS::closeEvent(QCloseEvent *evento)
{
    if (frmUndidadeGestoraECONTAS == this)
        frmUndidadeGestoraECONTAS = nullptr;
    evento->accept();
}
