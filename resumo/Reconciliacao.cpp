#include "resumo/Reconciliacao.h"

#include "common/uUtil.h"
#include "db/RegistroSql.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ComandosItens.h"
#include "generation/ComandosSelecao.h"
#include "resumo/FormatoValores.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>

namespace {

// Earning columns of a sheet that only the monthly payment turns into items: on a 13th-salary sheet
// nothing carries them.
const QStringList ColunasSoDoPagamentoMensal = {
    "SALARIO", "VALAULAS",  "VALEXTRAS", "VALEXTRA1",  "VALADNOT",  "POGIZ",      "ADIANTA",
    "SALFAM",  "SAL13PROP", "AVISOPREV", "FERIASPROP", "FERIASVEN", "ADICFERIAS",
};

struct ValorNomeado {
    QString texto;
    Dinheiro valor;
    bool desconto = false; // on the discounts' side
};

struct Servidor {
    QString nome;
    Dinheiro proventosFolha;
    Dinheiro descontosFolha;
    Dinheiro proventosEnvio;
    Dinheiro descontosEnvio;
    QString foraDaSelecao;           // why the month's selection leaves him out, empty when it takes him
    QList<ValorNomeado> naoContados; // items sent that no payment total counts
    QList<ValorNomeado> colunasNaoLevadas;
    QList<ValorNomeado> maternidade;    // what TB_GESTANTE gives beyond the sheet, per event
    QList<ValorNomeado> slotsRepetidos; // copies of an equal event slot, which are not sent
};

using Servidores = QMap<QString, Servidor>; // by registration, in order

QString chave(const QString &matricula)
{
    return SemBrancosFinais(matricula);
}

// What the month's sheet says of a staff member: his exclusion mark, his department's and its
// secretariat's "not sent" marks, his department's status and his earnings.
struct DadosDaFolha {
    QString tcm;
    QString naoEnviaLotacao;
    QString naoEnviaSecretaria;
    QString status;
    Dinheiro proventos;
};

QString motivoForaDaSelecao(const DadosDaFolha &d)
{
    if (d.tcm == QLatin1String("T"))
        return QStringLiteral("excluído do envio ao tribunal (TCM)");
    if (d.naoEnviaLotacao == QLatin1String("T") || d.naoEnviaSecretaria == QLatin1String("T"))
        return QStringLiteral("lotação não enviada ao tribunal");
    if (d.status != QLatin1String("1"))
        return QStringLiteral("lotação inativa ou não cadastrada");
    if (d.proventos <= Dinheiro())
        return QStringLiteral("sem proventos na folha");
    return QStringLiteral("fora da seleção da competência");
}

void somarFolha(Servidores &s, const RowSet &r, const DadosDaFolha &dados)
{
    Servidor &v = s[chave(r.texto(QStringLiteral("MATRICULA")))];
    v.nome = r.texto(QStringLiteral("NOME"));
    v.proventosFolha += r.dinheiro(QStringLiteral("TOTPROV"));
    v.descontosFolha += r.dinheiro(QStringLiteral("TOTDESC"));
    v.foraDaSelecao = motivoForaDaSelecao(dados);
}

QStringList folhaDoMes(const QString &m, const QString &colunas, const QStringList &juncoes)
{
    return QStringList{QStringLiteral("SELECT p.matricula, p.nome, p.tcm, f.totprov, f.totdesc") + colunas,
                       QStringLiteral("  FROM kvb001%1 p").arg(m),
                       QStringLiteral(" INNER JOIN kvbdxx02%1 f ON (f.matricula = p.matricula)").arg(m)} +
           juncoes +
           QStringList{QStringLiteral(" WHERE f.ativo = 'T' AND (f.totprov <> 0 OR f.totdesc <> 0)")};
}

// The month's sheet with each staff member's department joined by the engine.
Servidores lerFolhaComLotacoesDoBanco(const QString &m)
{
    Servidores s;
    RowSet r = RowSet::abrir(Sql::Linhas(folhaDoMes(
        m, QStringLiteral(", l.naoenvtrib, l.status, sec.naoenvtrib AS naoenvsecretaria"),
        {QStringLiteral("  LEFT JOIN kvb006%1 l ON (l.cdsecreta = p.cdsecreta AND l.cdsetor = p.cdsetor)")
             .arg(m),
         QStringLiteral("  LEFT JOIN kvb006%1 sec ON (sec.cdsecreta = p.cdsecreta AND sec.cdsetor = '000')")
             .arg(m)})));
    for (r.first(); !r.eof(); r.next())
        somarFolha(s, r,
                   {r.texto(QStringLiteral("TCM")), r.texto(QStringLiteral("NAOENVTRIB")),
                    r.texto(QStringLiteral("NAOENVSECRETARIA")), r.texto(QStringLiteral("STATUS")),
                    r.dinheiro(QStringLiteral("TOTPROV"))});
    return s;
}

// A department code as the engine compares it under any character set and collation: a declared text
// of digits and capital letters whose trailing blanks are padding. NULL is kept apart (it matches
// nothing); any other code gives nothing.
enum class Codigo { Comparavel, Nulo, Incerto };
Codigo codigoComparavel(const RowSet &r, const QString &campo, QString &codigo)
{
    const QVariant valor = r.valor(campo);
    if (valor.isNull())
        return Codigo::Nulo;
    if (r.tipoCampo(r.indiceCampo(campo)).id() != QMetaType::QString)
        return Codigo::Incerto;
    codigo = SemBrancosFinais(valor.toString());
    return SoDigitosEMaiusculas(codigo) ? Codigo::Comparavel : Codigo::Incerto;
}

// The secretariat and sector codes of a row (a department's or a staff member's).
struct CodigosDaLotacao {
    QString secretaria;
    QString setor;
    Codigo comoSecretaria = Codigo::Nulo;
    Codigo comoSetor = Codigo::Nulo;
    bool incertos() const { return comoSecretaria == Codigo::Incerto || comoSetor == Codigo::Incerto; }
    bool ambos() const { return comoSecretaria == Codigo::Comparavel && comoSetor == Codigo::Comparavel; }
};

CodigosDaLotacao codigosDaLotacao(const RowSet &r)
{
    CodigosDaLotacao c;
    c.comoSecretaria = codigoComparavel(r, QStringLiteral("CDSECRETA"), c.secretaria);
    c.comoSetor = codigoComparavel(r, QStringLiteral("CDSETOR"), c.setor);
    return c;
}

struct Lotacao {
    QString naoEnvia;
    QString status;
};
using Lotacoes = QHash<QPair<QString, QString>, Lotacao>; // (secretariat, sector)

// The month's departments by code, or nothing when a code may compare otherwise in the engine than
// here, or when one code has two rows (the engine's join would then count its staff twice).
std::optional<Lotacoes> lerLotacoes(const QString &m)
{
    RowSet d =
        RowSet::abrir(QStringLiteral("SELECT cdsecreta, cdsetor, naoenvtrib, status FROM kvb006%1").arg(m));
    Lotacoes lotacoes;
    for (d.first(); !d.eof(); d.next()) {
        const CodigosDaLotacao c = codigosDaLotacao(d);
        if (c.incertos())
            return std::nullopt;
        if (!c.ambos()) // a NULL code matches no staff member
            continue;
        if (lotacoes.contains({c.secretaria, c.setor}))
            return std::nullopt;
        lotacoes.insert({c.secretaria, c.setor},
                        {d.texto(QStringLiteral("NAOENVTRIB")), d.texto(QStringLiteral("STATUS"))});
    }
    return lotacoes;
}

// The month's own sheet: every active staff member with an amount, with what the selection would say
// of him. The departments are read once and matched here when their codes allow it; otherwise the
// engine joins them, looking through the departments once per staff member.
Servidores lerFolhaDoMes(const QString &mes)
{
    const QString m = Sql::ValidarMes(mes);
    const std::optional<Lotacoes> lotacoes = lerLotacoes(m);
    if (!lotacoes) {
        RegistrarDesvio(
            QStringLiteral("Lotações de KVB006%1 juntadas pelo banco: um código não se compara aqui como "
                           "no banco, ou tem duas linhas")
                .arg(m));
        return lerFolhaComLotacoesDoBanco(m);
    }
    RowSet r = RowSet::abrir(Sql::Linhas(folhaDoMes(m, QStringLiteral(", p.cdsecreta, p.cdsetor"), {})));
    Servidores s;
    for (r.first(); !r.eof(); r.next()) {
        const CodigosDaLotacao c = codigosDaLotacao(r);
        if (c.incertos()) {
            RegistrarDesvio(
                QStringLiteral("Lotações de KVB001%1 juntadas pelo banco: um código não se compara aqui "
                               "como no banco")
                    .arg(m));
            return lerFolhaComLotacoesDoBanco(m);
        }
        const Lotacao lotacao = c.ambos() ? lotacoes->value({c.secretaria, c.setor}) : Lotacao();
        const Lotacao daSecretaria = c.comoSecretaria == Codigo::Comparavel
                                         ? lotacoes->value({c.secretaria, QStringLiteral("000")})
                                         : Lotacao();
        somarFolha(s, r,
                   {r.texto(QStringLiteral("TCM")), lotacao.naoEnvia, daSecretaria.naoEnvia, lotacao.status,
                    r.dinheiro(QStringLiteral("TOTPROV"))});
    }
    return s;
}

QString motivoSemRegistro040(const RowSet &r)
{
    QStringList falta;
    if (r.texto(QStringLiteral("CPF")).isEmpty())
        falta << QStringLiteral("sem CPF");
    if (r.texto(QStringLiteral("NOME")).isEmpty())
        falta << QStringLiteral("sem nome");
    if (r.texto(QStringLiteral("SEXO")).toInt() == 0)
        falta << QStringLiteral("sem sexo");
    if (r.texto(QStringLiteral("PISPASEP")).isEmpty())
        falta << QStringLiteral("sem PIS/PASEP");
    if (!falta.isEmpty())
        return QStringLiteral("não enviado (sem registro 040): ") + falta.join(QStringLiteral(", "));
    return QStringLiteral("não enviado (sem registro 040): unidade gestora ou orçamentária não gerada");
}

// The staff of the month's selection and those who got a record 040: a staff member of the selection
// without one is left out for the reason his data give. The selection's staff and their data are read
// without the sheet's columns, which only the generation needs.
void lerSelecao(Servidores &s, const TEstadoEcontas &estado)
{
    const QString selecao = TComandosSql::SelecaoBaseDoPessoal(estado.mes_cadastro, estado.ano_folha);
    if (selecao.isEmpty())
        return;
    QSet<QString> enviados;
    RowSet e =
        RowSet::abrir(QStringLiteral("SELECT DISTINCT MATRICULA FROM ECONTAS_040 WHERE COMPETENCIA = ?"),
                      {estado.competencia});
    for (e.first(); !e.eof(); e.next())
        enviados.insert(chave(e.texto(QStringLiteral("MATRICULA"))));
    RowSet r = RowSet::abrir(
        QStringLiteral(
            "SELECT DISTINCT padrao.matricula, nome, sexo, cpf, pispasep FROM (%1) padrao ORDER BY 1")
            .arg(selecao));
    for (r.first(); !r.eof(); r.next()) {
        Servidor &v = s[chave(r.texto(QStringLiteral("MATRICULA")))];
        v.foraDaSelecao = enviados.contains(chave(r.texto(QStringLiteral("MATRICULA"))))
                              ? QString()
                              : motivoSemRegistro040(r);
    }
}

// A complementary or 13th-salary sheet the generation used; on a 13th-salary sheet the earning columns
// nothing carries are named.
void lerFolhaExtra(Servidores &s, const QString &textoSelecao, bool decimoTerceiro)
{
    if (textoSelecao.isEmpty())
        return;
    QString colunas = QStringLiteral("folhas.matricula, folhas.mes, folhas.totprov, folhas.totdesc");
    if (decimoTerceiro)
        for (const QString &c : ColunasSoDoPagamentoMensal)
            colunas += QStringLiteral(", folhas.") + c;
    RowSet r = RowSet::abrir(QStringLiteral("SELECT %1 FROM (%2) folhas").arg(colunas, textoSelecao));
    for (r.first(); !r.eof(); r.next()) {
        Servidor &v = s[chave(r.texto(QStringLiteral("MATRICULA")))];
        v.proventosFolha += r.dinheiro(QStringLiteral("TOTPROV"));
        v.descontosFolha += r.dinheiro(QStringLiteral("TOTDESC"));
        if (!decimoTerceiro)
            continue;
        for (const QString &c : ColunasSoDoPagamentoMensal) {
            const Dinheiro valor = r.dinheiro(c);
            if (valor > Dinheiro())
                v.colunasNaoLevadas.append({QStringLiteral("coluna %1 da folha %2 não é levada a nenhum item")
                                                .arg(c, r.texto(QStringLiteral("MES"))),
                                            valor});
        }
    }
}

void lerPagamentos(Servidores &s, const QString &competencia)
{
    RowSet r = RowSet::abrir(QStringLiteral("SELECT MATRICULA, SUM(REMUNBASE) AS REMUNBASE, "
                                            "SUM(TOTGRATFUNC) AS TOTGRATFUNC, SUM(TOTOUTREMU) AS TOTOUTREMU, "
                                            "SUM(TOTDESC) AS TOTDESC FROM ECONTAS_041 WHERE COMPETENCIA = ? "
                                            "GROUP BY MATRICULA"),
                             {competencia});
    for (r.first(); !r.eof(); r.next()) {
        Servidor &v = s[chave(r.texto(QStringLiteral("MATRICULA")))];
        v.proventosEnvio += r.dinheiro(QStringLiteral("REMUNBASE")) +
                            r.dinheiro(QStringLiteral("TOTGRATFUNC")) +
                            r.dinheiro(QStringLiteral("TOTOUTREMU"));
        v.descontosEnvio += r.dinheiro(QStringLiteral("TOTDESC"));
    }
}

// Items sent as earnings whose bonus type is none of 99, 0 and 1: no total of the payment counts them.
void lerItensNaoContados(Servidores &s, const QString &competencia, const QString &mes)
{
    QSet<QString> definidos;
    RowSet d = RowSet::abrir(QStringLiteral("SELECT CODIGO FROM KVB010%1").arg(Sql::ValidarMes(mes)));
    for (d.first(); !d.eof(); d.next())
        definidos.insert(d.texto(QStringLiteral("CODIGO")));
    RowSet r = RowSet::abrir(
        QStringLiteral(
            "SELECT MATRICULA, CODEVENTO, SUM(VALOR) AS VALOR FROM ECONTAS_043 "
            "WHERE COMPETENCIA = ? AND DESCONTO <> 'T' AND (TIPOGRAT IS NULL OR TIPOGRAT NOT IN (0, 1, 99)) "
            "GROUP BY MATRICULA, CODEVENTO"),
        {competencia});
    for (r.first(); !r.eof(); r.next()) {
        const QString evento = r.texto(QStringLiteral("CODEVENTO"));
        const QString porque = definidos.contains(evento)
                                   ? QStringLiteral("sem tipo de gratificação")
                                   : QStringLiteral("sem definição na tabela de eventos");
        s[chave(r.texto(QStringLiteral("MATRICULA")))].naoContados.append(
            {QStringLiteral("evento %1 %2: não entra em nenhum total do pagamento").arg(evento, porque),
             r.dinheiro(QStringLiteral("VALOR"))});
    }
}

QSet<QString> codigosDeDesconto(const QString &mes)
{
    QSet<QString> descontos;
    RowSet d = RowSet::abrir(
        QStringLiteral("SELECT CODIGO FROM KVB010%1 WHERE NATUREZA = 'D'").arg(Sql::ValidarMes(mes)));
    for (d.first(); !d.eof(); d.next())
        descontos.insert(d.texto(QStringLiteral("CODIGO")));
    return descontos;
}

// Staff on maternity leave: each event valued from TB_GESTANTE beside what the month's sheet holds for
// it (its event slots and, for a fixed event, its columns); the gap is what the leave explains.
void lerGestantes(Servidores &s, const TEstadoEcontas &estado)
{
    const QString mes = Sql::ValidarMes(estado.mes_cadastro);
    QMap<QPair<QString, QString>, Dinheiro> valores; // (registration, event) -> TB_GESTANTE
    RowSet g = RowSet::abrir(
        QStringLiteral(
            "SELECT MATRICULA, EVENTO, VALOR FROM TB_GESTANTE WHERE ANO = ? AND MES = ? AND TPFOLHA = ?"),
        {estado.ano_folha, estado.numero_mes_selecionado, mes});
    for (g.first(); !g.eof(); g.next())
        valores[{chave(g.texto(QStringLiteral("MATRICULA"))), g.texto(QStringLiteral("EVENTO"))}] +=
            g.dinheiro(QStringLiteral("VALOR"));
    if (valores.isEmpty())
        return;
    const QSet<QString> descontos = codigosDeDesconto(mes);
    RowSet folha =
        RowSet::abrir(QStringLiteral("SELECT * FROM KVBDXX02%1 WHERE MATRICULA IN (SELECT MATRICULA FROM "
                                     "TB_GESTANTE WHERE ANO = ? AND MES = ? AND TPFOLHA = ?)")
                          .arg(mes),
                      {estado.ano_folha, estado.numero_mes_selecionado, mes});
    QHash<QString, int> linhaDe;
    for (folha.first(); !folha.eof(); folha.next())
        linhaDe.insert(chave(folha.texto(QStringLiteral("MATRICULA"))), folha.linhaAtual());
    const QString codigoMaternidade = TComandosSql::RetornaCodEventoSalmaternidade(mes);
    for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
        const auto &[matricula, evento] = it.key();
        Dinheiro naFolha;
        bool nosSlots = false;
        if (linhaDe.contains(matricula)) {
            folha.irParaLinha(linhaDe.value(matricula));
            for (int n : TComandosSql::NumerosDosSlotsDeEventos())
                if (folha.texto(QStringLiteral("COD%1").arg(n)) == evento) {
                    naFolha += folha.dinheiro(QStringLiteral("VALOR%1").arg(n));
                    nosSlots = true;
                }
            for (const QString &coluna : TComandosSql::ColunasDoItemFixo(evento))
                naFolha += folha.dinheiro(coluna);
        }
        // The maternity-salary event is valued as the leave's own item and, when the sheet's event slots
        // carry it too, once more as that slot's event: both items go to the court.
        const bool duasVezes = evento == codigoMaternidade && nosSlots;
        const Dinheiro enviado = Dinheiro::deDezMilesimos(it.value().dezMilesimos() * (duasVezes ? 2 : 1));
        const QString texto =
            duasVezes ? QStringLiteral("licença-maternidade: evento %1 (salário-maternidade) valorado pela "
                                       "TB_GESTANTE com %2 duas vezes, como item da licença e como evento "
                                       "da folha, em vez dos %3 da folha")
                      : QStringLiteral("licença-maternidade: evento %1 valorado pela TB_GESTANTE com %2 em "
                                       "vez dos %3 da folha");
        s[matricula].maternidade.append({texto.arg(evento, FormatarReais(it.value()), FormatarReais(naFolha)),
                                         enviado - naFolha, descontos.contains(evento)});
    }
}

