#include "econtas/LinhasDosRegistros.h"

#include "db/Datas.h"
#include "db/Dinheiro.h"

#include <QDateTime>

using namespace TabelasTrabalho;

namespace {

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
    linha("COMPETENCIA", r.competencia())("CNPJ", r.cnpj())("UG", r.ug());
    return linha;
}

template <typename Registro> LinhaTrabalho DoServidor(const TabelaTrabalho &tabela, const Registro &r)
{
    LinhaTrabalho linha = Unidades(tabela, r);
    linha("UO", r.uo())("MATRICULA", r.matricula());
    return linha;
}

} // namespace

LinhaTrabalho Linha(const TEContas10 &r)
{
    LinhaTrabalho linha = Unidades(Econtas010(), r);
    linha("DESCRICAO", r.descricao())("TIPO", r.tipo())("CODTCM", r.codtcm());
    return linha;
}

LinhaTrabalho Linha(const TEContas20 &r)
{
    LinhaTrabalho linha = Unidades(Econtas020(), r);
    linha("UO", r.uo())("DESCRICAO", r.descricao())("TIPO", r.tipo())("CODTCM", r.codtcm());
    return linha;
}

LinhaTrabalho Linha(const TEContas30 &r)
{
    LinhaTrabalho linha = Unidades(Econtas030(), r);
    linha("UO", r.uo())("CODIGO", r.codigo())("DESCRICAO", r.descricao())("TIPO", r.tipo())(
        "TOTVAGAS", r.totvagas())("NUMATO", r.numato())("DTATO", DataSempre(r.dtato()));
    return linha;
}

LinhaTrabalho Linha(const TEContas40 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas040(), r);
    linha("CPF", r.cpf())("NOME", r.nome())("SEXO", r.sexo())("DTNASC", DiasParaParametro(r.dtnasc()))(
        "DTADMISSAO", DiasParaParametro(r.dtadmissao()))("DTDEMISSAO", DiasParaParametro(r.dtdemissao()))(
        "PISPASEP", r.pispasep());
    return linha;
}

LinhaTrabalho Linha(const TEContas41 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas041(), r);
    linha("TIPOPAGTO", r.tipopagto())("DTPAGTO", DiasParaParametro(r.dtpagto()))(
        "REMUNBASE", Valor(r.remunbase()))("TOTGRATFUNC", Valor(r.totgratfunc()))(
        "TOTOUTREMU", Valor(r.totoutremu()))("TOTDESC", Valor(r.totdesc()))(
        "CONTRIBPREV", Valor(r.contribprev()))("IRRF", Valor(r.irrf()))("DEPIR", r.depir())(
        "FUNDEB", r.fundeb())("SITUACAO", r.situacao())("CODCARGO", r.codcargo())("NUMPROC", r.numproc());
    return linha;
}

LinhaTrabalho Linha(const TEContas42 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas042(), r);
    linha("DTPAGTO", DiasParaParametro(r.dtpagto()))("VALOR", Valor(r.valor()))("NUMATO", r.numato())(
        "DTATO", DiasParaParametro(r.dtato()))("MOTIVO", r.motivo())("DESTINO", r.destino())(
        "INICIO", DiasParaParametro(r.inicio()))("FIM", DiasParaParametro(r.fim()));
    return linha;
}

LinhaTrabalho Linha(const TEContas43 &r)
{
    LinhaTrabalho linha = DoServidor(Econtas043(), r);
    linha("TIPOPAGTO", r.tipopagto())("DTPAGTO", DiaDoPagamento(r.dtpagto()))("CODEVENTO", r.codevento())(
        "TIPOGRAT", NuloSeMenosUm(r.tipograt()))("VALOR", Valor(r.valor()))(
        "CODGRAT", NuloSeMenosUm(r.codgrat()))("DESCONTO",
                                               r.desconto().isEmpty() ? QStringLiteral("F") : r.desconto());
    return linha;
}
