#pragma once
// A private Firebird SuperServer for one test: a child process listening on a free loopback port, with
// its own root folder (configuration, character sets, security database with SYSDBA) in a temporary
// folder. Stopped by its PID when the object goes.
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class ServidorTeste {
public:
    ServidorTeste();
    ~ServidorTeste();

    // Starts the server; false with erro() when it could not start or another process holds the port.
    bool iniciar();
    void parar(); // SIGTERM, waits for the end
    void matar(); // SIGKILL, as a crash of the server machine would
    QString erro() const { return m_erro; }

    // The connection string of a database file through this server: "127.0.0.1/porta:caminho".
    QString endereco(const QString &caminhoBanco) const;
    static QString senha() { return QStringLiteral("segredo-de-teste"); }

private:
    bool prepararRaiz();
    bool escutandoNaPorta() const;

    QTemporaryDir m_raiz;
    QProcess m_processo;
    int m_porta = 0;
    QString m_erro;
};
