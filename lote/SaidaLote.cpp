#include "lote/SaidaLote.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

ModoSaida modo;
QJsonObject documento;
QJsonArray mensagens;
std::function<void()> antesDeEscrever;

void escrever(const QByteArray &texto, std::FILE *destino)
{
    if (antesDeEscrever)
        antesDeEscrever();
    std::fflush(stdout);
    std::fputs(texto.constData(), destino);
    std::fflush(destino);
}

} // namespace

void DefinirModoSaida(const ModoSaida &novo)
{
    modo = novo;
}

bool SaidaEmJson()
{
    return modo.json;
}

void DefinirAntesDeEscrever(std::function<void()> acao)
{
    antesDeEscrever = std::move(acao);
}

QString TextoParaTerminal(const QString &texto)
{
    QString r = texto;
    r.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    r.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return r;
}

void EscreverSaida(const QString &texto)
{
    if (modo.json) {
        mensagens.append(TextoParaTerminal(texto));
        return;
    }
    if (!modo.silencioso)
        escrever((TextoParaTerminal(texto) + QLatin1Char('\n')).toUtf8(), stdout);
}

void EscreverErro(const QString &texto)
{
    escrever((TextoParaTerminal(texto) + QLatin1Char('\n')).toUtf8(), stderr);
}

void IncluirNoDocumento(const QString &chave, const QJsonValue &valor)
{
    documento.insert(chave, valor);
}

void EscreverDocumento()
{
    if (!modo.json)
        return;
    documento.insert(QStringLiteral("mensagens"), mensagens);
    escrever(QJsonDocument(documento).toJson(QJsonDocument::Indented), stdout);
}
