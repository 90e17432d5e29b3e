#pragma once
// Competence codes, CNPJ and number formatting, event-code conversion and the two standard boxes.
#include <QString>
#include <QStringList>
#include <QVariant>

// The month table: index 0 is January.
extern const QStringList ArrayMesNumero;       // "JAN" … "DEZ"
extern const QStringList ArrayMesLetra;        // "A" … "L"
extern const QStringList &MESES;               // the month control's name for the same list
extern const QStringList NomesMesLegenda;      // "Janeiro" … "Dezembro"
extern const QStringList NomesMesFolha;        // "JANEIRO" … "DEZEMBRO"
extern const QStringList PrefixosComplementar; // "AC" … "LC"

// A text as the database compares CHAR values: trailing blanks do not count.
QString SemBrancosFinais(const QString &texto);

// A code of digits and capital letters A to Z only (empty included): two such codes are equal in the
// database, under any character set and collation, exactly when they are equal here.
bool SoDigitosEMaiusculas(const QString &texto);

// Upper-cases only the ASCII letters a to z; accented letters stay as they are.
QString MaiusculasAscii(const QString &texto);

QString RetornaCompetenciaSelecionada(const QString &pTexto);
QString RetornaNumeroCompetenciaSelecionada(const QString &pTexto);
QString RetornaNumeroMesCompetencia(const QString &pCompetencia);
QString retornaCompetenciaDeAcordoComTovrin(const QString &pCompetencia);
QString RetornaCompetenciaTexto(const QString &pTexto);
QString RetornaCompetenciaNumero(const QString &pTexto);
QString FormataCNPJ(const QString &pCNPJ);
qint64 StrIntTov(const QString &pValor);
QString CalculaCodigo_ItemRemuneratorio(const QString &pCodigo);
bool MensagemDeComfirmacao(const QString &pMensagem);
void MensagemInformacao(const QString &pMensagem);
bool SeForVazioOuNulo(const QVariant &pTexto);

// Whole-number conversions that fail like the payroll system's: a text that is not a number raises
// a conversion error naming it.
int TextoParaInteiro(const QString &texto);
qint64 TextoParaInteiro64(const QString &texto);

// The month code of a month letter ("A" is "JAN"); empty for anything else.
QString MesDaLetra(const QString &letra);
// 1-based month number of a month code "JAN" … "DEZ" (exact, case-sensitive), 0 when it is none.
int PosicaoMes(const QString &mes);
// Two-digit month of a month code, "00" when it is none.
QString NumeroMesDoCodigo(const QString &mes);
// Month letter "A" … "L" of a month code.
QString LetraDoMes(const QString &mes);
