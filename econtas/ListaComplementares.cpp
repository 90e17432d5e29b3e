#include "econtas/ListaComplementares.h"

#include "common/uUtil.h"
#include "econtas/ComandosComplementares.h"
#include "econtas/uEcontasController.h"

namespace {

const QStringList camposChave = {QStringLiteral("ANO"), QStringLiteral("NUMMES"), QStringLiteral("MES"),
                                 QStringLiteral("CNPJ")};

TLinhaComplementar linhaDaFolha(const QString &codigo, const QString &ano, const QString &cnpj)
{
    TLinhaComplementar linha;
    linha.texto = RetornaCompetenciaFormatada(codigo, ano);
    linha.ano = ano;
    linha.mes = RetornaCompetenciaNumero(codigo);
    linha.competencia = codigo;
    linha.cnpj = cnpj;
    linha.geral = QStringLiteral("T");
    return linha;
}

TEcontasComplementares registroDaLinha(const TLinhaComplementar &linha)
{
    TEcontasComplementares registro;
    registro.Setano(linha.ano);
    registro.Setnummes(linha.mes);
    registro.Setmes(linha.competencia);
    registro.Setcnpj(linha.cnpj);
    registro.Setgeral(linha.geral);
    return registro;
}

} // namespace

QString RodapeComplementares(int pTotal)
{
    return QStringLiteral("Total de itens: ") + QString::number(pTotal);
}

QString RetornaCompetenciaFormatada(const QString &pCodigoFolha, const QString &pAno)
{
    return pCodigoFolha.mid(2, 1) + QStringLiteral("ª Folha Complementar / ") +
           RetornaCompetenciaTexto(pCodigoFolha) + QStringLiteral(" de ") + pAno;
}

QList<TLinhaComplementar> ListarComplementares(const QString &pMes, const QString &pAno, const QString &pCNPJ)
{
    RowSet folhas = TComandosSql::RetornaComplementaresPorCompetencia(pMes);
    QList<TLinhaComplementar> linhas;
    for (folhas.first(); !folhas.eof(); folhas.next())
        linhas << linhaDaFolha(folhas.texto(QStringLiteral("TABELA")).trimmed(), pAno, pCNPJ);
    return linhas;
}

void MarcarComplementaresExistentes(QList<TLinhaComplementar> &pLinhas)
{
    RowSet escolhidas = TComandosSql::AbrirTabelaKVB020();
    for (TLinhaComplementar &linha : pLinhas)
        linha.marcada = escolhidas.locate(camposChave, {linha.ano, linha.mes, linha.competencia, linha.cnpj});
}

void EnviarComplementares(const QList<TLinhaComplementar> &pLinhas)
{
    TEcontasController controller;
    for (const TLinhaComplementar &linha : pLinhas) {
        const TEcontasComplementares registro = registroDaLinha(linha);
        if (linha.marcada)
            controller.InserirComplementares(registro);
        else
            controller.Deletar(registro);
    }
}
