#include "app/uPrincipal.h"

#include "common/Acao.h"
#include "common/Operador.h"
#include "common/Relogio.h"
#include "common/uUtil.h"
#include "criticas/ExecucaoCriticas.h"
#include "econtas/Principal.h"
#include "export/ExportacaoEcontas.h"
#include "generation/Geracao.h"
#include "generation/SelecaoCompetencia.h"
#include "windows/DialogoSalvar.h"
#include "windows/JanelaResumo.h"
#include "windows/uComplementares.h"
#include "windows/uUndidadeGestoraECONTAS.h"
#include "windows/uUnidadesOrcamentariasECONTAS.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <utility>

TfrmPrincipal *frmPrincipal = nullptr;

QString MensagemGeracaoBloqueada()
{
    return QStringLiteral("Geração bloqueada: corrija as críticas e execute-as novamente.");
}

QString MensagemGeracaoDesfeita()
{
    return QStringLiteral("Geração desfeita.");
}

QString DicaDaPastaDeExportacao(const QString &caminho)
{
    if (caminho.isEmpty())
        return QStringLiteral("Escolha no botão ao lado a pasta para onde os arquivos serão exportados.");
    return QStringLiteral("Os arquivos serão exportados para a pasta %1")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(caminho).absoluteFilePath())));
}

namespace {

constexpr int LarguraCliente = 796;
constexpr int AlturaCliente = 483;
constexpr int PapelCompetencia = Qt::UserRole;
const std::array<int, 7> kRegistros = {10, 20, 30, 40, 41, 42, 43};

QGroupBox *grupo(const QString &titulo, QWidget *pai, const QRect &area)
{
    auto *g = new QGroupBox(titulo, pai);
    g->setGeometry(area);
    return g;
}

QPushButton *botao(const QString &texto, QWidget *pai, const QRect &area, const QString &dica,
                   const QString &titulo)
{
    auto *b = new QPushButton(texto, pai);
    b->setGeometry(area);
    b->setAutoDefault(true); // Return and Enter press the focused button, as Space does
    TfrmPrincipal::DefinirDica(b, dica, titulo);
    return b;
}

// A caption wider than its button less a margin on each side (the machine may lack the window's narrow
// font) is set in a smaller type, half a point at a time, so that it never touches the edges.
void CaberNoBotao(QPushButton *b)
{
    QFont fonte = b->font();
    const auto cabe = [b](const QFont &f) {
        const QFontMetrics medida(f);
        return medida.horizontalAdvance(b->text().trimmed()) + 2 * medida.averageCharWidth() <= b->width();
    };
    while (!cabe(fonte) && fonte.pointSizeF() > 6)
        fonte.setPointSizeF(fonte.pointSizeF() - 0.5);
    if (fonte != b->font())
        b->setFont(fonte);
}

QLabel *rotulo(const QString &texto, QWidget *pai, const QRect &area)
{
    auto *l = new QLabel(texto, pai);
    l->setGeometry(area);
    return l;
}

} // namespace

TfrmPrincipal::TfrmPrincipal(const QString &ano, const QString &usuario, QWidget *parent)
    : QMainWindow(parent)
{
    frmPrincipal = this;
    estado.ano_folha = ano;
    estado.usuario = usuario;
    estado.ControlesTCMA = [this] { ControlesTCMA(); };
    DialogoSalvar::DefinirOperador(usuario);
    montarJanela();
    ExecutarAcao([this] { ConfiguracoesIniciaris(estado); });
    estado.dataPagamento = Hoje();
    mostrarEstado();
    ligarAoEstado();
    ligarAoProgresso();
    ligarBotoes();
}

TfrmPrincipal::~TfrmPrincipal()
{
    if (frmPrincipal == this)
        frmPrincipal = nullptr;
}

