// The export of a generated competence: file contents against files written by hand from the format,
// folders and names, the only-the-selected-competence rule, replacement, failures and the stamp.
#include "common/Acao.h"
#include "common/Falha.h"
#include "common/Relogio.h"
#include "db/RowSet.h"
#include "econtas/EstadoEcontas.h"
#include "econtas/TabelasTrabalho.h"
#include "export/ComandosExportacao.h"
#include "export/ExportacaoEcontas.h"
#include "resumo/Manifesto.h"
#include "resumo/pdf/PdfResumo.h"
#include "support/BancoTeste.h"
#include "support/LoteTeste.h"
#include "support/OperadorTeste.h"

#include <QDirIterator>
#include <QtTest>

namespace {

const QString Competencia = QStringLiteral("012020");
const QString CnpjPrefeitura = QStringLiteral("12345678000195");
const QString PastaPrefeitura = QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO PA (0123456)");
const QString ArquivoPrefeitura =
    PastaPrefeitura + QStringLiteral("/ECONTAS-PREFEITURA MUNICIPAL DE SÃO JOÃO PA (0123456).TXT");
const QString ArquivoCamara =
    QStringLiteral("CAMARA MUNICIPAL (0765432)/ECONTAS-CAMARA MUNICIPAL (0765432).TXT");
// Beside the unit folders: the competence's summary and the manifest of the export.
const QStringList ArquivosExportados = {ArquivoCamara, ArquivoPrefeitura, QStringLiteral("RESUMO-012020.csv"),
                                        QStringLiteral("RESUMO-012020.pdf"), QStringLiteral("SHA256SUMS")};

QDateTime dia(int ano, int mes, int d)
{
    return QDateTime(QDate(ano, mes, d), QTime(0, 0));
}

QVariantMap chaveServidor(const QString &matricula)
{
    return {{"COMPETENCIA", Competencia},
            {"CNPJ", CnpjPrefeitura},
            {"UG", "00001"},
            {"UO", "00002"},
            {"MATRICULA", matricula}};
}

QVariantMap com(QVariantMap base, const QVariantMap &mais)
{
    for (auto it = mais.begin(); it != mais.end(); ++it)
        base.insert(it.key(), it.value());
    return base;
}

// Two managing units of January 2020 (one without budget units) and a row of another competence.
void preencherGeracao(BancoTeste &banco)
{
    banco.inserir("KVB003", {{"CGC", CnpjPrefeitura}, {"CODIBGE_MUNICIPIO", "1500107"}});
    banco.controle({.mesAno = Competencia, .cnpj = CnpjPrefeitura});
    banco.inserir("ECONTAS_010", {{"COMPETENCIA", Competencia},
                                  {"CNPJ", CnpjPrefeitura},
                                  {"UG", "00001"},
                                  {"DESCRICAO", "PREFEITURA MUNICIPAL DE SÃO JOÃO/PA"},
                                  {"TIPO", "1"},
                                  {"CODTCM", "1234567"}});
    banco.inserir("ECONTAS_010", {{"COMPETENCIA", Competencia},
                                  {"CNPJ", "98765432000110"},
                                  {"UG", "00003"},
                                  {"DESCRICAO", "CAMARA MUNICIPAL"},
                                  {"TIPO", "2"},
                                  {"CODTCM", "7654321"}});
    banco.inserir("ECONTAS_010", {{"COMPETENCIA", "022020"},
                                  {"CNPJ", CnpjPrefeitura},
                                  {"UG", "00001"},
                                  {"DESCRICAO", "OUTRA COMPETENCIA"},
                                  {"TIPO", "1"},
                                  {"CODTCM", "1234567"}});
    // A payroll database may declare a wider column than the file's field: the file keeps 60 characters.
    banco.executar("ALTER TABLE ECONTAS_020 ALTER DESCRICAO TYPE VARCHAR(80)");
    const QVariantMap uo = {
        {"COMPETENCIA", Competencia}, {"CNPJ", CnpjPrefeitura}, {"UG", "00001"}, {"UO", "00002"}};
    banco.inserir(
        "ECONTAS_020",
        com(uo, {{"DESCRICAO", "SECRETARIA MUNICIPAL DE EDUCAÇÃO E CULTURA - FUNDO DE MANUTENÇÃO ABCDE"},
                 {"TIPO", "1"},
                 {"CODTCM", "12345"}}));
    banco.inserir("ECONTAS_030", com(uo, {{"CODIGO", "00010"},
                                          {"DESCRICAO", "PROFESSOR"},
                                          {"TIPO", "1"},
                                          {"TOTVAGAS", 25},
                                          {"NUMATO", "LEI 10/19"}}));
    banco.inserir("ECONTAS_040", com(chaveServidor("00000001"), {{"CPF", "01234567890"},
                                                                 {"NOME", "JOSÉ DA CONCEIÇÃO"},
                                                                 {"SEXO", 1},
                                                                 {"DTNASC", dia(1980, 5, 17)},
                                                                 {"DTADMISSAO", dia(2010, 2, 1)},
                                                                 {"PISPASEP", "12345678901"}}));
    banco.inserir("ECONTAS_040", com(chaveServidor("00000002"), {{"CPF", "98765432100"},
                                                                 {"NOME", "MARIA"},
                                                                 {"SEXO", 2},
                                                                 {"DTNASC", dia(1990, 1, 1)},
                                                                 {"DTADMISSAO", dia(2015, 3, 2)},
                                                                 {"DTDEMISSAO", dia(2020, 1, 20)},
                                                                 {"PISPASEP", ""}}));
    banco.inserir("ECONTAS_041", com(chaveServidor("00000001"), {{"TIPOPAGTO", 1},
                                                                 {"DTPAGTO", dia(2020, 1, 31)},
                                                                 {"REMUNBASE", "12.34"},
                                                                 {"TOTGRATFUNC", "0.29"},
                                                                 {"TOTOUTREMU", "0"},
                                                                 {"TOTDESC", "1500.4950"},
                                                                 {"IRRF", "0.0049"},
                                                                 {"DEPIR", 2},
                                                                 {"SITUACAO", 1},
                                                                 {"CODCARGO", "00010"},
                                                                 {"NUMPROC", "12/2019-A"}}));
    const QVariantMap pagamento =
        com(chaveServidor("00000001"), {{"TIPOPAGTO", 1}, {"DTPAGTO", dia(2020, 1, 31)}});
    banco.inserir("ECONTAS_043", com(pagamento, {{"CODEVENTO", "K3"}, {"TIPOGRAT", 1}, {"VALOR", "0.29"}}));
    banco.inserir("ECONTAS_043", com(pagamento, {{"CODEVENTO", "07"}, {"VALOR", "99"}, {"CODGRAT", 4}}));
    banco.inserir("ECONTAS_043",
                  com(pagamento, {{"CODEVENTO", "A5"}, {"TIPOGRAT", 0}, {"VALOR", "12.34"}, {"CODGRAT", 3}}));
    banco.inserir("ECONTAS_042", com(chaveServidor("00000001"), {{"DTPAGTO", dia(2020, 1, 15)},
                                                                 {"VALOR", "150"},
                                                                 {"NUMATO", "PORT 1"},
                                                                 {"DTATO", dia(2020, 1, 10)},
                                                                 {"MOTIVO", "VIAGEM À CAPITAL"},
                                                                 {"DESTINO", "BELÉM"},
                                                                 {"INICIO", dia(2020, 1, 12)},
                                                                 {"FIM", dia(2020, 1, 14)}}));
}

TEstadoEcontas estadoDoMes(const QString &pasta)
{
    TEstadoEcontas estado;
    estado.ano_folha = QStringLiteral("2020");
    estado.usuario = QStringLiteral("ANA");
    estado.mesSelecionado = true;
    estado.competencia = Competencia;
    estado.mes_cadastro = QStringLiteral("JAN");
    estado.numero_mes_selecionado = QStringLiteral("01");
    estado.fdtblCliente = RowSet::abrir(QStringLiteral("SELECT * FROM KVB003"));
    estado.caminhoArquivo = pasta;
    return estado;
}

QByteArray ler(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The header's date (columns 46-53 of the first line) replaced by zeros, as in the files written by hand.
QByteArray semDataDoCabecalho(QByteArray conteudo)
{
    return conteudo.size() > 53 ? conteudo.replace(45, 8, "00000000") : conteudo;
}

QStringList arquivosSob(const QString &pasta)
{
    QStringList nomes;
    QDirIterator it(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        nomes << QDir(pasta).relativeFilePath(it.next());
    nomes.sort();
    return nomes;
}

const QDate DiaFixado(2031, 5, 17);

// The stamp of an export on the given day (the fixed day inside this process, the system's day for the
// batch command, which runs in a process of its own).
QString carimboDoDia(const QString &usuario, const QDate &dia = DiaFixado)
{
    return QStringLiteral("DT_EXPORTACAO=%1 00:00:00|USUARIO=%2")
        .arg(dia.toString(QStringLiteral("dd/MM/yyyy")), usuario);
}

QStringList carimbo(BancoTeste &banco)
{
    return banco.linhas(QStringLiteral("SELECT DT_EXPORTACAO, USUARIO FROM CTRL_TCMTPA"));
}

} // namespace

class TesteExportacao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstalarPdfResumo(); }
    // "Today" is a day no run of the suite sees, so the stamps and headers cannot match by chance.
    void init() { FixarAgora(QDateTime(DiaFixado, QTime(9, 30))); }
    void cleanup() { FixarAgora({}); }
    void arquivosIguaisAosEscritosAMao();
    void segundaExportacaoSubstituiOsArquivosComOsMesmosBytes();
    void mesmoTipoDePagamentoTrazOsMesmosItensEmOrdem();
    void itensNaOrdemDoBanco_data();
    void itensNaOrdemDoBanco();
    void semUnidadesGestorasNaoGravaNadaEConclui();
    void semPastaEscolhida();
    void pastaQueNaoPodeSerCriada();
    void falhaNumRegistroNaoDeixaArquivoParcial();
    void resumoQueFalhaNaoCarimba_data();
    void resumoQueFalhaNaoCarimba();
    void verboVerificarAceitaOsArquivosExportados();
    void verboExportarPedeOMesGerado();
};

