// The summary of a competence on a hand-made generation: totals exact to the ten-thousandth, the
// spreadsheet file as Brazilian spreadsheets open it, money as the clerk reads it, and the manifest
// that names each missing, extra or altered file.
#include "resumo/CsvResumo.h"
#include "resumo/FormatoValores.h"
#include "resumo/Manifesto.h"
#include "resumo/ResumoCompetencia.h"
#include "resumo/pdf/PdfResumo.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

namespace {

const QString Competencia = QStringLiteral("012020");

QVariantMap unidade(const QString &cnpj, const QString &ug, const QString &uo, const QVariantMap &mais = {})
{
    QVariantMap m = {{"COMPETENCIA", Competencia}, {"CNPJ", cnpj}, {"UG", ug}, {"UO", uo}};
    m.insert(mais);
    return m;
}

// Managing unit 00001 with budget units 00010 and 00020, managing unit 00002 with 00030; a row of
// another competence that must not count.
void preencher(BancoTeste &b)
{
    const QString c1 = QStringLiteral("11111111000111"), c2 = QStringLiteral("22222222000122");
    b.inserir("ECONTAS_010",
              {{"COMPETENCIA", Competencia}, {"CNPJ", c1}, {"UG", "00001"}, {"DESCRICAO", "PREFEITURA"}});
    b.inserir("ECONTAS_010",
              {{"COMPETENCIA", Competencia}, {"CNPJ", c2}, {"UG", "00002"}, {"DESCRICAO", "CAMARA"}});
    b.inserir("ECONTAS_010",
              {{"COMPETENCIA", "022020"}, {"CNPJ", c1}, {"UG", "00001"}, {"DESCRICAO", "OUTRA"}});
    b.inserir("ECONTAS_020", unidade(c1, "00001", "00010", {{"DESCRICAO", "EDUCAÇÃO; CULTURA"}}));
    b.inserir("ECONTAS_020", unidade(c1, "00001", "00020", {{"DESCRICAO", "SAÚDE"}}));
    b.inserir("ECONTAS_020", unidade(c2, "00002", "00030", {{"DESCRICAO", "LEGISLATIVO"}}));
    b.inserir("ECONTAS_030", unidade(c1, "00001", "00010", {{"CODIGO", "00001"}}));
    for (const char *m : {"1", "2"})
        b.inserir("ECONTAS_040", unidade(c1, "00001", "00010", {{"MATRICULA", m}}));
    b.inserir("ECONTAS_040", unidade(c2, "00002", "00030", {{"MATRICULA", "3"}}));
    const auto pagamento = [&](const QString &cnpj, const QString &ug, const QString &uo, const char *m,
                               int tipo, const char *base, const char *desc) {
        b.inserir("ECONTAS_041", unidade(cnpj, ug, uo,
                                         {{"MATRICULA", m},
                                          {"TIPOPAGTO", tipo},
                                          {"REMUNBASE", base},
                                          {"TOTGRATFUNC", "10.0001"},
                                          {"TOTOUTREMU", "0.0003"},
                                          {"TOTDESC", desc},
                                          {"CONTRIBPREV", "1.1111"},
                                          {"IRRF", "0.0001"}}));
    };
    pagamento(c1, "00001", "00010", "1", 1, "1000.1234", "100.5");
    pagamento(c1, "00001", "00010", "1", 2, "500.0001", "0");
    pagamento(c1, "00001", "00010", "2", 1, "2000", "200.25");
    pagamento(c2, "00002", "00030", "3", 1, "3000.9999", "300");
    b.inserir("ECONTAS_042", unidade(c1, "00001", "00020", {{"MATRICULA", "9"}, {"VALOR", "150.5050"}}));
    b.inserir("ECONTAS_042", unidade(c1, "00001", "00020", {{"MATRICULA", "9"}, {"VALOR", "49.4950"}}));
    for (const QVariant &tipograt : {QVariant(0), QVariant(1), QVariant(99), QVariant()})
        b.inserir("ECONTAS_043", unidade(c1, "00001", "00010", {{"MATRICULA", "1"}, {"TIPOGRAT", tipograt}}));
}

qint64 dm(Dinheiro d)
{
    return d.dezMilesimos();
}

// The report laid out as it is drawn: on the PDF writer's page, which lives as long as the layout.
struct RelatorioDiagramado {
    QBuffer buffer;
    QPdfWriter escritor{&buffer};
    QTextDocument texto;
    explicit RelatorioDiagramado(const DocumentoResumo &documento)
    {
        buffer.open(QIODevice::WriteOnly);
        ConfigurarPaginasDoResumo(escritor, documento.competencia);
        DiagramarResumo(texto, HtmlResumo(documento), escritor);
    }
};

} // namespace

