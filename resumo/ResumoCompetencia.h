#pragma once
// The summary of a generated competence: per managing unit and, inside it, per budget unit, the
// records of each type, the staff, the payments and the money they carry, read from the work tables.
#include "db/Dinheiro.h"

#include <QList>
#include <QMap>
#include <QString>

#include <array>

struct TotaisResumo {
    // Records per type, in the order 010, 020, 030, 040, 041, 042, 043 (043: the lines the export
    // writes, the items whose TIPOGRAT is 0 or 1).
    std::array<qint64, 7> registros{};
    QMap<int, qint64> pagamentosPorTipo; // TIPOPAGTO -> 041 rows
    Dinheiro remuneracaoBase;
    Dinheiro gratificacoes;
    Dinheiro outrasRemuneracoes;
    Dinheiro descontos;
    Dinheiro contribuicaoPrevidenciaria;
    Dinheiro irrf;
    qint64 diarias = 0;
    Dinheiro valorDiarias;

    qint64 servidores() const { return registros[3]; }
    qint64 pagamentos() const { return registros[4]; }
    void somar(const TotaisResumo &outro);
    bool operator==(const TotaisResumo &) const = default;
};

// One line of the summary: a managing unit (uo empty) followed by its budget units.
struct LinhaResumo {
    QString cnpj;
    QString ug;
    QString uo;
    QString descricao;
    TotaisResumo totais;
    bool eUnidadeGestora() const { return uo.isEmpty(); }
};

struct ResumoCompetencia {
    QString competencia;
    QList<LinhaResumo> linhas; // each managing unit, then its budget units, by code
    TotaisResumo geral;
};

inline const std::array<const char *, 7> TiposDeRegistro = {"010", "020", "030", "040", "041", "042", "043"};

// One grouped statement per work table for the competence.
ResumoCompetencia CalcularResumo(const QString &competencia);
