#pragma once
// The only writer of the e-Contas work tables ECONTAS_010 … ECONTAS_043 and of the complementary-sheet
// table KVB020. Each statement is prepared the first time this controller needs it and reused for every
// later call; each call commits with the connection (or with the transaction the caller holds).
#include "db/Dinheiro.h"
#include "db/Sql.h"
#include "econtas/LinhasDosRegistros.h"
#include "econtas/uEcontasComplementares.h"

#include <QString>

#include <memory>

class TEcontasController {
public:
    TEcontasController();
    ~TEcontasController();
    TEcontasController(const TEcontasController &) = delete;
    TEcontasController &operator=(const TEcontasController &) = delete;

    void InserirEcontas_010(const TEContas10 &registro) { inserir(registro); }
    void InserirEcontas_020(const TEContas20 &registro) { inserir(registro); }
    void InserirEcontas_030(const TEContas30 &registro) { inserir(registro); }
    void InserirEcontas_040(const TEContas40 &registro) { inserir(registro); }
    void InserirEcontas_041(const TEContas41 &registro) { inserir(registro); }
    void InserirEcontas_042(const TEContas42 &registro) { inserir(registro); }
    void InserirEcontas_043(const TEContas43 &registro) { inserir(registro); }

    // From now on rows are sent to the database in blocks (a generation, which reads back only through
    // this controller or after DescarregarInsercoes), inside the caller's transaction. Every other
    // statement of the controller first sends the rows kept.
    void AgruparInsercoes();
    // Sends every row kept; a refused row raises the failure of its insert.
    void DescarregarInsercoes();

    // Overwrite the values of the existing row with the object's key (no other row changes).
    void Atualizar_041(const TEContas41 &registro) { atualizar(registro); }
    void Atualizar_043(const TEContas43 &registro) { atualizar(registro); }

    // Inserts the KVB020 row of the sheet, or updates it when the sheet already has one.
    void InserirComplementares(const TEcontasComplementares &registro) { gravarComplementar(registro); }
    // Deletes the KVB020 row of the sheet; without one nothing happens.
    void Deletar(const TEcontasComplementares &registro);

    // valor of the matching ECONTAS_043 row, 0 when there is none. The texts go into the statement as
    // SQL literals; the caller chooses the text forms of the payment type and the date.
    Dinheiro RetornaValorEventoCasoExista(const QString &pCompetencia, const QString &pCNPJ,
                                          const QString &pUG, const QString &pUO, const QString &pMatricula,
                                          const QString &pTipopagto, const QString &pDTpagto,
                                          const QString &pCodevento);
    // The statement RetornaValorEventoCasoExista runs for these texts.
    static QString SqlValorEventoCasoExista(const QString &pCompetencia, const QString &pCNPJ,
                                            const QString &pUG, const QString &pUO, const QString &pMatricula,
                                            const QString &pTipopagto, const QString &pDTpagto,
                                            const QString &pCodevento);

private:
    // A record of a work table: its row, inserted (or held for the next block while inserts are grouped).
    template <typename Registro> void inserir(const Registro &registro) { inserirLinha(Linha(registro)); }
    void inserirLinha(const LinhaTrabalho &linha);
    void gravarComplementar(const TEcontasComplementares &registro);
    void atualizar(const TEContas41 &registro);
    void atualizar(const TEContas43 &registro);

    struct Comandos;
    std::unique_ptr<Comandos> m_comandos;
};
