// econtas_bench [--50000] [--tamanhos 1000,5000,20000]: for each payroll size, a sample database (not
// timed), then the critique, generation and export of February (a complementary sheet) and December
// (both 13th-salary sheets) through the code the window and the batch command run, beside their floors.
// Each timed phase runs twice and its faster run is printed; the generation prints both of its runs.
#include "FasesBench.h"
#include "Medicao.h"
#include "PisoBench.h"
#include "SelecaoMesBench.h"

#include "common/Falha.h"
#include "db/Conexao.h"
#include "db/FusoHorario.h"
#include "db/Sql.h"
#include "fixtures/lib/GeradorAmostra.h"
#include "fixtures/lib/OperadorConsole.h"
#include "fixtures/lib/ServidorTeste.h"

#include "resumo/pdf/PdfResumo.h"

#include <QGuiApplication>
#include <QMap>
#include <QSqlDatabase>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

const QString AnoBench = QStringLiteral("2024");
const QStringList MesesBench = {"FEV", "DEZ"};
const QString FaseCriticas = QStringLiteral("críticas");
const QString FaseGeracao = QStringLiteral("geração");
const QString FaseGeracao2 = QStringLiteral("geração (2ª)");
const QString FasePisoGeracao = QStringLiteral("piso geração");
const QString FaseExportacao = QStringLiteral("exportação");
const QString FasePisoExportacao = QStringLiteral("piso exportação");
const QString FaseGeracaoServidor = QStringLiteral("geração servidor");

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
    // Padded as text: printf widths count bytes, and the phase names have accented letters.
    std::printf("%7d  %s  %s %9.2f s %10lld %10lld %11.0f/s %9lld %9lld %8.1f MB\n", r.tamanho,
                qPrintable(r.mes), qPrintable(r.fase.leftJustified(16)), r.medida.segundos,
                static_cast<long long>(r.medida.lidas), static_cast<long long>(r.medida.escritas),
                r.medida.linhasPorSegundo(), static_cast<long long>(r.medida.paginasLidas),
                static_cast<long long>(r.medida.paginasGravadas), r.medida.picoMemoriaKB / 1024.0);
    std::fflush(stdout);
}

QStringList g_diferencas; // months whose two generations did not write the same rows

// Wall-clock time on a shared machine errs only upwards: a phase runs twice and the faster run counts.
Medida MaisRapida(const std::function<Medida()> &medir)
{
    const Medida primeira = medir();
    const Medida segunda = medir();
    return segunda.segundos < primeira.segundos ? segunda : primeira;
}

QList<Resultado> medirMes(int tamanho, const QString &mes, const QString &pasta)
{
    QList<Resultado> resultados;
    auto registrar = [&](const QString &fase, const Medida &m) {
        resultados.append({tamanho, mes, fase, m});
        imprimir(resultados.last());
    };
    TEstadoEcontas estado = SelecionarMesBench(mes, AnoBench);
    bool bloqueou = false;
    registrar(FaseCriticas, MaisRapida([&] { return MedirCriticas(estado, bloqueou); }));
    if (bloqueou)
        throw Falha(QStringLiteral("A crítica de %1 bloqueou a geração").arg(estado.competencia));
    registrar(FaseGeracao, MedirGeracao(estado));
    const QStringList primeira = RetratoDaGeracao(estado.competencia);
    registrar(FaseGeracao2, MedirGeracao(estado));
    if (RetratoDaGeracao(estado.competencia) != primeira)
        g_diferencas << QStringLiteral("%1 servidores, %2").arg(tamanho).arg(mes);
    const LinhasTrabalho escritas = ContarLinhasTrabalho(estado.competencia);
    registrar(FasePisoGeracao, MaisRapida([&] { return PisoGeracao(mes, AnoBench, escritas); }));
    qint64 bytes = 0;
    registrar(FaseExportacao, MaisRapida([&] { return MedirExportacao(estado, pasta, bytes); }));
    registrar(FasePisoExportacao,
              MaisRapida([&] { return PisoExportacao(estado.competencia, bytes, pasta); }));
    return resultados;
}

// The generation of each month again, through a Firebird server on this machine (loopback), so the
// round trips a workstation pays show beside the embedded engine's time. The embedded connection is
// closed meanwhile: the server must open the file alone.
QList<Resultado> medirPeloServidor(int tamanho, const QString &banco, ServidorTeste *servidor)
{
    QList<Resultado> resultados;
    if (!servidor)
        return resultados;
    Conectado conexao(servidor->endereco(banco));
    for (const QString &mes : MesesBench) {
        TEstadoEcontas estado = SelecionarMesBench(mes, AnoBench);
        resultados.append(
            {tamanho, mes, FaseGeracaoServidor, MaisRapida([&] { return MedirGeracao(estado); })});
        imprimir(resultados.last());
    }
    return resultados;
}

QList<Resultado> medirTamanho(int tamanho, ServidorTeste *servidor)
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
    QList<Resultado> resultados;
    {
        Conectado conexao(banco);
        for (const QString &mes : MesesBench)
            resultados += medirMes(tamanho, mes, pasta.path());
    }
    return resultados + medirPeloServidor(tamanho, banco, servidor);
}

Medida medida(const QList<Resultado> &todos, int tamanho, const QString &mes, const QString &fase)
{
    for (const Resultado &r : todos)
        if (r.tamanho == tamanho && r.mes == mes && r.fase == fase)
            return r.medida;
    return {};
}

