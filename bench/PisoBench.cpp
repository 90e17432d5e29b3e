#include "PisoBench.h"

#include "common/Falha.h"
#include "generation/ComandosSelecao.h"
#include "db/Dinheiro.h"
#include "db/RowSet.h"
#include "db/Sql.h"

#include <QDateTime>
#include <QFile>

#include <functional>

namespace {

// A competence no month has: the floor's rows never mix with the generation's.
const QString CompetenciaPiso = QStringLiteral("009999");

struct TabelaPiso {
    QString nome;
    QStringList colunas;
    std::function<QVariantList(qint64 i)> linha; // representative values of row i
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

const QList<TabelaPiso> &tabelasPiso()
{
    static const QString cnpj = QStringLiteral("04821537000188");
    static const QList<TabelaPiso> tabelas = {
        {"ECONTAS_010",
         {"COMPETENCIA", "CNPJ", "UG", "DESCRICAO", "TIPO", "CODTCM"},
         [](qint64 i) {
             return QVariantList{CompetenciaPiso,   cnpj, matricula(i).right(5),
                                 "UNIDADE GESTORA", "01", "100101"};
         }},
        {"ECONTAS_020",
         {"COMPETENCIA", "CNPJ", "UG", "UO", "DESCRICAO", "TIPO", "CODTCM"},
         [](qint64 i) {
             return QVariantList{CompetenciaPiso,        cnpj, "00101", matricula(i).right(5),
                                 "UNIDADE ORÇAMENTÁRIA", "01", "100101"};
         }},
        {"ECONTAS_030",
         {"COMPETENCIA", "CNPJ", "UG", "UO", "CODIGO", "DESCRICAO", "TIPO", "TOTVAGAS", "NUMATO", "DTATO"},
         [](qint64 i) {
             return QVariantList{CompetenciaPiso, cnpj, "00101", "01001",    matricula(i).right(5),
                                 "CARGO",         "10", 12,      "045/2013", quando()};
         }},
        {"ECONTAS_040",
         {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "CPF", "NOME", "SEXO", "DTNASC", "DTADMISSAO",
          "DTDEMISSAO", "PISPASEP"},
         [](qint64 i) {
             return QVariantList{CompetenciaPiso,
                                 cnpj,
                                 "00101",
                                 "01001",
                                 matricula(i),
                                 "52998224725",
                                 "MARIA DA CONCEIÇÃO SILVA",
                                 2,
                                 quando(),
                                 quando(),
                                 QVariant(QMetaType(QMetaType::QDateTime)),
                                 "12345678919"};
         }},
        {"ECONTAS_041",
         {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO", "DTPAGTO", "REMUNBASE", "TOTGRATFUNC",
          "TOTOUTREMU", "TOTDESC", "CONTRIBPREV", "IRRF", "DEPIR", "FUNDEB", "SITUACAO", "CODCARGO",
          "NUMPROC"},
         [](qint64 i) {
             return QVariantList{
                 CompetenciaPiso, cnpj,        "00101",     "01001",     matricula(i), 1,
                 quando(),        dinheiro(i), dinheiro(i), dinheiro(i), dinheiro(i),  dinheiro(i),
                 dinheiro(i),     1,           1,           1,           "10201",      "0012/2019"};
         }},
        {"ECONTAS_042",
         {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "DTPAGTO", "VALOR", "NUMATO", "DTATO", "MOTIVO",
          "DESTINO", "INICIO", "FIM"},
         [](qint64 i) {
             return QVariantList{CompetenciaPiso, cnpj,        "00101",    "01001",  matricula(i),
                                 quando(),        dinheiro(i), "001/2024", quando(), "CAPACITAÇÃO",
                                 "BELÉM/PA",      quando(),    quando()};
         }},
        {"ECONTAS_043",
         {"COMPETENCIA", "CNPJ", "UG", "UO", "MATRICULA", "TIPOPAGTO", "DTPAGTO", "CODEVENTO", "TIPOGRAT",
          "VALOR", "CODGRAT", "DESCONTO"},
         [](qint64 i) {
             return QVariantList{CompetenciaPiso,
                                 cnpj,
                                 "00101",
                                 "01001",
                                 matricula(i / 8),
                                 1,
                                 quando(),
                                 QStringLiteral("K%1").arg(i % 8),
                                 1,
                                 dinheiro(i),
                                 101,
                                 "F"};
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
    for (const QString &tabela : TabelasTrabalho())
        Sql::Executar("DELETE FROM " + tabela + " WHERE competencia = ?", {CompetenciaPiso});
}

} // namespace

qint64 LinhasTrabalho::total() const
{
    qint64 t = 0;
    for (const qint64 n : porTabela)
        t += n;
    return t;
}

const QStringList &TabelasTrabalho()
{
    static const QStringList tabelas = {"ECONTAS_010", "ECONTAS_020", "ECONTAS_030", "ECONTAS_040",
                                        "ECONTAS_041", "ECONTAS_042", "ECONTAS_043"};
    return tabelas;
}

LinhasTrabalho ContarLinhasTrabalho(const QString &competencia)
{
    LinhasTrabalho linhas;
    for (int t = 0; t < TabelasTrabalho().size(); ++t) {
        RowSet r = RowSet::abrir(
            "SELECT COUNT(*) AS N FROM " + TabelasTrabalho()[t] + " WHERE competencia = ?", {competencia});
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
            Sql::Comando insercao(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(tabela.nome, tabela.colunas.join(", "),
                                           QStringList(tabela.colunas.size(), "?").join(", ")));
            for (qint64 i = 0; i < linhas.porTabela[t]; ++i)
                insercao.executar(tabela.linha(i));
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
    for (const QString &tabela : TabelasTrabalho())
        lidas += lerTudo("SELECT * FROM " + tabela + " WHERE competencia = ?", {competencia});
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
