#include "app/Inicio.h"

#include "app/uPrincipal.h"
#include "app/uSplash.h"
#include "db/Conexao.h"
#include "windows/uComplementares.h"

ProgramaJanelas::ProgramaJanelas() = default;
ProgramaJanelas::~ProgramaJanelas() = default;

int IniciarJanelas(const QStringList &argumentos, ProgramaJanelas &programa)
{
    {
        TfrmSplash splash(argumentos.value(1));
        if (!splash.conectado())
            return 1;
        splash.exec();
        programa.conexao = splash.tomarConexao();
    }
    programa.principal = std::make_unique<TfrmPrincipal>(argumentos.value(2), argumentos.value(3));
    TfrmComplementares::CriarOculta(programa.principal.get());
    programa.principal->show();
    return 0;
}
