#include "criticas/FiltrosCriticas.h"

namespace FiltrosCriticas {

namespace {

bool igual(const QVariant &valor, const QString &texto)
{
    return !valor.isNull() && valor.toString() == texto;
}

bool diferente(const QVariant &valor, const QString &texto)
{
    return !valor.isNull() && valor.toString() != texto;
}

bool vazioOuNulo(const QVariant &valor)
{
    return valor.isNull() || valor.toString().isEmpty();
}

// SEXO NOT IN (1, 2): the value compared as a number; a text that is no number is neither.
bool foraDeUmEDois(const QVariant &valor)
{
    if (valor.isNull())
        return false;
    bool numero = false;
    const qlonglong n = valor.toString().trimmed().toLongLong(&numero);
    return !numero || (n != 1 && n != 2);
}

} // namespace

RowSet::Predicado EventoNaoConfigurado(const RowSet &eventos)
{
    const int natureza = eventos.indiceCampoObrigatorio(QStringLiteral("NATUREZA"));
    const int status = eventos.indiceCampoObrigatorio(QStringLiteral("STATUS"));
    const int tipoGrat = eventos.indiceCampoObrigatorio(QStringLiteral("TIPOGRAT"));
    const int numGrat = eventos.indiceCampoObrigatorio(QStringLiteral("NUMGRAT"));
    return [=](const RowSet &r, int l) {
        const QVariant tipo = r.valorEm(l, tipoGrat);
        const QVariant numero = r.valorEm(l, numGrat);
        return igual(r.valorEm(l, natureza), QStringLiteral("P")) &&
               igual(r.valorEm(l, status), QStringLiteral("1")) &&
               (tipo.isNull() || diferente(tipo, QStringLiteral("99"))) &&
               (numero.isNull() || igual(numero, QString()));
    };
}

RowSet::Predicado SetorEnviadoAoTribunal(const RowSet &setores)
{
    const int cdsetor = setores.indiceCampoObrigatorio(QStringLiteral("CDSETOR"));
    const int naoEnvTrib = setores.indiceCampoObrigatorio(QStringLiteral("NAOENVTRIB"));
    return [=](const RowSet &r, int l) {
        return diferente(r.valorEm(l, cdsetor), QStringLiteral("000")) &&
               igual(r.valorEm(l, naoEnvTrib), QStringLiteral("F"));
    };
}

RowSet::Predicado CargoSemNumeroLeiCriacao(const RowSet &cargos)
{
    const int leiCria = cargos.indiceCampoObrigatorio(QStringLiteral("LEICRIA"));
    return [=](const RowSet &r, int l) { return igual(r.valorEm(l, leiCria), QString()); };
}

RowSet::Predicado FuncionarioComDadosIncompletos(const RowSet &funcionarios)
{
    const int cpf = funcionarios.indiceCampoObrigatorio(QStringLiteral("CPF"));
    const int nome = funcionarios.indiceCampoObrigatorio(QStringLiteral("NOME"));
    const int sexo = funcionarios.indiceCampoObrigatorio(QStringLiteral("SEXO"));
    const int dtNasc = funcionarios.indiceCampoObrigatorio(QStringLiteral("DTNASC"));
    const int dtAdmissao = funcionarios.indiceCampoObrigatorio(QStringLiteral("DTADMISSAO"));
    const int pisPasep = funcionarios.indiceCampoObrigatorio(QStringLiteral("PISPASEP"));
    return [=](const RowSet &r, int l) {
        return vazioOuNulo(r.valorEm(l, cpf)) || vazioOuNulo(r.valorEm(l, nome)) ||
               foraDeUmEDois(r.valorEm(l, sexo)) || r.valorEm(l, dtNasc).isNull() ||
               r.valorEm(l, dtAdmissao).isNull() || vazioOuNulo(r.valorEm(l, pisPasep));
    };
}

QString CriticasDoFuncionario(const RowSet &funcionarios)
{
    struct Teste {
        const char *campo;
        const char *texto; // the value that fails the test, trimmed
        const char *critica;
    };
    static const Teste testes[] = {
        {"CPF", "", " - CPF inválido"},
        {"NOME", "", " - NOME inválido"},
        {"SEXO", "0", " - SEXO inválido"},
        {"DTNASC", "", " - Data de nascimento inválida"},
        {"DTADMISSAO", "", " - Data de Admissão inválida"},
        {"PISPASEP", "", " - PISPASEP inválido"},
    };
    QString criticas;
    for (const Teste &t : testes) {
        const QString valor = funcionarios.texto(QLatin1String(t.campo)).trimmed();
        if (valor == QLatin1String(t.texto))
            criticas += QString::fromUtf8(t.critica);
    }
    return criticas.trimmed();
}

} // namespace FiltrosCriticas
