#pragma once
// The record types of a submission file, described once for the writer and for the checker: each
// type's code, its width (its last column holds "*"), its depth in the file and the type it stands under.
#include <QString>

#include <array>

struct TipoRegistro {
    const char *tipo;
    int largura;
    int nivel;       // depth in the file: 000 and 999 are 0, 010 is 1, 020 is 2 ...
    const char *pai; // the record type it must be under; empty for the header and the trailer
};

inline constexpr std::array<TipoRegistro, 9> TiposRegistro = {{
    {"000", 106, 0, ""},
    {"010", 104, 1, ""},
    {"020", 87, 2, "010"},
    {"030", 106, 3, "020"},
    {"040", 128, 3, "020"},
    {"041", 119, 4, "040"},
    {"042", 219, 4, "040"},
    {"043", 48, 5, "041"},
    {"999", 14, 0, ""},
}};

// The type of a code, or null for a code no record has.
inline const TipoRegistro *TipoDoRegistro(const QString &codigo)
{
    for (const TipoRegistro &t : TiposRegistro)
        if (codigo == QLatin1String(t.tipo))
            return &t;
    return nullptr;
}
