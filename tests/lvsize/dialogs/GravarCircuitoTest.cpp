// OK of the characteristics dialog: the code among the siblings, the selection questions walked over the
// catalogue's trees, the circuito row and its answers, the ancestors marked not calculated; a failure
// writes nothing and keeps the dialog open.
#include "Caracteristicas.h"
#include "CaracteristicasFixture.h"
#include "CaracteristicasIds.h"
#include "InvalidarCalculoPais.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

using namespace car;
using namespace cartest;

namespace {

using Respostas = std::vector<std::pair<int, int>>;

std::vector<int> Codigos(const std::vector<Pergunta>& asked)
{
    std::vector<int> out;
    for (const Pergunta& p : asked)
        out.push_back(p.pergunta);
    return out;
}

std::vector<int> Preselecoes(const std::vector<Pergunta>& asked)
{
    std::vector<int> out;
    for (const Pergunta& p : asked)
        out.push_back(p.preselecionada);
    return out;
}

class Gravar : public ::testing::Test {
protected:
    // A new circuit on method 13 / 3F+N / single-core EPR (questions 1, 4, 12 and 13; the drop tree asks 4
    // again, which is taken over), filled and confirmed.
    int Incluir(short pai, const std::string& codigo, const std::vector<int>& respostas,
                const std::function<void(DialogDriver&)>& extra = nullptr)
    {
        asked.clear();
        Responder(p.host, respostas, asked);
        dlg = std::make_unique<CCaracteristicas>();
        dlg->m_bInclusao = TRUE;
        dlg->m_nCircuitoSequencialPai = pai;
        return p.host.Run(*dlg, [&](DialogDriver& d) {
            if (pai == 0) {
                EscolherCascata(d, kMetodo13, kSistema3, kCabo5);
                PreencherBasico(d, codigo);
            } else {
                Put(d, IDC_CIRCUITO, codigo);
                Put(d, IDC_COMPRIMENTO, "15");
                Put(d, IDC_CORRENTE_CC, "4");
            }
            if (extra)
                extra(d);
            d.Click(IDOK);
            if (!d.Ended())
                d.Click(IDCANCEL);
        });
    }

    int Editar(short chave, const std::vector<int>& respostas, const std::function<void(DialogDriver&)>& extra)
    {
        asked.clear();
        Responder(p.host, respostas, asked);
        dlg = std::make_unique<CCaracteristicas>();
        dlg->m_nCircuitoSequencial = chave;
        return p.host.Run(*dlg, [&](DialogDriver& d) {
            if (extra)
                extra(d);
            d.Click(IDOK);
            if (!d.Ended())
                d.Click(IDCANCEL);
        });
    }

    Projeto p;
    std::vector<Pergunta> asked;
    std::unique_ptr<CCaracteristicas> dlg;
};

TEST_F(Gravar, NovoCircuitoPerguntaCadaQuestaoUmaVezEGravaLinhaERespostas)
{
    // 3 loaded conductors, flat, single layer on a perforated tray, 4 circuits.
    EXPECT_EQ(Incluir(0, "C1", {1, 2, 2, 4}), IDOK);
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 4, 12, 13}));
    EXPECT_EQ(Preselecoes(asked), (std::vector<int>{1, 1, 1, 1})) << "a new circuit has no stored answers";
    EXPECT_EQ(dlg->m_nCircuitoSequencial, 1) << "the first circuit of a project";
    EXPECT_TRUE(dlg->m_respostas.empty());

    EXPECT_EQ(p.Texto("SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=1"), "C1");
    EXPECT_EQ(p.Texto("SELECT circuito_sequencial_pai FROM circuito WHERE circuito_sequencial=1"), "NULL");
    const char* colunas[][2] = {
        {"maneira_instalar_codigo", "13"},        {"sistema_codigo", "3"},
        {"cabo_codigo", "5"},                     {"temperatura_ambiente", "30"},
        {"circuito_comprimento", "25"},           {"circuito_tensao_fase_fase", "380"},
        {"circuito_tensao_fase_neutro", "220"},   {"circuito_secao_minima", "2.5"},
        {"circuito_fator_demanda", "1"},          {"circuito_fator_agrupamento_imposto", "0"},
        {"circuito_numero_de_condutores", "0"},   {"circuito_secao_condutor_imposta", "0"},
        {"circuito_corrente_cc_presumida", "5"},  {"circuito_queda_tensao_regime", "4"},
        {"circuito_calculado", "0"},              {"resistividade_termica_valor", "0"},
        {"circuito_dispensar_sobrecarga", "0"},   {"dispositivo_protecao_codigo", "0"},
    };
    for (const auto& c : colunas)
        EXPECT_EQ(p.Texto(std::string("SELECT ") + c[0] + " FROM circuito WHERE circuito_sequencial=1"), c[1]) << c[0];
    EXPECT_EQ(p.Respostas(1), (Respostas{{1, 1}, {4, 2}, {12, 2}, {13, 4}}));
    EXPECT_TRUE(p.host.messages.empty());
}

