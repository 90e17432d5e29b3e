#include "criticas/FiltrosCriticas.h"

#include "common/Falha.h"

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

int ColunaObrigatoria(const RowSet &conjunto, const QString &campo)
{
    const int coluna = conjunto.indiceCampo(campo);
    if (coluna < 0)
        throw Falha(QStringLiteral("Campo '%1' não encontrado").arg(campo));
    return coluna;
}

RowSet::Predicado EventoNaoConfigurado(const RowSet &eventos)
{
    const int natureza = ColunaObrigatoria(eventos, QStringLiteral("NATUREZA"));
    const int status = ColunaObrigatoria(eventos, QStringLiteral("STATUS"));
    const int tipoGrat = ColunaObrigatoria(eventos, QStringLiteral("TIPOGRAT"));
    const int numGrat = ColunaObrigatoria(eventos, QStringLiteral("NUMGRAT"));
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
    const int cdsetor = ColunaObrigatoria(setores, QStringLiteral("CDSETOR"));
    const int naoEnvTrib = ColunaObrigatoria(setores, QStringLiteral("NAOENVTRIB"));
    return [=](const RowSet &r, int l) {
        return diferente(r.valorEm(l, cdsetor), QStringLiteral("000")) &&
               igual(r.valorEm(l, naoEnvTrib), QStringLiteral("F"));
    };
}

RowSet::Predicado CargoSemNumeroLeiCriacao(const RowSet &cargos)
{
    const int leiCria = ColunaObrigatoria(cargos, QStringLiteral("LEICRIA"));
    return [=](const RowSet &r, int l) { return igual(r.valorEm(l, leiCria), QString()); };
}

RowSet::Predicado FuncionarioComDadosIncompletos(const RowSet &funcionarios)
{
    const int cpf = ColunaObrigatoria(funcionarios, QStringLiteral("CPF"));
    const int nome = ColunaObrigatoria(funcionarios, QStringLiteral("NOME"));
    const int sexo = ColunaObrigatoria(funcionarios, QStringLiteral("SEXO"));
    const int dtNasc = ColunaObrigatoria(funcionarios, QStringLiteral("DTNASC"));
    const int dtAdmissao = ColunaObrigatoria(funcionarios, QStringLiteral("DTADMISSAO"));
    const int pisPasep = ColunaObrigatoria(funcionarios, QStringLiteral("PISPASEP"));
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
