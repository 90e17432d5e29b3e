#include "export/RegistrosEcontas.h"

#include "export/TiposRegistro.h"

#include "common/Operador.h"
#include "common/Relogio.h"
#include "common/uUtil.h"
#include "econtas/EstadoEcontas.h"

#include <QDate>

namespace {

// One row of a work table, its columns found by name.
class Linha {
public:
    Linha(const ColunasPorNome &colunas, int linha) : m_colunas(colunas), m_linha(linha) {}

    QVariant valor(const char *campo) const { return m_colunas.tabela().valorEm(m_linha, coluna(campo)); }
    QString texto(const char *campo) const { return m_colunas.tabela().textoEm(m_linha, coluna(campo)); }
    // Kind N: the column's text as a whole number; empty or not a number is a conversion error.
    int inteiro(const char *campo) const { return TextoParaInteiro(texto(campo)); }
    qint64 inteiro64(const char *campo) const { return TextoParaInteiro64(texto(campo)); }
    // A whole-number column where NULL is 0.
    int inteiroOuZero(const char *campo) const { return valor(campo).isNull() ? 0 : inteiro(campo); }
    Dinheiro dinheiro(const char *campo) const { return Dinheiro::deVariant(valor(campo)); }
    // Kind D: "ddmmyyyy"; NULL is the zero date, "30121899".
    QString data(const char *campo) const
    {
        return DiasParaData(VariantParaDias(valor(campo))).toString(QStringLiteral("ddMMyyyy"));
    }

private:
    int coluna(const char *campo) const { return m_colunas.coluna(campo); }

    const ColunasPorNome &m_colunas;
    int m_linha;
};

const QString DataZero = QStringLiteral("30121899");

// Kind V: the amount in cents, twelve digits with leading zeros; a negative amount gets its minus sign
// in front and the field keeps the first twelve characters.
QString textoValor(Dinheiro valor)
{
    const qint64 centavos = valor.centavosExportacao();
    const QString digitos =
        QString::number(centavos < 0 ? -centavos : centavos).rightJustified(12, QLatin1Char('0'));
    return centavos < 0 ? QLatin1Char('-') + digitos : digitos;
}

// "0" followed by the code at the tribunal; an empty code gives 0.
int codigoTCM(const QString &codtcm)
{
    return TextoParaInteiro(QLatin1Char('0') + codtcm);
}

// Item code of record 043: a payroll event code of up to two characters becomes its item code.
int codigoItem(const QString &codevento)
{
    if (codevento.trimmed().size() <= 2)
        return TextoParaInteiro(CalculaCodigo_ItemRemuneratorio(codevento));
    return TextoParaInteiro(codevento);
}

// A number-of-digits field whose blank value is 0.
qint64 inteiro64OuZeroSeVazio(const QString &texto)
{
    return texto.trimmed().isEmpty() ? 0 : TextoParaInteiro64(texto);
}

// Shown for every record written, so the window's events run about once a frame, not once a record.
void mensagemDoRegistro(const QString &texto)
{
    MostrarStatusNoLaco(texto);
}

void avancar(TProgresso::Barra barra)
{
    Operador().progresso().avancarRegistro(barra);
    ProcessarEventosNoLaco();
}

} // namespace

int ColunasPorNome::coluna(const char *campo) const
{
    for (const auto &[nome, coluna] : m_achadas)
        if (nome == campo)
            return coluna;
    const int c = m_tabela.indiceCampoObrigatorio(QLatin1String(campo));
    m_achadas.emplace_back(campo, c);
    return c;
}

TArquivoEcontas::TArquivoEcontas(const TEstadoEcontas &estado, const TComandosSql::TabelasExportacao &tabelas)
    : m_estado(estado), m_tabelas(tabelas), m_filhos(tabelas.filhos), m_colunas010(tabelas.TBL_EXP_010),
      m_colunas020(tabelas.TBL_EXP_020), m_colunas030(tabelas.TBL_EXP_030), m_colunas040(tabelas.TBL_EXP_040),
      m_colunas041(tabelas.TBL_EXP_041), m_colunas042(tabelas.TBL_EXP_042), m_colunas043(tabelas.TBL_EXP_043)
{
}

