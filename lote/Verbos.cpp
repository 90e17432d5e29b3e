// The verbs of the batch command. Each verb's work lives in its own file (lote/Verbo*.cpp).
#include "lote/Lote.h"

const QList<DefinicaoVerbo> &Verbos()
{
    static const QList<DefinicaoVerbo> verbos = {
    };
    return verbos;
}
