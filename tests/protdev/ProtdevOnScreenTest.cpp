// Protdev on a laptop's screen (1366x768): started on a copy of the shipped library, every dialog opened
// from the main window as a user would reach it, the delete question, and the menu items the two device
// menus share. Each window is saved as a PNG (alone and with the whole screen) into
// <build>/screenshots/protdev-tela and checked: inside the screen and the height budget, centred on the
// window it was opened from, no control outside the dialog or over another, no text cut, no gap between
// rows.
#include "LibraryFixture.h"
#include "ProtdevApp.h"
#include "ProtdevResources.h"
#include "ProtdevWindows.h"
#include "Splash.h"
#include "resource.h"

#include "AboutDlg.h"
#include "Clock.h"
#include "TestSupport.h"

#include "ScreenTour.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/menu.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

using zeltest::ScreenTour;

// Every item of the menu bar carrying the command, whichever menu holds it, after each menu was opened.
std::vector<wxMenuItem*> ItensAbertos(wxFrame& frame, int command)
{
    std::vector<wxMenuItem*> itens;
    wxMenuBar* bar = frame.GetMenuBar();
    for (std::size_t m = 0; bar && m < bar->GetMenuCount(); ++m) {
        wxMenuEvent open(wxEVT_MENU_OPEN, 0, bar->GetMenu(m));
        open.SetEventObject(&frame);
        frame.ProcessWindowEvent(open);
        for (wxMenuItem* item : bar->GetMenu(m)->GetMenuItems())
            if (item->GetId() == zel::wx::ToWxId(command))
                itens.push_back(item);
    }
    return itens;
}

}  // namespace

