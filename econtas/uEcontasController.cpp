#include "econtas/uEcontasController.h"

#include "common/Falha.h"
#include "db/Datas.h"
#include "db/RowSet.h"

#include <QDateTime>
#include <QStringList>
#include <QVariantList>

namespace {

const QString PrefixoInserir = QStringLiteral("Error ao inserir e-contas. ");
const QString PrefixoDeletar = QStringLiteral("Error ao deletar e-contas. ");

QString SqlInsercao(const QString &tabela, const QStringList &colunas)
{
    QStringList marcas;
    for (qsizetype i = 0; i < colunas.size(); ++i)
        marcas << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(tabela, colunas.join(", "), marcas.join(", "));
}

// "A = ?, B = ?" for the SET part and "A = ? AND B = ?" for the WHERE part.
QString Atribuicoes(const QStringList &colunas, const QString &separador)
{
    QStringList partes;
    for (const QString &coluna : colunas)
        partes << coluna + QStringLiteral(" = ?");
    return partes.join(separador);
}

// The payment date of a key is compared NULL-safe: a row stored without a date is found by a key of 0.
QString SqlAtualizacao(const QString &tabela, const QStringList &valores, const QStringList &chaveSemData)
{
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 AND DTPAGTO IS NOT DISTINCT FROM ? ROWS 1")
        .arg(tabela, Atribuicoes(valores, ", "), Atribuicoes(chaveSemData, " AND "));
}

// Text is written as text: an empty property is an empty string, never NULL.
QVariant Texto(const QString &valor)
{
    return valor.isNull() ? QVariant(QStringLiteral("")) : QVariant(valor);
}

QVariant Valor(const Dinheiro &valor)
{
    return valor.paraTexto();
}

// The creation date of a position is always a date: no date is the day 30 December 1899.
QVariant DataSempre(DataDias dias)
{
    return DiasParaDataHora(dias);
}

// Items keep only the calendar day of the payment date.
QVariant DiaDoPagamento(DataDias dias)
{
    if (dias == 0)
        return DiasParaParametro(0);
    return QDateTime(DiasParaData(dias), QTime(0, 0));
}

QVariant NuloSeMenosUm(int valor)
{
    return valor == -1 ? QVariant(QMetaType(QMetaType::Int)) : QVariant(valor);
}

const QStringList Colunas010 = {"COMPETENCIA", "CNPJ", "UG", "DESCRICAO", "TIPO", "CODTCM"};
const QStringList Colunas020 = {"COMPETENCIA", "CNPJ", "UG", "UO", "DESCRICAO", "TIPO", "CODTCM"};
const QStringList Colunas030 = {"COMPETENCIA", "CNPJ", "UG",       "UO",     "CODIGO",
                                "DESCRICAO",   "TIPO", "TOTVAGAS", "NUMATO", "DTATO"};
const QStringList Colunas040 = {"COMPETENCIA", "CNPJ", "UG",     "UO",         "MATRICULA",  "CPF",
                                "NOME",        "SEXO", "DTNASC", "DTADMISSAO", "DTDEMISSAO", "PISPASEP"};
const QStringList Colunas041 = {"COMPETENCIA", "CNPJ",        "UG",        "UO",          "MATRICULA",
                                "TIPOPAGTO",   "DTPAGTO",     "REMUNBASE", "TOTGRATFUNC", "TOTOUTREMU",
                                "TOTDESC",     "CONTRIBPREV", "IRRF",      "DEPIR",       "FUNDEB",
                                "SITUACAO",    "CODCARGO",    "NUMPROC"};
const QStringList Colunas042 = {"COMPETENCIA", "CNPJ",  "UG",     "UO",      "MATRICULA", "DTPAGTO", "VALOR",
                                "NUMATO",      "DTATO", "MOTIVO", "DESTINO", "INICIO",    "FIM"};
const QStringList Colunas043 = {"COMPETENCIA", "CNPJ",      "UG",       "UO",    "MATRICULA", "TIPOPAGTO",
                                "DTPAGTO",     "CODEVENTO", "TIPOGRAT", "VALOR", "CODGRAT",   "DESCONTO"};
const QStringList ColunasComplementares = {"ANO", "NUMMES", "MES", "CNPJ", "GERAL"};

const QStringList Valores041 = {"REMUNBASE", "TOTGRATFUNC", "TOTOUTREMU", "TOTDESC",  "CONTRIBPREV", "IRRF",
                                "DEPIR",     "FUNDEB",      "SITUACAO",   "CODCARGO", "NUMPROC"};
const QStringList ChaveSemData041 = {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO"};
const QStringList ChaveSemData043 = {"COMPETENCIA", "CNPJ",      "UG",       "UO",
                                     "MATRICULA",   "TIPOPAGTO", "CODEVENTO"};
const QStringList ChaveComplementares = {"ANO", "NUMMES", "MES", "CNPJ"};

} // namespace

// One slot per statement, prepared on first use.
struct TEcontasController::Comandos {
    std::unique_ptr<Sql::Comando> inserir010, inserir020, inserir030, inserir040, inserir041, inserir042,
        inserir043, atualizar041, atualizar043, atualizarComplementar, inserirComplementar,
        deletarComplementar;

