#include "windows/uUnidadesOrcamentariasECONTAS.h"

#include "econtas/EstadoEcontas.h"

void TfrmUnidadesOrcamentariasECONTAS::btnEcontas_020Click(QWidget *parent, TEstadoEcontas &estado)
{
    if (ValidarMesParaVisualizacao(estado))
        PreviewEcontas20(parent, estado);
}

TfrmUnidadesOrcamentariasECONTAS *TfrmUnidadesOrcamentariasECONTAS::PreviewEcontas20(QWidget *parent,
                                                                                     TEstadoEcontas &estado)
{
    return abrirUnica<TfrmUnidadesOrcamentariasECONTAS>(
        parent,
        [&] {
            auto *janela =
                new TfrmUnidadesOrcamentariasECONTAS(parent, estado.cdsUnidadesGestorasOrcamentarias);
            janela->SetSQLPadrao(estado.SQLPadrao);
            return janela;
        },
        [](TfrmUnidadesOrcamentariasECONTAS *janela) { janela->PreencherList(); });
}

TfrmUnidadesOrcamentariasECONTAS *TfrmUnidadesOrcamentariasECONTAS::Instancia()
{
    return qobject_cast<TfrmUnidadesOrcamentariasECONTAS *>(abertaDoTipo(staticMetaObject));
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
