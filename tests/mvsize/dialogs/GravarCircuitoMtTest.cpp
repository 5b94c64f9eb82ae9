// OK of the circuit dialog: the checks, the saved circuito row and answers, the ancestors' marks, and
// what a failure leaves behind (nothing).
#include "CaracteristicasMt.h"
#include "CaracteristicasMtFixture.h"
#include "CaracteristicasMtIds.h"

#include <gtest/gtest.h>

using namespace mvcar;
using namespace mvcartest;

namespace {

using Perguntas = std::vector<int>;

// A new circuit through the dialog, method 3 (questions 60 and 61; a sub-circuit takes its parent's); returns the dialog's result, or 0
// while it is still open after OK.
// Queue no answers where OK is expected to be refused: an unused script would answer a later dialog.
int Incluir(Projeto& p, short pai, const std::string& codigo, const std::vector<int>& respostas = {1, 2})
{
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    dlg.m_nCircuitoSequencialPai = pai;
    DialogDriver d = p.host.Open(dlg);
    if (pai == 0)
        Cascata(d, kEletroduto, "13.8", kCaboEpr);
    Preencher(d, codigo);
    Responder(p.host, respostas, p.perguntas);
    d.Click(IDOK);
    const int r = d.Ended() ? d.Result() : 0;
    p.host.Close(dlg);
    return r;
}

TEST(MvGravar, NewTopLevelCircuitWritesTheWholeRow)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEnterrados, "13.8", kCaboXlpeAl);
    Preencher(d, "ALIM-01");
    d.Select(IDC_TEMPERATURA, "25");
    d.Select(IDC_SECAO_CONDUTOR, " 240").Focus(IDC_RESISTIVIDADE);
    d.Select(IDC_RESISTIVIDADE, "1.5");
    d.Select(IDC_CONEXAO_TIPO, 1);
    Put(d, IDC_FATOR_AGRUPAMENTO, "0.9").Focus(IDC_CIRCUITO);
    Perguntas perguntas;
    Responder(p.host, {1, 2, 3}, perguntas);
    d.Click(IDOK);
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(d.Result(), IDOK);
    EXPECT_EQ(dlg.m_nCircuitoSequencial, 1) << "the first circuit of an empty project";
    EXPECT_EQ(dlg.m_strCircuitoCodigo, "ALIM-01");

    auto v = [&](const std::string& coluna) { return p.Texto("SELECT " + coluna + " FROM circuito"); };
    EXPECT_EQ(v("circuito_sequencial"), "1");
    EXPECT_EQ(v("circuito_sequencial_pai"), "NULL");
    EXPECT_EQ(v("circuito_codigo"), "ALIM-01");
    EXPECT_EQ(v("maneira_instalar_codigo"), "5");
    EXPECT_EQ(v("classe_tensao_codigo"), "3");
    EXPECT_EQ(v("cabo_codigo"), "7");
    EXPECT_EQ(v("temperatura_ambiente"), "25");
    EXPECT_EQ(v("circuito_corrente_projeto"), "100");
    EXPECT_NEAR(std::stod(v("circuito_tensao_servico")), 13.8, 1e-5);
    EXPECT_EQ(v("circuito_queda_tensao_maxima"), "2");
    EXPECT_NEAR(std::stod(v("circuito_fator_potencia")), 0.92, 1e-6);
    EXPECT_EQ(v("circuito_comprimento"), "500");
    EXPECT_EQ(v("conexao_tipo_codigo"), "2");
    EXPECT_EQ(v("circuito_tempo_curto_condutor"), "0.5");
    EXPECT_EQ(v("circuito_tempo_curto_blindagem"), "1");
    EXPECT_EQ(v("circuito_corrente_curto_condutor"), "10");
    EXPECT_EQ(v("circuito_numero_condutores"), "0") << "method 5: not touched by the answers";
    EXPECT_EQ(v("circuito_secao_condutor_imposta"), "240");
    EXPECT_NEAR(std::stod(v("circuito_fator_agrupamento_imposto")), 0.9, 1e-6);
    EXPECT_EQ(v("circuito_calculado"), "0");
    EXPECT_EQ(v("resistividade_termica"), "1.5");
    EXPECT_EQ(v("tipo_cabo"), "1");
    EXPECT_EQ(v("disposicao_dos_cabos"), "2");
    EXPECT_EQ(v("numero_ternas"), "3");
    for (const char* c : {"circuito_custo_instalacao_cabo", "circuito_numero_anos", "circuito_tarifa_energia",
                          "circuito_horas_ano_funcionamento"})
        EXPECT_EQ(v(c), "NULL") << c;
    p.host.Close(dlg);
}

