// The batch command's line read with QCommandLineParser: the four fixed arguments, the verb's own
// arguments and options, and the options every verb takes. Every usage error is found here, before the
// database is opened.
#include "lote/ValidacaoArgumentos.h"
#include "lote/Verbos.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const QString Ajuda = QStringLiteral("ajuda");
const QString Silencioso = QStringLiteral("--silencioso");
const QString Detalhes = QStringLiteral("--detalhes");

QString semTracos(const QString &opcao)
{
    return opcao.mid(opcao.startsWith(QLatin1String("--")) ? 2 : 1);
}

// Every option any verb knows; a name takes a value in every verb that has it or in none.
void declararOpcoes(QCommandLineParser &parser)
{
    QStringList comValor, semValor = {Silencioso, Detalhes};
    for (const DefinicaoVerbo &v : Verbos()) {
        comValor << v.opcoesComValor;
        semValor << v.opcoesSemValor;
    }
    comValor.removeDuplicates();
    semValor.removeDuplicates();
    for (const QString &o : comValor)
        parser.addOption(QCommandLineOption(semTracos(o), QString(), QStringLiteral("valor")));
    for (const QString &o : semValor)
        parser.addOption(QCommandLineOption(semTracos(o)));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), Ajuda}));
}

// The option as it was typed, for a name the parser did not know.
QString comoDigitada(const QStringList &linha, const QString &nome)
{
    for (const QString &a : linha)
        if (a.startsWith(QLatin1Char('-')) && semTracos(a).section(QLatin1Char('='), 0, 0) == nome)
            return a.section(QLatin1Char('='), 0, 0);
    return QStringLiteral("--") + nome;
}

// The options given, checked against the verb's own; flags map to "".
bool lerOpcoes(const QCommandLineParser &parser, const DefinicaoVerbo &verbo, ArgumentosLote &args,
               QString &erro)
{
    for (const QString &nome : parser.optionNames()) {
        const QString opcao = QStringLiteral("--") + nome;
        if (opcao == Silencioso || opcao == Detalhes)
            continue;
        if (verbo.opcoesComValor.contains(opcao)) {
            args.opcoes.insert(opcao, parser.value(nome));
        } else if (verbo.opcoesSemValor.contains(opcao)) {
            args.opcoes.insert(opcao, QString());
        } else {
            erro = QStringLiteral("opção desconhecida para %1: %2").arg(verbo.nome, opcao);
            return false;
        }
    }
    args.sim = args.opcoes.contains(QStringLiteral("--sim"));
    args.json = args.opcoes.contains(QStringLiteral("--json"));
    args.silencioso = parser.isSet(semTracos(Silencioso));
    args.detalhes = parser.isSet(semTracos(Detalhes));
    if (args.silencioso && args.detalhes) {
        erro = QStringLiteral("as opções --silencioso e --detalhes não podem ser usadas juntas");
        return false;
    }
    return true;
}

// What the parser could not read: an option no verb knows, or a value option at the end of the line.
QString erroDaAnalise(const QCommandLineParser &parser, const QStringList &linha, const QString &verbo)
{
    const QStringList desconhecidas = parser.unknownOptionNames();
    if (!desconhecidas.isEmpty())
        return QStringLiteral("opção desconhecida para %1: %2")
            .arg(verbo, comoDigitada(linha, desconhecidas[0]));
    return QStringLiteral("a opção %1 pede um valor").arg(linha.last());
}

} // namespace

bool AnalisarArgumentos(const QStringList &linha, ArgumentosLote &args, QString &erro)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    declararOpcoes(parser);
    const bool lida = parser.parse(QStringList{QStringLiteral("TvEcontasLote")} + linha);
    if (parser.isSet(Ajuda)) {
        args.ajuda = true;
        return true;
    }
    const QStringList posicionais = parser.positionalArguments();
    if (posicionais.size() < 4) {
        erro = QStringLiteral("argumentos insuficientes");
        return false;
    }
    args.banco = posicionais[0];
    args.ano = posicionais[1];
    args.usuario = posicionais[2];
    args.verbo = posicionais[3];
    args.argumentos = posicionais.mid(4);
    const DefinicaoVerbo *verbo = VerboDeNome(args.verbo);
    if (!verbo) {
        erro = QStringLiteral("verbo desconhecido: %1").arg(args.verbo);
        return false;
    }
    static const QRegularExpression ano(QStringLiteral("^[0-9]{4}$"));
    if (!ano.match(args.ano).hasMatch()) {
        erro = QStringLiteral("ano inválido: %1 (quatro dígitos)").arg(args.ano);
        return false;
    }
    if (!lida) {
        erro = erroDaAnalise(parser, linha, args.verbo);
        return false;
    }
    if (!lerOpcoes(parser, *verbo, args, erro))
        return false;
    const int n = int(args.argumentos.size());
    if (n < verbo->minimoArgumentos || (verbo->maximoArgumentos >= 0 && n > verbo->maximoArgumentos)) {
        erro = QStringLiteral("número de argumentos inválido para %1").arg(args.verbo);
        return false;
    }
    return ValidarValoresDoVerbo(*verbo, args, erro);
}
