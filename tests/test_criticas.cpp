// The consistency checks: each on fixture rows that it must select and rows that it must not.
#include "common/Falha.h"
#include "criticas/SqlCriticas.h"
#include "criticas/uCriticasController.h"
#include "db/RowSet.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

const QVariant Nulo;

// A statement's rows as "cdsecreta/cdsetor" ("cdsecreta" alone when it has no sector column).
QStringList departamentos(const QString &sql)
{
    QStringList r;
    RowSet linhas = RowSet::abrir(sql);
    const bool comSetor = linhas.indiceCampo(QStringLiteral("cdsetor")) >= 0;
    for (linhas.first(); !linhas.eof(); linhas.next())
        r << linhas.texto(QStringLiteral("cdsecreta")) +
                 (comSetor ? QStringLiteral("/") + linhas.texto(QStringLiteral("cdsetor")) : QString());
    return r;
}

QVariantMap cliente(const QVariant &codtcm)
{
    return {{"DESCRICAO", "PREFEITURA DE TESTE"},
            {"CGC", "11222333000181"},
            {"CODTCM", codtcm},
            {"CODORGAO", "01"},
            {"TIPOORGAO", "03"},
            {"CODIBGE_MUNICIPIO", "1500107"}};
}

RowSet abrirCliente()
{
    RowSet r = RowSet::abrir(QStringLiteral("SELECT * FROM KVB003"));
    r.first();
    return r;
}

// A row set built in memory from column names and rows.
RowSet conjunto(const QStringList &campos, const QList<QVariantList> &linhas)
{
    RowSet r = RowSet::vazio(campos);
    for (const QVariantList &l : linhas)
        r.adicionarLinha(l);
    r.first();
    return r;
}

void inserirSetor(BancoTeste &banco, const QString &secretaria, const QString &setor,
                  const QString &descricao, const QVariantMap &outros)
{
    QVariantMap v = {{"CDSECRETA", secretaria},
                     {"CDSETOR", setor},
                     {"DESCRICAO", descricao},
                     {"NAOENVTRIB", "F"},
                     {"STATUS", "1"}};
    for (auto it = outros.cbegin(); it != outros.cend(); ++it)
        v.insert(it.key(), it.value());
    banco.inserir(QStringLiteral("KVB006JAN"), v);
}

void inserirServidor(BancoTeste &banco, const QString &matricula, const QString &nome, const QString &funcao,
                     const QString &sistema, const QVariant &paramtcm, const QString &ativo,
                     const QString &secretaria = QStringLiteral("001"))
{
    banco.inserir(QStringLiteral("KVB001JAN"), {{"MATRICULA", matricula},
                                                {"NOME", nome},
                                                {"FUNCAO", funcao},
                                                {"SISTEMA", sistema},
                                                {"PARAMTCM", paramtcm},
                                                {"CDSECRETA", secretaria},
                                                {"CDSETOR", "001"},
                                                {"TCM", "F"}});
    banco.inserir(QStringLiteral("KVBDXX02JAN"),
                  {{"MATRICULA", matricula}, {"ATIVO", ativo}, {"TOTPROV", 100.0}});
}

void inserirCargo(BancoTeste &banco, const QString &codigo, const QString &codcargo,
                  const QString &codvinculo, const QVariant &tipocargo, const QVariant &numvagas = 1,
                  const QString &descricao = "CARGO")
{
    banco.inserir(QStringLiteral("CARGO_ECONTAS"), {{"CODIGO", codigo},
                                                    {"CODCARGO", codcargo},
                                                    {"CODVINCULO", codvinculo},
                                                    {"TIPOCARGO", tipocargo},
                                                    {"NUMVAGAS", numvagas},
                                                    {"DESCRICAO", descricao},
                                                    {"VINCULO", "EFETIVO "}});
}

const QStringList CamposRegistro040 = {"matricula", "codundgestor", "codundorca", "nome",     "sexo",
                                       "cpf",       "dtnasc",       "dtadmissao", "pispasep", "dtdemissao"};

} // namespace

