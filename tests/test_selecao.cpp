// The base payroll selection: its statements as text, who it selects on real data, the sheet sets
// and the FUNDEB question.
#include "common/Falha.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ComandosSelecao.h"
#include "generation/Geracao.h"
#include "support/BancoTeste.h"
#include "support/CenarioFolha.h"
#include "support/OperadorTeste.h"

#include <QtTest>

using namespace TComandosSql;

namespace {

QString colunasPessoal(const QString &recuo)
{
    QString r;
    for (const char *c : {"cdsecreta,              ", "cdsetor,                ", "funcao,                 ",
                          "cpf,                    ", "pispasep,               ", "nome,                   ",
                          "sexo,                   ", "dtnasc,                 ", "dtadmissao,             ",
                          "paramtcm,               ", "numproc_pa,             ", "sistema,                "})
        r += recuo + "       pessoal." + c + "\n";
    return r + recuo + "       folha.*                         \n";
}

const QString Fechamento =
    ") tab \n"
    "  INNER JOIN (SELECT  c.descricao,\n"
    "                      COALESCE(NULLIF(COALESCE(c.cgc, b.cgc), ''), a.cgc) cgc,\n"
    "                      c.codorgao,\n"
    "                      COALESCE(NULLIF(COALESCE(c.codundgestor, b.codundgestor), ''), a.codtcm) "
    "codundgestor,\n"
    "                      c.codundorca,\n"
    "                      c.naoenvtrib,\n"
    "                      COALESCE(NULLIF(COALESCE(c.codorgao_cnpj, b.codorgao_cnpj), ''), a.codorgao) "
    "codorgao_cnpj,\n"
    "                      c.cdsecreta AS cdsecreta1,\n"
    "                      c.cdsetor AS cdsetor1,\n"
    "                      COALESCE(NULLIF(c.tipoorgao, ''), b.tipoorgao) tipoorgao,\n"
    "                      c.status,\n"
    "                      c.fundebecontas\n"
    "                 FROM kvb006JAN  c\n"
    "                 LEFT JOIN (SELECT * \n"
    "                              FROM kvb006JAN\n"
    "                             WHERE cdsetor = '000') b\n"
    "                   ON (c.cdsecreta = b.cdsecreta),\n"
    "                      kvb003 a) secr \n"
    "                   ON (secr.cdsecreta1 = tab.cdsecreta  AND secr.cdsetor1 = tab.cdsetor)\n";

QString selecaoBaseJaneiro(const QString &exclusao)
{
    return "SELECT  SECR.*, TAB.* FROM (\n"
           "SELECT '01' AS nummes,\n"
           "       'JAN' AS mes,                \n"
           "       lotacao.fechamento,             \n"
           "       pessoal.matricula AS matricula1,\n" +
           colunasPessoal("") +
           "  FROM kvb001JAN pessoal      \n"
           " INNER JOIN kvbdxx02JAN folha      \n"
           "    ON (pessoal.matricula = folha.matricula)\n"
           " INNER JOIN kvb006JAN lotacao      \n"
           "    ON (pessoal.cdsecreta = lotacao.cdsecreta AND pessoal.cdsetor = lotacao.cdsetor)\n"
           " WHERE pessoal.TCM = 'F'\n"
           "   AND folha.ativo = 'T'\n"
           "   AND lotacao.status = '1'\n"
           "   AND folha.totprov > 0 " +
           exclusao +
           "\n"
           " UNION \n"
           "SELECT '01' AS nummes,\n"
           "       'JAN' AS mes,                \n"
           "       lotacao.fechamento,             \n"
           "       pessoal.matricula as matricula1,\n" +
           colunasPessoal("") +
           "  FROM kvb001JAN pessoal      \n"
           " INNER JOIN kvbdxx02JAN folha \n"
           "    ON (pessoal.matricula = folha.matricula)\n"
           " INNER JOIN kvb006JAN lotacao \n"
           "    ON (pessoal.cdsecreta = lotacao.cdsecreta AND pessoal.cdsetor = lotacao.cdsetor)\n"
           " INNER JOIN KVBW9927 kvbw9927          \n"
           "    ON (pessoal.matricula = kvbw9927.matricula)\n"
           " WHERE pessoal.TCM = 'F'\n"
           "   AND folha.ativo = 'T'\n"
           "   AND lotacao.status = '1'\n"
           "   AND folha.totprov = 0 " +
           exclusao +
           "   AND (EXTRACT(MONTH FROM dtato) IN ('01') AND EXTRACT(YEAR FROM dtato) = '2020') \n" +
           Fechamento;
}

QStringList matriculas(const QString &sql, const QString &campo = QStringLiteral("MATRICULA"))
{
    RowSet r = RowSet::abrir(sql);
    QStringList m;
    for (r.first(); !r.eof(); r.next())
        m << r.texto(campo);
    m.sort();
    return m;
}

TEstadoEcontas estadoJaneiro()
{
    TEstadoEcontas estado;
    estado.ano_folha = QStringLiteral("2020");
    estado.mes_cadastro = QStringLiteral("JAN");
    estado.competencia = QStringLiteral("012020");
    estado.numero_mes_selecionado = QStringLiteral("01");
    estado.dataPagamento = QDate(2020, 1, 31);
    return estado;
}

} // namespace

