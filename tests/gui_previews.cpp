// The two unit previews driven offscreen: the "no month" message, the rows and counts, Escape, the
// month kept while open and a fresh window after closing, and a failing consultation.
#include "econtas/EstadoEcontas.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"
#include "windows/uUndidadeGestoraECONTAS.h"
#include "windows/uUnidadesOrcamentariasECONTAS.h"

#include <QDir>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

#include <numeric>

namespace {
void prepararUnidades(BancoTeste &banco)
{
    banco.inserir("KVB003",
                  {{"DESCRICAO", "PREFEITURA MUNICIPAL"}, {"CGC", "11222333000181"}, {"CODTCM", "2001"}});
    banco.inserir("UNIDADE_ORCAMENTARIA", {{"CODIGO_UNIDADE", "2001"}, {"DESCRICAO_UNIDADE", "GABINETE"}});
    banco.inserir("UNIDADE_ORCAMENTARIA",
                  {{"CODIGO_UNIDADE", "200101"}, {"DESCRICAO_UNIDADE", "FUNDO GERAL"}});
    banco.inserir("KVB006JAN", {{"CDSECRETA", "001"},
                                {"CDSETOR", "000"},
                                {"CGC", ""},
                                {"CODUNDGESTOR", ""},
                                {"CODUNDORCA", "200101"}});
    banco.inserir("KVB006JAN", {{"CDSECRETA", "002"},
                                {"CDSETOR", "000"},
                                {"CGC", "55444333000122"},
                                {"CODUNDGESTOR", "4001"},
                                {"CODUNDORCA", "400101"}});
}

TEstadoEcontas estadoDeJaneiro()
{
    TEstadoEcontas estado;
    estado.ano_folha = QStringLiteral("2024");
    estado.mesSelecionado = true;
    estado.mes_cadastro = QStringLiteral("JAN");
    estado.competencia = QStringLiteral("012024");
    estado.SQLPadrao = QStringLiteral("SELECT codundgestor, codundorca FROM KVB006JAN");
    estado.cdsUnidadesGestorasOrcamentarias =
        RowSet::abrir(QStringLiteral("SELECT * FROM UNIDADE_ORCAMENTARIA"));
    return estado;
}

// The cells of every row, "|"-joined; a missing cell reads as "<>".
QStringList linhas(const QTableWidget *lista)
{
    QStringList r;
    for (int i = 0; i < lista->rowCount(); ++i) {
        QStringList celulas;
        for (int c = 0; c < lista->columnCount(); ++c)
            celulas << (lista->item(i, c) ? lista->item(i, c)->text() : QStringLiteral("<>"));
        r << celulas.join('|');
    }
    return r;
}

// The header texts, and their columns: as wide as given unless the header needs more to show whole,
// the last column giving up what the others took.
void compararCabecalhos(const QTableWidget *lista, const QStringList &textos, const QList<int> &larguras)
{
    const int ultima = lista->columnCount() - 1;
    QCOMPARE(lista->columnCount(), textos.size());
    int soma = 0;
    for (int c = 0; c <= ultima; ++c) {
        const QString texto = lista->horizontalHeaderItem(c)->text();
        QCOMPARE(texto.trimmed(), textos[c]);
        QVERIFY2(lista->horizontalHeader()->sectionSizeHint(c) <= lista->columnWidth(c) || c == ultima,
                 qPrintable(texto));
        if (c < ultima)
            QVERIFY(lista->columnWidth(c) >= larguras[c]);
        soma += lista->columnWidth(c);
    }
    QCOMPARE(soma, std::accumulate(larguras.begin(), larguras.end(), 0));
}

void salvarTela(QWidget *janela, const QString &nome)
{
    QDir().mkpath(QStringLiteral(ECONTAS_SCREENSHOT_DIR));
    janela->grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/") + nome);
}
} // namespace

class TesteJanelasPreview : public QObject {
    Q_OBJECT
private slots:
    void semMesNenhumaJanela();
    void unidadesGestoras();
    void unidadesOrcamentarias();
    void mantemOMesEnquantoAbertaEscapeFecha();
};

void TesteJanelasPreview::semMesNenhumaJanela()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    TEstadoEcontas estado;
    QWidget principal;
    TfrmUndidadeGestoraECONTAS::btnEcontas_010Click(&principal, estado);
    TfrmUnidadesOrcamentariasECONTAS::btnEcontas_020Click(&principal, estado);
    QCOMPARE(operador.textos(), QStringList(2, "Não foi selecionado nenhum mês para visualização ..."));
    QVERIFY(!TfrmUndidadeGestoraECONTAS::Instancia());
    QVERIFY(!TfrmUnidadesOrcamentariasECONTAS::Instancia());
}

