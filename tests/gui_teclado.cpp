// The main window from the keyboard: Tab enters and leaves the month list without walking its cells,
// Return and Enter press the focused button.
#include "app/uPrincipal.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

enum class Foco { ListaNaUltimaColuna, UltimoBotao, BotaoCriticas };

QWidget *focar(TfrmPrincipal &janela, Foco foco)
{
    QTableWidget *lista = janela.lvPrincipal;
    switch (foco) {
    case Foco::ListaNaUltimaColuna:
        lista->setCurrentCell(0, lista->columnCount() - 1);
        return lista;
    case Foco::UltimoBotao:
        return janela.btnEnviarComplementar;
    case Foco::BotaoCriticas:
        return janela.btnCriticas;
    }
    return nullptr;
}

} // namespace

class TesteTecladoPrincipal : public QObject {
    Q_OBJECT
private slots:
    void teclas_data();
    void teclas();
};

void TesteTecladoPrincipal::teclas_data()
{
    QTest::addColumn<int>("codigoFoco");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("listaComFoco");
    QTest::addColumn<QStringList>("mensagens");

    const QStringList semMes{QStringLiteral("Não foi selecionado nenhum mês para geração!")};
    QTest::newRow("Tab sai da lista")
        << int(Foco::ListaNaUltimaColuna) << int(Qt::Key_Tab) << false << QStringList();
    QTest::newRow("Tab entra na lista")
        << int(Foco::UltimoBotao) << int(Qt::Key_Tab) << true << QStringList();
    QTest::newRow("Return aperta o botão")
        << int(Foco::BotaoCriticas) << int(Qt::Key_Return) << false << semMes;
    QTest::newRow("Enter aperta o botão")
        << int(Foco::BotaoCriticas) << int(Qt::Key_Enter) << false << semMes;
}

void TesteTecladoPrincipal::teclas()
{
    QFETCH(int, codigoFoco);
    const auto foco = Foco(codigoFoco);
    QFETCH(int, tecla);
    QFETCH(bool, listaComFoco);
    QFETCH(QStringList, mensagens);

    OperadorTeste operador;
    BancoTeste banco({"JAN", "FEV"});
    banco.inserir(
        "KVB003",
        {{"DESCRICAO", "PREFEITURA MUNICIPAL DE TESTE"}, {"CGC", "12345678000190"}, {"CODTCM", "0987"}});
    TfrmPrincipal janela("2024", "ana");
    janela.show();
    QVERIFY(QTest::qWaitForWindowActive(&janela));
    QCOMPARE(janela.lvPrincipal->rowCount(), 2);
    if (foco != Foco::BotaoCriticas)
        janela.lvPrincipal->selectRow(0);
    const QString competencia = janela.estado.competencia;
    const QDate data = janela.dtpPagamento->date();

    QWidget *alvo = focar(janela, foco);
    alvo->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(tecla));

    QCOMPARE(janela.lvPrincipal->hasFocus(), listaComFoco);
    QCOMPARE(janela.estado.competencia, competencia);
    QCOMPARE(janela.dtpPagamento->date(), data);
    QCOMPARE(operador.textos(), mensagens);
}

QTEST_MAIN(TesteTecladoPrincipal)
#include "gui_teclado.moc"
