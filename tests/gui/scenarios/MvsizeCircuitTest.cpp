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

}  // namespace

TEST(MvsizeCircuit, TopLevelCircuitIncludedWithTheMouse) {
    ri::Session s;
    s.Launch({"mvsize"});
    s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow(kMain) && !sc.ItemsOf(kMain, 0).empty(); },
              "the new project's tree");
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
