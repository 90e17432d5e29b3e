// TvEcontas <banco> <ano> <usuario>
#include "app/OperadorJanelas.h"
#include "db/Conexao.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    OperadorJanelas operador;
    InstalarOperador(&operador);
    const QStringList args = app.arguments();
    TConexao conexao(args.value(1));
    const int saida = conexao.getConexao().isValid() ? 0 : 1;
    InstalarOperador(nullptr);
    return saida;
}
