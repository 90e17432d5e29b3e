#include "generation/GeracaoPessoal.h"

#include "common/Operador.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ContextoGeracao.h"
#include "generation/GeracaoPagamentos.h"
#include "generation/PassosGeracao.h"
#include "generation/RegrasUnidades.h"

namespace {

TEContas30 MontarRegistro30(const UnidadeDoRegistro &u, const RowSet &cargo)
{
    TEContas30 r;
    PreencherUnidade(r, u);
    const QString codtcm = cargo.texto(QStringLiteral("codtcm"));
    r.Setcodigo(codtcm.isEmpty() ? cargo.texto(QStringLiteral("codigo")) : codtcm);
    r.Setdescricao(cargo.texto(QStringLiteral("descricao")));
    r.Settipo(cargo.texto(QStringLiteral("tipocargo")).mid(1, 2));
    r.Settotvagas(cargo.inteiro(QStringLiteral("numvagas")));
    r.Setnumato(cargo.texto(QStringLiteral("leicria")));
    r.Setdtato(cargo.data(QStringLiteral("datcria")));
    return r;
}

// The admission date, except the day 0 of the count that the payroll stores for "none".
DataDias DataDeAdmissao(const RowSet &servidor)
{
    const DataDias admissao = servidor.data(QStringLiteral("dtadmissao"));
    if (servidor.nulo(QStringLiteral("dtadmissao")) || DiasParaData(admissao) == DiaZero())
        return 0;
    return admissao;
}

TEContas40 MontarRegistro40(const UnidadeDoRegistro &u, const RowSet &servidor)
{
    TEContas40 r;
    PreencherUnidade(r, u);
    r.Setmatricula(servidor.texto(QStringLiteral("matricula")));
    r.Setcpf(servidor.texto(QStringLiteral("cpf")));
    r.Setnome(servidor.texto(QStringLiteral("nome")));
    r.Setpispasep(servidor.texto(QStringLiteral("pispasep")));
    r.Setsexo(servidor.inteiro(QStringLiteral("sexo")));
    r.Setdtnasc(servidor.data(QStringLiteral("dtnasc")));
    r.Setdtdemissao(servidor.data(QStringLiteral("dtdemissao")));
    r.Setdtadmissao(DataDeAdmissao(servidor));
    return r;
}

// Staff data the record 040 cannot go without (the critique reports who lacks them).
bool DadosCompletos(const TEContas40 &r)
{
    return !r.cpf().isEmpty() && !r.nome().isEmpty() && r.sexo() != 0 && !r.pispasep().isEmpty();
}

// Payments, items and per-diems of the staff member on which Econtas040 stands, once per run for the
// same source rows.
void PagamentosDoServidor(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    const QString chave = QStringList{estado.Econtas010.texto(QStringLiteral("cnpj")),
                                      estado.Econtas010.texto(QStringLiteral("codundgestor")),
                                      estado.EContas020.texto(QStringLiteral("codundorca")),
                                      estado.Econtas040.texto(QStringLiteral("matricula"))}
                              .join(QChar(0x1f));
    if (contexto.servidoresPercorridos.contains(chave))
        return;
    contexto.servidoresPercorridos.insert(chave);
    GerarArquivoEcontas43(estado, contexto);
    GerarArquivoEcontas42(estado, contexto);
}

} // namespace

void GerarArquivoEcontas_30(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    RowSet &cargos = estado.Econtas030;
    const QString orcamentaria = estado.EContas020.texto(QStringLiteral("codundorca"));
    cargos.first();
    if (!cargos.locate({QStringLiteral("codundorca")}, {orcamentaria}))
        return;
    const UnidadeDoRegistro u = UnidadeAtual(estado);
    for (; !cargos.eof() && cargos.texto(QStringLiteral("codundorca")) == orcamentaria; cargos.next()) {
        MostrarStatusNoLaco(QStringLiteral("Geração do Econtas - arquivo 030"));
        const TEContas30 r = MontarRegistro30(u, cargos);
        if (contexto.escritos.tem020(u.competencia, u.cnpj, u.ug, u.uo) &&
            !contexto.escritos.tem030(u.competencia, u.cnpj, u.ug, u.uo, r.codigo())) {
            contexto.controlador.InserirEcontas_030(r);
            contexto.escritos.registrar030(u.competencia, u.cnpj, u.ug, u.uo, r.codigo());
        }
        AvancarRegistro(TProgresso::R030);
    }
}

void GerarArquivoEcontas_40(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    RowSet &servidores = estado.Econtas040;
    const QString gestora = estado.Econtas010.texto(QStringLiteral("codundgestor"));
    const QString orcamentaria = estado.EContas020.texto(QStringLiteral("codundorca"));
    servidores.first();
    if (!servidores.locate({QStringLiteral("codundgestor"), QStringLiteral("codundorca")},
                           {gestora, orcamentaria}))
        return;
    const UnidadeDoRegistro u = UnidadeAtual(estado);
    const bool orcamentariaGravada = contexto.escritos.tem020(u.competencia, u.cnpj, u.ug, u.uo);
    for (; !servidores.eof() && servidores.texto(QStringLiteral("codundgestor")) == gestora &&
           servidores.texto(QStringLiteral("codundorca")) == orcamentaria;
         servidores.next()) {
        MostrarStatusNoLaco(QStringLiteral("Geração do Econtas - arquivo 040"));
        const TEContas40 r = MontarRegistro40(u, servidores);
        if (orcamentariaGravada && DadosCompletos(r) &&
            !contexto.escritos.tem040(u.competencia, u.cnpj, u.ug, u.uo, r.matricula())) {
            contexto.controlador.InserirEcontas_040(r);
            contexto.escritos.registrar040(r);
        }
        AvancarRegistro(TProgresso::R040);
        if (orcamentariaGravada)
            PagamentosDoServidor(estado, contexto);
    }
}
