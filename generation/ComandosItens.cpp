#include "generation/ComandosItens.h"

#include "common/Falha.h"
#include "common/uUtil.h"
#include "db/Datas.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ContextoGeracao.h"
#include "generation/RegrasUnidades.h"

#include <QSet>

namespace TComandosSql {

namespace {

// The fixed money columns of a payroll row and the event code each becomes, in the order they are valued.
// The 13th-salary payments use only the rows marked for every type.
struct ItemFixo {
    const char *codigo;
    const char *coluna;
    bool todosOsTipos;
};

constexpr ItemFixo ItensFixos[] = {
    {"K1", "SALARIO", false},   {"K2", "VALAULAS", false},   {"K3", "VALEXTRAS", false},
    {"K3", "VALEXTRA1", false}, {"K4", "VALADNOT", false},   {"K5", "POGIZ", false},
    {"K6", "ADIANTA", false},   {"K7", "VALFALTAS", true},   {"K8", "INSS", true},
    {"K9", "IRRF", true},       {"W1", "IMPOSTO", true},     {"W3", "VALVT", true},
    {"W4", "VALCS", true},      {"W5", "SALFAM", false},     {"Y1", "SAL13PROP", false},
    {"Y2", "INSS13", true},     {"Y3", "IMPOSTO13", true},   {"Y4", "IRRFFER", true},
    {"Y5", "IRRF13", true},     {"W6", "AVISOPREV", false},  {"W7", "FERIASPROP", false},
    {"W8", "FERIASVEN", false}, {"W9", "ADICFERIAS", false},
};

const QList<int> NumerosDosSlots = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17};

int InteiroOuZero(const QString &texto)
{
    bool ok = false;
    const int valor = texto.trimmed().toInt(&ok);
    return ok ? valor : 0;
}

// Builds the items of one payment of the current staff member.
class TConstrutorItens {
public:
    TConstrutorItens(TEstadoEcontas &estado, TContextoGeracao &contexto, int tipo, LinhaDaFolha folha)
        : m_estado(estado), m_contexto(contexto), m_maternidade(contexto.maternidade), m_tipo(tipo),
          m_linhaFolha(folha), m_matricula(estado.Econtas043.texto(QStringLiteral("matricula"))),
          m_folha(folha.conjunto.textoEm(folha.linha,
                                         folha.conjunto.indiceCampoObrigatorio(QStringLiteral("MES")))),
          m_somaComplementar(tipo == 1 && estado.CDS_COMPLEMENTAR.aberto() &&
                             estado.CDS_COMPLEMENTAR.quantidadeLinhas() > 0)
    {
    }

    void InsereItensFolha()
    {
        for (const ItemFixo &item : ItensFixos)
            if (m_tipo == 1 || item.todosOsTipos)
                AddItem(QString::fromLatin1(item.codigo), QString::fromLatin1(item.coluna), Dinheiro());
        if (m_maternidade.gestante)
            AddItem(m_maternidade.codgestante, QString(), Dinheiro());
        m_maternidade.goContEventGest = 0;
        m_maternidade.goEventsGest.clear();
        for (const SomaEvento &soma : somasDosSlots()) {
            m_maternidade.goContEventGest = 0;
            AddItem(soma.codigo, QString(), soma.valor);
        }
    }

private:
    // A fixed money column of the payroll row; NULL is 0.
    double colunaDaFolha(const QString &nomeCampo) const
    {
        const RowSet &c = m_linhaFolha.conjunto;
        const QVariant v = c.valorEm(m_linhaFolha.linha, c.indiceCampoObrigatorio(nomeCampo));
        return v.isNull() ? 0.0 : v.toDouble();
    }

    // valorDoSlot: the summed slots of the event, for an event-code item (nomeCampo empty).
    void AddItem(const QString &codigo, const QString &nomeCampo, Dinheiro valorDoSlot)
    {
        Dinheiro valor;
        if (m_maternidade.gestante && codigo == m_maternidade.codgestante) {
            valor = valorGestante(codigo, m_folha);
            somarComplementar(codigo, nomeCampo, valor);
        } else if (nomeCampo.isEmpty()) {
            valor = m_maternidade.gestante ? valorGestante(codigo, m_folha) : valorDoSlot;
        } else {
            const double x = colunaDaFolha(nomeCampo);
            if (x > 0)
                valor = m_maternidade.gestante ? valorGestante(codigo, m_folha) : Dinheiro::deFloat(x);
            somarComplementar(codigo, nomeCampo, valor);
        }
        if (valor <= Dinheiro())
            return;
        gravar(codigo, valor);
    }

