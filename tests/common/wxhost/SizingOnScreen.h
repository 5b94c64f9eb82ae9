#pragma once
// A sizing program (Lvsize, Mvsize) on screen for a ScreenTour: copies of its data files beside it, a project
// made of its template and SQL scripts, started with that project; its splash looked at on the way, the
// banner checked beside the main window; circuits chosen by code and commands sent as the menus would.

#include "Clock.h"
#include "ShellTestHelpers.h"
#include "TestSupport.h"

#include "ScreenTour.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zeltest {

template <class App, class Windows>
class SizingOnScreen {
public:
    // dataFiles are copied from the build's data folder; the project is a copy of templateFile with the SQL
    // scripts run on it.
    SizingOnScreen(const char* title, const std::vector<std::string>& dataFiles, const std::string& templateFile,
                   const std::string& projectName, const std::vector<std::string>& sqlScripts)
        : m_cwd(m_dir.Path()), m_scope(m_context), m_windows(std::make_unique<Windows>(m_context))
    {
        namespace fs = std::filesystem;
        const std::string programa = m_dir.File("programa");
        fs::create_directories(programa);
        fs::create_directories(m_dir.File("tmp"));
        ::setenv("TMPDIR", m_dir.File("tmp").c_str(), 1);
        for (const std::string& f : dataFiles)
            fs::copy_file(std::string(ZEL_DATA_DIR) + "/" + f, programa + "/" + f);
        const std::string projeto = m_dir.File(projectName);
        fs::copy_file(programa + "/" + templateFile, projeto);
        for (const std::string& sql : sqlScripts)
            RunSql(projeto, sql);
        m_context.clock = &m_clock;
        m_context.appTitle = title;
        m_context.executablePath = programa + "/programa";
        app.m_strProfile = m_dir.File("perfil.ini");
        app.m_commandLine = {projeto};
    }

    ~SizingOnScreen()
    {
        if (m_started)
            Finish();
    }

    Windows& windows() { return *m_windows; }
    CTreeCtrl& Tree() { return app.ProjetoAtivo()->view->GetTreeCtrl(); }
    // Where the program reports its errors.
    std::string ErrorLog() const { return m_dir.File("ZEL.LOG"); }

    // Starts the program with its project; looks at the splash while the start-up waits on it, and checks
    // that the banner stays clear of the main window, which takes the screen above it. The tour then
    // watches the host. False when the program did not start.
    bool Start(ScreenTour& tour, int splashTemplate)
    {
        tour.LookLaterAt(splashTemplate, "splash", 500);
        if (!m_windows->Start(app))
            return false;
        m_started = true;
        ScreenTour::Pump(30);
        EXPECT_FALSE(std::filesystem::exists(ErrorLog())) << ReadFile(ErrorLog());
        wxWindow* principal = m_windows->MainWindow();
        zel::wx::WxDialog* banner = app.m_pBanner ? m_windows->Host().FindWindowOf(*app.m_pBanner) : nullptr;
        if (!principal || !banner || app.Projetos().size() != 1) {
            ADD_FAILURE() << "no main window, banner or project";
            return false;
        }
        const Faults faixa = BannerFaults(*banner, *principal);
        EXPECT_TRUE(faixa.empty()) << Lines(faixa);
        EXPECT_GE(principal->GetSize().GetHeight(), 768 - 146 - 40) << "the main window takes the screen above it";
        EXPECT_TRUE(SaveWholeScreen(tour.Path("principal-tela")));
        tour.mainWindow = principal;
        tour.banner = banner->GetScreenRect();
        tour.Watch(m_windows->Host());
        return true;
    }

    // Chooses a circuit by its code (null: the root) as a click in the tree would.
    void Select(const char* code)
    {
        HTREEITEM item = code ? shelltest::ItemPorCodigo(Tree(), code) : Tree().GetRootItem();
        ASSERT_TRUE(item) << code;
        Tree().UserSelect(item);
        app.GetMainFrame()->OnIdleUpdate();
        ScreenTour::Pump(3);
    }
    void Command(int id) { app.GetMainFrame()->OnCommand(id); }

    // "S&air" from inside the main loop, the projects left unmodified.
    void Finish()
    {
        m_started = false;
        m_windows->Host().onDialogShown = nullptr;
        m_windows->Host().onMessageShown = nullptr;
        for (auto* p : app.Projetos())
            p->doc->SetModifiedFlag(false);
        wxTheApp->CallAfter([this] { app.GetMainFrame()->OnCommand(ID_APP_EXIT); });
        wxTheApp->OnRun();
        m_windows->Finish(app);
        ScreenTour::Pump(5);
    }

private:
    TempDir m_dir;
    ScopedCurrentDir m_cwd;
    SystemClock m_clock;
    CAppContext m_context;
    ScopedAppContext m_scope;
    std::unique_ptr<Windows> m_windows;
    bool m_started = false;

public:
    // Last: made once the context and the windows exist, gone before them.
    App app;
};

}  // namespace zeltest
