#pragma once
// The log of the statements the module runs, category "econtas.sql": each statement with its bound
// values and its time, and each statement the database refused. Beside it, "econtas.geracao": each
// transaction rolled back and each time a run takes its slower, surer path (a record source read by its
// own statement instead of derived, a table read again in the engine's order), with the reason. Both are
// off unless turned on, by QT_LOGGING_RULES="econtas.sql=true;econtas.geracao=true" or by
// AtivarRegistroSql (the batch command's --detalhes).
#include <QLoggingCategory>
#include <QString>
#include <QVariantList>

Q_DECLARE_LOGGING_CATEGORY(lcEcontasSql)
Q_DECLARE_LOGGING_CATEGORY(lcEcontasGeracao)

void AtivarRegistroSql(bool ativo);

// The statement on one line, then its values in order: "SELECT … | valores: 1, 'FEV'".
QString DescreverComando(const QString &sql, const QVariantList &valores);

void RegistrarComando(const QString &sql, const QVariantList &valores, qint64 microssegundos);
void RegistrarFalha(const QString &sql, const QVariantList &valores, const QString &erro);
// "Transação desfeita: …", "Fonte 020 lida por sua própria instrução: …" (econtas.geracao).
void RegistrarDesvio(const QString &texto);