    void somarComplementar(const QString &codigo, const QString &nomeCampo, Dinheiro &valor)
    {
        if (m_somaComplementar)
            VerValorComplementar(codigo, nomeCampo, valor);
    }

    // Several complementary sheets of the month all count: their fixed columns are summed row by row,
    // and a staff member on maternity leave gets the proportional value of every one of them.
    void VerValorComplementar(const QString &codigo, const QString &nomeCampo, Dinheiro &valor)
    {
        RowSet &complementar = m_estado.CDS_COMPLEMENTAR;
        TCacheItens &cache = m_contexto.cacheItens;
        if (m_maternidade.gestante) {
            if (!codigo.isEmpty() && m_maternidade.goEventsGest.contains(codigo))
                ++m_maternidade.goContEventGest;
            m_maternidade.goEventsGest =
                m_maternidade.goEventsGest.isEmpty() ? codigo : m_maternidade.goEventsGest + '_' + codigo;
            for (const QString &folha : cache.folhasDoConjunto(complementar))
                valor += valorGestante(codigo, folha);
            return;
        }
        const int coluna = complementar.indiceCampo(nomeCampo);
        for (int linha : cache.linhasDaMatricula(complementar, m_matricula))
            valor += Dinheiro::deFloat(complementar.valorEm(linha, coluna).toDouble());
    }

    Dinheiro valorGestante(const QString &codigo, const QString &folha) const
    {
        return RetornaValorGestanteProp(m_estado.ano_folha, m_maternidade.goContEventGest, m_matricula,
                                        codigo, folha);
    }

    // The complementary sheets whose event slots are merged with the month's sheet (monthly payment only).
    QStringList complementaresDaFolha()
    {
        QStringList folhas;
        if (!m_somaComplementar)
            return folhas;
        for (const QString &folha : m_contexto.cacheItens.folhasDoConjunto(m_estado.CDS_COMPLEMENTAR))
            if (!folha.isEmpty() && MesDaLetra(folha.left(1)) == m_folha)
                folhas << folha;
        return folhas;
    }

    QList<SomaEvento> somasDosSlots()
    {
        return m_contexto.consultas->somasDosSlots(m_folha, complementaresDaFolha(), m_matricula);
    }

    DefinicaoEvento definicao(const QString &codigo)
    {
        return m_contexto.consultas->definicaoEvento(m_estado.mes_cadastro, codigo);
    }

    TEContas43 registro(const QString &codigo) const
    {
        TEContas43 r;
        PreencherUnidade(r, UnidadeAtual(m_estado));
        r.Setmatricula(m_estado.Econtas043.texto(QStringLiteral("MATRICULA")));
        r.Settipopagto(m_tipo);
        r.Setdtpagto(DataParaDias(m_estado.dataPagamento));
        r.Setcodevento(codigo);
        return r;
    }

    // Adds to the item this payment already has, or writes a new one completed from the event's definition.
    void gravar(const QString &codigo, Dinheiro valor)
    {
        TEContas43 r = registro(codigo);
        const Dinheiro valorTeste = m_contexto.consultas->valorDoItemEscrito(r, m_estado.dataPagamento);
        if (valorTeste > Dinheiro()) {
            r.Setvalor(valor + valorTeste);
            m_contexto.controlador.Atualizar_043(r);
            if (Dinheiro *existente = m_contexto.escritos.valor043(r))
                *existente = r.valor();
            return;
        }
        const DefinicaoEvento evento = definicao(codigo);
        r.Settipograt(evento.tipograt.isEmpty() ? -1 : InteiroOuZero(evento.tipograt));
        r.Setcodgrat(evento.tipograt == QLatin1String("99") ? -1 : InteiroOuZero(evento.numgrat));
        r.Setvalor(valor);
        if (evento.natureza == QLatin1String("D")) {
            r.Setdesconto(QStringLiteral("T"));
            r.Settipograt(-1);
            r.Setcodgrat(-1);
        } else {
            r.Setdesconto(QStringLiteral("F"));
        }
        m_contexto.controlador.InserirEcontas_043(r);
        m_contexto.escritos.registrar043(r);
    }