TArquivoEcontas::~TArquivoEcontas() = default;

void TArquivoEcontas::IniciaExportacaoEcontas(const QString &pCaminho)
{
    mensagemDoRegistro(QStringLiteral("Iniciando exportação do Econtas"));
    ArqTxtPAG = std::make_unique<TTovrinTXT>();
    ArqTxtPAG->ResetFile(pCaminho);
    ArqTxtPAG->SetCol(106);
    TOT_GRAVADOS = 0;
    SEQ_040 = 0;
}

void TArquivoEcontas::iniciarRegistro(const QString &tipo)
{
    ArqTxtPAG->SetCol(TipoDoRegistro(tipo)->largura);
    ArqTxtPAG->NewLine();
    ArqTxtPAG->AddStr(tipo, 1, 3);
}

void TArquivoEcontas::gravarRegistro()
{
    ArqTxtPAG->AddStr(QStringLiteral("*"), ArqTxtPAG->colunas(), 1);
    ++TOT_GRAVADOS;
    ArqTxtPAG->AddNum(TOT_GRAVADOS, 4, 10);
    ArqTxtPAG->WriteLine(0);
}

void TArquivoEcontas::ExportaArquivo000(int linha010)
{
    mensagemDoRegistro(QStringLiteral("Exportando arquivo 000 do Econtas"));
    const Linha ug(m_colunas010, linha010);
    iniciarRegistro(QStringLiteral("000"));
    ArqTxtPAG->AddNum(TextoParaInteiro(m_estado.ano_folha), 15, 4);
    ArqTxtPAG->AddNum(
        TextoParaInteiro(m_estado.fdtblCliente.texto(QStringLiteral("CODIBGE_MUNICIPIO")).left(6)), 19, 6);
    ArqTxtPAG->AddStr(m_estado.versaoTovrin, 27, 9);
    ArqTxtPAG->AddNum(codigoTCM(ug.texto("CODTCM").left(6)), 36, 7);
    ArqTxtPAG->AddNum(TextoParaInteiro(retornaCompetenciaDeAcordoComTovrin(m_estado.competencia)), 43, 3);
    ArqTxtPAG->AddDate(Hoje().toString(QStringLiteral("ddMMyyyy")), QStringLiteral("DMA"), 46);
    gravarRegistro();
}

void TArquivoEcontas::ExportaArquivo010(int linha010)
{
    ExportaArquivo000(linha010);
    mensagemDoRegistro(QStringLiteral("Exportando unidades gestoras do econtas..."));
    const RowSet &t = m_tabelas.TBL_EXP_010;
    const Linha ug(m_colunas010, linha010);
    iniciarRegistro(QStringLiteral("010"));
    ArqTxtPAG->AddNum(ug.inteiro("UG"), 15, 5);
    ArqTxtPAG->AddStr(ug.texto("DESCRICAO"), 20, 60);
    ArqTxtPAG->AddNum(ug.inteiro("TIPO"), 80, 2);
    ArqTxtPAG->AddNum(codigoTCM(ug.texto("CODTCM").left(6)), 82, 7);
    ArqTxtPAG->AddNum(ug.inteiro64("CNPJ"), 90, 14);
    gravarRegistro();

    for (int linha020 : m_filhos.unidadesOrcamentarias.filhos(t, linha010)) {
        ExportaArquivo020(linha020);
        avancar(TProgresso::R020);
    }
}