double segundosDaLinha(const QList<Resultado> &todos, int tamanho, const QString &mes, const QString &fase)
{
    return medida(todos, tamanho, mes, fase).segundos;
}

// The time of a phase; for the generation, the faster of its two runs.
double segundos(const QList<Resultado> &todos, int tamanho, const QString &mes, const QString &fase)
{
    const double t = segundosDaLinha(todos, tamanho, mes, fase);
    if (fase != FaseGeracao)
        return t;
    return std::min(t, segundosDaLinha(todos, tamanho, mes, FaseGeracao2));
}

void imprimirRazoes(const QList<Resultado> &todos, const QList<int> &tamanhos)
{
    std::printf("\nRazões\n");
    for (const int tamanho : tamanhos)
        for (const QString &mes : MesesBench) {
            const double pisoG = segundos(todos, tamanho, mes, FasePisoGeracao);
            const double pisoE = segundos(todos, tamanho, mes, FasePisoExportacao);
            const Medida exportacao = medida(todos, tamanho, mes, FaseExportacao);
            const auto razao = [](double t, double piso) { return piso > 0 ? t / piso : 0.0; };
            std::printf("  %6d %-3s geração / piso = %5.2f   exportação / piso = %5.2f   (arquivos / piso = "
                        "%5.2f; resumo %.2f s)\n",
                        tamanho, qPrintable(mes), razao(segundos(todos, tamanho, mes, FaseGeracao), pisoG),
                        razao(exportacao.segundos, pisoE),
                        razao(exportacao.segundos - exportacao.segundosResumo, pisoE),
                        exportacao.segundosResumo);
        }
    for (const int tamanho : tamanhos)
        for (const QString &mes : MesesBench) {
            const double embutido = segundos(todos, tamanho, mes, FaseGeracao);
            const double servidor = segundosDaLinha(todos, tamanho, mes, FaseGeracaoServidor);
            if (servidor > 0 && embutido > 0)
                std::printf("  %6d %-3s servidor / embutido = %.2f\n", tamanho, qPrintable(mes),
                            servidor / embutido);
        }
    if (tamanhos.contains(50000)) {
        const double mes = segundos(todos, 50000, "DEZ", FaseCriticas) +
                           segundos(todos, 50000, "DEZ", FaseGeracao) +
                           segundos(todos, 50000, "DEZ", FaseExportacao);
        const double pisos = segundos(todos, 50000, "DEZ", FasePisoGeracao) +
                             segundos(todos, 50000, "DEZ", FasePisoExportacao);
        std::printf(
            "   50000 DEZ mês inteiro (críticas + geração + exportação) = %.1f s   soma dos pisos = %.1f s\n",
            mes, pisos);
    }
    if (!tamanhos.contains(5000) || !tamanhos.contains(20000)) {
        std::printf("  (o crescimento pede os tamanhos 5000 e 20000)\n");
        return;
    }
    for (const QString &mes : MesesBench)
        for (const QString &fase : {FaseCriticas, FaseGeracao, FaseExportacao}) {
            const double t5 = segundos(todos, 5000, mes, fase);
            std::printf("  %s %s tempo(20000)/tempo(5000) = %.2f\n", qPrintable(mes),
                        qPrintable(fase.leftJustified(11)),
                        t5 > 0 ? segundos(todos, 20000, mes, fase) / t5 : 0.0);
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
    FixarFusoHorarioDoProcesso();
    UsarPlataformaSemTelaSeNenhumaEscolhida();
    QGuiApplication app(argc, argv);
    InstalarPdfResumo();
    bool ok = false;
    const QList<int> tamanhos = tamanhosPedidos(app.arguments().mid(1), ok);
    if (!ok) {
        std::fprintf(stderr, "uso: econtas_bench [--50000] [--tamanhos 1000,5000,20000]\n");
        return 2;
    }
    OperadorConsole operador(true, true);
    InstalarOperador(&operador);
    std::printf("Máquina: %s, %d núcleos\n", qPrintable(QSysInfo::prettyProductName()),
                QThread::idealThreadCount());
    std::printf("%7s  %s  %s %11s %10s %10s %13s %9s %9s %11s\n", "servid.", "mês",
                qPrintable(QStringLiteral("fase").leftJustified(16)), "tempo", "lidas", "escritas",
                "linhas/s", "pág. lid", "pág. grav", "pico RSS");
    int saida = 0;
    try {
        // Without a server on this machine the bench still runs, embedded only.
        ServidorTeste servidor;
        const bool comServidor = servidor.iniciar();
        if (comServidor) {
            qputenv("ISC_USER", "SYSDBA");
            qputenv("ISC_PASSWORD", ServidorTeste::senha().toUtf8());
        } else {
            std::printf("-- sem servidor Firebird: %s\n", qPrintable(servidor.erro()));
        }
        QList<Resultado> todos;
        for (const int tamanho : tamanhos)
            todos += medirTamanho(tamanho, comServidor ? &servidor : nullptr);
        std::printf("\nDuas gerações do mesmo mês gravam as mesmas linhas: %s\n",
                    g_diferencas.isEmpty() ? "sim" : qPrintable("NÃO (" + g_diferencas.join("; ") + ")"));
        imprimirRazoes(todos, tamanhos);
        saida = g_diferencas.isEmpty() ? 0 : 1;
    } catch (const Falha &f) {
        operador.erro(f.mensagem());
        saida = 1;
    }
    InstalarOperador(nullptr);
    return saida;
}