void TesteExportacao::arquivosIguaisAosEscritosAMao()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    QTemporaryDir base;
    const QString pasta = base.filePath(QStringLiteral("envio/ECONTAS")); // does not exist yet
    TEstadoEcontas estado = estadoDoMes(pasta);
    int recargas = 0;
    estado.ControlesTCMA = [&] { ++recargas; };

    QCOMPARE(ExecutarAcaoLonga([&] { ExportarArquivos(estado); }), ResultadoAcao::Concluida);

    QCOMPARE(arquivosSob(pasta), ArquivosExportados);
    QCOMPARE(VerificarManifesto(pasta), QList<ProblemaManifesto>());
    const QString dir = QStringLiteral(ECONTAS_SOURCE_DIR "/tests/dados/");
    const QByteArray prefeitura = ler(pasta + '/' + ArquivoPrefeitura);
    QCOMPARE(semDataDoCabecalho(prefeitura), ler(dir + "ouro_prefeitura.txt"));
    QCOMPARE(semDataDoCabecalho(ler(pasta + '/' + ArquivoCamara)), ler(dir + "ouro_camara.txt"));
    QCOMPARE(prefeitura.mid(45, 8), QByteArray("17052031"));

    QCOMPARE(carimbo(banco), QStringList{carimboDoDia("ANA")});
    QCOMPARE(operador.textos().last(), QStringLiteral("Arquivos exportados com sucesso."));
    QCOMPARE(recargas, 1);
    QVERIFY(estado.caminhoArquivo.isEmpty());
    TProgresso &progresso = operador.progresso();
    QCOMPARE(progresso.maximo(TProgresso::R043), 3); // every row of the month counts, also unwritten ones
    QTRY_COMPARE(progresso.posicao(TProgresso::Principal), 0);
    // The reset of the progress display leaves the status that names the folder.
    QCOMPARE(progresso.status(), QStringLiteral("Exportação concluída em %1.").arg(pasta));
}

