// The generation of a competence: the walks of records 010 to 040 on real data, the driver's steps and
// messages, and a generation as one transaction.
#include "common/Acao.h"
#include "common/Falha.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "generation/EscritosGeracao.h"
#include "generation/Geracao.h"
#include "generation/RegrasUnidades.h"
#include "support/BancoTeste.h"
#include "support/CenarioFolha.h"
#include "support/EstadoMes.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

const QString Sucesso = QStringLiteral("Geração concluída com sucesso!");

QDateTime Dia(int ano, int mes, int dia)
{
    return QDateTime(QDate(ano, mes, dia), QTime(0, 0));
}

// Two managing units: 123456 (type J, own CNPJ, budget units 200001 and 200002) and 800001 (type K, no
// name, the client's CNPJ, no staff). Five staff members, two positions.
void CenarioPadrao(BancoTeste &banco)
{
    CenarioFolha c(banco);
    c.cliente();
    c.controle("012020");
    banco.inserir("UNIDADE_ORCAMENTARIA",
                  {{"CODIGO_UNIDADE", "123456"}, {"DESCRICAO_UNIDADE", "GESTORA UM"}});
    banco.inserir("UNIDADE_ORCAMENTARIA",
                  {{"CODIGO_UNIDADE", "200001"}, {"DESCRICAO_UNIDADE", "ORCAMENTARIA UM"}});
    c.lotacao("001", "000", {{"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "J"}, {"CGC", "22222222000122"}});
    c.lotacao("001", "001", {{"CODUNDORCA", "200001"}});
    c.lotacao("001", "002", {{"CODUNDORCA", "200002"}});
    c.lotacao("002", "000", {{"CODUNDGESTOR", "800001"}, {"TIPOORGAO", "K"}});
    c.servidor("00000001", "001", "001");
    c.servidor("00000002", "001", "001", 900.0, {{"DTADMISSAO", QVariant()}});
    c.servidor("00000003", "001", "002", 800.0, {{"FUNCAO", "002"}, {"DTADMISSAO", Dia(1899, 12, 30)}});
    c.servidor("00000004", "001", "002", 700.0, {{"CPF", ""}});
    c.servidor("00000005", "001", "002", 600.0);
    for (int mes : {1, 2})
        banco.inserir("KVB017", {{"MATRICULA", "00000005"},
                                 {"TIPO", "2"},
                                 {"CODFOL", "22"},
                                 {"ANOREF", "2020"},
                                 {"MESREF", QStringLiteral("0%1").arg(mes)},
                                 {"DTINICIO", Dia(2020, mes, 5)}});
    c.cargo("C0001", "001", "01", {{"CODTCM", "T0001"}, {"TIPOCARGO", "A12"}, {"NUMVAGAS", 5}});
    c.cargo("C0002", "002", "01", {{"TIPOCARGO", "A"}, {"NUMVAGAS", QVariant()}, {"DATCRIA", QVariant()}});
    c.cargo("C0003", "001", "05"); // another four-month period
}

// Every row of the four tables of units, positions and staff, and of the payments below them.
QStringList Registros(BancoTeste &banco, bool comUnidades = true)
{
    QStringList r;
    if (comUnidades)
        r << banco.linhas("SELECT * FROM ECONTAS_010 ORDER BY COMPETENCIA, UG, CNPJ")
          << banco.linhas("SELECT * FROM ECONTAS_020 ORDER BY COMPETENCIA, UG, UO");
    r << banco.linhas("SELECT * FROM ECONTAS_030 ORDER BY COMPETENCIA, UO, CODIGO")
      << banco.linhas("SELECT * FROM ECONTAS_040 ORDER BY COMPETENCIA, UO, MATRICULA")
      << banco.linhas("SELECT * FROM ECONTAS_041 ORDER BY COMPETENCIA, UO, MATRICULA, TIPOPAGTO")
      << banco.linhas("SELECT * FROM ECONTAS_042 ORDER BY COMPETENCIA, UO, MATRICULA, DTPAGTO")
      << banco.linhas("SELECT * FROM ECONTAS_043 ORDER BY COMPETENCIA, UO, MATRICULA, TIPOPAGTO, CODEVENTO");
    return r;
}

QString DataGeracao(BancoTeste &banco, const QString &competencia = "012020")
{
    return banco.valor("SELECT DT_GERACAO FROM CTRL_TCMTPA WHERE MES_ANO = '" + competencia + "'")
        .toDateTime()
        .toString("dd/MM/yyyy");
}

// Runs the generation as the button does; a failure's message goes to the test log.
ResultadoAcao Gerar(TEstadoEcontas &estado, OperadorTeste &operador)
{
    const ResultadoAcao r = ExecutarAcaoLonga([&] { btnGeracaoClick(estado); });
    if (r == ResultadoAcao::Falhou)
        qWarning("%s", qPrintable(operador.mensagens.last().texto));
    return r;
}

} // namespace

class TesteGeracao : public QObject {
    Q_OBJECT
private slots:
    void escritosComparamChavesComoOBanco_data();
    void escritosComparamChavesComoOBanco();
    void regrasDasUnidades_data();
    void regrasDasUnidades();
    void registrosDeUnidadesCargosEServidores();
    void unidadeGestoraDuplicada();
    void servidorListadoDuasVezesTemPagamentosUmaVez();
    void gerarDuasVezesDaOMesmoResultado();
    void fontesVaziasTerminamComSucesso();
    void falhaNoMeioDesfazTudo();
    void paradasAntesDeMudarQualquerCoisa();
    void verboGerar();
};

// What a generation wrote is looked up as the database compares its keys: trailing blanks do not count,
// anything else does, accented letters included, and parts never run into each other.
void TesteGeracao::escritosComparamChavesComoOBanco_data()
{
    QTest::addColumn<QStringList>("gravado");
    QTest::addColumn<QStringList>("procurado");
    QTest::addColumn<bool>("acha");
    const QStringList base = {"022024", "11222333000144", "00101", "00201", "123"};
    QTest::newRow("igual") << base << base << true;
    QTest::newRow("brancos finais") << QStringList{"022024", "11222333000144 ", "00101", "00201", "123  "}
                                    << base << true;
    QTest::newRow("branco inicial conta")
        << base << QStringList{"022024", "11222333000144", "00101", "00201", " 123"} << false;
    QTest::newRow("acento") << QStringList{"022024", "11222333000144", "00101", "00201", "JOÃO "}
                            << QStringList{"022024", "11222333000144", "00101", "00201", "JOÃO"} << true;
    QTest::newRow("sem acento difere")
        << QStringList{"022024", "11222333000144", "00101", "00201", "JOÃO"}
        << QStringList{"022024", "11222333000144", "00101", "00201", "JOAO"} << false;
    QTest::newRow("fronteira das partes")
        << QStringList{"022024", "11222333000144", "00101", "0020", "1123"} << base << false;
}

void TesteGeracao::escritosComparamChavesComoOBanco()
{
    QFETCH(QStringList, gravado);
    QFETCH(QStringList, procurado);
    QFETCH(bool, acha);
    TEscritosGeracao escritos;
    TEContas40 r;
    r.Setcompetencia(gravado[0]);
    r.Setcnpj(gravado[1]);
    r.Setug(gravado[2]);
    r.Setuo(gravado[3]);
    r.Setmatricula(gravado[4]);
    escritos.registrar040(r);
    QCOMPARE(escritos.tem040(procurado[0], procurado[1], procurado[2], procurado[3], procurado[4]), acha);
}

void TesteGeracao::regrasDasUnidades_data()
{
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("codigo");
    QTest::newRow("J") << "J"
                       << "99"
                       << "";
    QTest::newRow("A") << "A"
                       << "01"
                       << "";
    QTest::newRow("C com brancos") << " C "
                                   << "03"
                                   << "";
    QTest::newRow("I") << "I"
                       << "09"
                       << "";
    QTest::newRow("K") << "K"
                       << "00"
                       << "";
    QTest::newRow("vazio") << ""
                           << "00"
                           << "";
    QTest::newRow("123456") << "J"
                            << "99"
                            << "23456";
    QTest::newRow("curto") << "J"
                           << "99"
                           << "2";
}

void TesteGeracao::regrasDasUnidades()
{
    QFETCH(QString, entrada);
    QFETCH(QString, tipo);
    QFETCH(QString, codigo);
    QCOMPARE(TipoDoOrgao(entrada), tipo);
    const QString fonte = codigo.isEmpty() ? QString() : (codigo.size() == 1 ? "12" : "123456");
    QCOMPARE(CodigoUnidade(fonte), codigo);
}

void TesteGeracao::registrosDeUnidadesCargosEServidores()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioPadrao(banco);
    TEstadoEcontas estado = EstadoDoMes("012020");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(operador.textos(), QStringList{Sucesso});

    QCOMPARE(banco.linhas("SELECT * FROM ECONTAS_010 ORDER BY CODTCM"),
             (QStringList{
                 "COMPETENCIA=012020|CNPJ=22222222000122|UG=23456|DESCRICAO=GESTORA UM|TIPO=99|CODTCM=123456",
                 "COMPETENCIA=012020|CNPJ=11111111000111|UG=00001|DESCRICAO=|TIPO=00|CODTCM=800001",
             }));
    QCOMPARE(banco.linhas("SELECT * FROM ECONTAS_020 ORDER BY UO"),
             (QStringList{
                 "COMPETENCIA=012020|CNPJ=22222222000122|UG=23456|UO=00001|DESCRICAO=ORCAMENTARIA "
                 "UM|TIPO=99|CODTCM=200001",
                 "COMPETENCIA=012020|CNPJ=22222222000122|UG=23456|UO=00002|DESCRICAO=|TIPO=99|CODTCM=200002",
             }));
    QCOMPARE(banco.linhas("SELECT UO, CODIGO, DESCRICAO, TIPO, TOTVAGAS, NUMATO, DTATO FROM ECONTAS_030 "
                          "ORDER BY UO, CODIGO"),
             (QStringList{
                 "UO=00001|CODIGO=T0001|DESCRICAO=CARGO C0001|TIPO=12|TOTVAGAS=5|NUMATO=LEI "
                 "1/2000|DTATO=01/03/2000 00:00:00",
                 "UO=00002|CODIGO=C0002|DESCRICAO=CARGO C0002|TIPO=|TOTVAGAS=0|NUMATO=LEI "
                 "1/2000|DTATO=30/12/1899 00:00:00",
                 "UO=00002|CODIGO=T0001|DESCRICAO=CARGO C0001|TIPO=12|TOTVAGAS=5|NUMATO=LEI "
                 "1/2000|DTATO=01/03/2000 00:00:00",
             }));
    QCOMPARE(banco.linhas(
                 "SELECT UG, UO, MATRICULA, CPF, NOME, SEXO, DTNASC, DTADMISSAO, PISPASEP FROM ECONTAS_040 "
                 "ORDER BY UO, MATRICULA"),
             (QStringList{
                 "UG=23456|UO=00001|MATRICULA=00000001|CPF=12345678901|NOME=SERVIDOR 00000001|SEXO=1|"
                 "DTNASC=17/05/1980 00:00:00|DTADMISSAO=01/02/2010 00:00:00|PISPASEP=10987654321",
                 "UG=23456|UO=00001|MATRICULA=00000002|CPF=12345678901|NOME=SERVIDOR 00000002|SEXO=1|"
                 "DTNASC=17/05/1980 00:00:00|DTADMISSAO=NULL|PISPASEP=10987654321",
                 "UG=23456|UO=00002|MATRICULA=00000003|CPF=12345678901|NOME=SERVIDOR 00000003|SEXO=1|"
                 "DTNASC=17/05/1980 00:00:00|DTADMISSAO=NULL|PISPASEP=10987654321",
                 "UG=23456|UO=00002|MATRICULA=00000005|CPF=12345678901|NOME=SERVIDOR 00000005|SEXO=1|"
                 "DTNASC=17/05/1980 00:00:00|DTADMISSAO=01/02/2010 00:00:00|PISPASEP=10987654321",
             }));
    QCOMPARE(banco.linhas("SELECT DTDEMISSAO FROM ECONTAS_040 WHERE MATRICULA = '00000001'"),
             QStringList{"DTDEMISSAO=NULL"});
    // The staff member without CPF has no record 040, so his payments find no parent either.
    QCOMPARE(banco.contar("ECONTAS_041", "MATRICULA = '00000004'"), 0);
    QVERIFY(banco.contar("ECONTAS_041", "MATRICULA = '00000001'") > 0);

    QCOMPARE(DataGeracao(banco), QDate::currentDate().toString("dd/MM/yyyy"));
    QCOMPARE(banco.valor("SELECT USUARIO FROM CTRL_TCMTPA").toString(), QStringLiteral("OPERADOR"));

    // Bars sized from the sets and filled by the walks (the dispatched reset has not run yet).
    const TProgresso &p = operador.progresso();
    QCOMPARE(p.maximo(TProgresso::R010), 2);
    QCOMPARE(p.maximo(TProgresso::R020), 2);
    QCOMPARE(p.maximo(TProgresso::R030), 3);
    QCOMPARE(p.maximo(TProgresso::R040), 6);
    QCOMPARE(p.maximo(TProgresso::R041), 6 + p.maximo(TProgresso::R043));
    QCOMPARE(p.posicao(TProgresso::R030), 3);
    QCOMPARE(p.posicao(TProgresso::R040), 6);
    QCOMPARE(p.maximo(TProgresso::Principal), 2 + 2 + 3 + 6 + p.maximo(TProgresso::R041) +
                                                  p.maximo(TProgresso::R042) + p.maximo(TProgresso::R043));
    QCoreApplication::processEvents();
    QTest::qWait(50);
    QCoreApplication::processEvents();
    QCOMPARE(p.posicao(TProgresso::Principal), 0);
}

void TesteGeracao::unidadeGestoraDuplicada()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioPadrao(banco);
    // A second secretariat with the same CNPJ and managing unit, differing only in its type.
    CenarioFolha(banco).lotacao("003", "000",
                                {{"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "A"}, {"CGC", "22222222000122"}});
    TEstadoEcontas estado = EstadoDoMes("012020");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);

    QCOMPARE(banco.linhas("SELECT UG, TIPO FROM ECONTAS_010 ORDER BY CODTCM"),
             (QStringList{"UG=23456|TIPO=01", "UG=00001|TIPO=00"})); // sorted by type: A before J
    QCOMPARE(banco.contar("ECONTAS_020"), 2);
    QCOMPARE(banco.contar("ECONTAS_040"), 4);
    QCOMPARE(operador.mensagens.size(), 2);
    QCOMPARE(operador.mensagens[0].texto, Sucesso);
    QCOMPARE(operador.mensagens[1].tipo, QStringLiteral("relatorio"));
    QCOMPARE(operador.mensagens[1].texto,
             QStringLiteral("Arquivo 10 com duplicidade de informações na unidade gestora 23456"));

    // Walking the same budget units again adds nothing to the payments already written.
    const QStringList comDuplicata = Registros(banco, false);
    banco.executar("DELETE FROM KVB006JAN WHERE CDSECRETA = '003'");
    operador.limpar();
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(Registros(banco, false), comDuplicata);
}

void TesteGeracao::servidorListadoDuasVezesTemPagamentosUmaVez()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioPadrao(banco);
    TEstadoEcontas estado = EstadoDoMes("012020");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(banco.contar("ECONTAS_040", "MATRICULA = '00000005'"), 1);
    const QStringList duasLinhas =
        banco.linhas("SELECT * FROM ECONTAS_043 WHERE MATRICULA = '00000005' ORDER BY 1,2,3,4,5,6,7,8");
    QVERIFY(!duasLinhas.isEmpty());

    banco.executar("DELETE FROM KVB017 WHERE MESREF = '02'");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(banco.linhas("SELECT * FROM ECONTAS_043 WHERE MATRICULA = '00000005' ORDER BY 1,2,3,4,5,6,7,8"),
             duasLinhas);
}

void TesteGeracao::gerarDuasVezesDaOMesmoResultado()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioPadrao(banco);
    banco.inserir("ECONTAS_010", {{"COMPETENCIA", "022020"}, {"CNPJ", "1"}, {"UG", "99999"}});
    banco.inserir("ECONTAS_040", {{"COMPETENCIA", "022020"}, {"CNPJ", "1"}, {"MATRICULA", "00000001"}});
    TEstadoEcontas estado = EstadoDoMes("012020");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    const QStringList primeira = Registros(banco);
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(Registros(banco), primeira);
    QCOMPARE(banco.contar("ECONTAS_010", "COMPETENCIA = '022020'"), 1);
    QCOMPARE(banco.contar("ECONTAS_040", "COMPETENCIA = '022020'"), 1);
}

