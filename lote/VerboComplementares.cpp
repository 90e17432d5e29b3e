// complementares MMYYYY [--enviar AC1,AC2]: the month's complementary sheets with their tick, as the
// complementary window lists them; with --enviar, stores exactly that choice (an empty list unticks all).
#include "common/uUtil.h"
#include "econtas/ListaComplementares.h"
#include "lote/OperadorLote.h"
#include "lote/Verbos.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString OpcaoEnviar = QStringLiteral("--enviar");

void imprimir(const QList<TLinhaComplementar> &linhas)
{
    QStringList saida = {CabecalhoComplementares, SubtituloComplementares};
    for (const TLinhaComplementar &l : linhas)
        saida << (l.marcada ? QStringLiteral("[X] ") : QStringLiteral("[ ] ")) + l.texto +
                     QStringLiteral(" (") + l.competencia + QStringLiteral(")");
    saida << RodapeComplementares(int(linhas.size()));
    EscreverSaida(saida.join(QLatin1Char('\n')));
}

void incluirNoDocumento(const QList<TLinhaComplementar> &linhas)
{
    QJsonArray folhas;
    for (const TLinhaComplementar &l : linhas)
        folhas.append(QJsonObject{{QStringLiteral("marcada"), l.marcada},
                                  {QStringLiteral("texto"), l.texto},
                                  {QStringLiteral("competencia"), l.competencia}});
    IncluirNoDocumento(QStringLiteral("cabecalho"), CabecalhoComplementares);
    IncluirNoDocumento(QStringLiteral("subtitulo"), SubtituloComplementares);
    IncluirNoDocumento(QStringLiteral("folhas"), folhas);
    IncluirNoDocumento(QStringLiteral("rodape"), RodapeComplementares(int(linhas.size())));
}

// Ticks exactly the sheets named; false (after saying which) when a name is not a sheet of the month.
bool aplicarEscolha(QList<TLinhaComplementar> &linhas, const QString &opcao)
{
    QStringList escolha;
    for (const QString &codigo : opcao.split(QLatin1Char(','), Qt::SkipEmptyParts))
        escolha << codigo.trimmed();
    QStringList listadas;
    for (const TLinhaComplementar &l : linhas)
        listadas << l.competencia;
    for (const QString &codigo : escolha)
        if (!listadas.contains(codigo)) {
            EscreverErro(QStringLiteral("a folha complementar %1 não existe na competência (folhas: %2)")
                             .arg(codigo, listadas.join(QLatin1Char(','))));
            return false;
        }
    for (TLinhaComplementar &l : linhas)
        l.marcada = escolha.contains(l.competencia);
    return true;
}

} // namespace

StatusSaida VerboComplementares(ContextoLote &contexto)
{
    const TEstadoEcontas &estado = contexto.estado;
    QList<TLinhaComplementar> linhas =
        ListarComplementares(estado.mes_cadastro.trimmed(), estado.ano_folha.trimmed(), estado.cnpjCliente());
    if (contexto.args.opcoes.contains(OpcaoEnviar)) {
        if (!aplicarEscolha(linhas, contexto.args.opcoes.value(OpcaoEnviar)))
            return StatusSaida::ErroDeUso;
        EnviarComplementares(linhas);
        MensagemInformacao(MensagemComplementaresEnviadas);
    }
    MarcarComplementaresExistentes(linhas);
    if (SaidaEmJson())
        incluirNoDocumento(linhas);
    else
        imprimir(linhas);
    return StatusSaida::Concluido;
}
