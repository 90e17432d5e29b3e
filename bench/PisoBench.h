#pragma once
// The floors no implementation can beat on this machine: for the generation, reading the rows it reads
// and inserting as many rows as it wrote, in one transaction, in blocks as the generation sends them
// (blocks beat single prepared inserts embedded and through a server); for the export, reading every
// work-table row of the competence and writing as many bytes as it wrote.
#include "Medicao.h"

#include "econtas/TabelasTrabalho.h"

#include <QString>
#include <QStringList>

#include <array>

// Rows of the seven work tables (010, 020, 030, 040, 041, 042, 043) of one competence.
struct LinhasTrabalho {
    std::array<qint64, 7> porTabela{};
    qint64 total() const;
};

LinhasTrabalho ContarLinhasTrabalho(const QString &competencia);

// The rows read: the base selection of the month and its sheet sets (complementary, 13th salary).
Medida PisoGeracao(const QString &mes, const QString &ano, const LinhasTrabalho &linhas);
Medida PisoExportacao(const QString &competencia, qint64 bytes, const QString &pasta);