    TEstadoEcontas &m_estado;
    TContextoGeracao &m_contexto;
    TMaternidade &m_maternidade;
    const int m_tipo;
    const LinhaDaFolha m_linhaFolha;
    const QString m_matricula;
    const QString m_folha;
    const bool m_somaComplementar;
};

QString DataSql(const QDate &dia)
{
    return Sql::Q(dia.toString(QStringLiteral("MM/dd/yyyy")));
}

} // namespace

void InsereItensFolha(TEstadoEcontas &estado, TContextoGeracao &contexto, int pTipo, LinhaDaFolha folha)
{
    TConstrutorItens(estado, contexto, pTipo, folha).InsereItensFolha();
}

QStringList ColunasDoItemFixo(const QString &codigo)
{
    QStringList colunas;
    for (const ItemFixo &item : ItensFixos)
        if (codigo == QLatin1String(item.codigo))
            colunas << QString::fromLatin1(item.coluna);
    return colunas;
}

const QList<int> &NumerosDosSlotsDeEventos()
{
    return NumerosDosSlots;
}

namespace {

// soComCodigo: each part keeps only the slots that hold an event code.
QString slotsDeEventos(const QString &pFolha, const QStringList &pComplementares, bool soComCodigo)
{
    const QString folha = Sql::ValidarFolha(pFolha);
    QString texto;
    const auto acrescentar = [&texto](const QString &parte) {
        if (!texto.isEmpty())
            texto += QStringLiteral(" UNION ");
        texto += parte;
    };
    for (int n : NumerosDosSlots) {
        const QString slot = QString::number(n);
        const QString filtro =
            soComCodigo ? QStringLiteral(" WHERE cod") + slot + QStringLiteral(" <> ") + Sql::Q(QString())
                        : QString();
        acrescentar(QStringLiteral(" SELECT matricula, ") + Sql::Q(QStringLiteral("N")) + " AS tpfolha, cod" +
                    slot + " AS codigo, valor" + slot + " AS valor FROM KVBDXX02" + folha + filtro);
        // One complementary sheet is marked "C"; with several, each is marked with its own code so that
        // equal slots of two sheets stay two payments.
        for (const QString &complementar : pComplementares) {
            const QString marca =
                pComplementares.size() == 1 ? QStringLiteral("C") : QStringLiteral("C") + complementar;
            acrescentar(QStringLiteral(" SELECT matricula, ") + Sql::Q(marca) + " AS tpfolha, cod" + slot +
                        " AS codigo, " + " valor" + slot + " AS valor FROM KVBDXX02" +
                        Sql::ValidarFolha(complementar) + filtro);
        }
    }
    return texto;
}

} // namespace

QString SqlSlotsDeEventos(const QString &pFolha, const QStringList &pComplementares)
{
    return slotsDeEventos(pFolha, pComplementares, false);
}

QString SqlSlotsComCodigo(const QString &pFolha, const QStringList &pComplementares)
{
    return slotsDeEventos(pFolha, pComplementares, true);
}

QString SqlSomaDosSlots(const QString &pSlots, const QString &pMatricula)
{
    return Sql::Linhas({
        QStringLiteral("SELECT codigo,            "),
        QStringLiteral("       SUM(valor) AS valor"),
        QStringLiteral("  FROM (%1)").arg(pSlots),
        QStringLiteral(" WHERE (CODIGO <> ") + Sql::Q(QString()) + ")",
        QStringLiteral("   AND MATRICULA = ") + Sql::Q(pMatricula),
        QStringLiteral(" GROUP BY CODIGO"),
    });
}

QString SqlDefinicaoEvento(const QString &pMes, const QString &pCodigo)
{
    return QStringLiteral("SELECT * FROM KVB010%1 WHERE codigo = %2")
        .arg(Sql::ValidarFolha(pMes), Sql::Q(pCodigo));
}

// The first and the last day of the month as quoted "mm/dd/yyyy" literals.
std::pair<QString, QString> LimitesDoMes(const QString &pMes, const QString &pAno)
{
    const QDate primeiro(pAno.toInt(), pMes.toInt(), 1);
    return {DataSql(primeiro), DataSql(primeiro.addMonths(1).addDays(-1))};
}

