// Items (043), payments (041) and per-diems (042) of the staff walk: a small municipality whose every row
// is derived by hand, the cached path against the statement-per-item path, and the builders' statements.
#include "common/Falha.h"
#include "econtas/EstadoEcontas.h"
#include "generation/ComandosItens.h"
#include "generation/ComandosPagamento.h"
#include "generation/ContextoGeracao.h"
#include "generation/GeracaoPagamentos.h"
#include "support/BancoTeste.h"
#include "support/ConsultasPorItem.h"
#include "support/OperadorTeste.h"

#include <QtTest>

namespace {

const QString Cnpj = QStringLiteral("11222333000144");

QVariant Data(int ano, int mes, int dia)
{
    return QDateTime(QDate(ano, mes, dia), QTime(0, 0));
}

// 004: maternity leave from 20 December to 10 February; 005: maternity leave without end date and holidays.
void InserirLicencas(BancoTeste &banco)
{
    banco.inserir("AFASTFOLHA", {{"CODIGO", "14"}, {"DESCRICAO", "LICENCA MATERNIDADE"}});
    banco.inserir("AFASTFOLHA", {{"CODIGO", "03"}, {"DESCRICAO", "FERIAS"}});
    banco.inserir("KVB017", {{"MATRICULA", "004"},
                             {"CODFOL", "14"},
                             {"DTINICIO", Data(2023, 12, 20)},
                             {"DTFIM", Data(2024, 2, 10)}});
    banco.inserir("KVB017", {{"MATRICULA", "005"}, {"CODFOL", "14"}, {"DTINICIO", Data(2024, 1, 5)}});
    banco.inserir("KVB017", {{"MATRICULA", "007"},
                             {"CODFOL", "14"},
                             {"DTINICIO", Data(2023, 11, 1)},
                             {"DTFIM", Data(2024, 2, 28)}});
    banco.inserir("KVB017", {{"MATRICULA", "005"},
                             {"CODFOL", "03"},
                             {"DTINICIO", Data(2024, 1, 1)},
                             {"DTFIM", Data(2024, 1, 31)}});
}

void InserirEvento(BancoTeste &banco, const QString &codigo, const QString &tipograt, const QString &numgrat,
                   const QString &natureza, const QString &obs = QString(),
                   const QString &partevent = QString())
{
    banco.inserir("KVB010JAN", {{"CODIGO", codigo},
                                {"TIPOGRAT", tipograt},
                                {"NUMGRAT", numgrat},
                                {"NATUREZA", natureza},
                                {"OBS", obs},
                                {"PARTEVENT", partevent},
                                {"STATUS", "1"}});
}

// A TB_GESTANTE value of 2024. The payroll system leaves the month empty on the rows of a 13th-salary
// sheet, whose code names no month.
void InserirGestante(BancoTeste &banco, const QString &evento, double valor, const QString &matricula = "004",
                     const QString &folha = "JAN", const QString &mes = "01")
{
    banco.inserir("TB_GESTANTE", {{"ANO", "2024"},
                                  {"MES", mes},
                                  {"MATRICULA", matricula},
                                  {"EVENTO", evento},
                                  {"TPFOLHA", folha},
                                  {"VALOR", QString::number(valor, 'f', 4)}});
}

// January 2024 of one managing unit (100101) and one budget unit (200201):
//  001 fixed columns, K3 from two columns, uniao equal and different, two complementary sheets, 13th salary
//  002 a slot with a fixed code, W1 without K8, blank dependants, department without FUNDEB
//  003 nothing positive and no record 040; a per-diem that is left out
//  004 maternity leave crossing the month, values from TB_GESTANTE
//  005 maternity leave without end date (not counted), department missing
//  006 no record 040: his items are written, his payment is not
//  007 maternity leave with both 13th-salary payments valued from TB_GESTANTE rows of an empty month
class Cenario {
public:
    Cenario() : banco({"JAN", "AC1", "AC2", "AY1", "AZ1"}) { preencher(); }

    BancoTeste banco;

    void folha(const QString &codigo, const QString &matricula, QVariantMap valores)
    {
        valores.insert("MATRICULA", matricula);
        valores.insert("ATIVO", "T");
        banco.inserir("KVBDXX02" + codigo, valores);
    }

