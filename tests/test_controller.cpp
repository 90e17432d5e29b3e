// The record objects and their writer: column mapping, NULL and date rules, updates by key, the value
// lookup, the complementary-sheet table and the failure texts.
#include "common/Falha.h"
#include "db/Sql.h"
#include "econtas/InsercaoEmBlocos.h"
#include "econtas/TabelasTrabalho.h"
#include "econtas/uEcontasController.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

DataDias Dia(int ano, int mes, int dia, int hora = 0, int minuto = 0)
{
    return DataParaDias(QDateTime(QDate(ano, mes, dia), QTime(hora, minuto)));
}

Dinheiro D(const char *texto)
{
    return Dinheiro::deTexto(QString::fromLatin1(texto));
}

TEContas43 Item(const QString &codevento, const char *valor)
{
    TEContas43 r;
    r.Setcompetencia("032024");
    r.Setcnpj("11222333000144");
    r.Setug("00101");
    r.Setuo("00201");
    r.Setmatricula("123");
    r.Settipopagto(1);
    r.Setdtpagto(Dia(2024, 3, 31));
    r.Setcodevento(codevento);
    r.Setvalor(D(valor));
    return r;
}

TEContas41 Pagamento(DataDias dtpagto)
{
    TEContas41 r;
    r.Setcompetencia("032024");
    r.Setcnpj("11222333000144");
    r.Setug("00101");
    r.Setuo("00201");
    r.Setmatricula("123");
    r.Settipopagto(1);
    r.Setdtpagto(dtpagto);
    return r;
}

TEcontasComplementares Folha(const QString &geral)
{
    TEcontasComplementares r;
    r.Setano("2024");
    r.Setnummes("03");
    r.Setmes("CC1");
    r.Setcnpj("11222333000144");
    r.Setgeral(geral);
    return r;
}

const QString Sql043 =
    QStringLiteral("SELECT CODEVENTO, DTPAGTO, TIPOGRAT, CODGRAT, DESCONTO, "
                   "CAST(VALOR AS VARCHAR(30)) AS VALOR FROM ECONTAS_043 ORDER BY CODEVENTO");

} // namespace

class TesteController : public QObject {
    Q_OBJECT
private slots:
    void registrosComecamNosPadroes();
    void item043NulosEDesconto_data();
    void item043NulosEDesconto();
    void colunasDeCadaRegistro();
    void regrasDeDatas();
    void atualizacoesMudamSoALinhaDaChave();
    void valorDoEventoCasoExista();
    void complementaresInsereAtualizaEDeleta();
    void falhasComPrefixo();
    void descricaoDasTabelas_data();
    void descricaoDasTabelas();
    void linhaIncompletaNaoSeGrava();
    void insercoesEmBlocos();
    void falhaNoMeioDeUmBloco();
};

void TesteController::registrosComecamNosPadroes()
{
    TEContas43 item;
    QVERIFY(item.uo().isEmpty() && item.desconto().isEmpty());
    QCOMPARE(item.codgrat(), 0);
    QCOMPARE(item.tipograt(), 0);
    QVERIFY(item.valor().eZero());
    QCOMPARE(item.dtpagto(), 0.0);
    TEContas43 copia = item;
    copia.Setdesconto(" x ");
    QCOMPARE(copia.desconto(), QStringLiteral(" x ")); // stored unchanged
}

