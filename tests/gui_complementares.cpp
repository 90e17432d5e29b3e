// The complementary-payroll window driven offscreen: the grouped list with its ticks and hidden keys,
// "Enviar" and "Sair", the empty month, and reuse while open / a fresh window after closing.
#include "econtas/ListaComplementares.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"
#include "windows/uComplementares.h"

#include <QDir>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
const QString CNPJ = QStringLiteral("11222333000181");
const QString OUTRO_CNPJ = QStringLiteral("99888777000166");

void gravarEscolha(BancoTeste &banco, const QString &mes, const QString &cnpj)
{
    banco.inserir(QStringLiteral("KVB020"), {{QStringLiteral("ANO"), QStringLiteral("2024")},
                                             {QStringLiteral("NUMMES"), QStringLiteral("01")},
                                             {QStringLiteral("MES"), mes},
                                             {QStringLiteral("CNPJ"), cnpj},
                                             {QStringLiteral("GERAL"), QStringLiteral("T")}});
}

// "AC1+" for a ticked row, "AC2-" for an unticked one.
QStringList marcas(const TfrmComplementares *janela)
{
    QStringList r;
    for (const TLinhaComplementar &l : janela->Linhas())
        r << l.competencia + (l.marcada ? QStringLiteral("+") : QStringLiteral("-"));
    return r;
}

QTreeWidgetItem *folha(TfrmComplementares *janela, int i)
{
    return janela->grupo()->child(i + 1); // the subtitle comes first
}

// Closed windows are destroyed by the event loop.
void destruirFechadas()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void salvarTela(QWidget *janela, const QString &nome)
{
    QDir().mkpath(QStringLiteral(ECONTAS_SCREENSHOT_DIR));
    janela->grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/") + nome);
}
} // namespace

class TesteJanelaComplementares : public QObject {
    Q_OBJECT
private slots:
    void listaAgrupadaComMarcasEChaves();
    void enviarGravaAEscolhaEFecha();
    void falhaAoEnviarDeixaAJanelaAberta();
    void mesSemComplementaresFechaComAviso();
    void reusoEnquantoAbertaENovaDepoisDeFechar();
    void reabertaParaOutraCompetenciaListaEssa();
};

void TesteJanelaComplementares::listaAgrupadaComMarcasEChaves()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2", "AC3"});
    gravarEscolha(banco, "AC1", CNPJ);
    gravarEscolha(banco, "AC3", OUTRO_CNPJ);
    QWidget principal;
    TfrmComplementares *janela = TfrmComplementares::Abrir(&principal, " JAN ", " 2024 ", CNPJ);
    QVERIFY(janela && janela->isVisible());
    QCOMPARE(janela->windowTitle(), QStringLiteral("Lista de Complementares"));
    QCOMPARE(janela->Mes(), QStringLiteral("JAN"));
    QCOMPARE(janela->Ano(), QStringLiteral("2024"));
    QVERIFY(!principal.isVisible() || !janela->isModal());

    QTreeWidget *lista = janela->lvComplementares;
    QCOMPARE(lista->topLevelItemCount(), 1);
    QTreeWidgetItem *grupo = janela->grupo();
    QCOMPARE(grupo->text(0), QStringLiteral("LISTA DE FOLHAS COMPLEMENTARES"));
    QCOMPARE(grupo->child(0)->text(0),
             QStringLiteral("Segue lista de folhas complementares por competência..."));
    QCOMPARE(janela->rodape()->text(0), QStringLiteral("Total de itens: 3"));
    QCOMPARE(grupo->childCount(), 5);

    QCOMPARE(folha(janela, 1)->text(0), QStringLiteral("2ª Folha Complementar / JANEIRO de 2024"));
    QStringList ocultas;
    for (int c = 1; c <= 5; ++c) {
        QVERIFY(lista->isColumnHidden(c));
        ocultas << lista->headerItem()->text(c) + "=" + folha(janela, 1)->text(c);
    }
    QVERIFY(!lista->isColumnHidden(0));
    QCOMPARE(ocultas, QStringList({"ano=2024", "mes=01", "competencia=AC2", "cnpj=" + CNPJ, "geral=T"}));
    // Stored under the same key: ticked; under another CNPJ: unticked.
    QCOMPARE(marcas(janela), QStringList({"AC1+", "AC2-", "AC3-"}));
    salvarTela(janela, QStringLiteral("complementares.png"));
    janela->close();
}

