// The batch command's output on the sample: the text of the report verbs as it always was, the same
// content as one JSON document with --json, the live progress line only on a terminal and without
// --silencioso, each step with its time under --detalhes, and the usage text with --ajuda.
#include "fixtures/lib/GeradorAmostra.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString conteudo(const QString &arquivo)
{
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

QString dataDoControle(const QJsonValue &iso)
{
    return QDate::fromString(iso.toString(), Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy"));
}

// The text each verb prints, rebuilt from its JSON document: the messages first, then the results.
QStringList textoDoJson(const QString &verbo, const QJsonObject &d)
{
    QStringList linhas;
    for (const QJsonValue &m : d[QStringLiteral("mensagens")].toArray())
        linhas << m.toString().split(QLatin1Char('\n'));
    if (verbo == QLatin1String("meses")) {
        for (const QJsonValue &v : d["meses"].toArray()) {
            const QJsonObject m = v.toObject();
            linhas << QStringList{m["legenda"].toString(),
                                  m["geral"].toString(),
                                  m["cnpj"].toString(),
                                  dataDoControle(m["dataCriticas"]),
                                  dataDoControle(m["dataGeracao"]),
                                  dataDoControle(m["dataExportacao"]),
                                  m["competencia"].toString()}
                          .join('\t');
        }
    } else if (verbo == QLatin1String("criticas")) {
        for (const QJsonValue &v : d["grupos"].toArray()) {
            const QJsonObject g = v.toObject();
            linhas << g["cabecalho"].toString() << g["subtitulo"].toString();
            for (const QJsonValue &l : g["linhas"].toArray())
                linhas << l.toString();
            linhas << QStringLiteral("Total de itens: %1").arg(g["quantidade"].toInt());
        }
    } else if (verbo == QLatin1String("complementares")) {
        linhas << d["cabecalho"].toString() << d["subtitulo"].toString();
        for (const QJsonValue &v : d["folhas"].toArray()) {
            const QJsonObject f = v.toObject();
            linhas << QStringLiteral("[%1] %2 (%3)")
                          .arg(f["marcada"].toBool() ? "X" : " ", f["texto"].toString(),
                               f["competencia"].toString());
        }
        linhas << d["rodape"].toString();
    } else if (verbo == QLatin1String("unidades")) {
        for (const QJsonValue &v : d["linhas"].toArray())
            linhas << v.toVariant().toStringList().join('\t');
        linhas << d["status"].toString();
    } else if (verbo == QLatin1String("verificar")) {
        for (const QJsonValue &v : d["arquivos"].toArray()) {
            const QJsonObject a = v.toObject();
            const QString arquivo = a["arquivo"].toString();
            if (a["correto"].toBool())
                linhas << arquivo + (arquivo.endsWith("SHA256SUMS") ? ": todos os arquivos conferem"
                                                                    : ": estrutura correta");
            for (const QJsonValue &p : a["problemas"].toArray()) {
                const QJsonObject o = p.toObject();
                const int linha = o["linha"].toInt();
                linhas << (linha > 0 ? QStringLiteral("%1: linha %2: %3")
                                           .arg(o["arquivo"].toString())
                                           .arg(linha)
                                           .arg(o["texto"].toString())
                                     : QStringLiteral("%1: %2").arg(o["arquivo"].toString(),
                                                                    o["texto"].toString()));
            }
        }
    } else if (verbo == QLatin1String("resumo") && d.contains("resumo")) {
        linhas << d["resumo"].toVariant().toStringList() << QString()
               << d["reconciliacao"].toVariant().toStringList();
    }
    return linhas;
}

// A run on a pseudo-terminal or through pipes, as one text.
ExecucaoLote executar(bool terminal, const QStringList &argumentos)
{
    if (terminal)
        return ExecutarLoteNumTerminal(argumentos);
    const ExecucaoLote e = ExecutarLote(argumentos);
    return {e.saida, e.saidaPadrao + e.erros, e.erros};
}

const QString LinhaDeProgresso = QStringLiteral("\r\033[K");

} // namespace

class TesteLoteSaida : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textoComoAntes_data();
    void textoComoAntes();
    void jsonComOMesmoConteudo_data();
    void jsonComOMesmoConteudo();
    void progressoSoNoTerminal_data();
    void progressoSoNoTerminal();
    void silenciosoSoOsErros_data();
    void silenciosoSoOsErros();
    void ajudaNaSaidaPadrao_data();
    void ajudaNaSaidaPadrao();

private:
    QStringList base(const QString &banco) const { return {banco, "2024", "operador"}; }

    OperadorTeste m_operador;
    QTemporaryDir m_pasta;
    QString m_intacto;   // the sample as created
    QString m_exportado; // February critiqued, generated and exported; a broken submission file beside
    QString m_envio;
    QString m_quebrado;
};