void TesteController::item043NulosEDesconto_data()
{
    QTest::addColumn<int>("tipograt");
    QTest::addColumn<int>("codgrat");
    QTest::addColumn<QString>("desconto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("-1 e vazio") << -1 << -1 << ""
                                << "TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=F";
    QTest::newRow("zeros") << 0 << 0 << ""
                           << "TIPOGRAT=0|CODGRAT=0|DESCONTO=F";
    QTest::newRow("valores") << 3 << 12 << "T"
                             << "TIPOGRAT=3|CODGRAT=12|DESCONTO=T";
    QTest::newRow("só codgrat nulo") << 99 << -1 << "F"
                                     << "TIPOGRAT=99|CODGRAT=NULL|DESCONTO=F";
}

void TesteController::item043NulosEDesconto()
{
    QFETCH(int, tipograt);
    QFETCH(int, codgrat);
    QFETCH(QString, desconto);
    QFETCH(QString, esperado);
    OperadorTeste operador;
    BancoTeste banco;
    TEContas43 item = Item("07", "1.5");
    item.Settipograt(tipograt);
    item.Setcodgrat(codgrat);
    item.Setdesconto(desconto);
    TEcontasController().InserirEcontas_043(item);
    QCOMPARE(banco.linhas("SELECT TIPOGRAT, CODGRAT, DESCONTO FROM ECONTAS_043"), QStringList{esperado});
}

void TesteController::colunasDeCadaRegistro()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEcontasController controller;

    TEContas10 r10;
    r10.Setcnpj("C");
    r10.Setcodtcm("T");
    r10.Setdescricao("Prefeitura d'Água");
    r10.Setug("00101");
    r10.Setcompetencia("032024");
    r10.Settipo("1");
    controller.InserirEcontas_010(r10);
    QCOMPARE(banco.linhas("SELECT * FROM ECONTAS_010"),
             QStringList{"COMPETENCIA=032024|CNPJ=C|UG=00101|DESCRICAO=Prefeitura d'Água|TIPO=1|CODTCM=T"});

    TEContas20 r20;
    r20.Setuo("00201");
    r20.Setcnpj("C");
    r20.Setcodtcm("T");
    r20.Setdescricao("Secretaria");
    r20.Setug("00101");
    r20.Setcompetencia("032024");
    r20.Settipo("2");
    controller.InserirEcontas_020(r20);
    QCOMPARE(banco.linhas("SELECT * FROM ECONTAS_020"),
             QStringList{"COMPETENCIA=032024|CNPJ=C|UG=00101|UO=00201|DESCRICAO=Secretaria|TIPO=2|CODTCM=T"});

    TEContas30 r30;
    r30.Setuo("00201");
    r30.Setcnpj("C");
    r30.Setdescricao("Professor");
    r30.Setug("00101");
    r30.Setcodigo("00012");
    r30.Settotvagas(40);
    r30.Setnumato("LEI 12");
    r30.Setdtato(Dia(2010, 5, 2));
    r30.Setcompetencia("032024");
    r30.Settipo("1");
    controller.InserirEcontas_030(r30);
    QCOMPARE(
        banco.linhas("SELECT * FROM ECONTAS_030"),
        QStringList{"COMPETENCIA=032024|CNPJ=C|UG=00101|UO=00201|CODIGO=00012|DESCRICAO=Professor|TIPO=1|"
                    "TOTVAGAS=40|NUMATO=LEI 12|DTATO=02/05/2010 00:00:00"});

    TEContas40 r40;
    r40.Setuo("00201");
    r40.Setcnpj("C");
    r40.Setdtadmissao(Dia(2001, 2, 3));
    r40.Setug("00101");
    r40.Setdtdemissao(Dia(2024, 3, 10));
    r40.Setcpf("12345678901");
    r40.Setpispasep("10987654321");
    r40.Setdtnasc(Dia(1970, 1, 1));
    r40.Setsexo(2);
    r40.Setnome("Maria");
    r40.Setmatricula("123");
    r40.Setcompetencia("032024");
    controller.InserirEcontas_040(r40);
    QCOMPARE(
        banco.linhas("SELECT * FROM ECONTAS_040"),
        QStringList{"COMPETENCIA=032024|CNPJ=C|UG=00101|UO=00201|MATRICULA=123|CPF=12345678901|NOME=Maria|"
                    "SEXO=2|DTNASC=01/01/1970 00:00:00|DTADMISSAO=03/02/2001 00:00:00|"
                    "DTDEMISSAO=10/03/2024 00:00:00|PISPASEP=10987654321"});

    TEContas41 r41 = Pagamento(Dia(2024, 3, 31));
    r41.Setnumproc("P1");
    r41.Setremunbase(D("1000.1234"));
    r41.Setcontribprev(D("110"));
    r41.Settotoutremu(D("0.0001"));
    r41.Settotdesc(D("-5"));
    r41.Setdepir(2);
    r41.Setfundeb(1);
    r41.Setcodcargo("00012");
    r41.Setsituacao(3);
    r41.Setirrf(D("12.5"));
    r41.Settotgratfunc(D("250.75"));
    controller.InserirEcontas_041(r41);
    QCOMPARE(banco.linhas("SELECT COMPETENCIA, CNPJ, UG, UO, MATRICULA, TIPOPAGTO, DTPAGTO, "
                          "CAST(REMUNBASE AS VARCHAR(30)) R, CAST(TOTGRATFUNC AS VARCHAR(30)) G, "
                          "CAST(TOTOUTREMU AS VARCHAR(30)) O, CAST(TOTDESC AS VARCHAR(30)) D, "
                          "CAST(CONTRIBPREV AS VARCHAR(30)) C, CAST(IRRF AS VARCHAR(30)) I, DEPIR, FUNDEB, "
                          "SITUACAO, CODCARGO, NUMPROC FROM ECONTAS_041"),
             QStringList{"COMPETENCIA=032024|CNPJ=11222333000144|UG=00101|UO=00201|MATRICULA=123|TIPOPAGTO=1|"
                         "DTPAGTO=31/03/2024 00:00:00|R=1000.1234|G=250.7500|O=0.0001|D=-5.0000|C=110.0000|"
                         "I=12.5000|DEPIR=2|FUNDEB=1|SITUACAO=3|CODCARGO=00012|NUMPROC=P1"});

    TEContas42 r42;
    r42.Setuo("00201");
    r42.Setcnpj("C");
    r42.Setvalor(D("300.5"));
    r42.Setmotivo("Curso");
    r42.Setug("00101");
    r42.Setnumato("PORT 3");
    r42.Setfim(Dia(2024, 3, 5));
    r42.Setinicio(Dia(2024, 3, 4));
    r42.Setdtato(Dia(2024, 3, 1));
    r42.Setdestino("Belém");
    r42.Setmatricula("123");
    r42.Setcompetencia("032024");
    r42.Setdtpagto(Dia(2024, 3, 6));
    controller.InserirEcontas_042(r42);
    QCOMPARE(
        banco.linhas("SELECT COMPETENCIA, CNPJ, UG, UO, MATRICULA, DTPAGTO, CAST(VALOR AS VARCHAR(30)) V, "
                     "NUMATO, DTATO, MOTIVO, DESTINO, INICIO, FIM FROM ECONTAS_042"),
        QStringList{"COMPETENCIA=032024|CNPJ=C|UG=00101|UO=00201|MATRICULA=123|DTPAGTO=06/03/2024 00:00:00|"
                    "V=300.5000|NUMATO=PORT 3|DTATO=01/03/2024 00:00:00|MOTIVO=Curso|DESTINO=Belém|"
                    "INICIO=04/03/2024 00:00:00|FIM=05/03/2024 00:00:00"});

    TEContas43 r43 = Item("07", "-0.0001");
    r43.Settipograt(2);
    r43.Setcodgrat(15);
    r43.Setdesconto("T");
    controller.InserirEcontas_043(r43);
    QCOMPARE(
        banco.linhas("SELECT COMPETENCIA, CNPJ, UG, UO, MATRICULA, TIPOPAGTO, DTPAGTO, CODEVENTO, TIPOGRAT, "
                     "CAST(VALOR AS VARCHAR(30)) V, CODGRAT, DESCONTO FROM ECONTAS_043"),
        QStringList{"COMPETENCIA=032024|CNPJ=11222333000144|UG=00101|UO=00201|MATRICULA=123|TIPOPAGTO=1|"
                    "DTPAGTO=31/03/2024 00:00:00|CODEVENTO=07|TIPOGRAT=2|V=-0.0001|CODGRAT=15|DESCONTO=T"});

    // An unset text is an empty string in the table, not NULL.
    QCOMPARE(banco.contar("ECONTAS_041", "NUMPROC IS NULL OR CNPJ IS NULL"), 0);
    TEContas10 vazio;
    controller.InserirEcontas_010(vazio);
    QCOMPARE(banco.contar("ECONTAS_010", "CNPJ = '' AND DESCRICAO = ''"), 1);
}