void TesteExportacao::segundaExportacaoSubstituiOsArquivosComOsMesmosBytes()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    QTemporaryDir base;
    TEstadoEcontas estado = estadoDoMes(base.path());
    ExportarArquivos(estado);
    const QByteArray primeira = ler(base.filePath(ArquivoPrefeitura));
    {
        QFile antigo(base.filePath(ArquivoCamara));
        QVERIFY(antigo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        antigo.write(
            "arquivo antigo, mais longo que o novo ..................................................."
            "..........................................................................................");
    }

    estado.caminhoArquivo = base.path() + '/';
    ExportarArquivos(estado);

    QCOMPARE(arquivosSob(base.path()), ArquivosExportados);
    QCOMPARE(ler(base.filePath(ArquivoPrefeitura)), primeira);
    QCOMPARE(semDataDoCabecalho(ler(base.filePath(ArquivoCamara))),
             ler(QStringLiteral(ECONTAS_SOURCE_DIR "/tests/dados/ouro_camara.txt")));
}

// Payments in TIPOPAGTO, DTPAGTO order, each followed by the items of its payment type in CODEVENTO
// order; per-diems in DTPAGTO, NUMATO order.
void TesteExportacao::mesmoTipoDePagamentoTrazOsMesmosItensEmOrdem()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.inserir("KVB003", {{"CGC", CnpjPrefeitura}, {"CODIBGE_MUNICIPIO", "1500107"}});
    banco.inserir("ECONTAS_010", {{"COMPETENCIA", Competencia},
                                  {"CNPJ", CnpjPrefeitura},
                                  {"UG", "1"},
                                  {"DESCRICAO", "U"},
                                  {"TIPO", "1"},
                                  {"CODTCM", ""}});
    const QVariantMap uo = {{"COMPETENCIA", Competencia}, {"CNPJ", CnpjPrefeitura}, {"UG", "1"}, {"UO", "2"}};
    banco.inserir("ECONTAS_020", com(uo, {{"DESCRICAO", "O"}, {"CODTCM", "1"}}));
    const QVariantMap servidor = com(uo, {{"MATRICULA", "7"}});
    banco.inserir("ECONTAS_040", com(servidor, {{"CPF", "1"}, {"NOME", "N"}, {"SEXO", 1}}));
    const QList<std::tuple<int, int, QString>> pagamentos = {{2, 20, "9"}, {1, 31, "7"}, {1, 15, "8"}};
    for (const auto &[tipo, d, numproc] : pagamentos)
        banco.inserir(
            "ECONTAS_041",
            com(servidor,
                {{"TIPOPAGTO", tipo}, {"DTPAGTO", dia(2020, 1, d)}, {"SITUACAO", 1}, {"NUMPROC", numproc}}));
    const QList<std::tuple<int, QString, QString>> itens = {{1, "B2", "2"}, {2, "C1", "5"}, {1, "A1", "1"}};
    for (const auto &[tipo, evento, valor] : itens)
        banco.inserir("ECONTAS_043", com(servidor, {{"TIPOPAGTO", tipo},
                                                    {"CODEVENTO", evento},
                                                    {"TIPOGRAT", 0},
                                                    {"VALOR", valor},
                                                    {"DTPAGTO", dia(2020, 1, 31)}}));
    banco.inserir("ECONTAS_042", com(servidor, {{"DTPAGTO", dia(2020, 1, 9)}, {"NUMATO", "B"}}));
    banco.inserir("ECONTAS_042", com(servidor, {{"DTPAGTO", dia(2020, 1, 9)}, {"NUMATO", "A"}}));
    banco.inserir("ECONTAS_042", com(servidor, {{"DTPAGTO", dia(2020, 1, 8)}, {"NUMATO", "C"}}));
    QTemporaryDir base;
    TEstadoEcontas estado = estadoDoMes(base.path());

    ExportarArquivos(estado);

    QStringList linhas;
    for (const QByteArray &l : ler(base.filePath("U (0)/ECONTAS-U (0).TXT")).split('\n')) {
        const QByteArray tipo = l.left(3);
        if (tipo == "041")
            linhas << "041 " + l.mid(14, 9) +
                          l.right(4).left(2); // type, payment date, last digits of NUMPROC
        else if (tipo == "043")
            linhas << "043 " + l.mid(14, 5) + ' ' + QByteArray::number(l.mid(21, 12).toLongLong());
        else if (tipo == "042")
            linhas << "042 " + l.mid(14, 8) + ' ' + l.mid(34, 1);
        else if (!tipo.isEmpty())
            linhas << QString::fromLatin1(tipo);
    }
    QCOMPARE(linhas,
             QStringList({"000", "010", "020", "040", "041 11501202008", "043 00101 100", "043 00112 200",
                          "041 13101202007", "043 00101 100", "043 00112 200", "041 22001202009",
                          "043 00121 500", "042 08012020 C", "042 09012020 A", "042 09012020 B", "999"}));
}