void TesteGeracao::fontesVaziasTerminamComSucesso()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioFolha c(banco);
    c.cliente();
    c.controle("012020");
    c.lotacao("001", "001"); // a department without staff and no secretariat row: no managing unit
    TEstadoEcontas estado = EstadoDoMes("012020");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(operador.textos().last(), Sucesso);
    QCOMPARE(Registros(banco), QStringList());
    QCOMPARE(DataGeracao(banco), QDate::currentDate().toString("dd/MM/yyyy"));
    QCOMPARE(operador.progresso().maximo(TProgresso::Principal), 0);
}

void TesteGeracao::falhaNoMeioDesfazTudo()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioPadrao(banco);
    TEstadoEcontas estado = EstadoDoMes("012020");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    banco.executar("UPDATE CTRL_TCMTPA SET DT_GERACAO = '2020-02-10', USUARIO = 'ANTERIOR'");
    const QStringList anteriores = Registros(banco);

    // Staff records can no longer be written: the units before them were.
    banco.executar("ALTER TABLE ECONTAS_040 DROP PISPASEP");
    operador.limpar();
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Falhou);
    QCOMPARE(operador.mensagens.size(), 1);
    QCOMPARE(operador.mensagens[0].tipo, QStringLiteral("erro"));
    QVERIFY2(operador.mensagens[0].texto.contains("PISPASEP", Qt::CaseInsensitive),
             qPrintable(operador.mensagens[0].texto));

    QStringList depois = Registros(banco);
    for (QString &linha : depois)
        linha.remove(QRegularExpression("\\|PISPASEP=[^|]*"));
    QStringList esperado = anteriores;
    for (QString &linha : esperado)
        linha.remove(QRegularExpression("\\|PISPASEP=[^|]*"));
    QCOMPARE(depois, esperado);
    QCOMPARE(DataGeracao(banco), QStringLiteral("10/02/2020"));
    QCOMPARE(banco.valor("SELECT USUARIO FROM CTRL_TCMTPA").toString(), QStringLiteral("ANTERIOR"));
}