void TesteController::regrasDeDatas()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEcontasController controller;

    const DataDias quinzeDeMarco = Dia(2024, 3, 15, 14, 30);
    controller.InserirEcontas_043(Item("01", "1"));
    TEContas43 semData = Item("02", "1");
    semData.Setdtpagto(0);
    controller.InserirEcontas_043(semData);
    TEContas43 comHora = Item("03", "1");
    comHora.Setdtpagto(quinzeDeMarco);
    controller.InserirEcontas_043(comHora);
    QCOMPARE(banco.linhas("SELECT CODEVENTO, DTPAGTO FROM ECONTAS_043 ORDER BY CODEVENTO"),
             (QStringList{"CODEVENTO=01|DTPAGTO=31/03/2024 00:00:00", "CODEVENTO=02|DTPAGTO=NULL",
                          "CODEVENTO=03|DTPAGTO=15/03/2024 00:00:00"}));

    controller.InserirEcontas_041(Pagamento(quinzeDeMarco));
    controller.InserirEcontas_041(Pagamento(0));
    QCOMPARE(banco.linhas("SELECT DTPAGTO FROM ECONTAS_041 ORDER BY DTPAGTO NULLS FIRST"),
             (QStringList{"DTPAGTO=NULL", "DTPAGTO=15/03/2024 14:30:00"}));

    TEContas30 cargo;
    controller.InserirEcontas_030(cargo);
    QCOMPARE(banco.linhas("SELECT DTATO FROM ECONTAS_030"), QStringList{"DTATO=30/12/1899 00:00:00"});

    controller.InserirEcontas_040(TEContas40());
    QCOMPARE(banco.linhas("SELECT DTNASC, DTADMISSAO, DTDEMISSAO FROM ECONTAS_040"),
             QStringList{"DTNASC=NULL|DTADMISSAO=NULL|DTDEMISSAO=NULL"});

    controller.InserirEcontas_042(TEContas42());
    QCOMPARE(banco.linhas("SELECT DTPAGTO, DTATO, INICIO, FIM FROM ECONTAS_042"),
             QStringList{"DTPAGTO=NULL|DTATO=NULL|INICIO=NULL|FIM=NULL"});
}

