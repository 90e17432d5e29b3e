#include "common/Operador.h"

#include <QtGlobal>

namespace {
TOperador *g_operador = nullptr;
}

TOperador &Operador()
{
    Q_ASSERT_X(g_operador, "Operador", "no operator installed");
    return *g_operador;
}

void InstalarOperador(TOperador *operador)
{
    g_operador = operador;
}

void ProcessarEventos()
{
    Operador().processarEventos();
}

void DefinirStatus(const QString &texto)
{
    Operador().progresso().definirStatus(texto);
}

void MostrarStatus(const QString &texto)
{
    DefinirStatus(texto);
    ProcessarEventos();
}

bool OperadorInstalado()
{
    return g_operador != nullptr;
}
