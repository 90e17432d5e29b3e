#include "windows/uComplementares.h"

#include "common/Acao.h"
#include "common/uUtil.h"
#include "windows/Centralizar.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace {

QPointer<TfrmComplementares> frmComplementares;

// The hidden key columns, after the visible text.
enum Coluna { ColTexto, ColAno, ColMes, ColCompetencia, ColCnpj, ColGeral };
const QStringList titulosColunas = {QString(),
                                    QStringLiteral("ano"),
                                    QStringLiteral("mes"),
                                    QStringLiteral("competencia"),
                                    QStringLiteral("cnpj"),
                                    QStringLiteral("geral")};

QIcon figura(QStyle::StandardPixmap qual, const QWidget *janela)
{
    return QIcon(janela->style()->standardIcon(qual).pixmap(16, 16));
}

} // namespace

TfrmComplementares *TfrmComplementares::CriarOculta(QWidget *parent)
{
    if (!frmComplementares)
        frmComplementares = new TfrmComplementares(parent);
    return frmComplementares;
}

TfrmComplementares *TfrmComplementares::Abrir(QWidget *parent, const QString &pMes, const QString &pAno,
                                              const QString &pCNPJ)
{
    TfrmComplementares *janela = CriarOculta(parent);
    janela->SetMes(pMes.trimmed());
    janela->SetAno(pAno.trimmed());
    janela->SetCNPJ(pCNPJ);
    if (janela->isVisible() && janela->m_listadaPara == janela->competenciaAtual()) {
        janela->raise();
        janela->activateWindow();
    } else {
        janela->exibir();
    }
    return frmComplementares;
}

QString TfrmComplementares::competenciaAtual() const
{
    return FMes + QLatin1Char('|') + FAno + QLatin1Char('|') + FCNPJ;
}

TfrmComplementares *TfrmComplementares::Instancia()
{
    return frmComplementares;
}

TfrmComplementares::TfrmComplementares(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lista de Complementares"));
    setFixedSize(645, 336);

    lvComplementares = new QTreeWidget(this);
    lvComplementares->setObjectName(QStringLiteral("lvComplementares"));
    lvComplementares->setGeometry(8, 8, 629, 283);
    lvComplementares->setColumnCount(int(titulosColunas.size()));
    lvComplementares->setHeaderLabels(titulosColunas);
    lvComplementares->setHeaderHidden(true);
    lvComplementares->setIconSize(QSize(16, 16));
    lvComplementares->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvComplementares->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = ColAno; c <= ColGeral; ++c)
        lvComplementares->setColumnHidden(c, true);

    BitBtn1 = new QPushButton(QStringLiteral("Enviar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(431, 298, 100, 30);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    btnSair->setGeometry(537, 298, 100, 30);
    for (QPushButton *botao : {BitBtn1, btnSair})
        botao->setAutoDefault(true); // Return and Enter press the focused button
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmComplementares::Enviar);
    connect(btnSair, &QPushButton::clicked, this, &QWidget::close);
}

// Lists and marks before the window appears: a month without sheets, or a list that could not be read
// or marked, never shows (unticked rows of an unread KVB020 would delete the stored choice on "Enviar").
void TfrmComplementares::exibir()
{
    bool listada = false;
    const ResultadoAcao resultado = ExecutarAcao([this, &listada] {
        listada = ListarComplementares();
        if (listada)
            MarcarComplementaresExistentes();
    });
    if (resultado != ResultadoAcao::Concluida || !listada) {
        close();
        return;
    }
    if (!isVisible())
        CentralizarNaJanela(this, parentWidget());
    show();
    raise();
    activateWindow();
}

bool TfrmComplementares::ListarComplementares()
{
    const QList<TLinhaComplementar> linhas = ::ListarComplementares(FMes, FAno, FCNPJ);
    if (linhas.isEmpty()) {
        MensagemInformacao(QStringLiteral("Não há folhas complementares para esta competência."));
        return false;
    }
    lvComplementares->clear();
    m_folhas.clear();
    m_listadaPara = competenciaAtual();
    m_grupo = new QTreeWidgetItem(lvComplementares, {CabecalhoComplementares});
    m_grupo->setIcon(ColTexto, figura(QStyle::SP_DirIcon, this));
    m_grupo->setFlags(Qt::ItemIsEnabled);
    QFont negrito = m_grupo->font(ColTexto);
    negrito.setBold(true);
    m_grupo->setFont(ColTexto, negrito);
    adicionarTexto(SubtituloComplementares);
    for (const TLinhaComplementar &linha : linhas)
        m_folhas << adicionarFolha(linha);
    m_rodape = adicionarTexto(RodapeComplementares(int(m_folhas.size())));
    m_grupo->setExpanded(true);
    return true;
}

QTreeWidgetItem *TfrmComplementares::adicionarTexto(const QString &texto)
{
    auto *item = new QTreeWidgetItem(m_grupo, {texto});
    item->setFlags(Qt::ItemIsEnabled);
    QFont italico = item->font(ColTexto);
    italico.setItalic(true);
    item->setFont(ColTexto, italico);
    return item;
}

QTreeWidgetItem *TfrmComplementares::adicionarFolha(const TLinhaComplementar &linha)
{
    auto *item = new QTreeWidgetItem(
        m_grupo, {linha.texto, linha.ano, linha.mes, linha.competencia, linha.cnpj, linha.geral});
    item->setIcon(ColTexto, figura(QStyle::SP_FileIcon, this));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(ColTexto, Qt::Unchecked);
    return item;
}

QList<TLinhaComplementar> TfrmComplementares::Linhas() const
{
    QList<TLinhaComplementar> linhas;
    for (const QTreeWidgetItem *item : m_folhas) {
        TLinhaComplementar linha;
        linha.texto = item->text(ColTexto);
        linha.ano = item->text(ColAno);
        linha.mes = item->text(ColMes);
        linha.competencia = item->text(ColCompetencia);
        linha.cnpj = item->text(ColCnpj);
        linha.geral = item->text(ColGeral);
        linha.marcada = item->checkState(ColTexto) == Qt::Checked;
        linhas << linha;
    }
    return linhas;
}

void TfrmComplementares::MarcarComplementaresExistentes()
{
    QList<TLinhaComplementar> linhas = Linhas();
    ::MarcarComplementaresExistentes(linhas);
    for (int i = 0; i < linhas.size(); ++i)
        m_folhas[i]->setCheckState(ColTexto, linhas[i].marcada ? Qt::Checked : Qt::Unchecked);
}

void TfrmComplementares::Enviar()
{
    if (m_listadaPara != competenciaAtual()) {
        exibir();
        return;
    }
    ExecutarAcao([this] {
        EnviarComplementares(Linhas());
        MensagemInformacao(MensagemComplementaresEnviadas);
        close();
    });
}

QString TfrmComplementares::RetornaCompetenciaFormatada(const QString &pCodigoFolha) const
{
    return ::RetornaCompetenciaFormatada(pCodigoFolha, FAno);
}

void TfrmComplementares::closeEvent(QCloseEvent *evento)
{
    if (frmComplementares == this)
        frmComplementares = nullptr;
    evento->accept();
}
