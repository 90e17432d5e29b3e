#pragma once
// The generation of a competence's e-Contas records and the builds of the base selection that the
// month click, the critique and the generation run.
#include <QString>

struct TEstadoEcontas;

// Month click: rebuilds SQLPadrao for the selected month (statement only, sheet sets untouched).
void ConfiguraEcontas(TEstadoEcontas &estado);
// Generation: rebuilds SQLPadrao, asks the FUNDEB question and replaces the sheet sets.
void ConfiguraEcontas2(TEstadoEcontas &estado);
// Lets go of the six record source sets of an earlier run.
void LiberarFontes(TEstadoEcontas &estado);
// Opens the six record source sets of the selected month from SQLPadrao (the earlier ones go first).
void CarregarDadosEcontas(TEstadoEcontas &estado);
// Opens the positions table for the payment builder.
void CargosEcontas(TEstadoEcontas &estado);
// Sizes the progress bars from the source sets.
void AlimentaProgressGeracao(TEstadoEcontas &estado);
// The whole generation of the selected competence, messages included. True when the competence was
// generated; false when it stopped at a message or a No. Raises Falha or Abortar; the caller runs it
// through ExecutarAcaoLonga.
bool btnGeracaoClick(TEstadoEcontas &estado);

// "Geração concluída: N servidores, M pagamentos.": the staff and payment records of the competence.
QString StatusGeracaoConcluida(const QString &competencia);