// The sheets a generation of the month read event slots from: the month's, its complementary sheets
// and the 13th-salary sheets of the selection.
QStringList folhasDosSlots(const TEstadoEcontas &estado, const TComandosSql::TextosSelecao &textos)
{
    QStringList folhas{estado.mes_cadastro};
    for (const QString &texto : {textos.complementar, textos.decimoAdiantamento, textos.decimoFinal}) {
        if (texto.isEmpty())
            continue;
        RowSet r = RowSet::abrir(QStringLiteral("SELECT DISTINCT folhas.mes FROM (%1) folhas").arg(texto));
        for (r.first(); !r.eof(); r.next()) {
            const QString folha = r.texto(QStringLiteral("MES"));
            const bool complementar = &texto == &textos.complementar;
            if (!complementar || MesDaLetra(folha.left(1)) == estado.mes_cadastro)
                folhas << folha;
        }
    }
    return folhas;
}

// Staff on maternity leave in the month: their items are valued from TB_GESTANTE, not from the slots.
QSet<QString> emLicencaMaternidade(const TEstadoEcontas &estado)
{
    QSet<QString> gestantes;
    RowSet r = RowSet::abrir(TComandosSql::SqlLicencasDoMes(estado.numero_mes_selecionado, estado.ano_folha));
    for (r.first(); !r.eof(); r.next())
        if (r.texto(QStringLiteral("CODIGO")) == QLatin1String("14"))
            gestantes.insert(chave(r.texto(QStringLiteral("MATRICULA"))));
    return gestantes;
}

