#include "criticas/uCriticasController.h"

#include "common/Operador.h"
#include "common/uUtil.h"
#include "criticas/FiltrosCriticas.h"
#include "criticas/SqlCriticas.h"
#include "db/Sql.h"

#include <QHash>
#include <QSet>

namespace {

void avancarUmPasso()
{
    Operador().progresso().avancar(TProgresso::Principal);
    ProcessarEventos();
}

// Every check begins with its status text and a repaint and ends, also when it fails, with one step of
// the overall progress bar and another repaint.
class PassoDaCritica {
public:
    explicit PassoDaCritica(const QString &status)
    {
        if (!status.isEmpty()) {
            MostrarStatus(status);
        }
    }
    ~PassoDaCritica() { avancarUmPasso(); }
    PassoDaCritica(const PassoDaCritica &) = delete;
    PassoDaCritica &operator=(const PassoDaCritica &) = delete;
};

// A filter set on a record-source set for the length of one check; switched off again at the end.
class FiltroDaCritica {
public:
    FiltroDaCritica(RowSet &conjunto, RowSet::Predicado predicado) : m_conjunto(conjunto)
    {
        m_conjunto.first();
        m_conjunto.semFiltro();
        m_conjunto.filtrar(std::move(predicado));
    }
    ~FiltroDaCritica() { m_conjunto.semFiltro(); }
    FiltroDaCritica(const FiltroDaCritica &) = delete;
    FiltroDaCritica &operator=(const FiltroDaCritica &) = delete;

private:
    RowSet &m_conjunto;
};

// First row of each value of a column, over all rows. A NULL is no value: it is never found and never
// finds anything.
QHash<QString, int> primeiraLinhaPorValor(const RowSet &conjunto, const QString &campo)
{
    const int coluna = conjunto.indiceCampoObrigatorio(campo);
    QHash<QString, int> indice;
    for (int l = conjunto.quantidadeLinhas() - 1; l >= 0; --l) {
        const QVariant &v = conjunto.valorEm(l, coluna);
        if (!v.isNull())
            indice.insert(v.toString(), l);
    }
    return indice;
}

// Looks a value up in an index made by primeiraLinhaPorValor; -1 when it is not there or NULL.
int linhaDoValor(const QHash<QString, int> &indice, const QVariant &valor)
{
    return valor.isNull() ? -1 : indice.value(valor.toString(), -1);
}

// A secretariat code as the database compares it: trailing blanks do not count.
QString chaveSecretaria(const RowSet &linha)
{
    return SemBrancosFinais(linha.texto(QStringLiteral("cdsecreta")));
}

QString textoAparado(const RowSet &linha, const QString &campo)
{
    return linha.texto(campo).trimmed();
}

} // namespace

TCriticasController::TCriticasController(const QString &pMes, const RowSet &pCliente,
                                         const QString &pSQLPadrao)
    : FCliente(pCliente)
{
    MostrarStatus(QStringLiteral("Aguarde, sistema iníciando críticas!"));
    FMes = pMes;
    FSQlPadrao = pSQLPadrao;
}

QString TCriticasController::tabelaDoMes(const QString &prefixo) const
{
    return prefixo + Sql::ValidarMes(FMes);
}

bool TCriticasController::ValidaTabelaCargosEcontas()
{
    MostrarStatus(QStringLiteral("Aguarde, sistema verificando tabela de cargos e-contas!"));
    return RowSet::abrir(QStringLiteral("SELECT FIRST 1 codigo FROM CARGO_ECONTAS")).recordCount() > 0;
}

QStringList TCriticasController::VerificaCodigoTCMCliente()
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando tabela de clientes e-contas!"));
    QStringList criticas;
    RowSet cliente = RowSet::abrir(QStringLiteral("SELECT * FROM KVB003"));
    cliente.first();
    if (cliente.texto(QStringLiteral("codtcm")).length() != 6)
        criticas << QStringLiteral("Cliente: %1 - Encontra-se com código de unidade gestora inválido!")
                        .arg(cliente.texto(QStringLiteral("descricao")));
    return criticas;
}

