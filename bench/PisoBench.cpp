#include "PisoBench.h"

#include "common/Falha.h"
#include "db/Dinheiro.h"
#include "db/RowSet.h"
#include "db/Sql.h"
#include "econtas/InsercaoEmBlocos.h"
#include "econtas/TabelasTrabalho.h"
#include "generation/ComandosSelecao.h"

#include <QDateTime>
#include <QFile>

#include <functional>

namespace {

// A competence no month has: the floor's rows never mix with the generation's.
const QString CompetenciaPiso = QStringLiteral("009999");

struct TabelaPiso {
    const TabelaTrabalho &tabela;
    std::function<LinhaTrabalho(qint64 i)> linha; // representative values of row i
};

QString matricula(qint64 i)
{
    return QStringLiteral("%1").arg(i, 8, 10, QLatin1Char('0'));
}

QVariant quando()
{
    return QDateTime(QDate(2024, 2, 29), QTime(0, 0));
}

QVariant dinheiro(qint64 i)
{
    return Dinheiro::deDezMilesimos(12345600 + i).paraTexto();
}

const QString Cnpj = QStringLiteral("04821537000188");

LinhaTrabalho Unidades(const TabelaTrabalho &tabela, const QString &ug)
{
    LinhaTrabalho linha(tabela);
    linha("COMPETENCIA", CompetenciaPiso)("CNPJ", Cnpj)("UG", ug);
    return linha;
}

LinhaTrabalho DoServidor(const TabelaTrabalho &tabela, qint64 i)
{
    LinhaTrabalho linha = Unidades(tabela, "00101");
    linha("UO", "01001")("MATRICULA", matricula(i));
    return linha;
}

const QList<TabelaPiso> &tabelasPiso()
{
    using namespace TabelasTrabalho;
    static const QList<TabelaPiso> tabelas = {
        {Econtas010(),
         [](qint64 i) {
             LinhaTrabalho l = Unidades(Econtas010(), matricula(i).right(5));
             return l("DESCRICAO", "UNIDADE GESTORA")("TIPO", "01")("CODTCM", "100101");
         }},
        {Econtas020(),
         [](qint64 i) {
             LinhaTrabalho l = Unidades(Econtas020(), "00101");
             return l("UO", matricula(i).right(5))("DESCRICAO",
                                                   "UNIDADE ORÇAMENTÁRIA")("TIPO", "01")("CODTCM", "100101");
         }},
        {Econtas030(),
         [](qint64 i) {
             LinhaTrabalho l = Unidades(Econtas030(), "00101");
             return l("UO", "01001")("CODIGO", matricula(i).right(5))("DESCRICAO", "CARGO")("TIPO", "10")(
                 "TOTVAGAS", 12)("NUMATO", "045/2013")("DTATO", quando());
         }},
        {Econtas040(),
         [](qint64 i) {
             LinhaTrabalho l = DoServidor(Econtas040(), i);
             return l("CPF", "52998224725")("NOME", "MARIA DA CONCEIÇÃO SILVA")("SEXO", 2)(
                 "DTNASC", quando())("DTADMISSAO", quando())(
                 "DTDEMISSAO", QVariant(QMetaType(QMetaType::QDateTime)))("PISPASEP", "12345678919");
         }},
        {Econtas041(),
         [](qint64 i) {
             LinhaTrabalho l = DoServidor(Econtas041(), i);
             return l("TIPOPAGTO", 1)("DTPAGTO", quando())("REMUNBASE", dinheiro(i))(
                 "TOTGRATFUNC", dinheiro(i))("TOTOUTREMU", dinheiro(i))("TOTDESC", dinheiro(i))(
                 "CONTRIBPREV", dinheiro(i))("IRRF", dinheiro(i))("DEPIR", 1)("FUNDEB", 1)("SITUACAO", 1)(
                 "CODCARGO", "10201")("NUMPROC", "0012/2019");
         }},
        {Econtas042(),
         [](qint64 i) {
             LinhaTrabalho l = DoServidor(Econtas042(), i);
             return l("DTPAGTO", quando())("VALOR", dinheiro(i))("NUMATO", "001/2024")("DTATO", quando())(
                 "MOTIVO", "CAPACITAÇÃO")("DESTINO", "BELÉM/PA")("INICIO", quando())("FIM", quando());
         }},
        {Econtas043(),
         [](qint64 i) {
             LinhaTrabalho l = DoServidor(Econtas043(), i / 8);
             return l("TIPOPAGTO", 1)("DTPAGTO", quando())("CODEVENTO", QStringLiteral("K%1").arg(i % 8))(
                 "TIPOGRAT", 1)("VALOR", dinheiro(i))("CODGRAT", 101)("DESCONTO", "F");
         }},
    };
    return tabelas;
}

qint64 lerTudo(const QString &sql, const QVariantList &parametros = {})
{
    return sql.isEmpty() ? 0 : RowSet::abrir(sql, parametros).recordCount();
}

void apagarLinhasDoPiso()
{
    for (const TabelaTrabalho *tabela : TabelasTrabalho::Todas())
        Sql::Executar("DELETE FROM " + tabela->nome() + " WHERE competencia = ?", {CompetenciaPiso});
}

} // namespace

