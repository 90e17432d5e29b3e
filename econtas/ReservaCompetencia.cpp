#include "econtas/ReservaCompetencia.h"

#include "common/Falha.h"
#include "db/Sql.h"
#include "db/StatusFirebird.h"

#include <QRegularExpression>
#include <QSqlDriver>

namespace TComandosSql {

namespace {

// The driver's attachment (a handle value: a copy serves as well as the driver's own).
isc_db_handle HandleNativo()
{
    QSqlDatabase banco = Sql::Conexao();
    QVariant handle = banco.driver()->handle();
    if (banco.driverName() != QLatin1String("QIBASE") || !handle.isValid() ||
        handle.metaType().sizeOf() != int(sizeof(isc_db_handle)))
        throw Falha(QStringLiteral("A conexão não é do Firebird: não é possível reservar a competência."));
    return *static_cast<const isc_db_handle *>(handle.constData());
}

// The driver starts its transactions waiting for locks, so the run's own lock would wait for the other
// workstation's whole run. A short transaction of our own that does not wait tries the same lock first
// and is rolled back at once: a conflict there is the other workstation, and the run stops before
// anything else happens.
void SondarSemEsperar(const QString &competencia)
{
    static const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                               isc_tpb_nowait};
    ISC_STATUS_ARRAY status = {};
    isc_db_handle banco = HandleNativo();
    isc_tr_handle transacao = 0;
    if (isc_start_transaction(status, &transacao, 1, &banco, short(sizeof tpb), tpb))
        throw Falha(Sql::TextoDoStatus(status));
    const QByteArray sql = SqlReservaCompetencia(competencia).toUtf8();
    ISC_STATUS_ARRAY statusComando = {};
    const bool falhou = isc_dsql_execute_immediate(statusComando, &banco, &transacao, 0, sql.constData(),
                                                   SQL_DIALECT_V6, nullptr) != 0;
    isc_rollback_transaction(status, &transacao);
    if (!falhou)
        return;
    if (Sql::EhConflitoDeBloqueio(statusComando))
        throw CompetenciaEmUso(MensagemCompetenciaEmUso(competencia) + QChar(13) +
                               Sql::TextoDoStatus(statusComando));
    throw Falha(Sql::TextoDoStatus(statusComando));
}

} // namespace

QString SqlReservaCompetencia(const QString &competencia)
{
    // The no-wait probe runs this text directly, without parameters: only a competence of six digits
    // goes into it.
    static const QRegularExpression seisDigitos(QStringLiteral("^[0-9]{6}$"));
    if (!seisDigitos.match(competencia).hasMatch())
        throw Falha(QStringLiteral("Competência inválida: \"%1\".").arg(competencia));
    return Sql::Linhas({
        QStringLiteral("EXECUTE BLOCK AS"),
        QStringLiteral("  DECLARE VARIABLE mes_ano VARCHAR(6);"),
        QStringLiteral("BEGIN"),
        QStringLiteral("  FOR SELECT mes_ano FROM CTRL_TCMTPA WHERE mes_ano = %1 WITH LOCK")
            .arg(Sql::Q(competencia)),
        QStringLiteral("      INTO :mes_ano DO"),
        QStringLiteral("    mes_ano = NULL;"),
        QStringLiteral("END"),
    });
}

QString MensagemCompetenciaEmUso(const QString &competencia)
{
    return QStringLiteral("A competência %1/%2 está em uso por outra estação de trabalho. "
                          "Tente novamente quando ela terminar.")
        .arg(competencia.left(2), competencia.mid(2));
}

void ReservarCompetencia(const QString &competencia)
{
    if (!Sql::Transacao::ativa())
        throw Falha(QStringLiteral("A reserva da competência pede uma transação aberta."));
    SondarSemEsperar(competencia);
    // Between the probe and this lock another workstation may have started: the lock then waits for
    // it, and a conflict it ends with is the same refusal.
    try {
        Sql::Executar(SqlReservaCompetencia(competencia));
    } catch (const ConflitoDeBloqueio &f) {
        throw CompetenciaEmUso(MensagemCompetenciaEmUso(competencia) + QChar(13) +
                               f.mensagem().section(QChar(13), 1));
    }
}

} // namespace TComandosSql
