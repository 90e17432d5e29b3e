#include "export/ExportacaoEcontas.h"

#include "common/Despacho.h"
#include "common/Falha.h"
#include "common/Operador.h"
#include "common/uUtil.h"
#include "db/Sql.h"
#include "econtas/ComandosControle.h"
#include "econtas/EstadoEcontas.h"
#include "econtas/ReservaCompetencia.h"
#include "export/RegistrosEcontas.h"
#include "export/VerificacaoArquivo.h"
#include "resumo/DocumentoResumo.h"
#include "resumo/Manifesto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// A file being written under a temporary name in its final folder: renamed into place only once it is
// complete and sound, removed otherwise, so a submission name never holds a partial file and the
// earlier complete file stays until the new one replaces it.
class ArquivoTemporario {
public:
    // The name is reserved by creating the file (with the usual permissions); the writer then reopens it.
    explicit ArquivoTemporario(const QString &pasta)
    {
        for (int tentativa = 0; tentativa < 100 && m_caminho.isEmpty(); ++tentativa) {
            QFile reserva(pasta + QStringLiteral("/.ECONTAS-%1.parcial")
                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
            if (reserva.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                m_caminho = reserva.fileName();
            else if (reserva.exists())
                continue;
            else
                throw Falha(QStringLiteral("Não foi possível criar um arquivo na pasta %1: %2")
                                .arg(pasta, reserva.errorString()));
        }
        if (m_caminho.isEmpty())
            throw Falha(QStringLiteral("Não foi possível criar um arquivo na pasta %1").arg(pasta));
    }
    ~ArquivoTemporario()
    {
        if (!m_caminho.isEmpty())
            QFile::remove(m_caminho);
    }
    ArquivoTemporario(const ArquivoTemporario &) = delete;
    ArquivoTemporario &operator=(const ArquivoTemporario &) = delete;

    const QString &caminho() const { return m_caminho; }

    void colocarNoLugar(const QString &destino)
    {
        std::error_code erro;
        std::filesystem::rename(QFile::encodeName(m_caminho).toStdString(),
                                QFile::encodeName(destino).toStdString(), erro);
        if (erro)
            throw Falha(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                            .arg(destino, QString::fromLocal8Bit(erro.message())));
        m_caminho.clear();
    }

private:
    QString m_caminho;
};

// What runs after every attempt, also after a failure.
class FinalDaExportacao {
public:
    explicit FinalDaExportacao(TEstadoEcontas &estado) : m_estado(estado) {}
    ~FinalDaExportacao()
    {
        m_estado.caminhoArquivo.clear();
        DespacharParaInterface([] { Operador().progresso().limparGeracao(); });
        if (!m_status.isEmpty())
            DeixarStatus(m_status);
    }
    // What the status line keeps once the progress display is reset.
    void deixarStatus(const QString &status)
    {
        m_status = status;
        DefinirStatus(status);
    }

private:
    TEstadoEcontas &m_estado;
    QString m_status;
};

void criarPasta(const QString &pasta)
{
    if (!QDir().mkpath(pasta))
        throw Falha(QStringLiteral("Não foi possível criar a pasta %1").arg(pasta));
}

void verificarArquivo(const QString &temporario, const QString &arquivo)
{
    const QList<ProblemaArquivo> problemas = VerificarArquivoEcontas(temporario);
    if (!problemas.isEmpty())
        throw Falha(QStringLiteral("O arquivo exportado não passou na verificação de estrutura.") +
                    QChar(13) + DescreverProblemas(arquivo, problemas).join(QChar(13)));
}

QString exportarUnidadeGestora(TArquivoEcontas &escritor, const TComandosSql::TabelasExportacao &tabelas,
                               int linha010, const QString &pCaminho)
{
    const RowSet &t = tabelas.TBL_EXP_010;
    const DestinoArquivo destino =
        DestinoDaUnidadeGestora(pCaminho, t.textoEm(linha010, t.indiceCampo("DESCRICAO")),
                                t.textoEm(linha010, t.indiceCampo("CODTCM")));
    criarPasta(destino.pasta);
    ArquivoTemporario temporario(destino.pasta);
    try {
        escritor.IniciaExportacaoEcontas(temporario.caminho());
        escritor.ExportaArquivo010(linha010);
        Operador().progresso().avancarRegistro(TProgresso::R010);
        ProcessarEventos();
        escritor.FinalizaExportacaoEcontas(pCaminho);
    } catch (const Falha &f) {
        relancar(QStringLiteral("Erro ao exportar a linha %1 do arquivo %2")
                     .arg(escritor.TOT_GRAVADOS + 1)
                     .arg(destino.arquivo),
                 f);
    }
    verificarArquivo(temporario.caminho(), destino.arquivo);
    temporario.colocarNoLugar(destino.arquivo);
    return destino.arquivo;
}

// Beside the unit folders: the summary of the competence (PDF and CSV), then the manifest of every
// file of the export, written last.
void gravarResumoEManifesto(const std::optional<DocumentoResumo> &resumo, const QString &pCaminho,
                            const QStringList &arquivos)
{
    if (!resumo)
        return;
    MostrarStatus(StatusDoResumo());
    GravarManifesto(pCaminho, arquivos + GravarArquivosResumo(*resumo, pCaminho));
}

} // namespace

QString StatusDaConferencia()
{
    return QStringLiteral("Conferindo a competência com a folha");
}

QString StatusDoResumo()
{
    return QStringLiteral("Gravando o resumo da competência");
}

DestinoArquivo DestinoDaUnidadeGestora(const QString &pCaminho, const QString &descricao,
                                       const QString &codtcm)
{
    const QString loDescricao = QString(descricao).replace(QLatin1Char('/'), QLatin1Char(' '));
    const QString loCodigoTCM = QLatin1Char('0') + codtcm.left(6);
    const QString nome = loDescricao + QStringLiteral(" (") + loCodigoTCM + QLatin1Char(')');
    QString base = pCaminho;
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QString vPasta = (base == QLatin1String("/") ? base : base + QLatin1Char('/')) + nome;
    return {vPasta, vPasta + QStringLiteral("/ECONTAS-") + nome + QStringLiteral(".TXT")};
}

void AlimentaProgressExportacao(const TComandosSql::TabelasExportacao &tabelas)
{
    TProgresso &progresso = Operador().progresso();
    const std::array<std::pair<TProgresso::Barra, const RowSet *>, 7> barras = {{
        {TProgresso::R010, &tabelas.TBL_EXP_010},
        {TProgresso::R020, &tabelas.TBL_EXP_020},
        {TProgresso::R030, &tabelas.TBL_EXP_030},
        {TProgresso::R040, &tabelas.TBL_EXP_040},
        {TProgresso::R041, &tabelas.TBL_EXP_041},
        {TProgresso::R042, &tabelas.TBL_EXP_042},
        {TProgresso::R043, &tabelas.TBL_EXP_043},
    }};
    int total = 0;
    for (const auto &[barra, tabela] : barras) {
        progresso.definirFaixa(barra, 0, tabela->quantidadeLinhas());
        total += tabela->quantidadeLinhas();
    }
    progresso.definirFaixa(TProgresso::Principal, 0, total);
}

QStringList Exporta_Econtas(const TEstadoEcontas &estado, const TComandosSql::TabelasExportacao &tabelas,
                            const QString &pCaminho)
{
    TArquivoEcontas escritor(estado, tabelas);
    const int unidades = tabelas.TBL_EXP_010.quantidadeLinhas();
    QStringList arquivos;
    for (int linha010 = 0; linha010 < unidades; ++linha010)
        arquivos << exportarUnidadeGestora(escritor, tabelas, linha010, pCaminho);
    return arquivos;
}

QString StatusExportacaoConcluida(const QString &pasta)
{
    return QStringLiteral("Exportação concluída em %1.").arg(QDir::toNativeSeparators(pasta));
}

QString ExportarArquivos(TEstadoEcontas &estado)
{
    FinalDaExportacao final(estado);
    if (estado.caminhoArquivo.isEmpty()) {
        MensagemInformacao(QStringLiteral("Local para exportação do arquivo não especificado."));
        return QString();
    }
    if (!estado.mesSelecionado || estado.competencia.isEmpty())
        throw Falha(QStringLiteral("Selecione a competência a exportar."));
    Sql::Transacao transacao;
    TComandosSql::ReservarCompetencia(estado.competencia);
    const TComandosSql::TabelasExportacao tabelas =
        TComandosSql::CarregaArquivosExportaEcontas(estado.competencia);
    // Read before the files are written: a summary that cannot be read leaves no file behind.
    std::optional<DocumentoResumo> resumo;
    if (tabelas.TBL_EXP_010.quantidadeLinhas() > 0) {
        MostrarStatus(StatusDaConferencia());
        resumo = MontarDocumentoResumo(estado);
    }
    AlimentaProgressExportacao(tabelas);
    DefinirStatus(QStringLiteral("Iniciando Exportação do Econtas"));
    const QStringList arquivos = Exporta_Econtas(estado, tabelas, estado.caminhoArquivo);
    gravarResumoEManifesto(resumo, estado.caminhoArquivo, arquivos);
    TComandosSql::CarimbarControle(TComandosSql::CarimboControle::Exportacao, estado.competencia,
                                   estado.usuario);
    transacao.commit();
    const QString pasta = QDir::cleanPath(QFileInfo(estado.caminhoArquivo).absoluteFilePath());
    final.deixarStatus(StatusExportacaoConcluida(pasta));
    MensagemInformacao(QStringLiteral("Arquivos exportados com sucesso."));
    if (estado.ControlesTCMA)
        estado.ControlesTCMA();
    return pasta;
}
