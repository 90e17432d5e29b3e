#pragma once
// Every save dialog of the program: Qt's own dialog, in Portuguese whatever the machine's locale (the
// kind of a folder, dates and sizes written the Brazilian way, its columns wide enough for their
// headers), starting in the last folder the operator used, which is remembered between sessions
// (QSettings, per operator). Tests give the answer of the next dialog instead of a person.
#include <QString>

class QWidget;

namespace DialogoSalvar {

// What a dialog starts in and remembers: the folder of the last file saved, or the folder the last
// export went into.
enum class Memoria { Arquivos, Exportacao };

// The path chosen, or empty when the operator cancels. The dialog opens in the remembered folder with
// the suggested name, and the folder of the path chosen is remembered.
QString Escolher(QWidget *pai, const QString &titulo, const QString &nomeSugerido, const QString &filtro = {},
                 Memoria memoria = Memoria::Arquivos);

// The folder the next dialog of that kind starts in: the remembered one, else the operator's home.
QString PastaInicial(Memoria memoria);

// Whose folders are remembered: the operator of the command line.
void DefinirOperador(const QString &usuario);

// Tests: the next dialog answers this without being shown (an empty text is a cancel).
void DefinirProximaResposta(const QString &caminho);

} // namespace DialogoSalvar
