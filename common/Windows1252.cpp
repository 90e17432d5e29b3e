#include "common/Windows1252.h"

#include <array>

namespace {

// Characters of the bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> FaixaEspecial = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char byteDe(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (size_t i = 0; i < FaixaEspecial.size(); ++i)
        if (FaixaEspecial[i] != 0 && FaixaEspecial[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray ParaWindows1252(const QString &texto)
{
    QByteArray bytes(texto.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texto.size(); ++i)
        bytes[i] = byteDe(texto[i].unicode());
    return bytes;
}

std::optional<QString> DeWindows1252Estrito(const char *bytes, qsizetype tamanho)
{
    QString texto(tamanho, Qt::Uninitialized);
    for (qsizetype i = 0; i < tamanho; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F) {
            c = FaixaEspecial[b - 0x80];
            if (c == 0)
                return std::nullopt;
        }
        texto[i] = QChar(c);
    }
    return texto;
}

QString DeWindows1252(const QByteArray &bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && FaixaEspecial[b - 0x80] != 0)
            c = FaixaEspecial[b - 0x80];
        texto[i] = QChar(c);
    }
    return texto;
}
