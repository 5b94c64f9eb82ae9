// The harness itself, on Protdev: the probe shows the main window, its menus, tool bar and tree and a dialog's
// controls where they are on screen; mouse clicks open menus and press buttons; the program ends by its own
// menu and leaves its screenshots behind.
#include "RealInput.h"

#include <gtest/gtest.h>

namespace ri = zel::realinput;

namespace {

const std::string kMain = "Dispositivos de proteção de baixa tensão - Protdev";
constexpr int kIncluirDisjuntor = 32774;
constexpr int kDescricao = 1000;
constexpr int kTensao = 1025;

bool Inside(const ri::Rect& inner, const ri::Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

void ProbeMenusToolsAndDialogControls(bool windowManager) {
    ri::Session s;
    if (windowManager) s.StartWindowManager();
    s.Launch({"protdev"});
    // The tool bar inside the main window once a window manager has placed it.
    ri::Screen screen = s.WaitFor(
        [](const ri::Screen& sc) {
            return sc.FindWindow(kMain) && sc.FindTool(kIncluirDisjuntor) &&
                   Inside(sc.FindTool(kIncluirDisjuntor)->rect, sc.FindWindow(kMain)->rect);
        },
        "the main window with its tool bar");
    screen = s.Settle();
    ASSERT_EQ(screen.ItemsOf(kMain, 0).size(), 2u) << screen.Describe();
    EXPECT_EQ(screen.ItemsOf(kMain, 0)[0].text, "Disjuntores");

    s.ChooseMenu({"&Disjuntor", "&Incluir ..."});
    // A window manager may still be placing the window when it first shows.
    screen = s.WaitFor(
        [](const ri::Screen& sc) {
            const ri::Window* dialog = sc.FindWindow("Disjuntor");
            if (!dialog || !dialog->modal) return false;
            for (int id : {kDescricao, kTensao, 1, 2}) {
                const ri::Control* c = sc.FindControl("Disjuntor", id);
                if (!c || !Inside(c->rect, dialog->rect)) return false;
            }
            return true;
        },
        "the modal dialog with its controls inside it");
    EXPECT_FALSE(screen.FindControl("Disjuntor", 1)->enabled) << "OK waits for a description and a voltage";

    // Keys go where the focus is: a click in the description, Tab to the voltage, digits typed there.
    s.ClickControl("Disjuntor", kDescricao);
    s.WaitFocus("Disjuntor", kDescricao);
    s.Key("Tab");
    s.WaitFocus("Disjuntor", kTensao);
    s.Key("ctrl+a BackSpace");
    s.Type("220");
    s.WaitFor([](const ri::Screen& sc) { return sc.FindControl("Disjuntor", kTensao)->text == "220"; }, "voltage 220");
    s.Screenshot("disjuntor");

    s.ClickControl("Disjuntor", 2);
    s.WaitWindowGone("Disjuntor");
    s.ChooseMenu({"&Sistema", "&Sair"});
    EXPECT_EQ(s.WaitExit(), std::optional<int>(0));
}

}  // namespace

TEST(Harness, ProbeAndInputOnABareServer) { ProbeMenusToolsAndDialogControls(false); }

TEST(Harness, ProbeAndInputUnderAWindowManager) { ProbeMenusToolsAndDialogControls(true); }