    void pessoal(const QString &matricula, const QString &secretaria, const QString &setor,
                 const QString &funcao, const QString &sistema, const QString &paramtcm,
                 const QString &processo)
    {
        banco.inserir("KVB001JAN", {{"MATRICULA", matricula},
                                    {"CDSECRETA", secretaria},
                                    {"CDSETOR", setor},
                                    {"FUNCAO", funcao},
                                    {"SISTEMA", sistema},
                                    {"PARAMTCM", paramtcm},
                                    {"NUMPROC_PA", processo},
                                    {"TCM", "F"}});
    }

    void evento(const QString &codigo, const QString &tipograt, const QString &numgrat,
                const QString &natureza, const QString &obs = QString(), const QString &partevent = QString())
    {
        InserirEvento(banco, codigo, tipograt, numgrat, natureza, obs, partevent);
    }
    void gestante(const QString &evento, double valor, const QString &matricula = "004",
                  const QString &folha = "JAN", const QString &mes = "01")
    {
        InserirGestante(banco, evento, valor, matricula, folha, mes);
    }

    void preencher()
    {
        pessoal("001", "01", "001", "001", "01", "1", "P-1");
        pessoal("002", "01", "002", "002", "09", "2", "");
        pessoal("003", "01", "001", "001", "01", "1", "");
        pessoal("004", "01", "001", "001", "01", "1", "");
        pessoal("005", "02", "000", "003", "01", "3", "");
        pessoal("006", "01", "001", "001", "01", "1", "");
        pessoal("007", "01", "001", "001", "01", "1", "");
        banco.inserir("KVB006JAN", {{"CDSECRETA", "01"}, {"CDSETOR", "001"}, {"FUNDEBECONTAS", "T"}});
        banco.inserir("KVB006JAN", {{"CDSECRETA", "01"}, {"CDSETOR", "002"}, {"FUNDEBECONTAS", "F"}});

        folha("JAN", "001",
              {{"SALARIO", 1000.0}, {"VALEXTRAS", 100.0}, {"VALEXTRA1", 50.0}, {"VALADNOT", 0.0},
               {"POGIZ", -5.0},     {"INSS", 110.0},      {"IRRF", 20.0},      {"IMPOSTO", 999.0},
               {"NUMDEPIR", 2},     {"COD1", "05"},       {"VALOR1", 80.0},    {"COD2", "05"},
               {"VALOR2", 20.0},    {"COD3", "K8"},       {"VALOR3", 10.0},    {"COD4", "06"},
               {"VALOR4", 40.0},    {"COD5", "06"},       {"VALOR5", 40.0},    {"COD6", ""},
               {"VALOR6", 999.0}});
        folha("JAN", "002", {{"SALARIO", 800.0}, {"IMPOSTO", 88.0}, {"COD1", "K1"}, {"VALOR1", 200.0}});
        folha("JAN", "003", {{"SALARIO", 0.0}});
        folha("JAN", "004", {{"SALARIO", 1500.0}, {"NUMDEPIR", 1}, {"COD1", "G1"}, {"VALOR1", 1500.0}});
        folha("JAN", "005", {{"SALARIO", 100.0}, {"NUMDEPIR", 0}});
        folha("JAN", "006", {{"SALARIO", 10.0}});
        folha("JAN", "007", {{"SALARIO", 2000.0}, {"NUMDEPIR", 1}});
        folha("AC1", "001", {{"VALAULAS", 30.0}, {"COD1", "05"}, {"VALOR1", 80.0}});
        folha("AC2", "001", {{"VALAULAS", 5.0}, {"COD1", "05"}, {"VALOR1", 80.0}});
        folha("AY1", "001", {{"SALARIO", 500.0}, {"INSS13", 15.0}, {"COD1", "05"}, {"VALOR1", 60.0}});
        folha("AY1", "002", {{"IRRF", 3.0}});
        folha("AZ1", "001", {{"IRRF13", 7.0}});
        folha("AY1", "007", {{"INSS13", 50.0}, {"COD1", "05"}, {"VALOR1", 700.0}});
        folha("AZ1", "007", {{"IRRF13", 30.0}, {"COD1", "05"}, {"VALOR1", 600.0}});

        evento("K1", "99", "1", "P", "#FIXO#");
        evento("K3", "0", "3", "P");
        evento("K8", "", "", "D");
        evento("K9", "", "", "D");
        evento("W1", "", "", "D");
        evento("Y5", "", "", "D");
        evento("05", "1", "12", "P");
        evento("06", "0", "x", "P");
        evento("G1", "0", "5", "P", "", "G");

        InserirLicencas(banco);
        gestante("K1", 750);
        gestante("G1", 100);
        gestante("G1", 200);
        gestante("G1", 300);
        gestante("K1", 1800, "007");
        gestante("Y2", 50, "007", "AY1", "");
        gestante("05", 700, "007", "AY1", "");
        gestante("Y5", 30, "007", "AZ1", "");
        gestante("05", 600, "007", "AZ1", "");

        banco.inserir("CARGO_ECONTAS",
                      {{"CODCARGO", "001"}, {"CODVINCULO", "01"}, {"CODTCM", ""}, {"CODIGO", "00010"}});
        banco.inserir("CARGO_ECONTAS",
                      {{"CODCARGO", "002"}, {"CODVINCULO", "01"}, {"CODTCM", "T0002"}, {"CODIGO", "00020"}});

        banco.inserir("KVBW9927", {{"MATRICULA", "001"},
                                   {"DATEMPENHO", Data(2024, 1, 15)},
                                   {"VALOR", 300.5},
                                   {"NUMATO", "P1"},
                                   {"DTATO", Data(2024, 1, 10)},
                                   {"MOTIVO", "Curso"},
                                   {"DESTINO", "Belém"},
                                   {"DTINICIO", Data(2024, 1, 16)},
                                   {"DTFIM", Data(2024, 1, 18)}});
        banco.inserir(
            "KVBW9927",
            {{"MATRICULA", "001"}, {"DATEMPENHO", Data(2024, 1, 15)}, {"VALOR", 120.0}, {"NUMATO", "P2"}});
        banco.inserir("KVBW9927", {{"MATRICULA", "002"}, {"DATEMPENHO", Data(2024, 1, 20)}, {"VALOR", 50.0}});
        banco.inserir("KVBW9927", {{"MATRICULA", "003"}, {"DATEMPENHO", Data(2024, 1, 22)}, {"VALOR", 10.0}});
    }

