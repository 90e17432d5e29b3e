#pragma once
// The verbs of the batch command, each declared once in the table of Verbos(): its usage line, its
// arguments and options, what it needs before it runs and the function that does its work. A new verb
// is one row of that table and one function Verbo<Nome> in a file lote/Verbo<Nome>.cpp of its own.
#include "lote/Lote.h"
#include "lote/StatusSaida.h"

// What the dispatcher provides before the verb's function runs (each one implies those before it): the
// program started as the main window starts it, the competence of the first argument selected as a click
// on the month list would, the month through the critique (the window's generation button), the month
// generated (its export button).
enum class Requisito { Programa, Competencia, CompetenciaCriticada, CompetenciaGerada };

using FuncaoVerbo = StatusSaida (*)(ContextoLote &);
// A check of the verb's own values, made with the command line before the database is opened; false
// with the reason for a usage error.
using ValidacaoVerbo = bool (*)(const ArgumentosLote &, QString &erro);

struct DefinicaoVerbo {
    QString nome = {};
    QString uso = {}; // the verb's line in the usage text
    int minimoArgumentos = 0;
    int maximoArgumentos = 0;        // -1: any number
    QStringList opcoesComValor = {}; // options that take a value
    QStringList opcoesSemValor = {}; // flags
    Requisito requer = Requisito::Programa;
    bool mostraProgresso = false; // a live progress line on a terminal
    ValidacaoVerbo validar = nullptr;
    FuncaoVerbo executar = nullptr;
};

// Every verb the command knows, in the order of the usage text.
const QList<DefinicaoVerbo> &Verbos();
const DefinicaoVerbo *VerboDeNome(const QString &nome);

// Runs the verb of the command line: starts the program, provides what the verb requires and calls its
// function. A failure is told on stderr and ends with Falhou (CompetenciaOcupada for a competence in use
// elsewhere, InterrompidoPeloFluxo for a run the operator ended).
StatusSaida ExecutarVerbo(ContextoLote &contexto);

// Checks shared by verbs: the second argument is the export's base folder.
bool ValidarPastaNoSegundoArgumento(const ArgumentosLote &args, QString &erro);

StatusSaida VerboComplementares(ContextoLote &contexto);
StatusSaida VerboCriticas(ContextoLote &contexto);
StatusSaida VerboDesfazer(ContextoLote &contexto);
StatusSaida VerboExportar(ContextoLote &contexto);
StatusSaida VerboGerar(ContextoLote &contexto);
StatusSaida VerboMeses(ContextoLote &contexto);
StatusSaida VerboProcessar(ContextoLote &contexto);
StatusSaida VerboResumo(ContextoLote &contexto);
StatusSaida VerboUnidades(ContextoLote &contexto);
bool ValidarTipoDeUnidade(const ArgumentosLote &args, QString &erro);
StatusSaida VerboVerificar(ContextoLote &contexto);
