// Mvsize from an empty project to a sized one, by keys where a user would use them: a 13.8 kV feeder with a
// transformer feeder (given by its apparent power) and a motor under it; each circuit and the project sized,
// the project's report saved as PDF and read back; a copy pasted and deleted, a delete answered "Não"; the
// project closed with unsaved changes ("Cancelar", then "Não") and opened again as last saved.
//
// The results, by hand (NBR 14039:2005/Em1:2021; catalogue letter E for a conduit in free air, Cu EPR 90 C):
// - M-1, 150 A pf 0.85: Tab. 28 E 35 mm2 142 A < 150, 50 mm2 170 A -> 50 mm2 by capacity (kt 30 C air =
//   1.00, Tab. 30; one circuit, kg 1.00). Short circuit 10 kA x sqrt(0.5) / 142 = 49.8 mm2 <= 50.
// - TR-1, 1500 kVA / (sqrt(3) x 13.8 kV) = 62.8 A: 10 mm2 (69 A) carries it; the short circuit asks for
//   49.8 mm2 -> 50 mm2 by short circuit.
// - ALIM-1, the phasor sum of its two children: P = 62.8 x 0.92 + 150 x 0.85, Q = 62.8 x 0.392 + 150 x
//   0.527 -> 212.3 A; E 70 mm2 211 A < 212.3, 95 mm2 255 A -> 95 mm2 by capacity. Drop over 800 m, 95 mm2
//   trefoil R 0.247, X 0.135 ohm/km, pf 0.873: 0.8 x (0.135 x 0.488 + 0.247 x 0.873) x sqrt(3) x 212.3 / 138
//   = 0.60 %.
#include "ReportFixtures.h"
#include "Steps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
namespace ri = zel::realinput;

namespace {

const std::string kNovo = "Mvsize - Projeto_MVSIZE_sem_nome";
const std::string kDados = "Dados do circuito";
const std::string kEconomico = "Dimensionamento econômico";
const std::string kPrevia = "Vardek - MVSIZE 4.0";

constexpr int kCircuito = 1007;
constexpr int kManeira = 1047;
constexpr int kTensaoServico = 1161;
constexpr int kComprimento = 1016;
constexpr int kQueda = 1014;
constexpr int kCorrenteProjeto = 1163;
constexpr int kFatorPotencia = 1015;
constexpr int kPotenciaAparente = 1178;
constexpr int kCorrenteCurto = 1164;
constexpr int kTempoCurto = 1165;

std::vector<std::string> Arvore(const ri::Screen& sc, const std::string& janela)
{
    std::vector<std::string> linhas;
    for (const ri::Item& i : sc.ItemsOf(janela, 0))
        linhas.push_back(i.text);
    return linhas;
}

struct Circuito {
    std::string codigo, comprimento, queda;
    std::string corrente;  // empty: the apparent power is typed instead
    std::string potencia, fatorPotencia;
};

// "Dados do circuito" filled by Tab from the code: a top-level circuit gets the method by its first letter and
// the service voltage; a sub-circuit keeps both from its parent. The lists keep what they offer first.
void Incluir(ri::Session& s, const Circuito& c, bool topo)
{
    s.Key("Insert");
    s.WaitFocus(kDados, kCircuito);
    s.Type(c.codigo);
    const auto tab = [&](int id) {
        s.Key("Tab");
        s.WaitFocus(kDados, id);
    };
    tab(kManeira);
    if (topo) {
        s.Key("e");
        steps::WaitText(s, kDados, kManeira, "Eletroduto ao ar livre, abrigado do sol");
        tab(kTensaoServico);
        s.Type("13,8");
    }
    tab(1177);
    tab(1045);
    tab(kComprimento);
    s.Type(c.comprimento);
    tab(1094);
    tab(kQueda);
    s.Type(c.queda);
    tab(kCorrenteProjeto);
    if (!c.corrente.empty()) {
        s.Type(c.corrente);
        tab(kFatorPotencia);
        s.Key("ctrl+a");
        s.Type(c.fatorPotencia);
        tab(kPotenciaAparente);
    } else if (!c.potencia.empty()) {
        tab(kPotenciaAparente);
        s.Key("ctrl+a");
        s.Type(c.potencia);
        s.Key("shift+Tab");
        s.WaitFocus(kDados, kFatorPotencia);  // shown once the power gives a current
        s.Key("ctrl+a");
        s.Type(c.fatorPotencia);
        tab(kPotenciaAparente);
    } else {
        tab(kPotenciaAparente);  // a feeder carries only its sub-circuits' current
    }
    tab(kCorrenteCurto);
    s.Type("10");
    tab(1176);
    tab(kTempoCurto);
    s.Type("0,5");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindControl(kDados, 1)->enabled; }, "OK enabled");
    s.Key("Return");
    steps::AnswerQuestions(s, kDados, true);
    s.WaitWindow(kEconomico);
    s.Key("alt+d");  // "&Dispensar"
    s.WaitWindowGone(kEconomico);
}