void TArquivoEcontas::ExportaArquivo020(int linha020)
{
    mensagemDoRegistro(QStringLiteral("Exportando unidades orçamentarias do econtas..."));
    const RowSet &t = m_tabelas.TBL_EXP_020;
    const Linha uo(m_colunas020, linha020);
    iniciarRegistro(QStringLiteral("020"));
    ArqTxtPAG->AddNum(uo.inteiro("UO"), 15, 5);
    ArqTxtPAG->AddStr(uo.texto("DESCRICAO"), 20, 60);
    ArqTxtPAG->AddNum(codigoTCM(uo.texto("CODTCM")), 80, 7);
    gravarRegistro();

    for (int linha030 : m_filhos.cargos.filhos(t, linha020)) {
        ExportaArquivo030(linha030);
        avancar(TProgresso::R030);
    }
    for (int linha040 : m_filhos.servidores.filhos(t, linha020)) {
        ExportaArquivo040(linha040);
        avancar(TProgresso::R040);
    }
}

void TArquivoEcontas::ExportaArquivo030(int linha030)
{
    mensagemDoRegistro(QStringLiteral("Exportando arquivo de lotaciograma..."));
    const Linha cargo(m_colunas030, linha030);
    iniciarRegistro(QStringLiteral("030"));
    ArqTxtPAG->AddNum(cargo.inteiro("CODIGO"), 15, 5);
    ArqTxtPAG->AddStr(cargo.texto("DESCRICAO"), 20, 60);
    ArqTxtPAG->AddNum(cargo.inteiro("TIPO"), 81, 2);
    ArqTxtPAG->AddNum(cargo.inteiro64("TOTVAGAS"), 83, 5);
    ArqTxtPAG->AddStr(cargo.texto("NUMATO"), 88, 10);
    ArqTxtPAG->AddDate(cargo.data("DTATO"), QStringLiteral("DMA"), 98);
    gravarRegistro();
}

void TArquivoEcontas::ExportaArquivo040(int linha040)
{
    mensagemDoRegistro(QStringLiteral("Exportando arquivo de funcionários e agentes politicos..."));
    const RowSet &t = m_tabelas.TBL_EXP_040;
    const Linha servidor(m_colunas040, linha040);
    iniciarRegistro(QStringLiteral("040"));
    ++SEQ_040;
    ArqTxtPAG->AddNum(SEQ_040, 15, 5);
    ArqTxtPAG->AddNum(servidor.inteiro64("CPF"), 20, 11);
    ArqTxtPAG->AddStr(servidor.texto("NOME"), 31, 60);
    ArqTxtPAG->AddStr(servidor.texto("SEXO"), 91, 1);
    ArqTxtPAG->AddDate(servidor.data("DTNASC"), QStringLiteral("DMA"), 92);
    ArqTxtPAG->AddDate(servidor.data("DTADMISSAO"), QStringLiteral("DMA"), 100);
    const QString demissao = servidor.data("DTDEMISSAO");
    if (demissao != DataZero)
        ArqTxtPAG->AddDate(demissao, QStringLiteral("DMA"), 108);
    ArqTxtPAG->AddNum(inteiro64OuZeroSeVazio(servidor.texto("PISPASEP")), 117, 11);
    gravarRegistro();

    for (int linha041 : m_filhos.pagamentos.filhos(t, linha040)) {
        ExportaArquivo041(linha041);
        avancar(TProgresso::R041);
    }
    const std::vector<int> &diarias = m_filhos.diarias.filhos(t, linha040);
    for (int linha042 : diarias) {
        ExportaArquivo042(linha042);
        avancar(TProgresso::R042);
    }
    if (diarias.empty()) {
        Operador().progresso().definirMaximo(TProgresso::R042, 1);
        avancar(TProgresso::R042);
    }
}

