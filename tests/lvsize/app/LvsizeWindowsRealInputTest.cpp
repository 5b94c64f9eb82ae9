// Lvsize's windows on a laptop's screen (1366x768) driven with real X input, with and without a window
// manager: the banner beside the maximized main window, up after a click and Escape and Enter on it, and the
// about box centred on the main window.
#include "RealInput.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace ri = zel::realinput;

namespace {

const std::string kPrincipal = "Lvsize - Projeto_LVSIZE_sem_nome";
const std::string kSobre = "Sobre Zel";
// The banner's place: centred, its lower edge 58 pixels above the bottom of the screen.
const ri::Rect kFaixa{1366 / 2 - 248, 768 - 146, 496, 88};

const ri::Window* Faixa(const ri::Screen& screen)
{
    for (const ri::Window& w : screen.windows)
        if (w.rect.x == kFaixa.x && w.rect.y == kFaixa.y && w.rect.w == kFaixa.w && w.rect.h == kFaixa.h)
            return &w;
    return nullptr;
}

bool Sobrepoe(const ri::Rect& a, const ri::Rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

void FaixaAoLadoDaJanelaPrincipal(ri::Session& s)
{
    s.Launch({"lvsize"});
    // Maximized (by the window manager, or without one by the program), the main window takes the screen
    // above the banner.
    ri::Screen tela = s.WaitFor(
        [](const ri::Screen& sc) {
            const ri::Window* w = sc.FindWindow(kPrincipal);
            return w && Faixa(sc) && w->rect.h >= kFaixa.y - 80;
        },
        "the main window maximized and the banner");
    const ri::Rect principal = tela.FindWindow(kPrincipal)->rect;
    EXPECT_FALSE(Sobrepoe(principal, kFaixa)) << tela.Describe();
    s.Screenshot("principal");

    // A click on the banner, then the keys that close a dialog.
    s.Click(kFaixa.CentreX(), kFaixa.CentreY());
    s.Key("Escape");
    s.Key("Return");
    s.Key("KP_Enter");

    // The about box, once the keys above were handled: centred on the main window, closed with Enter.
    s.ChooseMenu({"&Ajuda", "&Sobre ..."});
    tela = s.WaitWindow(kSobre);
    const ri::Rect sobre = tela.FindWindow(kSobre)->rect;
    EXPECT_LE(std::abs(sobre.CentreX() - principal.CentreX()), 20) << tela.Describe();
    EXPECT_LE(std::abs(sobre.CentreY() - principal.CentreY()), 20) << tela.Describe();
    s.Screenshot("sobre");
    s.Key("Return");
    tela = s.WaitWindowGone(kSobre);
    EXPECT_NE(Faixa(tela), nullptr) << "the banner is still up\n" << tela.Describe();
}

}  // namespace

TEST(JanelasLvsize, SemGerenciadorDeJanelas)
{
    ri::Session s;
    FaixaAoLadoDaJanelaPrincipal(s);
}

TEST(JanelasLvsize, ComGerenciadorDeJanelas)
{
    ri::Session s;
    s.StartWindowManager();
    FaixaAoLadoDaJanelaPrincipal(s);
}