void TesteLoteSaida::initTestCase()
{
    QVERIFY(m_pasta.isValid());
    m_intacto = m_pasta.filePath("intacto.fdb");
    CriarBancoAmostra(m_intacto, ParametrosAmostra());
    m_exportado = m_pasta.filePath("exportado.fdb");
    QVERIFY(QFile::copy(m_intacto, m_exportado));
    m_envio = m_pasta.filePath("envio");
    for (const QStringList &passo :
         {QStringList{"criticas", "022024", "--sim"}, QStringList{"gerar", "022024", "--sim"},
          QStringList{"exportar", "022024", m_envio}})
        QCOMPARE(ExecutarLote(base(m_exportado) + passo).saida, 0);
    m_quebrado = m_pasta.filePath("ECONTAS-QUEBRADO.TXT");
    QFile f(m_quebrado);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("000 curto\r\n040 sem estrela\n");
}

void TesteLoteSaida::textoComoAntes_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<int>("status");
    QTest::newRow("meses") << QStringList{"meses"} << "meses.txt" << 0;
    QTest::newRow("críticas de março") << QStringList{"criticas", "032024"} << "criticas.txt" << 3;
    QTest::newRow("complementares") << QStringList{"complementares", "022024"} << "complementares.txt" << 0;
    QTest::newRow("gestoras") << QStringList{"unidades", "032024", "gestoras"} << "unidades_gestoras.txt"
                              << 0;
    QTest::newRow("orçamentárias") << QStringList{"unidades", "032024", "orcamentarias"}
                                   << "unidades_orcamentarias.txt" << 0;
}

// The outputs were taken from the command before it learned its new options.
void TesteLoteSaida::textoComoAntes()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QString, arquivo);
    QFETCH(int, status);
    const ExecucaoLote lote = ExecutarLote(base(m_intacto) + argumentos);
    QCOMPARE(lote.saida, status);
    QCOMPARE(lote.saidaPadrao,
             conteudo(QStringLiteral(ECONTAS_SOURCE_DIR "/tests/dados/lote_marco/") + arquivo));
    QCOMPARE(lote.erros, QString());
}

void TesteLoteSaida::jsonComOMesmoConteudo_data()
{
    QTest::addColumn<bool>("exportado");
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("meses com datas") << true << QStringList{"meses"};
    QTest::newRow("críticas de março") << false << QStringList{"criticas", "032024"};
    QTest::newRow("críticas de março, sim") << false << QStringList{"criticas", "032024", "--sim"};
    QTest::newRow("complementares") << false << QStringList{"complementares", "022024"};
    QTest::newRow("gestoras") << false << QStringList{"unidades", "032024", "gestoras"};
    QTest::newRow("orçamentárias") << false << QStringList{"unidades", "032024", "orcamentarias"};
    QTest::newRow("resumo") << true << QStringList{"resumo", "022024"};
    QTest::newRow("verificar pasta e arquivo quebrado")
        << false << QStringList{"verificar", m_envio, m_quebrado};
    QTest::newRow("competência fora do controle") << false << QStringList{"resumo", "032024"};
}

void TesteLoteSaida::jsonComOMesmoConteudo()
{
    QFETCH(bool, exportado);
    QFETCH(QStringList, argumentos);
    const QStringList linha = base(exportado ? m_exportado : m_intacto) + argumentos;
    const ExecucaoLote texto = ExecutarLote(linha);
    const ExecucaoLote json = ExecutarLote(linha + QStringList{"--json"});
    QCOMPARE(json.saida, texto.saida);
    QCOMPARE(json.erros, texto.erros);
    QJsonParseError erro;
    const QJsonDocument documento = QJsonDocument::fromJson(json.saidaPadrao.toUtf8(), &erro);
    QVERIFY2(erro.error == QJsonParseError::NoError, qPrintable(erro.errorString()));
    QCOMPARE(documento.object()["verbo"].toString(), argumentos[0]);
    QStringList esperado = texto.saidaPadrao.split('\n');
    esperado.removeLast(); // the text ends with a line break
    QCOMPARE(textoDoJson(argumentos[0], documento.object()), esperado);
}