void TfrmPrincipal::DefinirDica(QWidget *controle, const QString &dica, const QString &titulo)
{
    const QStringList partes = dica.split(QLatin1Char('|'));
    // "Título" is only a placeholder in the hints: the control's own name reads better.
    const bool semTitulo =
        partes.value(0) == QStringLiteral("Título") || partes.value(0) == QStringLiteral("Titulo");
    const QString mostrado = semTitulo && !titulo.isEmpty() ? titulo : partes.value(0);
    controle->setProperty("dica", dica);
    controle->setToolTip(
        QStringLiteral("<b>%1</b><br/>%2").arg(mostrado.toHtmlEscaped(), partes.value(1).toHtmlEscaped()));
}

void TfrmPrincipal::montarJanela()
{
    setWindowTitle(QStringLiteral("KVB - Módulo E-Contas TCM-PA"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    auto *central = new QWidget(this);
    setCentralWidget(central);
    montarStatus();
    setFixedSize(LarguraCliente, AlturaCliente);

    QGroupBox *geral = montarLista(central);
    montarLateral(geral);
    montarPreviews(geral);
    montarProgresso(geral);
    for (QPushButton *b : findChildren<QPushButton *>())
        CaberNoBotao(b);
}

QGroupBox *TfrmPrincipal::montarLista(QWidget *pai)
{
    QGroupBox *geral =
        grupo(QStringLiteral("   Informações da Geração do e-Contas   "), pai, QRect(4, 2, 788, 452));
    lvPrincipal = new QTableWidget(0, 6, geral);
    lvPrincipal->setGeometry(10, 20, 560, 250);
    lvPrincipal->setHorizontalHeaderLabels({QStringLiteral("Competência"), QStringLiteral("Geral"),
                                            QStringLiteral("C.N.P.J"), QStringLiteral("Críticas"),
                                            QStringLiteral("Geração"), QStringLiteral("Exportação")});
    const std::array<int, 6> larguras = {95, 40, 100, 100, 100, 100};
    for (int c = 0; c < 6; ++c)
        lvPrincipal->setColumnWidth(c, larguras[c]);
    lvPrincipal->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    lvPrincipal->verticalHeader()->hide();
    lvPrincipal->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvPrincipal->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvPrincipal->setSelectionMode(QAbstractItemView::SingleSelection);
    lvPrincipal->setShowGrid(true);
    lvPrincipal->setTabKeyNavigation(false); // Tab leaves the list; the arrows move the selection
    lvPrincipal->horizontalHeader()->setStretchLastSection(true);
    return geral;
}

void TfrmPrincipal::montarLateral(QWidget *pai)
{
    QGroupBox *pagamento = grupo(QStringLiteral("  Data de Pagamento  "), pai, QRect(580, 14, 198, 50));
    dtpPagamento = new QDateEdit(pagamento);
    dtpPagamento->setGeometry(10, 20, 178, 22);
    dtpPagamento->setCalendarPopup(true);
    dtpPagamento->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    DefinirDica(dtpPagamento, QStringLiteral("Título|Escolha a data de pagamento|1"),
                QStringLiteral("Data de Pagamento"));

    QGroupBox *config = grupo(QStringLiteral("  Configurações   "), pai, QRect(580, 68, 198, 100));
    rotulo(QStringLiteral("Código do Município"), config, QRect(10, 18, 178, 16));
    edtCodMunicipio = new QLineEdit(config);
    edtCodMunicipio->setGeometry(10, 34, 178, 20);
    DefinirDica(edtCodMunicipio, QStringLiteral("Título|Digite o código do municipio|2"),
                QStringLiteral("Código do Município"));
    rotulo(QStringLiteral("Versão Tovrin TCM"), config, QRect(10, 56, 178, 16));
    edtVersaoTovrin = new QLineEdit(config);
    edtVersaoTovrin->setGeometry(10, 72, 178, 20);
    DefinirDica(edtVersaoTovrin, QStringLiteral("Título|Digite a versão do tovrin TCM|0"),
                QStringLiteral("Versão Tovrin TCM"));

    QGroupBox *geracao = grupo(QStringLiteral("  Geração do Econtas"), pai, QRect(580, 172, 198, 98));
    btnCriticas = botao(QStringLiteral("    Criticas        "), geracao, QRect(8, 20, 88, 32),
                        QStringLiteral("Título|Botão para visualização das críticas do e-Contas|5"),
                        QStringLiteral("Críticas"));
    btnGeracao = botao(QStringLiteral("    Geração        "), geracao, QRect(102, 20, 88, 32),
                       QStringLiteral("Título|Botão para geração das informações do e-Contas|5"),
                       QStringLiteral("Geração"));
    btnExportacao = botao(QStringLiteral("  Exportação     "), geracao, QRect(8, 58, 88, 32),
                          QStringLiteral("Título|Botão para exportar as informações em TXT|4"),
                          QStringLiteral("Exportação"));
    btnDesfazerGeracao =
        botao(QStringLiteral("Excluir Geração"), geracao, QRect(102, 58, 88, 32),
              QStringLiteral("Título|Botão para excluir a geração de informações do e-Contas|7"),
              QStringLiteral("Excluir Geração"));

    rotulo(QStringLiteral("   Caminho do Arquivo   "), pai, QRect(580, 276, 198, 16));
    edtCaminhoArquivo = new QLineEdit(pai);
    edtCaminhoArquivo->setGeometry(580, 294, 166, 22);
    edtCaminhoArquivo->setReadOnly(true);
    edtCaminhoArquivo->setStyleSheet(QStringLiteral("QLineEdit { background: #FFFFE1; }"));
    edtCaminhoArquivo->setToolTip(DicaDaPastaDeExportacao(QString()));
    btnCaminhoArquivo = botao(QString(), pai, QRect(750, 292, 28, 26),
                              QStringLiteral("Título|Selecione o caminho onde será exportado o arquivo|3"),
                              QStringLiteral("Caminho do Arquivo"));
    btnCaminhoArquivo->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
}

void TfrmPrincipal::montarPreviews(QWidget *pai)
{
    QGroupBox *previews = grupo(QStringLiteral("  Preview e-Contas   "), pai, QRect(10, 276, 560, 50));
    btnEcontas_010 = botao(QStringLiteral("Unidades Gestoras"), previews, QRect(10, 18, 175, 26),
                           QStringLiteral("Titulo|Click aqui para pré-visualizar as unidades gestoras|4"),
                           QStringLiteral("Unidades Gestoras"));
    btnEcontas_020 =
        botao(QStringLiteral("Unidades Orçamentarias"), previews, QRect(192, 18, 175, 26),
              QStringLiteral("Título|Click aqui para pré-visualizar as unidades orçamentarias|4"),
              QStringLiteral("Unidades Orçamentárias"));
    btnEnviarComplementar = botao(
        QStringLiteral("Enviar Complementar"), previews, QRect(374, 18, 175, 26),
        QStringLiteral("Título|Botão para folhas complementares na geração de informações do e-Contas|7"),
        QStringLiteral("Enviar Complementar"));
}

void TfrmPrincipal::montarProgresso(QWidget *pai)
{
    for (size_t i = 0; i < kRegistros.size(); ++i) {
        const int x = 10 + int(i) * 110;
        rotulo(QStringLiteral("Registro %1").arg(kRegistros[i], 3, 10, QLatin1Char('0')), pai,
               QRect(x, 336, 104, 16));
        pbRegistro[i] = new QProgressBar(pai);
        pbRegistro[i]->setGeometry(x, 354, 104, 20);
        pbRegistro[i]->setValue(0);
    }
    pbPricipal = new QProgressBar(pai);
    pbPricipal->setGeometry(10, 396, 768, 24);
    pbPricipal->setValue(0);
    btnResumo = botao(QStringLiteral("Resumo do Envio"), pai, QRect(10, 424, 150, 24),
                      QStringLiteral("Título|Resumo da competência gerada e conferência com a folha|4"),
                      QStringLiteral("Resumo do Envio"));
}

void TfrmPrincipal::montarStatus()
{
    painelPrefeitura = new QLabel(QStringLiteral("Prefeitura"));
    painelPrefeitura->setFixedWidth(350);
    painelPrefeitura->setAlignment(Qt::AlignCenter);
    painelMensagens = new QLabel;
    painelMensagens->setFixedWidth(423);
    statusBar()->addWidget(painelPrefeitura);
    statusBar()->addWidget(painelMensagens);
    statusBar()->setSizeGripEnabled(false);
}

void TfrmPrincipal::ligarAoEstado()
{
    connect(dtpPagamento, &QDateEdit::dateChanged, this,
            [this](const QDate &d) { estado.dataPagamento = d; });
    connect(edtCodMunicipio, &QLineEdit::textChanged, this,
            [this](const QString &t) { estado.codMunicipio = t; });
    connect(edtVersaoTovrin, &QLineEdit::textChanged, this,
            [this](const QString &t) { estado.versaoTovrin = t; });
    connect(edtCaminhoArquivo, &QLineEdit::textChanged, this, [this](const QString &t) {
        estado.caminhoArquivo = t;
        edtCaminhoArquivo->setCursorPosition(0); // the start of a long path, the whole of it as hint
        edtCaminhoArquivo->setToolTip(DicaDaPastaDeExportacao(t));
    });
}

void TfrmPrincipal::ligarAoProgresso()
{
    TProgresso &progresso = Operador().progresso();
    auto atualizar = [this, &progresso](int barra) {
        QProgressBar *alvo = barra == TProgresso::Principal ? pbPricipal
                             : barra >= TProgresso::R010 && barra <= TProgresso::R043
                                 ? pbRegistro[barra - TProgresso::R010]
                                 : nullptr;
        if (!alvo)
            return;
        const TProgresso::Estado &e = progresso.barra(TProgresso::Barra(barra));
        alvo->setRange(e.minimo, e.maximo);
        alvo->setValue(e.posicao);
    };
    connect(&progresso, &TProgresso::barraMudou, this, atualizar);
    for (int b = TProgresso::Principal; b <= TProgresso::R043; ++b)
        atualizar(b);
    connect(&progresso, &TProgresso::statusMudou, painelMensagens, &QLabel::setText);
}

void TfrmPrincipal::ligarBotoes()
{
    for (QPushButton *b : {btnCriticas, btnCaminhoArquivo})
        m_habilitado.insert(b, true);
    for (QPushButton *b : {btnGeracao, btnExportacao, btnDesfazerGeracao, btnEcontas_010, btnEcontas_020,
                           btnEnviarComplementar, btnResumo})
        habilitar(b, false);
    connect(lvPrincipal, &QTableWidget::itemSelectionChanged, this, &TfrmPrincipal::lvPrincipalClick);
    connect(btnCaminhoArquivo, &QPushButton::clicked, this, &TfrmPrincipal::PegarCaminhoArquivo);
    connect(btnCriticas, &QPushButton::clicked, this, &TfrmPrincipal::btnCriticasClick);
    connect(btnGeracao, &QPushButton::clicked, this,
            [this] { executarComValoresFixos([](TEstadoEcontas &fixo) { ::btnGeracaoClick(fixo); }); });
    connect(btnExportacao, &QPushButton::clicked, this, &TfrmPrincipal::btnExportacaoClick);
    connect(btnDesfazerGeracao, &QPushButton::clicked, this, &TfrmPrincipal::btnDesfazerGeracaoClick);
    connect(btnEcontas_010, &QPushButton::clicked, this,
            [this] { TfrmUndidadeGestoraECONTAS::btnEcontas_010Click(this, estado); });
    connect(btnEcontas_020, &QPushButton::clicked, this,
            [this] { TfrmUnidadesOrcamentariasECONTAS::btnEcontas_020Click(this, estado); });
    connect(btnEnviarComplementar, &QPushButton::clicked, this, [this] {
        TfrmComplementares::Abrir(this, estado.mes_cadastro, estado.ano_folha, estado.cnpjCliente());
    });
    connect(btnResumo, &QPushButton::clicked, this, [this] { TfrmResumo::Abrir(this, estado); });
    connect(&TAcoes::instancia(), &TAcoes::ocupadoMudou, this, &TfrmPrincipal::aplicarOcupado);
}

void TfrmPrincipal::habilitar(QPushButton *botao, bool habilitado)
{
    m_habilitado.insert(botao, habilitado);
    botao->setEnabled(habilitado && !m_ocupado);
}

void TfrmPrincipal::aplicarOcupado(bool ocupado)
{
    m_ocupado = ocupado;
    for (auto it = m_habilitado.cbegin(); it != m_habilitado.cend(); ++it)
        it.key()->setEnabled(it.value() && !ocupado);
    for (QWidget *entrada :
         std::initializer_list<QWidget *>{lvPrincipal, dtpPagamento, edtCodMunicipio, edtVersaoTovrin})
        entrada->setEnabled(!ocupado);
}

void TfrmPrincipal::executarComValoresFixos(const std::function<void(TEstadoEcontas &)> &execucao)
{
    // The run works on a copy taken when its button was pressed: a click on the month list or a new
    // date while it runs cannot reach the competence, date, version or folder it works with.
    TEstadoEcontas fixo = estado.CopiaParaExecucao();
    DefinirStatus(QString());
    if (ExecutarAcaoLonga([&] { execucao(fixo); }) == ResultadoAcao::Recusada)
        return;
    const bool selecionado = estado.mesSelecionado; // false when the run reloaded the month list
    estado = std::move(fixo);
    estado.mesSelecionado = selecionado;
    mostrarEstado();
}

void TfrmPrincipal::mostrarEstado()
{
    dtpPagamento->setDate(estado.dataPagamento);
    edtCodMunicipio->setText(estado.codMunicipio);
    edtVersaoTovrin->setText(estado.versaoTovrin);
    edtCaminhoArquivo->setText(estado.caminhoArquivo);
    const QSignalBlocker bloqueio(lvPrincipal);
    for (int r = 0; r < lvPrincipal->rowCount(); ++r) {
        if (estado.mesSelecionado && lvPrincipal->item(r, 0)->data(PapelCompetencia) == estado.competencia) {
            lvPrincipal->selectRow(r);
            return;
        }
    }
    lvPrincipal->clearSelection();
}

void TfrmPrincipal::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (m_mostrada)
        return;
    m_mostrada = true;
    ajustarAlturaDasLinhas();
    ControlesTCMA();
    painelPrefeitura->setText(estado.fdtblCliente.texto(QStringLiteral("DESCRICAO")).trimmed());
}

void TfrmPrincipal::closeEvent(QCloseEvent *evento)
{
    QMainWindow::closeEvent(evento);
    QCoreApplication::quit();
}

// The twelve months of a year fit the list whole: rows of 20 pixels, or less when the font's header
// leaves less room.
void TfrmPrincipal::ajustarAlturaDasLinhas()
{
    constexpr int Meses = 12;
    lvPrincipal->ensurePolished();
    const int livre = lvPrincipal->height() - 2 * lvPrincipal->frameWidth() -
                      lvPrincipal->horizontalHeader()->sizeHint().height();
    const int altura = std::clamp(livre / Meses, lvPrincipal->fontMetrics().height() + 2, 20);
    lvPrincipal->verticalHeader()->setMinimumSectionSize(altura);
    lvPrincipal->verticalHeader()->setDefaultSectionSize(altura);
}

void TfrmPrincipal::ControlesTCMA()
{
    const QSignalBlocker bloqueio(lvPrincipal);
    lvPrincipal->clearSelection();
    lvPrincipal->setRowCount(0);
    estado.mesSelecionado = false;
    const QList<LinhaMes> linhas = LinhasDosMeses(estado.ano_folha);
    lvPrincipal->setRowCount(int(linhas.size()));
    for (int r = 0; r < linhas.size(); ++r) {
        const LinhaMes &l = linhas[r];
        const QStringList textos = {l.legenda, l.geral, l.cnpj, l.dtCriticas, l.dtGeracao, l.dtExportacao};
        for (int c = 0; c < textos.size(); ++c) {
            auto *item = new QTableWidgetItem(textos[c]);
            if (c > 0)
                item->setTextAlignment(Qt::AlignCenter);
            lvPrincipal->setItem(r, c, item);
        }
        lvPrincipal->item(r, 0)->setData(PapelCompetencia, l.mesAno);
    }
    lvPrincipal->resizeColumnsToContents();
    // The last column takes the rest of the width again (sizing to contents undid it).
    lvPrincipal->horizontalHeader()->setStretchLastSection(false);
    lvPrincipal->horizontalHeader()->setStretchLastSection(true);
}

LinhaMes TfrmPrincipal::linhaSelecionada() const
{
    const QList<QTableWidgetItem *> itens = lvPrincipal->selectedItems();
    if (itens.isEmpty())
        return {};
    const int r = itens.first()->row();
    LinhaMes linha;
    linha.legenda = lvPrincipal->item(r, 0)->text();
    linha.mesAno = lvPrincipal->item(r, 0)->data(PapelCompetencia).toString();
    return linha;
}

void TfrmPrincipal::lvPrincipalClick()
{
    if (m_ocupado)
        return; // the list is disabled while a run goes on; a selection made meanwhile is undone after it
    DefinirStatus(QString());
    const LinhaMes linha = linhaSelecionada();
    if (linha.mesAno.isEmpty()) {
        estado.mesSelecionado = false;
        for (QPushButton *b : {btnEcontas_010, btnEcontas_020, btnEnviarComplementar, btnResumo})
            habilitar(b, false);
        return;
    }
    ExecutarAcao([&] {
        const BotoesMes botoes = ::lvPrincipalClick(estado, linha);
        dtpPagamento->setDate(estado.dataPagamento);
        habilitar(btnGeracao, botoes.geracao);
        habilitar(btnExportacao, botoes.exportacao);
        habilitar(btnDesfazerGeracao, botoes.exportacao);
        habilitar(btnResumo, botoes.exportacao);
        for (QPushButton *b : {btnEcontas_010, btnEcontas_020, btnEnviarComplementar})
            habilitar(b, true);
    });
}

void TfrmPrincipal::PegarCaminhoArquivo()
{
    const QString arquivo =
        DialogoSalvar::Escolher(this, QStringLiteral("Gravar arquivos do Econtas"), QStringLiteral("ECONTAS"),
                                QString(), DialogoSalvar::Memoria::Exportacao);
    if (!arquivo.isEmpty())
        edtCaminhoArquivo->setText(arquivo);
}

void TfrmPrincipal::btnCriticasClick()
{
    executarComValoresFixos([](TEstadoEcontas &fixo) { ::btnCriticasClick(fixo); });
    if (estado.ErroCritica)
        DefinirStatus(MensagemGeracaoBloqueada());
}

void TfrmPrincipal::btnExportacaoClick()
{
    executarComValoresFixos([](TEstadoEcontas &fixo) { ExportarArquivos(fixo); });
}

void TfrmPrincipal::btnDesfazerGeracaoClick()
{
    bool desfeita = false;
    executarComValoresFixos([&desfeita](TEstadoEcontas &fixo) { desfeita = ExcluirExportacao(fixo); });
    if (!desfeita)
        return;
    for (QPushButton *b : {btnGeracao, btnExportacao, btnDesfazerGeracao, btnResumo})
        habilitar(b, false);
    DefinirStatus(MensagemGeracaoDesfeita());
}
