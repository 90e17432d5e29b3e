#include "generation/ComandosSelecao.h"

#include "common/Falha.h"
#include "common/Operador.h"
#include "common/uUtil.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ComandosTabelas.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace TComandosSql {

using Sql::Q;

QString ValidarFolhaComplementar(const QString &codigo)
{
    static const QRegularExpression padrao(QStringLiteral("^[A-L]C[0-9]$"));
    if (!padrao.match(codigo).hasMatch())
        throw Falha(QStringLiteral("A folha complementar \"%1\" escolhida para envio (tabela KVB020) não tem "
                                   "um código válido de folha complementar.")
                        .arg(codigo));
    return codigo;
}

QString SelecaoDasSecretarias(const QString &pMes)
{
    const QString sql = Sql::Linhas({
        QStringLiteral("SELECT cdsecreta, cdsetor, descricao FROM KVB006") + Sql::ValidarMes(pMes) +
            QStringLiteral(" WHERE  cdsetor = cdsetor "),
        QStringLiteral("   AND naoenvtrib = ") + Q(QStringLiteral("T")),
        QStringLiteral(" ORDER BY cdsecreta, cdsetor"),
    });
    RowSet marcados = RowSet::abrir(sql);
    if (marcados.recordCount() == 0)
        return QString();

    QString exclusao;
    for (marcados.first(); !marcados.eof(); marcados.next()) {
        exclusao += exclusao.isEmpty() ? QStringLiteral(" AND (") : QStringLiteral(" AND ");
        const QString secretaria = marcados.texto(QStringLiteral("cdsecreta"));
        const QString setor = marcados.texto(QStringLiteral("cdsetor"));
        if (setor == QLatin1String("000"))
            exclusao += QStringLiteral(" (pessoal.cdsecreta ") + QStringLiteral(" <> ") + Q(secretaria) + ')';
        else
            exclusao += QStringLiteral(" (pessoal.cdsecreta||pessoal.cdsetor ") + QStringLiteral(" <> ") +
                        Q(secretaria + setor) + ')';
    }
    return exclusao + ')';
}