class TesteCriticas : public QObject {
    Q_OBJECT
private slots:
    void codigoDaUnidadeDoCliente_data();
    void codigoDaUnidadeDoCliente();
    void camposVaziosDoCliente_data();
    void camposVaziosDoCliente();
    void eventosNaoConfigurados();
    void cargosSemTipoEComVagasZeradas();
    void situacaoFuncionalPelasDuasJuncoes();
    void cargosSemNumeroDoAto();
    void unidadesGestorasComDoisTiposDeOrgao();
    void setoresSemUnidadeOrcamentariaConfigurada();
    void unidadesOrcamentariasEmDuasPassagens();
    void funcionariosComDadosIncompletos_data();
    void funcionariosComDadosIncompletos();
    void tabelaDeCargosVaziaOuNao();
    void falhaAvancaOPassoEMesInvalidoERecusado();
    void textosDosComandos_data();
    void textosDosComandos();
};

void TesteCriticas::codigoDaUnidadeDoCliente_data()
{
    QTest::addColumn<QVariant>("codtcm");
    QTest::addColumn<bool>("codigoInvalido");
    QTest::addColumn<bool>("naoInformado");
    QTest::newRow("5 caracteres") << QVariant("12345") << true << false;
    QTest::newRow("6 caracteres") << QVariant("123456") << false << false;
    QTest::newRow("7 caracteres") << QVariant("1234567") << true << false;
    QTest::newRow("6 com brancos") << QVariant("1234  ") << false << false;
    QTest::newRow("vazio") << QVariant("") << true << true;
    QTest::newRow("nulo") << Nulo << true << true;
}

// Both checks read the first client row: a bad code is group 11, a missing one also group 0.
void TesteCriticas::codigoDaUnidadeDoCliente()
{
    QFETCH(QVariant, codtcm);
    QFETCH(bool, codigoInvalido);
    QFETCH(bool, naoInformado);
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB003", cliente(codtcm));
    banco.inserir("KVB003", cliente("654321"));
    const RowSet linhaCliente = abrirCliente();
    TCriticasController controller("JAN", linhaCliente, QString());

    const QStringList invalido = controller.VerificaCodigoTCMCliente();
    QCOMPARE(invalido, codigoInvalido
                           ? QStringList{"Cliente: PREFEITURA DE TESTE - Encontra-se com código de "
                                         "unidade gestora inválido!"}
                           : QStringList());
    const QStringList cadastro = controller.RetornarCriticasSobCadastroCliente();
    QCOMPARE(cadastro, naoInformado
                           ? QStringList{"Código unidade gestora não informado no cadastro de cliente."}
                           : QStringList());
}

void TesteCriticas::camposVaziosDoCliente_data()
{
    QTest::addColumn<QVariantMap>("valores");
    QTest::addColumn<QStringList>("esperado");
    QTest::newRow("completo") << cliente("123456") << QStringList();
    QVariantMap brancos = cliente("123456");
    brancos["CGC"] = "  ";
    brancos["TIPOORGAO"] = " ";
    QTest::newRow("só brancos não é vazio") << brancos << QStringList();
    QVariantMap vazios = cliente("123456");
    vazios["CGC"] = "";
    vazios["TIPOORGAO"] = Nulo;
    QTest::newRow("vazio e nulo") << vazios
                                  << QStringList{"CNPJ não informado no cadastro de cliente.",
                                                 "Tipo do órgão não informado no cadastro de cliente."};
    QTest::newRow("todos nulos") << QVariantMap{{"DESCRICAO", "X"}}
                                 << QStringList{
                                        "Código município IBGE não informado no cadastro de cliente.",
                                        "CNPJ não informado no cadastro de cliente.",
                                        "Código orçamentário não informado no cadastro de cliente.",
                                        "Código unidade gestora não informado no cadastro de cliente.",
                                        "Tipo do órgão não informado no cadastro de cliente."};
}

void TesteCriticas::camposVaziosDoCliente()
{
    QFETCH(QVariantMap, valores);
    QFETCH(QStringList, esperado);
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB003", valores);
    const RowSet linhaCliente = abrirCliente();
    TCriticasController controller("JAN", linhaCliente, QString());
    QCOMPARE(controller.RetornarCriticasSobCadastroCliente(), esperado);
    QCOMPARE(operador.progresso().status(), QString("Aguarde, sistema verificando tabela de clientes!"));
}

