// econtas_bench [--50000] [--tamanhos 1000,5000,20000]: for each payroll size, a sample database (not
// timed), then the critique, generation and export of February (a complementary sheet) and December
// (both 13th-salary sheets) through the code the window and the batch command run, beside their floors.
#include "Medicao.h"
#include "PisoBench.h"
#include "SelecaoMesBench.h"

#include "common/Falha.h"
#include "db/Conexao.h"
#include "db/Sql.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "fixtures/lib/OperadorConsole.h"
#include "generation/Geracao.h"

#include <QCoreApplication>
#include <QMap>
#include <QSqlDatabase>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

const QString AnoBench = QStringLiteral("2024");
const QStringList MesesBench = {"FEV", "DEZ"};

struct Resultado {
    int tamanho = 0;
    QString mes;
    QString fase;
    Medida medida;
};

class Conectado {
public:
    explicit Conectado(const QString &caminho) : m_conexao(std::make_unique<TConexao>(caminho))
    {
        if (!m_conexao->getConexao().isOpen())
            throw Falha(QStringLiteral("Não foi possível abrir %1").arg(caminho));
    }
    ~Conectado()
    {
        m_conexao.reset();
        QSqlDatabase::database(Sql::NomeConexao, false).close();
        QSqlDatabase::removeDatabase(Sql::NomeConexao);
    }

private:
    std::unique_ptr<TConexao> m_conexao;
};

void imprimir(const Resultado &r)
{
    std::printf("%7d  %-3s  %-22s %9.2f s %10lld %10lld %11.0f/s %8.1f MB\n", r.tamanho, qPrintable(r.mes),
                qPrintable(r.fase), r.medida.segundos, static_cast<long long>(r.medida.lidas),
                static_cast<long long>(r.medida.escritas), r.medida.linhasPorSegundo(), r.medida.picoMemoriaKB / 1024.0);
    std::fflush(stdout);
}

// Without a generation to count, the floor inserts what the source sets suggest: one record per source
// row, one payment per payroll row and eight items per payment.
LinhasTrabalho linhasEstimadas(TEstadoEcontas &estado)
{
    CarregarDadosEcontas(estado);
    LinhasTrabalho l;
    l.porTabela = {estado.Econtas010.recordCount(), estado.EContas020.recordCount(), estado.Econtas030.recordCount(),
                   estado.Econtas040.recordCount(), estado.Econtas043.recordCount(), estado.Econtas042.recordCount(),
                   estado.Econtas043.recordCount() * 8};
    return l;
}

QList<Resultado> medirMes(int tamanho, const QString &mes, const QString &pasta)
{
    QList<Resultado> resultados;
    auto registrar = [&](const QString &fase, const Medida &m) {
        resultados.append({tamanho, mes, fase, m});
        imprimir(resultados.last());
    };
    TEstadoEcontas estado = SelecionarMesBench(mes, AnoBench);
    const LinhasTrabalho linhas = linhasEstimadas(estado);
    registrar(QStringLiteral("piso geração"), PisoGeracao(mes, AnoBench, linhas));
    const qint64 bytesEstimados = linhas.total() * 100;
    registrar(QStringLiteral("piso exportação"), PisoExportacao(estado.competencia, bytesEstimados, pasta));
    return resultados;
}

QList<Resultado> medirTamanho(int tamanho)
{
    QTemporaryDir pasta;
    if (!pasta.isValid())
        throw Falha(QStringLiteral("Não foi possível criar uma pasta temporária"));
    ParametrosAmostra parametros;
    parametros.ano = AnoBench.toInt();
    parametros.servidores = tamanho;
    parametros.meses = MesesBench;
    const QString banco = pasta.filePath(QStringLiteral("bench.fdb"));
    QElapsedTimer relogio;
    relogio.start();
    const ResumoAmostra resumo = CriarBancoAmostra(banco, parametros);
    std::printf("-- amostra de %d servidores: %lld linhas em %.1f s (não medido)\n", tamanho,
                static_cast<long long>(resumo.linhas), relogio.elapsed() / 1000.0);
    Conectado conexao(banco);
    QList<Resultado> resultados;
    for (const QString &mes : MesesBench)
        resultados += medirMes(tamanho, mes, pasta.path());
    return resultados;
}

double segundos(const QList<Resultado> &todos, int tamanho, const QString &mes, const QString &fase)
{
    for (const Resultado &r : todos)
        if (r.tamanho == tamanho && r.mes == mes && r.fase == fase)
            return r.medida.segundos;
    return 0;
}

void imprimirRazoes(const QList<Resultado> &todos, const QList<int> &tamanhos)
{
    std::printf("\nRazões\n");
    QStringList fases;
    for (const Resultado &r : todos)
        if (!fases.contains(r.fase))
            fases << r.fase;
    if (tamanhos.contains(5000) && tamanhos.contains(20000)) {
        for (const QString &mes : MesesBench)
            for (const QString &fase : fases) {
                const double t5 = segundos(todos, 5000, mes, fase);
                std::printf("  %-3s %-22s tempo(20000)/tempo(5000) = %.2f\n", qPrintable(mes), qPrintable(fase),
                            t5 > 0 ? segundos(todos, 20000, mes, fase) / t5 : 0.0);
            }
    } else {
        std::printf("  (as razões de crescimento pedem os tamanhos 5000 e 20000)\n");
    }
}

QList<int> tamanhosPedidos(const QStringList &args, bool &ok)
{
    ok = true;
    QList<int> tamanhos = {1000, 5000, 20000};
    const int opcao = int(args.indexOf(QStringLiteral("--tamanhos")));
    if (opcao >= 0) {
        tamanhos.clear();
        for (const QString &t : args.value(opcao + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool numero = false;
            tamanhos << t.toInt(&numero);
            ok = ok && numero && tamanhos.last() >= Amostra::MinimoServidores;
        }
        ok = ok && !tamanhos.isEmpty();
    }
    if (args.contains(QStringLiteral("--50000")))
        tamanhos << 50000;
    return tamanhos;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool ok = false;
    const QList<int> tamanhos = tamanhosPedidos(app.arguments().mid(1), ok);
    if (!ok) {
        std::fprintf(stderr, "uso: econtas_bench [--50000] [--tamanhos 1000,5000,20000]\n");
        return 2;
    }
    OperadorConsole operador(true, true);
    InstalarOperador(&operador);
    std::printf("Máquina: %s, %d núcleos\n", qPrintable(QSysInfo::prettyProductName()), QThread::idealThreadCount());
    std::printf("%7s  %-3s  %-22s %11s %10s %10s %13s %11s\n", "servid.", "mês", "fase", "tempo", "lidas", "escritas",
                "linhas/s", "pico RSS");
    int saida = 0;
    try {
        QList<Resultado> todos;
        for (const int tamanho : tamanhos)
            todos += medirTamanho(tamanho);
        imprimirRazoes(todos, tamanhos);
    } catch (const Falha &f) {
        operador.erro(f.mensagem());
        saida = 1;
    }
    InstalarOperador(nullptr);
    return saida;
}
