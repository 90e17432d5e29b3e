// The cached item and payment path against the statement-per-item path on the sample municipality:
// a month with a complementary sheet and the month with the 13th-salary sheets give identical work tables.
#include "db/Conexao.h"
#include "db/Sql.h"
#include "econtas/EstadoEcontas.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "generation/ComandosSelecao.h"
#include "generation/ContextoGeracao.h"
#include "generation/Geracao.h"
#include "generation/GeracaoPagamentos.h"
#include "support/ConsultasPorItem.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

QStringList Linhas(const QString &sql)
{
    RowSet r = RowSet::abrir(sql);
    QStringList linhas;
    for (r.first(); !r.eof(); r.next()) {
        QStringList valores;
        for (int c = 0; c < r.quantidadeCampos(); ++c)
            valores << r.valor(c).toString();
        linhas << valores.join('|');
    }
    return linhas;
}

// Runs the staff part of a generation with the upper walks reduced to what it needs: every staff member
// of the 040 set with his unit rows positioned and his record 040 written.
QStringList Gerar(const QString &mes, const QString &competencia, bool porItem, int &linhasComplementares)
{
    for (const QString tabela : {"ECONTAS_040", "ECONTAS_041", "ECONTAS_042", "ECONTAS_043"})
        Sql::Executar("DELETE FROM " + tabela);
    TEstadoEcontas estado;
    estado.ano_folha = "2024";
    estado.mes_cadastro = mes;
    estado.competencia = competencia;
    estado.numero_mes_selecionado = competencia.left(2);
    estado.dataPagamento = QDate(2024, competencia.left(2).toInt(), 1).addMonths(1).addDays(-1);
    ConfiguraEcontas2(estado);
    CarregarDadosEcontas(estado);
    CargosEcontas(estado);
    linhasComplementares = estado.CDS_COMPLEMENTAR.aberto() ? estado.CDS_COMPLEMENTAR.quantidadeLinhas() : 0;
    TContextoGeracao contexto;
    UsarConsultasPorItem(contexto, porItem);
    Sql::Transacao transacao;
    RowSet &pessoas = estado.Econtas040;
    for (pessoas.first(); !pessoas.eof(); pessoas.next()) {
        const QString gestor = pessoas.texto("codundgestor");
        const QString orcamentaria = pessoas.texto("codundorca");
        if (!estado.Econtas010.locate({"codundgestor"}, {gestor}) ||
            !estado.EContas020.locate({"codundgestor", "codundorca"}, {gestor, orcamentaria}))
            continue;
        TEContas40 r;
        r.Setcompetencia(competencia);
        r.Setcnpj(estado.Econtas010.texto("cnpj"));
        r.Setug(estado.Econtas010.texto("codundgestor").mid(1, 5));
        r.Setuo(estado.EContas020.texto("codundorca").mid(1, 5));
        r.Setmatricula(pessoas.texto("matricula"));
        if (!contexto.escritos.tem040(r.competencia(), r.cnpj(), r.ug(), r.uo(), r.matricula())) {
            contexto.controlador.InserirEcontas_040(r);
            contexto.escritos.registrar040(r);
        }
        GerarArquivoEcontas43(estado, contexto);
        GerarArquivoEcontas42(estado, contexto);
    }
    transacao.commit();
    QStringList tabelas;
    for (const QString tabela : {"ECONTAS_041", "ECONTAS_042", "ECONTAS_043"})
        tabelas << Linhas("SELECT * FROM " + tabela + " ORDER BY 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12");
    return tabelas << estado.relatorioGeracao;
}

} // namespace

class TestePagamentosAmostra : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void caminhosIguais_data();
    void caminhosIguais();

private:
    void decimoTerceiroDaGestante();
    QTemporaryDir m_pasta;
    std::unique_ptr<OperadorTeste> m_operador;
    std::unique_ptr<TConexao> m_conexao;
};