void TesteController::atualizacoesMudamSoALinhaDaChave()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEcontasController controller;

    const DataDias comHora = Dia(2024, 3, 31, 9, 15);
    controller.InserirEcontas_041(Pagamento(comHora));
    TEContas41 outroTipo = Pagamento(comHora);
    outroTipo.Settipopagto(2);
    controller.InserirEcontas_041(outroTipo);
    controller.InserirEcontas_041(Pagamento(0));

    TEContas41 novo = Pagamento(comHora);
    novo.Setremunbase(D("10"));
    novo.Settotgratfunc(D("1"));
    novo.Settotoutremu(D("2"));
    novo.Settotdesc(D("3"));
    novo.Setcontribprev(D("4"));
    novo.Setirrf(D("5"));
    novo.Setdepir(1);
    novo.Setfundeb(1);
    novo.Setsituacao(2);
    novo.Setcodcargo("00009");
    novo.Setnumproc("N");
    controller.Atualizar_041(novo);
    TEContas41 semData = Pagamento(0);
    semData.Setremunbase(D("7"));
    controller.Atualizar_041(semData);
    TEContas41 inexistente = Pagamento(Dia(2024, 3, 31)); // other time of day: no such key
    inexistente.Setremunbase(D("99"));
    controller.Atualizar_041(inexistente);
    QCOMPARE(
        banco.linhas("SELECT TIPOPAGTO, DTPAGTO, CAST(REMUNBASE AS VARCHAR(20)) R, CAST(TOTGRATFUNC AS "
                     "VARCHAR(20)) G, CAST(TOTOUTREMU AS VARCHAR(20)) O, CAST(TOTDESC AS VARCHAR(20)) D, "
                     "CAST(CONTRIBPREV AS VARCHAR(20)) C, CAST(IRRF AS VARCHAR(20)) I, DEPIR, FUNDEB, "
                     "SITUACAO, CODCARGO, NUMPROC FROM ECONTAS_041 ORDER BY TIPOPAGTO, DTPAGTO NULLS FIRST"),
        (QStringList{
            "TIPOPAGTO=1|DTPAGTO=NULL|R=7.0000|G=0.0000|O=0.0000|D=0.0000|C=0.0000|I=0.0000|DEPIR=0|FUNDEB=0|"
            "SITUACAO=0|CODCARGO=|NUMPROC=",
            "TIPOPAGTO=1|DTPAGTO=31/03/2024 09:15:00|R=10.0000|G=1.0000|O=2.0000|D=3.0000|C=4.0000|I=5.0000|"
            "DEPIR=1|FUNDEB=1|SITUACAO=2|CODCARGO=00009|NUMPROC=N",
            "TIPOPAGTO=2|DTPAGTO=31/03/2024 09:15:00|R=0.0000|G=0.0000|O=0.0000|D=0.0000|C=0.0000|I=0.0000|"
            "DEPIR=0|FUNDEB=0|SITUACAO=0|CODCARGO=|NUMPROC="}));

    controller.InserirEcontas_043(Item("01", "1"));
    controller.InserirEcontas_043(Item("02", "2"));
    TEContas43 mudado = Item("01", "8.25");
    mudado.Setdtpagto(Dia(2024, 3, 31, 17, 0)); // items are keyed by the calendar day
    mudado.Settipograt(5);
    controller.Atualizar_043(mudado);
    controller.Atualizar_043(Item("09", "100"));
    QCOMPARE(banco.linhas(Sql043),
             (QStringList{
                 "CODEVENTO=01|DTPAGTO=31/03/2024 00:00:00|TIPOGRAT=0|CODGRAT=0|DESCONTO=F|VALOR=8.2500",
                 "CODEVENTO=02|DTPAGTO=31/03/2024 00:00:00|TIPOGRAT=0|CODGRAT=0|DESCONTO=F|VALOR=2.0000"}));
}

