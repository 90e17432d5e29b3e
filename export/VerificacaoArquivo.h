#pragma once
// The structural check of a submission file, read back through TTovrinTXT: the width of each record
// type, "*" in the last column, CR LF at the end of every line, sequence numbers 1 to n, the header
// first, the trailer last with the number of lines, and every record under its parent (020 under a
// 010, 030 and 040 under a 020, 041 and 042 under a 040, 043 under a 041).
#include <QList>
#include <QString>
#include <QStringList>

struct ProblemaArquivo {
    int linha = 0; // 1-based; 0 when the problem is the file as a whole
    QString texto;
    bool operator==(const ProblemaArquivo &) const = default;
};

// Every problem found, in line order; empty when the file is sound. A file that cannot be read is
// one problem at line 0.
QList<ProblemaArquivo> VerificarArquivoEcontas(const QString &caminho);

// "<arquivo>: linha <n>: <problema>" (without the line part for line 0).
QStringList DescreverProblemas(const QString &arquivo, const QList<ProblemaArquivo> &problemas);
