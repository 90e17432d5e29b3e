#include "windows/JanelaUnidades.h"

#include "common/Acao.h"
#include "windows/Centralizar.h"

#include <QCloseEvent>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

TJanelaUnidades::TJanelaUnidades(QWidget *parent, const QString &titulo, const QList<ColunaUnidades> &colunas,
                                 const QString &statusInicial, RowSet &pUnidades)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_unidades(pUnidades)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titulo);
    setFixedSize(774, 367);

    lvUnidades = new QTableWidget(0, int(colunas.size()), this);
    lvUnidades->setObjectName(QStringLiteral("lvUnidades"));
    lvUnidades->setShowGrid(true);
    lvUnidades->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvUnidades->setSelectionMode(QAbstractItemView::SingleSelection);
    lvUnidades->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvUnidades->verticalHeader()->hide();
    lvUnidades->verticalHeader()->setDefaultSectionSize(lvUnidades->fontMetrics().height() + 6);
    lvUnidades->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvUnidades->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < colunas.size(); ++c) {
        auto *cabecalho = new QTableWidgetItem(colunas[c].titulo);
        if (colunas[c].centralizada)
            cabecalho->setTextAlignment(Qt::AlignCenter);
        lvUnidades->setHorizontalHeaderItem(c, cabecalho);
        lvUnidades->setColumnWidth(c, colunas[c].largura);
        m_centralizadas << colunas[c].centralizada;
    }
    caberCabecalhos();

    stbUnidades = new QStatusBar(this);
    stbUnidades->setObjectName(QStringLiteral("stbUnidades"));
    stbUnidades->setSizeGripEnabled(false);
    m_painel = new QLabel(statusInicial, stbUnidades);
    m_painel->setFixedWidth(768);
    stbUnidades->addWidget(m_painel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lvUnidades);
    layout->addWidget(stbUnidades);

    // The window sees the keys before the list does.
    lvUnidades->installEventFilter(this);
}

namespace {

// The open preview of each kind, by its class.
QHash<const QMetaObject *, QPointer<TJanelaUnidades>> &Abertas()
{
    static QHash<const QMetaObject *, QPointer<TJanelaUnidades>> abertas;
    return abertas;
}

} // namespace

TJanelaUnidades *TJanelaUnidades::abertaDoTipo(const QMetaObject &tipo)
{
    return Abertas().value(&tipo);
}

void TJanelaUnidades::registrarAberta(TJanelaUnidades *janela)
{
    Abertas().insert(janela->metaObject(), janela);
}

void TJanelaUnidades::mostrarSobre(TJanelaUnidades *janela, QWidget *parent)
{
    CentralizarNaJanela(janela, parent);
    janela->show();
}

// A closed window is forgotten at once: it is destroyed only later.
void TJanelaUnidades::closeEvent(QCloseEvent *evento)
{
    if (Abertas().value(metaObject()) == this)
        Abertas().remove(metaObject());
    evento->accept();
}

bool TJanelaUnidades::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(evento)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(objeto, evento);
}

void TJanelaUnidades::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(evento);
}

// A column narrower than its header grows to show it whole; the last column gives up the room.
void TJanelaUnidades::caberCabecalhos()
{
    QHeaderView *cabecalho = lvUnidades->horizontalHeader();
    const int ultima = lvUnidades->columnCount() - 1;
    int acrescimo = 0;
    for (int c = 0; c < ultima; ++c) {
        const int necessaria = cabecalho->sectionSizeHint(c);
        if (necessaria > lvUnidades->columnWidth(c)) {
            acrescimo += necessaria - lvUnidades->columnWidth(c);
            lvUnidades->setColumnWidth(c, necessaria);
        }
    }
    lvUnidades->setColumnWidth(ultima, lvUnidades->columnWidth(ultima) - acrescimo);
}

QString TJanelaUnidades::textoStatus() const
{
    return m_painel->text();
}

void TJanelaUnidades::preencher(const std::function<TListaUnidades(RowSet &)> &consultar)
{
    ExecutarAcao([&] {
        const TListaUnidades lista = consultar(m_unidades);
        lvUnidades->setRowCount(0);
        lvUnidades->setRowCount(int(lista.linhas.size()));
        for (int i = 0; i < lista.linhas.size(); ++i)
            mostrarLinha(i, lista.linhas[i]);
        m_painel->setText(lista.status);
    });
}

void TJanelaUnidades::mostrarLinha(int linha, const QStringList &colunas)
{
    for (int c = 0; c < colunas.size(); ++c) {
        auto *item = new QTableWidgetItem(colunas[c]);
        if (m_centralizadas.value(c))
            item->setTextAlignment(Qt::AlignCenter);
        lvUnidades->setItem(linha, c, item);
    }
}