class TesteSelecao : public QObject {
    Q_OBJECT
private slots:
    void exclusaoDasSecretarias();
    void textoDaSelecaoBase();
    void textosDasFolhasDoMes();
    void textosSemFolhasExtras();
    void quemASelecaoEscolhe();
    void unidadesCaemParaSecretariaECliente();
    void conjuntosDeFolhas();
    void naoAoFundebParaEmSilencio();
    void codigoInvalidoNaKvb020();
    void mesSemTabelaDePessoalFalha();
};

void TesteSelecao::exclusaoDasSecretarias()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioFolha c(banco);
    c.lotacao("S01", "000");
    c.lotacao("T02", "D03");
    QCOMPARE(SelecaoDasSecretarias("JAN"), QString());

    banco.executar("UPDATE KVB006JAN SET NAOENVTRIB = 'T'");
    c.lotacao("A00", "001"); // not marked
    QCOMPARE(
        SelecaoDasSecretarias("JAN"),
        QStringLiteral(
            " AND ( (pessoal.cdsecreta  <> 'S01') AND  (pessoal.cdsecreta||pessoal.cdsetor  <> 'T02D03'))"));
    QVERIFY_THROWS_EXCEPTION(Falha, SelecaoDasSecretarias("JAN; DROP"));
}

void TesteSelecao::textoDaSelecaoBase()
{
    OperadorTeste operador;
    BancoTeste banco;
    QCOMPARE(MontarTextosSelecao(0, "JAN", "2020").base, selecaoBaseJaneiro(QString()));

    CenarioFolha(banco).lotacao("S01", "000", {{"NAOENVTRIB", "T"}});
    QCOMPARE(MontarTextosSelecao(0, "JAN", "2020").base,
             selecaoBaseJaneiro(QStringLiteral(" AND ( (pessoal.cdsecreta  <> 'S01'))")));

    // The stored statement is the built one and the database accepts it.
    TEstadoEcontas estado = estadoJaneiro();
    ConfiguraEcontas(estado);
    QCOMPARE(estado.SQLPadrao, selecaoBaseJaneiro(QStringLiteral(" AND ( (pessoal.cdsecreta  <> 'S01'))")));
}