void TesteExportacao::itensNaOrdemDoBanco_data()
{
    QTest::addColumn<QList<QVariantMap>>("itens"); // inserted in this order
    QTest::addColumn<bool>("programaOrdena");
    const auto item = [](const QString &evento, int d, const QString &valor, const QVariantMap &mais = {}) {
        return com({{"CODEVENTO", evento}, {"DTPAGTO", dia(2020, 1, d)}, {"VALOR", valor}}, mais);
    };
    QTest::newRow("NULL primeiro, números, datas, dígitos antes de maiúsculas")
        << QList<QVariantMap>{item("B2", 31, "1"),
                              item("A1", 31, "3"),
                              item("A1", 15, "2", {{"TIPOGRAT", 0}}),
                              item("A1", 15, "9"),
                              item("10", 31, "0.5"),
                              item("10", 31, "-0.5"),
                              item("1", 31, "7")}
        << true;
    QTest::newRow("cópias de um item")
        << QList<QVariantMap>{item("B2", 31, "1"), item("A1", 31, "3"), item("B2", 31, "1")} << true;
    // The rows below tie where the program cannot say how the engine orders them: read in its order.
    QTest::newRow("empate em toda a ordem, DESCONTO à parte")
        << QList<QVariantMap>{item("A1", 31, "3", {{"DESCONTO", "T"}}), item("B2", 31, "1"),
                              item("A1", 31, "3", {{"DESCONTO", "F"}})}
        << false;
    QTest::newRow("minúsculas") << QList<QVariantMap>{item("b1", 31, "1"), item("A1", 31, "3"),
                                                      item("a1", 31, "2")}
                                << false;
    QTest::newRow("branco final") << QList<QVariantMap>{item("A", 31, "1"), item("A ", 31, "0.5"),
                                                        item("A", 31, "0.7")}
                                  << false;
}

