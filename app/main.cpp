// TvEcontas <banco> <ano> <usuario>
#include "app/Inicio.h"
#include "app/OperadorJanelas.h"
#include "common/Idioma.h"
#include "db/EncerramentoPorSinal.h"
#include "db/FusoHorario.h"
#include "resumo/pdf/PdfResumo.h"
#include "windows/uEcontasCriticas.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    EncerrarAoReceberSinal();
    FixarFusoHorarioDoProcesso();
    QApplication app(argc, argv);
    InstalarPortugues(app);
    InstalarPdfResumo();
    OperadorJanelas operador;
    operador.definirExibicaoCriticas([](const ListasCriticas &listas) {
        TfrmEcontasCriticas visualizador(listas, QApplication::activeWindow());
        visualizador.exec();
    });
    InstalarOperador(&operador);
    int saida = 0;
    {
        ProgramaJanelas programa;
        saida = IniciarJanelas(app.arguments(), programa);
        if (saida == 0)
            saida = app.exec();
    }
    InstalarOperador(nullptr);
    return saida;
}
