// Protdev on a virtual screen: the main window with its device tree and every dialog, each saved as a PNG
// into the folder given as the first argument. The library is a copy of the one given as the second
// argument (the shipped ZelBt01.zel), or a small sample library when none is given.
#include "LibraryFixture.h"
#include "ProtdevApp.h"
#include "ProtdevResources.h"
#include "ProtdevWindows.h"
#include "Splash.h"
#include "resource.h"

#include "SmokeSupport.h"
#include "TestSupport.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <filesystem>
#include <string>

using smoke::Check;
using smoke::Pump;

namespace {

std::string g_out = "screenshots";

void Shot(wxWindow* w, const std::string& name)
{
    Check(smoke::Foto(w, g_out, name), "screenshot " + name + ".png");
}

// The colour inside a widget, read from the screen.
wxColour ColourInside(wxWindow* top, wxWindow* widget)
{
    return smoke::CorDentro(top, widget, g_out);
}

bool Near(const wxColour& c, COLORREF want)
{
    return smoke::Perto(c, want);
}

HTREEITEM FindItem(CTreeCtrl& tree, HTREEITEM parent, int depth)
{
    // The first item at a depth below parent (1: children).
    HTREEITEM item = tree.GetChildItem(parent);
    if (depth <= 1 || !item)
        return item;
    for (; item; item = tree.GetNextSiblingItem(item))
        if (HTREEITEM inner = FindItem(tree, item, depth - 1))
            return inner;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc > 1)
        g_out = argv[1];
    std::filesystem::create_directories(g_out);
    g_out = std::filesystem::absolute(g_out).string();
    Check(zel::wx::UsePortugueseLocale(), "pt_BR.UTF-8 locale in use");
    if (!smoke::IniciarWx(argc, argv)) {
        std::printf("0 passed, 1 failed\n");
        return 1;
    }

