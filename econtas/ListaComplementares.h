#pragma once
// The complementary payroll sheets of a competence as the operator chooses them for sending: the list
// the complementary window shows (and the batch command prints), the ticks read from KVB020 and the
// storing of the choice.
#include <QList>
#include <QString>

// One sheet of the list: its visible text, its key columns and its tick.
struct TLinhaComplementar {
    QString texto;       // e.g. "1ª Folha Complementar / JANEIRO de 2024"
    QString ano;         // the payroll year
    QString mes;         // month number "01" … "12" of the sheet code
    QString competencia; // the sheet code, e.g. "AC1"
    QString cnpj;        // the entity's CNPJ
    QString geral;       // always "T"
    bool marcada = false;
};

inline const QString CabecalhoComplementares = QStringLiteral("LISTA DE FOLHAS COMPLEMENTARES");
inline const QString SubtituloComplementares =
    QStringLiteral("Segue lista de folhas complementares por competência...");
inline const QString MensagemComplementaresEnviadas = QStringLiteral("Complementares enviadas com sucesso!");

// "Total de itens: " and the number of sheets listed.
QString RodapeComplementares(int pTotal);

// The visible text of a sheet: sheet number + "ª Folha Complementar / " + month name + " de " + year.
QString RetornaCompetenciaFormatada(const QString &pCodigoFolha, const QString &pAno);

// The complementary sheets of the month pMes ("JAN" … "DEZ"), unticked, in the catalogue's order.
QList<TLinhaComplementar> ListarComplementares(const QString &pMes, const QString &pAno,
                                               const QString &pCNPJ);

// Ticks exactly the rows whose (ano, mes, competencia, cnpj) is stored in KVB020 as
// (ANO, NUMMES, MES, CNPJ).
void MarcarComplementaresExistentes(QList<TLinhaComplementar> &pLinhas);

// Stores the choice: a ticked row is written to KVB020 (inserted or updated), an unticked one is
// deleted from it. Stops at the first row that fails; the rows before it stay stored.
void EnviarComplementares(const QList<TLinhaComplementar> &pLinhas);
