#pragma once
// The core of the main window: start-up of the state, the month list and the undo of a generation. The
// windows and the batch command drive the same functions; the click on a month, which builds the base
// selection, is in generation/SelecaoCompetencia.h.
#include "econtas/EstadoEcontas.h"

#include <QDate>
#include <QList>
#include <QString>

// One row of the month list: the caption, then geral, the formatted CNPJ, the three dates as
// "dd/mm/yyyy" (empty when not set) and the competence MMYYYY (carried in the row, not shown).
struct LinhaMes {
    QString legenda;
    QString geral;
    QString cnpj;
    QString dtCriticas;
    QString dtGeracao;
    QString dtExportacao;
    QString mesAno;
};

// Which action buttons a month's control row allows.
struct BotoesMes {
    bool geracao = false;    // a critique date is set
    bool exportacao = false; // a generation date is set (export and undo)
    bool operator==(const BotoesMes &) const = default;
};

// Opens the client register, creates the missing control rows of the year, opens the budget units and
// presets the payment date, the municipality code and the file-format version.
void ConfiguracoesIniciaris(TEstadoEcontas &estado);

// The month list of the payroll year; empty when the control table could not be read (already reported).
QList<LinhaMes> LinhasDosMeses(const QString &ano);

// The last day of the competence's month (MMYYYY).
QDate UltimoDiaDaCompetencia(const QString &competencia);

// The buttons the competence's control row allows, read from the table as it is now.
BotoesMes BotoesDoMes(const QString &competencia);

// The undo of a generation. Returns true when it was carried out (false: no month or the operator said No).
bool ExcluirExportacao(TEstadoEcontas &estado);
void AlimentaProgressExclusao();
