#include "export/TovrinTXT.h"

#include "common/Falha.h"
#include "common/Windows1252.h"

namespace {
const QByteArray FimDeLinha("\r\n");
}

void TTovrinTXT::falhaDeArquivo(const QString &acao) const
{
    throw Falha(QStringLiteral("Erro de entrada/saída ao %1 o arquivo %2: %3")
                    .arg(acao, Arquivo.fileName(), Arquivo.errorString()));
}

void TTovrinTXT::ResetFile(const QString &CAMINHO)
{
    if (Arquivo.isOpen())
        Arquivo.close();
    Arquivo.setFileName(CAMINHO);
    if (!Arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        falhaDeArquivo(QStringLiteral("criar"));
    Colunas = 0;
    Linhas = 0;
    StrLinha.clear();
}

void TTovrinTXT::WriteFile(const QString &)
{
    if (!Arquivo.isOpen())
        return;
    const bool escrevendo = Arquivo.openMode().testFlag(QIODevice::WriteOnly);
    if (escrevendo && !Arquivo.flush())
        falhaDeArquivo(QStringLiteral("gravar"));
    Arquivo.close();
    if (escrevendo && Arquivo.error() != QFileDevice::NoError)
        falhaDeArquivo(QStringLiteral("fechar"));
}

bool TTovrinTXT::cabe(int P, qsizetype largura) const
{
    return P >= 1 && P + largura - 1 <= StrLinha.size();
}

void TTovrinTXT::copiar(const QString &campo, int P)
{
    StrLinha.replace(P - 1, campo.size(), campo);
}

void TTovrinTXT::AddNum(qint64 N, int P, int T)
{
    if (T < 0 || !cabe(P, T))
        return;
    QString texto = QString::number(N);
    if (texto.size() < T)
        texto.prepend(QString(T - texto.size(), QLatin1Char('0')));
    copiar(texto.right(T), P);
}

void TTovrinTXT::AddStrLeft(const QString &S, int P, int T)
{
    if (T < 0 || !cabe(P, T))
        return;
    copiar(S.left(T).leftJustified(T, QLatin1Char(' ')), P);
}

void TTovrinTXT::AddStrRight(const QString &S, int P, int T)
{
    if (T < 0 || !cabe(P, T))
        return;
    copiar(S.right(T).rightJustified(T, QLatin1Char(' ')), P);
}

void TTovrinTXT::AddDate(const QString &S, const QString &F, int P)
{
    QString texto;
    if (F.isEmpty() || F == QLatin1String("DMA"))
        texto = S;
    else if (F == QLatin1String("AMD"))
        texto = S.mid(4, 4) + S.mid(2, 2) + S.mid(0, 2);
    else if (F == QLatin1String("D"))
        texto = S.mid(0, 2);
    else if (F == QLatin1String("M"))
        texto = S.mid(2, 2);
    else if (F == QLatin1String("A"))
        texto = S.mid(4, 4);
    else
        return;
    if (!cabe(P, texto.size()))
        return;
    copiar(texto, P);
}

void TTovrinTXT::WriteLine(int)
{
    if (Arquivo.write(ParaWindows1252(StrLinha) + FimDeLinha) < 0)
        falhaDeArquivo(QStringLiteral("gravar"));
    ++Linhas;
}

QString TTovrinTXT::CopyLine(int arg_pos, int arg_size) const
{
    const int tamanho = arg_size == 0 ? int(StrLinha.size()) : arg_size;
    return StrLinha.mid(arg_pos - 1, tamanho);
}

void TTovrinTXT::ReadFile(const QString &ARQ)
{
    if (Arquivo.isOpen())
        Arquivo.close();
    Arquivo.setFileName(ARQ);
    if (!Arquivo.open(QIODevice::ReadOnly))
        falhaDeArquivo(QStringLiteral("abrir"));
    StrLinha.clear();
}

void TTovrinTXT::ReadLine(int)
{
    QByteArray bytes = Arquivo.readLine();
    if (Arquivo.error() != QFileDevice::NoError)
        falhaDeArquivo(QStringLiteral("ler"));
    m_crlf = bytes.endsWith(FimDeLinha);
    if (m_crlf)
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    StrLinha = DeWindows1252(bytes);
}

bool TTovrinTXT::EndOfFile() const
{
    return !Arquivo.isOpen() || Arquivo.atEnd();
}
