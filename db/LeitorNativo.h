#pragma once
// The rows of a query that Qt's driver has run, fetched on the driver's own statement (in its
// transaction) when some column holds texts the engine hands over untranslated (character set NONE or
// OCTETS): the driver reads every text as UTF-8 and would turn each byte of another code page into
// U+FFFD. Every value comes as the driver would give it, except that those texts are decoded in the
// office's code page (CodificacaoTextos); one that is not text of that code page raises a Falha naming
// the table, the column and the row's key, before the caller has done anything with the rows.
#include <QVariant>

#include <memory>

class QSqlQuery;

class LeitorNativo {
public:
    // Whether the query has a column of untranslated texts.
    static bool precisa(QSqlQuery &consulta);
    static std::unique_ptr<LeitorNativo> abrir(QSqlQuery &consulta);
    ~LeitorNativo();
    LeitorNativo(const LeitorNativo &) = delete;
    LeitorNativo &operator=(const LeitorNativo &) = delete;

    // The next row; false after the last. A failed fetch or an undecodable text raises a Falha.
    bool proxima();
    QVariant valor(int coluna) const;

private:
    struct Dados;
    explicit LeitorNativo(QSqlQuery &consulta);
    QString descreverFalha(int coluna) const;
    std::unique_ptr<Dados> d;
};
