// Data access: money, dates, quoting, code validation, the row set, the catalogue test and the connection.
#include "common/Falha.h"
#include "db/CodificacaoTextos.h"
#include "db/Conexao.h"
#include "db/Dinheiro.h"
#include "db/FusoHorario.h"
#include "db/LeitorNativo.h"
#include "db/RegistroSql.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "db/VetorEmPedacos.h"
#include "generation/ComandosTabelas.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QLoggingCategory>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <ctime>
#include <limits>

class TesteDados : public QObject {
    Q_OBJECT
private slots:
    void dinheiroDeFloat_data();
    void dinheiroDeFloat();
    void centavosDeExportacao_data();
    void centavosDeExportacao();
    void dinheiroIdaEVoltaNoBanco();
    void datas();
    void aspasECodigos();
    void rowSetLeCharSemBrancosEVarcharComoEsta();
    void textoNuloLigadoComoVazio();
    void leitorNativoDaOsValoresDoDriver();
    void textosSemConjuntoNaPaginaDoEscritorio_data();
    void textosSemConjuntoNaPaginaDoEscritorio();
    void rowSetLocateFiltroEOrdem();
    void rowSetAchaColunaEmQualquerCaixa();
    void falhaAoLerLinhaChegaComoFalha();
    void falhaLevaComandoEValores_data();
    void falhaLevaComandoEValores();
    void registroSqlMostraComandoValoresETempo();
    void transacaoDesfeitaSemCommit();
    void verificaSeTabelaExiste();
    void conexaoFalhaMostraMensagensEmOrdem();
    void fusoHorarioDoProcesso();
    void vetorEmPedacos();
};

void TesteDados::dinheiroDeFloat_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<qint64>("dezMilesimos");
    QTest::newRow("exato") << 12.34 << qint64(123400);
    QTest::newRow("meio para par abaixo") << 0.00005 << qint64(0);
    QTest::newRow("meio para par acima") << 0.00035 << qint64(4);
    QTest::newRow("meio para par 12.5") << 0.00125 << qint64(12);
    QTest::newRow("meio 312.5") << 0.03125 << qint64(312);
    QTest::newRow("meio 2.5 décimos de milésimo") << 1.00025 << qint64(10002);
    QTest::newRow("negativo") << -7.5 << qint64(-75000);
    QTest::newRow("arredonda") << 1234.56789 << qint64(12345679);
}

void TesteDados::dinheiroDeFloat()
{
    QFETCH(double, valor);
    QFETCH(qint64, dezMilesimos);
    QCOMPARE(Dinheiro::deFloat(valor).dezMilesimos(), dezMilesimos);
}

void TesteDados::centavosDeExportacao_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<qint64>("centavos");
    QTest::newRow("12.34") << "12.34" << qint64(1234);
    QTest::newRow("0.29") << "0.29" << qint64(29);
    QTest::newRow("meio acima") << "0.005" << qint64(1);
    QTest::newRow("meio negativo") << "-0.005" << qint64(-1);
    QTest::newRow("abaixo do meio") << "1.0049" << qint64(100);
    QTest::newRow("zero") << "0" << qint64(0);
}

void TesteDados::centavosDeExportacao()
{
    QFETCH(QString, valor);
    QFETCH(qint64, centavos);
    QCOMPARE(Dinheiro::deTexto(valor).centavosExportacao(), centavos);
}

void TesteDados::dinheiroIdaEVoltaNoBanco()
{
    OperadorTeste operador;
    BancoTeste banco;
    const QList<qint64> valores = {123456789012345LL, -1, 1, 99999999999999LL, 12345, -50000000000001LL};
    for (qint64 v : valores) {
        Sql::Executar(QStringLiteral("DELETE FROM ECONTAS_042"));
        Sql::Executar(QStringLiteral("INSERT INTO ECONTAS_042 (VALOR) VALUES (?)"),
                      {Dinheiro::deDezMilesimos(v).paraTexto()});
        RowSet r = RowSet::abrir(QStringLiteral("SELECT VALOR FROM ECONTAS_042"));
        r.first();
        QCOMPARE(r.dinheiro(QStringLiteral("VALOR")).dezMilesimos(), v);
    }
    QVERIFY_THROWS_EXCEPTION(Falha, Dinheiro::deTexto(QStringLiteral("1.23456")));
    const QList<std::pair<qint64, QString>> textos = {
        {0, "0.0000"},
        {-1, "-0.0001"},
        {12345, "1.2345"},
        {-50000000000001LL, "-5000000000.0001"},
        {std::numeric_limits<qint64>::min(), "-922337203685477.5808"}};
    for (const auto &[valor, texto] : textos)
        QCOMPARE(Dinheiro::deDezMilesimos(valor).paraTexto(), texto);
}