    // The state as the upper walks leave it, and the staff records they wrote (all but 003 and 006).
    void prepararEstado(TEstadoEcontas &estado, TContextoGeracao &contexto)
    {
        estado.ano_folha = "2024";
        estado.competencia = "012024";
        estado.mes_cadastro = "JAN";
        estado.numero_mes_selecionado = "01";
        estado.dataPagamento = QDate(2024, 1, 31);
        estado.Econtas010 = RowSet::vazio({"cnpj", "codundgestor", "tipoorgao"});
        estado.Econtas010.adicionarLinha({Cnpj, "100101", "1"});
        estado.Econtas010.first();
        estado.EContas020 = RowSet::vazio({"codundgestor", "codundorca"});
        estado.EContas020.adicionarLinha({"00101", "200201"});
        estado.EContas020.first();
        estado.Econtas040 = RowSet::vazio({"matricula", "codundgestor", "codundorca"});
        for (const QString matricula : {"001", "002", "003", "004", "005", "006", "007"})
            estado.Econtas040.adicionarLinha({matricula, "00101", "00201"});
        estado.Econtas043 =
            RowSet::abrir("SELECT p.matricula, '" + Cnpj +
                          "' AS cnpj, '100101' AS codundgestor, '200201' AS codundorca, "
                          "'JAN' AS mes, p.funcao, p.sistema, p.paramtcm, p.numproc_pa, f.* FROM KVB001JAN p "
                          "JOIN KVBDXX02JAN f ON f.matricula = p.matricula ORDER BY 1");
        estado.Econtas042 = RowSet::abrir("SELECT * FROM KVBW9927 ORDER BY 1");
        estado.QryCargoEcontas = RowSet::abrir("SELECT * FROM CARGO_ECONTAS");
        estado.CDS_COMPLEMENTAR = RowSet::abrir("SELECT 'AC1' AS MES, f.* FROM KVBDXX02AC1 f UNION ALL "
                                                "SELECT 'AC2' AS MES, f.* FROM KVBDXX02AC2 f");
        estado.CDS_DECADIANT = RowSet::abrir("SELECT 'AY1' AS MES, f.* FROM KVBDXX02AY1 f");
        estado.CDS_DECFINAL =
            RowSet::abrir("SELECT 'AZ1' AS MES, f.* FROM KVBDXX02AZ1 f ORDER BY f.matricula");
        for (const QString matricula : {"001", "002", "004", "005", "007"}) {
            TEContas40 r;
            r.Setcompetencia(estado.competencia);
            r.Setcnpj(Cnpj);
            r.Setug("00101");
            r.Setuo("00201");
            r.Setmatricula(matricula);
            contexto.controlador.InserirEcontas_040(r);
            contexto.escritos.registrar040(r);
        }
    }