void TesteGeracao::paradasAntesDeMudarQualquerCoisa()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioPadrao(banco);
    banco.inserir("ECONTAS_010", {{"COMPETENCIA", "012020"}, {"CNPJ", "1"}, {"UG", "ANTES"}});
    TEstadoEcontas estado = EstadoDoMes("012020");

    estado.mesSelecionado = false;
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(operador.textos(), QStringList{"Não foi selecionado nenhum mês para geração!"});
    estado.mesSelecionado = true;

    operador.limpar();
    estado.SomenteErroNaPessoal = true;
    operador.responder({false});
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Concluida);
    QCOMPARE(operador.textos(), QStringList{QStringLiteral("Existem críticas no cadstro pessoal.") +
                                            QChar(13) + "Deseja continuar mesmo assim? "});
    estado.SomenteErroNaPessoal = false;

    operador.limpar();
    banco.executar("UPDATE KVB006JAN SET FUNDEBECONTAS = 'F'");
    operador.responder({false});
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Interrompida);
    QCOMPARE(operador.textos(),
             QStringList{"Não existe nunhuma lotação marcada com < FUNDEB >. Deseja continuar?"});
    QVERIFY(!estado.SQLPadrao.isEmpty());

    operador.limpar();
    banco.executar("UPDATE KVB006JAN SET FECHAMENTO = 'A'");
    QCOMPARE(Gerar(estado, operador), ResultadoAcao::Interrompida);
    QCOMPARE(operador.mensagens.size(), 1);

    QCOMPARE(banco.linhas("SELECT UG FROM ECONTAS_010"), QStringList{"UG=ANTES"});
    QCOMPARE(DataGeracao(banco), QString());
}