void Selecionar(ri::Session& s, const std::string& janela, const std::string& codigo)
{
    s.ClickItem(janela, 0, codigo);
}

}  // namespace

TEST(MvsizeProjectFlow, FeederWithTwoChildrenSizedReportedEditedClosedAndReopened)
{
    ri::Session s;
    s.StartWindowManager();
    steps::LaunchNewProject(s, "mvsize", kNovo);

    Incluir(s, {"ALIM-1", "800", "5", "", "", ""}, true);
    s.WaitFor([](const ri::Screen& sc) { return Arvore(sc, kNovo).size() == 2; }, "ALIM-1 in the tree");
    Incluir(s, {"TR-1", "300", "3", "", "1500", "0,92"}, false);
    Selecionar(s, kNovo, "ALIM-1");
    Incluir(s, {"M-1", "200", "4", "150", "", "0,85"}, false);
    s.WaitFor([](const ri::Screen& sc) {
        return Arvore(sc, kNovo) == std::vector<std::string>{"Origem", "ALIM-1", "TR-1", "M-1"};
    }, "the three circuits");

    // One circuit sized from its menu: its preview shows, then closes.
    s.ChooseMenu({"&Circuito", "Calc&ular"});
    s.WaitWindow(kPrevia);
    s.Screenshot("m-1");
    s.ClickButton(kPrevia, "Fechar");
    s.WaitWindowGone(kPrevia);

    const fs::path projeto = s.WorkDir() / "mt.mvp";
    steps::SaveAs(s, {"&Projeto", "Salvar co&mo..."}, projeto);
    const std::string kMain = "Mvsize - mt";
    s.WaitWindow(kMain);

    // The whole project sized, its report saved through the preview and read back.
    s.ChooseMenu({"&Projeto", "&Calcular ..."});
    s.WaitWindow(kPrevia);
    const fs::path pdf = s.WorkDir() / "projeto.pdf";
    s.ClickButton(kPrevia, "Salvar PDF…");
    s.WaitWindow("Salvar relatório em PDF");
    s.Key("ctrl+a");
    s.Type(pdf.string());
    s.Key("Return");
    s.WaitWindowGone("Salvar relatório em PDF");
    s.WaitFor([&](const ri::Screen&) { return fs::exists(pdf) && fs::file_size(pdf) > 0; }, "the PDF written");
    s.ClickButton(kPrevia, "Fechar");
    s.WaitWindowGone(kPrevia);
    const std::string texto = reporttest::PdfText(pdf.string());
    for (const char* trecho : {"Relatório do projeto", "ALIM-1", "212.3", "1 x 95 mm²", "0.60", "TR-1", "62.8",
                               "M-1", "150.0", "1 x 50 mm²"})
        EXPECT_NE(texto.find(trecho), std::string::npos) << trecho << " in\n" << texto;

    s.ChooseMenu({"&Projeto", "&Salvar"});
    const std::string resultados =
        "SELECT c.circuito_codigo, coalesce(p.circuito_codigo, ''), c.circuito_numero_condutores_calculado || ' x ' || "
        "c.secao_nominal, round(c.circuito_corrente_total, 1), i.circuito_impressao_valor FROM circuito c "
        "LEFT JOIN circuito p ON p.circuito_sequencial = c.circuito_sequencial_pai JOIN circuito_impressao i ON "
        "i.circuito_sequencial = c.circuito_sequencial AND i.circuito_impressao_variavel = 'Critério de "
        "dimensionamento:' WHERE c.circuito_calculado = -1 ORDER BY c.circuito_sequencial";
    const std::vector<std::vector<std::string>> esperado{
        {"ALIM-1", "", "1 x 95", "212.3", "Capacidade de corrente"},
        {"TR-1", "ALIM-1", "1 x 50", "62.8", "Curto circuito"},
        {"M-1", "ALIM-1", "1 x 50", "150.0", "Capacidade de corrente"},
    };
    s.WaitFor([&](const ri::Screen&) { return ri::Query(projeto, resultados) == esperado; }, "the sized project saved");

    // A delete answered "Não" changes nothing; a copy pasted at the top gets a code of its own, and is deleted.
    Selecionar(s, kMain, "M-1");
    s.ChooseMenu({"&Circuito", "&Excluir ..."});
    ri::Screen tela = s.WaitWindow("Mvsize");
    EXPECT_EQ(tela.FindWindow("Mvsize")->labels, std::vector<std::string>{"Confirma exclusão do circuito M-1 ?"});
    s.Key("alt+n");
    s.WaitWindowGone("Mvsize");
    Selecionar(s, kMain, "ALIM-1");
    s.ChooseMenu({"&Circuito", "&Copiar"});
    Selecionar(s, kMain, "Origem");
    s.ChooseMenu({"&Circuito", "C&olar"});
    s.WaitFor([&](const ri::Screen& sc) { return Arvore(sc, kMain).size() == 5 && Arvore(sc, kMain)[4] == "ALIM-11"; },
              "the copy pasted as ALIM-11");
    s.ChooseMenu({"&Circuito", "&Excluir ..."});
    s.WaitWindow("Mvsize");
    s.Key("alt+s");
    s.WaitFor([&](const ri::Screen& sc) {
        return Arvore(sc, kMain) == std::vector<std::string>{"Origem", "ALIM-1", "TR-1", "M-1"};
    }, "the copy deleted");
    // A last change not saved: M-1 deleted.
    Selecionar(s, kMain, "M-1");
    s.ChooseMenu({"&Circuito", "&Excluir ..."});
    s.WaitWindow("Mvsize");
    s.Key("alt+s");
    s.WaitFor([&](const ri::Screen& sc) { return Arvore(sc, kMain).size() == 3; }, "M-1 deleted");

    // Closing asks; "Cancelar" keeps the project open, "Não" closes it and the file stays as last saved.
    const auto pergunta = [](const ri::Screen& sc) {
        for (const ri::Window& w : sc.windows)
            if (w.modal && w.title == "Mvsize") return &w;
        return static_cast<const ri::Window*>(nullptr);
    };
    for (const char* resposta : {"Escape", "alt+n"}) {
        s.ChooseMenu({"&Projeto", "&Fechar"});
        tela = s.WaitFor([&](const ri::Screen& sc) { return pergunta(sc) != nullptr; }, "the question on closing");
        EXPECT_EQ(pergunta(tela)->labels, std::vector<std::string>{"Salvar as alterações em mt?"});
        s.Key(resposta);
        s.WaitFor([&](const ri::Screen& sc) { return pergunta(sc) == nullptr; }, "the question answered");
        if (std::string(resposta) == "Escape") {
            EXPECT_EQ(Arvore(s.Settle(), kMain).size(), 3u) << "Cancelar keeps the project open";
        }
    }
    s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow("Mvsize") && sc.ItemsOf("Mvsize", 0).empty(); },
              "the project closed");
    EXPECT_EQ(ri::Query(projeto, resultados), esperado);

    s.ChooseMenu({"&Projeto", "&Abrir..."});
    s.WaitWindow("Abrir");
    s.Key("ctrl+l");
    s.Type(projeto.string());
    s.Key("Return");
    s.WaitWindowGone("Abrir");
    s.WaitFor([&](const ri::Screen& sc) { return Arvore(sc, kMain) == std::vector<std::string>{"Origem", "ALIM-1"}; },
              "the project opened, its feeder collapsed");
    s.WaitFocus(kMain, 0);
    s.Key("Down Right");  // the feeder, opened by keys from the tree's focus
    s.WaitFor([&](const ri::Screen& sc) {
        return Arvore(sc, kMain) == std::vector<std::string>{"Origem", "ALIM-1", "TR-1", "M-1"};
    }, "the project as last saved");
    s.Screenshot("reaberto");
}
