#include "econtas/ComandosManutencao.h"

#include "common/Falha.h"
#include "common/Operador.h"
#include "db/Sql.h"

namespace TComandosSql {

namespace {

constexpr int PassoSplashTabela = 14;
constexpr int PassoSplashKVB020 = 16;

// Empties one work table for the competence; with an empty competence only the splash step.
void AparagarTabela(int registro, const QString &pCompetencia, bool temPassoInicial = true)
{
    const QString numero = QStringLiteral("%1").arg(registro, 3, 10, QLatin1Char('0'));
    comPrefixo(QStringLiteral("Error ao deletar tabela ECONTAS_%1. ").arg(numero), [&] {
        TProgresso &progresso = Operador().progresso();
        if (pCompetencia.isEmpty() && temPassoInicial) {
            ProcessarEventos();
            progresso.avancar(TProgresso::Splash, PassoSplashTabela);
            progresso.definirStatusSplash(
                QStringLiteral("Apagando tabela de controle econtas %1...").arg(numero));
        } else {
            // The ECONTAS_010 statement names its column in lower case.
            const QString coluna =
                registro == 10 ? QStringLiteral("competencia") : QStringLiteral("COMPETENCIA");
            Sql::Executar(QStringLiteral("DELETE FROM ECONTAS_%1 WHERE %2 = %3")
                              .arg(numero, coluna, Sql::Q(pCompetencia)));
            progresso.definirPosicao(barraDoRegistro(registro), 1);
            progresso.avancar(TProgresso::Principal);
        }
        ProcessarEventos();
    });
}

} // namespace

void AparagarECONTAS_010(const QString &pCompetencia)
{
    AparagarTabela(10, pCompetencia);
}
void AparagarECONTAS_020(const QString &pCompetencia)
{
    AparagarTabela(20, pCompetencia);
}
void AparagarECONTAS_030(const QString &pCompetencia)
{
    AparagarTabela(30, pCompetencia);
}
void AparagarECONTAS_040(const QString &pCompetencia)
{
    AparagarTabela(40, pCompetencia);
}
void AparagarECONTAS_041(const QString &pCompetencia)
{
    AparagarTabela(41, pCompetencia);
}
void AparagarECONTAS_042(const QString &pCompetencia)
{
    AparagarTabela(42, pCompetencia, false);
}
void AparagarECONTAS_043(const QString &pCompetencia)
{
    AparagarTabela(43, pCompetencia);
}

void AparagarKVB020()
{
    comPrefixo(QStringLiteral("Error ao deletar tabela KVB020. "), [] {
        ProcessarEventos();
        Operador().progresso().avancar(TProgresso::Splash, PassoSplashKVB020);
        Operador().progresso().definirStatusSplash(QStringLiteral("Apagando tabela de controle KVB020..."));
        ProcessarEventos();
    });
}

void ApagarTabelasEcontas(int pItem)
{
    switch (pItem) {
    case 0:
        AparagarECONTAS_010(QString());
        break;
    case 1:
        AparagarECONTAS_020(QString());
        break;
    case 2:
        AparagarECONTAS_030(QString());
        break;
    case 3:
        AparagarECONTAS_040(QString());
        break;
    case 4:
        AparagarECONTAS_041(QString());
        break;
    case 5:
        AparagarECONTAS_043(QString());
        break;
    case 6:
        AparagarKVB020();
        break;
    default:
        break;
    }
}

void ApagarTabelasEcontasPorCompetencia(const QString &pCompetencia)
{
    AparagarECONTAS_010(pCompetencia);
    AparagarECONTAS_020(pCompetencia);
    AparagarECONTAS_030(pCompetencia);
    AparagarECONTAS_040(pCompetencia);
    AparagarECONTAS_041(pCompetencia);
    AparagarECONTAS_042(pCompetencia);
    AparagarECONTAS_043(pCompetencia);
}

void ExcluirGeracaoEcontas(const QString &pCampo)
{
    Sql::Executar(QStringLiteral("UPDATE CTRL_TCMTPA SET DT_CRITICAS = NULL, DT_GERACAO = NULL, "
                                 "DT_EXPORTACAO = NULL, USUARIO = '' WHERE MES_ANO = ?"),
                  {pCampo});
    Operador().progresso().avancar(TProgresso::Principal);
    ProcessarEventos();
}

} // namespace TComandosSql
