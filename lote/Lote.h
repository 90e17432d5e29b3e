#pragma once
// The batch command: TvEcontasLote <banco> <ano> <usuario> <verbo> [argumentos] [opções]
#include "db/Conexao.h"
#include "econtas/EstadoEcontas.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class OperadorLote;

enum SaidaLote {
    Concluido = 0,
    Falhou = 1,
    ErroDeUso = 2,
    InterrompidoPeloFluxo = 3,
    CompetenciaOcupada = 4, // another workstation is working on the competence
};

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

using ExecutarVerbo = int (*)(ContextoLote &);

struct DefinicaoVerbo {
    QString nome;
    QString uso; // the verb's line in the usage text
    int minimoArgumentos;
    int maximoArgumentos;       // -1: any number
    QStringList opcoesComValor; // options that take a value
    QStringList opcoesSemValor; // flags
    ExecutarVerbo executar;
};

// Every verb the command knows, in the order of the usage text.
const QList<DefinicaoVerbo> &Verbos();
QString TextoDeUso();

// `TvEcontasLote --versao` alone asks for the program's version (the verbs' own --versao is the file
// format's).
bool PedeVersaoDoPrograma(const QStringList &linha);
QString TextoDeVersao();

// Parses the command line (without the program name). On a usage error returns false with the reason.
bool AnalisarArgumentos(const QStringList &linha, ArgumentosLote &args, QString &erro);

// Starts as the program does: connects (status 1 on failure) and opens what the main window opens.
// Returns Concluido or the exit status to end with.
int IniciarPrograma(ContextoLote &contexto);

// A competence argument MMYYYY with a month 01 to 12.
bool EhCompetenciaValida(const QString &mmYYYY);
