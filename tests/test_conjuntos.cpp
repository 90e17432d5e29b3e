// The same municipality in databases of every character set and collation a payroll database may
// declare gives the same month: the batch command's output, the submission files byte for byte, the
// summary's CSV and the work rows equal those of the plain WIN1252 database. Under NONE the texts are
// the bytes of the office's code page both ways; a text that is not of that code page stops the month
// before anything is written, naming where it is.
#include "db/Conexao.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "econtas/TabelasTrabalho.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList Competencias = {QStringLiteral("022024"), QStringLiteral("122024")};

// Sets ECONTAS_CONJUNTO for this process and the commands it starts, and puts it back afterwards.
class ConjuntoDoEscritorio {
public:
    explicit ConjuntoDoEscritorio(const QString &conjunto) : m_antes(qgetenv("ECONTAS_CONJUNTO"))
    {
        if (conjunto.isEmpty())
            qunsetenv("ECONTAS_CONJUNTO");
        else
            qputenv("ECONTAS_CONJUNTO", conjunto.toUtf8());
    }
    ~ConjuntoDoEscritorio()
    {
        if (m_antes.isEmpty())
            qunsetenv("ECONTAS_CONJUNTO");
        else
            qputenv("ECONTAS_CONJUNTO", m_antes);
    }

private:
    QByteArray m_antes;
};

// Everything a month leaves behind that must not depend on the database's character set: what the
// command printed and its status, every file of the export but the PDF (and the PDF's line of the
// manifest), and every work row.
struct Mes {
    QStringList saida;
    QMap<QString, QByteArray> arquivos;
    QStringList linhas;
};

QMap<QString, QByteArray> Arquivos(const QString &pasta)
{
    QMap<QString, QByteArray> arquivos;
    for (QDirIterator it(pasta, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString caminho = it.next();
        if (caminho.endsWith(QLatin1String(".pdf")))
            continue;
        QFile f(caminho);
        f.open(QIODevice::ReadOnly);
        QByteArray conteudo = f.readAll();
        if (caminho.endsWith(QLatin1String("SHA256SUMS"))) {
            QList<QByteArray> linhas = conteudo.split('\n');
            linhas.removeIf([](const QByteArray &l) { return l.endsWith(".pdf"); });
            conteudo = linhas.join('\n');
        }
        arquivos.insert(QDir(pasta).relativeFilePath(caminho), conteudo);
    }
    return arquivos;
}

QStringList LinhasDeTrabalho(const QString &banco)
{
    QStringList linhas;
    {
        TConexao conexao(banco);
        for (const TabelaTrabalho *tabela : TabelasTrabalho::Todas()) {
            RowSet r =
                RowSet::abrir(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                                  .arg(tabela->nome(), tabela->ordemExportacao().join(QStringLiteral(", "))));
            for (int l = 0; l < r.quantidadeLinhas(); ++l) {
                QStringList valores;
                for (int c = 0; c < r.quantidadeCampos(); ++c)
                    valores << (r.valorEm(l, c).isNull() ? QStringLiteral("NULL") : r.textoEm(l, c));
                linhas << tabela->nome() + QLatin1Char('|') + valores.join(QLatin1Char('|'));
            }
        }
        linhas.sort(); // a collation may order names otherwise: the rows are what counts
        QSqlDatabase::database(Sql::NomeConexao, false).close();
    }
    QSqlDatabase::removeDatabase(Sql::NomeConexao);
    return linhas;
}

} // namespace

class TesteConjuntos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mesIgualAoDoBancoWin1252_data();
    void mesIgualAoDoBancoWin1252();
    void textoForaDaPaginaParaOMesAntesDeGravar();
    void conjuntoDesconhecidoNaoConecta();

private:
    QString criar(const QString &nome, const QString &conjunto, const QString &colacao);
    Mes processar(const QString &banco);
    QTemporaryDir m_pasta;
    std::unique_ptr<OperadorTeste> m_operador;
    Mes m_referencia;
};

