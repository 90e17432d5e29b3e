// The verbs of the batch command. Each verb's work lives in its own file (lote/Verbo*.cpp).
#include "lote/Lote.h"

int ExecutarMeses(ContextoLote &contexto);
int ExecutarDesfazer(ContextoLote &contexto);
int VerboExportar(ContextoLote &contexto);
int VerboVerificar(ContextoLote &contexto);
int ExecutarCriticas(ContextoLote &contexto);
int ExecutarComplementares(ContextoLote &contexto);
int ExecutarUnidades(ContextoLote &contexto);
int VerboProcessar(ContextoLote &contexto);
int ExecutarGerar(ContextoLote &contexto);
int VerboResumo(ContextoLote &contexto);

const QList<DefinicaoVerbo> &Verbos()
{
    static const QList<DefinicaoVerbo> verbos = {
        {QStringLiteral("meses"), QStringLiteral("meses"), 0, 0, {}, {}, ExecutarMeses},
        {QStringLiteral("desfazer"),
         QStringLiteral("desfazer MMYYYY --sim"),
         1,
         1,
         {},
         {QStringLiteral("--sim")},
         ExecutarDesfazer},
        {QStringLiteral("exportar"),
         QStringLiteral("exportar MMYYYY PASTA [--versao TEXTO]"),
         2,
         2,
         {QStringLiteral("--versao")},
         {},
         VerboExportar},
        {QStringLiteral("verificar"),
         QStringLiteral("verificar ARQUIVO...|PASTA"),
         1,
         -1,
         {},
         {},
         VerboVerificar},
        {QStringLiteral("criticas"),
         QStringLiteral("criticas MMYYYY [--sim]"),
         1,
         1,
         {},
         {QStringLiteral("--sim")},
         ExecutarCriticas},
        {QStringLiteral("complementares"),
         QStringLiteral("complementares MMYYYY [--enviar AC1,AC2]"),
         1,
         1,
         {QStringLiteral("--enviar")},
         {},
         ExecutarComplementares},
        {QStringLiteral("unidades"),
         QStringLiteral("unidades MMYYYY gestoras|orcamentarias"),
         2,
         2,
         {},
         {},
         ExecutarUnidades},
        {QStringLiteral("gerar"),
         QStringLiteral("gerar MMYYYY [--data-pagamento DD/MM/AAAA] [--sim]"),
         1,
         1,
         {QStringLiteral("--data-pagamento")},
         {QStringLiteral("--sim")},
         ExecutarGerar},
        {QStringLiteral("processar"),
         QStringLiteral("processar MMYYYY PASTA [--data-pagamento DD/MM/AAAA] [--sim] [--versao TEXTO]"),
         2,
         2,
         {QStringLiteral("--data-pagamento"), QStringLiteral("--versao")},
         {QStringLiteral("--sim")},
         VerboProcessar},
        {QStringLiteral("resumo"),
         QStringLiteral("resumo MMYYYY [--csv ARQUIVO] [--pdf ARQUIVO]"),
         1,
         1,
         {QStringLiteral("--csv"), QStringLiteral("--pdf")},
         {},
         VerboResumo},
    };
    return verbos;
}