void TesteController::valorDoEventoCasoExista()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEcontasController controller;
    QCOMPARE(
        TEcontasController::SqlValorEventoCasoExista("032024", "C", "00101", "00201", "O'Neil", "1",
                                                     "03/31/2024", "07"),
        QStringLiteral("SELECT VALOR\n FROM ECONTAS_043\nWHERE COMPETENCIA = '032024'\n  AND CNPJ = 'C'\n"
                       "  AND UG = '00101'\n  AND UO = '00201'\n  AND MATRICULA = 'O''Neil'\n"
                       "  AND TIPOPAGTO = '1'\n  AND DTPAGTO = '03/31/2024'\n  AND CODEVENTO = '07'\n"));

    TEContas43 item = Item("07", "123.4567");
    item.Setmatricula("O'Neil");
    controller.InserirEcontas_043(item);
    controller.InserirEcontas_043(Item("08", "0"));
    banco.executar("UPDATE ECONTAS_043 SET VALOR = NULL WHERE CODEVENTO = '08'");
    const auto valor = [&](const QString &matricula, const QString &codevento, const QString &data) {
        return controller
            .RetornaValorEventoCasoExista("032024", "11222333000144", "00101", "00201", matricula, "1", data,
                                          codevento)
            .dezMilesimos();
    };
    QCOMPARE(valor("O'Neil", "07", "03/31/2024"), qint64(1234567));
    QCOMPARE(valor("O'Neil", "07", "03/30/2024"), qint64(0));
    QCOMPARE(valor("123", "08", "03/31/2024"), qint64(0));
    QCOMPARE(valor("123", "09", "03/31/2024"), qint64(0));
}