void TesteSelecao::textosDasFolhasDoMes()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AY1", "AZ1", "AC1", "AC2"});
    banco.inserir("KVB020",
                  {{"ANO", "2020"}, {"NUMMES", "01"}, {"MES", "AC1"}, {"CNPJ", "1"}, {"GERAL", "T"}});
    banco.inserir("KVB020",
                  {{"ANO", "2020"}, {"NUMMES", "01"}, {"MES", "AC2"}, {"CNPJ", "1"}, {"GERAL", "T"}});
    banco.inserir("KVB020",
                  {{"ANO", "2020"}, {"NUMMES", "01"}, {"MES", "AC3"}, {"CNPJ", "1"}, {"GERAL", "F"}});
    banco.inserir("KVB020",
                  {{"ANO", "2019"}, {"NUMMES", "01"}, {"MES", "AC4"}, {"CNPJ", "1"}, {"GERAL", "T"}});

    const TextosSelecao textos = MontarTextosSelecao(1, "JAN", "2020");
    const QString filtros = " WHERE pessoal.TCM = 'F'\n"
                            "   AND folha.ativo = 'T'\n"
                            "   AND lotacao.status = '1'\n"
                            "   AND folha.totprov > 0 \n";
    auto ramoComplementar = [&](const QString &prefixo, const QString &folha) {
        return prefixo +
               " SELECT '01' AS nummes,\n"
               "       '" +
               folha +
               "' AS mes,\n"
               "       lotacao.fechamento,             \n"
               "       pessoal.matricula AS matricula1,\n" +
               colunasPessoal("") +
               "  FROM kvb001JAN pessoal      \n"
               " INNER JOIN kvbdxx02" +
               folha +
               " folha \n"
               "    ON (pessoal.matricula = folha.matricula)\n"
               " INNER JOIN kvb006JAN lotacao \n"
               "    ON (pessoal.cdsecreta = lotacao.cdsecreta AND pessoal.cdsetor = lotacao.cdsetor)\n" +
               filtros;
    };
    QCOMPARE(textos.complementar, "SELECT  SECR.*, TAB.* FROM (\n" + ramoComplementar("", "AC1") +
                                      ramoComplementar(" UNION  ", "AC2") + Fechamento);

    QCOMPARE(textos.decimoAdiantamento,
             "SELECT  SECR.*, TAB.* FROM (\n"
             "SELECT '01' AS nummes,\n"
             "       'AY1' AS MES,\n"
             "       lotacao.fechamento,             \n"
             "       pessoal.matricula AS matricula1,\n" +
                 colunasPessoal("") +
                 "  FROM kvb001JAN pessoal      \n"
                 " INNER JOIN kvbdxx02AY1 folha\n"
                 "    ON (pessoal.matricula = folha.matricula)\n"
                 " INNER JOIN kvb006JAN lotacao \n"
                 "    ON (pessoal.cdsecreta = lotacao.cdsecreta AND pessoal.cdsetor = lotacao.cdsetor)\n" +
                 filtros + Fechamento);

    QCOMPARE(textos.decimoFinal,
             "SELECT  SECR.*, TAB.* FROM (\n"
             "SELECT  '01' AS nummes,\n"
             "        'AZ1' AS MES,\n"
             "        lotacao.fechamento,             \n"
             "        pessoal.matricula AS matricula1,\n" +
                 colunasPessoal(" ") +
                 "   FROM kvb001JAN pessoal      \n"
                 "  INNER JOIN kvbdxx02AZ1 folha\n"
                 "     ON (pessoal.matricula = folha.matricula)\n"
                 "  INNER JOIN kvb006JAN lotacao \n"
                 "     ON (pessoal.cdsecreta = lotacao.cdsecreta AND pessoal.cdsetor = lotacao.cdsetor)\n"
                 "  WHERE pessoal.TCM = 'F'\n"
                 "    AND folha.ativo = 'T'\n"
                 "    AND lotacao.status = '1'\n"
                 "    AND folha.totprov > 0 \n" +
                 Fechamento);

    // A build of type 0 holds only the base statement.
    const TextosSelecao soBase = MontarTextosSelecao(0, "JAN", "2020");
    QVERIFY(soBase.complementar.isEmpty() && soBase.decimoAdiantamento.isEmpty() &&
            soBase.decimoFinal.isEmpty());
}

void TesteSelecao::textosSemFolhasExtras()
{
    OperadorTeste operador;
    BancoTeste banco;
    const TextosSelecao textos = MontarTextosSelecao(1, "JAN", "2020");
    QCOMPARE(textos.base, selecaoBaseJaneiro(QString()));
    QVERIFY(textos.complementar.isEmpty());
    QVERIFY(textos.decimoAdiantamento.isEmpty());
    QVERIFY(textos.decimoFinal.isEmpty());
}