// Each database in a folder of its own, where the command runs: the command's output names its files
// by the same relative paths for every database.
QString TesteConjuntos::criar(const QString &nome, const QString &conjunto, const QString &colacao)
{
    QDir(m_pasta.path()).mkdir(nome);
    const QString banco = m_pasta.filePath(nome + QStringLiteral("/banco.fdb"));
    ParametrosAmostra parametros;
    parametros.servidores = 60;
    parametros.meses = {QStringLiteral("FEV"), QStringLiteral("DEZ")};
    parametros.conjunto = conjunto;
    parametros.colacao = colacao;
    CriarBancoAmostra(banco, parametros);
    return banco;
}

Mes TesteConjuntos::processar(const QString &banco)
{
    Mes mes;
    const QString pasta = QFileInfo(banco).path();
    for (const QString &competencia : Competencias) {
        const QString envio = QStringLiteral("envio-") + competencia;
        const ExecucaoLote e =
            ExecutarLote({QStringLiteral("banco.fdb"), QStringLiteral("2024"), QStringLiteral("joão"),
                          QStringLiteral("processar"), competencia, envio, QStringLiteral("--sim")},
                         pasta);
        // The last line names the folder the files went to, which is this database's own.
        mes.saida << QString::number(e.saida)
                  << QString(e.saidaPadrao).replace(pasta, QStringLiteral("<pasta>")) << e.erros;
        const QMap<QString, QByteArray> arquivos = Arquivos(pasta + QLatin1Char('/') + envio);
        for (auto it = arquivos.cbegin(); it != arquivos.cend(); ++it)
            mes.arquivos.insert(competencia + QLatin1Char('/') + it.key(), it.value());
    }
    mes.linhas = LinhasDeTrabalho(banco);
    return mes;
}

void TesteConjuntos::initTestCase()
{
    m_operador = std::make_unique<OperadorTeste>();
    m_referencia = processar(criar(QStringLiteral("win1252"), QStringLiteral("WIN1252"), QString()));
    QCOMPARE(m_referencia.saida.first(), QStringLiteral("0"));
    QVERIFY(m_referencia.arquivos.size() > 6);
    // The municipality's names carry accents, which is what the other databases must keep.
    QVERIFY(std::any_of(m_referencia.arquivos.keyBegin(), m_referencia.arquivos.keyEnd(),
                        [](const QString &k) { return k.contains(QStringLiteral("SAÚDE")); }));
}

void TesteConjuntos::mesIgualAoDoBancoWin1252_data()
{
    QTest::addColumn<QString>("conjunto");
    QTest::addColumn<QString>("colacao");
    QTest::addColumn<QString>("paginaDoEscritorio");
    QTest::newRow("NONE") << "NONE" << QString() << QString();
    QTest::newRow("NONE, escritório em ISO8859_1") << "NONE" << QString() << "ISO8859_1";
    QTest::newRow("ISO8859_1") << "ISO8859_1" << QString() << QString();
    QTest::newRow("UTF8") << "UTF8" << QString() << QString();
    QTest::newRow("WIN1252 com WIN_PTBR") << "WIN1252"
                                          << "WIN_PTBR" << QString();
}