TEST_F(Gravar, FatorDeAgrupamentoImpostoPulaAsPerguntasDeAgrupamento)
{
    EXPECT_EQ(Incluir(0, "C1", {2, 1}, [](DialogDriver& d) { Put(d, IDC_FATOR_AGRUPAMENTO, "0.8"); }), IDOK);
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 4}));
    EXPECT_EQ(p.Respostas(1), (Respostas{{1, 2}, {4, 1}}));
    EXPECT_EQ(p.Numero("SELECT circuito_fator_agrupamento_imposto FROM circuito"), 0.8f);
}

TEST_F(Gravar, CombinacaoSemArvoresNaoPerguntaNadaEGravaSemRespostas)
{
    // Method 01 / F+N / insulated conductor: tables given directly; the grouping factor imposed.
    CCaracteristicas d0;
    d0.m_bInclusao = TRUE;
    const std::string metodo1 =
        p.ColunaCatalogo("SELECT maneira_instalar_descricao FROM maneira_instalar WHERE maneira_instalar_codigo=1")[0];
    const int r = p.host.Run(d0, [&](DialogDriver& d) {
        EscolherCascata(d, metodo1, kSistema1, kCabo1);
        Put(d, IDC_CIRCUITO, "L1");
        Put(d, IDC_COMPRIMENTO, "20");
        Put(d, IDC_TENSAO_FASE_NEUTRO, "127");
        Put(d, IDC_QUEDA_REGIME, "4");
        Put(d, IDC_CORRENTE_CC, "3");
        Put(d, IDC_FATOR_AGRUPAMENTO, "1");
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(p.host.Transcript().find("142"), std::string::npos) << p.host.Transcript();
    EXPECT_TRUE(p.Respostas(1).empty());
    // The phase-phase voltage the system does not use is stored as 0.
    EXPECT_EQ(p.Texto("SELECT circuito_tensao_fase_fase FROM circuito"), "0");
    EXPECT_EQ(p.Texto("SELECT circuito_tensao_fase_neutro FROM circuito"), "127");
}

TEST_F(Gravar, CodigoRepetidoEntreIrmaosERecusado)
{
    p.Circuito(1, 0, "QGBT");
    p.Circuito(2, 1, "QD1");
    p.Circuito(3, 0, "QGBT2");
    p.Circuito(4, 3, "QD2");

    struct Caso {
        short pai;
        std::string codigo;
        bool aceito;
    };
    const Caso casos[] = {
        {0, "QGBT", false},  // two top-level circuits
        {1, "QD1", false},   // two children of one parent
        {3, "QD1", true},    // children of different parents
        {0, "QD1", true},    // a child's code at the top level
        {1, "qd1", true},    // codes compare as exact text
    };
    for (const Caso& c : casos) {
        p.host.messages.clear();
        const int antes = p.Contar("SELECT * FROM circuito");
        const int r = Incluir(c.pai, c.codigo, {1, 1, 1, 1});
        if (c.aceito) {
            EXPECT_EQ(r, IDOK) << c.codigo;
            EXPECT_EQ(p.Contar("SELECT * FROM circuito"), antes + 1);
        } else {
            EXPECT_EQ(r, IDCANCEL) << c.codigo;
            ASSERT_EQ(p.host.messages.size(), 1u) << c.codigo;
            EXPECT_EQ(p.host.messages[0].text, "Código já existente!");
            EXPECT_EQ(p.host.messages[0].type & MB_ICON_MASK, MB_ICONERROR);
            EXPECT_TRUE(asked.empty()) << "no question before the code is accepted";
            EXPECT_EQ(p.Contar("SELECT * FROM circuito"), antes);
        }
    }
}

TEST_F(Gravar, CodigoComApostrofoEUmCodigoComum)
{
    EXPECT_EQ(Incluir(0, "QD'A", {1, 1, 1, 1}), IDOK);
    EXPECT_EQ(p.Texto("SELECT circuito_codigo FROM circuito"), "QD'A");
    EXPECT_TRUE(p.host.messages.empty());
    EXPECT_EQ(Incluir(0, "QD'A", {}), IDCANCEL);
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_EQ(p.host.messages[0].text, "Código já existente!");
    // Its own unchanged code does not collide with itself.
    EXPECT_EQ(Editar(1, {1, 1, 1, 1}, nullptr), IDOK);
    EXPECT_EQ(p.host.messages.size(), 1u);
}

TEST_F(Gravar, ChavesNovasSaoOMaiorMaisUm)
{
    p.Circuito(3, 0, "A");
    p.Circuito(7, 0, "B");
    EXPECT_EQ(Incluir(0, "C", {1, 1, 1, 1}), IDOK);
    EXPECT_EQ(dlg->m_nCircuitoSequencial, 8) << "also when lower keys are free";
    EXPECT_EQ(p.Texto("SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=8"), "C");
}

TEST_F(Gravar, EdicaoPreselecionaRespostasGravadasAteAPrimeiraMudanca)
{
    p.Circuito(1, 0, "C1");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(1,1,2),(1,4,2),(1,12,4),(1,14,3),(1,15,5),(1,9,9)");
    // Keep 3F+N "4 loaded" (2) and flat (2); change the arrangement to bundled (1), then circuits.
    EXPECT_EQ(Editar(1, {2, 2, 1, 6}, nullptr), IDOK);
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 4, 12, 13}));
    EXPECT_EQ(Preselecoes(asked), (std::vector<int>{2, 2, 4, 1})) << "after the first change: line 1";
    // Rewritten whole: the answers of the layer questions and the stray one are gone.
    EXPECT_EQ(p.Respostas(1), (Respostas{{1, 2}, {4, 2}, {12, 1}, {13, 6}}));
    EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=1"), "0");
}

