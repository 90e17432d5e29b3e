#pragma once
// The start-up window: connects to the database, runs the seven start-up steps of the work tables and
// closes itself on the first timer tick with the bar at exactly 100.
#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;
class TConexao;

class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    // Connects to the database (FormCreate); a failed connection is reported in three messages.
    explicit TfrmSplash(const QString &banco, QWidget *parent = nullptr);
    ~TfrmSplash() override;

    bool conectado() const;
    // The connection lives as long as the process: the program takes it over from the splash.
    std::unique_ptr<TConexao> tomarConexao();

    QLabel *imgSplash = nullptr;
    QTimer *tmrSplash = nullptr;
    QProgressBar *pbSplash = nullptr;
    QStatusBar *stbSplash = nullptr;
    QLabel *painelStatus = nullptr;

    // The steps are posted to this thread's queue from the default worker pool; returns once all are posted.
    void apagarTabelasEcontas();
    void tmrSplashTimer();

protected:
    void showEvent(QShowEvent *evento) override;
    void reject() override;

private:
    void montarJanela();
    void ligarAoProgresso();

    std::unique_ptr<TConexao> m_conexao;
    bool m_passosDisparados = false;
};

// The splash while it exists (the start-up steps reach it through the progress model).
extern TfrmSplash *frmSplash;
