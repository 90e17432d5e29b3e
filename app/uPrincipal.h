#pragma once
// The main window: the month list of the payroll year, the selected competence's state, the payment
// date, the settings, the action buttons (enabled from the month's control row), the progress bars
// and the status bar. The work itself is done by the core; the window forwards clicks and shows progress.
#include "econtas/EstadoEcontas.h"

#include <QHash>
#include <QMainWindow>

#include <array>
#include <functional>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
struct LinhaMes;

class TfrmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // FormCreate: keeps the year and the operator, opens the client register, the control rows and the
    // budget units.
    TfrmPrincipal(const QString &ano, const QString &usuario, QWidget *parent = nullptr);
    ~TfrmPrincipal() override;

    TEstadoEcontas estado;

    QTableWidget *lvPrincipal = nullptr;
    QDateEdit *dtpPagamento = nullptr;
    QLineEdit *edtCodMunicipio = nullptr;
    QLineEdit *edtVersaoTovrin = nullptr;
    QPushButton *btnCriticas = nullptr;
    QPushButton *btnGeracao = nullptr;
    QPushButton *btnExportacao = nullptr;
    QPushButton *btnDesfazerGeracao = nullptr;
    QPushButton *btnEcontas_010 = nullptr;
    QPushButton *btnEcontas_020 = nullptr;
    QPushButton *btnEnviarComplementar = nullptr;
    QPushButton *btnResumo = nullptr; // summary of the generated competence
    QLineEdit *edtCaminhoArquivo = nullptr;
    QPushButton *btnCaminhoArquivo = nullptr;
    std::array<QProgressBar *, 7> pbRegistro{}; // 010, 020, 030, 040, 041, 042, 043
    QProgressBar *pbPricipal = nullptr;
    QLabel *painelPrefeitura = nullptr; // status panel 0
    QLabel *painelMensagens = nullptr;  // status panel 1

    void ControlesTCMA();
    void lvPrincipalClick();
    void PegarCaminhoArquivo();
    void btnCriticasClick();
    void btnExportacaoClick();
    void btnDesfazerGeracaoClick();

    // The balloon hint of a control: "title|description|picture". A placeholder title gives way to
    // the one given here.
    static void DefinirDica(QWidget *controle, const QString &dica, const QString &titulo = QString());

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void montarJanela();
    QGroupBox *montarLista(QWidget *pai);
    void montarLateral(QWidget *pai);
    void montarPreviews(QWidget *pai);
    void montarProgresso(QWidget *pai);
    void montarStatus();
    void ligarAoEstado();
    void ligarAoProgresso();
    void ligarBotoes();
    LinhaMes linhaSelecionada() const;
    bool mesSelecionadoOuAvisa(const QString &mensagem);

    // Buttons keep the state the month asks for; while an action runs they are all disabled.
    void habilitar(QPushButton *botao, bool habilitado);
    void aplicarOcupado(bool ocupado);
    // Runs a critique, generation, export or undo on the values the window holds now, then shows what
    // the run left (the export empties the folder, for one).
    void executarComValoresFixos(const std::function<void(TEstadoEcontas &)> &execucao);
    // Puts the state's date, settings, folder and selected month into the widgets.
    void mostrarEstado();
    void ajustarAlturaDasLinhas();

    QHash<QPushButton *, bool> m_habilitado;
    bool m_ocupado = false;
    bool m_mostrada = false;
};

extern TfrmPrincipal *frmPrincipal;

// Status texts: after a critique whose findings block the generation, and after an undo.
QString MensagemGeracaoBloqueada();
QString MensagemGeracaoDesfeita();
// The hint of the export folder's edit: which folder the files will go to.
QString DicaDaPastaDeExportacao(const QString &caminho);