void TesteGeracao::verboGerar()
{
    OperadorTeste operador;
    BancoTeste banco;
    CenarioPadrao(banco);
    CenarioFolha(banco).lotacao("003", "000",
                                {{"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "A"}, {"CGC", "22222222000122"}});
    banco.executar("UPDATE CTRL_TCMTPA SET DT_CRITICAS = NULL");

    ExecucaoLote semCritica = ExecutarLote(banco, "2020", "OPERADOR", {"gerar", "012020"});
    QCOMPARE(semCritica.saida, 3);
    QVERIFY2(semCritica.erros.contains("críticas"), qPrintable(semCritica.erros));
    QCOMPARE(banco.contar("ECONTAS_010"), 0);

    banco.executar("UPDATE CTRL_TCMTPA SET DT_CRITICAS = '2020-02-03'");
    ExecucaoLote gerada =
        ExecutarLote(banco, "2020", "OPERADOR", {"gerar", "012020", "--data-pagamento", "25/01/2020"});
    QVERIFY2(gerada.saida == 0, qPrintable(gerada.erros));
    QVERIFY(gerada.saidaPadrao.contains(Sucesso));
    QVERIFY(gerada.saidaPadrao.indexOf("Arquivo 10 com duplicidade de informações na unidade gestora 23456") >
            gerada.saidaPadrao.indexOf(Sucesso));
    QCOMPARE(banco.contar("ECONTAS_040"), 4);
    QCOMPARE(banco.contar("ECONTAS_041", "DTPAGTO = '2020-01-25'"), banco.contar("ECONTAS_041"));
    QCOMPARE(DataGeracao(banco), QDate::currentDate().toString("dd/MM/yyyy"));
}

QTEST_GUILESS_MAIN(TesteGeracao)
#include "test_geracao.moc"
