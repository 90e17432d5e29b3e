#include "FasesBench.h"

#include "PisoBench.h"

#include "common/Falha.h"
#include "common/Operador.h"
#include "common/Progresso.h"
#include "criticas/ExecucaoCriticas.h"
#include "db/RowSet.h"
#include "export/ExportacaoEcontas.h"
#include "generation/Geracao.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

struct ConteudoPasta {
    qint64 bytes = 0;
    qint64 linhas = 0;
};

ConteudoPasta conteudo(const QString &pasta)
{
    ConteudoPasta c;
    QDirIterator it(pasta, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile arquivo(it.next());
        if (!arquivo.open(QIODevice::ReadOnly))
            continue;
        const QByteArray dados = arquivo.readAll();
        c.bytes += dados.size();
        c.linhas += dados.count('\n');
    }
    return c;
}

qint64 linhasDasFontes(const TEstadoEcontas &e)
{
    qint64 total = 0;
    for (const RowSet *r : {&e.Econtas010, &e.EContas020, &e.Econtas030, &e.Econtas040, &e.Econtas042,
                            &e.Econtas043, &e.CDS_COMPLEMENTAR, &e.CDS_DECADIANT, &e.CDS_DECFINAL})
        total += r->aberto() ? r->quantidadeLinhas() : 0;
    return total;
}

// What the summary adds to an export: reading it (from its status to the next) and, once the files are
// in place, drawing its PDF and writing it with the manifest (from its second status to the end).
double segundosDoResumo(const QList<QPair<QString, double>> &statuses, double fim)
{
    double segundos = 0;
    for (qsizetype i = 0; i < statuses.size(); ++i) {
        if (statuses[i].first == StatusDaConferencia() && i + 1 < statuses.size())
            segundos += statuses[i + 1].second - statuses[i].second;
        if (statuses[i].first == StatusDoResumo())
            segundos += fim - statuses[i].second;
    }
    return segundos;
}

} // namespace

Medida MedirCriticas(TEstadoEcontas &estado, bool &bloqueou)
{
    Cronometro cronometro;
    btnCriticasClick(estado);
    Medida medida = cronometro.parar(0, 1);
    medida.lidas = linhasDasFontes(estado);
    bloqueou = estado.ErroCritica;
    return medida;
}

Medida MedirGeracao(TEstadoEcontas &estado)
{
    Cronometro cronometro;
    if (!btnGeracaoClick(estado))
        throw Falha(QStringLiteral("A geração de %1 parou antes de terminar").arg(estado.competencia));
    Medida medida = cronometro.parar(0, 0);
    medida.lidas = linhasDasFontes(estado);
    medida.escritas = ContarLinhasTrabalho(estado.competencia).total();
    return medida;
}

Medida MedirExportacao(TEstadoEcontas &estado, const QString &pasta, qint64 &bytes)
{
    const QString destino = pasta + QStringLiteral("/envio-") + estado.competencia;
    QDir(destino).removeRecursively();
    QDir().mkpath(destino);
    estado.caminhoArquivo = destino;
    const qint64 lidas = ContarLinhasTrabalho(estado.competencia).total();
    Cronometro cronometro;
    QList<QPair<QString, double>> statuses;
    const QMetaObject::Connection registro =
        QObject::connect(&Operador().progresso(), &TProgresso::statusMudou, [&](const QString &status) {
            statuses.append({status, cronometro.segundos()});
        });
    ExportarArquivos(estado);
    QObject::disconnect(registro);
    Medida medida = cronometro.parar(lidas, 0);
    medida.segundosResumo = segundosDoResumo(statuses, medida.segundos);
    const ConteudoPasta escrito = conteudo(destino);
    medida.escritas = escrito.linhas;
    bytes = escrito.bytes;
    return medida;
}

QStringList RetratoDaGeracao(const QString &competencia)
{
    QStringList linhas;
    for (const TabelaTrabalho *tabela : TabelasTrabalho::Todas()) {
        RowSet r = RowSet::abrir("SELECT * FROM " + tabela->nome() + " WHERE competencia = ?", {competencia});
        for (r.first(); !r.eof(); r.next()) {
            QStringList valores = {tabela->nome()};
            for (int c = 0; c < r.quantidadeCampos(); ++c)
                valores << r.texto(c);
            linhas << valores.join(QLatin1Char('|'));
        }
    }
    linhas.sort();
    return linhas;
}