// A payment's items as the engine's ORDER BY gives them, whether the program put them in order or read
// them again in the engine's order.
void TesteExportacao::itensNaOrdemDoBanco()
{
    QFETCH(QList<QVariantMap>, itens);
    QFETCH(bool, programaOrdena);
    OperadorTeste operador;
    BancoTeste banco;
    const QVariantMap pagamento = com(chaveServidor("00000001"), {{"TIPOPAGTO", 1}});
    banco.inserir("ECONTAS_041", com(pagamento, {{"DTPAGTO", dia(2020, 1, 31)}}));
    for (const QVariantMap &mais : itens)
        banco.inserir("ECONTAS_043", com(pagamento, mais));
    const QString colunas = TabelasTrabalho::Econtas043().nomesColunas().join(", ");
    const QString itensDaCompetencia =
        QStringLiteral("SELECT %1 FROM ECONTAS_043 WHERE COMPETENCIA = '%2'").arg(colunas, Competencia);
    const auto comoTexto = [](const RowSet &r, int linha) {
        QStringList valores;
        for (int c = 0; c < r.quantidadeCampos(); ++c)
            valores << (r.valorEm(linha, c).isNull() ? QStringLiteral("NULL") : r.textoEm(linha, c));
        return valores.join(QLatin1Char('|'));
    };

    const RowSet doBanco = RowSet::abrir(itensDaCompetencia + " ORDER BY " +
                                         TabelasTrabalho::Econtas043().ordemExportacao().join(", "));
    QStringList esperados;
    for (int l = 0; l < doBanco.quantidadeLinhas(); ++l)
        esperados << comoTexto(doBanco, l);
    const TComandosSql::TabelasExportacao t = TComandosSql::CarregaArquivosExportaEcontas(Competencia);
    QStringList lidos;
    for (int l : t.filhos.itens.filhos(t.TBL_EXP_041, 0))
        lidos << comoTexto(t.TBL_EXP_043, l);
    QCOMPARE(lidos, esperados);

    const RowSet comoEstao = RowSet::abrir(itensDaCompetencia);
    GrupoFilhos grupos(comoEstao, t.TBL_EXP_041,
                       {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO"});
    QCOMPARE(grupos.ordenar(comoEstao, TabelasTrabalho::Econtas043().ordemExportacao()), programaOrdena);
}

void TesteExportacao::semUnidadesGestorasNaoGravaNadaEConclui()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.controle({.mesAno = Competencia});
    QTemporaryDir base;
    TEstadoEcontas estado = estadoDoMes(base.filePath("nova"));

    QCOMPARE(ExecutarAcaoLonga([&] { ExportarArquivos(estado); }), ResultadoAcao::Concluida);

    QVERIFY(arquivosSob(base.path()).isEmpty());
    QCOMPARE(operador.textos(), QStringList{"Arquivos exportados com sucesso."});
    QCOMPARE(carimbo(banco), QStringList{carimboDoDia("ANA")});
}

void TesteExportacao::semPastaEscolhida()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    TEstadoEcontas estado = estadoDoMes(QString());
    operador.progresso().definirPosicao(TProgresso::R040, 5);

    QCOMPARE(ExecutarAcaoLonga([&] { ExportarArquivos(estado); }), ResultadoAcao::Concluida);

    QCOMPARE(operador.mensagens,
             (QList<OperadorTeste::Mensagem>{
                 {"informacao", "INFORMAÇÃO", "Local para exportação do arquivo não especificado."}}));
    QCOMPARE(carimbo(banco), QStringList{"DT_EXPORTACAO=NULL|USUARIO=NULL"});
    QTRY_COMPARE(operador.progresso().posicao(TProgresso::R040), 0);
}