void TArquivoEcontas::ExportaArquivo041(int linha041)
{
    mensagemDoRegistro(QStringLiteral("Exportando arquivos de informações de pagametos..."));
    const RowSet &t = m_tabelas.TBL_EXP_041;
    const Linha pagamento(m_colunas041, linha041);
    iniciarRegistro(QStringLiteral("041"));
    ArqTxtPAG->AddNum(pagamento.inteiro("TIPOPAGTO"), 15, 1);
    ArqTxtPAG->AddDate(pagamento.data("DTPAGTO"), QStringLiteral("DMA"), 16);
    int coluna = 24;
    for (const char *campo : {"REMUNBASE", "TOTGRATFUNC", "TOTOUTREMU", "TOTDESC", "CONTRIBPREV", "IRRF"}) {
        ArqTxtPAG->AddStr(textoValor(pagamento.dinheiro(campo)), coluna, 12);
        coluna += 12;
    }
    ArqTxtPAG->AddNum(pagamento.inteiroOuZero("DEPIR"), 96, 2);
    ArqTxtPAG->AddNum(pagamento.inteiroOuZero("FUNDEB"), 98, 1);
    ArqTxtPAG->AddNum(pagamento.inteiro("SITUACAO"), 100, 2);
    ArqTxtPAG->AddStr(pagamento.texto("CODCARGO"), 102, 5);
    const QString numproc = pagamento.texto("NUMPROC");
    ArqTxtPAG->AddNum(numproc.trimmed().isEmpty() ? 0 : StrIntTov(numproc), 107, 12);
    gravarRegistro();

    for (int linha043 : m_filhos.itens.filhos(t, linha041)) {
        ExportaArquivo043(linha043);
        avancar(TProgresso::R043);
    }
}

void TArquivoEcontas::ExportaArquivo042(int linha042)
{
    mensagemDoRegistro(QStringLiteral("Exportando arquivos de diárias..."));
    const Linha diaria(m_colunas042, linha042);
    iniciarRegistro(QStringLiteral("042"));
    ArqTxtPAG->AddDate(diaria.data("DTPAGTO"), QStringLiteral("DMA"), 15);
    ArqTxtPAG->AddStr(textoValor(diaria.dinheiro("VALOR")), 23, 12);
    ArqTxtPAG->AddStr(diaria.texto("NUMATO"), 35, 10);
    ArqTxtPAG->AddDate(diaria.data("DTATO"), QStringLiteral("DMA"), 45);
    ArqTxtPAG->AddStr(diaria.texto("MOTIVO"), 53, 100);
    ArqTxtPAG->AddStr(diaria.texto("DESTINO"), 153, 50);
    ArqTxtPAG->AddDate(diaria.data("INICIO"), QStringLiteral("DMA"), 203);
    ArqTxtPAG->AddDate(diaria.data("FIM"), QStringLiteral("DMA"), 211);
    gravarRegistro();
}

void TArquivoEcontas::ExportaArquivo043(int linha043)
{
    mensagemDoRegistro(QStringLiteral("Exportando arquivos de detalhamentos das gratificações..."));
    const Linha item(m_colunas043, linha043);
    const QString tipograt = item.texto("TIPOGRAT");
    if (tipograt != QLatin1String("0") && tipograt != QLatin1String("1"))
        return;
    // TIPOGRAT 0 puts the bonus in the first pair of columns, 1 in the second; the other pair is zero.
    const int colunaItem = tipograt == QLatin1String("0") ? 20 : 34;
    const int colunaZero = tipograt == QLatin1String("0") ? 34 : 20;
    iniciarRegistro(QStringLiteral("043"));
    ArqTxtPAG->AddNum(codigoItem(item.texto("CODEVENTO")), 15, 5);
    ArqTxtPAG->AddNum(item.inteiroOuZero("CODGRAT"), colunaItem, 2);
    ArqTxtPAG->AddStr(textoValor(item.dinheiro("VALOR")), colunaItem + 2, 12);
    ArqTxtPAG->AddNum(0, colunaZero, 2);
    ArqTxtPAG->AddStr(textoValor(Dinheiro()), colunaZero + 2, 12);
    gravarRegistro();
}

void TArquivoEcontas::FinalizaExportacaoEcontas(const QString &)
{
    iniciarRegistro(QStringLiteral("999"));
    gravarRegistro();
    ArqTxtPAG->WriteFile();
    ArqTxtPAG.reset();
}
