#pragma once
// Windows-1252, the single-byte code page of the submission files and of the payroll system's texts.
// Every character of the text becomes exactly one byte, so a fixed-width line keeps its width on disk: a
// character the code page lacks (each half of a character outside the basic plane included) becomes "?".
#include <QByteArray>
#include <QString>

#include <optional>

QByteArray ParaWindows1252(const QString &texto);
// The five bytes the code page leaves undefined read as the control characters of the same number.
QString DeWindows1252(const QByteArray &bytes);
// Nothing when a byte is one of the five the code page leaves undefined.
std::optional<QString> DeWindows1252Estrito(const char *bytes, qsizetype tamanho);