void TesteController::complementaresInsereAtualizaEDeleta()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEcontasController controller;
    controller.InserirComplementares(Folha("F"));
    controller.InserirComplementares(Folha("T"));
    TEcontasComplementares outra = Folha("F");
    outra.Setmes("CC2");
    controller.InserirComplementares(outra);
    QCOMPARE(banco.linhas("SELECT * FROM KVB020 ORDER BY MES"),
             (QStringList{"ANO=2024|NUMMES=03|MES=CC1|CNPJ=11222333000144|GERAL=T",
                          "ANO=2024|NUMMES=03|MES=CC2|CNPJ=11222333000144|GERAL=F"}));

    TEcontasComplementares ausente = Folha("T");
    ausente.Setnummes("04");
    controller.Deletar(ausente);
    QCOMPARE(banco.contar("KVB020"), 2);
    controller.Deletar(Folha(""));
    QCOMPARE(banco.linhas("SELECT MES FROM KVB020"), QStringList{"MES=CC2"});
    QVERIFY(operador.mensagens.isEmpty());
}

void TesteController::falhasComPrefixo()
{
    OperadorTeste operador;
    BancoTeste banco;
    TEcontasController controller;
    const auto mensagemDe = [](auto &&acao) {
        try {
            acao();
        } catch (const Falha &f) {
            return f.mensagem();
        }
        return QString();
    };

    TEContas43 longo = Item("123", "1"); // CODEVENTO holds two characters
    const QString recusado = mensagemDe([&] { controller.InserirEcontas_043(longo); });
    QVERIFY2(recusado.startsWith(QStringLiteral("Error ao inserir e-contas. \r")), qPrintable(recusado));
    QVERIFY(recusado.size() > 28);
    controller.InserirEcontas_043(Item("01", "1")); // the controller is still usable
    QCOMPARE(banco.contar("ECONTAS_043"), 1);

    banco.executar("DROP TABLE KVB020");
    QVERIFY(mensagemDe([&] {
                controller.InserirComplementares(Folha("T"));
            }).startsWith(QStringLiteral("Error ao inserir e-contas. \r")));
    QVERIFY(mensagemDe([&] {
                controller.Deletar(Folha("T"));
            }).startsWith(QStringLiteral("Error ao deletar e-contas. \r")));
}

void TesteController::descricaoDasTabelas_data()
{
    QTest::addColumn<const TabelaTrabalho *>("tabela");
    for (const TabelaTrabalho *tabela : TabelasTrabalho::Todas())
        QTest::newRow(qPrintable(tabela->nome())) << tabela;
}

// The key and the export's order name columns of the table; the insert made from the description
// prepares on the database.
void TesteController::descricaoDasTabelas()
{
    QFETCH(const TabelaTrabalho *, tabela);
    OperadorTeste operador;
    BancoTeste banco;
    for (const QString &coluna : tabela->chave() + tabela->ordemExportacao())
        QVERIFY2(tabela->posicao(coluna) >= 0, qPrintable(coluna));
    QVERIFY(tabela->ordemExportacao().size() >= tabela->chave().size() - 1);
    QSqlQuery consulta(QSqlDatabase::database(Sql::NomeConexao));
    QVERIFY2(consulta.prepare(tabela->sqlInsercao()), qPrintable(consulta.lastError().text()));
}

// A row with a column left unset or a column the table lacks is a fault of the program, named as such.
void TesteController::linhaIncompletaNaoSeGrava()
{
    LinhaTrabalho linha(TabelasTrabalho::Econtas010());
    linha("COMPETENCIA", "032024")("CNPJ", "C")("UG", "00101")("DESCRICAO", "D")("CODTCM", "T");
    QVERIFY_THROWS_EXCEPTION(Falha, linha.valores());
    try {
        linha.valores();
    } catch (const Falha &f) {
        QCOMPARE(f.mensagem(), QStringLiteral("A coluna TIPO da tabela ECONTAS_010 ficou sem valor."));
    }
    QVERIFY_THROWS_EXCEPTION(Falha, linha("UO", "00201"));
    linha("TIPO", "1");
    QCOMPARE(linha.valores().size(), 6);
    QCOMPARE(linha.valores({"UG", "TIPO"}), (QVariantList{"00101", "1"}));
}

