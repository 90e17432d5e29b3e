#include "db/ComandosControle.h"

#include "db/Sql.h"

#include <QDate>
#include <QDateTime>

namespace TComandosSql {

void CarimbarControle(CarimboControle carimbo, const QString &competencia, const QString &usuario)
{
    const QString coluna = carimbo == CarimboControle::Criticas  ? QStringLiteral("DT_CRITICAS")
                         : carimbo == CarimboControle::Geracao   ? QStringLiteral("DT_GERACAO")
                                                                 : QStringLiteral("DT_EXPORTACAO");
    Sql::Executar(QStringLiteral("UPDATE CTRL_TCMTPA SET %1 = ?, USUARIO = ? WHERE MES_ANO = ?").arg(coluna),
                  {QDateTime(QDate::currentDate(), QTime(0, 0)), usuario, competencia});
}

} // namespace TComandosSql
