#pragma once
// The summary as a spreadsheet file that Brazilian spreadsheets open directly: UTF-8 with BOM, ";"
// between fields, decimal comma, no thousands separator, CR LF line ends, one line per managing unit
// (UO empty) and per budget unit, then the competence's total.
#include <QByteArray>
#include <QString>

struct ResumoCompetencia;

inline const QString CabecalhoCsvResumo = QStringLiteral(
    "UG;UO;Descrição;Registros 010;Registros 020;Registros 030;Registros 040;Registros 041;Registros 042;"
    "Registros 043;Servidores;Pagamentos;Remuneração base;Gratificações;Outras remunerações;Descontos;"
    "Contribuição previdenciária;IRRF;Diárias;Valor das diárias");

QByteArray ConteudoCsvResumo(const ResumoCompetencia &resumo);
