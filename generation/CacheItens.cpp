#include "generation/CacheItens.h"

#include "common/Falha.h"
#include "db/Sql.h"
#include "generation/ComandosItens.h"
#include "generation/EscritosGeracao.h"

namespace {

// The slot statement grouped for every staff member at once: the same UNION (equal rows of one staff
// member still count once), summed per registration and event code. uniao: the parts that hold a code.
QString SqlSomasPorMatricula(const QString &uniao)
{
    return Sql::Linhas({
        QStringLiteral("SELECT matricula, codigo, SUM(valor) AS valor"),
        QStringLiteral("  FROM (%1)").arg(uniao),
        QStringLiteral(" WHERE (CODIGO <> ") + Sql::Q(QString()) + ")",
        QStringLiteral(" GROUP BY MATRICULA, CODIGO"),
        QStringLiteral(" ORDER BY MATRICULA, CODIGO"),
    });
}

} // namespace

const QList<SomaEvento> &TCacheItens::somasDosSlots(const QString &folha, const QStringList &complementares,
                                                    const QString &matricula)
{
    static const QList<SomaEvento> nenhuma;
    const QString folhas = folha + QLatin1Char('|') + complementares.join(QLatin1Char(','));
    auto conjunto = m_somas.find(folhas);
    if (conjunto == m_somas.end()) {
        QHash<QString, QList<SomaEvento>> porMatricula;
        RowSet linhas =
            RowSet::abrir(SqlSomasPorMatricula(TComandosSql::SqlSlotsComCodigo(folha, complementares)));
        for (linhas.first(); !linhas.eof(); linhas.next())
            porMatricula[SemBrancosFinais(linhas.texto(QStringLiteral("MATRICULA")))].append(
                {linhas.texto(QStringLiteral("CODIGO")), linhas.dinheiro(QStringLiteral("VALOR"))});
        conjunto = m_somas.insert(folhas, porMatricula);
    }
    const auto somas = conjunto->constFind(SemBrancosFinais(matricula));
    return somas == conjunto->constEnd() ? nenhuma : *somas;
}

DefinicaoEvento TCacheItens::definicaoEvento(const QString &mes, const QString &codigo)
{
    auto eventos = m_definicoes.find(mes);
    if (eventos == m_definicoes.end()) {
        QHash<QString, DefinicaoEvento> porCodigo;
        RowSet linhas =
            RowSet::abrir(QStringLiteral("SELECT CODIGO, TIPOGRAT, NUMGRAT, NATUREZA FROM KVB010%1")
                              .arg(Sql::ValidarFolha(mes)));
        for (linhas.first(); !linhas.eof(); linhas.next()) {
            const QString chave = SemBrancosFinais(linhas.texto(QStringLiteral("CODIGO")));
            if (!linhas.nulo(QStringLiteral("CODIGO")) && !porCodigo.contains(chave))
                porCodigo.insert(chave, {linhas.texto(QStringLiteral("TIPOGRAT")),
                                         linhas.texto(QStringLiteral("NUMGRAT")),
                                         linhas.texto(QStringLiteral("NATUREZA"))});
        }
        eventos = m_definicoes.insert(mes, porCodigo);
    }
    return eventos->value(SemBrancosFinais(codigo));
}

QString TCacheItens::licencaGestante(const QString &mes, const QString &ano, const QString &matricula)
{
    const QString chaveMes = mes + '|' + ano;
    auto licencas = m_licencas.find(chaveMes);
    if (licencas == m_licencas.end()) {
        QHash<QString, QString> porMatricula;
        comPrefixo(QStringLiteral("ERRO ao verificar se servidor está de Licença Maternidade!"), [&] {
            RowSet linhas = RowSet::abrir(TComandosSql::SqlLicencasDoMes(mes, ano));
            for (linhas.first(); !linhas.eof(); linhas.next()) {
                const QString chave = SemBrancosFinais(linhas.texto(QStringLiteral("MATRICULA")));
                const QString codigo = linhas.texto(QStringLiteral("CODIGO"));
                // the first leave of the staff member, unless a later one is maternity leave
                if (!porMatricula.contains(chave) || codigo == QLatin1String("14"))
                    if (porMatricula.value(chave) != QLatin1String("14"))
                        porMatricula.insert(chave, codigo);
            }
        });
        licencas = m_licencas.insert(chaveMes, porMatricula);
    }
    return licencas->value(SemBrancosFinais(matricula));
}

