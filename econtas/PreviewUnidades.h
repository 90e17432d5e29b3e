#pragma once
// The managing and budget units of a competence as the two preview windows list them (and the batch
// command prints them): three columns per unit, the description found in UNIDADE_ORCAMENTARIA.
#include "db/RowSet.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TEstadoEcontas;

// The rows of one preview and its status text. A row whose unit has no description in
// UNIDADE_ORCAMENTARIA has two columns only.
struct TListaUnidades {
    QList<QStringList> linhas;
    QString status;
};

inline const QString TotalUnidadesGestoras = QStringLiteral("Total de Unidades Gestoras: ");
inline const QString TotalUnidadesOrcamentarias = QStringLiteral("Total de Unidades Orçamentárias: ");
inline const QString MensagemSemMesParaVisualizacao =
    QStringLiteral("Não foi selecionado nenhum mês para visualização ...");

// Columns: CNPJ formatted, managing-unit code, description of the managing unit.
TListaUnidades ListarUnidadesGestoras(const QString &pMes, RowSet &pUnidades);
// Columns: managing-unit code, budget-unit code, description of the budget unit.
TListaUnidades ListarUnidadesOrcamentarias(const QString &pSqlPadrao, RowSet &pUnidades);

// The preview buttons' test: false, after telling the operator, when no month is selected.
bool ValidarMesParaVisualizacao(const TEstadoEcontas &estado);
