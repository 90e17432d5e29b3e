#include "export/VerificacaoArquivo.h"

#include "common/Falha.h"
#include "export/TiposRegistro.h"
#include "export/TovrinTXT.h"

namespace {

class Verificacao {
public:
    void linha(int numero, const QString &texto, bool crlf)
    {
        m_numero = numero;
        const QString codigo = texto.left(3);
        if (!crlf)
            problema(QStringLiteral("a linha não termina com CR LF"));
        const TipoRegistro *tipo = TipoDoRegistro(codigo);
        if (!tipo) {
            problema(QStringLiteral("tipo de registro desconhecido: \"%1\"").arg(codigo));
            return;
        }
        verificarLargura(*tipo, texto);
        verificarSequencia(texto);
        verificarPosicao(*tipo);
        m_ultimo = codigo;
    }

    void fim(int linhas, const QString &ultimaLinha)
    {
        if (linhas == 0) {
            m_problemas << ProblemaArquivo{0, QStringLiteral("o arquivo está vazio")};
            return;
        }
        m_numero = linhas;
        if (m_ultimo != QLatin1String("999")) {
            problema(QStringLiteral("o arquivo não termina com o registro 999"));
            return;
        }
        bool ok = false;
        const int informadas = ultimaLinha.mid(3, 10).toInt(&ok);
        if (ok && informadas != linhas)
            problema(QStringLiteral("o registro 999 informa %1 linhas; o arquivo tem %2")
                         .arg(informadas)
                         .arg(linhas));
    }

    QList<ProblemaArquivo> problemas() const { return m_problemas; }

private:
    void problema(const QString &texto) { m_problemas << ProblemaArquivo{m_numero, texto}; }

    void verificarLargura(const TipoRegistro &tipo, const QString &texto)
    {
        if (texto.size() != tipo.largura)
            problema(QStringLiteral("registro %1 com %2 colunas; o registro tem %3")
                         .arg(QLatin1String(tipo.tipo))
                         .arg(texto.size())
                         .arg(tipo.largura));
        if (!texto.endsWith(QLatin1Char('*')))
            problema(QStringLiteral("registro %1 sem \"*\" na última coluna").arg(QLatin1String(tipo.tipo)));
    }

    void verificarSequencia(const QString &texto)
    {
        const QString sequencia = texto.mid(3, 10);
        const QString esperada = QString::number(m_numero).rightJustified(10, QLatin1Char('0'));
        if (sequencia != esperada)
            problema(QStringLiteral("número de sequência \"%1\"; esperado %2").arg(sequencia, esperada));
    }

    // Where a record may stand: the header only first, the trailer only once, after it nothing; every
    // other record under the nearest open record of its parent's type.
    void verificarPosicao(const TipoRegistro &tipo)
    {
        const QString codigo = QLatin1String(tipo.tipo);
        if (m_fechado) {
            problema(QStringLiteral("registro %1 depois do registro 999").arg(codigo));
            return;
        }
        if (codigo == QLatin1String("000")) {
            if (m_numero != 1)
                problema(QStringLiteral("registro 000 fora da primeira linha"));
        } else if (m_numero == 1) {
            problema(QStringLiteral("o arquivo não começa com o registro 000"));
        }
        if (codigo == QLatin1String("999")) {
            m_fechado = true;
            return;
        }
        if (codigo == QLatin1String("010") && m_abertos[1] == QLatin1String("010"))
            problema(QStringLiteral("segundo registro 010 no mesmo arquivo"));
        const QString pai = QLatin1String(tipo.pai);
        if (!pai.isEmpty() && m_abertos[tipo.nivel - 1] != pai)
            problema(QStringLiteral("registro %1 fora de um registro %2").arg(codigo, pai));
        m_abertos[tipo.nivel] = codigo;
        for (size_t n = tipo.nivel + 1; n < m_abertos.size(); ++n)
            m_abertos[n].clear();
    }

    int m_numero = 0;
    QString m_ultimo;
    bool m_fechado = false;
    std::array<QString, 6> m_abertos; // the record open at each depth
    QList<ProblemaArquivo> m_problemas;
};

} // namespace

QList<ProblemaArquivo> VerificarArquivoEcontas(const QString &caminho)
{
    Verificacao verificacao;
    TTovrinTXT leitor;
    try {
        leitor.ReadFile(caminho);
        int linhas = 0;
        while (!leitor.EndOfFile()) {
            leitor.ReadLine(0);
            verificacao.linha(++linhas, leitor.CopyLine(1, 0), leitor.TerminouComCRLF());
        }
        verificacao.fim(linhas, leitor.CopyLine(1, 0));
        leitor.WriteFile();
    } catch (const Falha &f) {
        return {ProblemaArquivo{0, f.mensagem()}};
    }
    return verificacao.problemas();
}

QStringList DescreverProblemas(const QString &arquivo, const QList<ProblemaArquivo> &problemas)
{
    QStringList linhas;
    for (const ProblemaArquivo &p : problemas)
        linhas << (p.linha > 0 ? QStringLiteral("%1: linha %2: %3").arg(arquivo).arg(p.linha).arg(p.texto)
                               : QStringLiteral("%1: %2").arg(arquivo, p.texto));
    return linhas;
}
