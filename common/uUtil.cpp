#include "common/uUtil.h"

#include "common/Falha.h"
#include "common/Operador.h"

#include <algorithm>

const QStringList ArrayMesNumero = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                    "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
const QStringList ArrayMesLetra = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"};
const QStringList &MESES = ArrayMesNumero;
const QStringList NomesMesLegenda = {
    QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
    QStringLiteral("Abril"),   QStringLiteral("Maio"),      QStringLiteral("Junho"),
    QStringLiteral("Julho"),   QStringLiteral("Agosto"),    QStringLiteral("Setembro"),
    QStringLiteral("Outubro"), QStringLiteral("Novembro"),  QStringLiteral("Dezembro")};
const QStringList NomesMesFolha = {
    QStringLiteral("JANEIRO"), QStringLiteral("FEVEREIRO"), QStringLiteral("MARÇO"),
    QStringLiteral("ABRIL"),   QStringLiteral("MAIO"),      QStringLiteral("JUNHO"),
    QStringLiteral("JULHO"),   QStringLiteral("AGOSTO"),    QStringLiteral("SETEMBRO"),
    QStringLiteral("OUTUBRO"), QStringLiteral("NOVEMBRO"),  QStringLiteral("DEZEMBRO")};
const QStringList PrefixosComplementar = {"AC", "BC", "CC", "DC", "EC", "FC",
                                          "GC", "HC", "IC", "JC", "KC", "LC"};

namespace {

QString doisDigitos(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

// Index (0-based) of the first candidate, in month order, found anywhere in the upper-cased text.
int primeiroMesContido(const QString &texto, const QStringList &candidatos)
{
    const QString maiusculo = MaiusculasAscii(texto);
    for (int i = 0; i < candidatos.size(); ++i)
        if (maiusculo.contains(candidatos[i]))
            return i;
    return -1;
}

[[noreturn]] void erroConversao(const QString &texto)
{
    throw Falha(QStringLiteral("'%1' não é um valor inteiro válido").arg(texto));
}

} // namespace

QString SemBrancosFinais(const QString &texto)
{
    qsizetype fim = texto.size();
    while (fim > 0 && texto.at(fim - 1) == QLatin1Char(' '))
        --fim;
    return fim == texto.size() ? texto : texto.left(fim);
}

bool SoDigitosEMaiusculas(const QString &texto)
{
    return std::all_of(texto.cbegin(), texto.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    });
}

QString MaiusculasAscii(const QString &texto)
{
    QString r = texto;
    for (QChar &c : r)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return r;
}

QString RetornaCompetenciaSelecionada(const QString &pTexto)
{
    const int i = primeiroMesContido(pTexto, ArrayMesNumero);
    return i < 0 ? QString() : ArrayMesNumero[i];
}

QString RetornaNumeroCompetenciaSelecionada(const QString &pTexto)
{
    return pTexto.left(2);
}

QString RetornaNumeroMesCompetencia(const QString &pCompetencia)
{
    const int i = primeiroMesContido(pCompetencia, ArrayMesNumero);
    return i < 0 ? QString() : doisDigitos(i + 1);
}

QString retornaCompetenciaDeAcordoComTovrin(const QString &pCompetencia)
{
    const int mes = TextoParaInteiro(pCompetencia.left(2));
    if (mes < 1 || mes > 12)
        return QString();
    return QString::number(120 + mes);
}

QString RetornaCompetenciaTexto(const QString &pTexto)
{
    const int i = primeiroMesContido(pTexto, PrefixosComplementar);
    return i < 0 ? QString() : NomesMesFolha[i];
}

QString RetornaCompetenciaNumero(const QString &pTexto)
{
    const int i = primeiroMesContido(pTexto, PrefixosComplementar);
    return i < 0 ? QString() : doisDigitos(i + 1);
}

QString FormataCNPJ(const QString &pCNPJ)
{
    if (pCNPJ.isEmpty())
        return QString();
    return pCNPJ.mid(0, 2) + '.' + pCNPJ.mid(2, 3) + '.' + pCNPJ.mid(5, 3) + '/' + pCNPJ.mid(8, 4) + '-' +
           pCNPJ.mid(12, 2);
}

qint64 StrIntTov(const QString &pValor)
{
    QString digitos;
    for (QChar c : pValor)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digitos += c;
    if (digitos.isEmpty())
        return 0;
    return TextoParaInteiro64(digitos);
}

QString CalculaCodigo_ItemRemuneratorio(const QString &pCodigo)
{
    if (pCodigo.size() != 2)
        return QString();
    QString codigo = pCodigo;
    if (codigo == QLatin1String("YA"))
        codigo = QStringLiteral("K8");
    else if (codigo == QLatin1String("YB"))
        codigo = QStringLiteral("K9");
    else if (codigo == QLatin1String("YC"))
        codigo = QStringLiteral("W1");

    static const QString alfabeto = QStringLiteral("ABCDEFGHIJLMNOPQRSTUVXZÇ");
    const QChar primeiro = codigo[0];
    const QString segundo = codigo.mid(1, 1);
    const int posicao = alfabeto.indexOf(primeiro);
    if (posicao >= 0)
        return QString::number(posicao + 1 + 9) + segundo;
    if (primeiro >= QLatin1Char('0') && primeiro <= QLatin1Char('9'))
        return QLatin1Char('0') + codigo;
    if (primeiro == QLatin1Char('K'))
        return QStringLiteral("90") + segundo;
    if (primeiro == QLatin1Char('W'))
        return QStringLiteral("91") + segundo;
    if (primeiro == QLatin1Char('Y'))
        return QStringLiteral("92") + segundo;
    return codigo;
}

bool MensagemDeComfirmacao(const QString &pMensagem)
{
    return Operador().confirmacao(pMensagem);
}

void MensagemInformacao(const QString &pMensagem)
{
    Operador().informacao(pMensagem);
}

bool SeForVazioOuNulo(const QVariant &pTexto)
{
    return pTexto.toString().isEmpty();
}

int TextoParaInteiro(const QString &texto)
{
    bool ok = false;
    const int v = texto.trimmed().toInt(&ok);
    if (!ok)
        erroConversao(texto);
    return v;
}

qint64 TextoParaInteiro64(const QString &texto)
{
    bool ok = false;
    const qint64 v = texto.trimmed().toLongLong(&ok);
    if (!ok)
        erroConversao(texto);
    return v;
}

int PosicaoMes(const QString &mes)
{
    return ArrayMesNumero.indexOf(mes) + 1;
}

QString NumeroMesDoCodigo(const QString &mes)
{
    return doisDigitos(PosicaoMes(mes));
}

QString MesDaLetra(const QString &letra)
{
    const qsizetype posicao = ArrayMesLetra.indexOf(letra);
    return posicao < 0 ? QString() : MESES.at(posicao);
}

QString LetraDoMes(const QString &mes)
{
    const int p = PosicaoMes(mes);
    return p > 0 ? ArrayMesLetra[p - 1] : QString();
}
