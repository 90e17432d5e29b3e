// The sample-database generator: check digits, determinism, and a sample whose tables agree with one
// another and with the checks of the critique (clean months stay clean, the problem month is not).
#include "common/Falha.h"
#include "common/uUtil.h"
#include "criticas/uCriticasController.h"
#include "db/Conexao.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "fixtures/lib/DigitosVerificadores.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "generation/ComandosFontes.h"
#include "generation/ComandosItens.h"
#include "generation/ComandosSelecao.h"
#include "support/OperadorTeste.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int ServidoresDaAmostra = 60;

// Every row of a query as one text line, sorted: a comparable picture of table contents.
QStringList despejo(const QString &sql)
{
    RowSet r = RowSet::abrir(sql);
    QStringList linhas;
    for (r.first(); !r.eof(); r.next()) {
        QStringList valores;
        for (int c = 0; c < r.quantidadeCampos(); ++c)
            valores << r.texto(c);
        linhas << valores.join(QLatin1Char('|'));
    }
    linhas.sort();
    return linhas;
}

QStringList coluna(const QString &sql)
{
    RowSet r = RowSet::abrir(sql);
    QStringList valores;
    for (r.first(); !r.eof(); r.next())
        valores << r.texto(0);
    return valores;
}

int contar(const QString &sql)
{
    RowSet r = RowSet::abrir(sql);
    r.first();
    return r.inteiro(r.campos().first());
}

class Conectado {
public:
    explicit Conectado(const QString &caminho) : m_conexao(std::make_unique<TConexao>(caminho)) {}
    ~Conectado()
    {
        m_conexao.reset();
        QSqlDatabase::database(Sql::NomeConexao, false).close();
        QSqlDatabase::removeDatabase(Sql::NomeConexao);
    }
    bool aberto() const { return m_conexao->getConexao().isOpen(); }

private:
    std::unique_ptr<TConexao> m_conexao;
};

} // namespace

class TesteAmostra : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void digitosVerificadores_data();
    void digitosVerificadores();
    void completarDigitos();
    void mesmaSementeMesmoBancoOutraSementeOutro();
    void parametrosInvalidosNaoTocamNoArquivo();
    void folhasDoAno();
    void documentosValidosNomesAcentuados();
    void cargosEUnidadesDosServidores();
    void eventosDasFolhasDefinidosNoMes();
    void todoSetorEnviadoTemServidorPago();
    void casosEspeciais();
    void criticaLimpaForaDoMesComProblemas();
    void folhasExtrasEntramNaSelecao();

private:
    QMap<QString, int> achadosDaCritica(const QString &mes);
    QStringList setoresSemServidorPago(const QString &mes);

    OperadorTeste m_operador;
    QTemporaryDir m_pasta;
    QString m_amostra;
    std::unique_ptr<Conectado> m_conexao;
};

void TesteAmostra::initTestCase()
{
    QVERIFY(m_pasta.isValid());
    m_amostra = m_pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra p;
    p.servidores = ServidoresDaAmostra;
    const ResumoAmostra resumo = CriarBancoAmostra(m_amostra, p);
    QVERIFY(resumo.linhas > 0);
    m_conexao = std::make_unique<Conectado>(m_amostra);
    QVERIFY(m_conexao->aberto());
}

void TesteAmostra::cleanupTestCase()
{
    m_conexao.reset();
}

void TesteAmostra::digitosVerificadores_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("numero");
    QTest::addColumn<bool>("valido");
    QTest::newRow("CPF válido") << "CPF"
                                << "52998224725" << true;
    QTest::newRow("CPF válido 2") << "CPF"
                                  << "11144477735" << true;
    QTest::newRow("CPF segundo dígito errado") << "CPF"
                                               << "52998224726" << false;
    QTest::newRow("CPF primeiro dígito errado") << "CPF"
                                                << "52998224715" << false;
    QTest::newRow("CPF dígitos repetidos") << "CPF"
                                           << "11111111111" << false;
    QTest::newRow("CPF curto") << "CPF"
                               << "5299822472" << false;
    QTest::newRow("CPF com pontuação") << "CPF"
                                       << "529.982.247-25" << false;
    QTest::newRow("PIS válido") << "PIS"
                                << "12345678919" << true;
    QTest::newRow("PIS dígito errado") << "PIS"
                                       << "12345678910" << false;
    QTest::newRow("PIS resto 1 dá zero") << "PIS"
                                         << "40000000000" << true;
    QTest::newRow("CNPJ válido") << "CNPJ"
                                 << "11222333000181" << true;
    QTest::newRow("CNPJ válido 2") << "CNPJ"
                                   << "00000000000191" << true;
    QTest::newRow("CNPJ dígito errado") << "CNPJ"
                                        << "11222333000182" << false;
    QTest::newRow("CNPJ repetido") << "CNPJ"
                                   << "00000000000000" << false;
    QTest::newRow("CNPJ com letra") << "CNPJ"
                                    << "1122233300018A" << false;
}

