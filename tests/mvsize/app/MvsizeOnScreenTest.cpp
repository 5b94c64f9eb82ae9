// Mvsize on a laptop's screen (1366x768): started with the example project, every dialog opened from the
// main window as a user would reach it, and the message boxes on the way. Each is saved as a PNG (alone and
// with the whole screen) into <build>/screenshots/mvsize-tela and checked:
// inside the screen and the height budget, centred on the main window, clear of the banner, no control
// outside the dialog or over another, no text cut, no gap between rows. The banner stays clear of the main
// window.
#include "MvsizeApp.h"
#include "MvsizeCommands.h"
#include "MvsizeResources.h"
#include "MvsizeWindows.h"

#include "AboutDlg.h"
#include "CaracteristicasMtIds.h"
#include "Clock.h"
#include "DialogosIds.h"
#include "ShellTestHelpers.h"
#include "TestSupport.h"

#include "ScreenTour.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>

#include <filesystem>

namespace fs = std::filesystem;

class OnScreenApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(OnScreenApp);

using zeltest::ScreenTour;

TEST(MvsizeNaTela, CadaDialogoCabeNaTelaCentradoNaJanelaPrincipal)
{
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    int argc = 1;
    char nome[] = "mvsize_on_screen_gui";
    char* argv[] = {nome, nullptr};
    ASSERT_TRUE(wxEntryStart(argc, argv));
    ASSERT_TRUE(wxTheApp->CallOnInit());
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();

    zeltest::TempDir dir;
    const std::string programa = dir.File("programa");
    fs::create_directories(programa);
    fs::create_directories(dir.File("tmp"));
    ::setenv("TMPDIR", dir.File("tmp").c_str(), 1);
    for (const char* f : {"ZelMt01.zel", "ZelMt02.zel", "ZelMt03.zel", "ZelMt04.zel"})
        fs::copy_file(std::string(ZEL_DATA_DIR) + "/" + f, programa + "/" + f);
    const std::string projeto = dir.File("Subestação Norte.mvp");
    fs::copy_file(programa + "/ZelMt02.zel", projeto);
    zeltest::RunSql(projeto, zeltest::ReadFile(MVSIZE_EXEMPLO_SQL));
    zeltest::ScopedCurrentDir cwd(dir.Path());

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kMvsizeTitle;
    context.executablePath = programa + "/mvsize";
    ScopedAppContext scope(context);
    ScreenTour tour(ZEL_SCREENSHOT_DIR, "mvsize");
    {
        MvsizeWindows windows(context);
        zel::wx::WxHost& host = windows.Host();
        CMvsizeApp app;
        app.m_strProfile = dir.File("Mvsize.ini");
        app.m_commandLine = {projeto};
        tour.LookLaterAt(IDD_MVSIZE_SPLASH, "splash", 500);  // while the start-up waits on it
        ASSERT_TRUE(windows.Start(app));
        ScreenTour::Pump(30);
        EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG"))) << zeltest::ReadFile(dir.File("ZEL.LOG"));
        ASSERT_EQ(app.Projetos().size(), 1u);

        // The main window above the banner.
        wxWindow* principal = windows.MainWindow();
        ASSERT_NE(app.m_pBanner, nullptr);
        zel::wx::WxDialog* banner = host.FindWindowOf(*app.m_pBanner);
        ASSERT_NE(banner, nullptr);
        const zeltest::Faults faixa = zeltest::BannerFaults(*banner, *principal);
        EXPECT_TRUE(faixa.empty()) << zeltest::Lines(faixa);
        EXPECT_GE(principal->GetSize().GetHeight(), 768 - 146 - 40) << "the main window takes the screen above it";
        EXPECT_TRUE(zeltest::SaveWholeScreen(tour.Path("principal-tela")));
        tour.mainWindow = principal;
        tour.banner = banner->GetScreenRect();
        tour.Watch(host);

        CTreeCtrl& tree = app.ProjetoAtivo()->view->GetTreeCtrl();
        auto selecionar = [&](const char* codigo) {
            HTREEITEM item = codigo ? shelltest::ItemPorCodigo(tree, codigo) : tree.GetRootItem();
            ASSERT_TRUE(item) << codigo;
            tree.UserSelect(item);
            app.GetMainFrame()->OnIdleUpdate();
            ScreenTour::Pump(3);
        };
        auto comando = [&](int id) { app.GetMainFrame()->OnCommand(id); };
        auto& passos = tour.steps;

        // The characteristics of a circuit being changed: with an apparent power of 0 the power factor's row
        // goes, and the rows below it move up; its OK asks the layout questions.
        int antes = 0, depois = 0;
        passos[mvcar::IDD_CARACTERISTICAS] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "caracteristicas");
            antes = w.WidgetOf(mvcar::IDC_POTENCIA_APARENTE)->GetScreenPosition().y;
            w.Model().SetDlgItemText(mvcar::IDC_POTENCIA_APARENTE, "0");
            ScreenTour::Pump(5);
            EXPECT_FALSE(w.WidgetOf(mvcar::IDC_FATOR_POTENCIA)->IsShown());
            tour.LookAgain(w, "caracteristicas-sem-fator-de-potencia");
            depois = w.WidgetOf(mvcar::IDC_POTENCIA_APARENTE)->GetScreenPosition().y;
            w.Model().UserClickButton(IDOK);
            if (!w.Model().IsEnded())
                w.Model().UserCancel();
        };
        passos[mvcar::IDD_SELECAO_DADOS] = tour.LookAndCancel("selecao-dados");
        selecionar("SE-01");
        comando(ID_CIRCUITO_CARACTERISTICAS);
        EXPECT_LE(depois, antes - 20) << "the hidden row takes no room";
        // A new circuit under the root.
        passos[mvcar::IDD_CARACTERISTICAS] = tour.LookAndCancel("caracteristicas-novo");
        selecionar(nullptr);
        comando(ID_CIRCUITO_INCLUIR);

        // The economic sizing, project data, the company, the print options, the printer, the about box.
        passos[mvdlg::IDD_DIMENSIONAMENTO_ECONOMICO] = tour.LookAndCancel("dimensionamento-economico");
        passos[mvdlg::IDD_PROJETO_DADOS] = tour.LookAndCancel("projeto-dados");
        passos[mvdlg::IDD_EMPRESA] = tour.LookAndCancel("empresa");
        passos[mvdlg::IDD_IMPRESSAO] = tour.LookAndCancel("impressao");
        passos[IDD_CONFIGURAR_IMPRESSAO] = tour.LookAndCancel("configurar-impressao");
        passos[IDD_ABOUTBOX] = tour.LookAndCancel("sobre");
        selecionar("SE-01");
        comando(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO);
        selecionar(nullptr);
        comando(ID_PROJETO_DADOS);
        comando(ID_EMPRESA);
        comando(ID_PROJETO_IMPRIMIR);
        comando(ID_FILE_PRINT_SETUP);
        {
            // With no printer installed the command answers with a message: the dialog on its own.
            CDialog impressoras(IDD_CONFIGURAR_IMPRESSAO);
            impressoras.DoModal();
        }
        comando(ID_MVSIZE_APP_ABOUT);

        // A question: deleting a circuit, answered No.
        selecionar("BOMBAS");
        comando(ID_CIRCUITO_EXCLUIR);
        EXPECT_TRUE(shelltest::ItemPorCodigo(tree, "BOMBAS")) << "answered No";

        tour.Stop(host);
        for (const char* d : {"splash", "caracteristicas", "caracteristicas-sem-fator-de-potencia", "selecao-dados",
                              "caracteristicas-novo", "dimensionamento-economico", "projeto-dados", "empresa",
                              "impressao", "configurar-impressao", "sobre", "mensagem-1"})
            EXPECT_TRUE(tour.Seen().count(d)) << d << " was not shown";
        EXPECT_EQ(tour.MessagesWithoutPicture(), 0);
        EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG"))) << zeltest::ReadFile(dir.File("ZEL.LOG"));

        for (const auto& p : app.Projetos())
            p->doc->SetModifiedFlag(false);
        wxTheApp->CallAfter([&app] { app.GetMainFrame()->OnCommand(ID_APP_EXIT); });
        wxTheApp->OnRun();
        windows.Finish(app);
        ScreenTour::Pump(5);
    }
    wxEntryCleanup();
}