void TesteDados::datas()
{
    QCOMPARE(DataParaDias(QDate(1899, 12, 30)), 0.0);
    QCOMPARE(DataParaDias(QDate(2024, 3, 15)), 45366.0);
    QCOMPARE(DataParaDias(QDateTime(QDate(2024, 3, 15), QTime(12, 0))), 45366.5);
    QCOMPARE(DiasParaDataHora(45366.5), QDateTime(QDate(2024, 3, 15), QTime(12, 0)));
    QVERIFY(DiasParaParametro(0).isNull());
    QCOMPARE(VariantParaDias(QVariant()), 0.0);
}

void TesteDados::aspasECodigos()
{
    QCOMPARE(Sql::Q(QStringLiteral("D'Ávila")), QStringLiteral("'D''Ávila'"));
    QCOMPARE(Sql::Q(QString()), QStringLiteral("''"));
    QCOMPARE(Sql::Linhas({"SELECT 1", "FROM X"}), QStringLiteral("SELECT 1\nFROM X\n"));
    for (const char *valido : {"JAN", "DEZ", "AC1", "LY1", "LZ9", "BC2"})
        QCOMPARE(Sql::ValidarFolha(QString::fromLatin1(valido)), QString::fromLatin1(valido));
    for (const char *invalido : {"jan", "MC1", "AX1", "AC", "JAN;DROP", "", "A C1"})
        QVERIFY_THROWS_EXCEPTION(Falha, Sql::ValidarFolha(QString::fromLatin1(invalido)));
    QVERIFY_THROWS_EXCEPTION(Falha, Sql::ValidarMes(QStringLiteral("AC1")));
}

void TesteDados::rowSetLeCharSemBrancosEVarcharComoEsta()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir(
        "KVB020",
        {{"ANO", "2024"}, {"NUMMES", "1"}, {"MES", "ÇC1"}, {"CNPJ", "ab  "}, {"GERAL", QVariant()}});
    RowSet r = RowSet::abrir(QStringLiteral("SELECT nummes, mes, cnpj, geral FROM KVB020"));
    r.first();
    QCOMPARE(r.texto("NUMMES"), QStringLiteral("1"));  // CHAR(2) without its pad blank
    QCOMPARE(r.texto("mes"), QStringLiteral("ÇC1"));   // accented letter survives UTF8/WIN1252
    QCOMPARE(r.texto("Cnpj"), QStringLiteral("ab  ")); // VARCHAR as stored
    QVERIFY(r.nulo("GERAL"));
    QCOMPARE(r.texto("GERAL"), QString());
    QCOMPARE(r.inteiro("NUMMES"), 1);
    QVERIFY_THROWS_EXCEPTION(Falha, r.texto("NAO_EXISTE"));

    // Equal texts share one kept value; an empty text and a NULL stay apart, whichever comes first.
    banco.inserir("KVB020", {{"ANO", "2024"}, {"NUMMES", "2"}, {"MES", ""}, {"CNPJ", ""}, {"GERAL", ""}});
    banco.inserir("KVB020", {{"ANO", "2024"}, {"NUMMES", "3"}, {"MES", QVariant()}, {"CNPJ", QVariant()}});
    RowSet textos = RowSet::abrir(QStringLiteral("SELECT mes, cnpj, geral FROM KVB020 ORDER BY nummes"));
    QStringList vistos;
    for (int l = 0; l < textos.quantidadeLinhas(); ++l)
        for (int c = 0; c < textos.quantidadeCampos(); ++c)
            vistos << (textos.valorEm(l, c).isNull() ? QStringLiteral("NULL")
                                                     : '[' + textos.textoEm(l, c) + ']');
    QCOMPARE(vistos, (QStringList{"[ÇC1]", "[ab  ]", "NULL", "[]", "[]", "[]", "NULL", "NULL", "NULL"}));
}

