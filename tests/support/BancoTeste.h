#pragma once
// A fresh embedded Firebird database for one test, in a temporary folder, with every base table and
// the tables of the sheets asked for. The connection FDConn is open on it while the object lives.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

class TConexao;

// A month's row of the control table CTRL_TCMTPA: an empty text or an invalid date is left NULL.
struct LinhaControle {
    QString mesAno = {};
    QString cnpj = {};
    QString geral = QStringLiteral("F");
    QDate criticas = {};
    QDate geracao = {};
    QDate exportacao = {};
    QString usuario = {};
};

class BancoTeste {
public:
    // sheets: the sheet codes whose four tables are created ("JAN", "AC1", …)
    explicit BancoTeste(const QStringList &folhas = {QStringLiteral("JAN")});
    ~BancoTeste();

    QString caminho() const { return m_caminho; }
    QString pasta() const { return m_pasta.path(); }

    void criarFolha(const QString &codigo);
    void executar(const QString &sql);
    // INSERT INTO tabela (columns) VALUES (...) with the values bound.
    void inserir(const QString &tabela, const QVariantMap &valores);
    void controle(const LinhaControle &linha);
    // First column of the first row of a query, or an invalid QVariant.
    QVariant valor(const QString &sql);
    // Every row of a query as "col=value|col=value" lines, for compact assertions.
    QStringList linhas(const QString &sql);
    int contar(const QString &tabela, const QString &condicao = QString());

    // Closes FDConn so another process can open the file; reabrir() connects again.
    void fechar();
    void reabrir();

private:
    QTemporaryDir m_pasta;
    QString m_caminho;
    std::unique_ptr<TConexao> m_conexao;
};
