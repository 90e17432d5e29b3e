#include "app/OperadorJanelas.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QWidget *janelaAtiva()
{
    return QApplication::activeWindow();
}

// The system's texts use a carriage return as their line break.
QString comQuebras(const QString &texto)
{
    QString r = texto;
    r.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    r.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return r;
}

} // namespace

QString OperadorJanelas::tituloAplicacao()
{
    return QStringLiteral("KVB - Módulo E-Contas TCM-PA");
}

void OperadorJanelas::informacao(const QString &texto)
{
    QMessageBox::information(janelaAtiva(), QStringLiteral("INFORMAÇÃO"), comQuebras(texto));
}

bool OperadorJanelas::confirmacao(const QString &texto)
{
    return QMessageBox::question(janelaAtiva(), QStringLiteral("CONFIRMAÇÃO"), comQuebras(texto),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void OperadorJanelas::aviso(const QString &titulo, const QString &texto)
{
    QMessageBox::warning(janelaAtiva(), titulo, comQuebras(texto));
}

void OperadorJanelas::mensagem(const QString &texto)
{
    QMessageBox caixa(QMessageBox::NoIcon, tituloAplicacao(), comQuebras(texto), QMessageBox::Ok,
                      janelaAtiva());
    caixa.exec();
}

void OperadorJanelas::erro(const QString &texto)
{
    QMessageBox::critical(janelaAtiva(), tituloAplicacao(), comQuebras(texto));
}

void OperadorJanelas::relatorio(const QString &titulo, const QStringList &linhas)
{
    if (linhas.isEmpty())
        return;
    QDialog janela(janelaAtiva());
    janela.setWindowTitle(titulo);
    janela.resize(640, 360);
    auto *layout = new QVBoxLayout(&janela);
    auto *texto = new QPlainTextEdit(linhas.join('\n'), &janela);
    texto->setReadOnly(true);
    layout->addWidget(texto);
    auto *botoes = new QDialogButtonBox(QDialogButtonBox::Ok, &janela);
    QObject::connect(botoes, &QDialogButtonBox::accepted, &janela, &QDialog::accept);
    layout->addWidget(botoes);
    janela.exec();
}

void OperadorJanelas::processarEventos()
{
    QCoreApplication::processEvents();
}

void OperadorJanelas::exibirCriticas(const ListasCriticas &listas)
{
    if (m_exibirCriticas)
        m_exibirCriticas(listas);
}