void TesteAmostra::digitosVerificadores()
{
    QFETCH(QString, tipo);
    QFETCH(QString, numero);
    QFETCH(bool, valido);
    using namespace DigitosVerificadores;
    const bool resultado = tipo == "CPF"   ? CPFValido(numero)
                           : tipo == "PIS" ? PISValido(numero)
                                           : CNPJValido(numero);
    QCOMPARE(resultado, valido);
}

void TesteAmostra::completarDigitos()
{
    using namespace DigitosVerificadores;
    QCOMPARE(CompletarCPF("529982247"), QStringLiteral("52998224725"));
    QCOMPARE(CompletarPIS("1234567891"), QStringLiteral("12345678919"));
    QCOMPARE(CompletarCNPJ("112223330001"), QStringLiteral("11222333000181"));
}

void TesteAmostra::mesmaSementeMesmoBancoOutraSementeOutro()
{
    const QStringList consultas = {"SELECT * FROM KVB001FEV",    "SELECT * FROM KVBDXX02FEV",
                                   "SELECT * FROM KVBDXX02BC1",  "SELECT * FROM KVB017",
                                   "SELECT * FROM KVBW9927",     "SELECT * FROM TB_GESTANTE",
                                   "SELECT * FROM CARGO_ECONTAS"};
    auto gerar = [&](const QString &nome, quint64 semente) {
        ParametrosAmostra p;
        p.servidores = 45;
        p.semente = semente;
        p.meses = {"FEV"};
        const QString caminho = m_pasta.filePath(nome);
        CriarBancoAmostra(caminho, p);
        Conectado c(caminho);
        QStringList tudo;
        for (const QString &sql : consultas)
            tudo << despejo(sql);
        return tudo;
    };
    m_conexao.reset(); // one connection named FDConn at a time
    const QStringList primeira = gerar("a.fdb", 11);
    const QStringList segunda = gerar("b.fdb", 11);
    const QStringList outra = gerar("c.fdb", 12);
    m_conexao = std::make_unique<Conectado>(m_amostra);
    QVERIFY(primeira.size() > 45 * 3);
    QCOMPARE(segunda, primeira);
    QVERIFY(outra != primeira);
}

void TesteAmostra::parametrosInvalidosNaoTocamNoArquivo()
{
    const QString caminho = m_pasta.filePath(QStringLiteral("existente.fdb"));
    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.write("conteúdo anterior");
    arquivo.close();
    ParametrosAmostra poucos;
    poucos.servidores = Amostra::MinimoServidores - 1;
    QVERIFY_THROWS_EXCEPTION(Falha, CriarBancoAmostra(caminho, poucos));
    ParametrosAmostra mesErrado;
    mesErrado.meses = {"JAN", "jan"};
    QVERIFY_THROWS_EXCEPTION(Falha, CriarBancoAmostra(caminho, mesErrado));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    QCOMPARE(arquivo.readAll(), QByteArray("conteúdo anterior"));
}

