#pragma once
// A January 2024 for the critique: one municipality, one secretariat with one sector and one staff
// member, a month that passes every check unless a problem is asked for.
#include <QString>

class BancoTeste;
struct TEstadoEcontas;

enum class ProblemaCritica { Nenhum, SemCargos, CpfVazio, VagasZeradas, CpfVazioEVagasZeradas };

void MontarMesCriticas(BancoTeste &banco, ProblemaCritica problema);

// The state a click on January 2024 leaves behind (client row, month fields, base selection).
void SelecionarJaneiroCriticas(TEstadoEcontas &estado);

// DT_CRITICAS and USUARIO of the month's control row, as BancoTeste::linhas writes them.
QString CarimboCriticas(BancoTeste &banco);
QString CarimboCriticasDeHoje(const QString &usuario);
inline const QString SemCarimboCriticas = QStringLiteral("DT_CRITICAS=NULL|USUARIO=NULL");
