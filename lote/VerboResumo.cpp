// resumo MMYYYY [--csv ARQUIVO] [--pdf ARQUIVO]: the summary of a generated competence and its
// differences against the payroll; status 3 when a difference has no explanation.
#include "econtas/Principal.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"
#include "resumo/CsvResumo.h"
#include "resumo/DocumentoResumo.h"
#include "resumo/GravacaoArquivo.h"
#include "resumo/TextoResumo.h"

#include <QJsonArray>

StatusSaida VerboResumo(ContextoLote &contexto)
{
    const QString competencia = contexto.args.argumentos.value(0);
    const DocumentoResumo documento = MontarDocumentoResumo(contexto.estado);
    if (SaidaEmJson()) {
        IncluirNoDocumento(QStringLiteral("competencia"), competencia);
        IncluirNoDocumento(QStringLiteral("resumo"),
                           QJsonArray::fromStringList(LinhasResumo(documento.resumo)));
        IncluirNoDocumento(QStringLiteral("reconciliacao"),
                           QJsonArray::fromStringList(LinhasReconciliacao(documento.reconciliacao)));
        IncluirNoDocumento(QStringLiteral("servidoresSemExplicacao"),
                           documento.reconciliacao.servidoresSemExplicacao());
    } else {
        EscreverSaida((LinhasResumo(documento.resumo) + QStringList{QString()} +
                       LinhasReconciliacao(documento.reconciliacao))
                          .join(QLatin1Char('\n')));
    }
    const QMap<QString, QString> &opcoes = contexto.args.opcoes;
    if (opcoes.contains(QStringLiteral("--csv")))
        GravarArquivoInteiro(opcoes.value(QStringLiteral("--csv")), ConteudoCsvResumo(documento.resumo));
    if (opcoes.contains(QStringLiteral("--pdf")))
        GravarArquivoInteiro(opcoes.value(QStringLiteral("--pdf")), GerarPdfResumo(documento));
    return documento.reconciliacao.servidoresSemExplicacao() > 0 ? StatusSaida::InterrompidoPeloFluxo
                                                                 : StatusSaida::Concluido;
}
