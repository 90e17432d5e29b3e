#include "resumo/DocumentoResumo.h"

#include "common/Falha.h"
#include "econtas/EstadoEcontas.h"

#include "common/Relogio.h"
#include "resumo/CsvResumo.h"
#include "resumo/GravacaoArquivo.h"

#include <QDir>

namespace {
GeradorPdfResumo g_geradorPdf = nullptr;
}

DocumentoResumo MontarDocumentoResumo(const TEstadoEcontas &estado)
{
    DocumentoResumo d;
    const QString cidade = estado.fdtblCliente.texto(QStringLiteral("CIDADE"));
    const QString entidade = estado.fdtblCliente.texto(QStringLiteral("DESCRICAO"));
    d.municipio = cidade.isEmpty() ? entidade : entidade + QStringLiteral(" - ") + cidade;
    d.competencia = estado.competencia;
    d.operador = estado.usuario;
    d.data = Agora();
    d.resumo = CalcularResumo(estado.competencia);
    d.reconciliacao = Reconciliar(estado);
    return d;
}

void InstalarGeradorPdfResumo(GeradorPdfResumo gerador)
{
    g_geradorPdf = gerador;
}

QByteArray GerarPdfResumo(const DocumentoResumo &documento)
{
    if (!g_geradorPdf)
        throw Falha(QStringLiteral("O gerador do relatório em PDF não está disponível neste programa."));
    return g_geradorPdf(documento);
}

QString NomeBaseResumo(const QString &competencia)
{
    return QStringLiteral("RESUMO-") + competencia;
}

QStringList GravarArquivosResumo(const DocumentoResumo &documento, const QString &pasta)
{
    const QString base = QDir(pasta).filePath(NomeBaseResumo(documento.competencia));
    const QString pdf = base + QStringLiteral(".pdf");
    const QString csv = base + QStringLiteral(".csv");
    GravarArquivoInteiro(pdf, GerarPdfResumo(documento));
    GravarArquivoInteiro(csv, ConteudoCsvResumo(documento.resumo));
    return {pdf, csv};
}
