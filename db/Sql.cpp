#include "db/Sql.h"

#include "common/Falha.h"
#include "common/uUtil.h"

#include <QRegularExpression>
#include <QSqlError>

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

namespace {
void executarEm(QSqlQuery &consulta, const QString &sql, const QVariantList &parametros)
{
    if (!consulta.prepare(sql))
        throw Falha(TextoDoErro(consulta.lastError()));
    for (const QVariant &p : parametros)
        consulta.addBindValue(p);
    if (!consulta.exec())
        throw Falha(TextoDoErro(consulta.lastError()));
}
} // namespace

void Executar(const QString &sql, const QVariantList &parametros)
{
    QSqlQuery consulta(Conexao());
    executarEm(consulta, sql, parametros);
}

int ExecutarContando(const QString &sql, const QVariantList &parametros)
{
    QSqlQuery consulta(Conexao());
    executarEm(consulta, sql, parametros);
    return consulta.numRowsAffected();
}

Comando::Comando(const QString &sql) : m_consulta(Conexao())
{
    if (!m_consulta.prepare(sql))
        throw Falha(TextoDoErro(m_consulta.lastError()));
}

void Comando::executar(const QVariantList &parametros)
{
    for (int i = 0; i < parametros.size(); ++i)
        m_consulta.bindValue(i, parametros[i]);
    if (!m_consulta.exec())
        throw Falha(TextoDoErro(m_consulta.lastError()));
}

Transacao::Transacao()
{
    if (g_profundidadeTransacao == 0) {
        QSqlDatabase db = Conexao();
        if (!db.transaction())
            throw Falha(TextoDoErro(db.lastError()));
        m_propria = true;
    }
    ++g_profundidadeTransacao;
}

Transacao::~Transacao()
{
    --g_profundidadeTransacao;
    if (m_propria && !m_concluida) {
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
        throw Falha(TextoDoErro(db.lastError()));
    m_concluida = true;
}

bool Transacao::ativa()
{
    return g_profundidadeTransacao > 0;
}

} // namespace Sql
