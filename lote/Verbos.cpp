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
        {QStringLiteral("meses"),
         QStringLiteral("meses [--json]"),
         0,
         0,
         {},
         {QStringLiteral("--json")},
         ExecutarMeses},
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
         QStringLiteral("verificar ARQUIVO...|PASTA [--json]"),
         1,
         -1,
         {},
         {QStringLiteral("--json")},
         VerboVerificar},
        {QStringLiteral("criticas"),
         QStringLiteral("criticas MMYYYY [--sim] [--json]"),
         1,
         1,
         {},
         {QStringLiteral("--sim"), QStringLiteral("--json")},
         ExecutarCriticas},
        {QStringLiteral("complementares"),
         QStringLiteral("complementares MMYYYY [--enviar AC1,AC2] [--json]"),
         1,
         1,
         {QStringLiteral("--enviar")},
         {QStringLiteral("--json")},
         ExecutarComplementares},
        {QStringLiteral("unidades"),
         QStringLiteral("unidades MMYYYY gestoras|orcamentarias [--json]"),
         2,
         2,
         {},
         {QStringLiteral("--json")},
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
         QStringLiteral("resumo MMYYYY [--csv ARQUIVO] [--pdf ARQUIVO] [--json]"),
         1,
         1,
         {QStringLiteral("--csv"), QStringLiteral("--pdf")},
         {QStringLiteral("--json")},
         VerboResumo},
    };
    return verbos;
}