void TesteLoteSaida::progressoSoNoTerminal_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QString>("opcao");
    QTest::addColumn<bool>("progresso");
    QTest::addColumn<bool>("etapas");
    QTest::addColumn<bool>("mensagens");
    QTest::newRow("terminal") << true << QString() << true << false << true;
    QTest::newRow("terminal, silencioso") << true << "--silencioso" << false << false << false;
    QTest::newRow("terminal, detalhes") << true << "--detalhes" << false << true << true;
    QTest::newRow("pipe") << false << QString() << false << false << true;
    QTest::newRow("pipe, silencioso") << false << "--silencioso" << false << false << false;
    QTest::newRow("pipe, detalhes") << false << "--detalhes" << false << true << true;
}

// A generation of February, done again (the confirmation answered with --sim) on the exported copy.
void TesteLoteSaida::progressoSoNoTerminal()
{
    QFETCH(bool, terminal);
    QFETCH(QString, opcao);
    QFETCH(bool, progresso);
    QFETCH(bool, etapas);
    QFETCH(bool, mensagens);
    QStringList argumentos = base(m_exportado) + QStringList{"gerar", "022024", "--sim"};
    if (!opcao.isEmpty())
        argumentos << opcao;
    const ExecucaoLote lote = executar(terminal, argumentos);
    QCOMPARE(lote.saida, 0);
    const QString saida = lote.saidaPadrao;
    QCOMPARE(saida.contains(LinhaDeProgresso), progresso);
    if (progresso) {
        // The line is drawn at most ten times a second, so which records' lines a short run shows
        // depends on the machine's speed; their form does not.
        QVERIFY2(
            saida.contains(QRegularExpression("\\r\\x1b\\[KGeração do Econtas - arquivo 0\\d\\d[^\\[\\r]* "
                                              "\\[[#-]{20}\\] +\\d+% \\d+:\\d\\d")),
            qPrintable(saida));
        // The line ends before the success message, and at the end of the run.
        QVERIFY2(
            saida.contains(QRegularExpression("\\d:\\d\\d[^\\r\\n]*\\r\\nGeração concluída com sucesso!")),
            qPrintable(saida));
    }
    const QRegularExpression etapa("^\\[\\d+,\\d{3} s\\] Geração do Econtas - arquivo 041.*$",
                                   QRegularExpression::MultilineOption);
    QCOMPARE(saida.count(etapa), etapas ? 1 : 0);
    QCOMPARE(saida.contains("Geração concluída com sucesso!"), mensagens);
    if (!mensagens)
        QCOMPARE(saida, QString());
}

void TesteLoteSaida::silenciosoSoOsErros_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("críticas que bloqueiam") << QStringList{"criticas", "032024"};
    QTest::newRow("resumo sem geração") << QStringList{"resumo", "032024"};
    QTest::newRow("erro de uso") << QStringList{"unidades", "032023", "gestoras"};
}

// The same run with and without --silencioso: the same status and errors, nothing on stdout.
void TesteLoteSaida::silenciosoSoOsErros()
{
    QFETCH(QStringList, argumentos);
    const ExecucaoLote texto = ExecutarLote(base(m_intacto) + argumentos);
    const ExecucaoLote silencioso = ExecutarLote(base(m_intacto) + argumentos + QStringList{"--silencioso"});
    QCOMPARE(silencioso.saida, texto.saida);
    QCOMPARE(silencioso.erros, texto.erros);
    QCOMPARE(silencioso.saidaPadrao, QString());
}

void TesteLoteSaida::ajudaNaSaidaPadrao_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::newRow("--ajuda") << QStringList{"--ajuda"};
    QTest::newRow("-h") << QStringList{"-h"};
    QTest::newRow("com um verbo") << QStringList{"banco.fdb", "2024", "operador", "gerar", "-h"};
}

void TesteLoteSaida::ajudaNaSaidaPadrao()
{
    QFETCH(QStringList, argumentos);
    const ExecucaoLote lote = ExecutarLote(argumentos);
    QCOMPARE(lote.saida, 0);
    QVERIFY(lote.saidaPadrao.startsWith("uso: TvEcontasLote <banco> <ano> <usuario> <verbo>"));
    QVERIFY(lote.saidaPadrao.contains("  meses [--json]\n"));
    QVERIFY(lote.saidaPadrao.contains("--silencioso"));
    QCOMPARE(lote.erros, QString());
}

QTEST_GUILESS_MAIN(TesteLoteSaida)
#include "test_lote_saida.moc"