std::optional<int> TCacheItens::fundeb(const QString &mes, const QString &matricula)
{
    auto marcacao = m_fundeb.find(mes);
    if (marcacao == m_fundeb.end()) {
        Fundeb nova;
        const QString folha = Sql::ValidarMes(mes);
        RowSet pessoal = RowSet::abrir(
            QStringLiteral("SELECT matricula, cdsecreta||cdsetor AS lotacao FROM KVB001%1").arg(folha));
        for (pessoal.first(); !pessoal.eof(); pessoal.next())
            nova.lotacoesPorMatricula[SemBrancosFinais(pessoal.texto(QStringLiteral("MATRICULA")))].append(
                pessoal.nulo(QStringLiteral("LOTACAO"))
                    ? QString()
                    : SemBrancosFinais(pessoal.texto(QStringLiteral("LOTACAO"))));
        RowSet lotacoes = RowSet::abrir(
            QStringLiteral("SELECT cdsecreta||cdsetor AS lotacao, fundebecontas FROM KVB006%1").arg(folha));
        for (lotacoes.first(); !lotacoes.eof(); lotacoes.next()) {
            if (lotacoes.nulo(QStringLiteral("LOTACAO")))
                continue;
            const QString lotacao = SemBrancosFinais(lotacoes.texto(QStringLiteral("LOTACAO")));
            if (!nova.fundebPorLotacao.contains(lotacao))
                nova.fundebPorLotacao.insert(lotacao, lotacoes.texto(QStringLiteral("FUNDEBECONTAS")));
        }
        marcacao = m_fundeb.insert(mes, nova);
    }
    const QStringList lotacoes = marcacao->lotacoesPorMatricula.value(SemBrancosFinais(matricula));
    if (lotacoes.size() > 1)
        return std::nullopt;
    if (lotacoes.isEmpty() || lotacoes.first().isNull())
        return 1;
    const auto fundeb = marcacao->fundebPorLotacao.constFind(lotacoes.first());
    return fundeb != marcacao->fundebPorLotacao.constEnd() && *fundeb == QLatin1String("T") ? 2 : 1;
}

const QList<int> &TCacheItens::linhasDaMatricula(const RowSet &conjunto, const QString &matricula)
{
    static const QList<int> nenhuma;
    auto indice = m_linhas.find(&conjunto);
    if (indice == m_linhas.end()) {
        QHash<QString, QList<int>> porMatricula;
        const int coluna = conjunto.indiceCampo(QStringLiteral("MATRICULA"));
        for (int linha = 0; coluna >= 0 && linha < conjunto.quantidadeLinhas(); ++linha)
            porMatricula[SemBrancosFinais(conjunto.textoEm(linha, coluna))].append(linha);
        indice = m_linhas.insert(&conjunto, porMatricula);
    }
    const auto linhas = indice->constFind(SemBrancosFinais(matricula));
    return linhas == indice->constEnd() ? nenhuma : *linhas;
}

const QStringList &TCacheItens::folhasDoConjunto(const RowSet &conjunto)
{
    auto folhas = m_folhas.find(&conjunto);
    if (folhas == m_folhas.end()) {
        QStringList codigos;
        const int coluna = conjunto.indiceCampo(QStringLiteral("MES"));
        for (int linha = 0; coluna >= 0 && linha < conjunto.quantidadeLinhas(); ++linha) {
            const QString codigo = conjunto.textoEm(linha, coluna);
            if (!codigo.isEmpty() && !codigos.contains(codigo))
                codigos << codigo;
        }
        folhas = m_folhas.insert(&conjunto, codigos);
    }
    return *folhas;
}