void TesteAmostra::folhasDoAno()
{
    const QStringList folhas = coluna("SELECT DISTINCT TRIM(SUBSTRING(RDB$RELATION_NAME FROM 9 FOR 3)) FROM "
                                      "RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME LIKE 'KVBDXX02%'");
    QStringList esperadas = ArrayMesNumero;
    esperadas << "BC1"
              << "LY1"
              << "LZ1";
    esperadas.sort();
    QStringList obtidas = folhas;
    obtidas.sort();
    QCOMPARE(obtidas, esperadas);
    for (const QString &f : esperadas) {
        QVERIFY2(contar("SELECT COUNT(*) FROM KVB006" + f + " WHERE fechamento NOT IN ('F', 'T')") == 0,
                 qPrintable(f));
        QVERIFY2(contar("SELECT COUNT(*) FROM KVB006" + f) > 0, qPrintable(f));
        QVERIFY2(contar("SELECT COUNT(*) FROM KVB001" + f) > 0, qPrintable(f));
    }
    // Every personnel row has its payroll row and the other way round.
    for (const QString &f : esperadas)
        QCOMPARE(contar("SELECT COUNT(*) FROM KVB001" + f + " p JOIN KVBDXX02" + f +
                        " r ON r.matricula = p.matricula"),
                 contar("SELECT COUNT(*) FROM KVBDXX02" + f));
    QCOMPARE(despejo("SELECT ano, nummes, mes, geral FROM KVB020"), QStringList{"2024|02|BC1|T"});
    QCOMPARE(contar("SELECT COUNT(*) FROM CTRL_TCMTPA"), 0);
    // Everyone active in December is in both 13th-salary sheets.
    QCOMPARE(contar("SELECT COUNT(*) FROM KVBDXX02LY1"),
             contar("SELECT COUNT(*) FROM KVBDXX02DEZ WHERE ativo = 'T'"));
    QCOMPARE(contar("SELECT COUNT(*) FROM KVBDXX02LZ1"),
             contar("SELECT COUNT(*) FROM KVBDXX02DEZ WHERE ativo = 'T'"));
}

void TesteAmostra::documentosValidosNomesAcentuados()
{
    RowSet cliente = RowSet::abrir("SELECT * FROM KVB003");
    QCOMPARE(cliente.recordCount(), 1);
    cliente.first();
    QVERIFY(DigitosVerificadores::CNPJValido(cliente.texto("cgc")));
    QCOMPARE(cliente.texto("codtcm").size(), 6);
    QVERIFY(!cliente.texto("codibge_municipio").isEmpty());
    for (const QString &cnpj : coluna("SELECT DISTINCT cgc FROM KVB006JAN WHERE cgc <> ''"))
        QVERIFY2(DigitosVerificadores::CNPJValido(cnpj), qPrintable(cnpj));
    QVERIFY(coluna("SELECT DISTINCT cgc FROM KVB006JAN WHERE cdsetor = '000' AND cgc <> ''").size() >= 2);

    RowSet pessoal = RowSet::abrir("SELECT * FROM KVB001JAN");
    QVERIFY(pessoal.recordCount() > ServidoresDaAmostra * 8 / 10);
    QSet<QString> cpfs;
    bool temAcento = false;
    for (pessoal.first(); !pessoal.eof(); pessoal.next()) {
        QVERIFY2(DigitosVerificadores::CPFValido(pessoal.texto("cpf")), qPrintable(pessoal.texto("cpf")));
        QVERIFY2(DigitosVerificadores::PISValido(pessoal.texto("pispasep")),
                 qPrintable(pessoal.texto("pispasep")));
        QVERIFY(pessoal.texto("nome").size() <= 40);
        QVERIFY(pessoal.texto("sexo") == "1" || pessoal.texto("sexo") == "2");
        cpfs.insert(pessoal.texto("cpf"));
        temAcento = temAcento || pessoal.texto("nome").contains(QRegularExpression("[ÁÉÍÓÚÂÊÔÃÕÇ]"));
    }
    QCOMPARE(cpfs.size(), pessoal.recordCount());
    QVERIFY(temAcento);
}

