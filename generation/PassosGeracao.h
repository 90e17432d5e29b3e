#pragma once
// What the generation walks tell the operator at each step: a record on its bar, a new file on the
// status line; both let the window repaint between records.
#include "common/Operador.h"
#include "common/Progresso.h"

inline void AvancarRegistro(TProgresso::Barra barra)
{
    Operador().progresso().avancarRegistro(barra);
    ProcessarEventos();
}

inline void MostrarStatus(const QString &texto)
{
    DefinirStatus(texto);
    ProcessarEventos();
}
