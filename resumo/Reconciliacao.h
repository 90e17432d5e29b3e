#pragma once
// The reconciliation of a generated competence with the payroll: for each staff member, the sheet's
// own totals (TOTPROV and TOTDESC of every sheet the generation used: the month's sheet, the chosen
// complementary sheets and the 13th-salary sheets) beside what his payments (041) carry (base pay +
// functional bonuses + other pay; discounts), and the reasons the program knows for a difference.
#include "db/Dinheiro.h"

#include <QList>
#include <QString>
#include <QStringList>

struct TEstadoEcontas;

struct DiferencaServidor {
    QString matricula;
    QString nome;
    Dinheiro proventosFolha;
    Dinheiro proventosEnvio;
    Dinheiro descontosFolha;
    Dinheiro descontosEnvio;
    QStringList motivos;             // what the program knows about the difference, in words
    Dinheiro proventosSemExplicacao; // what no reason accounts for
    Dinheiro descontosSemExplicacao;

    Dinheiro diferencaProventos() const;
    Dinheiro diferencaDescontos() const;
    bool semExplicacao() const { return !proventosSemExplicacao.eZero() || !descontosSemExplicacao.eZero(); }
};

struct Reconciliacao {
    Dinheiro proventosFolha;
    Dinheiro proventosEnvio;
    Dinheiro descontosFolha;
    Dinheiro descontosEnvio;
    QList<DiferencaServidor> diferencas; // by registration, only staff with a difference
    int servidoresSemExplicacao() const;
};

inline const QString TextoSemExplicacao = QStringLiteral("sem explicação");

// Reads the payroll sheets of the selected competence (the state's month fields) and the work tables
// of that competence: one statement per table or sheet.
Reconciliacao Reconciliar(const TEstadoEcontas &estado);