// A documented statement pastes every value as a quoted text: bound, a null QString must still be the
// empty text ('' finds a row of an empty CHAR, NULL finds nothing). SQL NULL is bound only on request.
void TesteDados::textoNuloLigadoComoVazio()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB020", {{"ANO", "2024"}, {"NUMMES", "1"}, {"MES", ""}});
    banco.inserir("KVB020", {{"ANO", "2024"}, {"NUMMES", "2"}, {"MES", Sql::Nulo()}});
    const auto contar = [](const QString &condicao, const QVariantList &valores) {
        RowSet r = RowSet::abrir("SELECT COUNT(*) FROM KVB020 WHERE " + condicao, valores);
        r.first();
        return r.inteiro("COUNT");
    };
    QCOMPARE(contar("MES = ?", {QString()}), 1);
    QCOMPARE(contar("MES = ?", {QVariant(QMetaType(QMetaType::QString))}), 1);
    QCOMPARE(contar("MES = ?", {QStringLiteral("")}), 1);
    QCOMPARE(contar("MES = ?", {Sql::Nulo()}), 0);
    QCOMPARE(contar("MES IS NOT DISTINCT FROM ?", {Sql::Nulo()}), 1);
    QCOMPARE(contar("MES IS NULL AND NUMMES = ?", {QStringLiteral("2")}), 1);
    Sql::Comando("INSERT INTO KVB020 (ANO, NUMMES, MES) VALUES (?, ?, ?)")
        .executar({QStringLiteral("2024"), QStringLiteral("3"), QString()});
    QCOMPARE(contar("MES = '' AND NUMMES = ?", {QStringLiteral("3")}), 1);
}

// The rows fetched on the driver's statement come as the driver gives them: same types, same values,
// the same typed NULLs, for every type the payroll tables use.
void TesteDados::leitorNativoDaOsValoresDoDriver()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.executar("CREATE TABLE TIPOS (T VARCHAR(10), C CHAR(5), N NUMERIC(18,4), N2 NUMERIC(9,2), "
                   "N3 NUMERIC(4,1), S SMALLINT, I INTEGER, B BIGINT, F FLOAT, D DOUBLE PRECISION, "
                   "TS TIMESTAMP, DT DATE, TM TIME, BO BOOLEAN)");
    banco.executar(
        "INSERT INTO TIPOS VALUES ('Ação ç', 'ÇA', 123456789.0123, -45.67, 12.3, -7, 2147483647, "
        "9007199254740993, 1.25, 0.1, '2024-02-29 23:59:58.123', '1899-12-30', '13:45:01.5', TRUE)");
    banco.executar("INSERT INTO TIPOS VALUES ('', '', 0, 0, 0, 0, 0, 0, 0, 0, '2024-01-01', '2024-01-01', "
                   "'00:00', FALSE)");
    banco.executar("INSERT INTO TIPOS (T) VALUES (NULL)");
    const QString sql = QStringLiteral("SELECT t.*, 'x' AS L, CAST(NULL AS VARCHAR(3)) AS NL FROM TIPOS t");
    QSqlQuery doDriver(Sql::Conexao());
    QVERIFY(doDriver.exec(sql));
    QSqlQuery consulta(Sql::Conexao());
    QVERIFY(consulta.exec(sql));
    QVERIFY(!LeitorNativo::precisa(consulta)); // a WIN1252 database: the driver's reading serves
    const std::unique_ptr<LeitorNativo> nativo = LeitorNativo::abrir(consulta);
    int linhas = 0;
    while (doDriver.next()) {
        QVERIFY(nativo->proxima());
        ++linhas;
        for (int c = 0; c < doDriver.record().count(); ++c) {
            const QVariant esperado = doDriver.value(c), lido = nativo->valor(c);
            const QString onde =
                QStringLiteral("linha %1, coluna %2").arg(linhas).arg(doDriver.record().fieldName(c));
            QVERIFY2(lido.metaType() == esperado.metaType(), qPrintable(onde));
            QVERIFY2(lido.isNull() == esperado.isNull(), qPrintable(onde));
            QVERIFY2(lido == esperado,
                     qPrintable(onde + ": " + lido.toString() + " / " + esperado.toString()));
        }
    }
    QVERIFY(!nativo->proxima());
    QCOMPARE(linhas, 3);
}

