#include "generation/GeracaoPagamentos.h"

#include "common/Operador.h"
#include "common/Progresso.h"
#include "common/uUtil.h"
#include "db/Datas.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ComandosItens.h"
#include "generation/ComandosPagamento.h"
#include "generation/ContextoGeracao.h"
#include "generation/PassosGeracao.h"
#include "generation/RegrasUnidades.h"

namespace {

QString Licenca(const TEstadoEcontas &estado, TContextoGeracao &contexto, const QString &mes,
                const QString &matricula)
{
    return contexto.consultas->licencaGestante(RetornaNumeroMesCompetencia(mes), estado.ano_folha, matricula);
}

// Maternity leave (code 14) in the month makes the staff member's items come from TB_GESTANTE.
void MarcarGestante(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    const QString mes = estado.Econtas043.texto(QStringLiteral("mes"));
    TMaternidade &maternidade = contexto.maternidade;
    maternidade.gestante = false;
    if (Licenca(estado, contexto, mes, estado.Econtas043.texto(QStringLiteral("matricula"))) ==
        QLatin1String("14")) {
        maternidade.gestante = true;
        maternidade.codgestante = TComandosSql::RetornaCodEventoSalmaternidade(mes);
    }
}

// Every row of the 13th-salary sheet set that belongs to the staff member becomes items of the payment
// type; then the payment is totalled once.
void PagamentoDoDecimoTerceiro(TEstadoEcontas &estado, TContextoGeracao &contexto, const RowSet &folha,
                               int tipo, const QString &matricula)
{
    if (!folha.aberto())
        return;
    const QList<int> linhas = contexto.cacheItens.linhasDaMatricula(folha, matricula);
    if (linhas.isEmpty())
        return;
    for (int linha : linhas)
        TComandosSql::InsereItensFolha(estado, contexto, tipo, {folha, linha});
    TComandosSql::InsereArquivo041(estado, contexto, tipo);
}

TEContas42 PerDiem(const TEstadoEcontas &estado)
{
    const RowSet &diaria = estado.Econtas042;
    TEContas42 r;
    PreencherUnidade(r, UnidadeAtual(estado));
    r.Setmatricula(diaria.texto(QStringLiteral("matricula")));
    r.Setnumato(diaria.texto(QStringLiteral("numato")));
    r.Setmotivo(diaria.texto(QStringLiteral("motivo")));
    r.Setdestino(diaria.texto(QStringLiteral("destino")));
    r.Setdtpagto(diaria.data(QStringLiteral("datempenho")));
    r.Setdtato(diaria.data(QStringLiteral("dtato")));
    r.Setinicio(diaria.data(QStringLiteral("dtinicio")));
    r.Setfim(diaria.data(QStringLiteral("dtfim")));
    r.Setvalor(diaria.dinheiro(QStringLiteral("valor")));
    return r;
}

} // namespace

void GerarArquivoEcontas43(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    RowSet &itens = estado.Econtas043;
    const QStringList chave = {QStringLiteral("CODUNDGESTOR"), QStringLiteral("CODUNDORCA"),
                               QStringLiteral("MATRICULA")};
    const QStringList valores = {estado.Econtas010.texto(QStringLiteral("codundgestor")),
                                 estado.EContas020.texto(QStringLiteral("codundorca")),
                                 estado.Econtas040.texto(QStringLiteral("matricula"))};
    itens.first();
    itens.locate(chave, valores);
    while (!itens.eof() && itens.texto(chave[0]) == valores[0] && itens.texto(chave[1]) == valores[1] &&
           itens.texto(chave[2]) == valores[2]) {
        MostrarStatusNoLaco(QStringLiteral("Geração do Econtas - arquivo 043"));
        const QString matricula = itens.texto(QStringLiteral("matricula"));
        if (!matricula.isEmpty()) {
            MarcarGestante(estado, contexto);
            TComandosSql::InsereItensFolha(estado, contexto, 1, {itens, itens.linhaAtual()});
            TComandosSql::InsereArquivo041(estado, contexto, 1);
        }
        PagamentoDoDecimoTerceiro(estado, contexto, estado.CDS_DECADIANT, 2, matricula);
        PagamentoDoDecimoTerceiro(estado, contexto, estado.CDS_DECFINAL, 3, matricula);
        AvancarRegistro(TProgresso::R043);
        itens.next();
    }
}

void GerarArquivoEcontas42(TEstadoEcontas &estado, TContextoGeracao &contexto)
{
    RowSet &diarias = estado.Econtas042;
    const QString matricula = estado.Econtas040.texto(QStringLiteral("matricula"));
    diarias.first();
    diarias.locate({QStringLiteral("MATRICULA")}, {matricula});
    while (!diarias.eof() && diarias.texto(QStringLiteral("matricula")) == matricula) {
        MostrarStatusNoLaco(QStringLiteral("Geração do Econtas - arquivo 042"));
        const TEContas42 r = PerDiem(estado);
        if (!contexto.consultas->perDiemEscrito(r)) {
            if (TComandosSql::ExisteRegistro040(contexto, r.competencia(), r.cnpj(), r.ug(), r.uo(),
                                                r.matricula())) {
                contexto.controlador.InserirEcontas_042(r);
                contexto.escritos.registrar042(r);
            } else {
                estado.relatorioGeracao
                    << QStringLiteral("Matrícula: %1 - cnpj: %2 - unidade gestora: %3 .: Não tem "
                                      "na econtas 20...")
                           .arg(r.matricula(), r.cnpj(), r.ug());
            }
        }
        AvancarRegistro(TProgresso::R042);
        diarias.next();
    }
}