void TesteCriticas::eventosNaoConfigurados()
{
    OperadorTeste operador;
    BancoTeste banco;
    struct Evento {
        const char *codigo, *natureza, *status;
        QVariant tipoGrat, numGrat;
    };
    const QList<Evento> eventos = {
        {"01", "P", "1", Nulo, Nulo}, // selected
        {"02", "P", "1", "01", ""},   // selected: type not 99, number empty
        {"03", "P", "1", "99", Nulo}, // type 99
        {"04", "P", "1", Nulo, "7"},  // has a number
        {"05", "D", "1", Nulo, Nulo}, // a discount
        {"06", "P", "0", Nulo, Nulo}, // inactive
        {"07", "p", "1", Nulo, Nulo}, // case-sensitive
        {"08", "P", "1", "", " "},    // a blank number is not empty
        {"09", "P", "1", "", ""},     // selected: empty type is not 99
    };
    for (const Evento &e : eventos)
        banco.inserir("KVB010JAN", {{"CODIGO", e.codigo},
                                    {"DESCRICAO", QString("EVENTO ") + e.codigo},
                                    {"NATUREZA", e.natureza},
                                    {"STATUS", e.status},
                                    {"TIPOGRAT", e.tipoGrat},
                                    {"NUMGRAT", e.numGrat}});
    banco.inserir("KVB010JAN", {{"CODIGO", "10"}, {"STATUS", "1"}}); // no nature
    TCriticasController controller("JAN", RowSet(), QString());
    QCOMPARE(controller.RetornaEventosNaoConfigurados(),
             (QStringList{"Evento: 01 - Descrição: EVENTO 01", "Evento: 02 - Descrição: EVENTO 02",
                          "Evento: 09 - Descrição: EVENTO 09"}));
}

void TesteCriticas::cargosSemTipoEComVagasZeradas()
{
    OperadorTeste operador;
    BancoTeste banco;
    inserirCargo(banco, "00101", "001", "01", "", 0, "PROFESSOR  ");
    inserirCargo(banco, "00201", "002", "01", Nulo, -3, "  VIGIA");
    inserirCargo(banco, "00301", "003", "01", "010", Nulo);
    inserirCargo(banco, "00401", "004", "01", "010", 5);
    inserirCargo(banco, "00501", "005", "01", " ", 1); // the database compares without trailing blanks
    TCriticasController controller("JAN", RowSet(), QString());
    QCOMPARE(controller.RetornaCriticasNosTiposDeCargos(),
             (QStringList{"Código: 00101 - Descrição: PROFESSOR - Vínculo: EFETIVO",
                          "Código: 00201 - Descrição: VIGIA - Vínculo: EFETIVO",
                          "Código: 00501 - Descrição: CARGO - Vínculo: EFETIVO"}));
    QCOMPARE(controller.RetornaCriticasNosTiposDeCargosComVagasZeradas(),
             (QStringList{"Código: 00101 - Descrição: PROFESSOR - com total de vagas zeradas...",
                          "Código: 00201 - Descrição: VIGIA - com total de vagas zeradas...",
                          "Código: 00301 - Descrição: CARGO - com total de vagas zeradas..."}));
}

