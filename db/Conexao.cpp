#include "db/Conexao.h"

#include "common/Falha.h"
#include "common/Operador.h"
#include "db/CodificacaoTextos.h"
#include "db/EncerramentoPorSinal.h"
#include "db/Sql.h"

#include <QSqlError>

TConexao::TConexao(const QString &ADataBase)
    : FSenha(QStringLiteral("vendrolix")), FDriver(QStringLiteral("FB")), FUsuario(QStringLiteral("SYSDBA")),
      FConexao(Sql::NomeConexao), FDataBase(ADataBase)
{
    // The Firebird client's own variables win over the built-in account.
    const QByteArray usuario = qgetenv("ISC_USER");
    const QByteArray senha = qgetenv("ISC_PASSWORD");
    if (!usuario.isEmpty())
        FUsuario = QString::fromLocal8Bit(usuario);
    if (!senha.isEmpty())
        FSenha = QString::fromLocal8Bit(senha);

    if (!Conectar())
        Operador().aviso(TituloConexaoNaoEstabelecida(), MensagemConexaoNaoEstabelecida());
}

bool TConexao::Conectar()
{
    if (QSqlDatabase::contains(FConexao))
        QSqlDatabase::removeDatabase(FConexao);
    QString erro;
    CodificacaoTextos::EsquecerColunas();
    try {
        CodificacaoTextos::ValidarConjunto();
    } catch (const Falha &f) {
        erro = f.mensagem();
    }
    if (erro.isEmpty()) {
        // "FB" names the Firebird client driver.
        const QString driverQt = FDriver == QLatin1String("FB") ? QStringLiteral("QIBASE") : FDriver;
        QSqlDatabase db = QSqlDatabase::addDatabase(driverQt, FConexao);
        if (!db.isValid()) {
            erro = QStringLiteral("driver de banco de dados %1 não disponível").arg(driverQt);
        } else {
            db.setDatabaseName(FDataBase);
            db.setUserName(FUsuario);
            db.setPassword(FSenha);
            db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
            if (db.open()) {
                FConectado = true;
                RetomarSinaisAposConexao();
            } else
                erro = Sql::TextoDoErro(db.lastError());
        }
    }
    if (!FConectado) {
        QSqlDatabase::removeDatabase(FConexao);
        Operador().mensagem(MensagemFalhaConexao(erro));
    }
    return FConectado;
}

QSqlDatabase TConexao::getConexao() const
{
    return FConectado ? QSqlDatabase::database(FConexao, false) : QSqlDatabase();
}

QString TConexao::MensagemFalhaConexao(const QString &erro)
{
    return QStringLiteral("Não foi possível efetuar a conexão. Erro: ") + erro;
}

QString TConexao::TituloConexaoNaoEstabelecida()
{
    return QStringLiteral("Tovrin Sistemas - E-Contas");
}

QString TConexao::MensagemConexaoNaoEstabelecida()
{
    return QStringLiteral("Conexão não estabelecida, contate a Tovrin Sistemas!");
}

QString TConexao::TituloFalhaInicio()
{
    return QStringLiteral("KVB - Módulo e-Contas TCM-PA");
}

QString TConexao::MensagemFalhaInicio()
{
    return QStringLiteral("Ocorreu um erro durante a tentativa de conexão, contate a Tovrin Sistemas!");
}
