// Lvsize from the keyboard alone, under a window manager as on a desktop: a circuit included, the tree
// walked with the arrows, the circuit reopened for editing and the project sized through the menus'
// letters, the project saved, closed and opened again from the recent files.
#include "Steps.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ri = zel::realinput;

namespace {

const std::string kNovo = "Lvsize - Projeto_LVSIZE_sem_nome";
const std::string kDados = "Dados do circuito";
const std::string kPreview = "Vardek - LVSIZE 4.0";

constexpr int kTree = 0;
constexpr int kCircuito = 1007;
constexpr int kComprimento = 1016;
constexpr int kCorrenteCc = 1162;
constexpr int kQueda = 1155;
constexpr int kOk = 1;
constexpr int kCancelar = 2;

// The control of the window that holds the keyboard (a group box reports the focus of its fields: skipped).
int Focused(const ri::Screen& sc, const std::string& title) {
    const ri::Window* w = sc.FindWindow(title);
    if (!w) return -1;
    for (const ri::Control& c : sc.controls)
        if (c.window == w->index && c.focus && c.kind != "group") return c.id;
    return -1;
}

// Tab from the focused control until the control to reaches the keyboard; the controls passed on the way.
std::vector<int> TabTo(ri::Session& s, const std::string& title, int to) {
    std::vector<int> passed;
    for (int n = 0; n < 40; ++n) {
        const int before = Focused(s.Probe(), title);
        s.Key("Tab");
        const ri::Screen sc = s.WaitFor([&](const ri::Screen& screen) {
            const int now = Focused(screen, title);
            return now != -1 && now != before;
        }, "the focus to move on from control " + std::to_string(before));
        const int now = Focused(sc, title);
        if (now == to) return passed;
        passed.push_back(now);
    }
    throw std::runtime_error("Tab never reached control " + std::to_string(to));
}

std::string SelectedLine(const ri::Screen& sc, const std::string& title) {
    for (const ri::Item& i : sc.ItemsOf(title, kTree))
        if (i.selected) return i.text;
    return {};
}

ri::Screen WaitSelected(ri::Session& s, const std::string& title, const std::string& line) {
    return s.WaitFor([&](const ri::Screen& sc) { return SelectedLine(sc, title) == line; },
                     "\"" + line + "\" selected in the tree of \"" + title + "\"");
}

}  // namespace

TEST(LvsizeKeyboard, IncludeWalkEditSizeSaveCloseAndReopen) {
    ri::Session s;
    s.StartWindowManager();
    s.Launch({"lvsize"});
    s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow(kNovo) && !sc.ItemsOf(kNovo, kTree).empty(); },
              "the new project's tree");

    s.Key("alt+c");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Incluir ...") != nullptr; }, "the Circuito menu");
    s.Key("i");
    s.WaitFocus(kDados, kCircuito);
    s.Type("QGBT");
    s.Key("Tab Home Down Down Down Down Down Down");  // 07, in masonry
    s.Key("Tab t Down");                               // three-phase TN-S
    s.Key("Tab Home Down Down Down");                  // copper EPR single-core cable
    s.Key("Tab");
    s.Type("45,5");
    s.Key("Tab Tab");
    s.Type("380");
    s.Key("alt+r");
    s.WaitFocus(kDados, kCorrenteCc);
    s.Type("15");
    // The admissible drop comes with the other fields, before the check boxes and the buttons.
    const std::vector<int> passed = TabTo(s, kDados, kQueda);
    for (int id : {1008, 1010, 1087, 1088, kOk, kCancelar})
        EXPECT_EQ(std::count(passed.begin(), passed.end(), id), 0) << "Tab passed control " << id;
    s.Type("4");
    // The form complete, OK is enabled: Alt+O stays the length's own letter, whenever it is pressed (GTK
    // takes turns among the widgets that share a letter).
    s.WaitFor([](const ri::Screen& sc) { return sc.FindControl(kDados, kOk)->enabled; }, "OK enabled");
    for (int n = 0; n < 2; ++n) {
        s.Key("alt+o");
        EXPECT_EQ(Focused(s.Settle(), kDados), kComprimento);
    }
    // Up and Down leave a one-line field where it is (GTK would move on by position, often to Cancelar).
    for (const char* arrow : {"Down", "Up", "KP_Down"}) {
        s.Key(arrow);
        EXPECT_EQ(Focused(s.Settle(), kDados), kComprimento) << arrow;
    }
    s.Key("alt+g");  // it feeds loads other than motors
    s.Key("Return");
    EXPECT_FALSE(steps::AnswerQuestions(s, kDados, true).empty());
    s.WaitFocus("Carga não motor", 1017);
    s.Type("30");
    s.Key("Tab");
    s.Type("0,9");
    s.Key("Return");
    s.WaitWindow("Dispositivo de proteção");
    s.Key("Return");
    s.WaitWindow("Dimensionamento econômico");
    s.Key("alt+d");
    s.WaitWindowGone("Dimensionamento econômico");

    // Back in the main window the tree takes the arrows.
    WaitSelected(s, kNovo, "QGBT");
    s.Key("Home");
    WaitSelected(s, kNovo, "Origem");
    s.Key("End");
    WaitSelected(s, kNovo, "QGBT");

    // Circuito > Alterar > Características, by their letters, opens the circuit.
    s.Key("alt+c");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Alterar") != nullptr; }, "the Circuito menu");
    s.Key("a");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Características ...") != nullptr; },
              "the Alterar menu");
    s.Key("c");
    steps::WaitText(s, kDados, kCircuito, "QGBT");
    s.Screenshot("alterar");
    s.Key("Escape");
    s.WaitWindowGone(kDados);

    // Projeto > Calcular by its letter sizes the project and previews its report.
    s.Key("alt+p");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Calcular ...") != nullptr; }, "the Projeto menu");
    s.Key("c");
    s.WaitWindow(kPreview);
    s.Screenshot("relatorio");
    s.Key("Escape");
    s.WaitWindowGone(kPreview);

    const auto project = s.WorkDir() / "teclado.lvp";
    s.Key("ctrl+s");
    s.WaitWindow("Salvar como");
    s.Key("ctrl+a");
    s.Type(project.string());
    s.Key("Return");
    s.WaitWindow("Lvsize - teclado");

    // Closed, then opened again as the first of the recent files.
    s.Key("alt+p");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("&Fechar") != nullptr; }, "the Projeto menu");
    s.Key("f");
    s.WaitWindow("Lvsize");
    ASSERT_TRUE(s.ProgramRunning());
    s.Key("alt+p");
    s.WaitFor([&](const ri::Screen& sc) { return sc.FindMenu("&1 " + project.string()) != nullptr; },
              "the recent file in the Projeto menu");
    s.Key("1");
    s.WaitFor([](const ri::Screen& sc) { return !sc.ItemsOf("Lvsize - teclado", kTree).empty(); },
              "the project's tree");
    s.Key("End");
    WaitSelected(s, "Lvsize - teclado", "QGBT");
    EXPECT_EQ(ri::Query(project, "SELECT circuito_codigo, circuito_comprimento, circuito_queda_tensao_regime, "
                                 "circuito_calculado FROM circuito"),
              (std::vector<std::vector<std::string>>{{"QGBT", "45.5", "4", "-1"}}));  // sized: true as the file stores it
}