class TesteResumo : public QObject {
    Q_OBJECT
private slots:
    void totaisIguaisASomaDasLinhasDeTrabalho();
    void csvComoAsPlanilhasAbrem();
    void dinheiroComoOServidorLe_data();
    void dinheiroComoOServidorLe();
    void manifestoNomeiaCadaArquivoDiferente_data();
    void manifestoNomeiaCadaArquivoDiferente();
    void relatorioNaoParteAsDescricoesDeUmGrandeMunicipio();
    void relatorioRepeteOsCabecalhosEmCadaPagina();
};

void TesteResumo::totaisIguaisASomaDasLinhasDeTrabalho()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencher(banco);
    const ResumoCompetencia r = CalcularResumo(Competencia);

    QStringList chaves;
    for (const LinhaResumo &l : r.linhas)
        chaves << l.ug + '/' + l.uo + '/' + l.descricao;
    QCOMPARE(chaves, QStringList({"00001//PREFEITURA", "00001/00010/EDUCAÇÃO; CULTURA", "00001/00020/SAÚDE",
                                  "00002//CAMARA", "00002/00030/LEGISLATIVO"}));
    const TotaisResumo &uo10 = r.linhas[1].totais;
    QCOMPARE(uo10.registros, (std::array<qint64, 7>{0, 1, 1, 2, 3, 0, 2})); // 043: TIPOGRAT 0 and 1 only
    QCOMPARE(uo10.pagamentosPorTipo, (QMap<int, qint64>{{1, 2}, {2, 1}}));
    QCOMPARE(dm(uo10.remuneracaoBase), 35001235LL);
    QCOMPARE(dm(uo10.gratificacoes), 300003LL);
    QCOMPARE(dm(uo10.outrasRemuneracoes), 9LL);
    QCOMPARE(dm(uo10.descontos), 3007500LL);
    QCOMPARE(dm(uo10.contribuicaoPrevidenciaria), 33333LL);
    QCOMPARE(dm(uo10.irrf), 3LL);
    const TotaisResumo &uo20 = r.linhas[2].totais;
    QCOMPARE(uo20.diarias, 2);
    QCOMPARE(dm(uo20.valorDiarias), 2000000LL);

    const TotaisResumo &ug1 = r.linhas[0].totais;
    QCOMPARE(ug1.registros, (std::array<qint64, 7>{1, 2, 1, 2, 3, 2, 2}));
    QCOMPARE(dm(ug1.remuneracaoBase), 35001235LL);
    QCOMPARE(dm(ug1.valorDiarias), 2000000LL);
    QCOMPARE(r.geral.registros, (std::array<qint64, 7>{2, 3, 1, 3, 4, 2, 2}));
    QCOMPARE(dm(r.geral.remuneracaoBase), 65011234LL);
    QCOMPARE(dm(r.geral.descontos), 6007500LL);
    QCOMPARE(r.geral.pagamentosPorTipo, (QMap<int, qint64>{{1, 3}, {2, 1}}));
}

void TesteResumo::csvComoAsPlanilhasAbrem()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencher(banco);
    const QByteArray csv = ConteudoCsvResumo(CalcularResumo(Competencia));

    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList linhas = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(linhas.first(),
             QStringLiteral(
                 "UG;UO;Descrição;Registros 010;Registros 020;Registros 030;Registros 040;Registros 041;"
                 "Registros 042;Registros 043;Servidores;Pagamentos;Remuneração base;Gratificações;"
                 "Outras remunerações;Descontos;Contribuição previdenciária;IRRF;Diárias;"
                 "Valor das diárias"));
    QCOMPARE(linhas.size(),
             1 + 5 + 1 + 1); // header, five units, the total, the empty text after the last CR LF
    QCOMPARE(linhas.last(), QString());
    QCOMPARE(linhas[1], QStringLiteral("00001;;PREFEITURA;1;2;1;2;3;2;2;2;3;3500,1235;30,0003;0,0009;300,75;"
                                       "3,3333;0,0003;2;200,00"));
    QVERIFY(linhas[2].startsWith(QStringLiteral("00001;00010;\"EDUCAÇÃO; CULTURA\";0;1;1;2;3;0;2;")));
    QVERIFY(linhas[6].startsWith(QStringLiteral(";;Total da competência 012020;2;3;1;3;4;2;2;")));
}

