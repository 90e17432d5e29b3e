#include "econtas/LinhasDosRegistros.h"

#include "db/Datas.h"
#include "db/Dinheiro.h"

#include <QDateTime>

using namespace TabelasTrabalho;

namespace {

// Text is written as text: an empty property is an empty string, never NULL.
QVariant Texto(const QString &valor)
{
    return valor.isNull() ? QVariant(QStringLiteral("")) : QVariant(valor);
}

QVariant Valor(const Dinheiro &valor)
{
    return valor.paraTexto();
}

// The creation date of a position is always a date: no date is the day 30 December 1899.
QVariant DataSempre(DataDias dias)
{
    return DiasParaDataHora(dias);
}

// Items keep only the calendar day of the payment date.
QVariant DiaDoPagamento(DataDias dias)
{
    if (dias == 0)
        return DiasParaParametro(0);
    return QDateTime(DiasParaData(dias), QTime(0, 0));
}

QVariant NuloSeMenosUm(int valor)
{
    return valor == -1 ? QVariant(QMetaType(QMetaType::Int)) : QVariant(valor);
}

// The competence and units every row starts with; the staff member's registration when the table has it.
template <typename Registro> LinhaTrabalho Unidades(const TabelaTrabalho &tabela, const Registro &r)
{
    LinhaTrabalho linha(tabela);
    linha("COMPETENCIA", Texto(r.competencia()))("CNPJ", Texto(r.cnpj()))("UG", Texto(r.ug()));
    return linha;
}

template <typename Registro> LinhaTrabalho DoServidor(const TabelaTrabalho &tabela, const Registro &r)
{
    LinhaTrabalho linha = Unidades(tabela, r);
    linha("UO", Texto(r.uo()))("MATRICULA", Texto(r.matricula()));
    return linha;
}

} // namespace

LinhaTrabalho Linha(const TEContas10 &r)
{
    LinhaTrabalho linha = Unidades(Econtas010(), r);
    linha("DESCRICAO", Texto(r.descricao()))("TIPO", Texto(r.tipo()))("CODTCM", Texto(r.codtcm()));
    return linha;
}

LinhaTrabalho Linha(const TEContas20 &r)
{
    LinhaTrabalho linha = Unidades(Econtas020(), r);
    linha("UO", Texto(r.uo()))("DESCRICAO", Texto(r.descricao()))("TIPO", Texto(r.tipo()))("CODTCM",
                                                                                           Texto(r.codtcm()));
    return linha;
}

LinhaTrabalho Linha(const TEContas30 &r)
{
    LinhaTrabalho linha = Unidades(Econtas030(), r);
    linha("UO", Texto(r.uo()))("CODIGO", Texto(r.codigo()))("DESCRICAO", Texto(r.descricao()))(
        "TIPO", Texto(r.tipo()))("TOTVAGAS", r.totvagas())("NUMATO",
                                                           Texto(r.numato()))("DTATO", DataSempre(r.dtato()));
    return linha;
}

LinhaTrabalho Linha(const TEContas40 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas040(), r);
    linha("CPF", Texto(r.cpf()))("NOME", Texto(r.nome()))("SEXO", r.sexo())(
        "DTNASC", DiasParaParametro(r.dtnasc()))("DTADMISSAO", DiasParaParametro(r.dtadmissao()))(
        "DTDEMISSAO", DiasParaParametro(r.dtdemissao()))("PISPASEP", Texto(r.pispasep()));
    return linha;
}

LinhaTrabalho Linha(const TEContas41 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas041(), r);
    linha("TIPOPAGTO", r.tipopagto())("DTPAGTO", DiasParaParametro(r.dtpagto()))(
        "REMUNBASE", Valor(r.remunbase()))("TOTGRATFUNC", Valor(r.totgratfunc()))(
        "TOTOUTREMU", Valor(r.totoutremu()))("TOTDESC", Valor(r.totdesc()))(
        "CONTRIBPREV", Valor(r.contribprev()))("IRRF", Valor(r.irrf()))("DEPIR", r.depir())(
        "FUNDEB", r.fundeb())("SITUACAO", r.situacao())("CODCARGO", Texto(r.codcargo()))("NUMPROC",
                                                                                         Texto(r.numproc()));
    return linha;
}

LinhaTrabalho Linha(const TEContas42 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas042(), r);
    linha("DTPAGTO", DiasParaParametro(r.dtpagto()))("VALOR", Valor(r.valor()))("NUMATO", Texto(r.numato()))(
        "DTATO", DiasParaParametro(r.dtato()))("MOTIVO", Texto(r.motivo()))("DESTINO", Texto(r.destino()))(
        "INICIO", DiasParaParametro(r.inicio()))("FIM", DiasParaParametro(r.fim()));
    return linha;
}

LinhaTrabalho Linha(const TEContas43 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas043(), r);
    linha("TIPOPAGTO", r.tipopagto())("DTPAGTO", DiaDoPagamento(r.dtpagto()))(
        "CODEVENTO", Texto(r.codevento()))("TIPOGRAT", NuloSeMenosUm(r.tipograt()))(
        "VALOR", Valor(r.valor()))("CODGRAT", NuloSeMenosUm(r.codgrat()))(
        "DESCONTO", r.desconto().isEmpty() ? QStringLiteral("F") : r.desconto());
    return linha;
}