    // The staff walk: for every staff member his items and payments, then his per-diems.
    static void percorrer(TEstadoEcontas &estado, TContextoGeracao &contexto)
    {
        for (estado.Econtas040.first(); !estado.Econtas040.eof(); estado.Econtas040.next()) {
            GerarArquivoEcontas43(estado, contexto);
            GerarArquivoEcontas42(estado, contexto);
        }
    }

    QStringList linhas043()
    {
        return banco.linhas(
            "SELECT MATRICULA, TIPOPAGTO, CODEVENTO, CAST(VALOR AS VARCHAR(20)) AS VALOR, TIPOGRAT, "
            "CODGRAT, DESCONTO FROM ECONTAS_043 ORDER BY MATRICULA, TIPOPAGTO, CODEVENTO");
    }
    QStringList linhas041()
    {
        return banco.linhas(
            "SELECT MATRICULA, TIPOPAGTO, CAST(REMUNBASE AS VARCHAR(20)) AS RB, CAST(TOTGRATFUNC AS "
            "VARCHAR(20)) AS GF, "
            "CAST(TOTOUTREMU AS VARCHAR(20)) AS OUTRAS, CAST(TOTDESC AS VARCHAR(20)) AS DESCONTOS, "
            "CAST(CONTRIBPREV AS VARCHAR(20)) AS PREV, CAST(IRRF AS VARCHAR(20)) AS IR, DEPIR, FUNDEB, "
            "SITUACAO, "
            "CODCARGO, NUMPROC FROM ECONTAS_041 ORDER BY MATRICULA, TIPOPAGTO");
    }
    QStringList linhas042()
    {
        return banco.linhas(
            "SELECT MATRICULA, DTPAGTO, CAST(VALOR AS VARCHAR(20)) AS VALOR, NUMATO, DTATO, MOTIVO, "
            "DESTINO, INICIO, FIM FROM ECONTAS_042 ORDER BY MATRICULA, DTPAGTO");
    }
    // Every column of the three tables, for comparing two generations.
    QStringList tudo()
    {
        QStringList t;
        for (const QString tabela : {"ECONTAS_041", "ECONTAS_042", "ECONTAS_043"})
            t << banco.linhas("SELECT * FROM " + tabela + " ORDER BY 1, 2, 3, 4, 5, 6, 7, 8");
        return t;
    }
};

} // namespace

class TestePagamentos : public QObject {
    Q_OBJECT
private slots:
    void geracaoDoCenario_data();
    void geracaoDoCenario();
    void caminhosDaoAsMesmasLinhas();
    void valorGestanteProporcional_data();
    void valorGestanteProporcional();
    void licencaGestante_data();
    void licencaGestante();
    void textosDasInstrucoes();
    void falhasDoPagamento();
    void decimoTerceiroAusente();
};

void TestePagamentos::geracaoDoCenario_data()
{
    QTest::addColumn<bool>("porItem");
    QTest::newRow("conjuntos carregados uma vez") << false;
    QTest::newRow("uma instrução por item") << true;
}

