#include "MesCriticas.h"

#include "BancoTeste.h"
#include "EstadoMes.h"
#include "db/RowSet.h"
#include "econtas/EstadoEcontas.h"
#include "generation/Geracao.h"

#include <QDateTime>

void MontarMesCriticas(BancoTeste &banco, ProblemaCritica problema)
{
    banco.inserir("KVB003", {{"DESCRICAO", "PREFEITURA DE TESTE"},
                             {"CGC", "11222333000181"},
                             {"CODTCM", "123456"},
                             {"CODORGAO", "01"},
                             {"TIPOORGAO", "01"},
                             {"CODIBGE_MUNICIPIO", "1500107"}});
    banco.controle({.mesAno = "012024", .cnpj = "11222333000181", .geral = "T"});
    banco.inserir("UNIDADE_ORCAMENTARIA",
                  {{"CODIGO_UNIDADE", "02001"}, {"DESCRICAO_UNIDADE", "SEC EDUCACAO"}});
    banco.inserir("SITUACAO_FUNCIONAL_PA", {{"CODIGO", "S1"}, {"TIPOCARGO", "010"}});
    const bool vagasZeradas =
        problema == ProblemaCritica::VagasZeradas || problema == ProblemaCritica::CpfVazioEVagasZeradas;
    if (problema != ProblemaCritica::SemCargos)
        banco.inserir("CARGO_ECONTAS", {{"CODIGO", "00101"},
                                        {"CODCARGO", "001"},
                                        {"CODVINCULO", "01"},
                                        {"TIPOCARGO", "010"},
                                        {"NUMVAGAS", vagasZeradas ? 0 : 10},
                                        {"LEICRIA", "LEI 12/01"},
                                        {"DATCRIA", QDateTime(QDate(2001, 3, 1), QTime())},
                                        {"QUADRIMESTRE", "01"},
                                        {"DESCRICAO", "PROFESSOR"},
                                        {"VINCULO", "EFETIVO"}});
    for (const char *setor : {"000", "001"})
        banco.inserir("KVB006JAN", {{"CDSECRETA", "002"},
                                    {"CDSETOR", setor},
                                    {"DESCRICAO", "SEC EDUCACAO"},
                                    {"CGC", "11222333000181"},
                                    {"CODUNDGESTOR", "123456"},
                                    {"CODUNDORCA", "02001"},
                                    {"TIPOORGAO", "01"},
                                    {"NAOENVTRIB", "F"},
                                    {"STATUS", "1"},
                                    {"FUNDEBECONTAS", "T"},
                                    {"FECHAMENTO", "T"}});
    const bool cpfVazio =
        problema == ProblemaCritica::CpfVazio || problema == ProblemaCritica::CpfVazioEVagasZeradas;
    banco.inserir("KVB001JAN", {{"MATRICULA", "00000001"},
                                {"CDSECRETA", "002"},
                                {"CDSETOR", "001"},
                                {"FUNCAO", "001"},
                                {"SISTEMA", "01"},
                                {"CPF", cpfVazio ? "" : "12345678901"},
                                {"PISPASEP", "12345678901"},
                                {"NOME", "ANA SILVA"},
                                {"SEXO", "2"},
                                {"DTNASC", QDateTime(QDate(1980, 5, 1), QTime())},
                                {"DTADMISSAO", QDateTime(QDate(2010, 2, 1), QTime())},
                                {"PARAMTCM", "S1"},
                                {"TCM", "F"}});
    banco.inserir("KVBDXX02JAN", {{"MATRICULA", "00000001"},
                                  {"ATIVO", "T"},
                                  {"SALARIO", 2500.0},
                                  {"TOTPROV", 2500.0},
                                  {"TOTDESC", 300.0}});
}

void SelecionarJaneiroCriticas(TEstadoEcontas &estado)
{
    estado = EstadoDoMes("012024", "operador");
    ConfiguraEcontas(estado);
}

QString CarimboCriticas(BancoTeste &banco)
{
    return banco.linhas("SELECT DT_CRITICAS, USUARIO FROM CTRL_TCMTPA WHERE MES_ANO = '012024'").value(0);
}

QString CarimboCriticasDeHoje(const QString &usuario)
{
    return "DT_CRITICAS=" + QDate::currentDate().toString("dd/MM/yyyy") + " 00:00:00|USUARIO=" + usuario;
}