void TesteAmostra::cargosEUnidadesDosServidores()
{
    for (const QString &mes : ArrayMesNumero) {
        // Every staff member's position is configured for the month (the positions join on it).
        QCOMPARE(
            contar(
                "SELECT COUNT(*) FROM KVB001" + mes +
                " p WHERE NOT EXISTS (SELECT 1 FROM CARGO_ECONTAS c "
                "WHERE c.codcargo = p.funcao AND c.codvinculo = p.sistema AND c.codigo = p.funcao||p.sistema "
                "AND c.quadrimestre = '" +
                NumeroMesDoCodigo(mes) + "')"),
            0);
        // Unit codes have six digits and a name, except the one left unnamed in the problem month.
        const QStringList semNome =
            coluna("SELECT DISTINCT codundorca FROM KVB006" + mes +
                   " d WHERE NOT EXISTS "
                   "(SELECT 1 FROM UNIDADE_ORCAMENTARIA u WHERE u.codigo_unidade = d.codundorca)");
        QCOMPARE(semNome.size(), mes == Amostra::MesComProblemas ? 1 : 0);
        QCOMPARE(contar("SELECT COUNT(*) FROM KVB006" + mes + " WHERE CHAR_LENGTH(codundorca) <> 6"), 0);
        QCOMPARE(contar("SELECT COUNT(*) FROM KVB006" + mes +
                        " d WHERE cdsetor = '000' AND NOT EXISTS (SELECT 1 "
                        "FROM UNIDADE_ORCAMENTARIA u WHERE u.codigo_unidade = d.codundgestor)"),
                 0);
    }
    // Two or more managing units, several budget units, one department not sent, FUNDEB departments.
    QVERIFY(contar("SELECT COUNT(DISTINCT codundgestor) FROM KVB006JAN WHERE cdsetor = '000'") >= 2);
    QVERIFY(contar("SELECT COUNT(DISTINCT codundorca) FROM KVB006JAN") >= 4);
    QCOMPARE(contar("SELECT COUNT(*) FROM KVB006JAN WHERE naoenvtrib = 'T'"), 1);
    QVERIFY(contar("SELECT COUNT(*) FROM KVB006JAN WHERE fundebecontas = 'T' AND status = '1' AND naoenvtrib "
                   "= 'F'") > 0);
    QCOMPARE(
        contar(
            "SELECT COUNT(*) FROM CARGO_ECONTAS WHERE numvagas <= 0 OR tipocargo = '' OR tipocargo IS NULL"),
        0);
}

void TesteAmostra::eventosDasFolhasDefinidosNoMes()
{
    QStringList partes;
    for (const char *n :
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "11", "12", "13", "14", "15", "16", "17"})
        partes << QStringLiteral("SELECT cod%1 AS codigo FROM KVBDXX02%2 WHERE cod%1 <> ''")
                      .arg(QLatin1String(n));
    // Each sheet with the month whose event table defines its events.
    const QList<QPair<QString, QString>> folhas = {{"JAN", "JAN"}, {"FEV", "FEV"}, {"BC1", "FEV"},
                                                   {"JUN", "JUN"}, {"DEZ", "DEZ"}, {"LY1", "DEZ"},
                                                   {"LZ1", "DEZ"}};
    for (const auto &[folha, mesDaFolha] : folhas) {
        const QString uniao = partes.join(QStringLiteral(" UNION ")).arg(folha);
        const QStringList indefinidos = coluna("SELECT DISTINCT codigo FROM (" + uniao +
                                               ") s WHERE NOT EXISTS (SELECT 1 "
                                               "FROM KVB010" +
                                               mesDaFolha + " e WHERE e.codigo = s.codigo)");
        QVERIFY2(indefinidos.isEmpty(), qPrintable(folha + ": " + indefinidos.join(',')));
        QVERIFY2(!coluna("SELECT DISTINCT codigo FROM (" + uniao + ") s").isEmpty(), qPrintable(folha));
    }
    // Discounts, bonuses of every type and fixed events are all in use.
    QVERIFY(contar("SELECT COUNT(*) FROM KVB010JAN WHERE natureza = 'D'") > 0);
    QCOMPARE(coluna("SELECT DISTINCT TRIM(tipograt) FROM KVB010JAN WHERE tipograt IS NOT NULL ORDER BY 1"),
             QStringList({"0", "1", "99"}));
    QVERIFY(contar("SELECT COUNT(*) FROM KVB010JAN WHERE obs = '#FIXO#'") > 0);
    QCOMPARE(contar("SELECT COUNT(*) FROM KVB010JAN WHERE partevent = 'G' AND status = '1'"), 1);
}

QStringList TesteAmostra::setoresSemServidorPago(const QString &mes)
{
    return coluna(
        "SELECT d.cdsecreta||d.cdsetor FROM KVB006" + mes +
        " d WHERE d.cdsetor <> '000' AND "
        "d.naoenvtrib = 'F' AND NOT EXISTS (SELECT 1 FROM KVB001" +
        mes + " p JOIN KVBDXX02" + mes +
        " f ON f.matricula = p.matricula WHERE p.cdsecreta = d.cdsecreta AND p.cdsetor = d.cdsetor AND "
        "f.ativo = 'T' AND f.totprov > 0)");
}

