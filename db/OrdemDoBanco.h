#pragma once
// How the engine orders two values of one column in an ascending ORDER BY, and whether the program can
// be sure of that order under any character set and collation. Sure: NULL before any value; numbers
// by value; dates and times by their calendar fields; two equal texts; two texts of digits and capital
// letters that differ before their trailing blanks. Not sure: any other two texts (case, accents and
// blanks depend on the collation; texts that differ only in trailing blanks tie in the engine, in an
// order of its own), and values of different or other types.
#include <QVariant>

struct OrdemDoBanco {
    // Below zero when a comes first. Always a total preorder, also where the program is not sure, so
    // that rows can be sorted by it before the order is checked.
    int comparacao = 0;
    bool certa = true;
};

OrdemDoBanco CompararComoOBanco(const QVariant &a, const QVariant &b);

// The same value, as a writer reads it: both NULL, or the same type and the same text, number, date
// or time.
bool MesmoValor(const QVariant &a, const QVariant &b);