// Two event slots of one staff member in one sheet with the same event and the same value are one row
// of the generation's UNION: the item counts that value once. Each copy left out is named.
void lerSlotsRepetidos(Servidores &s, const TEstadoEcontas &estado, const TComandosSql::TextosSelecao &textos)
{
    const QSet<QString> gestantes = emLicencaMaternidade(estado);
    const QSet<QString> descontos = codigosDeDesconto(estado.mes_cadastro);
    QStringList colunas{QStringLiteral("matricula")};
    for (int n : TComandosSql::NumerosDosSlotsDeEventos())
        colunas << QStringLiteral("cod%1").arg(n) << QStringLiteral("valor%1").arg(n);
    for (const QString &folha : folhasDosSlots(estado, textos)) {
        std::map<std::tuple<QString, QString, double>, int> vezes; // (registration, event, value)
        RowSet r = RowSet::abrir(QStringLiteral("SELECT %1 FROM KVBDXX02%2")
                                     .arg(colunas.join(QStringLiteral(", ")), Sql::ValidarFolha(folha)));
        for (r.first(); !r.eof(); r.next()) {
            const QString matricula = chave(r.texto(0));
            if (!s.contains(matricula) || gestantes.contains(matricula))
                continue;
            for (int c = 1; c < colunas.size(); c += 2)
                if (!r.texto(c).isEmpty())
                    ++vezes[{matricula, r.texto(c), r.valor(c + 1).toDouble()}];
        }
        for (const auto &[linha, quantas] : vezes) {
            if (quantas < 2)
                continue;
            const auto &[matricula, evento, valor] = linha;
            s[matricula].slotsRepetidos.append(
                {QStringLiteral("evento %1 repetido com o mesmo valor na folha %2: conta uma vez no item")
                     .arg(evento, folha),
                 Dinheiro::deDezMilesimos(Dinheiro::deFloat(valor).dezMilesimos() * (quantas - 1)),
                 descontos.contains(evento)});
        }
    }
}

