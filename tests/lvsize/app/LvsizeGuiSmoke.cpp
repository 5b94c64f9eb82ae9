// Lvsize on a virtual screen: started with the example project on copies of the shipped data files, its
// main window with the circuit tree, the context menu's road, the about box and a second project, each
// saved as a PNG into the folder given as the first argument. The second argument is the data folder, the
// third the example project's SQL.
#include "LvsizeApp.h"
#include "LvsizeCommands.h"
#include "LvsizeWindows.h"

#include "AboutDlg.h"
#include "Clock.h"
#include "ShellFixture.h"
#include "SmokeSupport.h"
#include "TestSupport.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/msgdlg.h>

#include <gtk/gtk.h>
#include <wx/mdi.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

using smoke::Check;
using smoke::Pump;

namespace {

std::string g_out = "screenshots";

void Shot(wxWindow* w, const std::string& name)
{
    Check(smoke::Foto(w, g_out, name), "screenshot " + name + ".png");
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc < 4) {
        std::printf("uso: lvsize_gui_smoke pasta-das-imagens pasta-dos-dados exemplo.sql\n");
        return 2;
    }
    g_out = argv[1];
    fs::create_directories(g_out);
    g_out = fs::absolute(g_out).string();
    Check(zel::wx::UsePortugueseLocale(), "pt_BR.UTF-8 locale in use");
    int wxArgc = 1;
    if (!smoke::IniciarWx(wxArgc, argv)) {
        std::printf("0 passed, 1 failed\n");
        return 1;
    }

