#pragma once
// The one database connection of the process, registered as "FDConn".
// A plain file path opens the database in-process (embedded engine); "host:path" or
// "host/port:path" goes through a Firebird server.
#include <QSqlDatabase>
#include <QString>

class TConexao {
public:
    explicit TConexao(const QString &ADataBase);

    bool Conectar();
    QSqlDatabase getConexao() const; // invalid after a failed connect

    QString Senha() const { return FSenha; }
    QString Driver() const { return FDriver; }
    QString Usuario() const { return FUsuario; }
    QString Conexao() const { return FConexao; }
    QString DataBase() const { return FDataBase; }
    void SetSenha(const QString &v) { FSenha = v; }
    void SetDriver(const QString &v) { FDriver = v; }
    void SetUsuario(const QString &v) { FUsuario = v; }
    void SetConexao(const QString &v) { FConexao = v; }
    void SetDataBase(const QString &v) { FDataBase = v; }

    // Texts of the failed connection, shown in this order (the third by whoever started the program).
    static QString MensagemFalhaConexao(const QString &erro);
    static QString TituloConexaoNaoEstabelecida();
    static QString MensagemConexaoNaoEstabelecida();
    static QString TituloFalhaInicio();
    static QString MensagemFalhaInicio();

private:
    bool FConectado = false;
    QString FSenha;
    QString FDriver;
    QString FUsuario;
    QString FConexao;
    QString FDataBase;
};