void TesteConjuntos::mesIgualAoDoBancoWin1252()
{
    QFETCH(QString, conjunto);
    QFETCH(QString, colacao);
    QFETCH(QString, paginaDoEscritorio);
    const ConjuntoDoEscritorio escritorio(paginaDoEscritorio);
    const QString nome =
        QString::fromUtf8(QTest::currentDataTag()).replace(QRegularExpression("[^A-Za-z0-9]"), "_");
    const QString banco = criar(nome, conjunto, colacao);
    const Mes mes = processar(banco);
    QCOMPARE(mes.saida, m_referencia.saida);
    QCOMPARE(mes.arquivos.keys(), m_referencia.arquivos.keys());
    for (auto it = m_referencia.arquivos.cbegin(); it != m_referencia.arquivos.cend(); ++it)
        QVERIFY2(mes.arquivos.value(it.key()) == it.value(), qPrintable(it.key()));
    QCOMPARE(mes.linhas, m_referencia.linhas);
    if (conjunto != QLatin1String("NONE"))
        return;
    // The work rows hold the office's bytes, as the payroll system's own texts: "Ç" is one byte.
    TConexao conexao(banco);
    RowSet bytes =
        RowSet::abrir(QStringLiteral("SELECT COUNT(*) AS N FROM ECONTAS_010 WHERE DESCRICAO CONTAINING "
                                     "x'C7'"));
    bytes.first();
    QVERIFY(bytes.inteiro(QStringLiteral("N")) > 0);
    RowSet utf8 = RowSet::abrir(
        QStringLiteral("SELECT COUNT(*) AS N FROM ECONTAS_010 WHERE DESCRICAO CONTAINING x'C387'"));
    utf8.first();
    QCOMPARE(utf8.inteiro(QStringLiteral("N")), 0);
    QSqlDatabase::database(Sql::NomeConexao, false).close();
}

void TesteConjuntos::textoForaDaPaginaParaOMesAntesDeGravar()
{
    const QString banco = criar(QStringLiteral("ilegivel"), QStringLiteral("NONE"), QString());
    QString matricula;
    {
        TConexao conexao(banco);
        RowSet r = RowSet::abrir(QStringLiteral("SELECT MIN(MATRICULA) AS M FROM KVB001FEV"));
        r.first();
        matricula = r.texto(QStringLiteral("M"));
        // 0x81 is one of the five bytes Windows-1252 leaves undefined.
        Sql::Executar(
            QStringLiteral("UPDATE KVB001FEV SET NOME = CAST(x'4A4F538120' AS VARCHAR(5) CHARACTER SET "
                           "NONE) WHERE MATRICULA = ?"),
            {matricula});
        QSqlDatabase::database(Sql::NomeConexao, false).close();
    }
    QSqlDatabase::removeDatabase(Sql::NomeConexao);
    const QString envio = m_pasta.filePath(QStringLiteral("ilegivel/envio"));
    const ExecucaoLote e =
        ExecutarLote({banco, QStringLiteral("2024"), QStringLiteral("ana"), QStringLiteral("processar"),
                      QStringLiteral("022024"), envio, QStringLiteral("--sim")});
    QCOMPARE(e.saida, 1);
    QVERIFY2(e.erros.contains(QStringLiteral("Texto que não está em WIN1252: tabela KVB001FEV, coluna NOME, "
                                             "linha de MATRICULA = '%1' (bytes 4A 4F 53 81")
                                  .arg(matricula)),
             qPrintable(e.erros));
    QVERIFY(!QDir(envio).exists());
    TConexao conexao(banco);
    RowSet controle = RowSet::abrir(QStringLiteral("SELECT DT_CRITICAS, DT_GERACAO FROM CTRL_TCMTPA WHERE "
                                                   "MES_ANO = '022024'"));
    controle.first();
    QVERIFY(controle.nulo(QStringLiteral("DT_CRITICAS")));
    QVERIFY(controle.nulo(QStringLiteral("DT_GERACAO")));
    QSqlDatabase::database(Sql::NomeConexao, false).close();
}

void TesteConjuntos::conjuntoDesconhecidoNaoConecta()
{
    const ConjuntoDoEscritorio escritorio(QStringLiteral("LATIN9"));
    const ExecucaoLote e =
        ExecutarLote({m_pasta.filePath(QStringLiteral("win1252/banco.fdb")), QStringLiteral("2024"),
                      QStringLiteral("ana"), QStringLiteral("meses")});
    QCOMPARE(e.saida, 1);
    QVERIFY2(e.erros.contains(
                 QStringLiteral("ECONTAS_CONJUNTO inválido: \"LATIN9\". Use WIN1252, ISO8859_1, UTF8.")),
             qPrintable(e.erros));
}

QTEST_GUILESS_MAIN(TesteConjuntos)
#include "test_conjuntos.moc"