void TestePagamentosAmostra::initTestCase()
{
    m_operador = std::make_unique<OperadorTeste>();
    const QString caminho = m_pasta.filePath("amostra.fdb");
    ParametrosAmostra parametros;
    parametros.servidores = 80;
    parametros.meses = QStringList{"FEV", "DEZ"};
    CriarBancoAmostra(caminho, parametros);
    m_conexao = std::make_unique<TConexao>(caminho);
    QVERIFY(m_conexao->getConexao().isOpen());
}

void TestePagamentosAmostra::cleanupTestCase()
{
    m_conexao.reset();
    QSqlDatabase::database(Sql::NomeConexao, false).close();
    QSqlDatabase::removeDatabase(Sql::NomeConexao);
}

void TestePagamentosAmostra::caminhosIguais_data()
{
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QString>("competencia");
    QTest::addColumn<int>("tiposDePagamento");
    QTest::addColumn<bool>("complementar");
    QTest::newRow("com folha complementar") << "FEV"
                                            << "022024" << 1 << true;
    QTest::newRow("com 13º salário") << "DEZ"
                                     << "122024" << 3 << false;
}

void TestePagamentosAmostra::caminhosIguais()
{
    QFETCH(QString, mes);
    QFETCH(QString, competencia);
    QFETCH(int, tiposDePagamento);
    QFETCH(bool, complementar);
    int linhasComplementares = 0;
    m_operador->responder({true, true});
    const QStringList comCache = Gerar(mes, competencia, false, linhasComplementares);
    QCOMPARE(linhasComplementares > 0, complementar);
    m_operador->responder({true, true});
    const QStringList porItem = Gerar(mes, competencia, true, linhasComplementares);
    QCOMPARE(comCache, porItem);
    QVERIFY(Linhas("SELECT COUNT(*) FROM ECONTAS_042").first().toInt() > 0);
    QVERIFY(Linhas("SELECT COUNT(*) FROM ECONTAS_043").first().toInt() > 100);
    QCOMPARE(Linhas("SELECT COUNT(DISTINCT TIPOPAGTO) FROM ECONTAS_041").first().toInt(), tiposDePagamento);
    if (tiposDePagamento == 3)
        decimoTerceiroDaGestante();
}

// Staff on maternity leave in December have both 13th-salary payments, their items valued from the
// TB_GESTANTE rows of the 13th-salary sheets, whose month the payroll system leaves empty.
void TestePagamentosAmostra::decimoTerceiroDaGestante()
{
    const QStringList gestantes =
        Linhas("SELECT DISTINCT MATRICULA FROM TB_GESTANTE WHERE TPFOLHA = 'LY1' AND MES = ''");
    QVERIFY(!gestantes.isEmpty());
    for (const QString &matricula : gestantes) {
        for (const auto &[tipo, folha] : {std::pair{2, "LY1"}, std::pair{3, "LZ1"}}) {
            const QStringList itens = Linhas(
                QStringLiteral(
                    "SELECT CODEVENTO, VALOR FROM ECONTAS_043 WHERE MATRICULA = '%1' AND TIPOPAGTO = %2 "
                    "ORDER BY 1")
                    .arg(matricula)
                    .arg(tipo));
            QVERIFY(!itens.isEmpty());
            QCOMPARE(itens,
                     Linhas(QStringLiteral("SELECT EVENTO, VALOR FROM TB_GESTANTE WHERE MATRICULA = '%1' "
                                           "AND TPFOLHA = '%2' ORDER BY 1")
                                .arg(matricula, QLatin1String(folha))));
            QCOMPARE(Linhas(QStringLiteral("SELECT COUNT(*) FROM ECONTAS_041 WHERE MATRICULA = '%1' AND "
                                           "TIPOPAGTO = %2")
                                .arg(matricula)
                                .arg(tipo)),
                     QStringList{"1"});
        }
    }
}

QTEST_GUILESS_MAIN(TestePagamentosAmostra)
#include "test_pagamentos_amostra.moc"
