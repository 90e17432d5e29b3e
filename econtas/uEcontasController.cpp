#include "econtas/uEcontasController.h"

#include "common/Falha.h"
#include "db/Datas.h"
#include "db/RowSet.h"
#include "econtas/InsercaoEmBlocos.h"
#include "econtas/LinhasDosRegistros.h"

#include <QDateTime>
#include <QStringList>
#include <QVariantList>

#include <map>

namespace {

const QString PrefixoInserir = QStringLiteral("Error ao inserir e-contas. ");
const QString PrefixoDeletar = QStringLiteral("Error ao deletar e-contas. ");

// "A = ? AND B = ?" for the key of a complementary sheet.
QString Condicao(const QStringList &colunas)
{
    return Sql::Atribuicoes(QStringLiteral("KVB020"), colunas, QStringLiteral(" AND "));
}

const QStringList ColunasComplementares = {"ANO", "NUMMES", "MES", "CNPJ", "GERAL"};

const QStringList Valores041 = {"REMUNBASE", "TOTGRATFUNC", "TOTOUTREMU", "TOTDESC",  "CONTRIBPREV", "IRRF",
                                "DEPIR",     "FUNDEB",      "SITUACAO",   "CODCARGO", "NUMPROC"};
const QStringList Valores043 = {"VALOR"};
const QStringList ChaveComplementares = {"ANO", "NUMMES", "MES", "CNPJ"};

} // namespace

// One slot per statement, prepared on first use.
struct TEcontasController::Comandos {
    std::unique_ptr<Sql::Comando> atualizar041, atualizar043, atualizarComplementar, inserirComplementar,
        deletarComplementar;
    // The single-row insert of each work table, while the inserts are not grouped.
    std::map<const TabelaTrabalho *, std::unique_ptr<Sql::Comando>> insercoes;
    // Per work table, while the inserts are grouped.
    std::map<const TabelaTrabalho *, std::unique_ptr<TInsercaoEmBlocos>> blocos;
    bool agrupar = false;

    static Sql::Comando &preparado(std::unique_ptr<Sql::Comando> &slot, const QString &sql)
    {
        if (!slot)
            slot = std::make_unique<Sql::Comando>(sql);
        return *slot;
    }
    void gravar(const LinhaTrabalho &linha)
    {
        comPrefixo(PrefixoInserir, [&] {
            if (agrupar)
                blocosDa(linha.tabela()).adicionar(linha.valores());
            else
                preparado(insercoes[&linha.tabela()], linha.tabela().sqlInsercao()).executar(linha.valores());
        });
    }
    TInsercaoEmBlocos &blocosDa(const TabelaTrabalho &tabela)
    {
        std::unique_ptr<TInsercaoEmBlocos> &b = blocos[&tabela];
        if (!b)
            b = std::make_unique<TInsercaoEmBlocos>(tabela);
        return *b;
    }
    // Statements that read or change the work tables see every row given before them.
    void descarregar()
    {
        for (const TabelaTrabalho *tabela : TabelasTrabalho::Todas())
            descarregar(*tabela);
    }
    // An update of one work table reads and changes that table only: the rows held for the others
    // stay for their blocks.
    void descarregar(const TabelaTrabalho &tabela)
    {
        if (const auto b = blocos.find(&tabela); b != blocos.end())
            comPrefixo(PrefixoInserir, [&] { b->second->descarregar(); });
    }
    static void atualizarPorPagamento(std::unique_ptr<Sql::Comando> &slot, const LinhaTrabalho &linha,
                                      const QStringList &valores)
    {
        const TabelaTrabalho &tabela = linha.tabela();
        comPrefixo(PrefixoInserir, [&] {
            preparado(slot, tabela.sqlAtualizacaoPorPagamento(valores))
                .executar(linha.valores(tabela.parametrosAtualizacaoPorPagamento(valores)));
        });
    }
};

TEcontasController::TEcontasController() : m_comandos(std::make_unique<Comandos>()) {}
TEcontasController::~TEcontasController() = default;

void TEcontasController::inserirLinha(const LinhaTrabalho &linha)
{
    m_comandos->gravar(linha);
}

void TEcontasController::AgruparInsercoes()
{
    if (!Sql::Transacao::ativa())
        throw Falha(QStringLiteral("Inserções em blocos pedem uma transação aberta."));
    m_comandos->agrupar = true;
}

void TEcontasController::DescarregarInsercoes()
{
    m_comandos->descarregar();
}

void TEcontasController::atualizar(const TEContas41 &r)
{
    m_comandos->descarregar(TabelasTrabalho::Econtas041());
    Comandos::atualizarPorPagamento(m_comandos->atualizar041, Linha(r), Valores041);
}

// The row was stored with the calendar day of its payment date, so the key uses that same day.
void TEcontasController::atualizar(const TEContas43 &r)
{
    m_comandos->descarregar(TabelasTrabalho::Econtas043());
    Comandos::atualizarPorPagamento(m_comandos->atualizar043, Linha(r), Valores043);
}

void TEcontasController::gravarComplementar(const TEcontasComplementares &r)
{
    m_comandos->descarregar();
    const QVariantList chave = {r.ano(), r.nummes(), r.mes(), r.cnpj()};
    comPrefixo(PrefixoInserir, [&] {
        Sql::Comando &atualizar = Comandos::preparado(
            m_comandos->atualizarComplementar,
            QStringLiteral("UPDATE KVB020 SET %1 WHERE %2 ROWS 1")
                .arg(Sql::Atribuicoes(QStringLiteral("KVB020"), {QStringLiteral("GERAL")}, {}),
                     Condicao(ChaveComplementares)));
        atualizar.executar(QVariantList{r.geral()} + chave);
        if (atualizar.consulta().numRowsAffected() > 0)
            return;
        Comandos::preparado(m_comandos->inserirComplementar,
                            Sql::Insercao(QStringLiteral("KVB020"), ColunasComplementares))
            .executar(chave + QVariantList{r.geral()});
    });
}

void TEcontasController::Deletar(const TEcontasComplementares &r)
{
    m_comandos->descarregar();
    comPrefixo(PrefixoDeletar, [&] {
        Comandos::preparado(
            m_comandos->deletarComplementar,
            QStringLiteral("DELETE FROM KVB020 WHERE %1 ROWS 1").arg(Condicao(ChaveComplementares)))
            .executar({r.ano(), r.nummes(), r.mes(), r.cnpj()});
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
    m_comandos->descarregar();
    RowSet linhas = RowSet::abrir(SqlValorEventoCasoExista(pCompetencia, pCNPJ, pUG, pUO, pMatricula,
                                                           pTipopagto, pDTpagto, pCodevento));
    linhas.first();
    return linhas.eof() ? Dinheiro() : linhas.dinheiro(QStringLiteral("VALOR"));
}
