#include "CenarioFolha.h"

#include "BancoTeste.h"

#include <QDateTime>

QVariantMap Mesclar(QVariantMap base, const QVariantMap &campos)
{
    for (auto it = campos.cbegin(); it != campos.cend(); ++it)
        base.insert(it.key(), it.value());
    return base;
}

void CenarioFolha::cliente(const QVariantMap &campos)
{
    m_banco.inserir(QStringLiteral("KVB003"), Mesclar({{"DESCRICAO", "PREFEITURA DE TESTE"},
                                                       {"CGC", "11111111000111"},
                                                       {"CODTCM", "900001"},
                                                       {"CODORGAO", "77"},
                                                       {"TIPOORGAO", "A"}},
                                                      campos));
}

void CenarioFolha::lotacao(const QString &cdsecreta, const QString &cdsetor, const QVariantMap &campos)
{
    m_banco.inserir(QStringLiteral("KVB006") + m_mes,
                    Mesclar({{"CDSECRETA", cdsecreta},
                             {"CDSETOR", cdsetor},
                             {"DESCRICAO", "LOTACAO " + cdsecreta + cdsetor},
                             {"STATUS", "1"},
                             {"NAOENVTRIB", "F"},
                             {"FUNDEBECONTAS", "T"},
                             {"FECHAMENTO", "T"}},
                            campos));
}

void CenarioFolha::pessoa(const QString &matricula, const QString &cdsecreta, const QString &cdsetor,
                          const QVariantMap &campos)
{
    m_banco.inserir(QStringLiteral("KVB001") + m_mes,
                    Mesclar({{"MATRICULA", matricula},
                             {"CDSECRETA", cdsecreta},
                             {"CDSETOR", cdsetor},
                             {"FUNCAO", "001"},
                             {"SISTEMA", "01"},
                             {"CPF", "12345678901"},
                             {"PISPASEP", "10987654321"},
                             {"NOME", "SERVIDOR " + matricula},
                             {"SEXO", "1"},
                             {"DTNASC", QDateTime(QDate(1980, 5, 17), QTime(0, 0))},
                             {"DTADMISSAO", QDateTime(QDate(2010, 2, 1), QTime(0, 0))},
                             {"PARAMTCM", "1"},
                             {"TCM", "F"}},
                            campos));
}

void CenarioFolha::folha(const QString &codigoFolha, const QString &matricula, double totprov,
                         const QVariantMap &campos)
{
    m_banco.inserir(
        QStringLiteral("KVBDXX02") + codigoFolha,
        Mesclar({{"MATRICULA", matricula}, {"TOTPROV", totprov}, {"SALARIO", totprov}, {"ATIVO", "T"}},
                campos));
}

void CenarioFolha::servidor(const QString &matricula, const QString &cdsecreta, const QString &cdsetor,
                            double totprov, const QVariantMap &campos)
{
    pessoa(matricula, cdsecreta, cdsetor, campos);
    folha(m_mes, matricula, totprov);
}

void CenarioFolha::diaria(const QString &matricula, const QDate &data, double valor,
                          const QVariantMap &campos)
{
    const QDateTime dia(data, QTime(0, 0));
    m_banco.inserir(QStringLiteral("KVBW9927"), Mesclar({{"MATRICULA", matricula},
                                                         {"DTATO", dia},
                                                         {"DATEMPENHO", dia},
                                                         {"VALOR", valor},
                                                         {"NUMATO", "A-" + data.toString("ddMM")},
                                                         {"MOTIVO", "VIAGEM"},
                                                         {"DESTINO", "BELEM"},
                                                         {"DTINICIO", dia},
                                                         {"DTFIM", dia}},
                                                        campos));
}

void CenarioFolha::cargo(const QString &codigo, const QString &codcargo, const QString &quadrimestre,
                         const QVariantMap &campos)
{
    m_banco.inserir(QStringLiteral("CARGO_ECONTAS"),
                    Mesclar({{"CODIGO", codigo},
                             {"DESCRICAO", "CARGO " + codigo},
                             {"TIPOCARGO", "A01"},
                             {"NUMVAGAS", 10},
                             {"LEICRIA", "LEI 1/2000"},
                             {"DATCRIA", QDateTime(QDate(2000, 3, 1), QTime(0, 0))},
                             {"CODTCM", ""},
                             {"CODCARGO", codcargo},
                             {"CODVINCULO", "01"},
                             {"QUADRIMESTRE", quadrimestre}},
                            campos));
}

void CenarioFolha::controle(const QString &competencia, bool comCritica)
{
    m_banco.controle(
        {.mesAno = competencia, .geral = "T", .criticas = comCritica ? QDate(2020, 2, 3) : QDate()});
}