// Check 6 joins the position on its code, check 7 on position and bond codes: a staff member can be
// found by one join and not the other.
void TesteCriticas::situacaoFuncionalPelasDuasJuncoes()
{
    OperadorTeste operador;
    BancoTeste banco;
    inserirCargo(banco, "00101", "001", "01", "010");
    inserirCargo(banco, "99902", "002", "02", "020"); // code unlike position||bond
    inserirCargo(banco, "00303", "003", "03", "030"); // exempt type
    inserirCargo(banco, "00401", "004", "01", "010");
    banco.inserir("SITUACAO_FUNCIONAL_PA", {{"CODIGO", "S1"}, {"TIPOCARGO", "010"}});
    banco.inserir("SITUACAO_FUNCIONAL_PA", {{"CODIGO", "S2"}, {"TIPOCARGO", "020"}});
    banco.inserir("SITUACAO_FUNCIONAL_PA", {{"CODIGO", "S3"}, {"TIPOCARGO", "030"}});
    inserirServidor(banco, "00000001", "ANA  ", "001", "01", Nulo, "T"); // both
    inserirServidor(banco, "00000002", "BIA", "002", "02", "", "T");     // only check 7 (00202 is no code)
    inserirServidor(banco, "00000003", "CAIO", "999", "02", Nulo, "T");  // only check 6 (no 999||02 position)
    inserirServidor(banco, "00000004", "DAVI", "003", "03", "S3", "T");  // allowed situation, exempt type
    inserirServidor(banco, "00000005", "EVA", "001", "01", "S1", "T");   // allowed situation
    inserirServidor(banco, "00000006", "FABIO", "001", "01", Nulo, "F"); // inactive
    inserirServidor(banco, "00000007", "GIL", "004", "01", "S2", "T");   // situation for another type
    inserirServidor(banco, "00000008", "HELIO", "003", "03", "", "T");   // exempt type, no situation
    TCriticasController controller("JAN", RowSet(), QString());
    QCOMPARE(controller.RetornaSituacaoFuncionalComCriticas(),
             (QStringList{"Servidor: 00000001 - ANA", "Servidor: 00000003 - CAIO"}));
    QCOMPARE(controller.RetornaServidoresComTiposCargosInvalidos(),
             (QStringList{"Funcionário: 00000001-ANA   - Cargo Econtas 00101",
                          "Funcionário: 00000002-BIA - Cargo Econtas 00202",
                          "Funcionário: 00000008-HELIO - Cargo Econtas 00303",
                          "Funcionário: 00000007-GIL - Cargo Econtas 00401"}));
}

void TesteCriticas::cargosSemNumeroDoAto()
{
    OperadorTeste operador;
    RowSet registro030 =
        conjunto({"codigo", "descricao", "leicria", "codundorca"}, {{"00101", "PROFESSOR ", "", "UO1"},
                                                                    {"00201", "VIGIA", Nulo, "UO1"},
                                                                    {"00301", "MOTORISTA", " ", "UO1"},
                                                                    {"00401", "GARI", "LEI 1/90", "UO1"},
                                                                    {"00501", "  MEDICO", "", "UO2"}});
    TCriticasController controller("JAN", RowSet(), QString());
    QCOMPARE(controller.RetornaCriticaDeCargosSemNumeroLeiCriacao(registro030),
             (QStringList{"Código: 00101 - Descrição: PROFESSOR - Falta número do ato!",
                          "Código: 00501 - Descrição: MEDICO - Falta número do ato!"}));
    QVERIFY(!registro030.filtrado());
    QCOMPARE(registro030.recordCount(), 5);
}

