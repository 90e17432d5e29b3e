#include "BancoTeste.h"

#include "common/Falha.h"
#include "common/Operador.h"
#include "db/Conexao.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "fixtures/lib/Esquema.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QtTest>

namespace {

// The empty database with the base tables, made once per test process and copied for each test.
QString modelo()
{
    static QTemporaryDir pasta;
    static QString caminho;
    if (caminho.isEmpty()) {
        caminho = pasta.filePath(QStringLiteral("modelo.fdb"));
        Esquema::CriarBancoVazio(caminho);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("modelo"));
            db.setDatabaseName(caminho);
            db.setUserName(QStringLiteral("SYSDBA"));
            db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
            if (!db.open())
                qFatal("cannot open template database: %s", qPrintable(Sql::TextoDoErro(db.lastError())));
            for (const QString &ddl : Esquema::DdlTabelasBase()) {
                QSqlQuery q(db);
                if (!q.exec(ddl))
                    qFatal("template DDL failed: %s", qPrintable(Sql::TextoDoErro(q.lastError())));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("modelo"));
    }
    return caminho;
}

} // namespace

BancoTeste::BancoTeste(const QStringList &folhas)
{
    m_caminho = m_pasta.filePath(QStringLiteral("teste.fdb"));
    if (!QFile::copy(modelo(), m_caminho))
        qFatal("cannot copy template database");
    QFile::setPermissions(m_caminho, QFile::ReadOwner | QFile::WriteOwner);
    reabrir();
    for (const QString &f : folhas)
        criarFolha(f);
}

BancoTeste::~BancoTeste()
{
    fechar();
}

void BancoTeste::fechar()
{
    if (!m_conexao)
        return;
    m_conexao.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(Sql::NomeConexao, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(Sql::NomeConexao);
}

void BancoTeste::reabrir()
{
    if (!OperadorInstalado())
        qFatal("create an OperadorTeste before a BancoTeste");
    m_conexao = std::make_unique<TConexao>(m_caminho);
    if (!m_conexao->getConexao().isOpen())
        qFatal("cannot open test database %s", qPrintable(m_caminho));
}

void BancoTeste::criarFolha(const QString &codigo)
{
    Esquema::CriarFolha(codigo);
}

void BancoTeste::executar(const QString &sql)
{
    try {
        Sql::Executar(sql);
    } catch (const Falha &f) {
        qFatal("fixture statement failed: %s\n%s", qPrintable(f.mensagem()), qPrintable(sql));
    }
}

void BancoTeste::inserir(const QString &tabela, const QVariantMap &valores)
{
    QStringList colunas;
    QVariantList parametros;
    for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
        colunas << it.key();
        parametros << it.value();
    }
    const QString sql = Sql::Insercao(tabela, colunas);
    try {
        Sql::Executar(sql, parametros);
    } catch (const Falha &f) {
        qFatal("fixture insert failed: %s\n%s", qPrintable(f.mensagem()), qPrintable(sql));
    }
}

void BancoTeste::controle(const LinhaControle &l)
{
    QVariantMap campos = {{QStringLiteral("MES_ANO"), l.mesAno}};
    const auto texto = [&](const char *coluna, const QString &valor) {
        if (!valor.isEmpty())
            campos.insert(QLatin1String(coluna), valor);
    };
    const auto data = [&](const char *coluna, const QDate &dia) {
        if (dia.isValid())
            campos.insert(QLatin1String(coluna), QDateTime(dia, QTime(0, 0)));
    };
    texto("CNPJ", l.cnpj);
    texto("GERAL", l.geral);
    texto("USUARIO", l.usuario);
    data("DT_CRITICAS", l.criticas);
    data("DT_GERACAO", l.geracao);
    data("DT_EXPORTACAO", l.exportacao);
    inserir(QStringLiteral("CTRL_TCMTPA"), campos);
}

QVariant BancoTeste::valor(const QString &sql)
{
    RowSet r = RowSet::abrir(sql);
    r.first();
    return r.eof() ? QVariant() : r.valor(0);
}

QStringList BancoTeste::linhas(const QString &sql)
{
    RowSet r = RowSet::abrir(sql);
    QStringList resultado;
    for (r.first(); !r.eof(); r.next()) {
        QStringList partes;
        for (int c = 0; c < r.quantidadeCampos(); ++c) {
            const QVariant v = r.valor(c);
            QString texto = v.isNull() ? QStringLiteral("NULL") : v.toString();
            if (v.metaType().id() == QMetaType::QDateTime && !v.isNull())
                texto = v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            partes << r.campos()[c].toUpper() + '=' + texto;
        }
        resultado << partes.join('|');
    }
    return resultado;
}

int BancoTeste::contar(const QString &tabela, const QString &condicao)
{
    const QString sql =
        QStringLiteral("SELECT COUNT(*) FROM %1%2")
            .arg(tabela, condicao.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condicao);
    return valor(sql).toInt();
}