void TesteJanelaComplementares::enviarGravaAEscolhaEFecha()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "AC2"});
    gravarEscolha(banco, "AC1", CNPJ);
    QWidget principal;
    TfrmComplementares *janela = TfrmComplementares::Abrir(&principal, "JAN", "2024", CNPJ);
    QPointer<TfrmComplementares> vigia(janela);
    folha(janela, 0)->setCheckState(0, Qt::Unchecked);
    folha(janela, 1)->setCheckState(0, Qt::Checked);
    QTest::mouseClick(janela->BitBtn1, Qt::LeftButton);
    QCOMPARE(banco.linhas("SELECT ANO, NUMMES, MES, CNPJ, GERAL FROM KVB020"),
             QStringList({"ANO=2024|NUMMES=01|MES=AC2|CNPJ=11222333000181|GERAL=T"}));
    QCOMPARE(operador.textos(), QStringList({"Complementares enviadas com sucesso!"}));
    QCOMPARE(operador.mensagens.first().tipo, QStringLiteral("informacao"));
    QVERIFY(!TfrmComplementares::Instancia());
    destruirFechadas();
    QVERIFY(vigia.isNull());

    // The next opening is a fresh window that reads the stored choice again.
    janela = TfrmComplementares::Abrir(&principal, "JAN", "2024", CNPJ);
    QCOMPARE(marcas(janela), QStringList({"AC1-", "AC2+"}));
    QTest::mouseClick(janela->btnSair, Qt::LeftButton);
    QVERIFY(!TfrmComplementares::Instancia());
    QCOMPARE(banco.contar("KVB020"), 1);
}

void TesteJanelaComplementares::falhaAoEnviarDeixaAJanelaAberta()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1"});
    QWidget principal;
    // A CNPJ the KVB020 column cannot hold: the database refuses the row.
    TfrmComplementares *janela = TfrmComplementares::Abrir(&principal, "JAN", "2024", CNPJ + "000");
    folha(janela, 0)->setCheckState(0, Qt::Checked);
    QTest::mouseClick(janela->BitBtn1, Qt::LeftButton);
    QCOMPARE(operador.mensagens.size(), 1);
    QCOMPARE(operador.mensagens.first().tipo, QStringLiteral("erro"));
    QVERIFY(operador.mensagens.first().texto.startsWith(QStringLiteral("Error ao inserir e-contas. ") +
                                                        QChar(13)));
    QCOMPARE(TfrmComplementares::Instancia(), janela);
    QVERIFY(janela->isVisible());
    QCOMPARE(banco.contar("KVB020"), 0);
    janela->close();
}

void TesteJanelaComplementares::mesSemComplementaresFechaComAviso()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "BC1"});
    QWidget principal;
    QPointer<TfrmComplementares> vigia(TfrmComplementares::CriarOculta(&principal));
    QVERIFY(!TfrmComplementares::Abrir(&principal, "JAN", "2024", CNPJ));
    QCOMPARE(operador.mensagens.size(), 1);
    QCOMPARE(operador.mensagens.first().tipo, QStringLiteral("informacao"));
    QCOMPARE(operador.mensagens.first().texto,
             QStringLiteral("Não há folhas complementares para esta competência."));
    QVERIFY(!TfrmComplementares::Instancia());
    destruirFechadas();
    QVERIFY(vigia.isNull());
}

