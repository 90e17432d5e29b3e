#include "resumo/pdf/PdfResumo.h"

#include "resumo/FormatoValores.h"
#include "resumo/TextoResumo.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <unistd.h>

namespace {

// QTextDocument::print() lays out and draws a copy of the document made for the page; the document
// itself is only the copy's source. With its usual layout it would also be laid out whole first (a
// pass over every cell of the differences table), for nothing: it gets a layout that does no work.
// The report has no images or custom objects, whose handlers print() would take from this layout.
class LayoutDaOrigem : public QAbstractTextDocumentLayout {
public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;
    void draw(QPainter *, const PaintContext &) override {}
    int hitTest(const QPointF &, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return {}; }
    QRectF frameBoundingRect(QTextFrame *) const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock &) const override { return {}; }

protected:
    void documentChanged(int, int, int) override {}
};

// An amount in a table whose caption already says the currency.
QString valor(Dinheiro v)
{
    return FormatarReais(v).mid(3);
}

QString celula(const QString &texto, bool numero = false)
{
    return QStringLiteral("<td%1>%2</td>")
        .arg(numero ? QStringLiteral(" align=\"right\" style=\"white-space: nowrap\"") : QString(),
             texto.toHtmlEscaped());
}

QString cabecalho(const QStringList &titulos)
{
    QString html = QStringLiteral("<tr>");
    for (const QString &t : titulos)
        html += QStringLiteral("<th bgcolor=\"#dddddd\"%1>")
                    .arg(t == QLatin1String("Descrição") || t == QLatin1String("Nome")
                             ? QStringLiteral(" width=\"20%\"")
                             : QString()) +
                t.toHtmlEscaped() + QStringLiteral("</th>");
    return html + QStringLiteral("</tr>");
}

QString linhaUnidade(const QString &ug, const QString &uo, const QString &descricao, const TotaisResumo &t,
                     bool destaque)
{
    QString html = destaque ? QStringLiteral("<tr bgcolor=\"#f0f0f0\">") : QStringLiteral("<tr>");
    html += celula(ug, true) + celula(uo, true) + celula(descricao);
    for (qint64 n : t.registros)
        html += celula(QString::number(n), true);
    html += celula(QString::number(t.servidores()), true) + celula(QString::number(t.pagamentos()), true);
    for (Dinheiro v : {t.remuneracaoBase, t.gratificacoes, t.outrasRemuneracoes, t.descontos,
                       t.contribuicaoPrevidenciaria, t.irrf})
        html += celula(valor(v), true);
    html += celula(QStringLiteral("%1 (%2)").arg(t.diarias).arg(valor(t.valorDiarias)), true);
    return html + QStringLiteral("</tr>");
}

QString tabelaResumo(const ResumoCompetencia &r)
{
    QStringList titulos = {QStringLiteral("UG"), QStringLiteral("UO"), QStringLiteral("Descrição")};
    for (const char *tipo : TiposDeRegistro)
        titulos << QLatin1String(tipo);
    // Short captions leave the width to the descriptions; the amounts do not wrap.
    titulos << QStringLiteral("Serv.") << QStringLiteral("Pagtos.") << QStringLiteral("Rem. base")
            << QStringLiteral("Gratif.") << QStringLiteral("Outras rem.") << QStringLiteral("Descontos")
            << QStringLiteral("Contrib. prev.") << QStringLiteral("IRRF") << QStringLiteral("Diárias");
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">") +
                   cabecalho(titulos);
    for (const LinhaResumo &l : r.linhas)
        html += linhaUnidade(l.ug, l.uo, l.descricao, l.totais, l.eUnidadeGestora());
    html += linhaUnidade(QString(), QString(), QStringLiteral("Total da competência"), r.geral, true);
    return html + QStringLiteral("</table>");
}

QString tabelaDiferencas(const Reconciliacao &rec)
{
    QString html =
        QStringLiteral("<p>") + TextoTotaisReconciliacao(rec).toHtmlEscaped() + QStringLiteral("</p>");
    if (rec.diferencas.isEmpty())
        return html + QStringLiteral("<p>Nenhuma diferença entre a folha e o envio.</p>");
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">") +
            cabecalho({QStringLiteral("Matrícula"), QStringLiteral("Nome"), QStringLiteral("Proventos folha"),
                       QStringLiteral("Proventos envio"), QStringLiteral("Descontos folha"),
                       QStringLiteral("Descontos envio"), QStringLiteral("Motivo")});
    for (const DiferencaServidor &d : rec.diferencas) {
        html += (d.semExplicacao() ? QStringLiteral("<tr bgcolor=\"#ffe0e0\">") : QStringLiteral("<tr>")) +
                celula(d.matricula) + celula(d.nome) + celula(FormatarReais(d.proventosFolha), true) +
                celula(FormatarReais(d.proventosEnvio), true) +
                celula(FormatarReais(d.descontosFolha), true) +
                celula(FormatarReais(d.descontosEnvio), true) + QStringLiteral("<td>") +
                d.motivos.join(QStringLiteral("; ")).toHtmlEscaped() + QStringLiteral("</td></tr>");
    }
    html += QStringLiteral("</table><p>Servidores com diferença: %1; sem explicação: %2</p>")
                .arg(rec.diferencas.size())
                .arg(rec.servidoresSemExplicacao());
    return html;
}

} // namespace

QString HtmlResumo(const DocumentoResumo &d)
{
    const QString competencia = d.competencia.left(2) + QLatin1Char('/') + d.competencia.mid(2);
    return QStringLiteral("<html><body style=\"font-size: 7pt\">"
                          "<h2>Resumo do envio e-Contas</h2>"
                          "<p><b>Município:</b> %1<br><b>Competência:</b> %2<br><b>Data:</b> %3<br>"
                          "<b>Operador:</b> %4</p><h3>Resumo por unidade (valores em R$)</h3>")
               .arg(d.municipio.toHtmlEscaped(), competencia,
                    d.data.toString(QStringLiteral("dd/MM/yyyy HH:mm")), d.operador.toHtmlEscaped()) +
           tabelaResumo(d.resumo) + QStringLiteral("<h3>Conferência com a folha</h3>") +
           tabelaDiferencas(d.reconciliacao) + QStringLiteral("</body></html>");
}

QByteArray PdfResumo(const DocumentoResumo &documento)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter escritor(&buffer);
    escritor.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                       QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    escritor.setResolution(300);
    escritor.setTitle(QStringLiteral("Resumo do envio e-Contas %1").arg(documento.competencia));
    escritor.setCreator(QStringLiteral("TvEcontas"));
    QTextDocument texto;
    texto.setDocumentLayout(new LayoutDaOrigem(&texto));
    texto.setHtml(HtmlResumo(documento));
    texto.print(&escritor);
    buffer.close();
    return bytes;
}

void UsarPlataformaSemTelaSeNenhumaEscolhida()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Run from cron or a service there is no session runtime folder; the graphics platform would use
    // a private one under the temporary folder anyway, and say so on stderr, which a batch command's
    // caller reads as an error. Give it that folder beforehand.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString pasta = QDir::tempPath() + QStringLiteral("/runtime-%1").arg(getuid());
        if (QDir().mkpath(pasta) &&
            QFile::setPermissions(pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(pasta));
    }
}

void InstalarPdfResumo()
{
    InstalarGeradorPdfResumo(PdfResumo);
}