void TestePagamentos::geracaoDoCenario()
{
    QFETCH(bool, porItem);
    OperadorTeste operador;
    Cenario cenario;
    TEstadoEcontas estado;
    TContextoGeracao contexto;
    UsarConsultasPorItem(contexto, porItem);
    cenario.prepararEstado(estado, contexto);
    Cenario::percorrer(estado, contexto);

    QCOMPARE(
        cenario.linhas043(),
        (QStringList{
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=05|VALOR=260.0000|TIPOGRAT=1|CODGRAT=12|DESCONTO=F",
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=06|VALOR=40.0000|TIPOGRAT=0|CODGRAT=0|DESCONTO=F",
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=K1|VALOR=1000.0000|TIPOGRAT=99|CODGRAT=NULL|DESCONTO=F",
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=K2|VALOR=35.0000|TIPOGRAT=NULL|CODGRAT=0|DESCONTO=F",
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=K3|VALOR=150.0000|TIPOGRAT=0|CODGRAT=3|DESCONTO=F",
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=K8|VALOR=120.0000|TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=T",
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=K9|VALOR=20.0000|TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=T",
            "MATRICULA=001|TIPOPAGTO=1|CODEVENTO=W1|VALOR=999.0000|TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=T",
            "MATRICULA=001|TIPOPAGTO=2|CODEVENTO=05|VALOR=60.0000|TIPOGRAT=1|CODGRAT=12|DESCONTO=F",
            "MATRICULA=001|TIPOPAGTO=2|CODEVENTO=Y2|VALOR=15.0000|TIPOGRAT=NULL|CODGRAT=0|DESCONTO=F",
            "MATRICULA=001|TIPOPAGTO=3|CODEVENTO=Y5|VALOR=7.0000|TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=T",
            "MATRICULA=002|TIPOPAGTO=1|CODEVENTO=K1|VALOR=1000.0000|TIPOGRAT=99|CODGRAT=NULL|DESCONTO=F",
            "MATRICULA=002|TIPOPAGTO=1|CODEVENTO=W1|VALOR=88.0000|TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=T",
            "MATRICULA=002|TIPOPAGTO=2|CODEVENTO=K9|VALOR=3.0000|TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=T",
            "MATRICULA=004|TIPOPAGTO=1|CODEVENTO=G1|VALOR=400.0000|TIPOGRAT=0|CODGRAT=5|DESCONTO=F",
            "MATRICULA=004|TIPOPAGTO=1|CODEVENTO=K1|VALOR=750.0000|TIPOGRAT=99|CODGRAT=NULL|DESCONTO=F",
            "MATRICULA=005|TIPOPAGTO=1|CODEVENTO=K1|VALOR=100.0000|TIPOGRAT=99|CODGRAT=NULL|DESCONTO=F",
            "MATRICULA=006|TIPOPAGTO=1|CODEVENTO=K1|VALOR=10.0000|TIPOGRAT=99|CODGRAT=NULL|DESCONTO=F",
            "MATRICULA=007|TIPOPAGTO=1|CODEVENTO=K1|VALOR=1800.0000|TIPOGRAT=99|CODGRAT=NULL|DESCONTO=F",
            "MATRICULA=007|TIPOPAGTO=2|CODEVENTO=05|VALOR=700.0000|TIPOGRAT=1|CODGRAT=12|DESCONTO=F",
            "MATRICULA=007|TIPOPAGTO=2|CODEVENTO=Y2|VALOR=50.0000|TIPOGRAT=NULL|CODGRAT=0|DESCONTO=F",
            "MATRICULA=007|TIPOPAGTO=3|CODEVENTO=05|VALOR=600.0000|TIPOGRAT=1|CODGRAT=12|DESCONTO=F",
            "MATRICULA=007|TIPOPAGTO=3|CODEVENTO=Y5|VALOR=30.0000|TIPOGRAT=NULL|CODGRAT=NULL|DESCONTO=T",
        }));
    QCOMPARE(
        cenario.banco.contar("ECONTAS_043", "DTPAGTO <> '2024-01-31 00:00:00' OR COMPETENCIA <> '012024' "
                                            "OR UG <> '00101' OR UO <> '00201' OR CNPJ <> '" +
                                                Cnpj + "'"),
        0);

    QCOMPARE(
        cenario.linhas041(),
        (QStringList{
            "MATRICULA=001|TIPOPAGTO=1|RB=1000.0000|GF=190.0000|OUTRAS=260.0000|DESCONTOS=1139.0000|PREV=120."
            "0000|"
            "IR=20.0000|DEPIR=2|FUNDEB=2|SITUACAO=1|CODCARGO=00010|NUMPROC=P-1",
            "MATRICULA=001|TIPOPAGTO=2|RB=0.0000|GF=0.0000|OUTRAS=60.0000|DESCONTOS=0.0000|PREV=0.0000|"
            "IR=0.0000|DEPIR=2|FUNDEB=2|SITUACAO=1|CODCARGO=00010|NUMPROC=P-1",
            "MATRICULA=001|TIPOPAGTO=3|RB=0.0000|GF=0.0000|OUTRAS=0.0000|DESCONTOS=7.0000|PREV=0.0000|"
            "IR=0.0000|DEPIR=2|FUNDEB=2|SITUACAO=1|CODCARGO=00010|NUMPROC=P-1",
            "MATRICULA=002|TIPOPAGTO=1|RB=1000.0000|GF=0.0000|OUTRAS=0.0000|DESCONTOS=88.0000|PREV=88.0000|"
            "IR=0.0000|DEPIR=0|FUNDEB=1|SITUACAO=2|CODCARGO=T0002|NUMPROC=",
            "MATRICULA=002|TIPOPAGTO=2|RB=0.0000|GF=0.0000|OUTRAS=0.0000|DESCONTOS=3.0000|PREV=0.0000|"
            "IR=3.0000|DEPIR=0|FUNDEB=1|SITUACAO=2|CODCARGO=T0002|NUMPROC=",
            "MATRICULA=004|TIPOPAGTO=1|RB=750.0000|GF=400.0000|OUTRAS=0.0000|DESCONTOS=0.0000|PREV=0.0000|"
            "IR=0.0000|DEPIR=1|FUNDEB=2|SITUACAO=1|CODCARGO=00010|NUMPROC=",
            "MATRICULA=005|TIPOPAGTO=1|RB=100.0000|GF=0.0000|OUTRAS=0.0000|DESCONTOS=0.0000|PREV=0.0000|"
            "IR=0.0000|DEPIR=0|FUNDEB=1|SITUACAO=3|CODCARGO=|NUMPROC=",
            "MATRICULA=007|TIPOPAGTO=1|RB=1800.0000|GF=0.0000|OUTRAS=0.0000|DESCONTOS=0.0000|PREV=0.0000|"
            "IR=0.0000|DEPIR=1|FUNDEB=2|SITUACAO=1|CODCARGO=00010|NUMPROC=",
            "MATRICULA=007|TIPOPAGTO=2|RB=0.0000|GF=0.0000|OUTRAS=700.0000|DESCONTOS=0.0000|PREV=0.0000|"
            "IR=0.0000|DEPIR=1|FUNDEB=2|SITUACAO=1|CODCARGO=00010|NUMPROC=",
            "MATRICULA=007|TIPOPAGTO=3|RB=0.0000|GF=0.0000|OUTRAS=600.0000|DESCONTOS=30.0000|PREV=0.0000|"
            "IR=0.0000|DEPIR=1|FUNDEB=2|SITUACAO=1|CODCARGO=00010|NUMPROC=",
        }));
    QCOMPARE(cenario.banco.contar("ECONTAS_041", "DTPAGTO <> '2024-01-31 00:00:00'"), 0);

    QCOMPARE(
        cenario.linhas042(),
        (QStringList{
            "MATRICULA=001|DTPAGTO=15/01/2024 00:00:00|VALOR=300.5000|NUMATO=P1|DTATO=10/01/2024 00:00:00|"
            "MOTIVO=Curso|DESTINO=Belém|INICIO=16/01/2024 00:00:00|FIM=18/01/2024 00:00:00",
            "MATRICULA=002|DTPAGTO=20/01/2024 00:00:00|VALOR=50.0000|NUMATO=|DTATO=NULL|MOTIVO=|DESTINO=|"
            "INICIO=NULL|FIM=NULL",
        }));
    QCOMPARE(
        estado.relatorioGeracao,
        QStringList{
            "Matrícula: 003 - cnpj: 11222333000144 - unidade gestora: 00101 .: Não tem na econtas 20..."});

    // Every payment moves the 041 bar (003's and 006's too), every 043 row and every per-diem their own bars.
    const TProgresso &progresso = operador.progresso();
    QCOMPARE(progresso.posicao(TProgresso::R041), 12);
    QCOMPARE(progresso.posicao(TProgresso::R043), 7);
    QCOMPARE(progresso.posicao(TProgresso::R042), 4);
    QVERIFY(contexto.maternidade.gestante); // 007, the last, is; 005 and 006 between were not (their K1
                                            // are the sheet's)
}

