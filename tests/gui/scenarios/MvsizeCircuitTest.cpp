// Mvsize in its real window: a new project, a top-level circuit included through "Dados do circuito" (the
// class list filled when the service voltage is left, the cable list when it gains the focus), the
// layout questions, the project saved and the circuit row read back.
#include "Steps.h"

#include <gtest/gtest.h>

namespace ri = zel::realinput;

namespace {

const std::string kMain = "Mvsize - Projeto_MVSIZE_sem_nome";
const std::string kDados = "Dados do circuito";

constexpr int kCircuito = 1007;
constexpr int kManeira = 1047;
constexpr int kTensaoServico = 1161;
constexpr int kClasse = 1177;
constexpr int kCabo = 1045;
constexpr int kComprimento = 1016;
constexpr int kTemperatura = 1094;
constexpr int kQueda = 1014;
constexpr int kCorrenteProjeto = 1163;
constexpr int kFatorPotencia = 1015;
constexpr int kCorrenteCurto = 1164;
constexpr int kTempoCurto = 1165;
constexpr int kPotenciaAparente = 1178;
constexpr int kConexao = 1176;
constexpr int kSecao = 1180;
constexpr int kFatorAgrupamento = 1009;
constexpr int kOk = 1;

}  // namespace

TEST(MvsizeCircuit, TopLevelCircuitIncludedWithTheMouse) {
    ri::Session s;
    steps::LaunchNewProject(s, "mvsize", kMain);
    s.ChooseMenu({"&Circuito", "&Incluir ..."});
    s.WaitWindow(kDados);
    steps::TypeInto(s, kDados, kCircuito, "alimentação-1");
    steps::PickWithMouse(s, kDados, kManeira, "Eletroduto ao ar livre, abrigado do sol");
    steps::TypeInto(s, kDados, kTensaoServico, "13,8");
    steps::PickWithMouse(s, kDados, kClasse, "8,7/15 kV");
    steps::PickWithMouse(s, kDados, kCabo, "EPR 90 °C - condutor de cobre");
    steps::TypeInto(s, kDados, kComprimento, "500");
    steps::PickWithMouse(s, kDados, kTemperatura, "30");
    steps::TypeInto(s, kDados, kQueda, "5");
    steps::TypeInto(s, kDados, kCorrenteProjeto, "100");
    steps::TypeInto(s, kDados, kFatorPotencia, "0,92");
    steps::TypeInto(s, kDados, kCorrenteCurto, "10");
    steps::TypeInto(s, kDados, kTempoCurto, "0,5");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindControl(kDados, 1)->enabled; }, "OK enabled");
    s.Screenshot("dados-do-circuito");
    s.ClickControl(kDados, 1);
    steps::AnswerQuestions(s, kDados, false);
    s.WaitWindow("Dimensionamento econômico");
    s.ClickControl("Dimensionamento econômico", 1005);  // "&Dispensar"
    s.WaitWindowGone("Dimensionamento econômico");

    const auto project = s.WorkDir() / "media.mvp";
    steps::SaveAs(s, {"&Projeto", "Salvar co&mo..."}, project);
    const auto rows = ri::Query(project,
                                "SELECT circuito_codigo, maneira_instalar_codigo, classe_tensao_codigo, cabo_codigo, "
                                "round(circuito_tensao_servico, 3), circuito_comprimento, temperatura_ambiente, "
                                "round(circuito_fator_potencia, 3), circuito_tempo_curto_condutor FROM circuito");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"alimentação-1", "3", "3", "1", "13.8", "500", "30", "0.92", "0.5"}));
}

// Keys only, under a window manager: the dialog walked in its tab order (Tab from the last field reaches OK
// before Cancel), lists by letters and arrows, the questions and the economic sizing by keys; the project
// saved, closed and opened again.
TEST(MvsizeCircuit, TopLevelCircuitIncludedWithTheKeyboardSavedClosedAndReopened) {
    ri::Session s;
    s.StartWindowManager();
    steps::LaunchNewProject(s, "mvsize", kMain);
    s.Key("Insert");
    s.WaitFocus(kDados, kCircuito);
    s.Type("Alimentador geral");
    const auto tab = [&](int id) {
        s.Key("Tab");
        s.WaitFocus(kDados, id);
    };
    tab(kManeira);
    s.Key("d");
    steps::WaitText(s, kDados, kManeira, "Diretamente enterrados");
    tab(kTensaoServico);
    s.Type("13,8");
    tab(kClasse);
    tab(kCabo);
    s.Key("Down");
    steps::WaitText(s, kDados, kCabo, "HEPR 90 °C - condutor de cobre");
    tab(kComprimento);
    s.Type("2500");
    tab(kTemperatura);
    s.Key("2");
    steps::WaitText(s, kDados, kTemperatura, "20");
    tab(kQueda);
    s.Type("3,5");
    tab(kCorrenteProjeto);
    s.Type("100");
    tab(kFatorPotencia);  // shown once a current is typed
    s.Type("0,92");
    tab(kPotenciaAparente);
    tab(kCorrenteCurto);
    s.Type("12,5");
    tab(kConexao);
    tab(kTempoCurto);
    s.Type("0,5");
    tab(kSecao);  // no conductors per phase for a buried method: the questions decide
    tab(kFatorAgrupamento);
    tab(kOk);
    s.Screenshot("dados-do-circuito");
    s.Key("Return");
    EXPECT_EQ(steps::AnswerQuestions(s, kDados, true).size(), 3u);
    s.WaitWindow("Dimensionamento econômico");
    s.WaitFocus("Dimensionamento econômico", 1000);
    // Cost, hours a year, years, tariff, each field reached by Tab.
    const char* economico[] = {"1500", "8760", "20", "0,45"};
    for (const char* valor : economico) {
        s.Key(valor == economico[0] ? "ctrl+a" : "Tab ctrl+a");
        s.Type(valor);
    }
    s.Key("Return");
    s.WaitWindowGone("Dimensionamento econômico");

    const auto project = s.WorkDir() / "teclado.mvp";
    steps::SaveAs(s, {"&Projeto", "Salvar &como..."}, project);
    const std::string row =
        "SELECT circuito_codigo, maneira_instalar_codigo, classe_tensao_codigo, cabo_codigo, temperatura_ambiente, "
        "round(circuito_corrente_projeto, 3), round(circuito_fator_potencia, 3), "
        "round(circuito_corrente_curto_condutor, 3), circuito_custo_instalacao_cabo, "
        "circuito_horas_ano_funcionamento, circuito_numero_anos, round(circuito_tarifa_energia, 4) FROM circuito";
    const std::vector<std::string> expected{"Alimentador geral", "5", "3", "2", "20", "100.0", "0.92", "12.5",
                                            "1500", "8760", "20", "0.45"};
    auto rows = ri::Query(project, row);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], expected);

    // Closed, then opened again through the file dialog: the same tree and the same row.
    s.ChooseMenu({"&Projeto", "&Fechar"});
    s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow("Mvsize") && sc.ItemsOf("Mvsize", 0).empty(); },
              "the project closed");
    s.ChooseMenu({"&Projeto", "&Abrir..."});
    s.WaitWindow("Abrir");
    s.Key("ctrl+l");
    s.Type(project.string());
    s.Key("Return");
    s.WaitWindowGone("Abrir");
    s.WaitFor(
        [](const ri::Screen& sc) {
            const auto items = sc.ItemsOf("Mvsize - teclado", 0);
            return items.size() == 2 && items[1].text == "Alimentador geral";
        },
        "the reopened project's tree");
    s.Screenshot("reaberto");
    rows = ri::Query(project, row);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], expected);
}
