#pragma once
// The phases of a month as the window and the batch command run them, measured.
#include "Medicao.h"

#include "econtas/EstadoEcontas.h"

#include <QStringList>

// The critique of the selected competence; bloqueou: its findings block the generation.
Medida MedirCriticas(TEstadoEcontas &estado, bool &bloqueou);

// The generation of the selected competence (the staff-only question answered by the operator).
Medida MedirGeracao(TEstadoEcontas &estado);

// The export of the selected competence into a folder of its own under pasta; bytes: what it wrote.
Medida MedirExportacao(TEstadoEcontas &estado, const QString &pasta, qint64 &bytes);

// Every work-table row of the competence as sorted text lines: two generations that wrote the same
// rows give equal pictures.
QStringList RetratoDaGeracao(const QString &competencia);