void TesteResumo::dinheiroComoOServidorLe_data()
{
    QTest::addColumn<qint64>("dezMilesimos");
    QTest::addColumn<QString>("reais");
    QTest::addColumn<QString>("planilha");
    QTest::newRow("zero") << 0LL << "R$ 0,00"
                          << "0,00";
    QTest::newRow("centavos") << 5600LL << "R$ 0,56"
                              << "0,56";
    QTest::newRow("milhar") << 12345600LL << "R$ 1.234,56"
                            << "1234,56";
    QTest::newRow("milhões e décimos de milésimo") << 12345678912LL << "R$ 1.234.567,8912"
                                                   << "1234567,8912";
    QTest::newRow("negativo") << -10000000LL << "R$ -1.000,00"
                              << "-1000,00";
}

void TesteResumo::dinheiroComoOServidorLe()
{
    QFETCH(qint64, dezMilesimos);
    QFETCH(QString, reais);
    QFETCH(QString, planilha);
    QCOMPARE(FormatarReais(Dinheiro::deDezMilesimos(dezMilesimos)), reais);
    QCOMPARE(FormatarDecimalPlanilha(Dinheiro::deDezMilesimos(dezMilesimos)), planilha);
}

void TesteResumo::manifestoNomeiaCadaArquivoDiferente_data()
{
    QTest::addColumn<QString>("mudanca");
    QTest::addColumn<bool>("pastaRelativa"); // the base folder given relative to the working folder
    QTest::addColumn<QList<ProblemaManifesto>>("esperado");
    const QString txt = QStringLiteral("UG (0001)/ECONTAS-UG (0001).TXT");
    QTest::newRow("nada mudou") << "" << false << QList<ProblemaManifesto>{};
    QTest::newRow("pasta relativa") << "" << true << QList<ProblemaManifesto>{};
    QTest::newRow("um byte alterado")
        << "alterar" << false << QList<ProblemaManifesto>{{ProblemaManifesto::Alterado, txt}};
    QTest::newRow("um byte alterado, pasta relativa")
        << "alterar" << true << QList<ProblemaManifesto>{{ProblemaManifesto::Alterado, txt}};
    QTest::newRow("arquivo apagado") << "apagar" << false
                                     << QList<ProblemaManifesto>{{ProblemaManifesto::Ausente, txt}};
    QTest::newRow("arquivo a mais") << "acrescentar" << false
                                    << QList<ProblemaManifesto>{
                                           {ProblemaManifesto::Extra, "UG (0001)/copia.TXT"}};
}

void TesteResumo::manifestoNomeiaCadaArquivoDiferente()
{
    QFETCH(QString, mudanca);
    QFETCH(bool, pastaRelativa);
    QFETCH(QList<ProblemaManifesto>, esperado);
    QTemporaryDir temporaria;
    QVERIFY(QDir(temporaria.path()).mkpath(QStringLiteral("envio/UG (0001)")));
    const QString anterior = QDir::currentPath();
    const auto voltar = qScopeGuard([&] { QDir::setCurrent(anterior); });
    QDir::setCurrent(temporaria.path());
    const QDir pasta(pastaRelativa ? QStringLiteral("envio") : temporaria.filePath(QStringLiteral("envio")));
    const QString txt = pasta.filePath(QStringLiteral("UG (0001)/ECONTAS-UG (0001).TXT"));
    const QString csv = pasta.filePath(QStringLiteral("RESUMO-012020.csv"));
    for (const QString &f : {txt, csv}) {
        QFile arquivo(f);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("000000000001 linha\r\n999*\r\n");
    }
    GravarManifesto(pasta.path(), {txt, csv});
    QFile manifesto(pasta.filePath(NomeManifesto));
    QVERIFY(manifesto.open(QIODevice::ReadOnly));
    const QByteArray linhas = manifesto.readAll();
    QVERIFY(linhas.contains("  RESUMO-012020.csv\n"));
    QVERIFY(linhas.contains("  UG (0001)/ECONTAS-UG (0001).TXT\n"));

    if (mudanca == QLatin1String("alterar")) {
        QFile f(txt);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(5);
        f.write("9");
    } else if (mudanca == QLatin1String("apagar")) {
        QVERIFY(QFile::remove(txt));
    } else if (mudanca == QLatin1String("acrescentar")) {
        QVERIFY(QFile::copy(txt, pasta.filePath(QStringLiteral("UG (0001)/copia.TXT"))));
    }
    QCOMPARE(VerificarManifesto(pasta.path()), esperado);
}

