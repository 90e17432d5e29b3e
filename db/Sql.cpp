#include "db/Sql.h"

#include "common/Falha.h"
#include "common/uUtil.h"
#include "db/CodificacaoTextos.h"
#include "db/RegistroSql.h"

#include <QElapsedTimer>

#include <QRegularExpression>
#include <QSqlError>
#include <exception>

namespace Sql {

namespace {
int g_profundidadeTransacao = 0;
}

QSqlDatabase Conexao()
{
    return QSqlDatabase::database(NomeConexao, false);
}

QString Q(const QString &valor)
{
    QString r = valor;
    r.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + r + QLatin1Char('\'');
}

QString Insercao(const QString &tabela, const QStringList &colunas)
{
    QStringList marcas;
    for (const QString &coluna : colunas)
        marcas << CodificacaoTextos::Marcador(tabela, coluna);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(tabela, colunas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
}

QString Atribuicoes(const QString &tabela, const QStringList &colunas, const QString &separador)
{
    QStringList partes;
    for (const QString &coluna : colunas)
        partes << coluna + QStringLiteral(" = ") + CodificacaoTextos::Marcador(tabela, coluna);
    return partes.join(separador);
}

QString Linhas(const QStringList &linhas)
{
    QString r;
    for (const QString &l : linhas)
        r += l + QLatin1Char('\n');
    return r;
}

QString TextoDoErro(const QSqlError &erro)
{
    if (!erro.databaseText().isEmpty())
        return erro.databaseText();
    if (!erro.driverText().isEmpty())
        return erro.driverText();
    return QStringLiteral("erro desconhecido do banco de dados");
}

bool EhConflitoDeBloqueio(const QSqlError &erro)
{
    return EhConflitoDeBloqueio(erro.nativeErrorCode().toInt(), erro.databaseText());
}

bool EhConflitoDeBloqueio(int codigoSql, const QString &texto)
{
    // SQLCODE -913 is a deadlock or an update conflict; a lock conflict of a no-wait transaction comes
    // as SQLCODE -901 and is told by its text.
    if (codigoSql == -913)
        return true;
    for (const char *marca : {"deadlock", "update conflicts with concurrent update",
                              "lock conflict on no wait transaction", "concurrent transaction number"})
        if (texto.contains(QLatin1String(marca), Qt::CaseInsensitive))
            return true;
    return false;
}

QString MensagemConflitoDeBloqueio()
{
    return QStringLiteral("Outra estação de trabalho está alterando os mesmos dados neste momento. "
                          "Aguarde o término e tente novamente.");
}

void LancarFalha(const QSqlError &erro, const QString &comando, const QVariantList &valores)
{
    if (!comando.isEmpty())
        RegistrarFalha(comando, valores, TextoDoErro(erro));
    if (EhConflitoDeBloqueio(erro))
        throw ConflitoDeBloqueio(MensagemConflitoDeBloqueio() + QChar(13) + TextoDoErro(erro), comando,
                                 valores);
    throw Falha(TextoDoErro(erro), comando, valores);
}

bool EhCodigoMes(const QString &codigo)
{
    return ArrayMesNumero.contains(codigo);
}

bool EhCodigoFolhaExtra(const QString &codigo)
{
    static const QRegularExpression padrao(QStringLiteral("^[A-L][CYZ][0-9]$"));
    return padrao.match(codigo).hasMatch();
}

QString ValidarMes(const QString &codigo)
{
    if (!EhCodigoMes(codigo))
        throw Falha(QStringLiteral("Código de mês inválido: \"%1\". Esperado JAN a DEZ.").arg(codigo));
    return codigo;
}

QString ValidarFolha(const QString &codigo)
{
    if (!EhCodigoMes(codigo) && !EhCodigoFolhaExtra(codigo))
        throw Falha(QStringLiteral("Código de folha inválido: \"%1\".").arg(codigo));
    return codigo;
}

void Preparar(QSqlQuery &consulta, const QString &sql, const QVariantList &valores)
{
    if (!consulta.prepare(sql))
        LancarFalha(consulta.lastError(), sql, valores);
}

namespace {

// Every value a documented statement pastes is a quoted text, never NULL: pasted, an empty text is
// '' and `mes = ''` finds the rows of an empty month. Qt's driver would send a null QString as SQL
// NULL, which finds nothing, so a null QString goes as the empty text. SQL NULL is bound only where
// a caller asks for it: Nulo(), or a null value of another type (a date, a number).
QVariant ValorLigado(const QVariant &valor)
{
    if (valor.metaType().id() == QMetaType::QString && valor.toString().isNull())
        return QVariant(QStringLiteral(""));
    return valor;
}

} // namespace

void Rodar(QSqlQuery &consulta, const QVariantList &valores)
{
    for (int i = 0; i < valores.size(); ++i)
        consulta.bindValue(i, ValorLigado(valores[i]));
    QElapsedTimer relogio;
    relogio.start();
    const bool executou = consulta.exec();
    RegistrarComando(consulta.lastQuery(), valores, relogio.nsecsElapsed() / 1000);
    if (!executou)
        LancarFalha(consulta.lastError(), consulta.lastQuery(), valores);
}

void Executar(const QString &sql, const QVariantList &parametros)
{
    QSqlQuery consulta(Conexao());
    Preparar(consulta, sql, parametros);
    Rodar(consulta, parametros);
}

int ExecutarContando(const QString &sql, const QVariantList &parametros)
{
    QSqlQuery consulta(Conexao());
    Preparar(consulta, sql, parametros);
    Rodar(consulta, parametros);
    return consulta.numRowsAffected();
}

Comando::Comando(const QString &sql) : m_consulta(Conexao())
{
    Preparar(m_consulta, sql);
}

void Comando::executar(const QVariantList &parametros)
{
    Rodar(m_consulta, parametros);
}

Transacao::Transacao()
{
    if (g_profundidadeTransacao == 0) {
        QSqlDatabase db = Conexao();
        if (!db.transaction())
            LancarFalha(db.lastError());
        m_propria = true;
    }
    ++g_profundidadeTransacao;
}

Transacao::~Transacao()
{
    --g_profundidadeTransacao;
    if (m_propria && !m_concluida) {
        RegistrarDesvio(
            std::uncaught_exceptions() > 0
                ? QStringLiteral("Transação desfeita: a ação terminou com uma falha ou foi interrompida.")
                : QStringLiteral("Transação desfeita: a ação terminou sem confirmá-la."));
        QSqlDatabase db = Conexao();
        db.rollback();
    }
}

void Transacao::commit()
{
    if (!m_propria || m_concluida)
        return;
    QSqlDatabase db = Conexao();
    if (!db.commit())
        LancarFalha(db.lastError());
    m_concluida = true;
}

bool Transacao::ativa()
{
    return g_profundidadeTransacao > 0;
}

} // namespace Sql