QString comValor(const QString &texto, Dinheiro valor)
{
    return texto + QStringLiteral(" (") + FormatarReais(valor) + QLatin1Char(')');
}

// Takes an explained amount off what is left, on the earnings side while that has a difference.
void descontarExplicado(DiferencaServidor &d, Dinheiro valor)
{
    Dinheiro &lado = d.proventosSemExplicacao.eZero() ? d.descontosSemExplicacao : d.proventosSemExplicacao;
    lado -= valor;
}

DiferencaServidor explicar(const QString &matricula, const Servidor &v)
{
    DiferencaServidor d;
    d.matricula = matricula;
    d.nome = v.nome;
    d.proventosFolha = v.proventosFolha;
    d.proventosEnvio = v.proventosEnvio;
    d.descontosFolha = v.descontosFolha;
    d.descontosEnvio = v.descontosEnvio;
    d.proventosSemExplicacao = d.diferencaProventos();
    d.descontosSemExplicacao = d.diferencaDescontos();
    if (!v.foraDaSelecao.isEmpty()) {
        d.motivos << v.foraDaSelecao;
        d.proventosSemExplicacao = d.descontosSemExplicacao = Dinheiro();
        return d;
    }
    for (const ValorNomeado &n : v.naoContados + v.colunasNaoLevadas) {
        d.motivos << comValor(n.texto, n.valor);
        descontarExplicado(d, n.valor);
    }
    for (const ValorNomeado &n : v.maternidade) {
        d.motivos << n.texto;
        // The sent side is larger by what TB_GESTANTE adds, so the sheet's side falls short by it.
        Dinheiro &lado = n.desconto ? d.descontosSemExplicacao : d.proventosSemExplicacao;
        lado = lado + n.valor;
    }
    for (const ValorNomeado &n : v.slotsRepetidos) {
        d.motivos << comValor(n.texto, n.valor);
        // The sheet's total counts every copy, what is sent only one.
        Dinheiro &lado = n.desconto ? d.descontosSemExplicacao : d.proventosSemExplicacao;
        lado -= n.valor;
    }
    if (d.semExplicacao())
        d.motivos << TextoSemExplicacao;
    return d;
}

} // namespace