QStringList TCriticasController::RetornaEventosNaoConfigurados()
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando eventos não configurados!"));
    QStringList criticas;
    RowSet eventos = RowSet::abrir(QStringLiteral("SELECT * FROM ") + tabelaDoMes(QStringLiteral("KVB010")));
    eventos.filtrar(FiltrosCriticas::EventoNaoConfigurado(eventos));
    for (eventos.first(); !eventos.eof(); eventos.next())
        criticas << QStringLiteral("Evento: ") + eventos.texto(QStringLiteral("codigo")) +
                        QStringLiteral(" - Descrição: ") + eventos.texto(QStringLiteral("descricao"));
    return criticas;
}

QStringList TCriticasController::RetornaCriticasNosTiposDeCargos()
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando tipos de cargos"));
    QStringList criticas;
    RowSet cargos = RowSet::abrir(SqlCriticas::TiposDeCargosNaoInformados());
    for (cargos.first(); !cargos.eof(); cargos.next())
        criticas << QStringLiteral("Código: ") + cargos.texto(QStringLiteral("codigo")) +
                        QStringLiteral(" - Descrição: ") + textoAparado(cargos, QStringLiteral("descricao")) +
                        QStringLiteral(" - Vínculo: ") + textoAparado(cargos, QStringLiteral("vinculo"));
    return criticas;
}

QStringList TCriticasController::RetornarCriticasSobCadastroCliente()
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando tabela de clientes!"));
    static const std::pair<const char *, const char *> campos[] = {
        {"codibge_municipio", "Código município IBGE não informado no cadastro de cliente."},
        {"cgc", "CNPJ não informado no cadastro de cliente."},
        {"codorgao", "Código orçamentário não informado no cadastro de cliente."},
        {"codtcm", "Código unidade gestora não informado no cadastro de cliente."},
        {"tipoorgao", "Tipo do órgão não informado no cadastro de cliente."},
    };
    QStringList criticas;
    for (const auto &[campo, critica] : campos)
        if (SeForVazioOuNulo(FCliente.texto(QLatin1String(campo))))
            criticas << QString::fromUtf8(critica);
    return criticas;
}

QStringList TCriticasController::RetornaCriticasNosTiposDeCargosComVagasZeradas()
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando tipos de cargos com vagas zeradas..."));
    QStringList criticas;
    RowSet cargos = RowSet::abrir(SqlCriticas::CargosComVagasZeradas());
    for (cargos.first(); !cargos.eof(); cargos.next())
        criticas << QStringLiteral("Código: ") + cargos.texto(QStringLiteral("codigo")) +
                        QStringLiteral(" - Descrição: ") + textoAparado(cargos, QStringLiteral("descricao")) +
                        QStringLiteral(" - com total de vagas zeradas...");
    return criticas;
}

QStringList TCriticasController::RetornaSituacaoFuncionalComCriticas()
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando situação funcional"));
    QStringList criticas;
    RowSet servidores = RowSet::abrir(SqlCriticas::ServidoresSemSituacaoFuncional(FMes));
    for (servidores.first(); !servidores.eof(); servidores.next())
        criticas << QStringLiteral("Servidor: ") + servidores.texto(QStringLiteral("matricula")) +
                        QStringLiteral(" - ") + textoAparado(servidores, QStringLiteral("nome"));
    return criticas;
}

QStringList TCriticasController::RetornaServidoresComTiposCargosInvalidos()
{
    PassoDaCritica passo{QString()};
    QStringList criticas;
    RowSet servidores = RowSet::abrir(SqlCriticas::ServidoresComTiposCargosInvalidos(FMes));
    for (servidores.first(); !servidores.eof(); servidores.next())
        criticas << QStringLiteral("Funcionário: ") + servidores.texto(QStringLiteral("matricula")) +
                        QStringLiteral("-") + servidores.texto(QStringLiteral("nome")) +
                        QStringLiteral(" - Cargo Econtas ") + servidores.texto(QStringLiteral("econtas"));
    return criticas;
}

