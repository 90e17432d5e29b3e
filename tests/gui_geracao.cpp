// The generation button of the main window, driven offscreen on the sample database.
#include "app/uPrincipal.h"
#include "db/Conexao.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "support/OperadorTeste.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TesteGeracaoJanela : public QObject {
    Q_OBJECT
private slots:
    void geracaoPeloBotaoNaAmostra();
};

void TesteGeracaoJanela::geracaoPeloBotaoNaAmostra()
{
    OperadorTeste operador;
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra parametros;
    parametros.servidores = Amostra::MinimoServidores;
    parametros.meses = {"JAN", "FEV"};
    CriarBancoAmostra(caminho, parametros);
    TConexao conexao(caminho);
    {
        TfrmPrincipal janela("2024", "operador"); // creates the year's control rows
        // The critique of February ran earlier.
        Sql::Executar("UPDATE CTRL_TCMTPA SET DT_CRITICAS = CURRENT_DATE WHERE MES_ANO = '022024'");
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
        janela.lvPrincipal->selectRow(1);
        QCOMPARE(janela.estado.competencia, QStringLiteral("022024"));
        QVERIFY(janela.btnGeracao->isEnabled());
        operador.responder({true, true});
        QTest::mouseClick(janela.btnGeracao, Qt::LeftButton);
        QVERIFY2(operador.textos().contains(QStringLiteral("Geração concluída com sucesso!")),
                 qPrintable(operador.textos().join('\n')));
        for (const char *tabela : {"ECONTAS_010", "ECONTAS_020", "ECONTAS_030", "ECONTAS_040"}) {
            RowSet r = RowSet::abrir(
                QStringLiteral("SELECT COUNT(*) FROM %1 WHERE COMPETENCIA = '022024'").arg(tabela));
            r.first();
            QVERIFY2(r.inteiro(r.campos().first()) > 0, tabela);
        }
        RowSet controle = RowSet::abrir("SELECT DT_GERACAO FROM CTRL_TCMTPA WHERE MES_ANO = '022024'");
        controle.first();
        QCOMPARE(controle.data("DT_GERACAO"), DataParaDias(QDate::currentDate()));

        // No department marked FUNDEB and "Não" to the question: the status line says so.
        Sql::Executar("UPDATE KVB006FEV SET FUNDEBECONTAS = 'F'");
        operador.limpar();
        operador.responder({false});
        QTest::mouseClick(janela.btnGeracao, Qt::LeftButton);
        QCOMPARE(operador.textos(),
                 QStringList{"Não existe nunhuma lotação marcada com < FUNDEB >. Deseja continuar?"});
        QTRY_COMPARE(janela.painelMensagens->text(), QStringLiteral("Geração cancelada."));
    }
    QSqlDatabase::database(QStringLiteral("FDConn"), false).close();
}

QTEST_MAIN(TesteGeracaoJanela)
#include "gui_geracao.moc"
