#include "common/Operador.h"

#include "common/Despacho.h"

#include <QElapsedTimer>
#include <QtGlobal>

namespace {
TOperador *g_operador = nullptr;

// A row loop lets events run about once per frame: often enough for the window to repaint and take a
// click, rarely enough that a payroll of many thousand rows does not pay a trip through the event loop
// per row.
constexpr qint64 IntervaloNoLacoMs = 16;
} // namespace

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

void ProcessarEventosNoLaco()
{
    static QElapsedTimer desdeAUltima;
    if (desdeAUltima.isValid() && desdeAUltima.elapsed() < IntervaloNoLacoMs)
        return;
    ProcessarEventos();
    desdeAUltima.start();
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

void DeixarStatus(const QString &texto)
{
    DefinirStatus(texto);
    DespacharParaInterface([texto] { DefinirStatus(texto); });
}

void MostrarStatusNoLaco(const QString &texto)
{
    DefinirStatus(texto);
    ProcessarEventosNoLaco();
}

bool OperadorInstalado()
{
    return g_operador != nullptr;
}
