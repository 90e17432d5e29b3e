#include "db/RegistroSql.h"

#include <QStringList>

// Info and debug lines stay off unless the rules or AtivarRegistroSql turn them on.
Q_LOGGING_CATEGORY(lcEcontasSql, "econtas.sql", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEcontasGeracao, "econtas.geracao", QtWarningMsg)

void AtivarRegistroSql(bool ativo)
{
    // QT_LOGGING_RULES, when set, still has the last word.
    QLoggingCategory::setFilterRules(ativo ? QStringLiteral("econtas.sql=true\necontas.geracao=true")
                                           : QString());
}

void RegistrarDesvio(const QString &texto)
{
    qCInfo(lcEcontasGeracao).noquote() << texto;
}

namespace {

QString descreverValor(const QVariant &valor)
{
    if (valor.isNull())
        return QStringLiteral("NULL");
    const QString texto = valor.toString();
    return valor.typeId() == QMetaType::QString ? QLatin1Char('\'') + texto + QLatin1Char('\'') : texto;
}

} // namespace

QString DescreverComando(const QString &sql, const QVariantList &valores)
{
    QString linha = sql.simplified();
    if (valores.isEmpty())
        return linha;
    QStringList textos;
    for (const QVariant &valor : valores)
        textos << descreverValor(valor);
    return linha + QStringLiteral(" | valores: ") + textos.join(QStringLiteral(", "));
}

void RegistrarComando(const QString &sql, const QVariantList &valores, qint64 microssegundos)
{
    if (!lcEcontasSql().isInfoEnabled())
        return;
    qCInfo(lcEcontasSql).noquote() << QStringLiteral("%1 ms |").arg(microssegundos / 1000.0, 0, 'f', 3)
                                   << DescreverComando(sql, valores);
}

void RegistrarFalha(const QString &sql, const QVariantList &valores, const QString &erro)
{
    if (!lcEcontasSql().isInfoEnabled())
        return;
    qCInfo(lcEcontasSql).noquote() << QStringLiteral("falhou |") << DescreverComando(sql, valores) << "|"
                                   << erro;
}
