#pragma once
// TTovrinTXT composes fixed-width text files line by line: a line is a buffer of a known width,
// pre-filled with spaces, into which fields are written at 1-based columns; the finished line is
// appended to the file. It also reads a text file back line by line.
//
// Files are Windows-1252 (one byte per character, "?" for what the code page lacks) and every line,
// the last included, ends with CR LF. Nothing else is written. File operations that fail raise a
// Falha naming the file and the system's reason; the adding operations never fail: a field that would
// end past the end of the buffer is dropped whole.
#include <QFile>
#include <QString>

class TTovrinTXT {
public:
    // Writing
    void ResetFile(const QString &CAMINHO);
    void WriteFile(const QString &ARQ = QString());
    void SetCol(int N) { Colunas = N > 0 ? N : 0; }
    void NewLine() { StrLinha = QString(Colunas, QLatin1Char(' ')); }
    void AddNum(qint64 N, int P, int T);
    void AddStr(const QString &S, int P, int T) { AddStrLeft(S, P, T); }
    void AddStrLeft(const QString &S, int P, int T);
    void AddStrRight(const QString &S, int P, int T);
    // S: eight characters day, month, year. F: "DMA" or empty (as is), "AMD", "D", "M" or "A";
    // any other code writes nothing.
    void AddDate(const QString &S, const QString &F, int P);
    void WriteLine(int N = 0);
    // arg_size 0 stands for the whole length of the buffer.
    QString CopyLine(int arg_pos, int arg_size) const;

    // Reading
    void ReadFile(const QString &ARQ);
    void ReadLine(int N = 0);
    bool EndOfFile() const;
    // Whether the line last read ended with CR LF (a bare LF, or no line end at all, is false).
    bool TerminouComCRLF() const { return m_crlf; }

    int colunas() const { return Colunas; }
    int linhas() const { return Linhas; }
    const QString &strLinha() const { return StrLinha; }

private:
    bool cabe(int P, qsizetype largura) const;
    void copiar(const QString &campo, int P);
    [[noreturn]] void falhaDeArquivo(const QString &acao) const;

    QFile Arquivo;
    int Colunas = 0;
    int Linhas = 0;
    QString StrLinha;
    bool m_crlf = false;
};
