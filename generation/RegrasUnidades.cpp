#include "generation/RegrasUnidades.h"

#include "econtas/EstadoEcontas.h"

QString CodigoUnidade(const QString &codigo)
{
    return codigo.mid(1, 5);
}

UnidadeDoRegistro UnidadeAtual(const TEstadoEcontas &estado)
{
    return {estado.competencia, estado.Econtas010.texto(QStringLiteral("cnpj")),
            CodigoUnidade(estado.Econtas010.texto(QStringLiteral("codundgestor"))),
            CodigoUnidade(estado.EContas020.texto(QStringLiteral("codundorca")))};
}

QString TipoDoOrgao(const QString &tipoorgao)
{
    if (tipoorgao == QLatin1String("J"))
        return QStringLiteral("99");
    const QString tipo = tipoorgao.trimmed();
    const int posicao = tipo.isEmpty() ? 0 : int(QStringLiteral("ABCDEFGHI").indexOf(tipo)) + 1;
    return QStringLiteral("%1").arg(posicao, 2, 10, QLatin1Char('0'));
}

QString NomeDaUnidade(TEstadoEcontas &estado, const QString &codigo)
{
    RowSet &unidades = estado.cdsUnidadesGestorasOrcamentarias;
    if (!unidades.aberto() || !unidades.locate({QStringLiteral("CODIGO_UNIDADE")}, {codigo}))
        return QString();
    return unidades.texto(QStringLiteral("DESCRICAO_UNIDADE"));
}
