// Lvsize on a laptop's screen (1366x768): started with the example project and a direct-current circuit,
// every dialog opened from the main window as a user would reach it, and the message boxes on the way.
// Each is saved as a PNG (alone and with the whole screen) into <build>/screenshots/lvsize-tela and checked:
// inside the screen and the height budget, centred on the main window, clear of the banner, no control
// outside the dialog or over another, no text cut, no gap between rows. The banner stays clear of the main
// window.
#include "LvsizeApp.h"
#include "LvsizeCommands.h"
#include "LvsizeResources.h"
#include "LvsizeWindows.h"

#include "AboutDlg.h"
#include "CaracteristicasIds.h"
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

TEST(LvsizeNaTela, CadaDialogoCabeNaTelaCentradoNaJanelaPrincipal)
{
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    int argc = 1;
    char nome[] = "lvsize_on_screen_gui";
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
    for (const char* f : {"ZelBt01.zel", "ZelBt02.zel", "ZelBt03.zel", "ZelBt04.zel", "Lvsize03.rpt", "Lvsize04.rpt",
                          "Lvsize05.rpt"})
        fs::copy_file(std::string(ZEL_DATA_DIR) + "/" + f, programa + "/" + f);
    const std::string projeto = dir.File("Edifício Central.lvp");
    fs::copy_file(programa + "/ZelBt02.zel", projeto);
    zeltest::RunSql(projeto, zeltest::ReadFile(LVSIZE_EXEMPLO_SQL));
    // A 24 V direct-current circuit, for the direct-current load dialogs.
    zeltest::RunSql(projeto, "INSERT INTO circuito (circuito_sequencial, circuito_codigo, maneira_instalar_codigo, "
                             "sistema_codigo, cabo_codigo, temperatura_ambiente, circuito_comprimento, "
                             "circuito_tensao_fase_fase, circuito_secao_minima, circuito_fator_demanda, "
                             "circuito_corrente_cc_presumida, circuito_queda_tensao_regime, "
                             "dispositivo_protecao_codigo, circuito_fator_correcao_disjuntor) "
                             "VALUES (6, 'CC-24V', 3, 2, 1, 30, 10, 24, 2.5, 1, 1, 4, 2, 1)");
    zeltest::ScopedCurrentDir cwd(dir.Path());

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kLvsizeTitle;
    context.executablePath = programa + "/lvsize";
    ScopedAppContext scope(context);
    ScreenTour tour(ZEL_SCREENSHOT_DIR, "lvsize");
    {
        LvsizeWindows windows(context);
        zel::wx::WxHost& host = windows.Host();
        CLvsizeApp app;
        app.m_strProfile = dir.File("Lvsize.ini");
        app.m_commandLine = {projeto};
        tour.LookLaterAt(IDD_LVSIZE_SPLASH, "splash", 500);  // while the start-up waits on it
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

        // The characteristics of a circuit being changed; its OK asks the selection questions.
        passos[car::IDD_CARACTERISTICAS] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "caracteristicas");
            w.Model().UserClickButton(IDOK);
            if (!w.Model().IsEnded())
                w.Model().UserCancel();
        };
        passos[car::IDD_SELECAO_DADOS] = tour.LookAndCancel("selecao-dados");
        selecionar("QD1");
        comando(ID_CIRCUITO_CARACTERISTICAS);
        // A new circuit under the root.
        passos[car::IDD_CARACTERISTICAS] = tour.LookAndCancel("caracteristicas-novo");
        selecionar(nullptr);
        comando(ID_CIRCUITO_INCLUIR);

        // Loads of an alternating-current circuit: the current, the load list and a new load.
        passos[lvdlg::IDD_CARGA_CORRENTE] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga-corrente");
            w.Model().UserClickButton(lvdlg::IDC_CALCULAR_CORRENTE);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CARGA] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga");
            w.Model().UserClickButton(lvdlg::IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CARGA_INCLUSAO] = tour.LookAndCancel("carga-inclusao");
        selecionar("ILUM-01");
        comando(ID_CARGAS_NAO_MOTOR);
        // The same for the direct-current circuit.
        passos[lvdlg::IDD_CARGA_CORRENTE] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga-corrente-cc");
            w.Model().UserClickButton(lvdlg::IDC_CALCULAR_CORRENTE);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CORRENTE_CONTINUA] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "corrente-continua");
            w.Model().UserClickButton(lvdlg::IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CORRENTE_CONTINUA_INCLUSAO] = tour.LookAndCancel("corrente-continua-inclusao");
        selecionar("CC-24V");
        comando(ID_CARGAS_NAO_MOTOR);

        // Motors: the list and a motor.
        passos[lvdlg::IDD_CARGA_MOTOR] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga-motor");
            w.Model().UserClickButton(lvdlg::IDC_EDITAR);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_MOTORES_INCLUSAO] = tour.LookAndCancel("motores-inclusao");
        selecionar("BOMBA");
        comando(ID_CARGAS_MOTORES);

        // The protection device, with a breaker and then a fuse; the economic sizing.
        passos[lvdlg::IDD_DISPOSITIVO_PROTECAO] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "dispositivo-protecao");
            w.Model().UserClickButton(lvdlg::IDC_FUSIVEL);
            tour.LookAgain(w, "dispositivo-protecao-fusivel");
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_DIMENSIONAMENTO_ECONOMICO] = tour.LookAndCancel("dimensionamento-economico");
        selecionar("ILUM-01");
        comando(ID_CIRCUITO_DISPOSITIVO_PROTECAO);
        comando(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO);

        // Project data, the company, the print options of the project's report, the printer, the about box.
        passos[lvdlg::IDD_PROJETO_DADOS] = tour.LookAndCancel("projeto-dados");
        passos[lvdlg::IDD_EMPRESA] = tour.LookAndCancel("empresa");
        passos[lvdlg::IDD_IMPRESSAO] = tour.LookAndCancel("impressao");
        passos[IDD_CONFIGURAR_IMPRESSAO] = tour.LookAndCancel("configurar-impressao");
        passos[IDD_ABOUTBOX] = tour.LookAndCancel("sobre");
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
        comando(ID_LVSIZE_APP_ABOUT);

        // A question: deleting a circuit, answered No.
        selecionar("AR-COND");
        comando(ID_CIRCUITO_EXCLUIR);
        EXPECT_TRUE(shelltest::ItemPorCodigo(tree, "AR-COND")) << "answered No";

        tour.Stop(host);
        for (const char* d : {"splash", "caracteristicas", "selecao-dados", "caracteristicas-novo", "carga-corrente",
                              "carga", "carga-inclusao", "carga-corrente-cc", "corrente-continua",
                              "corrente-continua-inclusao", "carga-motor", "motores-inclusao", "dispositivo-protecao",
                              "dimensionamento-economico", "projeto-dados", "empresa", "impressao",
                              "configurar-impressao", "sobre", "mensagem-1"})
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
