// Mvsize on a virtual screen, driven with real X input: its tool bar and the tab order of its circuit
// dialog as a user meets them.
#include "RealInput.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ri = zel::realinput;

namespace {

const std::string kMain = "Mvsize - Projeto_MVSIZE_sem_nome";
const std::string kDados = "Dados do circuito";

// The tool bar's buttons from left to right, by command.
std::vector<int> BotoesDaEsquerda(const ri::Screen& screen)
{
    std::vector<ri::Tool> tools = screen.tools;
    std::sort(tools.begin(), tools.end(), [](const ri::Tool& a, const ri::Tool& b) { return a.rect.x < b.rect.x; });
    std::vector<int> comandos;
    for (const ri::Tool& t : tools)
        comandos.push_back(t.command);
    return comandos;
}

}  // namespace

// The tool bar shows Mvsize's commands in their own order; its include button opens the circuit dialog,
// where Tab leads from the grouping factor to the buttons and only then to the soil resistivity.
TEST(MvsizeJanela, ToolBarAndTheCircuitDialogsTabOrder)
{
    ri::Session s;
    s.Launch({"mvsize"});
    ri::Screen screen = s.WaitFor([](const ri::Screen& sc) { return sc.FindWindow(kMain) && sc.FindTool(32771); },
                                  "the main window with its tool bar");
    EXPECT_EQ(BotoesDaEsquerda(screen), (std::vector<int>{57600, 57601, 57603, 32771, 32774, 32775, 32773, 32783,
                                                          32784, 32779, 32778, 32786, 32780, 32781}))
        << screen.Describe();

    s.ClickTool(32771);
    s.WaitFocus(kDados, 1007);
    // A buried method shows the soil resistivity once the method list is left: the voltage first (it
    // fills the classes the method needs), then the method chosen with the mouse, then Tab.
    s.ClickControl(kDados, 1161);
    s.WaitFocus(kDados, 1161);
    s.Type("13.8");
    s.ClickControl(kDados, 1047);
    s.WaitFor([](const ri::Screen& sc) { return sc.FindMenu("Diretamente enterrados") != nullptr; },
              "the methods' list open");
    s.ClickMenu("Diretamente enterrados");
    s.WaitFor([](const ri::Screen& sc) {
        const ri::Control* c = sc.FindControl(kDados, 1047);
        return c && c->text == "Diretamente enterrados";
    }, "the buried method chosen");
    s.Key("Tab");
    screen = s.WaitFor([](const ri::Screen& sc) {
        const ri::Control* c = sc.FindControl(kDados, 1181);
        return c && c->visible;
    }, "the soil resistivity shown");

    // From the grouping factor on: OK waits for a complete circuit, so Tab goes to Cancel, then to the
    // resistivity.
    s.ClickControl(kDados, 1009);
    s.WaitFocus(kDados, 1009);
    ASSERT_FALSE(s.Probe().FindControl(kDados, 1)->enabled);
    s.Key("Tab");
    s.WaitFocus(kDados, 2);
    // The next Tab reaches the resistivity list: a key there changes its value.
    s.Key("Tab");
    s.Key("Down");
    s.WaitFor([](const ri::Screen& sc) {
        const ri::Control* c = sc.FindControl(kDados, 1181);
        return c && c->text == "3.0";
    }, "the key going to the resistivity list");
    s.Screenshot("resistividade");

    s.ClickControl(kDados, 2);
    s.WaitWindowGone(kDados);
}
