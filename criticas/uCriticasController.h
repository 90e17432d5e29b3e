#pragma once
// The consistency checks of a competence. Each check reads one table or query, picks the rows that
// would make a bad or incomplete submission and turns each into one line of text, a finding. The
// controller knows nothing of who shows the findings; it never writes to the database.
#include "db/RowSet.h"

#include <QSet>
#include <QString>
#include <QStringList>

class TCriticasController {
public:
    // pMes: the month code "JAN" … "DEZ"; pCliente: the client register row (read, not owned);
    // pSQLPadrao: the base payroll selection.
    TCriticasController(const QString &pMes, const RowSet &pCliente, const QString &pSQLPadrao);

    // The base selection's rows the run has already read (the record-043 source, not owned): the checks
    // then take the selection's secretariats from them instead of reading the selection again.
    void UsarSelecaoLida(const RowSet *pFonte043) { FSelecaoLida = pFonte043; }

    // True when the position table has at least one row. No progress step.
    bool ValidaTabelaCargosEcontas();

    // The twelve checks, in the order a critique run calls them. Each advances the overall progress
    // bar by one step (RetornaCriticasSobUnidadesOrcamentarias by two), also when it fails.
    QStringList VerificaCodigoTCMCliente();
    QStringList RetornaEventosNaoConfigurados();
    QStringList RetornaCriticasNosTiposDeCargos();
    QStringList RetornarCriticasSobCadastroCliente();
    QStringList RetornaCriticasNosTiposDeCargosComVagasZeradas();
    QStringList RetornaSituacaoFuncionalComCriticas();
    QStringList RetornaServidoresComTiposCargosInvalidos();
    QStringList RetornaCriticaDeCargosSemNumeroLeiCriacao(RowSet &pTabela); // record-030 set
    QStringList RetornaCriticasSobUnidadesGestoras(RowSet &pTabela);        // record-010 set
    QStringList RetornaCriticasUnidadesOrcamentariasNaoConfiguradas();
    // Record-020 set. Returns the secretariats without a budget unit and appends the sectors whose budget
    // unit is not among the record-020 rows to pListarSetorComCriticas.
    QStringList RetornaCriticasSobUnidadesOrcamentarias(RowSet &pTabela,
                                                        QStringList &pListarSetorComCriticas);
    QStringList RetornaFuncionariosComCriticas(RowSet &pTabela); // record-040 set

private:
    QString tabelaDoMes(const QString &prefixo) const;
    QSet<QString> secretariasDaSelecao() const;
    QStringList setoresSemUnidadeDoRegistro020(RowSet &pTabela, const QSet<QString> &pSecretarias);

    QString FMes;
    QString FSQlPadrao;
    const RowSet &FCliente;
    const RowSet *FSelecaoLida = nullptr;
};