void TesteAmostra::todoSetorEnviadoTemServidorPago()
{
    for (const QString &mes : ArrayMesNumero)
        QVERIFY2(setoresSemServidorPago(mes).isEmpty(),
                 qPrintable(mes + ": " + setoresSemServidorPago(mes).join(',')));
}

void TesteAmostra::casosEspeciais()
{
    // Maternity leave from January to May, with its values for each month of the leave, and one from
    // October to February, whose 13th-salary sheets' values carry an empty month.
    const QStringList gestantes =
        coluna("SELECT matricula FROM KVB017 WHERE codfol = '14' ORDER BY dtinicio");
    QCOMPARE(gestantes.size(), 2);
    QCOMPARE(coluna("SELECT descricao FROM AFASTFOLHA WHERE codigo = '14'").size(), 1);
    QCOMPARE(coluna("SELECT DISTINCT mes FROM TB_GESTANTE WHERE matricula = '" + gestantes.first() +
                    "' ORDER BY 1"),
             QStringList({"01", "02", "03", "04", "05"}));
    QCOMPARE(coluna("SELECT DISTINCT mes || '/' || tpfolha FROM TB_GESTANTE WHERE matricula = '" +
                    gestantes.last() + "' ORDER BY 1"),
             QStringList({"  /LY1", "  /LZ1", "10/OUT", "11/NOV", "12/DEZ"}));
    // Equal event slots of one staff member, and an event slot under a fixed item's code.
    QStringList partes;
    for (int n : TComandosSql::NumerosDosSlotsDeEventos())
        partes << QStringLiteral(
                      "SELECT matricula, cod%1 AS c, valor%1 AS v FROM KVBDXX02FEV WHERE cod%1 <> ''")
                      .arg(n);
    QVERIFY(contar("SELECT COUNT(*) FROM (SELECT matricula FROM (" + partes.join(" UNION ALL ") +
                   ") GROUP BY matricula, c, v HAVING COUNT(*) > 1)") > 0);
    QVERIFY(contar("SELECT COUNT(*) FROM KVBDXX02FEV WHERE 'K3' IN (cod1, cod2, cod3, cod4, cod5)") > 0);
    QCOMPARE(contar("SELECT COUNT(*) FROM TB_GESTANTE t WHERE t.evento = (SELECT codigo FROM KVB010JAN "
                    "WHERE partevent = 'G') AND t.tpfolha = 'JAN' AND t.valor > 0"),
             1);
    // Dismissals in the months the staff records read them from.
    QVERIFY(contar("SELECT COUNT(*) FROM KVB017 WHERE tipo = '2' AND codfol = '22' AND anoref = '2024' AND "
                   "mesref IN ('01', '02', '03', '04')") >= 2);
    // A staff member without earnings in January who travels that month.
    QCOMPARE(contar("SELECT COUNT(*) FROM KVBDXX02JAN f JOIN KVBW9927 d ON d.matricula = f.matricula WHERE "
                    "f.totprov = 0 AND f.ativo = 'T' AND EXTRACT(MONTH FROM d.dtato) = 1 AND "
                    "EXTRACT(MONTH FROM d.datempenho) = 1"),
             1);
    QVERIFY(contar("SELECT COUNT(*) FROM KVBDXX02BC1") > 0);
    QVERIFY(contar("SELECT COUNT(*) FROM KVBDXX02BC1 c WHERE NOT EXISTS (SELECT 1 FROM KVB001FEV p WHERE "
                   "p.matricula = c.matricula)") == 0);
}