QStringList TCriticasController::RetornaCriticaDeCargosSemNumeroLeiCriacao(RowSet &pTabela)
{
    PassoDaCritica passo(
        QStringLiteral("Aguarde, sistema verificando cargos sem informações de lei de criação!"));
    QStringList criticas;
    FiltroDaCritica filtro(pTabela, FiltrosCriticas::CargoSemNumeroLeiCriacao(pTabela));
    for (pTabela.first(); !pTabela.eof(); pTabela.next())
        criticas << QStringLiteral("Código: ") + pTabela.texto(QStringLiteral("codigo")) +
                        QStringLiteral(" - Descrição: ") +
                        textoAparado(pTabela, QStringLiteral("descricao")) +
                        QStringLiteral(" - Falta número do ato!");
    return criticas;
}

QStringList TCriticasController::RetornaCriticasSobUnidadesGestoras(RowSet &pTabela)
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema montando críticas do ECONTAS 010!"));
    QStringList criticas;
    pTabela.first();
    const QHash<QString, int> unidades = primeiraLinhaPorValor(pTabela, QStringLiteral("CODUNDGESTOR"));
    const int tipoOrgao = pTabela.indiceCampoObrigatorio(QStringLiteral("tipoorgao"));
    RowSet secretarias = RowSet::abrir(SqlCriticas::SecretariasDasUnidadesGestoras(FMes));
    for (secretarias.first(); !secretarias.eof(); secretarias.next()) {
        const int linha = linhaDoValor(unidades, secretarias.valor(QStringLiteral("codundgestor")));
        if (linha < 0)
            continue;
        pTabela.irParaLinha(linha);
        const QString tipo = secretarias.texto(QStringLiteral("tipoorgao"));
        if (pTabela.textoEm(linha, tipoOrgao) == tipo)
            continue;
        criticas << QStringLiteral("CNPJ: ") + FormataCNPJ(secretarias.texto(QStringLiteral("CNPJ"))) +
                        QStringLiteral(" - Secretária: ") + secretarias.texto(QStringLiteral("cdsecreta1")) +
                        QStringLiteral("-") + QStringLiteral(" Código unidade gestora: ") +
                        secretarias.texto(QStringLiteral("codundgestor")) + QStringLiteral("-") +
                        QStringLiteral(" Tipo orgão: ") + tipo + QStringLiteral("-") +
                        QStringLiteral(" Descrição: ") + secretarias.texto(QStringLiteral("descricao"));
    }
    return criticas;
}

QStringList TCriticasController::RetornaCriticasUnidadesOrcamentariasNaoConfiguradas()
{
    PassoDaCritica passo(
        QStringLiteral("Aguarde, sistema verificando unidades orçamentarias não configuradas!"));
    QStringList criticas;
    RowSet setores = RowSet::abrir(QStringLiteral("SELECT * FROM ") + tabelaDoMes(QStringLiteral("KVB006")));
    setores.filtrar(FiltrosCriticas::SetorEnviadoAoTribunal(setores));
    const RowSet unidades = RowSet::abrir(QStringLiteral("SELECT CODIGO_UNIDADE FROM UNIDADE_ORCAMENTARIA"));
    const QHash<QString, int> configuradas =
        primeiraLinhaPorValor(unidades, QStringLiteral("CODIGO_UNIDADE"));
    for (setores.first(); !setores.eof(); setores.next()) {
        if (linhaDoValor(configuradas, setores.valor(QStringLiteral("CODUNDORCA"))) >= 0)
            continue;
        criticas << QStringLiteral("Setor: ") + setores.texto(QStringLiteral("cdsecreta")) +
                        setores.texto(QStringLiteral("cdsetor")) + QStringLiteral(" - Descrição: ") +
                        setores.texto(QStringLiteral("descricao"));
    }
    return criticas;
}