void TesteCriticas::unidadesGestorasComDoisTiposDeOrgao()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB003", cliente("123456")); // tipoorgao 03
    inserirSetor(banco, "001", "000", "SEC A",
                 {{"CGC", "01234567000100"}, {"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "01"}});
    inserirSetor(banco, "002", "000", "SEC B",
                 {{"CGC", "01234567000100"}, {"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "02"}});
    inserirSetor(banco, "003", "000", "SEC C",
                 {{"CODUNDGESTOR", "999999"}, {"TIPOORGAO", "05"}}); // not in 010
    inserirSetor(banco, "004", "000", "SEC D", {});                  // the client's code, CNPJ and type
    inserirSetor(banco, "005", "000", "SEC E",
                 {{"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "07"}, {"NAOENVTRIB", "T"}});
    inserirSetor(banco, "002", "001", "SETOR B1", {{"CODUNDGESTOR", "123456"}, {"TIPOORGAO", "08"}});
    // The first record-010 row of a code decides; a later row with the same code and type 02 does not.
    RowSet registro010 = conjunto({"cnpj", "codundgestor", "tipoorgao"}, {{"01234567000100", "123456", "01"},
                                                                          {"01234567000100", "123456", "02"},
                                                                          {"01234567000100", Nulo, "09"}});
    TCriticasController controller("JAN", RowSet(), QString());
    QCOMPARE(controller.RetornaCriticasSobUnidadesGestoras(registro010),
             (QStringList{"CNPJ: 01.234.567/0001-00 - Secretária: 002- Código unidade gestora: 123456- Tipo "
                          "orgão: 02- Descrição: SEC B",
                          "CNPJ: 11.222.333/0001-81 - Secretária: 004- Código unidade gestora: 123456- Tipo "
                          "orgão: 03- Descrição: SEC D"}));
}

void TesteCriticas::setoresSemUnidadeOrcamentariaConfigurada()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("UNIDADE_ORCAMENTARIA", {{"CODIGO_UNIDADE", "UO1"}});
    banco.inserir("UNIDADE_ORCAMENTARIA", {{"CODIGO_UNIDADE", Nulo}});
    inserirSetor(banco, "001", "000", "SECRETARIA", {{"CODUNDORCA", "UOX"}});
    inserirSetor(banco, "001", "001", "CONFIGURADO", {{"CODUNDORCA", "UO1"}});
    inserirSetor(banco, "001", "002", "OUTRA UNIDADE", {{"CODUNDORCA", "UO9"}});
    inserirSetor(banco, "001", "003", "SEM UNIDADE", {});
    inserirSetor(banco, "001", "004", "NAO ENVIADO", {{"CODUNDORCA", "UO9"}, {"NAOENVTRIB", "T"}});
    inserirSetor(banco, "001", "005", "SEM MARCA", {{"CODUNDORCA", "UO9"}, {"NAOENVTRIB", Nulo}});
    inserirSetor(banco, "002", "001", "MINUSCULA", {{"CODUNDORCA", "uo1"}});
    TCriticasController controller("JAN", RowSet(), QString());
    QCOMPARE(controller.RetornaCriticasUnidadesOrcamentariasNaoConfiguradas(),
             (QStringList{"Setor: 001002 - Descrição: OUTRA UNIDADE",
                          "Setor: 001003 - Descrição: SEM UNIDADE", "Setor: 002001 - Descrição: MINUSCULA"}));
}

// Pass 1 lists the payroll's secretariats without a budget unit, pass 2 its sectors whose budget unit is
// not among the record-020 rows; the two passes read the not-sent flag differently.
void TesteCriticas::unidadesOrcamentariasEmDuasPassagens()
{
    OperadorTeste operador;
    BancoTeste banco;
    inserirServidor(banco, "00000001", "ANA", "001", "01", Nulo, "T", "001");
    inserirServidor(banco, "00000002", "BIA", "001", "01", Nulo, "T", "002");
    inserirServidor(banco, "00000003", "CAIO", "001", "01", Nulo, "T", "004");
    inserirSetor(banco, "001", "000", "SEC SEM UO", {{"CODUNDORCA", ""}});
    inserirSetor(banco, "002", "000", "SEC COM UO", {{"CODUNDORCA", "UO2"}});
    inserirSetor(banco, "003", "000", "FORA DA FOLHA", {{"CODUNDORCA", ""}});
    inserirSetor(banco, "004", "000", "SEC NULA", {{"NAOENVTRIB", "X"}}); // flag neither T nor F
    inserirSetor(banco, "001", "001", "NO 020", {{"CODUNDORCA", "UO1"}});
    inserirSetor(banco, "001", "002", "FORA DO 020", {{"CODUNDORCA", "UO7"}});
    inserirSetor(banco, "002", "001", "SEM CODIGO", {});
    inserirSetor(banco, "002", "002", "NAO ENVIADO", {{"CODUNDORCA", "UO8"}, {"NAOENVTRIB", "T"}});
    inserirSetor(banco, "004", "001", "MARCA X", {{"CODUNDORCA", "UO9"}, {"NAOENVTRIB", "X"}});
    inserirSetor(banco, "003", "001", "FORA DA FOLHA", {{"CODUNDORCA", "UO6"}});
    RowSet registro020 = conjunto({"codundgestor", "codundorca"}, {{"123456", "UO1"}, {"123456", Nulo}});
    // A trailing blank in the selection's code does not count, as in the database's own comparison.
    const QString sqlPadrao = QStringLiteral("SELECT cdsecreta || ' ' AS cdsecreta, cdsetor FROM KVB001JAN");
    QStringList setores = {"linha anterior"};
    TCriticasController controller("JAN", RowSet(), sqlPadrao);
    operador.progresso().definirFaixa(TProgresso::Principal, 0, 100);
    QCOMPARE(controller.RetornaCriticasSobUnidadesOrcamentarias(registro020, setores),
             (QStringList{"Código: 001 -  Descrição: SEC SEM UO", "Código: 004 -  Descrição: SEC NULA"}));
    QCOMPARE(
        setores,
        (QStringList{"linha anterior",
                     "Secretária: 002 - Setor: 001 - Código orçamentário:  - Descrição: SEM CODIGO",
                     "Secretária: 001 - Setor: 002 - Código orçamentário: UO7 - Descrição: FORA DO 020"}));
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 2);

    // The same findings when the secretariats come from the selection's rows a run has already read.
    const RowSet lida = RowSet::abrir(sqlPadrao);
    QStringList setoresDaLida;
    TCriticasController comLida("JAN", RowSet(), sqlPadrao);
    comLida.UsarSelecaoLida(&lida);
    QCOMPARE(comLida.RetornaCriticasSobUnidadesOrcamentarias(registro020, setoresDaLida),
             (QStringList{"Código: 001 -  Descrição: SEC SEM UO", "Código: 004 -  Descrição: SEC NULA"}));
    QCOMPARE(QStringList{"linha anterior"} + setoresDaLida, setores);

    // The check's two steps give the rows of the one-statement forms, in their order.
    QSet<QString> daSelecao;
    for (const QString &codigo : departamentos(SqlCriticas::SecretariasDaSelecao(sqlPadrao)))
        daSelecao.insert(codigo.trimmed());
    const auto filtradas = [&](const QString &sql) {
        QStringList r;
        for (const QString &departamento : departamentos(sql))
            if (daSelecao.contains(departamento.section(QLatin1Char('/'), 0, 0)))
                r << departamento;
        return r;
    };
    QCOMPARE(departamentos(SqlCriticas::SecretariasDaFolha("JAN", sqlPadrao)),
             filtradas(SqlCriticas::SecretariasDoMes("JAN")));
    QCOMPARE(departamentos(SqlCriticas::SetoresDaFolha("JAN", sqlPadrao)),
             filtradas(SqlCriticas::SetoresDoMes("JAN")));
}

void TesteCriticas::funcionariosComDadosIncompletos_data()
{
    QTest::addColumn<QVariantList>("linha");
    QTest::addColumn<QString>("esperado");
    const QDateTime d(QDate(1980, 5, 1), QTime(0, 0));
    const QString prefixo = QStringLiteral("Funcionário: 00000001 - ANA - Com as seguintes criticas: ");
    auto linha = [&](QVariant nome, QVariant sexo, QVariant cpf, QVariant nasc, QVariant adm, QVariant pis) {
        return QVariantList{"00000001", "123456", "UO1", nome, sexo, cpf, nasc, adm, pis, Nulo};
    };
    QTest::newRow("completo") << linha("ANA", "1", "12345678901", d, d, "12345678901") << QString();
    QTest::newRow("sexo 2") << linha("ANA", "2", "12345678901", d, d, "12345678901") << QString();
    QTest::newRow("cpf e pis") << linha("ANA", "1", "", d, d, Nulo)
                               << prefixo + "- CPF inválido - PISPASEP inválido";
    QTest::newRow("sexo 0") << linha("ANA", "0", "12345678901", d, d, "12345678901")
                            << prefixo + "- SEXO inválido";
    QTest::newRow("sexo M: nada a dizer") << linha("ANA", "M", "12345678901", d, d, "12345678901") << prefixo;
    QTest::newRow("sexo nulo não seleciona")
        << linha("ANA", Nulo, "12345678901", d, d, "12345678901") << QString();
    QTest::newRow("datas") << linha("ANA", "1", "12345678901", Nulo, Nulo, "12345678901")
                           << prefixo + "- Data de nascimento inválida - Data de Admissão inválida";
    QTest::newRow("cpf só brancos não seleciona")
        << linha("ANA", "1", "   ", d, d, "12345678901") << QString();
    QTest::newRow("brancos com outra falta")
        << linha("ANA", "0", "   ", d, d, "12345678901") << prefixo + "- CPF inválido - SEXO inválido";
    QTest::newRow("nome vazio") << linha("", "1", "12345678901", d, d, "12345678901")
                                << "Funcionário: 00000001 -  - Com as seguintes criticas: - NOME inválido";
}

void TesteCriticas::funcionariosComDadosIncompletos()
{
    QFETCH(QVariantList, linha);
    QFETCH(QString, esperado);
    OperadorTeste operador;
    RowSet registro040 = conjunto(CamposRegistro040, {linha,
                                                      {"00000009", "123456", "UO1", "ZE", "1", "1", Nulo,
                                                       QDateTime(QDate(2000, 1, 1), QTime()), "1", Nulo}});
    TCriticasController controller("JAN", RowSet(), QString());
    const QStringList criticas = controller.RetornaFuncionariosComCriticas(registro040);
    QStringList esperadas = esperado.isEmpty() ? QStringList() : QStringList{esperado};
    esperadas << "Funcionário: 00000009 - ZE - Com as seguintes criticas: - Data de nascimento inválida";
    QCOMPARE(criticas, esperadas);
    QVERIFY(!registro040.filtrado());
}

void TesteCriticas::tabelaDeCargosVaziaOuNao()
{
    OperadorTeste operador;
    BancoTeste banco;
    TCriticasController controller("JAN", RowSet(), QString());
    QVERIFY(!controller.ValidaTabelaCargosEcontas());
    inserirCargo(banco, "00101", "001", "01", "010");
    QVERIFY(controller.ValidaTabelaCargosEcontas());
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 0);
}

// A failing check still takes its progress step and leaves the record set unfiltered; a month code that
// is not JAN … DEZ never reaches a statement.
void TesteCriticas::falhaAvancaOPassoEMesInvalidoERecusado()
{
    OperadorTeste operador;
    BancoTeste banco;
    operador.progresso().definirFaixa(TProgresso::Principal, 0, 100);
    TCriticasController semTabela("FEV", RowSet(), QString());
    QVERIFY_THROWS_EXCEPTION(Falha, semTabela.RetornaEventosNaoConfigurados());
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 1);

    RowSet semColuna = conjunto({"codigo", "descricao", "leicria"}, {{"1", "A", ""}});
    TCriticasController janeiro("JAN", RowSet(), QString());
    QVERIFY_THROWS_EXCEPTION(Falha, janeiro.RetornaFuncionariosComCriticas(semColuna));
    QCOMPARE(operador.progresso().posicao(TProgresso::Principal), 2);
    QVERIFY(!semColuna.filtrado());

    TCriticasController invalido("JAN1; DROP TABLE KVB003", RowSet(), QString());
    try {
        invalido.RetornaSituacaoFuncionalComCriticas();
        QFAIL("an invalid month code must be refused");
    } catch (const Falha &f) {
        QVERIFY(f.mensagem().contains("JAN1; DROP TABLE KVB003"));
    }
    QVERIFY(banco.contar("KVB003") == 0);
}

void TesteCriticas::textosDosComandos_data()
{
    QTest::addColumn<QString>("obtido");
    QTest::addColumn<QStringList>("linhas");
    QTest::newRow("tipos de cargos") << SqlCriticas::TiposDeCargosNaoInformados()
                                     << QStringList{"SELECT codigo,", "       descricao,", "       vinculo",
                                                    "  FROM CARGO_ECONTAS",
                                                    " WHERE TIPOCARGO = '' OR TIPOCARGO IS NULL"};
    QTest::newRow("vagas") << SqlCriticas::CargosComVagasZeradas()
                           << QStringList{"SELECT codigo,", "       descricao", "  FROM CARGO_ECONTAS",
                                          " WHERE numvagas IS NULL or numvagas <= 0"};
    QTest::newRow("situação funcional")
        << SqlCriticas::ServidoresSemSituacaoFuncional("MAR")
        << QStringList{
               "SELECT DISTINCT p.matricula,",
               "      p.nome",
               " FROM KVB001MAR p",
               "INNER JOIN KVBDXX02MAR f",
               "   ON (f.matricula = p.matricula AND f.ativo = 'T')",
               "INNER JOIN CARGO_ECONTAS c",
               "   ON (p.funcao||p.sistema = c.codigo)",
               "WHERE (p.paramtcm = '' OR p.paramtcm IS NULL)",
               "  AND c.tipocargo NOT IN "
               "('030','031','032','033','034','035','050','051','052','080','081','082','083','084')",
               "ORDER BY p.funcao,",
               "      p.sistema"};
    QTest::newRow("tipos inválidos")
        << SqlCriticas::ServidoresComTiposCargosInvalidos("MAR")
        << QStringList{
               "SELECT DISTINCT p.matricula",
               "     ,p.nome",
               "     ,p.funcao||p.sistema AS econtas",
               " FROM KVB001MAR p",
               "INNER JOIN KVBDXX02MAR f",
               "   ON f.matricula = p.matricula",
               "INNER JOIN CARGO_ECONTAS c",
               "   ON ((c.codcargo||c.codvinculo = p.funcao||p.sistema) AND (c.tipocargo not in (select "
               "s.tipocargo from situacao_funcional_pa s where s.codigo = p.paramtcm)))",
               "WHERE f.ativo = 'T'",
               "ORDER BY p.funcao,  p.sistema"};
    QTest::newRow("unidades gestoras")
        << SqlCriticas::SecretariasDasUnidadesGestoras("MAR")
        << QStringList{"SELECT DISTINCT cdsecreta1,",
                       "       descricao,",
                       "       cgc as cnpj,",
                       "       trim(codundgestor) as codundgestor,",
                       "       tipoorgao",
                       "  From (SELECT  a.descricao,",
                       "        coalesce(a.cgc,b.cgc) cgc,",
                       "        a.codorgao,",
                       "        coalesce(a.codundgestor,b.codtcm) codundgestor,",
                       "        a.codundorca,",
                       "        a.naoenvtrib,",
                       "        coalesce(a.codorgao_cnpj,b.codorgao)  codorgao_cnpj,",
                       "        a.cdsetor as cdsetor1,",
                       "        a.cdsecreta as cdsecreta1,",
                       "       trim(coalesce(a.tipoorgao, b.tipoorgao)) tipoorgao,",
                       "       a.status,",
                       "       a.fundebecontas",
                       "  FROM kvb006MAR a,",
                       "       kvb003 b",
                       " WHERE a.cdsetor = '000' AND naoenvtrib = 'F') t010",
                       " ORDER BY 2,1,3"};
    QTest::newRow("secretarias da folha") << SqlCriticas::SecretariasDaFolha("MAR", "SELECT 1")
                                          << QStringList{"SELECT cdsecreta,",
                                                         "       cdsetor,",
                                                         "       descricao,",
                                                         "       cgc,",
                                                         "       codorgao,",
                                                         "       codundgestor,",
                                                         "       tipoorgao,",
                                                         "       codorgao_cnpj,",
                                                         "       codundorca",
                                                         "  FROM kvb006MAR",
                                                         " WHERE cdsetor = '000'",
                                                         "   AND naoenvtrib <> 'T'",
                                                         "   AND cdsecreta IN (SELECT DISTINCT cdsecreta",
                                                         "                       FROM (SELECT 1))"};
    QTest::newRow("setores da folha")
        << SqlCriticas::SetoresDaFolha("MAR", "SELECT 1")
        << QStringList{
               "SELECT DISTINCT cdsecreta, cdsetor, descricao, codundorca FROM KVB006MAR WHERE cdsetor <> "
               "'000' AND NAOENVTRIB = 'F' AND cdsecreta IN (SELECT DISTINCT cdsecreta FROM (SELECT 1) "
               "t020) order by 4,1,2"};
    QTest::newRow("secretarias da selecao") << SqlCriticas::SecretariasDaSelecao("SELECT 1")
                                            << QStringList{"SELECT DISTINCT cdsecreta FROM (SELECT 1) t"};
}

void TesteCriticas::textosDosComandos()
{
    QFETCH(QString, obtido);
    QFETCH(QStringList, linhas);
    QCOMPARE(obtido, linhas.join('\n') + '\n');
}

QTEST_GUILESS_MAIN(TesteCriticas)
#include "test_criticas.moc"
