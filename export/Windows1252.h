#pragma once
// Windows-1252, the single-byte code page of the submission files. Every character of the text becomes
// exactly one byte, so a fixed-width line keeps its width on disk: a character the code page lacks
// (each half of a character outside the basic plane included) becomes "?".
#include <QByteArray>
#include <QString>

QByteArray ParaWindows1252(const QString &texto);
QString DeWindows1252(const QByteArray &bytes);