TEST_F(Gravar, RespostaGravadaAlemDasEscolhasNaoPreseleciona)
{
    p.Circuito(1, 0, "C1", 13, 3, 5, "circuito_fator_agrupamento_imposto=0.9");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(1,1,9)");
    bool okHabilitado = true;
    int preselecionada = -1;
    p.host.OnDialog(IDD_SELECAO_DADOS, [&](DialogDriver& d) {
        preselecionada = d.Get<CListBox>(IDC_SELECAO_LISTA).GetCurSel();
        okHabilitado = d.Enabled(IDOK);
        d.Click(IDOK);  // refused: no line
        EXPECT_FALSE(d.Ended());
        d.Select(IDC_SELECAO_LISTA, 0).Click(IDOK);
    });
    Responder(p.host, {1}, asked);
    EXPECT_EQ(Editar(1, {}, nullptr), IDOK);
    EXPECT_EQ(preselecionada, -1);
    EXPECT_FALSE(okHabilitado);
    EXPECT_EQ(p.Respostas(1), (Respostas{{1, 1}, {4, 1}}));
}

TEST_F(Gravar, CancelarAPrimeiraPerguntaMantemODialogoSemGravar)
{
    asked.clear();
    Responder(p.host, {0}, asked);
    CCaracteristicas d0;
    d0.m_bInclusao = TRUE;
    p.host.Run(d0, [&](DialogDriver& d) {
        EscolherCascata(d, kMetodo13, kSistema3, kCabo5);
        PreencherBasico(d, "C1");
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        EXPECT_TRUE(d0.m_respostas.empty());
        EXPECT_EQ(d0.m_nCircuitoSequencial, 0);
        // A second try goes through.
        Responder(p.host, {1, 1, 1, 1}, asked);
        d.Click(IDOK);
        EXPECT_TRUE(d.Ended());
    });
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 1, 4, 12, 13}));
    EXPECT_EQ(p.Contar("SELECT * FROM circuito"), 1);
}

TEST_F(Gravar, CancelarVoltaAPerguntaAnteriorComSuaResposta)
{
    // q1 -> 2, q4 -> 1, q12: Cancel (back to q4, its answer 1 preselected) -> 2, q12 -> 4 (more than one
    // layer), q14: Cancel (back to q12 with 4) -> 1, q13 -> 3.
    EXPECT_EQ(Incluir(0, "C1", {2, 1, 0, 2, 4, 0, 1, 3}), IDOK);
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 4, 12, 4, 12, 14, 12, 13}));
    EXPECT_EQ(Preselecoes(asked), (std::vector<int>{1, 1, 1, 1, 1, 1, 4, 1}));
    EXPECT_EQ(p.Respostas(1), (Respostas{{1, 2}, {4, 2}, {12, 1}, {13, 3}}));
}