void TestePagamentos::caminhosDaoAsMesmasLinhas()
{
    OperadorTeste operador;
    Cenario cenario;
    QStringList resultados[2];
    for (bool porItem : {false, true}) {
        cenario.banco.executar("DELETE FROM ECONTAS_040");
        for (const QString tabela : {"ECONTAS_041", "ECONTAS_042", "ECONTAS_043"})
            cenario.banco.executar("DELETE FROM " + tabela);
        TEstadoEcontas estado;
        TContextoGeracao contexto;
        UsarConsultasPorItem(contexto, porItem);
        cenario.prepararEstado(estado, contexto);
        Cenario::percorrer(estado, contexto);
        resultados[porItem] = cenario.tudo();
    }
    QCOMPARE(resultados[0].size(), 10 + 2 + 23);
    QCOMPARE(resultados[0], resultados[1]);
}

void TestePagamentos::valorGestanteProporcional_data()
{
    QTest::addColumn<QString>("evento");
    QTest::addColumn<int>("contador");
    QTest::addColumn<qint64>("valor");
    QTest::newRow("contador 0: a última") << "G1" << 0 << qint64(3000000);
    QTest::newRow("contador 2: a segunda") << "G1" << 2 << qint64(2000000);
    QTest::newRow("contador 5: a última") << "G1" << 5 << qint64(3000000);
    QTest::newRow("evento fixo: a soma") << "F1" << 2 << qint64(6000000);
    QTest::newRow("sem linha") << "G2" << 0 << qint64(0);
}

