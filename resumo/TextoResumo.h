#pragma once
// The summary and the reconciliation's differences as lines of text (the batch command prints them;
// the report on paper lays out the same figures).
#include "db/Dinheiro.h"

#include <QString>
#include <QStringList>

struct ResumoCompetencia;
struct TotaisResumo;
struct Reconciliacao;
struct DiferencaServidor;

// "mensal 120, 13º adiantamento 4, 13º final 3" (only the types present)
QString TextoPagamentosPorTipo(const TotaisResumo &t);
// "010: 1  020: 2  …  043: 310"
QString TextoRegistros(const TotaisResumo &t);
// The two lines of a unit's money: payments, then per-diems.
QStringList TextoValores(const TotaisResumo &t);

QStringList LinhasResumo(const ResumoCompetencia &resumo);
QStringList LinhasReconciliacao(const Reconciliacao &rec);
// "Conferência com a folha: proventos folha R$ …, envio R$ …; descontos folha R$ …, envio R$ …"
QString TextoTotaisReconciliacao(const Reconciliacao &rec);
// "folha R$ … / envio R$ …" of one staff member's earnings and discounts.
QString TextoValoresDiferenca(const DiferencaServidor &d);