// Grouped rows land exactly as single inserts land them, in the order given: full blocks, then the rest
// when flushed; a statement of the controller that reads the table first sends what is kept.
void TesteController::insercoesEmBlocos()
{
    OperadorTeste operador;
    BancoTeste banco;
    const int porBloco = TInsercaoEmBlocos::linhasPorBloco(TabelasTrabalho::Econtas043());
    QVERIFY(porBloco > 16);
    // Two full blocks, then a remainder that goes as blocks of 16, 8, 4 and 2 rows and one single insert.
    const int total = 3 * porBloco - 1;
    QList<Dinheiro> valoresLidos;
    const auto gravar = [&](bool agrupar) -> QStringList {
        Sql::Transacao transacao;
        TEcontasController controller;
        if (agrupar)
            controller.AgruparInsercoes();
        for (int i = 0; i < total; ++i) {
            TEContas43 item = Item(QStringLiteral("%1").arg(i % 100, 2, 10, QLatin1Char('0')), "1.5");
            item.Setmatricula(QString::number(1000 - i));
            item.Settipograt(i % 3 == 0 ? -1 : 1);
            controller.InserirEcontas_043(item);
        }
        const Dinheiro valor = controller.RetornaValorEventoCasoExista(
            "032024", "11222333000144", "00101", "00201", QString::number(1000 - (total - 1)), "1",
            "03/31/2024", QStringLiteral("%1").arg((total - 1) % 100, 2, 10, QLatin1Char('0')));
        valoresLidos << valor;
        // Updates of rows still held: the item and the payment given last.
        controller.InserirEcontas_041(Pagamento(Dia(2024, 3, 31)));
        TEContas43 item = Item(QStringLiteral("%1").arg((total - 1) % 100, 2, 10, QLatin1Char('0')), "4");
        item.Setmatricula(QString::number(1000 - (total - 1)));
        controller.Atualizar_043(item);
        TEContas41 pagamento = Pagamento(Dia(2024, 3, 31));
        pagamento.Setremunbase(D("7"));
        controller.Atualizar_041(pagamento);
        controller.DescarregarInsercoes();
        transacao.commit();
        const QStringList linhas = banco.linhas("SELECT * FROM ECONTAS_043 ORDER BY RDB$DB_KEY") +
                                   banco.linhas("SELECT * FROM ECONTAS_041 ORDER BY RDB$DB_KEY");
        banco.executar("DELETE FROM ECONTAS_043");
        banco.executar("DELETE FROM ECONTAS_041");
        return linhas;
    };
    const QStringList umaAUma = gravar(false);
    QCOMPARE(umaAUma.size(), total + 1);
    QVERIFY2(umaAUma[total - 1].contains("|VALOR=4|"), qPrintable(umaAUma[total - 1]));
    QVERIFY2(umaAUma[total].contains("|REMUNBASE=7|"), qPrintable(umaAUma[total]));
    QCOMPARE(gravar(true), umaAUma);
    QCOMPARE(valoresLidos, (QList<Dinheiro>{D("1.5"), D("1.5")}));
}

// A refused row inside a block ends the work with the insert's message; the transaction keeps nothing.
void TesteController::falhaNoMeioDeUmBloco()
{
    OperadorTeste operador;
    BancoTeste banco;
    QString mensagem;
    try {
        Sql::Transacao transacao;
        TEcontasController controller;
        controller.AgruparInsercoes();
        for (int i = 0; i < 40; ++i)
            controller.InserirEcontas_043(Item(i == 17 ? QStringLiteral("123") : QStringLiteral("01"), "1"));
        controller.DescarregarInsercoes();
        transacao.commit();
    } catch (const Falha &f) {
        mensagem = f.mensagem();
    }
    QVERIFY2(mensagem.startsWith(QStringLiteral("Error ao inserir e-contas. \r")), qPrintable(mensagem));
    QVERIFY2(mensagem.contains(QStringLiteral("truncation")), qPrintable(mensagem));
    QCOMPARE(banco.contar("ECONTAS_043"), 0);
}

QTEST_GUILESS_MAIN(TesteController)
#include "test_controller.moc"