namespace {

const QString PrimeiraLinha = QStringLiteral("SELECT  SECR.*, TAB.* FROM (");
// What a branch takes from its sheet: every column (the generation's sets), or only the registration.
const QString TodaAFolha = QStringLiteral("folha.*");
const QString SoAMatriculaDaFolha = QStringLiteral("folha.matricula");

// What changes between the branches of one sheet: the first two lines, the alias line of the
// registration, the two joins of the sheet and whether every line carries one more leading blank.
struct PartesRamo {
    QString linhaSelect;
    QString linhaMes;
    QString juncaoFolha;
    QString juncaoLotacao;
    QString linhaMatricula = QStringLiteral("       pessoal.matricula AS matricula1,");
    QString recuo;
    QString colunasFolha = TodaAFolha;
};

QStringList cabecalhoDoRamo(const PartesRamo &p, const QString &mes)
{
    static const QStringList colunas = {
        QStringLiteral("       pessoal.cdsecreta,              "),
        QStringLiteral("       pessoal.cdsetor,                "),
        QStringLiteral("       pessoal.funcao,                 "),
        QStringLiteral("       pessoal.cpf,                    "),
        QStringLiteral("       pessoal.pispasep,               "),
        QStringLiteral("       pessoal.nome,                   "),
        QStringLiteral("       pessoal.sexo,                   "),
        QStringLiteral("       pessoal.dtnasc,                 "),
        QStringLiteral("       pessoal.dtadmissao,             "),
        QStringLiteral("       pessoal.paramtcm,               "),
        QStringLiteral("       pessoal.numproc_pa,             "),
        QStringLiteral("       pessoal.sistema,                "),
    };
    QStringList linhas = {p.linhaSelect, p.linhaMes,
                          p.recuo + QStringLiteral("       lotacao.fechamento,             "),
                          p.recuo + p.linhaMatricula};
    for (const QString &coluna : colunas)
        linhas << p.recuo + coluna;
    linhas << p.recuo + QStringLiteral("       ") + p.colunasFolha.leftJustified(32);
    linhas << p.recuo + QStringLiteral("  FROM kvb001") + mes + QStringLiteral(" pessoal      ")
           << p.recuo + p.juncaoFolha
           << p.recuo + QStringLiteral("    ON (pessoal.matricula = folha.matricula)")
           << p.recuo + p.juncaoLotacao
           << p.recuo +
                  QStringLiteral(
                      "    ON (pessoal.cdsecreta = lotacao.cdsecreta AND pessoal.cdsetor = lotacao.cdsetor)");
    return linhas;
}

QStringList filtrosDoRamo(const QString &recuo)
{
    return {recuo + QStringLiteral(" WHERE pessoal.TCM = ") + Q(QStringLiteral("F")),
            recuo + QStringLiteral("   AND folha.ativo = ") + Q(QStringLiteral("T")),
            recuo + QStringLiteral("   AND lotacao.status = ") + Q(QStringLiteral("1"))};
}

// A sheet paying in the month: the header, the filters and "totprov > 0" with the exclusion.
QStringList ramoPagante(const PartesRamo &p, const QString &mes, const QString &exclusao)
{
    return cabecalhoDoRamo(p, mes) + filtrosDoRamo(p.recuo)
           << p.recuo + QStringLiteral("   AND folha.totprov > 0 ") + exclusao;
}

QString linhaNumMes(const QString &nn)
{
    return QStringLiteral("SELECT ") + Q(nn) + QStringLiteral(" AS nummes,");
}

QStringList ramoFolhaMensal(const QString &nn, const QString &mes, const QString &exclusao,
                            const QString &colunasFolha)
{
    PartesRamo p;
    p.colunasFolha = colunasFolha;
    p.linhaSelect = linhaNumMes(nn);
    p.linhaMes = QStringLiteral("       ") + Q(mes) + QStringLiteral(" AS mes,                ");
    p.juncaoFolha = QStringLiteral(" INNER JOIN kvbdxx02") + mes + QStringLiteral(" folha      ");
    p.juncaoLotacao = QStringLiteral(" INNER JOIN kvb006") + mes + QStringLiteral(" lotacao      ");
    return ramoPagante(p, mes, exclusao);
}

// Staff without earnings in the month who have a per-diem act dated in it.
QStringList ramoDiarias(const QString &nn, const QString &mes, const QString &exclusao,
                        const QString &periodo, const QString &colunasFolha)
{
    PartesRamo p;
    p.colunasFolha = colunasFolha;
    p.linhaSelect = linhaNumMes(nn);
    p.linhaMes = QStringLiteral("       ") + Q(mes) + QStringLiteral(" AS mes,                ");
    p.linhaMatricula = QStringLiteral("       pessoal.matricula as matricula1,");
    p.juncaoFolha = QStringLiteral(" INNER JOIN kvbdxx02") + mes + QStringLiteral(" folha ");
    p.juncaoLotacao = QStringLiteral(" INNER JOIN kvb006") + mes + QStringLiteral(" lotacao ");
    return cabecalhoDoRamo(p, mes) << QStringLiteral(" INNER JOIN KVBW9927 kvbw9927          ")
                                   << QStringLiteral("    ON (pessoal.matricula = kvbw9927.matricula)")
                                   << filtrosDoRamo(QString())
                                   << QStringLiteral("   AND folha.totprov = 0 ") + exclusao + periodo;
}

// A sheet of the month other than the monthly one (13th salary, complementary); personnel and
// departments stay those of the monthly sheet.
QStringList ramoFolhaExtra(const QString &linhaSelect, const QString &linhaMes, const QString &folha,
                           const QString &sufixoFolha, const QString &mes, const QString &exclusao)
{
    PartesRamo p;
    p.linhaSelect = linhaSelect;
    p.linhaMes = linhaMes;
    p.juncaoFolha = QStringLiteral(" INNER JOIN kvbdxx02") + folha + sufixoFolha;
    p.juncaoLotacao = QStringLiteral(" INNER JOIN kvb006") + mes + QStringLiteral(" lotacao ");
    return ramoPagante(p, mes, exclusao);
}

QStringList ramoDecimoAdiantamento(const QString &nn, const QString &mes, const QString &folha,
                                   const QString &exclusao)
{
    return ramoFolhaExtra(linhaNumMes(nn), QStringLiteral("       ") + Q(folha) + QStringLiteral(" AS MES,"),
                          folha, QStringLiteral(" folha"), mes, exclusao);
}

QStringList ramoDecimoFinal(const QString &nn, const QString &mes, const QString &folha,
                            const QString &exclusao)
{
    PartesRamo p;
    p.linhaSelect = QStringLiteral("SELECT  ") + Q(nn) + QStringLiteral(" AS nummes,");
    p.linhaMes = QStringLiteral("        ") + Q(folha) + QStringLiteral(" AS MES,");
    p.juncaoFolha = QStringLiteral(" INNER JOIN kvbdxx02") + folha + QStringLiteral(" folha");
    p.juncaoLotacao = QStringLiteral(" INNER JOIN kvb006") + mes + QStringLiteral(" lotacao ");
    p.recuo = QStringLiteral(" ");
    return ramoPagante(p, mes, exclusao);
}

QStringList ramoComplementar(const QString &prefixo, const QString &nn, const QString &mes,
                             const QString &folha, const QString &exclusao)
{
    return ramoFolhaExtra(prefixo + QStringLiteral(" SELECT ") + Q(nn) + QStringLiteral(" AS nummes,"),
                          QStringLiteral("       ") + Q(folha) + QStringLiteral(" AS mes,"), folha,
                          QStringLiteral(" folha "), mes, exclusao);
}

// Gives each payroll row the unit data of its department, falling back to the secretariat row and
// then to the client register.
QStringList linhasDeFechamento(const QString &mes)
{
    const QString vazio = Q(QString());
    return {
        QStringLiteral(") tab "),
        QStringLiteral("  INNER JOIN (SELECT  c.descricao,"),
        QStringLiteral("                      COALESCE(NULLIF(COALESCE(c.cgc, b.cgc), %1), a.cgc) cgc,")
            .arg(vazio),
        QStringLiteral("                      c.codorgao,"),
        QStringLiteral("                      COALESCE(NULLIF(COALESCE(c.codundgestor, b.codundgestor), %1), "
                       "a.codtcm) codundgestor,")
            .arg(vazio),
        QStringLiteral("                      c.codundorca,"),
        QStringLiteral("                      c.naoenvtrib,"),
        QStringLiteral("                      COALESCE(NULLIF(COALESCE(c.codorgao_cnpj, b.codorgao_cnpj), "
                       "%1), a.codorgao) codorgao_cnpj,")
            .arg(vazio),
        QStringLiteral("                      c.cdsecreta AS cdsecreta1,"),
        QStringLiteral("                      c.cdsetor AS cdsetor1,"),
        QStringLiteral("                      COALESCE(NULLIF(c.tipoorgao, %1), b.tipoorgao) tipoorgao,")
            .arg(vazio),
        QStringLiteral("                      c.status,"),
        QStringLiteral("                      c.fundebecontas"),
        QStringLiteral("                 FROM kvb006%1  c").arg(mes),
        QStringLiteral("                 LEFT JOIN (SELECT * "),
        QStringLiteral("                              FROM kvb006%1").arg(mes),
        // Quoted: compared with a bare 000, Firebird would convert every sector code to a number.
        QStringLiteral("                             WHERE cdsetor = %1) b").arg(Q(QStringLiteral("000"))),
        QStringLiteral("                   ON (c.cdsecreta = b.cdsecreta),"),
        QStringLiteral("                      kvb003 a) secr "),
        QStringLiteral(
            "                   ON (secr.cdsecreta1 = tab.cdsecreta  AND secr.cdsetor1 = tab.cdsetor)"),
    };
}

// The branches of the complementary sheets chosen for sending in the month (KVB020).
QStringList ramosComplementares(const QString &nn, const QString &mes, const QString &ano,
                                const QString &exclusao)
{
    const RowSet escolhidas = RowSet::abrir(Sql::Linhas({
        QStringLiteral("SELECT *     "),
        QStringLiteral("  FROM KVB020"),
        QStringLiteral(" WHERE ano = ") + Q(ano),
        QStringLiteral("   AND nummes = ") + Q(nn),
        QStringLiteral("   AND geral = ") + Q(QStringLiteral("T")),
    }));
    QStringList linhas;
    const int colunaMes = escolhidas.indiceCampo(QStringLiteral("mes"));
    for (int i = 0; i < escolhidas.quantidadeLinhas(); ++i) {
        const QString folha = ValidarFolhaComplementar(escolhidas.textoEm(i, colunaMes));
        linhas << ramoComplementar(i == 0 ? QString() : QStringLiteral(" UNION  "), nn, mes, folha, exclusao);
    }
    return linhas;
}

// Compiles the statement without fetching its rows: a statement the database rejects fails here.
void ValidarSelecao(const QString &sql)
{
    QSqlQuery consulta(Sql::Conexao());
    consulta.setForwardOnly(true);
    Sql::Preparar(consulta, sql);
}

void PerguntarFundeb(const QString &mes)
{
    const RowSet marcadas = RowSet::abrir(Sql::Linhas({
        QStringLiteral("SELECT *           "),
        QStringLiteral("  FROM KVB006") + mes,
        QStringLiteral(" WHERE status = ") + Q(QStringLiteral("1")),
        QStringLiteral("   AND naoenvtrib = ") + Q(QStringLiteral("F")),
        QStringLiteral("   AND fundebecontas = ") + Q(QStringLiteral("T")),
    }));
    if (marcadas.recordCount() == 0 &&
        !MensagemDeComfirmacao(
            QStringLiteral("Não existe nunhuma lotação marcada com < FUNDEB >. Deseja continuar?"))) {
        DefinirStatus(StatusGeracaoCancelada);
        throw Abortar();
    }
}

RowSet carregarFolhas(const QString &sql, const QStringList &ordem)
{
    if (sql.isEmpty())
        return RowSet();
    RowSet conjunto = RowSet::abrir(sql);
    if (!ordem.isEmpty())
        conjunto.ordenar(ordem);
    conjunto.first();
    return conjunto;
}

// A generation list keeps its branches and gets the closing lines, or is emptied when it has none.
void fecharListaDeGeracao(QStringList &lista, const QStringList &fechamento)
{
    if (lista.size() > 1)
        lista << fechamento.join(QLatin1Char('\n'));
    else
        lista.clear();
}

// The two branches of the base selection: the month's paying sheet and the staff paid only per-diems.
QStringList ramosDaBase(const QString &nn, const QString &mes, const QString &ano, const QString &exclusao,
                        const QString &colunasFolha)
{
    const QString periodo = QStringLiteral("   AND (EXTRACT(MONTH FROM dtato) IN (") + Q(nn) +
                            QStringLiteral(") AND EXTRACT(YEAR FROM dtato) = ") + Q(ano) +
                            QStringLiteral(") ");
    return ramoFolhaMensal(nn, mes, exclusao, colunasFolha)
           << QStringLiteral(" UNION ") << ramoDiarias(nn, mes, exclusao, periodo, colunasFolha);
}

} // namespace

