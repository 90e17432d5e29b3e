#include "generation/ConsultasGeracao.h"

#include "db/Datas.h"
#include "generation/EscritosGeracao.h"

QList<SomaEvento> TConsultasEmMemoria::somasDosSlots(const QString &folha, const QStringList &complementares,
                                                     const QString &matricula)
{
    return m_cache.somasDosSlots(folha, complementares, matricula);
}

DefinicaoEvento TConsultasEmMemoria::definicaoEvento(const QString &mes, const QString &codigo)
{
    return m_cache.definicaoEvento(mes, codigo);
}

Dinheiro TConsultasEmMemoria::valorDoItemEscrito(const TEContas43 &item, const QDate &)
{
    const Dinheiro *existente = m_escritos.valor043(item);
    return existente ? *existente : Dinheiro();
}

QList<TEContas43> TConsultasEmMemoria::itensDoPagamento(const TEContas41 &p, const QDate &dataPagamento)
{
    return m_escritos.itensDoPagamento(p.competencia(), p.cnpj(), p.ug(), p.uo(), p.matricula(),
                                       p.tipopagto(), dataPagamento);
}

bool TConsultasEmMemoria::pagamentoEscrito(const TEContas41 &pagamento, const QDate &)
{
    return m_escritos.tem041(pagamento);
}

bool TConsultasEmMemoria::registro040Escrito(const QString &competencia, const QString &cnpj,
                                             const QString &ug, const QString &uo, const QString &matricula)
{
    return m_escritos.tem040(competencia, cnpj, ug, uo, matricula);
}

bool TConsultasEmMemoria::perDiemEscrito(const TEContas42 &r)
{
    return m_escritos.tem042NoDia(r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula(),
                                  DiasParaData(r.dtpagto()));
}

QString TConsultasEmMemoria::licencaGestante(const QString &numeroMes, const QString &ano,
                                             const QString &matricula)
{
    return m_cache.licencaGestante(numeroMes, ano, matricula);
}

std::optional<int> TConsultasEmMemoria::fundeb(const QString &mes, const QString &matricula)
{
    return m_cache.fundeb(mes, matricula);
}
