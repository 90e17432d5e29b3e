#pragma once
// The batch command's exit statuses.
enum class StatusSaida {
    Concluido = 0,
    Falhou = 1,
    ErroDeUso = 2,
    InterrompidoPeloFluxo = 3, // blocking findings, an open sheet, no critique date, a No
    CompetenciaOcupada = 4,    // another workstation is working on the competence
};
