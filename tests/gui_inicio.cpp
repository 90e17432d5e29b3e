// Start-up of the program: the splash and its steps, the failed connection, the main window.
#include "app/Inicio.h"
#include "app/uPrincipal.h"
#include "app/uSplash.h"
#include "db/Conexao.h"
#include "support/BancoTeste.h"
#include "support/OperadorTeste.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTableWidget>
#include <QtTest>

#include <csignal>

class TesteInicio : public QObject {
    Q_OBJECT
private slots:
    void semArgumentosTresMensagensESaida1();
    void splashSoFechaComABarraEm100();
    void inicioNumBancoBomCriaOsControlesUmaVez();
    void sinalDuranteAMensagemDeConexaoEncerra_data();
    void sinalDuranteAMensagemDeConexaoEncerra();
};

void TesteInicio::semArgumentosTresMensagensESaida1()
{
    OperadorTeste operador;
    ProgramaJanelas programa;
    QCOMPARE(IniciarJanelas({"TvEcontas"}, programa), 1);
    QVERIFY(!programa.principal);
    QCOMPARE(operador.mensagens.size(), 3);
    QCOMPARE(operador.mensagens[0].tipo, QStringLiteral("mensagem"));
    QVERIFY(
        operador.mensagens[0].texto.startsWith(QStringLiteral("Não foi possível efetuar a conexão. Erro: ")));
    QCOMPARE(operador.mensagens[1],
             (OperadorTeste::Mensagem{"aviso", "Tovrin Sistemas - E-Contas",
                                      "Conexão não estabelecida, contate a Tovrin Sistemas!"}));
    QCOMPARE(operador.mensagens[2],
             (OperadorTeste::Mensagem{
                 "aviso", "KVB - Módulo e-Contas TCM-PA",
                 "Ocorreu um erro durante a tentativa de conexão, contate a Tovrin Sistemas!"}));
}

void TesteInicio::splashSoFechaComABarraEm100()
{
    OperadorTeste operador;
    BancoTeste banco;
    banco.fechar();
    TfrmSplash splash(banco.caminho());
    QVERIFY(splash.conectado());
    QCOMPARE(splash.windowTitle(), QStringLiteral("KVB - Módulo e-Contas - TCM-PA"));
    QCOMPARE(splash.size(), QSize(775, 462));
    QCOMPARE(splash.painelStatus->text(), QStringLiteral("Mensagens"));
    TProgresso &progresso = operador.progresso();

    // Six of the seven steps: 84, the timer leaves the splash open.
    progresso.avancar(TProgresso::Splash, 6 * 14);
    splash.tmrSplashTimer();
    QCOMPARE(splash.result(), 0);
    QVERIFY(splash.pbSplash->isEnabled());
    QCOMPARE(splash.pbSplash->value(), 84);

    // Shown for real: the posted steps fill the bar and the first tick at 100 closes the window.
    progresso.definirPosicao(TProgresso::Splash, 0);
    splash.show();
    QTRY_COMPARE(splash.pbSplash->value(), 100);
    QVERIFY(splash.painelStatus->text().startsWith(QStringLiteral("Apagando tabela de controle ")));
    QDir().mkpath(ECONTAS_SCREENSHOT_DIR);
    splash.grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/splash.png"));
    QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 5000);
    QCOMPARE(splash.result(), int(QDialog::Accepted));
    QVERIFY(!splash.pbSplash->isEnabled());
    QCOMPARE(progresso.posicao(TProgresso::Splash), 0);
    QVERIFY(operador.mensagens.isEmpty());
    splash.tomarConexao();
    banco.reabrir();
}

void TesteInicio::inicioNumBancoBomCriaOsControlesUmaVez()
{
    OperadorTeste operador;
    BancoTeste banco({"JAN", "AC1", "MAR"});
    banco.inserir("KVB003", {{"DESCRICAO", "  PREFEITURA MUNICIPAL DE TESTE  "}, {"CGC", "12345678000190"}});
    banco.fechar();
    for (int vez = 0; vez < 2; ++vez) {
        ProgramaJanelas programa;
        QCOMPARE(IniciarJanelas({"TvEcontas", banco.caminho(), "2020", "operador"}, programa), 0);
        QVERIFY(operador.mensagens.isEmpty());
        QVERIFY(programa.principal->isVisible());
        QCOMPARE(programa.principal->estado.usuario, QStringLiteral("operador"));
        QCOMPARE(programa.principal->lvPrincipal->rowCount(), 2);
        QCOMPARE(programa.principal->lvPrincipal->item(1, 0)->text(), QStringLiteral("Março de 2020"));
        QCOMPARE(programa.principal->painelPrefeitura->text(),
                 QStringLiteral("PREFEITURA MUNICIPAL DE TESTE"));
        QCOMPARE(banco.contar("CTRL_TCMTPA"), 2);
        QCOMPARE(operador.progresso().posicao(TProgresso::Splash), 0);
    }
    banco.reabrir();
}

void TesteInicio::sinalDuranteAMensagemDeConexaoEncerra_data()
{
    QTest::addColumn<int>("sinal");
    QTest::addColumn<QString>("nome");
    QTest::newRow("SIGTERM") << int(SIGTERM) << QStringLiteral("SIGTERM");
    QTest::newRow("SIGINT") << int(SIGINT) << QStringLiteral("SIGINT");
    QTest::newRow("SIGHUP") << int(SIGHUP) << QStringLiteral("SIGHUP");
}

// Started without arguments, the program cannot connect and its first box waits for a click; a signal
// then ends it within two seconds with status 1.
void TesteInicio::sinalDuranteAMensagemDeConexaoEncerra()
{
    QFETCH(int, sinal);
    QFETCH(QString, nome);
    QProcess programa;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programa.setProcessEnvironment(ambiente);
    programa.start(QStringLiteral(ECONTAS_BIN_DIR "/TvEcontas"));
    QVERIFY(programa.waitForStarted());
    QVERIFY2(!programa.waitForFinished(1500), "the program should wait on its connection message");
    QElapsedTimer relogio;
    relogio.start();
    kill(pid_t(programa.processId()), sinal);
    QVERIFY(programa.waitForFinished(5000));
    QVERIFY2(relogio.elapsed() < 2000, qPrintable(QString::number(relogio.elapsed())));
    QCOMPARE(programa.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programa.exitCode(), 1);
    QVERIFY(QString::fromUtf8(programa.readAllStandardError())
                .contains(QStringLiteral("Interrompido pelo sinal %1").arg(nome)));
}

QTEST_MAIN(TesteInicio)
#include "gui_inicio.moc"
