#pragma once
// The batch command: TvEcontasLote <banco> <ano> <usuario> <verbo> [argumentos] [opções]
#include "db/Conexao.h"
#include "econtas/EstadoEcontas.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

#include "lote/StatusSaida.h"

class OperadorLote;

struct ArgumentosLote {
    QString banco;
    QString ano;
    QString usuario;
    QString verbo;
    QStringList argumentos;        // positional arguments after the verb
    QMap<QString, QString> opcoes; // "--versao" -> text; flags map to ""
    bool sim = false;              // --sim: Yes to every confirmation
    bool ajuda = false;            // --ajuda or -h: the usage text, nothing else
    bool silencioso = false;       // --silencioso: errors only
    bool detalhes = false;         // --detalhes: each step on its own line with its time
    bool json = false;             // --json: one JSON document on stdout
};

struct ContextoLote {
    ArgumentosLote args;
    OperadorLote *operador = nullptr;
    TEstadoEcontas estado;
    std::unique_ptr<TConexao> conexao;
};

QString TextoDeUso();

// `TvEcontasLote --versao` alone asks for the program's version (the verbs' own --versao is the file
// format's).
bool PedeVersaoDoPrograma(const QStringList &linha);
QString TextoDeVersao();

// Parses the command line (without the program name). On a usage error returns false with the reason.
bool AnalisarArgumentos(const QStringList &linha, ArgumentosLote &args, QString &erro);

// Starts as the program does: connects (status 1 on failure) and opens what the main window opens.
// Returns Concluido or the exit status to end with.
StatusSaida IniciarPrograma(ContextoLote &contexto);

// A competence argument MMYYYY with a month 01 to 12.
bool EhCompetenciaValida(const QString &mmYYYY);
