#pragma once
// Where the batch command's lines go: messages and results to stdout, errors to stderr. With
// --silencioso only the errors are written; with --json the results form one JSON document on stdout
// and the messages the run wrote become its "mensagens".
#include <QJsonValue>
#include <QString>

#include <functional>

struct ModoSaida {
    bool silencioso = false;
    bool json = false;
};

void DefinirModoSaida(const ModoSaida &modo);
bool SaidaEmJson();

// Lines of text as the terminal shows them: the carriage returns inside the system's messages become
// line breaks.
QString TextoParaTerminal(const QString &texto);
void EscreverSaida(const QString &texto);
void EscreverErro(const QString &texto);

// A member of the JSON document (with --json only).
void IncluirNoDocumento(const QString &chave, const QJsonValue &valor);
// The JSON document on stdout, once, at the end of the run (with --json only).
void EscreverDocumento();

// Runs before anything is written to stdout or stderr: the progress line ends its line there.
void DefinirAntesDeEscrever(std::function<void()> acao);
