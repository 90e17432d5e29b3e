#include "lote/Lote.h"

#include "common/VersaoPrograma.h"
#include "db/Conexao.h"
#include "db/EncerramentoPorSinal.h"
#include "econtas/Principal.h"
#include "lote/OperadorLote.h"
#include "lote/ValidacaoArgumentos.h"

#include <QRegularExpression>

QString TextoDeUso()
{
    QStringList linhas = {
        QStringLiteral("uso: TvEcontasLote <banco> <ano> <usuario> <verbo> [argumentos] [opções]")};
    for (const DefinicaoVerbo &v : Verbos())
        linhas << QStringLiteral("  ") + v.uso;
    linhas << QStringLiteral("ou:  TvEcontasLote --versao");
    return linhas.join('\n');
}

bool PedeVersaoDoPrograma(const QStringList &linha)
{
    return linha == QStringList{QStringLiteral("--versao")};
}

QString TextoDeVersao()
{
    return QStringLiteral("TvEcontasLote ") + QLatin1String(VersaoPrograma);
}

bool EhCompetenciaValida(const QString &mmYYYY)
{
    static const QRegularExpression padrao(QStringLiteral("^(0[1-9]|1[0-2])[0-9]{4}$"));
    return padrao.match(mmYYYY).hasMatch();
}

bool AnalisarArgumentos(const QStringList &linha, ArgumentosLote &args, QString &erro)
{
    if (linha.size() < 4) {
        erro = QStringLiteral("argumentos insuficientes");
        return false;
    }
    args.banco = linha[0];
    args.ano = linha[1];
    args.usuario = linha[2];
    args.verbo = linha[3];
    const DefinicaoVerbo *verbo = nullptr;
    for (const DefinicaoVerbo &v : Verbos())
        if (v.nome == args.verbo)
            verbo = &v;
    if (!verbo) {
        erro = QStringLiteral("verbo desconhecido: %1").arg(args.verbo);
        return false;
    }
    static const QRegularExpression ano(QStringLiteral("^[0-9]{4}$"));
    if (!ano.match(args.ano).hasMatch()) {
        erro = QStringLiteral("ano inválido: %1 (quatro dígitos)").arg(args.ano);
        return false;
    }
    for (int i = 4; i < linha.size(); ++i) {
        const QString &a = linha[i];
        if (!a.startsWith(QLatin1String("--"))) {
            args.argumentos << a;
            continue;
        }
        if (verbo->opcoesSemValor.contains(a)) {
            args.opcoes.insert(a, QString());
        } else if (verbo->opcoesComValor.contains(a)) {
            if (i + 1 >= linha.size()) {
                erro = QStringLiteral("a opção %1 pede um valor").arg(a);
                return false;
            }
            args.opcoes.insert(a, linha[++i]);
        } else {
            erro = QStringLiteral("opção desconhecida para %1: %2").arg(args.verbo, a);
            return false;
        }
    }
    args.sim = args.opcoes.contains(QStringLiteral("--sim"));
    const int n = int(args.argumentos.size());
    if (n < verbo->minimoArgumentos || (verbo->maximoArgumentos >= 0 && n > verbo->maximoArgumentos)) {
        erro = QStringLiteral("número de argumentos inválido para %1").arg(args.verbo);
        return false;
    }
    return ValidarValoresDoVerbo(args, erro);
}

int IniciarPrograma(ContextoLote &contexto)
{
    contexto.estado.ano_folha = contexto.args.ano;
    contexto.estado.usuario = contexto.args.usuario;
    contexto.conexao = std::make_unique<TConexao>(contexto.args.banco);
    if (!contexto.conexao->getConexao().isValid()) {
        contexto.operador->aviso(TConexao::TituloFalhaInicio(), TConexao::MensagemFalhaInicio());
        return Falhou;
    }
    EncerrarAoReceberSinal();
    ConfiguracoesIniciaris(contexto.estado);
    return Concluido;
}
