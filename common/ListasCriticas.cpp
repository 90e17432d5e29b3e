#include "common/ListasCriticas.h"

const std::array<QString, QuantidadeGruposCriticas> grupoArray = {
    QStringLiteral("CADASTRO DE CLIENTE"),        QStringLiteral("UNIDADES GESTORAS"),
    QStringLiteral("UNIDADE ORÇAMENTÁRIA"),       QStringLiteral("SETOR"),
    QStringLiteral("TIPOS DE CARGOS DO ECONTAS"), QStringLiteral("SITUAÇÃO FUNCIONAL DO SERVIDOR"),
    QStringLiteral("CARGOS SEM NÚMERO DO ATO"),   QStringLiteral("CARGOS COM VAGAS ZERADAS"),
    QStringLiteral("UNIDADES ORÇAMENTARIAS"),     QStringLiteral("EVENTOS NÃO CONFIGURADOS"),
    QStringLiteral("FUNCIONÁRIOS COM CRÍTICAS"),  QStringLiteral("CLIENTE"),
    QStringLiteral("SITUAÇÃO FUNCIONAL"),
};

const std::array<QString, QuantidadeGruposCriticas> tituloArray = {
    QStringLiteral("Critica no cadastro de cliente."),
    QStringLiteral("Unidades gestoras iguais e tipo do orgão diferentes."),
    QStringLiteral("Unidade orçamentária da secretária não informado."),
    QStringLiteral("Setor não possui unidade orçamentária informada."),
    QStringLiteral("Tipos de cargos do econtas não está configurado corretamente."),
    QStringLiteral("Situação funcional do servidor não foi configurada."),
    QStringLiteral("Número da lei ou decreto que instituiu ou modificou este cargo."),
    QStringLiteral("Total de vagas inconsistentes..."),
    QStringLiteral("Unidades orçamentárias não configuradas"),
    QStringLiteral("Eventos não configurados na folha"),
    QStringLiteral("Funcionários/Agentes políticos com inconsistências na base de dados"),
    QStringLiteral("Cliente encontra-se com código da unidade gestora inválido..."),
    QStringLiteral(
        "O código da situação funcional indicado não é valido para o tipo do cargo no lotacionograma."),
};

QString RodapeGrupo(int quantidade)
{
    return QStringLiteral("Total de itens: ") + QString::number(quantidade);
}

QStringList TextoDasCriticas(const ListasCriticas &listas)
{
    QStringList texto;
    for (int g = 0; g < QuantidadeGruposCriticas; ++g) {
        if (listas[g].isEmpty())
            continue;
        texto << grupoArray[g] << tituloArray[g];
        texto += listas[g];
        texto << RodapeGrupo(int(listas[g].size()));
    }
    return texto;
}