// Every check of the critique, on the month's base selection and record sources: the number of
// findings of each group.
QMap<QString, int> TesteAmostra::achadosDaCritica(const QString &mes)
{
    RowSet cliente = RowSet::abrir("SELECT * FROM KVB003");
    cliente.first();
    const QString sqlPadrao = TComandosSql::MontarTextosSelecao(0, mes, "2024").base;
    RowSet e010 = TComandosSql::AbrirTabelaECONTAS_010(mes);
    RowSet e020 = TComandosSql::AbrirTabelaECONTAS_020(sqlPadrao);
    RowSet e030 = TComandosSql::AbrirTabelaECONTAS_030(NumeroMesDoCodigo(mes), sqlPadrao);
    RowSet e040 = TComandosSql::AbrirTabelaECONTAS_040("2024", sqlPadrao);
    TCriticasController c(mes, cliente, sqlPadrao);
    QMap<QString, int> achados;
    achados["cargos"] = c.ValidaTabelaCargosEcontas() ? 0 : 1;
    achados["codigoTCM"] = int(c.VerificaCodigoTCMCliente().size());
    achados["eventos"] = int(c.RetornaEventosNaoConfigurados().size());
    achados["tiposCargos"] = int(c.RetornaCriticasNosTiposDeCargos().size());
    achados["cliente"] = int(c.RetornarCriticasSobCadastroCliente().size());
    achados["vagas"] = int(c.RetornaCriticasNosTiposDeCargosComVagasZeradas().size());
    achados["situacao"] = int(c.RetornaSituacaoFuncionalComCriticas().size());
    achados["tipoInvalido"] = int(c.RetornaServidoresComTiposCargosInvalidos().size());
    achados["semLei"] = int(c.RetornaCriticaDeCargosSemNumeroLeiCriacao(e030).size());
    achados["gestoras"] = int(c.RetornaCriticasSobUnidadesGestoras(e010).size());
    achados["naoConfiguradas"] = int(c.RetornaCriticasUnidadesOrcamentariasNaoConfiguradas().size());
    QStringList setores;
    achados["orcamentarias"] = int(c.RetornaCriticasSobUnidadesOrcamentarias(e020, setores).size());
    achados["setores"] = int(setores.size());
    achados["funcionarios"] = int(c.RetornaFuncionariosComCriticas(e040).size());
    return achados;
}

void TesteAmostra::criticaLimpaForaDoMesComProblemas()
{
    for (const QString &mes : ArrayMesNumero) {
        const QMap<QString, int> achados = achadosDaCritica(mes);
        QMap<QString, int> esperados;
        for (auto it = achados.cbegin(); it != achados.cend(); ++it)
            esperados[it.key()] = 0;
        if (mes == Amostra::MesComProblemas) {
            for (const char *grupo :
                 {"eventos", "situacao", "tipoInvalido", "semLei", "naoConfiguradas", "funcionarios"})
                esperados[grupo] = 1;
        }
        QCOMPARE(achados, esperados);
    }
}

void TesteAmostra::folhasExtrasEntramNaSelecao()
{
    auto linhas = [](const QString &sql) { return sql.isEmpty() ? -1 : RowSet::abrir(sql).recordCount(); };
    const auto fev = TComandosSql::MontarTextosSelecao(1, "FEV", "2024");
    QCOMPARE(linhas(fev.complementar),
             contar("SELECT COUNT(*) FROM KVBDXX02BC1 f JOIN KVB001FEV p ON p.matricula = "
                    "f.matricula JOIN KVB006FEV d ON d.cdsecreta = p.cdsecreta AND "
                    "d.cdsetor = p.cdsetor WHERE d.naoenvtrib = 'F'"));
    QVERIFY(fev.decimoAdiantamento.isEmpty() && fev.decimoFinal.isEmpty());
    const auto dez = TComandosSql::MontarTextosSelecao(1, "DEZ", "2024");
    QVERIFY(dez.complementar.isEmpty());
    QVERIFY(linhas(dez.decimoAdiantamento) > 0);
    QCOMPARE(linhas(dez.decimoFinal), linhas(dez.decimoAdiantamento));
    // The staff member of the department not sent to the tribunal is left out of the selection.
    const int todos = contar("SELECT COUNT(*) FROM KVBDXX02JAN WHERE ativo = 'T' AND totprov > 0");
    const int naoEnviados =
        contar("SELECT COUNT(*) FROM KVBDXX02JAN f JOIN KVB001JAN p ON p.matricula = f.matricula "
               "JOIN KVB006JAN d ON d.cdsecreta = p.cdsecreta AND d.cdsetor = p.cdsetor "
               "WHERE d.naoenvtrib = 'T' AND f.ativo = 'T' AND f.totprov > 0");
    QVERIFY(naoEnviados > 0);
    // Plus the one paid only a per-diem in January.
    QCOMPARE(linhas(TComandosSql::MontarTextosSelecao(0, "JAN", "2024").base), todos - naoEnviados + 1);
}

QTEST_GUILESS_MAIN(TesteAmostra)
#include "test_amostra.moc"