TextosSelecao MontarTextosSelecao(int pTipo, const QString &pMes, const QString &pAno)
{
    const QString mes = Sql::ValidarMes(pMes);
    const QString exclusao = SelecaoDasSecretarias(mes);
    const QString nn = NumeroMesDoCodigo(mes);
    const QString letra = LetraDoMes(mes);

    QStringList base = {PrimeiraLinha};
    QStringList complementar = {PrimeiraLinha};
    QStringList decimoAdiantamento = {PrimeiraLinha};
    QStringList decimoFinal = {PrimeiraLinha};

    if (VerificaSeTabelaExiste(QStringLiteral("kvb001") + mes)) {
        base << ramosDaBase(nn, mes, pAno, exclusao, TodaAFolha);
        if (pTipo == 1) {
            if (VerificaSeTabelaExiste(QStringLiteral("kvb001") + letra + QStringLiteral("Y1")))
                decimoAdiantamento << ramoDecimoAdiantamento(nn, mes, letra + QStringLiteral("Y1"), exclusao);
            if (VerificaSeTabelaExiste(QStringLiteral("kvb001") + letra + QStringLiteral("Z1")))
                decimoFinal << ramoDecimoFinal(nn, mes, letra + QStringLiteral("Z1"), exclusao);
            complementar << ramosComplementares(nn, mes, pAno, exclusao);
        }
    }

    const QStringList fechamento = linhasDeFechamento(mes);
    fecharListaDeGeracao(complementar, fechamento);
    fecharListaDeGeracao(decimoAdiantamento, fechamento);
    fecharListaDeGeracao(decimoFinal, fechamento);
    base << fechamento;
    return {Sql::Linhas(base), Sql::Linhas(complementar), Sql::Linhas(decimoAdiantamento),
            Sql::Linhas(decimoFinal)};
}