QString SqlLicencaGestante(const QString &pMes, const QString &pAno, const QString &pMatricula)
{
    const auto [f, e] = LimitesDoMes(pMes, pAno);
    return Sql::Linhas({
        QStringLiteral("SELECT a.codigo,    "),
        QStringLiteral("       a.descricao  "),
        QStringLiteral("  FROM AFASTFOLHA a "),
        QStringLiteral(" INNER JOIN KVB017 s"),
        QStringLiteral("    ON a.codigo = s.codfol"),
        QStringLiteral(" WHERE s.matricula = %1").arg(Sql::Q(pMatricula)),
        QStringLiteral("   AND ( (s.dtinicio <= %1)").arg(f),
        QStringLiteral("    OR (s.dtinicio BETWEEN %1").arg(f),
        QStringLiteral("   AND %1 ) )").arg(e),
        QStringLiteral("   AND (s.dtfim >= %1)").arg(f),
        QStringLiteral(" ORDER BY s.dtinicio DESC"),
    });
}

QString SqlLicencasDoMes(const QString &pMes, const QString &pAno)
{
    const auto [f, e] = LimitesDoMes(pMes, pAno);
    return Sql::Linhas({
        QStringLiteral("SELECT s.matricula, a.codigo"),
        QStringLiteral("  FROM AFASTFOLHA a "),
        QStringLiteral(" INNER JOIN KVB017 s"),
        QStringLiteral("    ON a.codigo = s.codfol"),
        QStringLiteral(" WHERE ( (s.dtinicio <= %1)").arg(f),
        QStringLiteral("    OR (s.dtinicio BETWEEN %1").arg(f),
        QStringLiteral("   AND %1 ) )").arg(e),
        QStringLiteral("   AND (s.dtfim >= %1)").arg(f),
        QStringLiteral(" ORDER BY s.matricula, s.dtinicio DESC"),
    });
}

QString LicencaGestante(const QString &pMes, const QString &pAno, const QString &pMatricula, int)
{
    return comPrefixo(QStringLiteral("ERRO ao verificar se servidor está de Licença Maternidade!"), [&] {
        RowSet licencas = RowSet::abrir(SqlLicencaGestante(pMes, pAno, pMatricula));
        if (!licencas.locate({QStringLiteral("CODIGO")}, {QStringLiteral("14")}))
            licencas.first();
        return licencas.texto(QStringLiteral("codigo"));
    });
}

QString RetornaCodEventoSalmaternidade(const QString &pMes)
{
    RowSet eventos =
        RowSet::abrir(QStringLiteral("SELECT codigo FROM KVB010%1 WHERE partevent = ? AND status = ?")
                          .arg(Sql::ValidarFolha(pMes)),
                      {QStringLiteral("G"), QStringLiteral("1")});
    eventos.first();
    return eventos.texto(QStringLiteral("codigo"));
}

// For an event fixed in the sheet the sum of its rows; for another, row number goContEventGest when
// there is one, else the last row.
Dinheiro RetornaValorGestanteProp(const QString &pAno, int pContEventGest, const QString &pMatricula,
                                  const QString &pEvento, const QString &pMes)
{
    RowSet valores = RowSet::abrir(
        QStringLiteral(
            "SELECT evento, valor FROM TB_GESTANTE WHERE ano = ? AND mes = ? AND matricula = ? AND "
            "evento = ? AND tpfolha = ?"),
        {pAno, RetornaNumeroMesCompetencia(pMes), pMatricula, pEvento, pMes});
    RowSet fixos =
        RowSet::abrir(QStringLiteral("SELECT * FROM KVB010%1 WHERE obs = ?").arg(Sql::ValidarFolha(pMes)),
                      {QStringLiteral("#FIXO#")});
    QSet<QString> codigosFixos;
    for (fixos.first(); !fixos.eof(); fixos.next())
        codigosFixos.insert(fixos.texto(QStringLiteral("CODIGO")));
    Dinheiro resultado;
    int i = 0;
    for (valores.first(); !valores.eof(); valores.next()) {
        ++i;
        const QString evento = valores.texto(QStringLiteral("evento"));
        const Dinheiro valor = valores.dinheiro(QStringLiteral("valor"));
        if (codigosFixos.contains(evento)) {
            resultado += valor;
        } else if (i == pContEventGest) {
            return valor;
        } else if (evento == pEvento) {
            resultado = valor;
        }
    }
    return resultado;
}

} // namespace TComandosSql
