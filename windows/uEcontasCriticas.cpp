#include "windows/uEcontasCriticas.h"

#include "common/Operador.h"
#include "windows/DialogoSalvar.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int LarguraJanela = 831;
constexpr int AlturaJanela = 519;
constexpr int LarguraColuna = 810;

QTreeWidgetItem *novoItem(QTreeWidgetItem *pai, const QString &texto, bool italico, const QColor &cor)
{
    auto *item = new QTreeWidgetItem(pai, {texto});
    QFont fonte = item->font(0);
    fonte.setItalic(italico);
    item->setFont(0, fonte);
    item->setForeground(0, cor);
    return item;
}

} // namespace

QList<QIcon> ImagensDosGrupos()
{
    QList<QIcon> imagens;
    for (int g = 0; g < QuantidadeGruposCriticas; ++g) {
        QPixmap figura(16, 16);
        figura.fill(Qt::transparent);
        QPainter pintor(&figura);
        pintor.setRenderHint(QPainter::Antialiasing);
        pintor.setBrush(QColor::fromHsv(g * 360 / QuantidadeGruposCriticas, 200, 210));
        pintor.setPen(Qt::NoPen);
        pintor.drawEllipse(1, 1, 14, 14);
        pintor.setBrush(Qt::white);
        pintor.drawRect(7, 4, 2, 6); // an exclamation mark: a finding
        pintor.drawRect(7, 11, 2, 2);
        imagens << QIcon(figura);
    }
    return imagens;
}

TfrmEcontasCriticas::TfrmEcontasCriticas(const ListasCriticas &listas, QWidget *parent)
    : QDialog(parent), m_listas(listas), imglCriticas(ImagensDosGrupos())
{
    setWindowTitle(QStringLiteral("Exibição das críticas"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(LarguraJanela, AlturaJanela);

    lvcRITICAS = new QTreeWidget(this);
    lvcRITICAS->setObjectName(QStringLiteral("lvcRITICAS"));
    lvcRITICAS->setColumnCount(1);
    lvcRITICAS->setHeaderHidden(true);
    lvcRITICAS->header()->setStretchLastSection(false);
    lvcRITICAS->setColumnWidth(0, LarguraColuna);
    lvcRITICAS->setRootIsDecorated(false);
    lvcRITICAS->setItemsExpandable(false);
    lvcRITICAS->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvcRITICAS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvcRITICAS->setIconSize(QSize(16, 16));
    lvcRITICAS->installEventFilter(this);

    acaoSalvar = new QAction(QStringLiteral("Salvar críticas em arquivo..."), this);
    acaoSalvar->setShortcut(QKeySequence::Save);
    acaoSalvar->setShortcutContext(Qt::WindowShortcut);
    connect(acaoSalvar, &QAction::triggered, this, &TfrmEcontasCriticas::salvarComEscolha);
    lvcRITICAS->setContextMenuPolicy(Qt::ActionsContextMenu);
    lvcRITICAS->addAction(acaoSalvar);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lvcRITICAS);
}

void TfrmEcontasCriticas::ExibirListViewDasCriticas()
{
    lvcRITICAS->clear();
    const QColor corSubtitulo = palette().color(QPalette::PlaceholderText);
    for (int g = 0; g < QuantidadeGruposCriticas; ++g) {
        const QStringList &linhas = m_listas[g];
        if (linhas.isEmpty())
            continue;
        auto *grupo = new QTreeWidgetItem(lvcRITICAS, {grupoArray[g]});
        grupo->setData(0, Qt::UserRole, g);
        grupo->setIcon(0, imglCriticas[g]);
        QFont negrito = grupo->font(0);
        negrito.setBold(true);
        grupo->setFont(0, negrito);
        grupo->setFlags(Qt::ItemIsEnabled);
        novoItem(grupo, tituloArray[g], true, corSubtitulo)->setFlags(Qt::ItemIsEnabled);
        for (const QString &linha : linhas)
            new QTreeWidgetItem(grupo, {linha});
        novoItem(grupo, RodapeGrupo(int(linhas.size())), true, corSubtitulo)->setFlags(Qt::ItemIsEnabled);
    }
    lvcRITICAS->expandAll();
}

void TfrmEcontasCriticas::showEvent(QShowEvent *evento)
{
    ExibirListViewDasCriticas();
    QDialog::showEvent(evento);
}

// Keys reach the window before the list: Escape closes it whatever has the focus.
bool TfrmEcontasCriticas::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(evento)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void TfrmEcontasCriticas::salvarComEscolha()
{
    const QString caminho =
        DialogoSalvar::Escolher(this, QStringLiteral("Salvar críticas"), QStringLiteral("criticas.txt"),
                                QStringLiteral("Texto (*.txt);;Todos os arquivos (*)"));
    if (!caminho.isEmpty() && SalvarCriticas(caminho))
        Operador().informacao(QStringLiteral("Críticas salvas em %1").arg(caminho));
}

bool TfrmEcontasCriticas::SalvarCriticas(const QString &caminho)
{
    // Written under a temporary name and renamed into place: a failure never leaves half a file.
    QSaveFile arquivo(caminho);
    bool gravado = arquivo.open(QIODevice::WriteOnly);
    if (gravado) {
        QByteArray conteudo;
        for (const QString &linha : TextoDasCriticas(m_listas))
            conteudo += linha.toUtf8() + '\n';
        gravado = arquivo.write(conteudo) == conteudo.size() && arquivo.commit();
    }
    if (!gravado)
        Operador().erro(QStringLiteral("Não foi possível salvar as críticas em %1").arg(caminho) + QChar(13) +
                        arquivo.errorString());
    return gravado;
}

void ExibirCriticasEmJanela(const ListasCriticas &listas)
{
    TfrmEcontasCriticas janela(listas, QApplication::activeWindow());
    janela.exec();
}
