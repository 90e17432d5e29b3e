#pragma once
// The thirteen groups of critique findings: their headers, subtitles and the text form in which the
// batch command prints them and the viewer saves them.
#include <QString>
#include <QStringList>

#include <array>

constexpr int QuantidadeGruposCriticas = 13;
using ListasCriticas = std::array<QStringList, QuantidadeGruposCriticas>;

// Group indexes, in display order.
enum GrupoCritica {
    GrupoCadastroCliente = 0,       // FListarClienteComCriticas
    GrupoUnidadesGestoras,          // FListarUnidadesGestorasComCriticas
    GrupoUnidadeOrcamentaria,       // FListarUnidadesOrcamentariasComCriticas
    GrupoSetor,                     // FListarSetorComCriticas
    GrupoTiposDeCargos,             // FListarTipoCargoComCriticas
    GrupoSituacaoFuncionalServidor, // FListarSituacaoFuncionalComCriticas
    GrupoCargosSemNumeroAto,        // FListarCargosSemLeiCriacao
    GrupoCargosVagasZeradas,        // FListarVagasZeradas
    GrupoUnidadesOrcamentarias,     // FListaUnidadeNaoConfigurada
    GrupoEventosNaoConfigurados,    // FListaEventosNaoConfigurado
    GrupoFuncionarios,              // FListaFuncionariosComCriticas
    GrupoCliente,                   // FCodigoUnidadeInvalido
    GrupoSituacaoFuncional,         // FListarServidorTipoCargoInvalido
};

extern const std::array<QString, QuantidadeGruposCriticas> grupoArray;  // headers
extern const std::array<QString, QuantidadeGruposCriticas> tituloArray; // subtitles

QString RodapeGrupo(int quantidade); // "Total de itens: N"

// For each group with findings, in group order: its header, its subtitle, its lines and the footer.
QStringList TextoDasCriticas(const ListasCriticas &listas);