Dinheiro DiferencaServidor::diferencaProventos() const
{
    return proventosFolha - proventosEnvio;
}

Dinheiro DiferencaServidor::diferencaDescontos() const
{
    return descontosFolha - descontosEnvio;
}

int Reconciliacao::servidoresSemExplicacao() const
{
    return int(std::count_if(diferencas.cbegin(), diferencas.cend(),
                             [](const DiferencaServidor &d) { return d.semExplicacao(); }));
}

Reconciliacao Reconciliar(const TEstadoEcontas &estado)
{
    Servidores servidores = lerFolhaDoMes(estado.mes_cadastro);
    // The selection as the generation builds it: the month's base and the sheets chosen beside it.
    const TComandosSql::TextosSelecao folhas =
        TComandosSql::MontarTextosSelecao(1, estado.mes_cadastro, estado.ano_folha);
    lerSelecao(servidores, estado);
    lerFolhaExtra(servidores, folhas.complementar, false);
    lerFolhaExtra(servidores, folhas.decimoAdiantamento, true);
    lerFolhaExtra(servidores, folhas.decimoFinal, true);
    lerPagamentos(servidores, estado.competencia);
    lerItensNaoContados(servidores, estado.competencia, estado.mes_cadastro);
    lerGestantes(servidores, estado);
    lerSlotsRepetidos(servidores, estado, folhas);

    Reconciliacao rec;
    for (auto it = servidores.cbegin(); it != servidores.cend(); ++it) {
        const Servidor &v = it.value();
        rec.proventosFolha += v.proventosFolha;
        rec.proventosEnvio += v.proventosEnvio;
        rec.descontosFolha += v.descontosFolha;
        rec.descontosEnvio += v.descontosEnvio;
        if (v.proventosFolha == v.proventosEnvio && v.descontosFolha == v.descontosEnvio)
            continue;
        rec.diferencas.append(explicar(it.key(), v));
    }
    return rec;
}