// Totals of a municipality of 50,000 staff: nine-digit amounts, five-digit counts. The report's unit
// table must still give each description the width of its longest word, or the clerk reads
// "SE/CR/ET/AR/IA" down the column.
void TesteResumo::relatorioNaoParteAsDescricoesDeUmGrandeMunicipio()
{
    DocumentoResumo documento;
    documento.competencia = Competencia;
    const QStringList descricoes = {QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO DAS PALMEIRAS"),
                                    QStringLiteral("SECRETARIA MUNICIPAL DE ADMINISTRAÇÃO"),
                                    QStringLiteral("FUNDO MUNICIPAL DE ASSISTÊNCIA SOCIAL")};
    for (int i = 0; i < descricoes.size(); ++i) {
        LinhaResumo linha;
        linha.ug = QStringLiteral("00101");
        linha.uo = i == 0 ? QString() : QStringLiteral("0%1001").arg(i);
        linha.descricao = descricoes[i];
        linha.totais.registros = {1, 4, 37, 46512, 46512, 466, 232706};
        for (Dinheiro *valor :
             {&linha.totais.remuneracaoBase, &linha.totais.gratificacoes, &linha.totais.outrasRemuneracoes,
              &linha.totais.descontos, &linha.totais.contribuicaoPrevidenciaria, &linha.totais.irrf})
            *valor = Dinheiro::deDezMilesimos(1234567890123LL);
        linha.totais.diarias = 466;
        linha.totais.valorDiarias = Dinheiro::deDezMilesimos(2077500000LL);
        documento.resumo.linhas << linha;
        documento.resumo.geral.somar(linha.totais);
    }
    const RelatorioDiagramado relatorio(documento);
    const QTextDocument &texto = relatorio.texto;
    int vistas = 0;
    for (QTextBlock bloco = texto.begin(); bloco.isValid(); bloco = bloco.next()) {
        if (!descricoes.contains(bloco.text()))
            continue;
        ++vistas;
        const QTextLayout *layout = bloco.layout();
        for (int i = 1; i < layout->lineCount(); ++i)
            QVERIFY2(bloco.text().at(layout->lineAt(i).textStart() - 1) == QLatin1Char(' '),
                     qPrintable(bloco.text() + QStringLiteral(" partida na linha %1").arg(i)));
    }
    QCOMPARE(vistas, descricoes.size());
}

// A report of several pages repeats each table's column headers at the top of every page it goes on to.
void TesteResumo::relatorioRepeteOsCabecalhosEmCadaPagina()
{
    DocumentoResumo documento;
    documento.competencia = Competencia;
    for (int i = 0; i < 300; ++i) {
        DiferencaServidor d;
        d.matricula = QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'));
        d.nome = QStringLiteral("SERVIDOR %1").arg(i);
        d.proventosFolha = Dinheiro::deDezMilesimos(10000000);
        d.motivos << QStringLiteral("lotação não enviada ao tribunal");
        documento.reconciliacao.diferencas << d;
    }
    const RelatorioDiagramado relatorio(documento);
    const QTextDocument &texto = relatorio.texto;
    QVERIFY(texto.pageCount() > 2);
    int tabelas = 0;
    for (QTextFrame *quadro : texto.rootFrame()->childFrames())
        if (auto *tabela = qobject_cast<QTextTable *>(quadro)) {
            ++tabelas;
            QCOMPARE(tabela->format().headerRowCount(), 1);
        }
    QCOMPARE(tabelas, 2);
}

QTEST_MAIN(TesteResumo)
#include "test_resumo.moc"