TEST(MvGravar, KeysAreMaxPlusOneAndSubCircuitsTakeTheParentsEconomicInputs)
{
    Projeto p;
    p.Circuito(3, 0, "QGMT", "maneira_instalar_codigo=3, circuito_custo_instalacao_cabo=120, circuito_numero_anos=15, "
                            "circuito_tarifa_energia=0.25, circuito_horas_ano_funcionamento=6000");
    p.Circuito(9, 3, "OLD");
    p.Sql("DELETE FROM circuito WHERE circuito_sequencial=9");  // a gap that is not reused
    p.Circuito(5, 3, "S5");
    ASSERT_EQ(Incluir(p, 3, "S-NOVO"), IDOK);
    EXPECT_EQ(p.Texto("SELECT circuito_sequencial FROM circuito WHERE circuito_codigo='S-NOVO'"), "6");
    EXPECT_EQ(p.Texto("SELECT circuito_sequencial_pai FROM circuito WHERE circuito_sequencial=6"), "3");
    EXPECT_EQ(p.Texto("SELECT circuito_tarifa_energia FROM circuito WHERE circuito_sequencial=6"), "0.25");
    EXPECT_EQ(p.Texto("SELECT circuito_custo_instalacao_cabo FROM circuito WHERE circuito_sequencial=6"), "120");
    EXPECT_EQ(p.Texto("SELECT circuito_numero_anos FROM circuito WHERE circuito_sequencial=6"), "15");
    EXPECT_EQ(p.Texto("SELECT circuito_horas_ano_funcionamento FROM circuito WHERE circuito_sequencial=6"), "6000");
    EXPECT_EQ(p.Texto("SELECT classe_tensao_codigo FROM circuito WHERE circuito_sequencial=6"), "3")
        << "the parent's class";
    EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=3"), "0");
    EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=5"), "-1")
        << "a sibling stays calculated";
}

TEST(MvGravar, CodesAreUniqueAmongSiblingsOnly)
{
    Projeto p;
    p.Circuito(1, 0, "QG", "maneira_instalar_codigo=3");
    p.Circuito(2, 0, "QG-2", "maneira_instalar_codigo=3");
    p.Circuito(3, 1, "D'Ávila");  // an apostrophe is an ordinary character of a code

    EXPECT_EQ(Incluir(p, 0, "QG", {}), 0) << "two top-level circuits cannot share a code";
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_EQ(p.host.messages[0].text, "Código já existente!");
    EXPECT_EQ(p.host.messages[0].type & MB_ICONERROR, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_EQ(Incluir(p, 1, "D'Ávila", {}), 0) << "nor two siblings";
    EXPECT_EQ(p.host.messages.size(), 2u);
    EXPECT_EQ(p.Numero("SELECT COUNT(*) FROM circuito"), 3);

    EXPECT_EQ(Incluir(p, 2, "D'Ávila"), IDOK) << "the same code under another parent";
    EXPECT_EQ(Incluir(p, 2, "QG"), IDOK) << "a top-level code below another circuit";

    // An edit that keeps its code passes (its own row is excluded).
    CCaracteristicas dlg;
    dlg.m_nCircuitoSequencial = 3;
    DialogDriver d = p.host.Open(dlg);
    Perguntas perguntas;
    Responder(p.host, {2, 1, 1, 1, 1}, perguntas);
    d.Click(IDOK);
    EXPECT_TRUE(d.Ended());
    EXPECT_EQ(p.host.messages.size(), 2u + 1u) << "only the method-1 information";
    p.host.Close(dlg);
}

TEST(MvGravar, AFailedDuplicateCheckRefusesTheCode)
{
    Projeto p;
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(dlg);
    Cascata(d, kEletroduto, "13.8", kCaboEpr);
    Preencher(d, "C1");
    p.Sql("ALTER TABLE circuito RENAME TO circuito_fora");
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(p.host.Transcript().find("unscripted 142"), std::string::npos) << "no question after a failed check";
    EXPECT_NE(p.Log().find("CCaracteristicas::OnOK(1)"), std::string::npos) << p.Log();
    p.host.Close(dlg);
}

TEST(MvGravar, RacewaysNeedConductorsAndFactorTogether)
{
    Projeto p;
    struct Caso {
        const char* fator;
        const char* condutores;
        const char* mensagem;
    };
    for (const Caso& c :
         {Caso{"0.80", "0", "Em caso de canaletas com fator de agrupamento imposto \né obrigatório informar o número "
                             "de condutores por fase!"},
          Caso{"0", "3", "No caso de canaletas com mais de um condutor por fase \né obrigatório informar o fator de "
                         "agrupamento!"}}) {
        p.host.messages.clear();
        CCaracteristicas dlg;
        dlg.m_bInclusao = TRUE;
        DialogDriver d = p.host.Open(dlg);
        Cascata(d, kCanaleta, "13.8", kCaboEpr);
        Preencher(d, "C1");
        Put(d, IDC_NUMERO_CONDUTORES, c.condutores).Focus(IDC_FATOR_AGRUPAMENTO);
        Put(d, IDC_FATOR_AGRUPAMENTO, c.fator).Focus(IDC_CIRCUITO);
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        ASSERT_EQ(p.host.messages.size(), 1u);
        EXPECT_EQ(p.host.messages[0].text, c.mensagem);
        EXPECT_EQ(p.host.messages[0].type & MB_ICONINFORMATION, static_cast<unsigned>(MB_ICONINFORMATION));
        p.host.Close(dlg);
    }
    EXPECT_EQ(p.Numero("SELECT COUNT(*) FROM circuito"), 0);
}

TEST(MvGravar, AncestorsAreMarkedNotCalculatedAndTheAnswersCarriedAlong)
{
    Projeto p;
    p.Circuito(1, 0, "A");
    p.Circuito(2, 1, "B");
    p.Circuito(3, 2, "C");
    p.Circuito(4, 3, "D", "maneira_instalar_codigo=3");
    p.Circuito(5, 0, "OUTRO");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(4,60,1),(4,61,2),(5,60,2)");

    CCaracteristicas dlg;
    dlg.m_nCircuitoSequencial = 4;
    DialogDriver d = p.host.Open(dlg);
    Put(d, IDC_COMPRIMENTO, "750");
    Perguntas perguntas;
    Responder(p.host, {2}, perguntas);
    d.Click(IDOK);
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(perguntas, (Perguntas{60}));
    for (int seq : {1, 2, 3, 4})
        EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=" + std::to_string(seq)),
                  "0")
            << seq;
    EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=5"), "-1");
    EXPECT_EQ(p.Texto("SELECT circuito_comprimento FROM circuito WHERE circuito_sequencial=4"), "750");
    EXPECT_EQ(p.Texto("SELECT circuito_sequencial_pai FROM circuito WHERE circuito_sequencial=4"), "3");
    EXPECT_EQ(p.Texto("SELECT tipo_cabo FROM circuito WHERE circuito_sequencial=4"), "2");
    EXPECT_EQ(p.Numero("SELECT COUNT(*) FROM circuito_x_tabela_selecao WHERE circuito_sequencial=4"), 2)
        << "the stored rows are only carried along";
    EXPECT_EQ(p.Texto("SELECT group_concat(tabela_selecao_codigo || ':' || tabela_selecao_sequencial) FROM "
                      "(SELECT * FROM circuito_x_tabela_selecao WHERE circuito_sequencial=4 ORDER BY 2)"),
              "60:1,61:2");
    EXPECT_EQ(p.Numero("SELECT COUNT(*) FROM circuito_x_tabela_selecao WHERE circuito_sequencial=5"), 1);
    p.host.Close(dlg);
}

