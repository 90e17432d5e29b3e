#pragma once
// The row filters of the consistency checks, as predicates over fetched rows. Comparisons are exact
// and case-sensitive; a NULL value never equals a text and never differs from one (as in SQL), so a
// term on a NULL column holds only where the filter tests IS NULL.
#include "db/RowSet.h"

#include <QString>

namespace FiltrosCriticas {

// NATUREZA = 'P' AND STATUS = '1' AND (TIPOGRAT IS NULL OR TIPOGRAT <> '99')
// AND (NUMGRAT IS NULL OR NUMGRAT = '') over the month's payroll events.
RowSet::Predicado EventoNaoConfigurado(const RowSet &eventos);

// (CDSETOR <> '000') AND (NAOENVTRIB = 'F') over the month's sector table.
RowSet::Predicado SetorEnviadoAoTribunal(const RowSet &setores);

// LEICRIA = '' over the record-030 positions (a NULL LEICRIA is not selected).
RowSet::Predicado CargoSemNumeroLeiCriacao(const RowSet &cargos);

// (CPF = '' OR CPF IS NULL) OR (NOME = '' OR NOME IS NULL) OR (SEXO NOT IN (1, 2)) OR
// (DTNASC IS NULL) OR (DTADMISSAO IS NULL) OR (PISPASEP = '' OR PISPASEP IS NULL) over the record-040 staff.
RowSet::Predicado FuncionarioComDadosIncompletos(const RowSet &funcionarios);

// The criticisms of the current staff row: " - CPF inválido", " - NOME inválido", ... in that order,
// tested on the trimmed text values, the whole text trimmed.
QString CriticasDoFuncionario(const RowSet &funcionarios);

} // namespace FiltrosCriticas
