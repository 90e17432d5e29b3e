#include "generation/EscritosGeracao.h"

#include <cmath>

namespace {

const QChar Separador(0x1f);

QString Chave(const QStringList &partes)
{
    QStringList limpas;
    for (const QString &p : partes)
        limpas << SemBrancosFinais(p);
    return limpas.join(Separador);
}

qint64 MeiaNoite(const QDate &dia)
{
    return qint64(DiaZero().daysTo(dia)) * 86400000;
}

} // namespace

qint64 TEscritosGeracao::milissegundos(DataDias dias)
{
    return std::llround(dias * 86400000.0);
}

QString TEscritosGeracao::chavePagamento(const QString &competencia, const QString &cnpj, const QString &ug,
                                         const QString &uo, const QString &matricula, int tipopagto,
                                         qint64 milissegundos)
{
    return Chave(
        {competencia, cnpj, ug, uo, matricula, QString::number(tipopagto), QString::number(milissegundos)});
}

void TEscritosGeracao::registrar010(const QString &competencia, const QString &cnpj, const QString &ug)
{
    m_010.insert(Chave({competencia, cnpj, ug}));
}

bool TEscritosGeracao::tem010(const QString &competencia, const QString &cnpj, const QString &ug) const
{
    return m_010.contains(Chave({competencia, cnpj, ug}));
}

void TEscritosGeracao::registrar020(const QString &competencia, const QString &cnpj, const QString &ug,
                                    const QString &uo)
{
    m_020.insert(Chave({competencia, cnpj, ug, uo}));
}

bool TEscritosGeracao::tem020(const QString &competencia, const QString &cnpj, const QString &ug,
                              const QString &uo) const
{
    return m_020.contains(Chave({competencia, cnpj, ug, uo}));
}

void TEscritosGeracao::registrar030(const QString &competencia, const QString &cnpj, const QString &ug,
                                    const QString &uo, const QString &codigo)
{
    m_030.insert(Chave({competencia, cnpj, ug, uo, codigo}));
}

bool TEscritosGeracao::tem030(const QString &competencia, const QString &cnpj, const QString &ug,
                              const QString &uo, const QString &codigo) const
{
    return m_030.contains(Chave({competencia, cnpj, ug, uo, codigo}));
}

void TEscritosGeracao::registrar040(const TEContas40 &r)
{
    m_040.insert(Chave({r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula()}));
}

bool TEscritosGeracao::tem040(const QString &competencia, const QString &cnpj, const QString &ug,
                              const QString &uo, const QString &matricula) const
{
    return m_040.contains(Chave({competencia, cnpj, ug, uo, matricula}));
}

// A row stored without a payment date is never found by a key (NULL equals nothing).
void TEscritosGeracao::registrar041(const TEContas41 &r)
{
    if (r.dtpagto() != 0)
        m_041.insert(chavePagamento(r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula(), r.tipopagto(),
                                    milissegundos(r.dtpagto())));
}

bool TEscritosGeracao::tem041(const TEContas41 &r) const
{
    return m_041.contains(chavePagamento(r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula(),
                                         r.tipopagto(), milissegundos(r.dtpagto())));
}

void TEscritosGeracao::registrar042(const TEContas42 &r)
{
    if (r.dtpagto() != 0)
        m_042.insert(Chave({r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula(),
                            QString::number(milissegundos(r.dtpagto()))}));
}

bool TEscritosGeracao::tem042NoDia(const QString &competencia, const QString &cnpj, const QString &ug,
                                   const QString &uo, const QString &matricula, const QDate &dia) const
{
    return m_042.contains(Chave({competencia, cnpj, ug, uo, matricula, QString::number(MeiaNoite(dia))}));
}

void TEscritosGeracao::registrar043(const TEContas43 &r)
{
    TEContas43 gravado = r;
    gravado.Setdtpagto(std::floor(r.dtpagto()));
    if (gravado.desconto().isEmpty())
        gravado.Setdesconto(QStringLiteral("F"));
    if (gravado.dtpagto() == 0)
        return; // stored without a payment date: no key finds it
    m_043PorPagamento[chavePagamento(r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula(), r.tipopagto(),
                                     milissegundos(gravado.dtpagto()))]
        .append(gravado);
}

TEContas43 *TEscritosGeracao::item043(const TEContas43 &chave)
{
    const auto itens = m_043PorPagamento.find(chavePagamento(chave.competencia(), chave.cnpj(), chave.ug(),
                                                             chave.uo(), chave.matricula(), chave.tipopagto(),
                                                             milissegundos(std::floor(chave.dtpagto()))));
    if (itens == m_043PorPagamento.end())
        return nullptr;
    const QString codigo = SemBrancosFinais(chave.codevento());
    for (TEContas43 &item : *itens)
        if (SemBrancosFinais(item.codevento()) == codigo)
            return &item;
    return nullptr;
}

QList<TEContas43> TEscritosGeracao::itensDoPagamento(const QString &competencia, const QString &cnpj,
                                                     const QString &ug, const QString &uo,
                                                     const QString &matricula, int tipopagto,
                                                     const QDate &dia) const
{
    return m_043PorPagamento.value(
        chavePagamento(competencia, cnpj, ug, uo, matricula, tipopagto, MeiaNoite(dia)));
}
