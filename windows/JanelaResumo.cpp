#include "windows/JanelaResumo.h"

#include "common/Acao.h"
#include "common/uUtil.h"
#include "econtas/EstadoEcontas.h"
#include "resumo/CsvResumo.h"
#include "resumo/GravacaoArquivo.h"
#include "resumo/pdf/PdfResumo.h"
#include "windows/DialogoSalvar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

TfrmResumo::TfrmResumo(QWidget *parent, DocumentoResumo documento)
    : QDialog(parent), m_documento(std::move(documento))
{
    setWindowTitle(QStringLiteral("Resumo do envio - competência %1/%2")
                       .arg(m_documento.competencia.left(2), m_documento.competencia.mid(2)));
    resize(1000, 600);
    txtResumo = new QTextBrowser(this);
    txtResumo->setHtml(HtmlResumo(m_documento));
    btnSalvarPdf = new QPushButton(QStringLiteral("Salvar PDF"), this);
    btnSalvarCsv = new QPushButton(QStringLiteral("Salvar CSV"), this);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnSalvarPdf);
    botoes->addWidget(btnSalvarCsv);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtResumo);
    layout->addLayout(botoes);

    connect(btnSalvarPdf, &QPushButton::clicked, this, [this] {
        salvar(QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"),
               [this] { return PdfResumo(m_documento); });
    });
    connect(btnSalvarCsv, &QPushButton::clicked, this, [this] {
        salvar(QStringLiteral(".csv"), QStringLiteral("CSV (*.csv)"),
               [this] { return ConteudoCsvResumo(m_documento.resumo); });
    });
}

void TfrmResumo::salvar(const QString &extensao, const QString &filtro,
                        const std::function<QByteArray()> &conteudo)
{
    const QString destino = DialogoSalvar::Escolher(
        this, QStringLiteral("Salvar resumo"), NomeBaseResumo(m_documento.competencia) + extensao, filtro);
    if (destino.isEmpty())
        return;
    ExecutarAcao([&] {
        GravarArquivoInteiro(destino, conteudo());
        MensagemInformacao(QStringLiteral("Resumo gravado em %1").arg(destino));
    });
}

TfrmResumo *TfrmResumo::Abrir(QWidget *parent, const TEstadoEcontas &estado)
{
    DocumentoResumo documento;
    if (ExecutarAcao([&] { documento = MontarDocumentoResumo(estado); }) != ResultadoAcao::Concluida)
        return nullptr;
    auto *janela = new TfrmResumo(parent, std::move(documento));
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->open();
    return janela;
}