QString SelecaoBaseDoPessoal(const QString &pMes, const QString &pAno)
{
    const QString mes = Sql::ValidarMes(pMes);
    if (!VerificaSeTabelaExiste(QStringLiteral("kvb001") + mes))
        return QString();
    return Sql::Linhas(QStringList{PrimeiraLinha}
                       << ramosDaBase(NumeroMesDoCodigo(mes), mes, pAno, SelecaoDasSecretarias(mes),
                                      SoAMatriculaDaFolha)
                       << linhasDeFechamento(mes));
}

void ConfiguracaoEContas(TEstadoEcontas &estado, bool pSenderGeracao, int pTipo, const QString &pMes,
                         const QString &pAno, const QString &pDataPagamento, const QString &pCNPJ)
{
    Q_UNUSED(pDataPagamento);
    Q_UNUSED(pCNPJ);
    const TextosSelecao textos = MontarTextosSelecao(pTipo, pMes, pAno);

    estado.SQLPadrao = textos.base;
    ValidarSelecao(estado.SQLPadrao);

    if (pSenderGeracao)
        PerguntarFundeb(pMes);

    if (pTipo == 1) {
        // As with the record sources: the sheets of an earlier run are let go before the new ones load.
        for (RowSet *folhas : {&estado.CDS_COMPLEMENTAR, &estado.CDS_DECADIANT, &estado.CDS_DECFINAL})
            folhas->fechar();
        estado.CDS_COMPLEMENTAR = carregarFolhas(
            textos.complementar, {QStringLiteral("NUMMES"), QStringLiteral("MATRICULA"),
                                  QStringLiteral("CODUNDGESTOR"), QStringLiteral("CODUNDORCA")});
        estado.CDS_DECADIANT = carregarFolhas(textos.decimoAdiantamento, {});
        estado.CDS_DECFINAL =
            carregarFolhas(textos.decimoFinal, {QStringLiteral("MATRICULA"), QStringLiteral("CODUNDGESTOR"),
                                                QStringLiteral("CODUNDORCA")});
    }
}

} // namespace TComandosSql