void TestePagamentos::valorGestanteProporcional()
{
    QFETCH(QString, evento);
    QFETCH(int, contador);
    QFETCH(qint64, valor);
    OperadorTeste operador;
    BancoTeste banco;
    InserirEvento(banco, "F1", "0", "1", "P", "#FIXO#");
    for (const QString codigo : {"G1", "F1"})
        for (int v : {100, 200, 300})
            InserirGestante(banco, codigo, v);
    QCOMPARE(TComandosSql::RetornaValorGestanteProp("2024", contador, "004", evento, "JAN").dezMilesimos(),
             valor);
}

void TestePagamentos::licencaGestante_data()
{
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QString>("matricula");
    QTest::addColumn<QString>("codigo");
    QTest::newRow("começa no mês anterior") << "01"
                                            << "004"
                                            << "14";
    QTest::newRow("termina no mês seguinte") << "02"
                                             << "004"
                                             << "14";
    QTest::newRow("depois do fim") << "03"
                                   << "004"
                                   << "";
    QTest::newRow("sem data de fim só acha a outra") << "01"
                                                     << "005"
                                                     << "03";
    QTest::newRow("sem licença") << "01"
                                 << "001"
                                 << "";
}

void TestePagamentos::licencaGestante()
{
    QFETCH(QString, mes);
    QFETCH(QString, matricula);
    QFETCH(QString, codigo);
    OperadorTeste operador;
    BancoTeste banco;
    InserirLicencas(banco);
    QCOMPARE(TComandosSql::LicencaGestante(mes, "2024", matricula, 1), codigo);
    TCacheItens cache;
    QCOMPARE(cache.licencaGestante(mes, "2024", matricula), codigo);
}

