// Mvsize on a virtual screen: started with the example project on copies of the shipped data files, its
// main window with the circuit tree, a sized circuit's report preview (or, with no printer, the printer
// message) and the exit, each screen saved as a PNG into ZEL_SCREENSHOT_DIR.
#include "MvsizeApp.h"
#include "MvsizeCommands.h"
#include "MvsizeWindows.h"

#include "Clock.h"
#include "MvShellFixture.h"
#include "SmokeSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/msgdlg.h>

#include <gtk/gtk.h>

#include <filesystem>

namespace fs = std::filesystem;

using smoke::Pump;
using zeltest::ReadFile;

namespace {

bool Shot(wxWindow* w, const std::string& name)
{
    return smoke::Foto(w, ZEL_SCREENSHOT_DIR, name);
}

std::string Ler(const std::string& path)
{
    return fs::exists(path) ? ReadFile(path) : std::string();
}

}  // namespace

TEST(MvsizeGui, StartsWithAProjectSizesACircuitAndExits)
{
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    ASSERT_TRUE(smoke::IniciarWx("mvsize_gui_smoke"));

    zeltest::TempDir dir;
    shelltest::ScopedTmpDir tmp(dir.File("tmp"));
    const std::string programa = shelltest::PastaPrograma(dir.Path().string(), ZEL_DATA_DIR, mvshell::Mvsize::kArquivos);
    const std::string projeto = dir.File("Subestação Norte.mvp");
    fs::copy_file(programa + "/ZelMt02.zel", projeto);
    zeltest::RunSql(projeto, ReadFile(MVSHELL_EXEMPLO_SQL));
    zeltest::ScopedCurrentDir cwd(dir.Path());

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kMvsizeTitle;
    context.executablePath = programa + "/mvsize";
    ScopedAppContext scope(context);
    {
        MvsizeWindows windows(context);
        zel::wx::WxHost& host = windows.Host();
        CMvsizeApp app;
        app.m_strProfile = dir.File("Mvsize.ini");
        app.m_commandLine = {projeto};
        ASSERT_TRUE(windows.Start(app));
        Pump(30);
        EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG"))) << Ler(dir.File("ZEL.LOG"));
        EXPECT_FALSE(fs::exists(dir.File("CRYSTAL.LOG"))) << Ler(dir.File("CRYSTAL.LOG"));
        ASSERT_EQ(app.Projetos().size(), 1u);
        CMvsizeView& view = *app.ProjetoAtivo()->view;
        CTreeCtrl& tree = view.GetTreeCtrl();
        HTREEITEM raiz = tree.GetRootItem();
        ASSERT_TRUE(raiz);
        EXPECT_EQ(tree.GetItemText(raiz), "Origem");
        HTREEITEM feeder = tree.GetChildItem(raiz);
        ASSERT_TRUE(feeder);
        EXPECT_EQ(tree.GetItemText(feeder), "AL-PRINCIPAL");
        tree.Expand(raiz, TVE_EXPAND);
        tree.Expand(feeder, TVE_EXPAND);
        HTREEITEM se01 = tree.GetChildItem(feeder);
        ASSERT_TRUE(se01);
        tree.UserSelect(se01);
        app.GetMainFrame()->OnIdleUpdate();
        Pump(10);
        EXPECT_EQ(windows.MainWindow()->GetTitle().utf8_string(), "Mvsize - Subestação Norte");
        EXPECT_TRUE(Shot(windows.MainWindow(), "mvsize-main"));

        // Sizing the selected circuit: its preview, with a CUPS printer or without (the file printer).
        std::string mensagem;
        host.onMessageShown = [&](wxWindow& box) {
            if (auto* m = dynamic_cast<wxMessageDialog*>(&box))
                mensagem = m->GetMessage().utf8_string();
            Shot(&box, "mvsize-mensagem");
            gtk_dialog_response(GTK_DIALOG(box.GetHandle()), GTK_RESPONSE_OK);
        };
        app.GetMainFrame()->OnCommand(ID_CIRCUITO_CALCULAR);
        Pump(20);
        EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG"))) << Ler(dir.File("ZEL.LOG"));
        wxWindow* preview = nullptr;
        for (wxWindow* w : wxTopLevelWindows)
            if (w->IsShown() && w->GetLabel().utf8_string() == CMvsizeView::kTituloRelatorio)
                preview = w;
        EXPECT_FALSE(fs::exists(dir.File("CRYSTAL.LOG"))) << Ler(dir.File("CRYSTAL.LOG"));
        EXPECT_EQ(mensagem, "");
        EXPECT_NE(preview, nullptr) << "the circuit report's preview shows, with or without a CUPS printer";
        if (preview) {
            EXPECT_TRUE(Shot(preview, "mvsize-relatorio-circuito"));
            preview->Close(true);
            Pump(5);
        }
        EXPECT_TRUE(Shot(windows.MainWindow(), "mvsize-calculado"));

        // Including a circuit opens Mvsize's characteristics dialog (148), cancelled here: the tree stays.
        int dialogo = 0;
        host.onDialogShown = [&](zel::wx::WxDialog& w) {
            dialogo = w.Model().GetTemplateId();
            Shot(&w, "mvsize-incluir-" + std::to_string(dialogo));
            w.Model().UserCancel();
        };
        tree.UserSelect(raiz);
        app.GetMainFrame()->OnCommand(ID_CIRCUITO_INCLUIR);
        host.onDialogShown = nullptr;
        EXPECT_EQ(dialogo, 148);
        EXPECT_EQ(tree.GetChildItem(raiz), feeder);
        EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG"))) << Ler(dir.File("ZEL.LOG"));

        // "S&air" from inside the main loop, the sized project not saved.
        for (const auto& p : app.Projetos())
            p->doc->SetModifiedFlag(false);
        wxTheApp->CallAfter([&app] { app.GetMainFrame()->OnCommand(ID_APP_EXIT); });
        wxTheApp->OnRun();
        windows.Finish(app);
        Pump(5);
        const int copias = shelltest::CopiasTemporarias(dir.File("tmp"));
        EXPECT_EQ(copias, 0) << "no temporary copy left after the exit";
    }
    wxEntryCleanup();
}
