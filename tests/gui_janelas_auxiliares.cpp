// The complementary window and the two unit previews opened from the main window's buttons, on the
// sample municipality.
#include "app/uPrincipal.h"
#include "db/Conexao.h"
#include "db/Sql.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "support/OperadorTeste.h"
#include "windows/uComplementares.h"
#include "windows/uUndidadeGestoraECONTAS.h"
#include "windows/uUnidadesOrcamentariasECONTAS.h"

#include <QDir>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {
void salvarTela(QWidget *janela, const QString &nome)
{
    QDir().mkpath(QStringLiteral(ECONTAS_SCREENSHOT_DIR));
    janela->grab().save(QStringLiteral(ECONTAS_SCREENSHOT_DIR "/") + nome);
}

void selecionarMes(TfrmPrincipal &janela, const QString &legenda)
{
    for (int i = 0; i < janela.lvPrincipal->rowCount(); ++i)
        if (janela.lvPrincipal->item(i, 0)->text() == legenda) {
            janela.lvPrincipal->selectRow(i);
            return;
        }
    QFAIL(qPrintable("month not listed: " + legenda));
}

int totalDoStatus(const QString &status)
{
    return status.section(QLatin1Char(' '), -1).toInt();
}
} // namespace

class TesteJanelasAuxiliares : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void abertasPelosBotoesDaJanelaPrincipal();

private:
    QTemporaryDir m_pasta;
    std::unique_ptr<OperadorTeste> m_operador;
    std::unique_ptr<TConexao> m_conexao;
};

void TesteJanelasAuxiliares::initTestCase()
{
    m_operador = std::make_unique<OperadorTeste>();
    const QString caminho = m_pasta.filePath(QStringLiteral("amostra.fdb"));
    ParametrosAmostra parametros;
    parametros.servidores = Amostra::MinimoServidores;
    parametros.meses = QStringList{Amostra::MesComplementar};
    CriarBancoAmostra(caminho, parametros);
    m_conexao = std::make_unique<TConexao>(caminho);
    QVERIFY(m_conexao->getConexao().isOpen());
}

void TesteJanelasAuxiliares::cleanupTestCase()
{
    m_conexao.reset();
    QSqlDatabase::database(Sql::NomeConexao, false).close();
    QSqlDatabase::removeDatabase(Sql::NomeConexao);
}

void TesteJanelasAuxiliares::abertasPelosBotoesDaJanelaPrincipal()
{
    TfrmPrincipal principal(QStringLiteral("2024"), QStringLiteral("operador"));
    principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    selecionarMes(principal, QStringLiteral("Fevereiro de 2024"));
    QVERIFY(principal.btnEnviarComplementar->isEnabled());

    QTest::mouseClick(principal.btnEnviarComplementar, Qt::LeftButton);
    TfrmComplementares *complementares = TfrmComplementares::Instancia();
    QVERIFY(complementares && complementares->isVisible());
    QCOMPARE(complementares->Linhas().size(), 1);
    QCOMPARE(complementares->Linhas().first().texto,
             QStringLiteral("1ª Folha Complementar / FEVEREIRO de 2024"));
    QCOMPARE(complementares->Linhas().first().competencia, Amostra::FolhaComplementar);
    salvarTela(complementares, QStringLiteral("amostra_complementares.png"));

    QTest::mouseClick(principal.btnEcontas_010, Qt::LeftButton);
    TfrmUndidadeGestoraECONTAS *gestoras = TfrmUndidadeGestoraECONTAS::Instancia();
    QVERIFY(gestoras && gestoras->isVisible());
    QVERIFY(gestoras->lvUnidades->rowCount() > 0);
    QCOMPARE(totalDoStatus(gestoras->textoStatus()), gestoras->lvUnidades->rowCount());
    salvarTela(gestoras, QStringLiteral("amostra_unidades_gestoras.png"));

    QTest::mouseClick(principal.btnEcontas_020, Qt::LeftButton);
    TfrmUnidadesOrcamentariasECONTAS *orcamentarias = TfrmUnidadesOrcamentariasECONTAS::Instancia();
    QVERIFY(orcamentarias && orcamentarias->isVisible());
    QVERIFY(orcamentarias->lvUnidades->rowCount() > 0);
    QCOMPARE(totalDoStatus(orcamentarias->textoStatus()), orcamentarias->lvUnidades->rowCount());
    QCOMPARE(orcamentarias->SQLPadrao(), principal.estado.SQLPadrao);
    salvarTela(orcamentarias, QStringLiteral("amostra_unidades_orcamentarias.png"));

    QStringList erros;
    for (const auto &m : m_operador->mensagens)
        if (m.tipo == QLatin1String("erro"))
            erros << m.texto;
    QVERIFY2(erros.isEmpty(), qPrintable(erros.join('\n')));
    for (QWidget *w : std::initializer_list<QWidget *>{complementares, gestoras, orcamentarias})
        w->close();
}

QTEST_MAIN(TesteJanelasAuxiliares)
#include "gui_janelas_auxiliares.moc"