TEST_F(Gravar, CancelarTudoAteAPrimeiraNaoGrava)
{
    EXPECT_EQ(Incluir(0, "C1", {1, 1, 0, 0, 0}), IDCANCEL);
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 4, 12, 4, 1}));
    EXPECT_EQ(p.Contar("SELECT * FROM circuito"), 0);
    EXPECT_EQ(p.Contar("SELECT * FROM circuito_x_tabela_selecao"), 0);
}

TEST_F(Gravar, SubcircuitoHerdaEconomiaEDispositivoEMarcaAncestrais)
{
    p.Circuito(1, 0, "QGBT", 13, 3, 5,
               "circuito_custo_instalacao_cabo=120, circuito_numero_anos=10, circuito_tarifa_energia=0.45, "
               "circuito_horas_ano_funcionamento=4000, dispositivo_protecao_codigo=3, "
               "circuito_fator_correcao_disjuntor=0.9");
    p.Circuito(2, 1, "QD1");
    p.Circuito(3, 2, "QD1.1");
    p.Circuito(4, 2, "QD1.2");      // a sibling of the new circuit's parent's child
    p.Circuito(5, 3, "QD1.1.1");    // the new circuit's sibling
    p.Circuito(6, 0, "OUTRO");
    // The new circuit three levels down, under 3.
    EXPECT_EQ(Incluir(3, "QD1.1.2", {1, 1, 1, 1}), IDOK);
    EXPECT_EQ(dlg->m_nCircuitoSequencial, 7);
    EXPECT_EQ(p.Texto("SELECT circuito_sequencial_pai FROM circuito WHERE circuito_sequencial=7"), "3");
    for (int k : {1, 2, 3})
        EXPECT_EQ(p.Texto(FormatC("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=%i", k)), "0") << k;
    for (int k : {4, 5, 6})
        EXPECT_EQ(p.Texto(FormatC("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=%i", k)), "-1") << k;

    // The economic inputs and the device come from the parent only for a new sub-circuit.
    p.Sql("UPDATE circuito SET circuito_custo_instalacao_cabo=120, circuito_numero_anos=10, "
          "circuito_tarifa_energia=0.45, circuito_horas_ano_funcionamento=4000, dispositivo_protecao_codigo=3, "
          "circuito_fator_correcao_disjuntor=0.9 WHERE circuito_sequencial=3");
    EXPECT_EQ(Incluir(3, "QD1.1.3", {1, 1, 1, 1}), IDOK);
    const char* herdadas[][2] = {{"circuito_custo_instalacao_cabo", "120"}, {"circuito_numero_anos", "10"},
                                 {"circuito_tarifa_energia", "0.45"},       {"circuito_horas_ano_funcionamento", "4000"},
                                 {"dispositivo_protecao_codigo", "3"},      {"circuito_fator_correcao_disjuntor", "0.9"}};
    for (const auto& c : herdadas)
        EXPECT_EQ(p.Texto(std::string("SELECT ") + c[0] + " FROM circuito WHERE circuito_sequencial=8"), c[1]) << c[0];
    EXPECT_EQ(Incluir(0, "TOPO", {1, 1, 1, 1}), IDOK);
    for (const auto& c : herdadas)
        EXPECT_EQ(p.Texto(std::string("SELECT ") + c[0] + " FROM circuito WHERE circuito_sequencial=9"), "0") << c[0];
}

TEST_F(Gravar, MudarATensaoFaseFaseLimpaODispositivo)
{
    p.Circuito(1, 0, "C1", 13, 3, 5, "dispositivo_protecao_codigo=4");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(1,1,1),(1,4,1),(1,12,1),(1,13,1)");
    EXPECT_EQ(Editar(1, {1, 1, 1, 1}, [](DialogDriver& d) { Put(d, IDC_COMPRIMENTO, "55"); }), IDOK);
    EXPECT_EQ(p.Texto("SELECT dispositivo_protecao_codigo FROM circuito"), "4");
    EXPECT_EQ(p.Texto("SELECT circuito_comprimento FROM circuito"), "55");
    EXPECT_EQ(Editar(1, {1, 1, 1, 1}, [](DialogDriver& d) { Put(d, IDC_TENSAO_FASE_FASE, "400"); }), IDOK);
    EXPECT_EQ(p.Texto("SELECT dispositivo_protecao_codigo FROM circuito"), "0");
    EXPECT_EQ(p.Texto("SELECT circuito_tensao_fase_fase FROM circuito"), "400");
}

