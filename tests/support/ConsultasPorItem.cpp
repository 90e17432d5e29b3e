#include "ConsultasPorItem.h"

#include "db/Datas.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "generation/ComandosItens.h"
#include "generation/ComandosPagamento.h"
#include "generation/ContextoGeracao.h"

using namespace TComandosSql;

namespace {

QString DataMesDia(const QDate &dia)
{
    return dia.toString(QStringLiteral("MM/dd/yyyy"));
}

QString DataDiaMes(const QDate &dia)
{
    return dia.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

QList<SomaEvento> TConsultasPorItem::somasDosSlots(const QString &folha, const QStringList &complementares,
                                                   const QString &matricula)
{
    RowSet linhas = RowSet::abrir(SqlSomaDosSlots(SqlSlotsDeEventos(folha, complementares), matricula));
    QList<SomaEvento> somas;
    for (linhas.first(); !linhas.eof(); linhas.next())
        somas.append({linhas.texto(QStringLiteral("CODIGO")), linhas.dinheiro(QStringLiteral("VALOR"))});
    return somas;
}

DefinicaoEvento TConsultasPorItem::definicaoEvento(const QString &mes, const QString &codigo)
{
    RowSet evento = RowSet::abrir(SqlDefinicaoEvento(mes, codigo));
    evento.first();
    return {evento.texto(QStringLiteral("TIPOGRAT")), evento.texto(QStringLiteral("NUMGRAT")),
            evento.texto(QStringLiteral("NATUREZA"))};
}

Dinheiro TConsultasPorItem::valorDoItemEscrito(const TEContas43 &r, const QDate &dataPagamento)
{
    return m_controlador.RetornaValorEventoCasoExista(r.competencia(), r.cnpj(), r.ug(), r.uo(),
                                                      r.matricula(), QString::number(r.tipopagto()),
                                                      DataMesDia(dataPagamento), r.codevento());
}

QList<TEContas43> TConsultasPorItem::itensDoPagamento(const TEContas41 &p, const QDate &dataPagamento)
{
    RowSet itens = ConsultaDetalhamentoDasGratificacoes(
        p.competencia(), p.cnpj(), p.ug(), p.uo(), p.matricula(), DataDiaMes(dataPagamento), p.tipopagto());
    return ItensDoConjunto(itens);
}

bool TConsultasPorItem::pagamentoEscrito(const TEContas41 &r, const QDate &dataPagamento)
{
    RowSet existente = RowSet::abrir(Sql::Linhas({
        QStringLiteral("SELECT matricula  "),
        QStringLiteral("  FROM ECONTAS_041"),
        QStringLiteral(" WHERE COMPETENCIA = %1").arg(Sql::Q(r.competencia())),
        QStringLiteral("   AND CNPJ = %1").arg(Sql::Q(r.cnpj())),
        QStringLiteral("   AND UG = %1").arg(Sql::Q(r.ug())),
        QStringLiteral("   AND UO = %1").arg(Sql::Q(r.uo())),
        QStringLiteral("   AND MATRICULA = %1").arg(Sql::Q(r.matricula())),
        QStringLiteral("   AND TIPOPAGTO = %1").arg(Sql::Q(QString::number(r.tipopagto()))),
        QStringLiteral("   AND DTPAGTO = %1").arg(Sql::Q(DataDiaMes(dataPagamento))),
    }));
    existente.first();
    return !existente.texto(QStringLiteral("matricula")).isEmpty();
}

bool TConsultasPorItem::perDiemEscrito(const TEContas42 &r)
{
    RowSet existente = RowSet::abrir(Sql::Linhas({
        QStringLiteral("SELECT *          "),
        QStringLiteral("  FROM ECONTAS_042"),
        QStringLiteral(" WHERE competencia = %1").arg(Sql::Q(r.competencia())),
        QStringLiteral("   AND cnpj = %1").arg(Sql::Q(r.cnpj())),
        QStringLiteral("   AND ug = %1").arg(Sql::Q(r.ug())),
        QStringLiteral("   AND uo = %1").arg(Sql::Q(r.uo())),
        QStringLiteral("   AND matricula = %1").arg(Sql::Q(r.matricula())),
        QStringLiteral("   AND dtpagto = %1").arg(Sql::Q(DataMesDia(DiasParaData(r.dtpagto())))),
    }));
    return existente.recordCount() > 0;
}

QString TConsultasPorItem::licencaGestante(const QString &numeroMes, const QString &ano,
                                           const QString &matricula)
{
    return LicencaGestante(numeroMes, ano, matricula, 1);
}

void UsarConsultasPorItem(TContextoGeracao &contexto, bool porItem)
{
    if (porItem)
        contexto.consultas = std::make_unique<TConsultasPorItem>();
}