void TesteExportacao::pastaQueNaoPodeSerCriada()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    QTemporaryDir base;
    {
        QFile arquivo(base.filePath("arquivo"));
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
    }
    TEstadoEcontas estado = estadoDoMes(base.filePath("arquivo/envio"));

    QCOMPARE(ExecutarAcaoLonga([&] { ExportarArquivos(estado); }), ResultadoAcao::Falhou);

    QCOMPARE(operador.mensagens.size(), 1);
    QCOMPARE(operador.mensagens[0].tipo, QStringLiteral("erro"));
    QVERIFY2(operador.mensagens[0].texto.contains(base.filePath("arquivo/envio/" + PastaPrefeitura)),
             qPrintable(operador.mensagens[0].texto));
    QCOMPARE(arquivosSob(base.path()), QStringList{"arquivo"});
    QCOMPARE(carimbo(banco), QStringList{"DT_EXPORTACAO=NULL|USUARIO=NULL"});
    QVERIFY(estado.caminhoArquivo.isEmpty());
}

// A value that cannot be converted stops the export at its line: the error names the file and the line,
// the earlier complete file of that name stays as it was, no partial file is left, nothing is stamped.
void TesteExportacao::falhaNumRegistroNaoDeixaArquivoParcial()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    QTemporaryDir base;
    TEstadoEcontas estado = estadoDoMes(base.path());
    ExportarArquivos(estado);
    const QByteArray anterior = ler(base.filePath(ArquivoPrefeitura));
    banco.executar("UPDATE ECONTAS_040 SET CPF = '123.456' WHERE MATRICULA = '00000002'");

    estado.caminhoArquivo = base.path();
    operador.limpar();
    QCOMPARE(ExecutarAcaoLonga([&] { ExportarArquivos(estado); }), ResultadoAcao::Falhou);

    const QString esperado =
        QStringLiteral("Erro ao exportar a linha 10 do arquivo %1").arg(base.filePath(ArquivoPrefeitura)) +
        QChar(13) + QStringLiteral("'123.456' não é um valor inteiro válido");
    QCOMPARE(operador.textos(), QStringList{esperado});
    QCOMPARE(ler(base.filePath(ArquivoPrefeitura)), anterior);
    QCOMPARE(arquivosSob(base.path()), ArquivosExportados);
    QVERIFY(estado.caminhoArquivo.isEmpty());
}

// The summary is read before the submission files are written and drawn once they are in place: a
// summary that cannot be read stops the export before any file, a PDF that cannot be drawn fails it
// after the files, and neither leaves a manifest or a stamp.
void TesteExportacao::resumoQueFalhaNaoCarimba_data()
{
    QTest::addColumn<bool>("semTabelaDaLicenca");
    QTest::addColumn<QString>("erro");
    QTest::addColumn<QStringList>("arquivos");
    QTest::newRow("tabela que a conferência lê") << true << QStringLiteral("TB_GESTANTE") << QStringList();
    QTest::newRow("sem quem desenhe o PDF")
        << false << QStringLiteral("O gerador do relatório em PDF não está disponível neste programa.")
        << QStringList{ArquivoCamara, ArquivoPrefeitura};
}

