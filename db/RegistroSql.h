#pragma once
// The log of the statements the module runs, category "econtas.sql": each statement with its bound
// values and its time, and each statement the database refused. Off unless turned on, by
// QT_LOGGING_RULES="econtas.sql=true" or by AtivarRegistroSql.
#include <QLoggingCategory>
#include <QString>
#include <QVariantList>

Q_DECLARE_LOGGING_CATEGORY(lcEcontasSql)

void AtivarRegistroSql(bool ativo);

// The statement on one line, then its values in order: "SELECT … | valores: 1, 'FEV'".
QString DescreverComando(const QString &sql, const QVariantList &valores);

void RegistrarComando(const QString &sql, const QVariantList &valores, qint64 microssegundos);
void RegistrarFalha(const QString &sql, const QVariantList &valores, const QString &erro);