void TesteSelecao::quemASelecaoEscolhe()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioFolha c(banco);
    c.cliente();
    c.lotacao("001", "000");
    c.lotacao("001", "001");
    c.lotacao("002", "000", {{"NAOENVTRIB", "T"}}); // whole secretariat excluded
    c.lotacao("002", "001");
    c.lotacao("003", "000");
    c.lotacao("003", "001");
    c.lotacao("003", "002", {{"NAOENVTRIB", "T"}}); // one department excluded
    c.lotacao("004", "001", {{"STATUS", "0"}});     // inactive department
    c.servidor("00000001", "001", "001");
    c.servidor("00000002", "002", "001");
    c.servidor("00000003", "003", "001");
    c.servidor("00000004", "003", "002");
    c.servidor("00000005", "004", "001");
    c.servidor("00000006", "001", "001", 1000.0, {{"TCM", "T"}});
    c.pessoa("00000007", "001", "001");
    c.folha("JAN", "00000007", 500.0, {{"ATIVO", "F"}});
    c.servidor("00000008", "001", "001", 0.0); // two per-diems in the month
    c.diaria("00000008", QDate(2020, 1, 10));
    c.diaria("00000008", QDate(2020, 1, 20));
    c.servidor("00000009", "001", "001", 0.0); // per-diem in another month only
    c.diaria("00000009", QDate(2020, 2, 10));
    c.servidor("00000010", "001", "001", 0.0); // nothing at all

    TEstadoEcontas estado = estadoJaneiro();
    ConfiguraEcontas(estado);
    QCOMPARE(matriculas(estado.SQLPadrao), (QStringList{"00000001", "00000003", "00000008"}));
}

void TesteSelecao::unidadesCaemParaSecretariaECliente()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioFolha c(banco);
    c.cliente({{"CGC", "99999999000199"}, {"CODTCM", "900001"}, {"CODORGAO", "77"}});
    c.lotacao("001", "000", {{"CGC", "22222222000122"}, {"CODUNDGESTOR", "100001"}, {"TIPOORGAO", "J"}});
    c.lotacao("001", "001", {{"CODUNDORCA", "200001"}});                              // own values missing
    c.lotacao("001", "002", {{"CGC", ""}, {"CODUNDGESTOR", ""}, {"TIPOORGAO", "I"}}); // empty: client's
    c.lotacao("002", "001");                                                          // no secretariat row
    c.servidor("00000001", "001", "001");
    c.servidor("00000002", "001", "002");
    c.servidor("00000003", "002", "001");

    TEstadoEcontas estado = estadoJaneiro();
    ConfiguraEcontas(estado);
    QCOMPARE(banco.linhas("SELECT matricula, cgc, codundgestor, codorgao_cnpj, tipoorgao FROM (" +
                          estado.SQLPadrao + ") ORDER BY matricula"),
             (QStringList{
                 "MATRICULA=00000001|CGC=22222222000122|CODUNDGESTOR=100001|CODORGAO_CNPJ=77|TIPOORGAO=J",
                 "MATRICULA=00000002|CGC=99999999000199|CODUNDGESTOR=900001|CODORGAO_CNPJ=77|TIPOORGAO=I",
                 "MATRICULA=00000003|CGC=99999999000199|CODUNDGESTOR=900001|CODORGAO_CNPJ=77|TIPOORGAO=NULL",
             }));
}

void TesteSelecao::conjuntosDeFolhas()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "AY1", "AZ1", "AC1", "AC2"});
    CenarioFolha jan(banco);
    jan.cliente();
    jan.lotacao("001", "000");
    jan.lotacao("001", "001", {{"CODUNDGESTOR", "100001"}, {"CODUNDORCA", "200001"}});
    for (const char *m : {"00000003", "00000001", "00000002"}) {
        jan.servidor(m, "001", "001");
        jan.folha("AY1", m, 300.0);
        jan.folha("AZ1", m, 400.0);
        jan.folha("AC1", m, 50.0);
    }
    jan.folha("AC2", "00000001", 60.0);
    jan.folha("AC2", "00000004", 60.0); // not in the monthly personnel: not selected
    for (const char *folha : {"AC2", "AC1"})
        banco.inserir("KVB020",
                      {{"ANO", "2020"}, {"NUMMES", "01"}, {"MES", folha}, {"CNPJ", "1"}, {"GERAL", "T"}});
    CenarioFolha fev(banco, "FEV");
    fev.lotacao("001", "001");
    fev.servidor("00000001", "001", "001");

    TEstadoEcontas estado = estadoJaneiro();
    ConfiguraEcontas(estado); // type 0: the sets stay closed
    QVERIFY(!estado.CDS_COMPLEMENTAR.aberto() && !estado.CDS_DECADIANT.aberto() &&
            !estado.CDS_DECFINAL.aberto());

    ConfiguraEcontas2(estado);
    auto chaves = [](RowSet &r) {
        QStringList l;
        for (r.first(); !r.eof(); r.next())
            l << r.texto("MES") + ':' + r.texto("MATRICULA") + ':' + r.texto("CODUNDGESTOR") + ':' +
                     r.texto("NUMMES");
        return l;
    };
    QCOMPARE(chaves(estado.CDS_COMPLEMENTAR),
             (QStringList{"AC1:00000001:100001:01", "AC2:00000001:100001:01", "AC1:00000002:100001:01",
                          "AC1:00000003:100001:01"}));
    QCOMPARE(chaves(estado.CDS_DECFINAL),
             (QStringList{"AZ1:00000001:100001:01", "AZ1:00000002:100001:01", "AZ1:00000003:100001:01"}));
    QCOMPARE(estado.CDS_DECADIANT.recordCount(), 3);
    QCOMPARE(estado.CDS_DECADIANT.texto("MES"), QStringLiteral("AY1"));
    QVERIFY(estado.CDS_DECADIANT.temCampo("VALOR1") && estado.CDS_DECADIANT.temCampo("DTADMISSAO"));

    // A month click afterwards leaves them as they were.
    ConfiguraEcontas(estado);
    QCOMPARE(estado.CDS_COMPLEMENTAR.recordCount(), 4);

    // A generation build of a month without those sheets closes all three.
    estado.mes_cadastro = "FEV";
    estado.numero_mes_selecionado = "02";
    ConfiguraEcontas2(estado);
    QVERIFY(!estado.CDS_COMPLEMENTAR.aberto() && !estado.CDS_DECADIANT.aberto() &&
            !estado.CDS_DECFINAL.aberto());
    QVERIFY(estado.SQLPadrao.contains("kvb001FEV"));
}