void TesteJanelaComplementares::reusoEnquantoAbertaENovaDepoisDeFechar()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "FEV", "BC1", "BC2"});
    QWidget principal;
    TfrmComplementares *oculta = TfrmComplementares::CriarOculta(&principal);
    QPointer<TfrmComplementares> vigia(oculta);
    QVERIFY(!oculta->isVisible());
    TfrmComplementares *janela = TfrmComplementares::Abrir(&principal, "JAN", "2024", CNPJ);
    QCOMPARE(janela, oculta);
    QCOMPARE(marcas(janela), QStringList({"AC1-"}));

    // Opened again for the same month while visible: the same window and the clerk's unsaved ticks.
    folha(janela, 0)->setCheckState(0, Qt::Checked);
    QCOMPARE(TfrmComplementares::Abrir(&principal, "JAN", "2024", CNPJ), janela);
    QCOMPARE(marcas(janela), QStringList({"AC1+"}));

    // "Enviar" stores with each row's own keys, then the window closes; the next one is a fresh window.
    janela->Enviar();
    QCOMPARE(banco.linhas("SELECT MES, CNPJ FROM KVB020"), QStringList({"MES=AC1|CNPJ=11222333000181"}));
    destruirFechadas();
    QVERIFY(vigia.isNull());
    janela = TfrmComplementares::Abrir(&principal, "FEV", "2024", OUTRO_CNPJ);
    QCOMPARE(marcas(janela), QStringList({"BC1-", "BC2-"}));
    QCOMPARE(janela->rodape()->text(0), QStringLiteral("Total de itens: 2"));
    janela->close();
}

// Left open on one competence and opened for another, the window behaves as a fresh one: it lists that
// competence's sheets and ticks, or gives the information box and closes; "Enviar" never stores the
// list of another month.
void TesteJanelaComplementares::reabertaParaOutraCompetenciaListaEssa()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV", "BC1", "MAR", "CC1", "CC2"});
    banco.inserir(QStringLiteral("KVB020"), {{QStringLiteral("ANO"), QStringLiteral("2024")},
                                             {QStringLiteral("NUMMES"), QStringLiteral("03")},
                                             {QStringLiteral("MES"), QStringLiteral("CC2")},
                                             {QStringLiteral("CNPJ"), CNPJ},
                                             {QStringLiteral("GERAL"), QStringLiteral("T")}});
    QWidget principal;
    TfrmComplementares *janela = TfrmComplementares::Abrir(&principal, "FEV", "2024", CNPJ);
    QCOMPARE(marcas(janela), QStringList({"BC1-"}));
    folha(janela, 0)->setCheckState(0, Qt::Checked);

    // March, which has sheets: its list and its stored ticks, February's tick gone.
    QCOMPARE(TfrmComplementares::Abrir(&principal, "MAR", "2024", CNPJ), janela);
    QVERIFY(janela->isVisible());
    QCOMPARE(marcas(janela), QStringList({"CC1-", "CC2+"}));
    QCOMPARE(folha(janela, 0)->text(0), QStringLiteral("1ª Folha Complementar / MARÇO de 2024"));

    // January, which has none: the information box, and the window closes without storing anything.
    QPointer<TfrmComplementares> vigia(janela);
    QVERIFY(!TfrmComplementares::Abrir(&principal, "JAN", "2024", CNPJ));
    QCOMPARE(operador.textos(), QStringList({"Não há folhas complementares para esta competência."}));
    QVERIFY(!TfrmComplementares::Instancia());
    destruirFechadas();
    QVERIFY(vigia.isNull());
    QCOMPARE(banco.linhas("SELECT MES FROM KVB020"), QStringList({"MES=CC2"}));

    // A list read for another competence than the window's is listed again, not stored.
    janela = TfrmComplementares::Abrir(&principal, "FEV", "2024", CNPJ);
    folha(janela, 0)->setCheckState(0, Qt::Checked);
    janela->SetMes(QStringLiteral("MAR"));
    janela->Enviar();
    QCOMPARE(banco.linhas("SELECT MES FROM KVB020"), QStringList({"MES=CC2"}));
    QCOMPARE(marcas(janela), QStringList({"CC1-", "CC2+"}));
    janela->close();
}

QTEST_MAIN(TesteJanelaComplementares)
#include "gui_complementares.moc"