    zeltest::TempDir dir;
    shelltest::ScopedTmpDir tmp(dir.File("tmp"));
    const std::string programa = shelltest::PastaPrograma(dir.Path().string(), argv[2], lvshell::Lvsize::kArquivos);
    const std::string projeto = dir.File("Edifício Central.lvp");
    fs::copy_file(programa + "/ZelBt02.zel", projeto);
    zeltest::RunSql(projeto, zeltest::ReadFile(argv[3]));
    zeltest::ScopedCurrentDir cwd(dir.Path());

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kLvsizeTitle;
    context.executablePath = programa + "/lvsize";
    ScopedAppContext scope(context);
    {
        LvsizeWindows windows(context);
        zel::wx::WxHost& host = windows.Host();
        CLvsizeApp app;
        app.m_strProfile = dir.File("Lvsize.ini");
        app.m_commandLine = {projeto};
        Check(windows.Start(app), "Lvsize starts with its main window");
        Pump(30);
        Check(!fs::exists(dir.File("ZEL.LOG")) && !fs::exists(dir.File("CRYSTAL.LOG")), "no error at start-up");
        Check(app.Projetos().size() == 1, "one project open");
        CLvsizeView& view = *app.ProjetoAtivo()->view;
        CTreeCtrl& tree = view.GetTreeCtrl();
        HTREEITEM raiz = tree.GetRootItem();
        Check(raiz && tree.GetItemText(raiz) == "Origem", "the tree's root is Origem");
        HTREEITEM qd1 = raiz ? tree.GetChildItem(raiz) : nullptr;
        Check(qd1 && tree.GetItemText(qd1) == "QD1", "the first circuit is QD1");
        tree.Expand(raiz, TVE_EXPAND);
        if (qd1) {
            tree.Expand(qd1, TVE_EXPAND);
            tree.UserSelect(tree.GetChildItem(qd1));
        }
        app.GetMainFrame()->OnIdleUpdate();
        Pump(10);
        Check(windows.MainWindow()->GetTitle().utf8_str() == std::string("Lvsize - Edifício Central"),
              "title of the main window");
        Shot(windows.MainWindow(), "lvsize-main");

        // The about box.
        host.onDialogShown = [&](zel::wx::WxDialog& w) {
            if (w.Model().GetTemplateId() == IDD_ABOUTBOX)
                Shot(&w, "lvsize-sobre");
            w.Model().UserEnter();
        };
        app.GetMainFrame()->OnCommand(ID_LVSIZE_APP_ABOUT);
        host.onDialogShown = nullptr;

        // Sizing the project: its preview window shows, with a CUPS printer or without (the file printer).
        std::string mensagem;
        host.onMessageShown = [&](wxWindow& box) {
            if (auto* m = dynamic_cast<wxMessageDialog*>(&box))
                mensagem = m->GetMessage().utf8_string();
            Shot(&box, "lvsize-mensagem");
            gtk_dialog_response(GTK_DIALOG(box.GetHandle()), GTK_RESPONSE_OK);
        };
        tree.UserSelect(raiz);
        app.GetMainFrame()->OnCommand(ID_PROJETO_CALCULAR);
        Pump(20);
        Check(!fs::exists(dir.File("ZEL.LOG")), "the project is sized without an error");
        wxWindow* preview = nullptr;
        for (wxWindow* w : wxTopLevelWindows)
            if (w->IsShown() && w->GetLabel().utf8_str() == std::string(CLvsizeView::kTituloRelatorio))
                preview = w;
        Check(!fs::exists(dir.File("CRYSTAL.LOG")), "no report error");
        Check(preview != nullptr && mensagem.empty(), "the project report's preview shows");
        if (preview) {
            Shot(preview, "lvsize-relatorio-projeto");
            preview->Close(true);
            Pump(5);
        }

        // Including a circuit opens the characteristics dialog (148), cancelled here: the tree stays.
        int dialogo = 0;
        host.onDialogShown = [&](zel::wx::WxDialog& w) {
            dialogo = w.Model().GetTemplateId();
            Shot(&w, "lvsize-incluir-" + std::to_string(dialogo));
            w.Model().UserCancel();
        };
        mensagem.clear();
        tree.UserSelect(raiz);
        app.GetMainFrame()->OnCommand(ID_CIRCUITO_INCLUIR);
        host.onDialogShown = nullptr;
        Check(dialogo == 148 || mensagem.find("CCaracteristicas") != std::string::npos,
              "the include command opens the characteristics dialog");
        Check(tree.GetChildItem(raiz) == qd1, "cancelling the dialog changes nothing");

        // A second project as a second tab.
        app.GetMainFrame()->OnCommand(ID_FILE_NEW);
        Pump(20);
        Check(app.Projetos().size() == 2, "a second project opens");
        Check(windows.MainWindow()->GetTitle().utf8_str() == std::string("Lvsize - Projeto_LVSIZE_sem_nome"),
              "the caption follows the active project");
        Shot(windows.MainWindow(), "lvsize-dois-projetos");
        app.GetMainFrame()->OnCommand(ID_JANELA_PROXIMA);
        Pump(20);
        Check(app.ProjetoAtivo() && app.ProjetoAtivo()->doc->GetTitle() == "Edifício Central" &&
                  windows.MainWindow()->GetTitle().utf8_str() == std::string("Lvsize - Edifício Central"),
              "the next window is the first project again");
        auto* mdi = dynamic_cast<wxMDIParentFrame*>(windows.MainWindow());
        Check(mdi && mdi->GetActiveChild() &&
                  mdi->GetActiveChild()->GetTitle().utf8_str() == std::string("Edifício Central"),
              "and its tab is the one shown");
        Shot(windows.MainWindow(), "lvsize-proxima-janela");

        // "S&air" from inside the main loop; the second project is not modified, the first one was sized.
        app.ProjetoAtivo()->doc->SetModifiedFlag(false);
        for (const auto& p : app.Projetos())
            p->doc->SetModifiedFlag(false);
        wxTheApp->CallAfter([&app] { app.GetMainFrame()->OnCommand(ID_APP_EXIT); });
        wxTheApp->OnRun();
        windows.Finish(app);
        Pump(5);
        const int copias = shelltest::CopiasTemporarias(dir.File("tmp"));
        Check(copias == 0, "no temporary copy left after the exit");
    }
    wxEntryCleanup();
    return smoke::Resultado();
}