void TesteExportacao::resumoQueFalhaNaoCarimba()
{
    QFETCH(bool, semTabelaDaLicenca);
    QFETCH(QString, erro);
    QFETCH(QStringList, arquivos);
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    if (semTabelaDaLicenca)
        banco.executar("DROP TABLE TB_GESTANTE");
    else
        InstalarGeradorPdfResumo(nullptr);
    QTemporaryDir base;
    TEstadoEcontas estado = estadoDoMes(base.path());

    const ResultadoAcao resultado = ExecutarAcaoLonga([&] { ExportarArquivos(estado); });
    InstalarPdfResumo();

    QCOMPARE(resultado, ResultadoAcao::Falhou);
    QCOMPARE(operador.mensagens.size(), 1);
    QVERIFY2(operador.mensagens[0].texto.contains(erro), qPrintable(operador.mensagens[0].texto));
    QCOMPARE(arquivosSob(base.path()), arquivos);
    QCOMPARE(carimbo(banco), QStringList{"DT_EXPORTACAO=NULL|USUARIO=NULL"});
}

// The batch command's check accepts what the export wrote and names each problem of a damaged file.
void TesteExportacao::verboVerificarAceitaOsArquivosExportados()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    QTemporaryDir base;
    TEstadoEcontas estado = estadoDoMes(base.path());
    ExportarArquivos(estado);
    const QString danificado = base.filePath("danificado.txt");
    QFile::copy(base.filePath(ArquivoCamara), danificado);
    {
        QFile f(danificado);
        QVERIFY(f.open(QIODevice::Append));
        f.write("0430000000004 *\r\n");
    }
    const ExecucaoLote lote = ExecutarLote(
        banco, "2020", "ANA", {"verificar", ArquivoPrefeitura, ArquivoCamara, "danificado.txt"}, base.path());

    QCOMPARE(lote.saidaPadrao.split('\n', Qt::SkipEmptyParts),
             QStringList({ArquivoPrefeitura + ": estrutura correta", ArquivoCamara + ": estrutura correta",
                          "danificado.txt: linha 4: registro 043 com 15 colunas; o registro tem 48",
                          "danificado.txt: linha 4: registro 043 depois do registro 999",
                          "danificado.txt: linha 4: o arquivo não termina com o registro 999"}));
    QCOMPARE(lote.saida, 1);
}

namespace {

int executarLote(BancoTeste &banco, const QStringList &argumentos, QString *erros = nullptr)
{
    const ExecucaoLote lote = ExecutarLote(banco, "2020", "ANA", argumentos);
    if (erros)
        *erros = lote.erros;
    return lote.saida;
}

} // namespace

void TesteExportacao::verboExportarPedeOMesGerado()
{
    OperadorTeste operador;
    BancoTeste banco;
    preencherGeracao(banco);
    QTemporaryDir base;
    const QStringList exportar = {"exportar", Competencia, base.path(), "--versao", "FPG209999"};

    QString erros;
    QCOMPARE(executarLote(banco, exportar, &erros), 3);
    QVERIFY2(erros.contains("ainda não foi gerada"), qPrintable(erros));
    QVERIFY(arquivosSob(base.path()).isEmpty());

    banco.executar("UPDATE CTRL_TCMTPA SET DT_GERACAO = CURRENT_DATE");
    QCOMPARE(executarLote(banco, exportar, &erros), 0);
    QByteArray esperado = ler(QStringLiteral(ECONTAS_SOURCE_DIR "/tests/dados/ouro_camara.txt"));
    esperado.replace(26, 9, "FPG209999");
    QCOMPARE(semDataDoCabecalho(ler(base.filePath(ArquivoCamara))), esperado);
    QCOMPARE(arquivosSob(base.path()), ArquivosExportados);
    QCOMPARE(carimbo(banco), QStringList{carimboDoDia("ANA", QDate::currentDate())});
}

QTEST_MAIN(TesteExportacao)
#include "test_exportacao.moc"
