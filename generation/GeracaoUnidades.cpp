#include "generation/GeracaoUnidades.h"

#include "common/Operador.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ContextoGeracao.h"
#include "generation/GeracaoPessoal.h"
#include "generation/PassosGeracao.h"
#include "generation/RegrasUnidades.h"

namespace {

TEContas10 MontarRegistro10(TEstadoEcontas &estado)
{
    const RowSet &gestora = estado.Econtas010;
    const QString codigo = gestora.texto(QStringLiteral("codundgestor"));
    TEContas10 r;
    r.Setcompetencia(estado.competencia);
    r.Setcnpj(gestora.texto(QStringLiteral("cnpj")));
    r.Setug(CodigoUnidade(codigo));
    r.Setdescricao(NomeDaUnidade(estado, codigo));
    r.Settipo(TipoDoOrgao(gestora.texto(QStringLiteral("tipoorgao"))));
    r.Setcodtcm(codigo);
    return r;
}

TEContas20 MontarRegistro20(TEstadoEcontas &estado)
{
    const RowSet &gestora = estado.Econtas010;
    const QString codigo = estado.EContas020.texto(QStringLiteral("codundorca"));
    TEContas20 r;
    r.Setcompetencia(estado.competencia);
    r.Setcnpj(gestora.texto(QStringLiteral("cnpj")));
    r.Setug(CodigoUnidade(gestora.texto(QStringLiteral("codundgestor"))));
    r.Setuo(CodigoUnidade(codigo));
    r.Setdescricao(NomeDaUnidade(estado, codigo));
    r.Settipo(TipoDoOrgao(gestora.texto(QStringLiteral("tipoorgao"))));
    r.Setcodtcm(codigo);
    return r;
}

} // namespace

void GerarArquivoEcontas_10(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    RowSet &gestoras = estado.Econtas010;
    for (gestoras.first(); !gestoras.eof(); gestoras.next()) {
        MostrarStatus(QStringLiteral("Geração do Econtas - arquivo 010"));
        const TEContas10 r = MontarRegistro10(estado);
        if (contexto.escritos.tem010(r.competencia(), r.cnpj(), r.ug())) {
            estado.relatorioGeracao << QStringLiteral(
                                           "Arquivo 10 com duplicidade de informações na unidade gestora ") +
                                           r.ug();
        } else {
            contexto.controlador.InserirEcontas_010(r);
            contexto.escritos.registrar010(r.competencia(), r.cnpj(), r.ug());
        }
        AvancarRegistro(TProgresso::R010);
        GerarArquivoEcontas_20(estado, contexto);
    }
}

void GerarArquivoEcontas_20(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    RowSet &orcamentarias = estado.EContas020;
    const QString gestora = estado.Econtas010.texto(QStringLiteral("codundgestor"));
    orcamentarias.first();
    if (!orcamentarias.locate({QStringLiteral("codundgestor")}, {gestora}))
        return; // the first row is not of this managing unit: nothing to walk
    for (; !orcamentarias.eof() && orcamentarias.texto(QStringLiteral("codundgestor")) == gestora;
         orcamentarias.next()) {
        MostrarStatus(QStringLiteral("Geração do Econtas - arquivo 020"));
        const TEContas20 r = MontarRegistro20(estado);
        const bool gestoraGravada = contexto.escritos.tem010(r.competencia(), r.cnpj(), r.ug());
        if (gestoraGravada && !contexto.escritos.tem020(r.competencia(), r.cnpj(), r.ug(), r.uo())) {
            contexto.controlador.InserirEcontas_020(r);
            contexto.escritos.registrar020(r.competencia(), r.cnpj(), r.ug(), r.uo());
        }
        AvancarRegistro(TProgresso::R020);
        if (gestoraGravada) {
            GerarArquivoEcontas_30(estado, contexto);
            GerarArquivoEcontas_40(estado, contexto);
        }
    }
}