qint64 LinhasTrabalho::total() const
{
    qint64 t = 0;
    for (const qint64 n : porTabela)
        t += n;
    return t;
}

LinhasTrabalho ContarLinhasTrabalho(const QString &competencia)
{
    LinhasTrabalho linhas;
    for (int t = 0; t < TabelasTrabalho::Todas().size(); ++t) {
        RowSet r = RowSet::abrir("SELECT COUNT(*) AS N FROM " + TabelasTrabalho::Todas()[t]->nome() +
                                     " WHERE competencia = ?",
                                 {competencia});
        r.first();
        linhas.porTabela[t] = r.inteiro(QStringLiteral("N"));
    }
    return linhas;
}

Medida PisoGeracao(const QString &mes, const QString &ano, const LinhasTrabalho &linhas)
{
    const TComandosSql::TextosSelecao textos = TComandosSql::MontarTextosSelecao(1, mes, ano);
    Cronometro cronometro;
    const qint64 lidas = lerTudo(textos.base) + lerTudo(textos.complementar) +
                         lerTudo(textos.decimoAdiantamento) + lerTudo(textos.decimoFinal);
    {
        Sql::Transacao transacao;
        for (int t = 0; t < tabelasPiso().size(); ++t) {
            const TabelaPiso &tabela = tabelasPiso()[t];
            TInsercaoEmBlocos insercao(tabela.tabela);
            for (qint64 i = 0; i < linhas.porTabela[t]; ++i)
                insercao.adicionar(tabela.linha(i).valores());
            insercao.descarregar();
        }
        transacao.commit();
    }
    const Medida medida = cronometro.parar(lidas, linhas.total());
    apagarLinhasDoPiso();
    return medida;
}

Medida PisoExportacao(const QString &competencia, qint64 bytes, const QString &pasta)
{
    Cronometro cronometro;
    qint64 lidas = 0;
    for (const TabelaTrabalho *tabela : TabelasTrabalho::Todas())
        lidas += lerTudo("SELECT * FROM " + tabela->nome() + " WHERE competencia = ?", {competencia});
    QFile arquivo(pasta + QStringLiteral("/piso.txt"));
    if (!arquivo.open(QIODevice::WriteOnly))
        throw Falha(QStringLiteral("Não foi possível criar %1").arg(arquivo.fileName()));
    QByteArray linha(98, 'X');
    linha += "\r\n";
    qint64 escritos = 0;
    while (escritos < bytes) {
        const QByteArray parte = linha.left(int(qMin<qint64>(linha.size(), bytes - escritos)));
        arquivo.write(parte);
        escritos += parte.size();
    }
    arquivo.close();
    return cronometro.parar(lidas, escritos / linha.size());
}