    zeltest::TempDir dir;
    if (argc > 2 && std::filesystem::exists(argv[2]))
        std::filesystem::copy_file(argv[2], dir.File("ZelBt01.zel"));
    else
        zeltest::MakeDatabase(dir.File("ZelBt01.zel"), std::string(prottest::kLibrarySchema) + prottest::kSampleRows);
    zeltest::ScopedCurrentDir cwd(dir.Path());

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kProtdevTitle;
    ScopedAppContext scope(context);
    {
        ProtdevWindows windows(context);
        zel::wx::WxHost& host = windows.Host();

        // The splash on its own (at start-up it shows only until the tree is filled).
        RegisterProtdevResources();
        ShowSplash();
        Check(g_pSplash != nullptr, "splash shown");
        if (g_pSplash)
            Shot(host.FindWindowOf(*g_pSplash), "protdev-splash");
        CloseSplash();
        Pump(3);

        CProtdevApp app;
        Check(windows.Start(app), "Protdev starts with its main window");
        Pump(30);
        CSdiMainFrame& frame = *app.GetMainFrame();
        CTreeCtrl& tree = app.GetView()->GetTreeCtrl();
        HTREEITEM breakers = tree.GetRootItem();
        HTREEITEM fuses = tree.GetNextSiblingItem(breakers);
        HTREEITEM breaker = FindItem(tree, breakers, 2);
        HTREEITEM fuse = FindItem(tree, fuses, 1);
        Check(breaker && fuse, "the tree holds a breaker and a fuse");
        Check(!std::filesystem::exists(dir.File("ZEL.LOG")), "no error at start-up");
        for (HTREEITEM v = tree.GetChildItem(breakers); v; v = tree.GetNextSiblingItem(v))
            tree.Expand(v, TVE_EXPAND);
        tree.Expand(breakers, TVE_EXPAND);
        tree.Expand(fuses, TVE_EXPAND);
        tree.UserSelect(breaker);
        frame.OnIdleUpdate();
        Pump(10);
        Shot(windows.MainWindow(), "protdev-main");
        Check(windows.MainWindow()->GetTitle().utf8_str() ==
                  std::string("Dispositivos de proteção de baixa tensão - Protdev"),
              "title of the main window");

        // Each dialog as it shows: a screenshot, then the next step.
        smoke::Passos steps;
        smoke::Seguir(host, steps);

        // The breaker being changed, its rating with the magnetic data, its curve and a point.
        steps[IDD_DISJUNTOR] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-disjuntor");
            CDialog& d = w.Model();
            auto& list = dynamic_cast<CListBox&>(*d.GetDlgItem(IDC_CORRENTES));
            Check(list.GetCount() > 0, "the breaker's rated currents are listed");
            Check(d.GetDlgItem(IDOK)->IsWindowEnabled(), "OK enabled for a complete breaker");
            d.UserClickButton(IDC_ALTERAR);
            d.UserClickButton(IDC_PONTOS_CURVA);
            d.UserCancel();
        };
        steps[IDD_DISJUNTOR_CORRENTE_NOMINAL] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-disjuntor-corrente-nominal");
            Check(!w.Model().GetDlgItem(IDC_CORRENTE_NOMINAL)->IsWindowEnabled(),
                  "the rated current is fixed when changing a rating");
            w.Model().UserCancel();
        };
        steps[IDD_DISJUNTOR_CURVA] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-disjuntor-curva");
            w.Model().UserClickButton(IDC_INCLUIR);
            w.Model().UserCancel();
        };
        steps[IDD_DISJUNTOR_CURVA_INCLUSAO] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-disjuntor-ponto-curva");
            const wxColour c = ColourInside(&w, w.WidgetOf(IDC_CURVA_CORRENTE));
            Check(Near(c, zel::ui::kProtdevInvalidBackground), "an empty curve current shows yellow");
            Check(!w.Model().GetDlgItem(IDOK)->IsWindowEnabled(), "OK disabled without a point");
            w.Model().UserCancel();
        };
        frame.OnCommand(ID_DISJUNTOR_ALTERAR);

        // A new breaker: empty fields in yellow; a new rating without magnetic data.
        steps[IDD_DISJUNTOR] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-disjuntor-novo");
            const wxColour c = ColourInside(&w, w.WidgetOf(IDC_TENSAO));
            Check(Near(c, zel::ui::kProtdevInvalidBackground), "a voltage of 0 shows yellow");
            Check(!w.Model().GetDlgItem(IDOK)->IsWindowEnabled(), "OK disabled for an empty breaker");
            w.Model().UserClickButton(IDC_INCLUIR);
            w.Model().UserCancel();
        };
        steps[IDD_DISJUNTOR_CORRENTE_NOMINAL] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-disjuntor-corrente-nominal-nova");
            Check(!w.Model().GetDlgItem(IDC_LIMIAR_MAGNETICO)->IsWindowEnabled(),
                  "magnetic fields disabled without a minimum operating current");
            const wxColour c = ColourInside(&w, w.WidgetOf(IDC_LIMIAR_MAGNETICO));
            Check(Near(c, zel::ui::kValidBackground), "and white");
            w.Model().UserCancel();
        };
        frame.OnCommand(ID_DISJUNTOR_INCLUIR);

        // The fuse and one of its ratings.
        steps[IDD_FUSIVEL] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-fusivel");
            w.Model().UserClickButton(IDC_ALTERAR);
            w.Model().UserCancel();
        };
        steps[IDD_FUSIVEL_CORRENTE_NOMINAL] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-fusivel-corrente-nominal");
            w.Model().UserCancel();
        };
        tree.UserSelect(fuse);
        frame.OnCommand(ID_FUSIVEL_ALTERAR);

        // The about box.
        steps[IDD_ABOUTBOX] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "protdev-sobre");
            w.Model().UserEnter();
        };
        frame.OnCommand(ID_APP_ABOUT);

        // The delete question, answered No.
        host.onMessageShown = [&](wxWindow& box) {
            Shot(&box, "protdev-excluir");
            gtk_dialog_response(GTK_DIALOG(box.GetHandle()), GTK_RESPONSE_NO);
        };
        tree.UserSelect(fuse);
        const std::string before = zeltest::QueryText("ZelBt01.zel", "SELECT COUNT(*) FROM dispositivo_protecao");
        frame.OnCommand(ID_DISPOSITIVO_EXCLUIR);
        host.onMessageShown = nullptr;
        Check(tree.GetSelectedItem() == fuse, "answering No keeps the tree and its selection");
        Check(!std::filesystem::exists(dir.File("ZEL.LOG")), "no error during the session");

        // "&Sair" from inside the program's main loop closes the main window and ends the loop; the exit
        // then releases the library.
        wxTheApp->CallAfter([&frame] { frame.OnCommand(ID_APP_EXIT); });
        wxTheApp->OnRun();
        Check(windows.MainWindow() && windows.MainWindow()->IsShown(), "the window stays until the exit has run");
        windows.Finish(app);
        Pump(5);
        Check(ProtdevDatabase() == nullptr, "the library is closed at exit");
        Check(zeltest::QueryText("ZelBt01.zel", "SELECT COUNT(*) FROM dispositivo_protecao") == before,
              "nothing was changed");
    }
    wxEntryCleanup();
    return smoke::Resultado();
}