// Texts of character set NONE are the office's bytes: decoded in its code page, written in it (the
// engine turns the connection's UTF-8 into them), and a byte the code page leaves undefined is no text.
void TesteDados::textosSemConjuntoNaPaginaDoEscritorio_data()
{
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("texto"); // "<nada>": not text of that code page
    QTest::newRow("WIN1252") << "WIN1252" << QByteArray("S\xC3O JO\xC3O \x80")
                             << QStringLiteral("SÃO JOÃO €");
    QTest::newRow("WIN1252, byte indefinido")
        << "WIN1252" << QByteArray("JOS\x81") << QStringLiteral("<nada>");
    QTest::newRow("padrão é WIN1252") << QString() << QByteArray("A\xC7\xC3O") << QStringLiteral("AÇÃO");
    QTest::newRow("ISO8859_1") << "ISO8859_1" << QByteArray("A\xC7\x81") << QStringLiteral("AÇ\u0081");
    QTest::newRow("UTF8") << "UTF8" << QByteArray("A\xC3\x87") << QStringLiteral("AÇ");
    QTest::newRow("UTF8 inválido") << "UTF8" << QByteArray("A\xC7") << QStringLiteral("<nada>");
}

void TesteDados::textosSemConjuntoNaPaginaDoEscritorio()
{
    QFETCH(QString, pagina);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, texto);
    const QByteArray antes = qgetenv(CodificacaoTextos::VariavelConjunto);
    qputenv(CodificacaoTextos::VariavelConjunto, pagina.toUtf8());
    const std::optional<QString> lido = CodificacaoTextos::Decodificar(bytes.constData(), bytes.size());
    QCOMPARE(lido.value_or(QStringLiteral("<nada>")), texto);
    if (texto != QLatin1String("<nada>")) {
        // Written through the column's placeholder, the same bytes are stored.
        OperadorTeste operador;
        BancoTeste banco;
        banco.executar("CREATE TABLE SEM_CONJUNTO (T VARCHAR(20) CHARACTER SET NONE)");
        Sql::Executar(Sql::Insercao(QStringLiteral("SEM_CONJUNTO"), {QStringLiteral("T")}), {texto});
        RowSet r =
            RowSet::abrir(QStringLiteral("SELECT T, (SELECT COUNT(*) FROM SEM_CONJUNTO WHERE "
                                         "CAST(T AS VARCHAR(20) CHARACTER SET OCTETS) = x'%1') AS IGUAIS "
                                         "FROM SEM_CONJUNTO")
                              .arg(QString::fromLatin1(bytes.toHex())));
        r.first();
        QCOMPARE(r.texto(QStringLiteral("T")), texto);
        QCOMPARE(r.inteiro(QStringLiteral("IGUAIS")), 1);
    }
    qputenv(CodificacaoTextos::VariavelConjunto, antes);
}

void TesteDados::rowSetLocateFiltroEOrdem()
{
    RowSet r = RowSet::vazio({"UG", "UO", "VALOR"});
    r.adicionarLinha({"2", "B", 3.0});
    r.adicionarLinha({"1", "A", 1.0});
    r.adicionarLinha({"2", "A", 2.0});
    r.adicionarLinha({"1", "A", 9.0});
    r.ordenar({"UG", "UO"});
    QStringList ordem;
    for (r.first(); !r.eof(); r.next())
        ordem << r.texto("UG") + r.texto("UO") + QString::number(r.flutuante("VALOR"));
    QCOMPARE(ordem, QStringList({"1A1", "1A9", "2A2", "2B3"})); // stable
    QVERIFY_THROWS_EXCEPTION(Falha, r.ordenar({"UG", "NAO_EXISTE"}));

    r.first();
    r.next();
    QVERIFY(!r.locate({"UG", "UO"}, {"3", "A"}));
    QCOMPARE(r.flutuante("VALOR"), 9.0); // not found: cursor stays
    QVERIFY(r.locate({"UG", "UO"}, {"1", "A"}));
    QCOMPARE(r.flutuante("VALOR"), 1.0); // the first row of the key
    QVERIFY(r.locate({"UO"}, {"B"}));
    QCOMPARE(r.texto("UG"), QStringLiteral("2"));

    r.filtrar([](const RowSet &s, int l) { return s.textoEm(l, 0) == QLatin1String("2"); });
    QCOMPARE(r.recordCount(), 2);
    QVERIFY(!r.locate({"UG"}, {"1"}));
    r.semFiltro();
    QCOMPARE(r.recordCount(), 4);
    r.last();
    r.next();
    QVERIFY(r.eof());
    QVERIFY(r.valor("UG").isNull());
}

