#include "econtas/ComandosControle.h"

#include "common/Falha.h"
#include "common/Operador.h"
#include "common/Relogio.h"
#include "common/uUtil.h"
#include "db/Sql.h"

#include <QDate>
#include <QDateTime>
#include <QSet>

namespace TComandosSql {

void CarimbarControle(CarimboControle carimbo, const QString &competencia, const QString &usuario)
{
    const QString coluna = carimbo == CarimboControle::Criticas  ? QStringLiteral("DT_CRITICAS")
                           : carimbo == CarimboControle::Geracao ? QStringLiteral("DT_GERACAO")
                                                                 : QStringLiteral("DT_EXPORTACAO");
    Sql::Executar(QStringLiteral("UPDATE CTRL_TCMTPA SET %1 = ?, %2 WHERE %3")
                      .arg(coluna,
                           Sql::Atribuicoes(QStringLiteral("CTRL_TCMTPA"), {QStringLiteral("USUARIO")}, {}),
                           Sql::Atribuicoes(QStringLiteral("CTRL_TCMTPA"), {QStringLiteral("MES_ANO")}, {})),
                  {QDateTime(Hoje(), QTime(0, 0)), usuario, competencia});
}

RowSet CarregarCliente()
{
    return comPrefixo(QStringLiteral("Error ao acessa a tabela de clientes. "),
                      [] { return RowSet::abrir(QStringLiteral("SELECT * FROM KVB003")); });
}

void CarregaControles(const QString &pAno, const QString &pCnpj)
{
    InserirControlesTCMPA(pAno, pCnpj);
}

QString SqlMesesComFolhaRegular()
{
    QStringList meses;
    for (const QString &mes : MESES)
        meses << Sql::Q(mes);
    return Sql::Linhas({
        QStringLiteral("SELECT DISTINCT (SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3)) TABELA"),
        QStringLiteral("  FROM RDB$RELATION_FIELDS"),
        QStringLiteral(" WHERE RDB$RELATION_NAME LIKE %1").arg(Sql::Q(QStringLiteral("%XX02%"))),
        QStringLiteral("   AND SUBSTRING(SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3) FROM 1 FOR 3) IN (%1)")
            .arg(meses.join(',')),
    });
}

void InserirControlesTCMPA(const QString &pAno, const QString &pCnpj)
{
    QSet<QString> existentes;
    RowSet controle = RowSet::abrir(QStringLiteral("SELECT MES_ANO FROM CTRL_TCMTPA"));
    for (controle.first(); !controle.eof(); controle.next())
        existentes.insert(controle.texto(QStringLiteral("MES_ANO")));

    RowSet folhas = RowSet::abrir(SqlMesesComFolhaRegular());
    for (folhas.first(); !folhas.eof(); folhas.next()) {
        const QString mesAno = NumeroMesDoCodigo(folhas.texto(QStringLiteral("TABELA"))) + pAno;
        if (existentes.contains(mesAno))
            continue;
        Sql::Executar(
            Sql::Insercao(QStringLiteral("CTRL_TCMTPA"),
                          {QStringLiteral("MES_ANO"), QStringLiteral("CNPJ"), QStringLiteral("GERAL")}),
            {mesAno, pCnpj, QStringLiteral("F")});
        existentes.insert(mesAno);
    }
}

QString SqlControleTcmPA(const QString &pAno)
{
    static const QStringList legendas = {
        QStringLiteral("Janeiro de "), QStringLiteral("Fevereiro de "), QStringLiteral("Março de "),
        QStringLiteral("Abril de "),   QStringLiteral("Maio de "),      QStringLiteral("Junho de "),
        QStringLiteral("Julho de "),   QStringLiteral("Agosto de "),    QStringLiteral("Setembro de "),
        QStringLiteral("Outubro de "), QStringLiteral("Novembro de "),  QStringLiteral("Dezembro de "),
    };
    QStringList linhas = {QStringLiteral("SELECT CASE SUBSTRING(mes_ano FROM 1 FOR 2)")};
    for (int i = 0; i < legendas.size(); ++i)
        linhas << QStringLiteral("         WHEN %1 THEN %2 || SUBSTRING(mes_ano FROM 3 FOR 4)")
                      .arg(Sql::Q(QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'))),
                           Sql::Q(legendas[i]));
    linhas << QStringLiteral("       END AS competencia") << QStringLiteral("      ,geral             ")
           << QStringLiteral("      ,cnpj              ") << QStringLiteral("      ,dt_criticas       ")
           << QStringLiteral("      ,dt_geracao        ") << QStringLiteral("      ,dt_exportacao     ")
           << QStringLiteral("      ,mes_ano           ") << QStringLiteral("  FROM CTRL_TCMTPA       ")
           << QStringLiteral(" WHERE SUBSTRING(mes_ano FROM 3 FOR 4) = %1").arg(Sql::Q(pAno))
           << QStringLiteral(" ORDER BY mes_ano, cnpj");
    return Sql::Linhas(linhas);
}

RowSet ControleTcmPA(const QString &pAno)
{
    try {
        return RowSet::abrir(SqlControleTcmPA(pAno));
    } catch (const Falha &f) {
        Operador().aviso(
            QStringLiteral("Tovrin Sistemas"),
            QStringLiteral("Não foi possível carregar <CTRL_TCMTPA>, contate a Tovrin Sistemas!") +
                QChar(13) + f.mensagem());
        return RowSet();
    }
}

QStringList FolhasDoMes(const QString &pMes)
{
    const QString letra = LetraDoMes(Sql::ValidarMes(pMes));
    const QString sql = Sql::Linhas({
        QStringLiteral("SELECT DISTINCT (SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3)) TABELA"),
        QStringLiteral(" FROM RDB$RELATION_FIELDS"),
        QStringLiteral("WHERE (RDB$RELATION_NAME LIKE %1)").arg(Sql::Q(QStringLiteral("%XX02%"))),
        QStringLiteral("  AND ((RDB$RELATION_NAME LIKE %1)")
            .arg(Sql::Q(QStringLiteral("%") + letra + QStringLiteral("C%"))),
        QStringLiteral("   OR (RDB$RELATION_NAME LIKE %1)")
            .arg(Sql::Q(QStringLiteral("%") + letra + QStringLiteral("Y%"))),
        QStringLiteral("   OR (RDB$RELATION_NAME LIKE %1)")
            .arg(Sql::Q(QStringLiteral("%") + letra + QStringLiteral("Z%"))),
        QStringLiteral("   OR (RDB$RELATION_NAME LIKE %1))")
            .arg(Sql::Q(QStringLiteral("%") + pMes + QStringLiteral("%"))),
    });
    QStringList folhas;
    RowSet consulta = RowSet::abrir(sql);
    for (consulta.first(); !consulta.eof(); consulta.next())
        folhas << consulta.texto(QStringLiteral("TABELA"));
    return folhas;
}

void consultaFechamentoFolhas(const QString &pMes)
{
    for (const QString &folha : FolhasDoMes(pMes)) {
        if (Folhafechada(folha))
            continue;
        MensagemInformacao(QStringLiteral("Existem folhas abertas. Impossível geração..."));
        throw Abortar();
    }
}

bool Folhafechada(const QString &pMes)
{
    const QString folha = Sql::ValidarFolha(pMes);
    const QString sql = Sql::Linhas({
        QStringLiteral("select  pessoal.matricula, pessoal.cdsecreta ,lotacao.cdsecreta, pessoal.obs, "
                       "lotacao.cdsecreta, lotacao.cdsetor, lotacao.fechamento "),
        QStringLiteral("from kvb001") + folha + QStringLiteral(" pessoal "),
        QStringLiteral(" INNER JOIN KVBDXX02") + folha + QStringLiteral(" FOLHA "),
        QStringLiteral("on (pessoal.MATRICULA = FOLHA.MATRICULA) "),
        QStringLiteral("inner join kvb006") + folha + QStringLiteral(" lotacao "),
        QStringLiteral("on (pessoal.cdsecreta = lotacao.cdsecreta) "),
        QStringLiteral("where (pessoal.cdsetor = lotacao.cdsetor) AND (FOLHA.ATIVO = %1 ) ")
            .arg(Sql::Q(QStringLiteral("T"))),
        QStringLiteral("and lotacao.FECHAMENTO = %1").arg(Sql::Q(QStringLiteral("A"))),
    });
    bool fechada = RowSet::abrir(sql).recordCount() == 0;
    if (RowSet::abrir(QStringLiteral("SELECT * FROM KVB006") + folha).recordCount() == 0)
        fechada = false;
    return fechada;
}

namespace {

// The sheet codes of the month whose department table exists.
QStringList TabelasDeLotacaoDoMes(const QString &pMes)
{
    const QString letra = LetraDoMes(pMes);
    RowSet tabelas = RowSet::abrir(
        QStringLiteral("SELECT DISTINCT TRIM(RDB$RELATION_NAME) TABELA FROM RDB$RELATION_FIELDS "
                       "WHERE RDB$RELATION_NAME STARTING WITH 'KVB006'"));
    QStringList folhas;
    for (tabelas.first(); !tabelas.eof(); tabelas.next()) {
        const QString folha = tabelas.texto(QStringLiteral("TABELA")).mid(6);
        if (folha == pMes || (Sql::EhCodigoFolhaExtra(folha) && folha.startsWith(letra)))
            folhas << folha;
    }
    return folhas;
}

} // namespace

void Gravar_Status_Fec(const QString &pval_comp, const QString &pval_rec, const QString &pmes_folha)
{
    const QStringList folhas = TabelasDeLotacaoDoMes(Sql::ValidarMes(pmes_folha));
    comPrefixo(QStringLiteral("Error Message..."), [&] {
        Sql::Transacao transacao;
        for (const QString &folha : folhas)
            Sql::Executar(QStringLiteral("UPDATE KVB006%1 SET fechamento = %2 WHERE fechamento = %3")
                              .arg(folha, Sql::Q(pval_rec), Sql::Q(pval_comp)));
        transacao.commit();
    });
}

QString EnvLetraRetorna_Mes(const QString &pLetra)
{
    const QString mes = MesDaLetra(pLetra);
    if (mes.isEmpty())
        throw Falha(QStringLiteral("Letra de mês inválida: \"%1\".").arg(pLetra));
    return mes;
}

} // namespace TComandosSql
