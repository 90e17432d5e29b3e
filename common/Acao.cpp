#include "common/Acao.h"

#include "common/Falha.h"
#include "common/Operador.h"

TAcoes &TAcoes::instancia()
{
    static TAcoes acoes;
    return acoes;
}

ResultadoAcao TAcoes::executar(const std::function<void()> &acao)
{
    try {
        acao();
        return ResultadoAcao::Concluida;
    } catch (const Abortar &) {
        return ResultadoAcao::Interrompida;
    } catch (const Falha &f) {
        Operador().erro(f.mensagem());
        return ResultadoAcao::Falhou;
    }
}

ResultadoAcao TAcoes::executarLonga(const std::function<void()> &acao)
{
    if (m_ocupado) {
        Operador().informacao(MensagemOperacaoEmAndamento());
        return ResultadoAcao::Recusada;
    }
    m_ocupado = true;
    emit ocupadoMudou(true);
    const ResultadoAcao r = executar(acao);
    m_ocupado = false;
    emit ocupadoMudou(false);
    return r;
}

QString MensagemOperacaoEmAndamento()
{
    return QStringLiteral("Aguarde: outra operação do e-Contas está em andamento.");
}