TEST(ProtdevNaTela, CadaDialogoCabeNaTelaCentradoNaJanelaPrincipal)
{
    ASSERT_TRUE(zeltest::StartWx("protdev_on_screen_gui"));

    zeltest::TempDir dir;
    fs::copy_file(std::string(ZEL_DATA_DIR) + "/ZelBt01.zel", dir.File("ZelBt01.zel"));
    zeltest::ScopedCurrentDir cwd(dir.Path());

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kProtdevTitle;
    ScopedAppContext scope(context);
    ScreenTour tour(ZEL_SCREENSHOT_DIR, "protdev");
    {
        ProtdevWindows windows(context);
        zel::wx::WxHost& host = windows.Host();

        // The splash on its own (at start-up it shows only until the tree is filled), centred on the screen.
        RegisterProtdevResources();
        ShowSplash();
        ASSERT_NE(g_pSplash, nullptr);
        ScreenTour::Pump(10);
        tour.LookAgain(*host.FindWindowOf(*g_pSplash), "splash");
        const wxRect splash = host.FindWindowOf(*g_pSplash)->GetScreenRect();
        EXPECT_NEAR(splash.GetX() + splash.GetWidth() / 2, 1366 / 2, 2);
        EXPECT_NEAR(splash.GetY() + splash.GetHeight() / 2, 768 / 2, 2);
        CloseSplash();
        ScreenTour::Pump(3);

        CProtdevApp app;
        ASSERT_TRUE(windows.Start(app));
        ScreenTour::Pump(30);
        EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG"))) << zeltest::ReadFile(dir.File("ZEL.LOG"));
        CSdiMainFrame& frame = *app.GetMainFrame();
        CTreeCtrl& tree = app.GetView()->GetTreeCtrl();
        HTREEITEM disjuntores = tree.GetRootItem();
        HTREEITEM fusiveis = tree.GetNextSiblingItem(disjuntores);
        // Breakers sit under their voltage, fuses right under their root.
        HTREEITEM disjuntor = tree.GetChildItem(tree.GetChildItem(disjuntores));
        HTREEITEM fusivel = tree.GetChildItem(fusiveis);
        ASSERT_TRUE(disjuntor && fusivel);
        EXPECT_EQ(windows.MainWindow()->GetScreenRect(), wxRect(0, 0, 1366, 768)) << "maximized: the whole screen";
        EXPECT_TRUE(zeltest::SaveWholeScreen(tour.Path("principal-tela")));
        tour.mainWindow = windows.MainWindow();
        tour.Watch(host);
        auto& passos = tour.steps;

        // "Excluir" sits in both device menus: both items follow the command's state.
        tree.UserSelect(disjuntores);
        frame.OnIdleUpdate();
        for (wxMenuItem* item : ItensAbertos(*windows.MainWindow(), ID_DISPOSITIVO_EXCLUIR))
            EXPECT_FALSE(item->IsEnabled()) << "no device chosen";
        tree.UserSelect(fusivel);
        frame.OnIdleUpdate();
        const std::vector<wxMenuItem*> excluir = ItensAbertos(*windows.MainWindow(), ID_DISPOSITIVO_EXCLUIR);
        EXPECT_EQ(excluir.size(), 2u);
        for (wxMenuItem* item : excluir)
            EXPECT_TRUE(item->IsEnabled()) << "a fuse chosen";

        // A breaker being changed: one of its ratings, its curve and a new point of it.
        passos[IDD_DISJUNTOR] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "disjuntor");
            w.Model().UserClickButton(IDC_ALTERAR);
            w.Model().UserClickButton(IDC_PONTOS_CURVA);
            w.Model().UserCancel();
        };
        passos[IDD_DISJUNTOR_CORRENTE_NOMINAL] = tour.LookAndCancel("disjuntor-corrente-nominal");
        passos[IDD_DISJUNTOR_CURVA] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "disjuntor-curva");
            w.Model().UserClickButton(IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[IDD_DISJUNTOR_CURVA_INCLUSAO] = tour.LookAndCancel("disjuntor-ponto-da-curva");
        tree.UserSelect(disjuntor);
        frame.OnCommand(ID_DISJUNTOR_ALTERAR);
        // A new breaker and a new rating of it.
        passos[IDD_DISJUNTOR] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "disjuntor-novo");
            w.Model().UserClickButton(IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[IDD_DISJUNTOR_CORRENTE_NOMINAL] = tour.LookAndCancel("disjuntor-corrente-nominal-nova");
        frame.OnCommand(ID_DISJUNTOR_INCLUIR);

        // A fuse being changed and one of its ratings; a new fuse.
        passos[IDD_FUSIVEL] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "fusivel");
            w.Model().UserClickButton(IDC_ALTERAR);
            w.Model().UserCancel();
        };
        passos[IDD_FUSIVEL_CORRENTE_NOMINAL] = tour.LookAndCancel("fusivel-corrente-nominal");
        tree.UserSelect(fusivel);
        frame.OnCommand(ID_FUSIVEL_ALTERAR);
        passos[IDD_FUSIVEL] = tour.LookAndCancel("fusivel-novo");
        frame.OnCommand(ID_FUSIVEL_INCLUIR);

        // The about box; the delete question, answered No.
        passos[IDD_ABOUTBOX] = tour.LookAndCancel("sobre");
        frame.OnCommand(ID_APP_ABOUT);
        tree.UserSelect(fusivel);
        frame.OnCommand(ID_DISPOSITIVO_EXCLUIR);
        EXPECT_EQ(tree.GetSelectedItem(), fusivel) << "answered No";

        tour.Stop(host);
        for (const char* d : {"splash", "disjuntor", "disjuntor-corrente-nominal", "disjuntor-curva",
                              "disjuntor-ponto-da-curva", "disjuntor-novo", "disjuntor-corrente-nominal-nova",
                              "fusivel", "fusivel-corrente-nominal", "fusivel-novo", "sobre", "mensagem-1"})
            EXPECT_TRUE(tour.Seen().count(d)) << d << " was not shown";
        EXPECT_EQ(tour.MessagesWithoutPicture(), 0);
        EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG"))) << zeltest::ReadFile(dir.File("ZEL.LOG"));

        wxTheApp->CallAfter([&frame] { frame.OnCommand(ID_APP_EXIT); });
        wxTheApp->OnRun();
        windows.Finish(app);
        ScreenTour::Pump(5);
    }
    zeltest::StopWx();
}