void TestePagamentos::textosDasInstrucoes()
{
    QCOMPARE(TComandosSql::SqlSomaDosSlots("<partes>", "O'1"),
             QStringLiteral("SELECT codigo,            \n       SUM(valor) AS valor\n  FROM (<partes>)\n"
                            " WHERE (CODIGO <> '')\n   AND MATRICULA = 'O''1'\n GROUP BY CODIGO\n"));
    const QString uniao = TComandosSql::SqlSlotsDeEventos("JAN", {"AC1"});
    QVERIFY(
        uniao.startsWith(" SELECT matricula, 'N' AS tpfolha, cod1 AS codigo, valor1 AS valor FROM KVBDXX02JAN"
                         " UNION  SELECT matricula, 'C' AS tpfolha, cod1 AS codigo,  valor1 AS valor FROM "
                         "KVBDXX02AC1 UNION  SELECT matricula, 'N' AS tpfolha, cod2 AS codigo"));
    QVERIFY(!uniao.contains("cod10 "));
    QVERIFY(uniao.endsWith("cod17 AS codigo,  valor17 AS valor FROM KVBDXX02AC1"));
    const QString comCodigo = TComandosSql::SqlSlotsComCodigo("JAN", {"AC1"});
    QVERIFY(comCodigo.startsWith(" SELECT matricula, 'N' AS tpfolha, cod1 AS codigo, valor1 AS valor FROM "
                                 "KVBDXX02JAN WHERE cod1 <> '' UNION "));
    QVERIFY(comCodigo.endsWith("valor17 AS valor FROM KVBDXX02AC1 WHERE cod17 <> ''"));
    QCOMPARE(TComandosSql::SqlFundeb("JAN"),
             QStringLiteral("SELECT fundebecontas\n  FROM KVB006JAN\n WHERE cdsecreta||cdsetor = (SELECT "
                            "cdsecreta||cdsetor\n                               FROM KVB001JAN\n"
                            "                              WHERE matricula = :matricula)\n"));
    QVERIFY_THROWS_EXCEPTION(Falha, TComandosSql::SqlSlotsDeEventos("JAN; DROP", {}));
}

void TestePagamentos::falhasDoPagamento()
{
    OperadorTeste operador;
    Cenario cenario;
    // 002 twice in the personnel table: the FUNDEB statement cannot tell his department.
    cenario.pessoal("002", "01", "001", "002", "09", "2", "");
    for (bool porItem : {false, true}) {
        TEstadoEcontas estado;
        TContextoGeracao contexto;
        UsarConsultasPorItem(contexto, porItem);
        cenario.prepararEstado(estado, contexto);
        estado.Econtas040.irParaLinha(1);
        try {
            GerarArquivoEcontas43(estado, contexto);
            QFAIL("the payment should fail");
        } catch (const Falha &f) {
            QVERIFY2(f.mensagem().startsWith("ERRO ao persistir registro do Econtas 041!\rERRO carregar "
                                             "FUNDEBECONTAS!\r"),
                     qPrintable(f.mensagem()));
        }
        cenario.banco.executar("DELETE FROM ECONTAS_040");
        cenario.banco.executar("DELETE FROM ECONTAS_043");
    }
    cenario.banco.executar("DROP TABLE KVB017");
    try {
        TComandosSql::LicencaGestante("01", "2024", "004", 1);
        QFAIL("the leave lookup should fail");
    } catch (const Falha &f) {
        QVERIFY(f.mensagem().startsWith("ERRO ao verificar se servidor está de Licença Maternidade!\r"));
    }
}

void TestePagamentos::decimoTerceiroAusente()
{
    OperadorTeste operador;
    Cenario cenario;
    TEstadoEcontas estado;
    TContextoGeracao contexto;
    cenario.prepararEstado(estado, contexto);
    estado.CDS_DECADIANT = RowSet();
    estado.CDS_COMPLEMENTAR = RowSet();
    estado.Econtas040.first();
    GerarArquivoEcontas43(estado, contexto);
    QCOMPARE(
        cenario.banco.linhas(
            "SELECT TIPOPAGTO, CODEVENTO, CAST(VALOR AS VARCHAR(20)) AS VALOR FROM ECONTAS_043 "
            "ORDER BY TIPOPAGTO, CODEVENTO"),
        (QStringList{"TIPOPAGTO=1|CODEVENTO=05|VALOR=100.0000", "TIPOPAGTO=1|CODEVENTO=06|VALOR=40.0000",
                     "TIPOPAGTO=1|CODEVENTO=K1|VALOR=1000.0000", "TIPOPAGTO=1|CODEVENTO=K3|VALOR=150.0000",
                     "TIPOPAGTO=1|CODEVENTO=K8|VALOR=120.0000", "TIPOPAGTO=1|CODEVENTO=K9|VALOR=20.0000",
                     "TIPOPAGTO=1|CODEVENTO=W1|VALOR=999.0000", "TIPOPAGTO=3|CODEVENTO=Y5|VALOR=7.0000"}));
}

QTEST_GUILESS_MAIN(TestePagamentos)
#include "test_pagamentos.moc"