void TesteSelecao::naoAoFundebParaEmSilencio()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AY1"});
    CenarioFolha c(banco);
    c.cliente();
    c.lotacao("001", "001", {{"FUNDEBECONTAS", "F"}});
    c.servidor("00000001", "001", "001");
    c.folha("AY1", "00000001", 10.0);

    TEstadoEcontas estado = estadoJaneiro();
    estado.SQLPadrao = "anterior";
    ConfiguraEcontas(estado); // type 0 never asks
    QVERIFY(operador.mensagens.isEmpty());

    estado.SQLPadrao = "anterior";
    operador.responder({false});
    QVERIFY_THROWS_EXCEPTION(Abortar, ConfiguraEcontas2(estado));
    QCOMPARE(operador.textos(),
             QStringList{"Não existe nunhuma lotação marcada com < FUNDEB >. Deseja continuar?"});
    QCOMPARE(operador.mensagens.first().tipo, QStringLiteral("confirmacao"));
    QCOMPARE(estado.SQLPadrao, selecaoBaseJaneiro(QString()));
    QVERIFY(!estado.CDS_DECADIANT.aberto());

    operador.responder({true});
    ConfiguraEcontas2(estado);
    QCOMPARE(estado.CDS_DECADIANT.recordCount(), 1);

    // A marked department: no question.
    operador.limpar();
    banco.executar("UPDATE KVB006JAN SET FUNDEBECONTAS = 'T'");
    ConfiguraEcontas2(estado);
    QVERIFY(operador.mensagens.isEmpty());
}

void TesteSelecao::codigoInvalidoNaKvb020()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB020",
                  {{"ANO", "2020"}, {"NUMMES", "01"}, {"MES", "A;D"}, {"CNPJ", "1"}, {"GERAL", "T"}});
    TEstadoEcontas estado = estadoJaneiro();
    try {
        ConfiguraEcontas2(estado);
        QFAIL("a sheet code that is not a complementary code was accepted");
    } catch (const Falha &f) {
        QVERIFY2(f.mensagem().contains("\"A;D\"") && f.mensagem().contains("KVB020"),
                 qPrintable(f.mensagem()));
    }
}

void TesteSelecao::mesSemTabelaDePessoalFalha()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.executar("CREATE TABLE KVB006FEV (CDSECRETA CHAR(3), CDSETOR CHAR(3), DESCRICAO VARCHAR(40), "
                   "NAOENVTRIB CHAR(1))");
    TEstadoEcontas estado = estadoJaneiro();
    estado.mes_cadastro = "FEV";
    QVERIFY_THROWS_EXCEPTION(Falha, ConfiguraEcontas(estado));
    QVERIFY(estado.SQLPadrao.startsWith("SELECT  SECR.*, TAB.* FROM (\n) tab \n"));
}

QTEST_GUILESS_MAIN(TesteSelecao)
#include "test_selecao.moc"
