// The findings viewer, driven offscreen: groups in index order with their own counts, Escape, saving.
#include "support/OperadorTeste.h"
#include "windows/DialogoSalvar.h"
#include "windows/uEcontasCriticas.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Lines in three groups, filled in an order unlike the group order.
ListasCriticas listasDeExemplo()
{
    ListasCriticas listas;
    listas[GrupoSituacaoFuncional] = {"Funcionário: 00000007-GIL - Cargo Econtas 00401",
                                      "Funcionário: 00000002-BIA - Cargo Econtas 00202"};
    listas[GrupoFuncionarios] = {"Funcionário: 00000001 - ANA - Com as seguintes criticas: - CPF inválido",
                                 "Funcionário: 00000003 - CAIO - Com as seguintes criticas: - SEXO inválido",
                                 "Funcionário: 00000004 - DAVI - Com as seguintes criticas: "};
    listas[GrupoCadastroCliente] = {"CNPJ não informado no cadastro de cliente."};
    return listas;
}

QStringList textosDoGrupo(QTreeWidgetItem *grupo)
{
    QStringList textos;
    for (int i = 0; i < grupo->childCount(); ++i)
        textos << grupo->child(i)->text(0);
    return textos;
}

} // namespace

class TesteVisualizadorCriticas : public QObject {
    Q_OBJECT
private slots:
    void exibeSoGruposComCriticasEmOrdem();
    void escapeFechaAJanelaModal();
    void salvaCriticasComoOLoteImprime();
    void falhaAoSalvarEAvisada();
};

void TesteVisualizadorCriticas::exibeSoGruposComCriticasEmOrdem()
{
    OperadorTeste operador;
    const ListasCriticas listas = listasDeExemplo();
    TfrmEcontasCriticas janela(listas);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QCOMPARE(janela.windowTitle(), QString("Exibição das críticas"));
    QCOMPARE(janela.size(), QSize(831, 519));

    QTreeWidget *lista = janela.lvcRITICAS;
    QCOMPARE(lista->topLevelItemCount(), 3);
    const QList<int> grupos = {GrupoCadastroCliente, GrupoFuncionarios, GrupoSituacaoFuncional};
    for (int i = 0; i < grupos.size(); ++i) {
        const int g = grupos[i];
        QTreeWidgetItem *grupo = lista->topLevelItem(i);
        QCOMPARE(grupo->text(0), grupoArray[g]);
        QCOMPARE(grupo->data(0, Qt::UserRole).toInt(), g);
        QVERIFY(!grupo->icon(0).isNull());
        QVERIFY(grupo->isExpanded());
        QCOMPARE(textosDoGrupo(grupo),
                 QStringList{tituloArray[g]} + listas[g] +
                     QStringList{"Total de itens: " + QString::number(listas[g].size())});
    }

    // Shown again, the list is built afresh, not doubled.
    janela.hide();
    janela.show();
    QCOMPARE(lista->topLevelItemCount(), 3);
    QDir().mkpath(ECONTAS_SCREENSHOT_DIR);
    QVERIFY(janela.grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/visualizador_criticas.png")));
}

void TesteVisualizadorCriticas::escapeFechaAJanelaModal()
{
    OperadorTeste operador;
    bool fechou = false;
    QTimer::singleShot(0, [&] {
        auto *janela = qobject_cast<TfrmEcontasCriticas *>(QApplication::activeModalWidget());
        QVERIFY(janela);
        QTest::keyClick(janela->lvcRITICAS, Qt::Key_Escape);
        fechou = true;
    });
    ExibirCriticasEmJanela(listasDeExemplo());
    QVERIFY(fechou);
    QVERIFY(!QApplication::activeModalWidget());
}

void TesteVisualizadorCriticas::salvaCriticasComoOLoteImprime()
{
    OperadorTeste operador;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("criticas.txt");
    const ListasCriticas listas = listasDeExemplo();
    TfrmEcontasCriticas janela(listas);
    DialogoSalvar::DefinirProximaResposta(caminho);
    janela.show();
    QVERIFY(QTest::qWaitForWindowActive(&janela));
    QVERIFY(janela.lvcRITICAS->actions().contains(janela.acaoSalvar)); // the context menu's entry
    QTest::keyClick(janela.lvcRITICAS, Qt::Key_S, Qt::ControlModifier);

    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(arquivo.readAll()), TextoDasCriticas(listas).join('\n') + '\n');
    QCOMPARE(operador.textos(), QStringList{"Críticas salvas em " + caminho});

    // Cancelling the file choice writes nothing and says nothing.
    operador.limpar();
    DialogoSalvar::DefinirProximaResposta(QString());
    janela.acaoSalvar->trigger();
    QVERIFY(operador.mensagens.isEmpty());
}

void TesteVisualizadorCriticas::falhaAoSalvarEAvisada()
{
    OperadorTeste operador;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("nao/existe/criticas.txt");
    TfrmEcontasCriticas janela(listasDeExemplo());
    QVERIFY(!janela.SalvarCriticas(caminho));
    QVERIFY(!QFile::exists(caminho));
    QCOMPARE(operador.mensagens.size(), 1);
    QCOMPARE(operador.mensagens[0].tipo, QString("erro"));
    QVERIFY(operador.mensagens[0].texto.startsWith("Não foi possível salvar as críticas em " + caminho));
}

QTEST_MAIN(TesteVisualizadorCriticas)
#include "gui_criticas.moc"
