#include "lote/Lote.h"

#include "common/VersaoPrograma.h"
#include "db/Conexao.h"
#include "econtas/Principal.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"

#include <QRegularExpression>

QString TextoDeUso()
{
    QStringList linhas = {
        QStringLiteral("uso: TvEcontasLote <banco> <ano> <usuario> <verbo> [argumentos] [opções]")};
    for (const DefinicaoVerbo &v : Verbos())
        linhas << QStringLiteral("  ") + v.uso;
    linhas << QStringLiteral("opções de todos os verbos: --silencioso (só os erros), --detalhes (cada etapa "
                             "com seu tempo)")
           << QStringLiteral(
                  "ambiente: ISC_USER e ISC_PASSWORD (usuário e senha do banco), ECONTAS_CONJUNTO "
                  "(WIN1252, ISO8859_1 ou UTF8: em que o sistema de folha grava os textos de um banco "
                  "sem conjunto de caracteres; padrão WIN1252)")
           << QStringLiteral("ou:  TvEcontasLote --versao")
           << QStringLiteral("ou:  TvEcontasLote --ajuda | -h");
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

StatusSaida IniciarPrograma(ContextoLote &contexto)
{
    contexto.estado.ano_folha = contexto.args.ano;
    contexto.estado.usuario = contexto.args.usuario;
    contexto.conexao = std::make_unique<TConexao>(contexto.args.banco);
    if (!contexto.conexao->getConexao().isValid()) {
        contexto.operador->aviso(TConexao::TituloFalhaInicio(), TConexao::MensagemFalhaInicio());
        return StatusSaida::Falhou;
    }
    ConfiguracoesIniciaris(contexto.estado);
    return StatusSaida::Concluido;
}
