#pragma once
// Small payroll scenarios for the selection and generation tests: the client row, departments, staff
// and their payroll rows, each with sensible defaults that a test overrides where it matters.
#include <QDate>
#include <QString>
#include <QVariantMap>

class BancoTeste;

class CenarioFolha {
public:
    CenarioFolha(BancoTeste &banco, QString mes = QStringLiteral("JAN"))
        : m_banco(banco), m_mes(std::move(mes))
    {
    }

    // KVB003: the entity (CGC, CODTCM, CODORGAO, TIPOORGAO …).
    void cliente(const QVariantMap &campos = {});
    // KVB006<mes>: a department (status 1, sent, FUNDEB marked, closed unless overridden).
    void lotacao(const QString &cdsecreta, const QString &cdsetor, const QVariantMap &campos = {});
    // KVB001<mes>: a staff member (complete data, TCM "F") in a department.
    void pessoa(const QString &matricula, const QString &cdsecreta, const QString &cdsetor,
                const QVariantMap &campos = {});
    // KVBDXX02<folha>: an active payroll row of a staff member.
    void folha(const QString &codigoFolha, const QString &matricula, double totprov,
               const QVariantMap &campos = {});
    // pessoa + folha of the monthly sheet.
    void servidor(const QString &matricula, const QString &cdsecreta, const QString &cdsetor,
                  double totprov = 1000.0, const QVariantMap &campos = {});
    // KVBW9927: a per-diem act dated and committed on that day.
    void diaria(const QString &matricula, const QDate &data, double valor = 100.0,
                const QVariantMap &campos = {});
    // CARGO_ECONTAS: a position configured for the function and bond of the defaults.
    void cargo(const QString &codigo, const QString &codcargo, const QString &quadrimestre,
               const QVariantMap &campos = {});
    // CTRL_TCMTPA: the control row of a competence, with its critique date set.
    void controle(const QString &competencia, bool comCritica = true);

private:
    BancoTeste &m_banco;
    QString m_mes;
};

// Base values with the overrides applied.
QVariantMap Mesclar(QVariantMap base, const QVariantMap &campos);
