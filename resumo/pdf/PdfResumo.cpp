#include "resumo/pdf/PdfResumo.h"

#include "resumo/FormatoValores.h"
#include "resumo/TextoResumo.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <unistd.h>

namespace {

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

// A table's header row, repeated at the top of every page the table goes on to.
QString cabecalho(const QStringList &titulos)
{
    QString html = QStringLiteral("<thead><tr>");
    for (const QString &t : titulos)
        html += QStringLiteral("<th bgcolor=\"#dddddd\"%1>")
                    .arg(t == QLatin1String("Descrição") || t == QLatin1String("Nome")
                             ? QStringLiteral(" width=\"20%\"")
                             : QString()) +
                t.toHtmlEscaped() + QStringLiteral("</th>");
    return html + QStringLiteral("</tr></thead>");
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
    // Short captions, a slightly smaller type and little padding leave the width to the descriptions
    // (the amounts do not wrap): at a large municipality nine-digit amounts fill most of the page.
    titulos << QStringLiteral("Serv.") << QStringLiteral("Pagtos.") << QStringLiteral("Rem. base")
            << QStringLiteral("Gratif.") << QStringLiteral("Outras rem.") << QStringLiteral("Descontos")
            << QStringLiteral("Contrib. prev.") << QStringLiteral("IRRF") << QStringLiteral("Diárias");
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" width=\"100%\" "
                                  "style=\"font-size: 6.5pt\">") +
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

// The page number sits at the bottom right, under the text.
qreal alturaDoRodape(const QFontMetricsF &medidas, const QPdfWriter &escritor)
{
    return medidas.height() + 5 * escritor.logicalDpiY() / 72.0;
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

void ConfigurarPaginasDoResumo(QPdfWriter &escritor, const QString &competencia)
{
    escritor.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                       QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    escritor.setResolution(300);
    escritor.setTitle(QStringLiteral("Resumo do envio e-Contas %1").arg(competencia));
    escritor.setCreator(QStringLiteral("TvEcontas"));
}

// Laid out once, for the writer's own resolution, over the whole width inside the page's margins: the
// unit table needs every millimetre of it at a large municipality, or its description column is
// squeezed to a letter a line. (QTextDocument::print() would add 2 cm more on each side and lay a copy
// of the document out three times.)
void DiagramarResumo(QTextDocument &texto, const QString &html, QPdfWriter &escritor)
{
    texto.documentLayout()->setPaintDevice(&escritor);
    const QFontMetricsF medidas(texto.defaultFont(), &escritor);
    texto.setDocumentMargin(0);
    texto.setPageSize(QSizeF(escritor.width(), escritor.height() - alturaDoRodape(medidas, escritor)));
    texto.setHtml(html);
}

QByteArray PdfResumo(const DocumentoResumo &documento)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter escritor(&buffer);
    ConfigurarPaginasDoResumo(escritor, documento.competencia);
    QTextDocument texto;
    DiagramarResumo(texto, HtmlResumo(documento), escritor);
    const QSizeF pagina = texto.pageSize();
    const QFont fonte(texto.defaultFont());
    const qreal baseDoNumero = escritor.height() - QFontMetricsF(fonte, &escritor).descent();
    QPainter pintor(&escritor);
    const int paginas = texto.pageCount();
    for (int indice = 0; indice < paginas; ++indice) {
        if (indice > 0)
            escritor.newPage();
        const QRectF vista(QPointF(0, indice * pagina.height()), pagina);
        pintor.save();
        pintor.translate(0, -vista.top());
        pintor.setClipRect(vista);
        QAbstractTextDocumentLayout::PaintContext contexto;
        contexto.clip = vista;
        contexto.palette.setColor(QPalette::Text, Qt::black);
        texto.documentLayout()->draw(&pintor, contexto);
        pintor.restore();
        pintor.setFont(fonte);
        const QString numero = QString::number(indice + 1);
        pintor.drawText(qRound(pagina.width() - pintor.fontMetrics().horizontalAdvance(numero)),
                        qRound(baseDoNumero), numero);
    }
    pintor.end();
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