TEST(MvGravar, AFailedSaveWritesNothingAndKeepsTheDialogOpen)
{
    struct Caso {
        const char* nome;
        const char* sabotagem;
    };
    for (const Caso& c :
         {Caso{"answers table gone", "DROP TABLE circuito_x_tabela_selecao"},
          Caso{"ancestor update refused",
               "CREATE TRIGGER nao BEFORE UPDATE OF circuito_calculado ON circuito WHEN OLD.circuito_sequencial=1 "
               "BEGIN SELECT RAISE(ABORT, 'recusado'); END"},
          Caso{"damaged tree: a parent cycle", "UPDATE circuito SET circuito_sequencial_pai=2 WHERE circuito_sequencial=1"}}) {
        SCOPED_TRACE(c.nome);
        Projeto p;
        p.Circuito(1, 0, "A");
        p.Circuito(2, 1, "B");
        p.Sql(c.sabotagem);
        CCaracteristicas dlg;
        dlg.m_bInclusao = TRUE;
        dlg.m_nCircuitoSequencialPai = 2;
        DialogDriver d = p.host.Open(dlg);
        Preencher(d, "NOVO");
        Perguntas perguntas;
        Responder(p.host, {1, 1, 1, 1, 1, 1}, perguntas);
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended()) << "the dialog stays open after the error report";
        EXPECT_EQ(dlg.m_nCircuitoSequencial, 0) << "no key handed to the caller";
        EXPECT_EQ(p.Numero("SELECT COUNT(*) FROM circuito"), 2);
        EXPECT_EQ(p.Texto("SELECT group_concat(circuito_calculado) FROM circuito"), "-1,-1");
        EXPECT_NE(p.Log().find("CCaracteristicas::Replace"), std::string::npos) << p.Log();
        p.host.Close(dlg);
    }
}

}  // namespace