// A name finds the first column so named whatever the case of either; a name no column has is -1.
void TesteDados::rowSetAchaColunaEmQualquerCaixa()
{
    const RowSet r = RowSet::vazio({"Matricula", "NOME", "matricula", "Único"});
    const QList<std::pair<QString, int>> casos = {{"matricula", 0}, {"MATRICULA", 0}, {"mAtRiCuLa", 0},
                                                  {"nome", 1},      {"Nome", 1},      {"único", 3},
                                                  {"ÚNICO", 3},     {"cpf", -1}};
    for (const auto &[nome, coluna] : casos)
        QCOMPARE(r.indiceCampo(nome), coluna);
}

void TesteDados::falhaAoLerLinhaChegaComoFalha()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB006JAN", {{"CDSETOR", "0A1"}});
    QVERIFY_THROWS_EXCEPTION(Falha,
                             RowSet::abrir(QStringLiteral("SELECT * FROM KVB006JAN WHERE cdsetor = 0")));
}

// The operator's text stays the engine's; the statement and the values it ran with travel beside it.
void TesteDados::falhaLevaComandoEValores_data()
{
    QTest::addColumn<QString>("via");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("valores");
    QTest::newRow("prepare") << "Executar"
                             << "INSERT INTO KVB020 (NAO_EXISTE) VALUES (?)" << QVariantList{1};
    QTest::newRow("exec") << "Executar"
                          << "INSERT INTO KVB020 (ANO) VALUES (?)" << QVariantList{"20245"};
    QTest::newRow("prepared once") << "Comando"
                                   << "INSERT INTO KVB020 (ANO) VALUES (?)" << QVariantList{"20245"};
    QTest::newRow("row set") << "RowSet"
                             << "SELECT * FROM KVB006JAN WHERE cdsetor = 0 AND 1 = ?" << QVariantList{1};
}

void TesteDados::falhaLevaComandoEValores()
{
    QFETCH(QString, via);
    QFETCH(QString, sql);
    QFETCH(QVariantList, valores);
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB006JAN", {{"CDSETOR", "0A1"}});
    try {
        if (via == QLatin1String("Comando"))
            Sql::Comando(sql).executar(valores);
        else if (via == QLatin1String("RowSet"))
            RowSet::abrir(sql, valores);
        else
            Sql::Executar(sql, valores);
        QFAIL("the statement should have failed");
    } catch (const Falha &f) {
        QCOMPARE(f.comando(), sql);
        QCOMPARE(f.valores(), valores);
        QVERIFY(!f.mensagem().contains(sql));
    }
}

void TesteDados::registroSqlMostraComandoValoresETempo()
{
    OperadorTeste operador;
    BancoTeste banco;
    Sql::Executar(QStringLiteral("INSERT INTO KVB020 (ANO) VALUES (?)"), {QStringLiteral("2023")});
    AtivarRegistroSql(true);
    QTest::ignoreMessage(QtInfoMsg,
                         QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9]{3} ms \\| SELECT ANO FROM KVB020 "
                                                           "WHERE ANO = \\? \\| valores: '2023'$")));
    RowSet::abrir(QStringLiteral("SELECT ANO\n  FROM KVB020\n WHERE ANO = ?"), {QStringLiteral("2023")});
    AtivarRegistroSql(false);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    RowSet::abrir(QStringLiteral("SELECT ANO FROM KVB020"));
}

