#include "app/uSplash.h"

#include "common/Acao.h"
#include "common/Operador.h"
#include "db/Conexao.h"
#include "econtas/ComandosManutencao.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>

TfrmSplash *frmSplash = nullptr;

namespace {

constexpr int LarguraCliente = 775;
constexpr int AlturaCliente = 462;
constexpr int AlturaImagem = 443;
constexpr int ValorCheio = 100;

// The picture above the status bar: the module's name over a blue gradient.
QPixmap desenharImagem()
{
    QPixmap imagem(LarguraCliente, AlturaImagem);
    QPainter pintor(&imagem);
    QLinearGradient fundo(0, 0, 0, AlturaImagem);
    fundo.setColorAt(0, QColor(16, 52, 110));
    fundo.setColorAt(1, QColor(40, 120, 190));
    pintor.fillRect(imagem.rect(), fundo);
    pintor.setPen(Qt::white);
    QFont titulo(QStringLiteral("Tahoma"), 40, QFont::Bold);
    pintor.setFont(titulo);
    pintor.drawText(QRect(0, 120, LarguraCliente, 80), Qt::AlignCenter, QStringLiteral("e-Contas"));
    pintor.setFont(QFont(QStringLiteral("Tahoma"), 16));
    pintor.drawText(QRect(0, 200, LarguraCliente, 40), Qt::AlignCenter,
                    QStringLiteral("KVB - Módulo e-Contas - TCM-PA"));
    return imagem;
}

} // namespace

TfrmSplash::TfrmSplash(const QString &banco, QWidget *parent) : QDialog(parent)
{
    montarJanela();
    ligarAoProgresso();
    TProgresso &progresso = Operador().progresso();
    progresso.definirFaixa(TProgresso::Splash, 0, ValorCheio);
    progresso.definirPosicao(TProgresso::Splash, 0);
    m_conexao = std::make_unique<TConexao>(banco);
    if (!conectado())
        Operador().aviso(TConexao::TituloFalhaInicio(), TConexao::MensagemFalhaInicio());
    frmSplash = this;
}

TfrmSplash::~TfrmSplash()
{
    if (frmSplash == this)
        frmSplash = nullptr;
}

void TfrmSplash::montarJanela()
{
    setWindowTitle(QStringLiteral("KVB - Módulo e-Contas - TCM-PA"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(LarguraCliente, AlturaCliente);

    imgSplash = new QLabel(this);
    imgSplash->setGeometry(0, 0, LarguraCliente, AlturaImagem);
    imgSplash->setScaledContents(true);
    imgSplash->setPixmap(desenharImagem());

    pbSplash = new QProgressBar(this);
    pbSplash->setGeometry(1, 414, 774, 28);
    pbSplash->setRange(0, ValorCheio);
    pbSplash->setValue(0);

    stbSplash = new QStatusBar(this);
    stbSplash->setGeometry(0, AlturaImagem, LarguraCliente, AlturaCliente - AlturaImagem);
    stbSplash->setSizeGripEnabled(false);
    painelStatus = new QLabel(QStringLiteral("Mensagens"), stbSplash);
    painelStatus->setFixedWidth(773);
    stbSplash->addWidget(painelStatus);

    tmrSplash = new QTimer(this);
    tmrSplash->setInterval(1000);
    connect(tmrSplash, &QTimer::timeout, this, &TfrmSplash::tmrSplashTimer);
    tmrSplash->start();
}

void TfrmSplash::ligarAoProgresso()
{
    TProgresso &progresso = Operador().progresso();
    connect(&progresso, &TProgresso::barraMudou, this, [this, &progresso](int barra) {
        if (barra != TProgresso::Splash)
            return;
        const TProgresso::Estado &e = progresso.barra(TProgresso::Splash);
        pbSplash->setRange(e.minimo, e.maximo);
        pbSplash->setValue(e.posicao);
    });
    connect(&progresso, &TProgresso::statusSplashMudou, painelStatus, &QLabel::setText);
}

bool TfrmSplash::conectado() const
{
    return m_conexao && m_conexao->getConexao().isValid();
}

std::unique_ptr<TConexao> TfrmSplash::tomarConexao()
{
    return std::move(m_conexao);
}

void TfrmSplash::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (m_passosDisparados)
        return;
    m_passosDisparados = true;
    apagarTabelasEcontas();
}

void TfrmSplash::apagarTabelasEcontas()
{
    const QList<int> itens = {0, 1, 2, 3, 4, 5, 6};
    QObject *interface = QCoreApplication::instance();
    QtConcurrent::blockingMap(itens, [interface](int item) {
        QMetaObject::invokeMethod(
            interface, [item] { ExecutarAcao([item] { TComandosSql::ApagarTabelasEcontas(item); }); },
            Qt::QueuedConnection);
    });
}

void TfrmSplash::tmrSplashTimer()
{
    TProgresso &progresso = Operador().progresso();
    if (progresso.posicao(TProgresso::Splash) != ValorCheio)
        return;
    progresso.definirPosicao(TProgresso::Splash, 0);
    pbSplash->setEnabled(false);
    tmrSplash->stop();
    accept();
}

void TfrmSplash::reject()
{
    // Escape does not close the splash: only the full bar does.
}