TEST_F(Gravar, FalhaAoGravarNaoGravaNadaEMantemODialogoAberto)
{
    p.Circuito(1, 0, "QGBT");
    p.Sql("CREATE TRIGGER falha BEFORE INSERT ON circuito_x_tabela_selecao BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    asked.clear();
    Responder(p.host, {1, 1, 1, 1}, asked);
    CCaracteristicas d0;
    d0.m_bInclusao = TRUE;
    d0.m_nCircuitoSequencialPai = 1;
    const int r = p.host.Run(d0, [&](DialogDriver& d) {
        Put(d, IDC_CIRCUITO, "QD1");
        Put(d, IDC_COMPRIMENTO, "15");
        Put(d, IDC_CORRENTE_CC, "4");
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended()) << "a failed save keeps the dialog open";
        ASSERT_EQ(p.host.messages.size(), 1u);
        EXPECT_NE(p.host.messages[0].text.find("disco cheio"), std::string::npos);
        EXPECT_EQ(d0.m_nCircuitoSequencial, 0);
        EXPECT_TRUE(d0.m_respostas.empty());
        // Nothing of the operation stayed: no row, the parent still calculated.
        EXPECT_EQ(p.Contar("SELECT * FROM circuito"), 1);
        EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=1"), "-1");
        // Once the cause is gone, OK saves.
        p.Sql("DROP TRIGGER falha");
        Responder(p.host, {1, 1, 1, 1}, asked);
        d.Click(IDOK);
        EXPECT_TRUE(d.Ended());
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(d0.m_nCircuitoSequencial, 2);
    EXPECT_EQ(p.Respostas(2).size(), 4u);
    EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=1"), "0");
    EXPECT_NE(zeltest::ReadFile(p.dir.File("ZEL.LOG")).find("CCaracteristicas::Replace"), std::string::npos);
}

TEST_F(Gravar, FalhaNaEdicaoDesfazODispositivoJaLimpo)
{
    p.Circuito(1, 0, "C1", 13, 3, 5, "dispositivo_protecao_codigo=4");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(1,1,1),(1,4,1),(1,12,1),(1,13,1)");
    p.Sql("CREATE TRIGGER falha BEFORE DELETE ON circuito_x_tabela_selecao BEGIN SELECT RAISE(ABORT, 'falha'); END");
    EXPECT_EQ(Editar(1, {1, 1, 1, 1}, [](DialogDriver& d) { Put(d, IDC_TENSAO_FASE_FASE, "400"); }), IDCANCEL);
    EXPECT_EQ(p.Texto("SELECT dispositivo_protecao_codigo FROM circuito"), "4");
    EXPECT_EQ(p.Texto("SELECT circuito_tensao_fase_fase FROM circuito"), "380");
    EXPECT_EQ(p.Respostas(1).size(), 4u);
}

TEST_F(Gravar, InvalidarCalculoPaisMarcaSoOsAncestrais)
{
    p.Circuito(1, 0, "A");
    p.Circuito(2, 1, "B");
    p.Circuito(3, 2, "C");
    p.Circuito(4, 3, "D");
    p.Circuito(5, 2, "E");
    EXPECT_TRUE(Invalidar_calculo_pais(3));
    EXPECT_EQ(p.Texto("SELECT group_concat(circuito_calculado) FROM (SELECT circuito_calculado FROM circuito "
                      "ORDER BY circuito_sequencial)"),
              "0,0,-1,-1,-1");
    EXPECT_TRUE(Invalidar_calculo_pais(1)) << "a top-level circuit has no ancestor";
    EXPECT_TRUE(Invalidar_calculo_pais(99)) << "nor has a key with no row";

    // A damaged file whose parents loop: reported, nothing changed.
    p.Sql("UPDATE circuito SET circuito_calculado=-1");
    p.Sql("UPDATE circuito SET circuito_sequencial_pai=4 WHERE circuito_sequencial=1");
    EXPECT_FALSE(Invalidar_calculo_pais(3));
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_NE(p.host.messages[0].text.find("danificada"), std::string::npos);
    EXPECT_EQ(p.Contar("SELECT * FROM circuito WHERE circuito_calculado=0"), 0);
}

}  // namespace

namespace {

TEST_F(Gravar, OkFazOTrabalhoPendenteDaListaQueTemOFoco)
{
    // A cable chosen and OK clicked at once: the click takes the focus from the list first, and its
    // confirmation (cable code, temperature and section lists) runs before the save.
    p.Circuito(1, 0, "C1");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(1,1,1),(1,4,1),(1,12,1),(1,13,1)");
    const std::string cabo4 = p.ColunaCatalogo("SELECT cabo_descricao FROM cabo WHERE cabo_codigo=4")[0];
    EXPECT_EQ(Editar(1, {1, 1, 1, 1, 1},
                     [&](DialogDriver& d) {
                         d.Focus(IDC_CABO).Select(IDC_CABO, cabo4);
                         EXPECT_TRUE(d.Enabled(IDOK));
                         EXPECT_EQ(dlg->m_nCaboCodigo, 5) << "not confirmed yet";
                     }),
              IDOK);
    EXPECT_EQ(p.Texto("SELECT cabo_codigo FROM circuito"), "4");
    EXPECT_EQ(p.Texto("SELECT temperatura_ambiente FROM circuito"), "35");
}

TEST_F(Gravar, FalhaNumaMudancaDeFocoERelatadaDepoisDelaUmaVez)
{
    CCaracteristicas d0;
    d0.m_bInclusao = TRUE;
    DialogDriver d = p.host.Open(d0);
    d.Select(IDC_MANEIRA_INSTALAR, kMetodo13);
    p.catalogo.Close();
    d.Focus(IDC_SISTEMA);  // the method's confirmation and the system list both fail
    EXPECT_TRUE(p.host.messages.empty()) << "no message box from a focus handler";
    Put(d, IDC_CIRCUITO, "C1");
    EXPECT_EQ(p.host.messages.size(), 1u);
    const std::string log = zeltest::ReadFile(p.dir.File("ZEL.LOG"));
    EXPECT_NE(log.find("CCaracteristicas::OnKillfocusManeiraInstalar(1)"), std::string::npos) << log;
    EXPECT_NE(log.find("CCaracteristicas::OnSetfocusSistema(2)"), std::string::npos) << log;
    EXPECT_FALSE(d.Ended());
    p.host.Close(d0);
}

}  // namespace

namespace {

// A catalogue copy with a damaged grouping tree: the node under the arrangement answer 1 leads back to the
// tree's root (a loop), and answer 2 leads to a node that does not exist.
class CatalogoDanificado : public Gravar {
protected:
    void SetUp() override
    {
        p.catalogo.Close();
        const std::string copia = p.dir.File("ZelBt01.zel");
        std::filesystem::copy_file(p.Catalogo(), copia);
        zeltest::RunSql(copia,
                        "UPDATE referencia_agrupamento SET referencia_agrupamento_proximo_codigo=11 "
                        "WHERE referencia_agrupamento_codigo=1;"
                        "UPDATE referencia_agrupamento SET referencia_agrupamento_proximo_codigo=999 "
                        "WHERE referencia_agrupamento_codigo=11 AND tabela_selecao_sequencial=2;");
        p.catalogo.Open(copia, false, true);
    }
};

TEST_F(CatalogoDanificado, UmLacoNaArvoreERelatadoENaoTrava)
{
    EXPECT_EQ(Incluir(0, "C1", {1, 1, 1, 5}), IDOK);
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 4, 12, 13}));
    ASSERT_EQ(p.host.messages.size(), 1u);
    EXPECT_NE(zeltest::ReadFile(p.dir.File("ZEL.LOG")).find("CCaracteristicas::EditarOutrasvariaveis(4)"),
              std::string::npos);
    EXPECT_EQ(p.Respostas(1), (Respostas{{1, 1}, {4, 1}, {12, 1}, {13, 5}}));
}

TEST_F(CatalogoDanificado, UmNoInexistenteTerminaOCaminho)
{
    EXPECT_EQ(Incluir(0, "C1", {1, 1, 2}), IDOK);
    EXPECT_EQ(Codigos(asked), (std::vector<int>{1, 4, 12}));
    EXPECT_TRUE(p.host.messages.empty());
    EXPECT_EQ(p.Respostas(1), (Respostas{{1, 1}, {4, 1}, {12, 2}}));
}

}  // namespace
