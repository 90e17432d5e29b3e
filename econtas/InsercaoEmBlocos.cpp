#include "econtas/InsercaoEmBlocos.h"

#include "db/CodificacaoTextos.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int MaximoLinhasPorBloco = 32;
constexpr int LimiteDoMotor = 60000; // bytes, under the 64 KB the engine accepts

// The most bytes one value of the column can take in the parameter message: four per character (the
// widest character set), plus length and NULL indicator.
int BytesDoParametro(const ColunaTrabalho &coluna)
{
    const int abre = int(coluna.tipoSql.indexOf(QLatin1Char('(')));
    if (coluna.tipo == TipoColuna::Texto && abre > 0)
        return coluna.tipoSql.mid(abre + 1).chopped(1).toInt() * 4 + 4;
    return 12;
}

QString NomeParametro(int linha, int coluna)
{
    return QStringLiteral("p%1_%2").arg(linha).arg(coluna);
}

} // namespace

TInsercaoEmBlocos::TInsercaoEmBlocos(const TabelaTrabalho &tabela)
    : m_tabela(tabela), m_linhasPorBloco(linhasPorBloco(tabela))
{
}

TInsercaoEmBlocos::~TInsercaoEmBlocos() = default;

int TInsercaoEmBlocos::linhasPorBloco(const TabelaTrabalho &tabela)
{
    int bytes = 0;
    for (const ColunaTrabalho &coluna : tabela.colunas())
        bytes += BytesDoParametro(coluna);
    const int texto = int(sqlBloco(tabela, 1).size());
    return std::max(1, std::min({MaximoLinhasPorBloco, LimiteDoMotor / bytes, LimiteDoMotor / texto}));
}

// Each parameter takes the type of its column, so the values are converted exactly as a single insert
// converts them, whatever sizes and character sets the payroll database declares.
QString TInsercaoEmBlocos::sqlBloco(const TabelaTrabalho &tabela, int linhas)
{
    const QList<ColunaTrabalho> &colunas = tabela.colunas();
    const QString listaColunas = tabela.nomesColunas().join(QStringLiteral(", "));
    QStringList parametros;
    QStringList insercoes;
    for (int l = 0; l < linhas; ++l) {
        QStringList valores;
        for (int c = 0; c < colunas.size(); ++c) {
            parametros << QStringLiteral("%1 %2 = ?")
                              .arg(NomeParametro(l, c),
                                   CodificacaoTextos::TipoDoParametro(tabela.nome(), colunas[c].nome));
            valores << QLatin1Char(':') + NomeParametro(l, c);
        }
        insercoes << QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                         .arg(tabela.nome(), listaColunas, valores.join(QStringLiteral(", ")));
    }
    return QStringLiteral("EXECUTE BLOCK (%1) AS BEGIN\n%2\nEND")
        .arg(parametros.join(QStringLiteral(", ")), insercoes.join(QLatin1Char('\n')));
}

void TInsercaoEmBlocos::adicionar(const QVariantList &valores)
{
    m_pendentes.append(valores);
    if (m_pendentes.size() < m_linhasPorBloco)
        return;
    enviar(std::exchange(m_pendentes, {}));
}

void TInsercaoEmBlocos::descarregar()
{
    const QList<QVariantList> linhas = std::exchange(m_pendentes, {});
    for (qsizetype feitas = 0; feitas < linhas.size();) {
        const qsizetype tamanho = qsizetype(std::bit_floor(size_t(linhas.size() - feitas)));
        enviar(linhas.mid(feitas, tamanho));
        feitas += tamanho;
    }
}

void TInsercaoEmBlocos::enviar(const QList<QVariantList> &linhas)
{
    QVariantList todos;
    todos.reserve(linhas.size() * m_tabela.colunas().size());
    for (const QVariantList &linha : linhas)
        todos += linha;
    comandoPara(int(linhas.size())).executar(todos);
}

Sql::Comando &TInsercaoEmBlocos::comandoPara(int linhas)
{
    std::unique_ptr<Sql::Comando> &comando = m_comandos[linhas];
    if (!comando)
        comando =
            std::make_unique<Sql::Comando>(linhas == 1 ? m_tabela.sqlInsercao() : sqlBloco(m_tabela, linhas));
    return *comando;
}