void TesteDados::transacaoDesfeitaSemCommit()
{
    OperadorTeste operador;
    BancoTeste banco;
    QLoggingCategory::setFilterRules(QStringLiteral("econtas.geracao=true"));
    QTest::ignoreMessage(QtInfoMsg, "Transação desfeita: a ação terminou sem confirmá-la.");
    {
        Sql::Transacao t;
        Sql::Executar(QStringLiteral("INSERT INTO KVB020 (ANO) VALUES ('2024')"));
    }
    QTest::ignoreMessage(QtInfoMsg, "Transação desfeita: a ação terminou com uma falha ou foi interrompida.");
    try {
        Sql::Transacao t;
        Sql::Executar(QStringLiteral("INSERT INTO KVB020 (ANO) VALUES ('2024')"));
        throw Falha(QStringLiteral("falha no meio"));
    } catch (const Falha &) {
    }
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(banco.contar("KVB020"), 0);
    {
        Sql::Transacao t;
        Sql::Executar(QStringLiteral("INSERT INTO KVB020 (ANO) VALUES ('2024')"));
        t.commit();
    }
    QCOMPARE(banco.contar("KVB020"), 1);
}

void TesteDados::verificaSeTabelaExiste()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    QVERIFY(TComandosSql::VerificaSeTabelaExiste(QStringLiteral("kvb001jan")));
    QVERIFY(TComandosSql::VerificaSeTabelaExiste(QStringLiteral("KVB001JAN")));
    QVERIFY(!TComandosSql::VerificaSeTabelaExiste(QStringLiteral("kvb001fev")));
    QVERIFY(!TComandosSql::VerificaSeTabelaExiste(QStringLiteral("x' OR '1'='1")));
    QVERIFY(operador.mensagens.isEmpty());
}

void TesteDados::conexaoFalhaMostraMensagensEmOrdem()
{
    OperadorTeste operador;
    TConexao conexao(QStringLiteral("/nao/existe/banco.fdb"));
    QVERIFY(!conexao.getConexao().isValid());
    QCOMPARE(conexao.Usuario(), QStringLiteral("SYSDBA"));
    QCOMPARE(conexao.Driver(), QStringLiteral("FB"));
    QCOMPARE(conexao.Conexao(), QStringLiteral("FDConn"));
    QCOMPARE(operador.mensagens.size(), 2);
    QCOMPARE(operador.mensagens[0].tipo, QStringLiteral("mensagem"));
    QVERIFY(
        operador.mensagens[0].texto.startsWith(QStringLiteral("Não foi possível efetuar a conexão. Erro: ")));
    QVERIFY(operador.mensagens[0].texto.contains(QStringLiteral("/nao/existe/banco.fdb")));
    QCOMPARE(operador.mensagens[1],
             (OperadorTeste::Mensagem{"aviso", "Tovrin Sistemas - E-Contas",
                                      "Conexão não estabelecida, contate a Tovrin Sistemas!"}));
}

// The zone is named only when none is, and the C library's local time stays what it was.
void TesteDados::fusoHorarioDoProcesso()
{
    const bool tinha = qEnvironmentVariableIsSet("TZ");
    const QByteArray anterior = qgetenv("TZ");
    const auto deslocamentoLocal = [] {
        const std::time_t agora = std::time(nullptr);
        std::tm local{};
        localtime_r(&agora, &local);
        return local.tm_gmtoff;
    };
    qunsetenv("TZ");
    tzset();
    const long semTZ = deslocamentoLocal();
    FixarFusoHorarioDoProcesso();
    QCOMPARE(qgetenv("TZ"), QByteArray(":/etc/localtime"));
    QCOMPARE(deslocamentoLocal(), semTZ);
    qputenv("TZ", QByteArrayLiteral("America/Belem"));
    FixarFusoHorarioDoProcesso();
    QCOMPARE(qgetenv("TZ"), QByteArray("America/Belem"));
    if (tinha)
        qputenv("TZ", anterior);
    else
        qunsetenv("TZ");
    tzset();
}

// Values stay where they were put across the pieces' edges, the first piece included.
void TesteDados::vetorEmPedacos()
{
    VetorEmPedacos<qint64> v;
    for (qint64 i = 0; i < 100000; ++i)
        v.push_back(i * 3);
    QCOMPARE(v.size(), size_t(100000));
    for (qint64 i : {0, 1, 32767, 32768, 32769, 65535, 65536, 99999})
        QCOMPARE(v[size_t(i)], i * 3);
}

QTEST_GUILESS_MAIN(TesteDados)
#include "test_dados.moc"
