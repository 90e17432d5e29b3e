#include "windows/DialogoSalvar.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTreeView>
#include <QUrl>

#include <optional>

namespace DialogoSalvar {

namespace {

QString g_operador;
const QString RotuloSalvar = QStringLiteral("&Salvar");
std::optional<QString> g_proximaResposta;

enum ColunaArquivos { ColNome, ColTamanho, ColTipo, ColData };

// The file system model writes the kind of a folder, dates and sizes in the machine's locale (on a
// machine set to C: "Folder", "11 Dec"): here they follow the program's Portuguese.
class ArquivosEmPortugues : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &indice, int papel) const override
    {
        const auto *arquivos = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (papel != Qt::DisplayRole || !arquivos)
            return QIdentityProxyModel::data(indice, papel);
        const QModelIndex origem = mapToSource(indice);
        const QLocale local;
        switch (indice.column()) {
        case ColTamanho:
            return arquivos->isDir(origem) ? QString() : local.formattedDataSize(arquivos->size(origem));
        case ColTipo:
            if (arquivos->isDir(origem))
                return QStringLiteral("Pasta");
            break;
        case ColData:
            return local.toString(arquivos->lastModified(origem), QStringLiteral("dd/MM/yyyy HH:mm"));
        default:
            break;
        }
        return QIdentityProxyModel::data(indice, papel);
    }
};

// The export's dialog: a name that is a folder already (the "ECONTAS" of an earlier export, suggested
// again) is the folder chosen, not one to go into; its button keeps saying "Salvar".
class DialogoDaPasta : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void aceitarPastaExistente()
    {
        m_nome = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!m_nome)
            return;
        // The dialog relabels its button as the name or the selection changes: set it back after it.
        connect(m_nome, &QLineEdit::textChanged, this, &DialogoDaPasta::manterSalvar);
        if (auto *arquivos = findChild<QFileSystemModel *>())
            connect(arquivos, &QFileSystemModel::directoryLoaded, this, &DialogoDaPasta::manterSalvar,
                    Qt::QueuedConnection);
        for (QAbstractItemView *vista : findChildren<QAbstractItemView *>())
            if (vista->selectionModel())
                connect(vista->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                        &DialogoDaPasta::manterSalvar, Qt::QueuedConnection);
    }
    QString pastaEscolhida() const { return m_pasta; }

    void accept() override
    {
        const QString nome = m_nome ? m_nome->text().trimmed() : QString();
        const QFileInfo alvo(QDir(directory()).filePath(nome));
        if (!nome.isEmpty() && alvo.isDir()) {
            m_pasta = QDir::cleanPath(alvo.absoluteFilePath());
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }

protected:
    void showEvent(QShowEvent *evento) override
    {
        QFileDialog::showEvent(evento);
        if (m_nome)
            QMetaObject::invokeMethod(this, &DialogoDaPasta::manterSalvar, Qt::QueuedConnection);
    }

private:
    void manterSalvar()
    {
        if (auto *caixa = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
            if (QPushButton *salvar = caixa->button(QDialogButtonBox::Save))
                salvar->setText(RotuloSalvar);
    }

    QLineEdit *m_nome = nullptr;
    QString m_pasta;
};

QString chave(Memoria memoria)
{
    const QString operador =
        g_operador.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(QUrl::toPercentEncoding(g_operador));
    return QStringLiteral("operadores/%1/%2")
        .arg(operador, memoria == Memoria::Exportacao ? QStringLiteral("pastaExportacao")
                                                      : QStringLiteral("ultimaPasta"));
}

QSettings configuracao()
{
    return QSettings(QStringLiteral("Tovrin"), QStringLiteral("e-Contas"));
}

void lembrar(const QString &caminho, Memoria memoria)
{
    const QString pasta = QFileInfo(caminho).absolutePath();
    QSettings s = configuracao();
    s.setValue(chave(Memoria::Arquivos), pasta);
    if (memoria == Memoria::Exportacao)
        s.setValue(chave(Memoria::Exportacao), pasta);
}

// The columns as wide as their headers (and the date column as its dates), so that none is cut.
void ajustarColunas(QFileDialog &dialogo)
{
    auto *lista = dialogo.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!lista)
        return;
    const QFontMetrics medida(lista->font());
    const int folga = 3 * medida.horizontalAdvance(QLatin1Char('M'));
    for (int coluna : {ColTamanho, ColTipo, ColData}) {
        int largura = medida.horizontalAdvance(lista->model()->headerData(coluna, Qt::Horizontal).toString());
        if (coluna == ColData)
            largura = std::max(largura, medida.horizontalAdvance(QStringLiteral("00/00/0000 00:00")));
        lista->header()->resizeSection(coluna,
                                       std::max(lista->header()->sectionSize(coluna), largura + folga));
    }
}

} // namespace

QString PastaInicial(Memoria memoria)
{
    const QSettings s = configuracao();
    for (Memoria m : {memoria, Memoria::Arquivos}) {
        const QString pasta = s.value(chave(m)).toString();
        if (!pasta.isEmpty() && QDir(pasta).exists())
            return pasta;
    }
    return QDir::homePath();
}

QString Escolher(QWidget *pai, const QString &titulo, const QString &nomeSugerido, const QString &filtro,
                 Memoria memoria)
{
    QString escolhido;
    if (g_proximaResposta) {
        escolhido = *std::exchange(g_proximaResposta, std::nullopt);
    } else {
        // The folder and the name apart: a suggested name that is a folder already (the export's
        // "ECONTAS") stays the name to save under, the dialog does not go into it.
        DialogoDaPasta dialogo(pai, titulo, PastaInicial(memoria), filtro);
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
        dialogo.setLabelText(QFileDialog::Accept, RotuloSalvar);
        dialogo.setProxyModel(new ArquivosEmPortugues(&dialogo));
        if (memoria == Memoria::Exportacao)
            dialogo.aceitarPastaExistente();
        dialogo.selectFile(nomeSugerido);
        dialogo.resize(760, 460);
        ajustarColunas(dialogo);
        if (dialogo.exec() == QDialog::Accepted)
            escolhido = !dialogo.pastaEscolhida().isEmpty() ? dialogo.pastaEscolhida()
                        : dialogo.selectedFiles().isEmpty() ? QString()
                                                            : dialogo.selectedFiles().first();
    }
    if (!escolhido.isEmpty())
        lembrar(escolhido, memoria);
    return escolhido;
}

void DefinirOperador(const QString &usuario)
{
    g_operador = usuario;
}

void DefinirProximaResposta(const QString &caminho)
{
    g_proximaResposta = caminho;
}

} // namespace DialogoSalvar
