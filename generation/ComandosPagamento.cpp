#include "generation/ComandosPagamento.h"

#include "common/Falha.h"
#include "common/Operador.h"
#include "common/Progresso.h"
#include "common/uUtil.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ComandosFontes.h"
#include "generation/ContextoGeracao.h"

namespace TComandosSql {

// The items of one payment as stored (NULL bonus type and number as -1).
QList<TEContas43> ItensDoConjunto(RowSet &itens)
{
    QList<TEContas43> lista;
    for (itens.first(); !itens.eof(); itens.next()) {
        TEContas43 item;
        item.Setmatricula(itens.texto(QStringLiteral("MATRICULA")));
        item.Setdtpagto(itens.data(QStringLiteral("DTPAGTO")));
        item.Setcodevento(itens.texto(QStringLiteral("CODEVENTO")));
        item.Settipograt(itens.nulo(QStringLiteral("TIPOGRAT")) ? -1
                                                                : itens.inteiro(QStringLiteral("TIPOGRAT")));
        item.Setcodgrat(itens.nulo(QStringLiteral("CODGRAT")) ? -1
                                                              : itens.inteiro(QStringLiteral("CODGRAT")));
        item.Setvalor(itens.dinheiro(QStringLiteral("VALOR")));
        item.Setdesconto(itens.texto(QStringLiteral("DESCONTO")));
        lista.append(item);
    }
    return lista;
}

namespace {

template <typename Filtro> Dinheiro Soma(const QList<TEContas43> &itens, Filtro aceita)
{
    Dinheiro soma;
    for (const TEContas43 &item : itens)
        if (aceita(item))
            soma += item.valor();
    return soma;
}

Dinheiro SomaDoEvento(const QList<TEContas43> &itens, const QString &codigo)
{
    return Soma(itens, [&](const TEContas43 &i) { return SemBrancosFinais(i.codevento()) == codigo; });
}

Dinheiro SomaDoTipo(const QList<TEContas43> &itens, int tipograt)
{
    return Soma(itens, [&](const TEContas43 &i) { return i.tipograt() == tipograt; });
}

void Totalizar(TEContas41 &r, const QList<TEContas43> &itens)
{
    r.Setremunbase(SomaDoTipo(itens, 99));
    r.Settotgratfunc(SomaDoTipo(itens, 0));
    r.Settotoutremu(SomaDoTipo(itens, 1));
    r.Settotdesc(Soma(itens, [](const TEContas43 &i) { return i.desconto() == QLatin1String("T"); }));
    const Dinheiro previdencia = SomaDoEvento(itens, QStringLiteral("K8"));
    r.Setcontribprev(previdencia.eZero() ? SomaDoEvento(itens, QStringLiteral("W1")) : previdencia);
    r.Setirrf(SomaDoEvento(itens, QStringLiteral("K9")));
}

void Avancar041()
{
    Operador().progresso().avancarRegistro(TProgresso::R041);
    ProcessarEventosNoLaco();
}

void Gravar041(TEstadoEcontas &estado, TContextoGeracao &contexto, int pTipo, const QString &data)
{
    MostrarStatusNoLaco(QStringLiteral("Geração do Econtas - arquivo 041"));
    const RowSet &pessoa = estado.Econtas043;
    const QString cnpj = estado.Econtas010.texto(QStringLiteral("CNPJ"));
    const QString ug = estado.Econtas010.texto(QStringLiteral("codundgestor")).mid(1, 5);
    const QString uo = estado.EContas020.texto(QStringLiteral("codundorca")).mid(1, 5);
    const QString matricula = pessoa.texto(QStringLiteral("matricula"));

    TEContas41 r;
    r.Setcompetencia(estado.competencia);
    r.Setcnpj(cnpj);
    r.Setug(ug);
    r.Setuo(uo);
    r.Setmatricula(matricula);
    r.Settipopagto(pTipo);
    const QList<TEContas43> itens = contexto.consultas->itensDoPagamento(r, estado.dataPagamento);
    if (itens.isEmpty() || itens.first().matricula().trimmed().isEmpty()) {
        Avancar041();
        return;
    }
    MostrarStatusNoLaco(
        QStringLiteral("Geração do Econtas - arquivo 041 %1 %2 %3").arg(matricula).arg(pTipo).arg(data));

    r.Setdtpagto(itens.first().dtpagto());
    Totalizar(r, itens);
    const QString dependentes = pessoa.texto(QStringLiteral("NUMDEPIR"));
    r.Setdepir(dependentes.trimmed().isEmpty() ? 0 : TextoParaInteiro(dependentes));
    const std::optional<int> fundeb = contexto.consultas->fundeb(estado.mes_cadastro, matricula);
    r.Setfundeb(fundeb ? *fundeb : FundebDaMatricula(estado.mes_cadastro, matricula));
    r.Setsituacao(TextoParaInteiro(pessoa.texto(QStringLiteral("paramtcm"))));
    r.Setcodcargo(RetornaCodigoCargo(estado));
    r.Setnumproc(pessoa.texto(QStringLiteral("NUMPROC_PA")));

    const bool existe = contexto.consultas->pagamentoEscrito(r, estado.dataPagamento);
    if (ExisteRegistro040(contexto, r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula())) {
        if (existe) {
            contexto.controlador.Atualizar_041(r);
        } else {
            contexto.controlador.InserirEcontas_041(r);
            contexto.escritos.registrar041(r);
        }
    }
    Avancar041();
}

} // namespace

bool ExisteRegistro040(TContextoGeracao &contexto, const QString &pCompetencia, const QString &pCNPJ,
                       const QString &pUG, const QString &pUO, const QString &pMatricula)
{
    if (contexto.consultas->registro040Escrito(pCompetencia, pCNPJ, pUG, pUO, pMatricula))
        return true;
    contexto.controlador.DescarregarInsercoes();
    return ValidarProximoRegistroEcontas_041(pCompetencia, pCNPJ, pUG, pUO, pMatricula);
}

void InsereArquivo041(TEstadoEcontas &estado, TContextoGeracao &contexto, int pTipo)
{
    const QString data = estado.dataPagamento.toString(QStringLiteral("dd.MM.yyyy"));
    comPrefixo(QStringLiteral("ERRO ao persistir registro do Econtas 041!"),
               [&] { Gravar041(estado, contexto, pTipo, data); });
}

RowSet ConsultaDetalhamentoDasGratificacoes(const QString &pCompetencia, const QString &pCNPJ,
                                            const QString &pUG, const QString &pUO, const QString &pMatricula,
                                            const QString &pDTPAGTO, int pTipopagto)
{
    return RowSet::abrir(Sql::Linhas({
        QStringLiteral("SELECT * "),
        QStringLiteral(" FROM ECONTAS_043"),
        QStringLiteral("WHERE competencia = ") + Sql::Q(pCompetencia),
        QStringLiteral("  AND cnpj = ") + Sql::Q(pCNPJ),
        QStringLiteral("  AND ug = ") + Sql::Q(pUG),
        QStringLiteral("  AND uo = ") + Sql::Q(pUO),
        QStringLiteral("  AND matricula = ") + Sql::Q(pMatricula),
        QStringLiteral("  AND tipopagto = ") + Sql::Q(QString::number(pTipopagto)),
        QStringLiteral("  AND dtpagto = ") + Sql::Q(pDTPAGTO),
    }));
}

QString RetornaCodigoCargo(TEstadoEcontas &estado)
{
    RowSet &cargos = estado.QryCargoEcontas;
    const QString funcao = estado.Econtas043.texto(QStringLiteral("funcao"));
    const bool achou =
        cargos.locate({QStringLiteral("CODCARGO"), QStringLiteral("CODVINCULO")},
                      {funcao, estado.Econtas043.texto(QStringLiteral("sistema"))}) ||
        cargos.locate({QStringLiteral("CODCARGO")}, {estado.Econtas043.texto(QStringLiteral("FUNCAO"))});
    if (!achou)
        return QString();
    const QString codtcm = cargos.texto(QStringLiteral("CODTCM"));
    return codtcm.isEmpty() ? cargos.texto(QStringLiteral("CODIGO")) : codtcm;
}

QString SqlFundeb(const QString &pMes)
{
    const QString mes = Sql::ValidarMes(pMes);
    return Sql::Linhas({
        QStringLiteral("SELECT fundebecontas"),
        QStringLiteral("  FROM KVB006") + mes,
        QStringLiteral(" WHERE cdsecreta||cdsetor = (SELECT cdsecreta||cdsetor"),
        QStringLiteral("                               FROM KVB001") + mes,
        QStringLiteral("                              WHERE matricula = ") + ParametroFundeb + ")",
    });
}

int FundebDaMatricula(const QString &pMes, const QString &pMatricula)
{
    return comPrefixo(QStringLiteral("ERRO carregar FUNDEBECONTAS!"), [&] {
        QString sql = SqlFundeb(pMes);
        sql.replace(ParametroFundeb, QStringLiteral("?"));
        RowSet lotacao = RowSet::abrir(sql, {pMatricula});
        lotacao.first();
        return lotacao.texto(QStringLiteral("fundebecontas")) == QLatin1String("T") ? 2 : 1;
    });
}

} // namespace TComandosSql