    static Sql::Comando &preparado(std::unique_ptr<Sql::Comando> &slot, const QString &sql)
    {
        if (!slot)
            slot = std::make_unique<Sql::Comando>(sql);
        return *slot;
    }
    static void gravar(std::unique_ptr<Sql::Comando> &slot, const QString &sql, const QVariantList &valores)
    {
        comPrefixo(PrefixoInserir, [&] { preparado(slot, sql).executar(valores); });
    }
};

TEcontasController::TEcontasController() : m_comandos(std::make_unique<Comandos>()) {}
TEcontasController::~TEcontasController() = default;

void TEcontasController::inserir(const TEContas10 &r)
{
    Comandos::gravar(m_comandos->inserir010, SqlInsercao("ECONTAS_010", Colunas010),
                     {Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.descricao()),
                      Texto(r.tipo()), Texto(r.codtcm())});
}

void TEcontasController::inserir(const TEContas20 &r)
{
    Comandos::gravar(m_comandos->inserir020, SqlInsercao("ECONTAS_020", Colunas020),
                     {Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.uo()),
                      Texto(r.descricao()), Texto(r.tipo()), Texto(r.codtcm())});
}

void TEcontasController::inserir(const TEContas30 &r)
{
    Comandos::gravar(m_comandos->inserir030, SqlInsercao("ECONTAS_030", Colunas030),
                     {Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.uo()),
                      Texto(r.codigo()), Texto(r.descricao()), Texto(r.tipo()), r.totvagas(),
                      Texto(r.numato()), DataSempre(r.dtato())});
}

void TEcontasController::inserir(const TEContas40 &r)
{
    Comandos::gravar(m_comandos->inserir040, SqlInsercao("ECONTAS_040", Colunas040),
                     {Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.uo()),
                      Texto(r.matricula()), Texto(r.cpf()), Texto(r.nome()), r.sexo(),
                      DiasParaParametro(r.dtnasc()), DiasParaParametro(r.dtadmissao()),
                      DiasParaParametro(r.dtdemissao()), Texto(r.pispasep())});
}

void TEcontasController::inserir(const TEContas41 &r)
{
    Comandos::gravar(m_comandos->inserir041, SqlInsercao("ECONTAS_041", Colunas041),
                     {Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.uo()),
                      Texto(r.matricula()), r.tipopagto(), DiasParaParametro(r.dtpagto()),
                      Valor(r.remunbase()), Valor(r.totgratfunc()), Valor(r.totoutremu()), Valor(r.totdesc()),
                      Valor(r.contribprev()), Valor(r.irrf()), r.depir(), r.fundeb(), r.situacao(),
                      Texto(r.codcargo()), Texto(r.numproc())});
}

void TEcontasController::inserir(const TEContas42 &r)
{
    Comandos::gravar(m_comandos->inserir042, SqlInsercao("ECONTAS_042", Colunas042),
                     {Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.uo()),
                      Texto(r.matricula()), DiasParaParametro(r.dtpagto()), Valor(r.valor()),
                      Texto(r.numato()), DiasParaParametro(r.dtato()), Texto(r.motivo()), Texto(r.destino()),
                      DiasParaParametro(r.inicio()), DiasParaParametro(r.fim())});
}

void TEcontasController::inserir(const TEContas43 &r)
{
    Comandos::gravar(m_comandos->inserir043, SqlInsercao("ECONTAS_043", Colunas043),
                     {Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.uo()),
                      Texto(r.matricula()), r.tipopagto(), DiaDoPagamento(r.dtpagto()), Texto(r.codevento()),
                      NuloSeMenosUm(r.tipograt()), Valor(r.valor()), NuloSeMenosUm(r.codgrat()),
                      r.desconto().isEmpty() ? QStringLiteral("F") : r.desconto()});
}

