#include "generation/EscritosGeracao.h"

#include <cmath>
#include <initializer_list>

namespace {

const char Separador = 0x1f;

// The parts without their trailing blanks, joined by the separator, as UTF-8: a large generation
// holds hundreds of thousands of these keys and builds one for every item it writes.
QByteArray Chave(std::initializer_list<QStringView> partes)
{
    qsizetype tamanho = 0;
    for (QStringView p : partes)
        tamanho += p.size() + 1;
    QByteArray chave;
    chave.reserve(tamanho);
    bool primeira = true;
    for (QStringView parte : partes) {
        if (!primeira)
            chave += Separador;
        primeira = false;
        while (!parte.isEmpty() && parte.back() == QLatin1Char(' '))
            parte.chop(1);
        bool ascii = true;
        for (QChar c : parte)
            ascii = ascii && c.unicode() < 0x80;
        if (!ascii) {
            chave += parte.toUtf8();
            continue;
        }
        for (QChar c : parte)
            chave += char(c.unicode());
    }
    chave.squeeze();
    return chave;
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

QByteArray TEscritosGeracao::chavePagamento(const QString &competencia, const QString &cnpj,
                                            const QString &ug, const QString &uo, const QString &matricula,
                                            int tipopagto, qint64 milissegundos)
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

QString TEscritosGeracao::compartilhado(const QString &texto)
{
    const auto achado = m_textos.constFind(texto);
    return achado != m_textos.constEnd() ? *achado : *m_textos.insert(texto);
}

namespace {

bool mesmaForma(const TEContas43 &a, const TEContas43 &b)
{
    return a.competencia() == b.competencia() && a.cnpj() == b.cnpj() && a.ug() == b.ug() &&
           a.uo() == b.uo() && a.matricula() == b.matricula() && a.tipopagto() == b.tipopagto() &&
           a.dtpagto() == b.dtpagto();
}

} // namespace

int TEscritosGeracao::formaDoPagamento(PagamentoEscrito &pagamento, const TEContas43 &item)
{
    for (int f = 0; f < pagamento.formas.size(); ++f)
        if (mesmaForma(pagamento.formas[f], item))
            return f;
    TEContas43 forma;
    forma.Setcompetencia(compartilhado(item.competencia()));
    forma.Setcnpj(compartilhado(item.cnpj()));
    forma.Setug(compartilhado(item.ug()));
    forma.Setuo(compartilhado(item.uo()));
    forma.Setmatricula(compartilhado(item.matricula()));
    forma.Settipopagto(item.tipopagto());
    forma.Setdtpagto(item.dtpagto());
    pagamento.formas.append(forma);
    return int(pagamento.formas.size() - 1);
}

void TEscritosGeracao::registrar043(const TEContas43 &r)
{
    const DataDias dia = std::floor(r.dtpagto());
    if (dia == 0)
        return; // stored without a payment date: no key finds it
    TEContas43 gravado = r;
    gravado.Setdtpagto(dia);
    PagamentoEscrito &pagamento = m_043PorPagamento[chavePagamento(
        r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula(), r.tipopagto(), milissegundos(dia))];
    ItemEscrito item;
    item.codevento = compartilhado(r.codevento());
    item.desconto = compartilhado(r.desconto().isEmpty() ? QStringLiteral("F") : r.desconto());
    item.valor = r.valor();
    item.tipograt = r.tipograt();
    item.codgrat = r.codgrat();
    item.forma = formaDoPagamento(pagamento, gravado);
    pagamento.itens.append(item);
}

Dinheiro *TEscritosGeracao::valor043(const TEContas43 &chave)
{
    const auto pagamento = m_043PorPagamento.find(
        chavePagamento(chave.competencia(), chave.cnpj(), chave.ug(), chave.uo(), chave.matricula(),
                       chave.tipopagto(), milissegundos(std::floor(chave.dtpagto()))));
    if (pagamento == m_043PorPagamento.end())
        return nullptr;
    const QString codigo = SemBrancosFinais(chave.codevento());
    for (ItemEscrito &item : pagamento->itens)
        if (SemBrancosFinais(item.codevento) == codigo)
            return &item.valor;
    return nullptr;
}

QList<TEContas43> TEscritosGeracao::itensDoPagamento(const QString &competencia, const QString &cnpj,
                                                     const QString &ug, const QString &uo,
                                                     const QString &matricula, int tipopagto,
                                                     const QDate &dia) const
{
    const auto pagamento = m_043PorPagamento.constFind(
        chavePagamento(competencia, cnpj, ug, uo, matricula, tipopagto, MeiaNoite(dia)));
    QList<TEContas43> itens;
    if (pagamento == m_043PorPagamento.constEnd())
        return itens;
    itens.reserve(pagamento->itens.size());
    for (const ItemEscrito &item : pagamento->itens) {
        TEContas43 r = pagamento->formas[item.forma];
        r.Setcodevento(item.codevento);
        r.Setdesconto(item.desconto);
        r.Setvalor(item.valor);
        r.Settipograt(item.tipograt);
        r.Setcodgrat(item.codgrat);
        itens.append(r);
    }
    return itens;
}
