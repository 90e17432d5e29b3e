#include "windows/uUndidadeGestoraECONTAS.h"

#include "econtas/EstadoEcontas.h"

void TfrmUndidadeGestoraECONTAS::btnEcontas_010Click(QWidget *parent, TEstadoEcontas &estado)
{
    if (ValidarMesParaVisualizacao(estado))
        PreviewEcontas10(parent, estado);
}

TfrmUndidadeGestoraECONTAS *TfrmUndidadeGestoraECONTAS::PreviewEcontas10(QWidget *parent,
                                                                         TEstadoEcontas &estado)
{
    return abrirUnica<TfrmUndidadeGestoraECONTAS>(
        parent,
        [&] {
            auto *janela = new TfrmUndidadeGestoraECONTAS(parent, estado.cdsUnidadesGestorasOrcamentarias);
            janela->SetCompetencia(estado.mes_cadastro);
            return janela;
        },
        [](TfrmUndidadeGestoraECONTAS *janela) { janela->PreencharList(); });
}

TfrmUndidadeGestoraECONTAS *TfrmUndidadeGestoraECONTAS::Instancia()
{
    return qobject_cast<TfrmUndidadeGestoraECONTAS *>(abertaDoTipo(staticMetaObject));
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