void TesteJanelasPreview::unidadesGestoras()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    prepararUnidades(banco);
    TEstadoEcontas estado = estadoDeJaneiro();
    QWidget principal;
    TfrmUndidadeGestoraECONTAS::btnEcontas_010Click(&principal, estado);
    TfrmUndidadeGestoraECONTAS *janela = TfrmUndidadeGestoraECONTAS::Instancia();
    QVERIFY(janela && janela->isVisible() && !janela->isModal());
    QCOMPARE(janela->windowTitle(), QStringLiteral("Unidades Gestoras E-Contas"));
    compararCabecalhos(janela->lvUnidades, {"C.N.P.J", "Unidade Gestora", "Descrição"}, {140, 185, 445});
    // The secretariat without CNPJ shows the client's; unit 4001 is not described.
    QStringList obtido = linhas(janela->lvUnidades);
    obtido.sort();
    QCOMPARE(obtido, QStringList({"11.222.333/0001-81|2001|GABINETE", "55.444.333/0001-22|4001|<>"}));
    QCOMPARE(janela->textoStatus(), QStringLiteral("Total de Unidades Gestoras: 2"));
    QVERIFY(operador.mensagens.isEmpty());
    salvarTela(janela, QStringLiteral("unidades_gestoras.png"));
    janela->close();
}

void TesteJanelasPreview::unidadesOrcamentarias()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    prepararUnidades(banco);
    TEstadoEcontas estado = estadoDeJaneiro();
    QWidget principal;
    TfrmUnidadesOrcamentariasECONTAS::btnEcontas_020Click(&principal, estado);
    TfrmUnidadesOrcamentariasECONTAS *janela = TfrmUnidadesOrcamentariasECONTAS::Instancia();
    QVERIFY(janela && janela->isVisible());
    QCOMPARE(janela->windowTitle(), QStringLiteral("Listagem de Unidades Orçamentárias para o Econtas"));
    compararCabecalhos(janela->lvUnidades, {"Unidade Gestora", "Unidade Orçamentária", "Descrição"},
                       {130, 130, 508});
    QCOMPARE(linhas(janela->lvUnidades), QStringList({"|200101|FUNDO GERAL", "4001|400101|<>"}));
    QCOMPARE(janela->textoStatus(), QStringLiteral("Total de Unidades Orçamentárias: 2"));
    salvarTela(janela, QStringLiteral("unidades_orcamentarias.png"));
    janela->close();
}

void TesteJanelasPreview::mantemOMesEnquantoAbertaEscapeFecha()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN"});
    prepararUnidades(banco);
    TEstadoEcontas estado = estadoDeJaneiro();
    QWidget principal;
    principal.show();
    TfrmUndidadeGestoraECONTAS *janela = TfrmUndidadeGestoraECONTAS::PreviewEcontas10(&principal, estado);
    QPointer<TfrmUndidadeGestoraECONTAS> vigia(janela);

    // Another month selected while it is open: the same window, still on January.
    estado.mes_cadastro = QStringLiteral("FEV");
    QCOMPARE(TfrmUndidadeGestoraECONTAS::PreviewEcontas10(&principal, estado), janela);
    QCOMPARE(janela->Competencia(), QStringLiteral("JAN"));
    QCOMPARE(janela->lvUnidades->rowCount(), 2);

    // Escape reaches the window even with the list focused, and closes it.
    janela->activateWindow();
    janela->lvUnidades->setFocus();
    QTest::keyClick(janela->lvUnidades, Qt::Key_Escape);
    QVERIFY(!TfrmUndidadeGestoraECONTAS::Instancia());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(vigia.isNull());

    // Opened again: a fresh window for February, whose sector table does not exist here. The failure
    // is reported and the window stays empty with its initial status text.
    janela = TfrmUndidadeGestoraECONTAS::PreviewEcontas10(&principal, estado);
    QCOMPARE(janela->Competencia(), QStringLiteral("FEV"));
    QCOMPARE(janela->lvUnidades->rowCount(), 0);
    QCOMPARE(janela->textoStatus(), QStringLiteral("Total de Unidades Gestoras: "));
    QCOMPARE(operador.mensagens.size(), 1);
    QCOMPARE(operador.mensagens.first().tipo, QStringLiteral("erro"));
    QVERIFY(operador.mensagens.first().texto.startsWith(
        QStringLiteral("Error ao consultar unidades gestoras! ") + QChar(13)));
    janela->close();
}

QTEST_MAIN(TesteJanelasPreview)
#include "gui_previews.moc"