void TEcontasController::atualizar(const TEContas41 &r)
{
    Comandos::gravar(m_comandos->atualizar041, SqlAtualizacao("ECONTAS_041", Valores041, ChaveSemData041),
                     {Valor(r.remunbase()), Valor(r.totgratfunc()), Valor(r.totoutremu()), Valor(r.totdesc()),
                      Valor(r.contribprev()), Valor(r.irrf()), r.depir(), r.fundeb(), r.situacao(),
                      Texto(r.codcargo()), Texto(r.numproc()), Texto(r.competencia()), Texto(r.cnpj()),
                      Texto(r.ug()), Texto(r.uo()), Texto(r.matricula()), r.tipopagto(),
                      DiasParaParametro(r.dtpagto())});
}

// The row was stored with the calendar day of its payment date, so the key uses that same day.
void TEcontasController::atualizar(const TEContas43 &r)
{
    Comandos::gravar(m_comandos->atualizar043, SqlAtualizacao("ECONTAS_043", {"VALOR"}, ChaveSemData043),
                     {Valor(r.valor()), Texto(r.competencia()), Texto(r.cnpj()), Texto(r.ug()), Texto(r.uo()),
                      Texto(r.matricula()), r.tipopagto(), Texto(r.codevento()),
                      DiaDoPagamento(r.dtpagto())});
}

void TEcontasController::inserir(const TEcontasComplementares &r)
{
    const QVariantList chave = {Texto(r.ano()), Texto(r.nummes()), Texto(r.mes()), Texto(r.cnpj())};
    comPrefixo(PrefixoInserir, [&] {
        Sql::Comando &atualizar = Comandos::preparado(
            m_comandos->atualizarComplementar, QStringLiteral("UPDATE KVB020 SET GERAL = ? WHERE %1 ROWS 1")
                                                   .arg(Atribuicoes(ChaveComplementares, " AND ")));
        atualizar.executar(QVariantList{Texto(r.geral())} + chave);
        if (atualizar.consulta().numRowsAffected() > 0)
            return;
        Comandos::preparado(m_comandos->inserirComplementar, SqlInsercao("KVB020", ColunasComplementares))
            .executar(chave + QVariantList{Texto(r.geral())});
    });
}

void TEcontasController::Deletar(const TEcontasComplementares &r)
{
    comPrefixo(PrefixoDeletar, [&] {
        Comandos::preparado(m_comandos->deletarComplementar,
                            QStringLiteral("DELETE FROM KVB020 WHERE %1 ROWS 1")
                                .arg(Atribuicoes(ChaveComplementares, " AND ")))
            .executar({Texto(r.ano()), Texto(r.nummes()), Texto(r.mes()), Texto(r.cnpj())});
    });
}

QString TEcontasController::SqlValorEventoCasoExista(const QString &pCompetencia, const QString &pCNPJ,
                                                     const QString &pUG, const QString &pUO,
                                                     const QString &pMatricula, const QString &pTipopagto,
                                                     const QString &pDTpagto, const QString &pCodevento)
{
    return Sql::Linhas({
        QStringLiteral("SELECT VALOR"),
        QStringLiteral(" FROM ECONTAS_043"),
        QStringLiteral("WHERE COMPETENCIA = %1").arg(Sql::Q(pCompetencia)),
        QStringLiteral("  AND CNPJ = %1").arg(Sql::Q(pCNPJ)),
        QStringLiteral("  AND UG = %1").arg(Sql::Q(pUG)),
        QStringLiteral("  AND UO = %1").arg(Sql::Q(pUO)),
        QStringLiteral("  AND MATRICULA = %1").arg(Sql::Q(pMatricula)),
        QStringLiteral("  AND TIPOPAGTO = %1").arg(Sql::Q(pTipopagto)),
        QStringLiteral("  AND DTPAGTO = %1").arg(Sql::Q(pDTpagto)),
        QStringLiteral("  AND CODEVENTO = %1").arg(Sql::Q(pCodevento)),
    });
}

Dinheiro TEcontasController::RetornaValorEventoCasoExista(const QString &pCompetencia, const QString &pCNPJ,
                                                          const QString &pUG, const QString &pUO,
                                                          const QString &pMatricula,
                                                          const QString &pTipopagto, const QString &pDTpagto,
                                                          const QString &pCodevento)
{
    RowSet linhas = RowSet::abrir(SqlValorEventoCasoExista(pCompetencia, pCNPJ, pUG, pUO, pMatricula,
                                                           pTipopagto, pDTpagto, pCodevento));
    linhas.first();
    return linhas.eof() ? Dinheiro() : linhas.dinheiro(QStringLiteral("VALOR"));
}