QStringList TCriticasController::RetornaCriticasSobUnidadesOrcamentarias(RowSet &pTabela,
                                                                         QStringList &pListarSetorComCriticas)
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando informações do Criticas econtas 020!"));
    QStringList criticas;
    const QSet<QString> daSelecao = secretariasDaSelecao();
    RowSet secretarias = RowSet::abrir(SqlCriticas::SecretariasDoMes(FMes));
    for (secretarias.first(); !secretarias.eof(); secretarias.next())
        if (daSelecao.contains(chaveSecretaria(secretarias)) &&
            SeForVazioOuNulo(secretarias.texto(QStringLiteral("codundorca"))))
            criticas << QStringLiteral("Código: ") + secretarias.texto(QStringLiteral("cdsecreta")) +
                            QStringLiteral(" - ") + QStringLiteral(" Descrição: ") +
                            secretarias.texto(QStringLiteral("descricao"));
    avancarUmPasso();
    pListarSetorComCriticas += setoresSemUnidadeDoRegistro020(pTabela, daSelecao);
    return criticas;
}

// The non-null secretariat codes of the base selection.
QSet<QString> TCriticasController::secretariasDaSelecao() const
{
    QSet<QString> codigos;
    const int lida =
        FSelecaoLida && FSelecaoLida->aberto() ? FSelecaoLida->indiceCampo(QStringLiteral("cdsecreta")) : -1;
    if (lida >= 0) {
        for (int l = 0; l < FSelecaoLida->quantidadeLinhas(); ++l)
            if (!FSelecaoLida->valorEm(l, lida).isNull())
                codigos.insert(SemBrancosFinais(FSelecaoLida->textoEm(l, lida)));
        return codigos;
    }
    RowSet selecao = RowSet::abrir(SqlCriticas::SecretariasDaSelecao(FSQlPadrao));
    for (selecao.first(); !selecao.eof(); selecao.next())
        if (!selecao.nulo(QStringLiteral("cdsecreta")))
            codigos.insert(chaveSecretaria(selecao));
    return codigos;
}

// Sectors of the payroll whose budget unit is not among the record-020 rows.
QStringList TCriticasController::setoresSemUnidadeDoRegistro020(RowSet &pTabela,
                                                                const QSet<QString> &pSecretarias)
{
    QStringList criticas;
    pTabela.first();
    const QHash<QString, int> unidades = primeiraLinhaPorValor(pTabela, QStringLiteral("codundorca"));
    RowSet setores = RowSet::abrir(SqlCriticas::SetoresDoMes(FMes));
    for (setores.first(); !setores.eof(); setores.next()) {
        if (!pSecretarias.contains(chaveSecretaria(setores)))
            continue;
        const int linha = linhaDoValor(unidades, setores.valor(QStringLiteral("codundorca")));
        if (linha >= 0) {
            pTabela.irParaLinha(linha);
        } else {
            criticas << QStringLiteral("Secretária: ") + setores.texto(QStringLiteral("cdsecreta")) +
                            QStringLiteral(" - ") + QStringLiteral("Setor: ") +
                            setores.texto(QStringLiteral("cdsetor")) + QStringLiteral(" - ") +
                            QStringLiteral("Código orçamentário: ") +
                            setores.texto(QStringLiteral("codundorca")) + QStringLiteral(" - ") +
                            QStringLiteral("Descrição: ") + setores.texto(QStringLiteral("descricao"));
        }
        ProcessarEventos();
    }
    return criticas;
}

QStringList TCriticasController::RetornaFuncionariosComCriticas(RowSet &pTabela)
{
    PassoDaCritica passo(QStringLiteral("Aguarde, sistema verificando funcionários!"));
    QStringList criticas;
    FiltroDaCritica filtro(pTabela, FiltrosCriticas::FuncionarioComDadosIncompletos(pTabela));
    for (pTabela.first(); !pTabela.eof(); pTabela.next())
        criticas << QStringLiteral("Funcionário: ") + pTabela.texto(QStringLiteral("matricula")) +
                        QStringLiteral(" - ") + pTabela.texto(QStringLiteral("nome")) +
                        QStringLiteral(" - Com as seguintes criticas: ") +
                        FiltrosCriticas::CriticasDoFuncionario(pTabela);
    return criticas;
}
