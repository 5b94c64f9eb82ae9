#pragma once
// A sizing program on screen: the wx host for its dialogs and message boxes, the report previews, the main
// window made as soon as the application's frame exists and a tab for every project, and the program's
// main(). Both sizing programs use it with their own application class (its frame, projects and start-up
// hooks), pictures, title and file filter.

#include "AppContext.h"
#include "AppServices.h"
#include "Clock.h"
#include "PrinterService.h"
#include "Program.h"
#include "ProgramMain.h"
#include "ReportPreview.h"
#include "UserDataFolder.h"
#include "WxFrames.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/mdi.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zel::wx {

inline bool ChooseProjectFile(wxWindow* parent, const char* filter, std::string& path, bool save)
{
    const wxString inicial = wxString::FromUTF8(path.c_str());
    // No overwrite question here: it would come before the program adds its extension to the name typed,
    // and miss the file that name then replaces. The program asks.
    wxFileDialog dlg(parent, save ? wxString::FromUTF8("Salvar como") : wxString("Abrir"), wxEmptyString, inicial,
                     wxString::FromUTF8(filter), save ? wxFD_SAVE : (wxFD_OPEN | wxFD_FILE_MUST_EXIST));
    if (dlg.ShowModal() != wxID_OK)
        return false;
    path = dlg.GetPath().utf8_string();
    return true;
}

// The splash of a sizing program: its icon, name and what it sizes on a blue fading to white.
inline wxBitmap SizingSplash(Program program, const char* title, const char* subtitle)
{
    return DrawSplash(program, wxString::FromUTF8(title), wxColour(30, 70, 140), wxString::FromUTF8(subtitle),
                      wxString::FromUTF8("Versão 4.0"));
}

}  // namespace zel::wx

// What a sizing program shows of itself: its pictures (tree images, its own tool-bar buttons), the splash's
// texts, the main window's title and the file dialogs' filter.
struct ProjectProgram {
    Program program;
    const char* title;       // "Lvsize"
    const char* subtitle;    // the splash's line under the title
    const char* fileFilter;  // "Projetos ... (*.lvp)|*.lvp;*.LVP|..."
    int splashBitmap;
    void (*registerBitmaps)(zel::wx::WxHost&);
};

// The wx application object of a sizing program: the program's own start-up runs in main().
class ProjectWxApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

template <class App>
class ProjectWindows {
public:
    // wx must have started. Installs the host, the printers and the preview windows in the context.
    ProjectWindows(CAppContext& context, const ProjectProgram& program);
    ~ProjectWindows();
    ProjectWindows(const ProjectWindows&) = delete;
    ProjectWindows& operator=(const ProjectWindows&) = delete;

    // Runs the application's start-up with its main window; false when it failed.
    bool Start(App& app);
    // Closing the main window (close box or "S&air") ends the main loop; then Finish runs the exit and
    // takes the windows down.
    void Finish(App& app);

    zel::wx::WxHost& Host() { return m_host; }
    wxFrame* MainWindow() const { return m_frameHost ? m_frameHost->Frame() : nullptr; }

private:
    void Titles(App& app);

    zel::wx::WxHost m_host;
    const char* m_title;
    const char* m_fileFilter;
    PrinterService m_printers;
    WxReportPreviewHost m_previews;
    std::unique_ptr<zel::wx::WxFrameHost> m_frameHost;
    std::map<CMDIChildWnd*, wxWindow*> m_tabs;
    bool m_finished = false;
};

template <class App>
ProjectWindows<App>::ProjectWindows(CAppContext& context, const ProjectProgram& program)
    : m_host(program.program), m_title(program.title), m_fileFilter(program.fileFilter)
{
    m_host.Install(context);
    m_host.RegisterBitmap(program.splashBitmap, [program] {
        return zel::wx::SizingSplash(program.program, program.title, program.subtitle);
    });
    program.registerBitmaps(m_host);
    m_printers.SetPreviewHost(&m_previews);
    m_previews.exchangeDialogOwner = [this](wxWindow* owner) {
        std::swap(m_host.parentWindow, owner);
        return owner;
    };
    context.printer = &m_printers;
}

template <class App>
ProjectWindows<App>::~ProjectWindows() = default;

template <class App>
void ProjectWindows<App>::Titles(App& app)
{
    if (!m_frameHost)
        return;
    // The tab on screen follows the project the program activated (the next-window command, an open of a
    // file already open).
    if (typename App::ProjetoAberto* ativo = app.Ativo()) {
        auto it = m_tabs.find(ativo->moldura);
        auto* parent = dynamic_cast<wxMDIParentFrame*>(m_frameHost->Frame());
        if (it != m_tabs.end() && it->second && parent) {
            auto* child = dynamic_cast<wxMDIChildFrame*>(it->second->GetParent());
            if (child && parent->GetActiveChild() != child)
                child->Activate();
        }
    }
    m_frameHost->Frame()->SetTitle(wxString::FromUTF8(app.MainCaption().c_str()));
    for (const auto& p : app.ProjetosAbertos()) {
        auto it = m_tabs.find(p->moldura);
        if (it == m_tabs.end() || !it->second)
            continue;
        std::string titulo = p->documento->GetTitle();
        if (auto* child = dynamic_cast<wxMDIChildFrame*>(it->second->GetParent()))
            child->SetTitle(wxString::FromUTF8(titulo.c_str()));
    }
}

template <class App>
bool ProjectWindows<App>::Start(App& app)
{
    app.onFrameCreated = [this, &app] {
        m_frameHost = std::make_unique<zel::wx::WxFrameHost>(*app.GetMainFrame(), m_host, m_title);
        m_host.parentWindow = m_frameHost->Frame();
        // The caption follows the active tab, whichever way it was activated.
        m_frameHost->Frame()->Bind(wxEVT_IDLE, [this, &app](wxIdleEvent& e) {
            const wxString titulo = wxString::FromUTF8(app.MainCaption().c_str());
            if (MainWindow() && MainWindow()->GetTitle() != titulo)
                MainWindow()->SetTitle(titulo);
            e.Skip();
        });
        // The close box asks to save every modified project, then ends the run.
        m_frameHost->Frame()->Bind(wxEVT_CLOSE_WINDOW, [&app](wxCloseEvent& e) {
            if (e.CanVeto() && !app.SaveAllModified()) {
                e.Veto();
                return;
            }
            wxTheApp->ExitMainLoop();
        });
    };
    app.onChildCreated = [this, &app](typename App::ProjetoAberto& p) {
        if (!m_frameHost)
            return;
        wxWindow* view = m_frameHost->AddChild(*p.moldura, p.documento->GetTitle());
        m_tabs[p.moldura] = view;
        CChildFrame* frame = p.moldura;
        if (view && view->GetParent()) {
            // A tab's close box is the project's "&Fechar".
            view->GetParent()->Bind(wxEVT_CLOSE_WINDOW, [&app, frame](wxCloseEvent& e) {
                e.Veto();
                wxTheApp->CallAfter([&app, frame] {
                    for (const auto& q : app.ProjetosAbertos())
                        if (q->moldura == frame) {
                            app.CloseDocument(*q);
                            return;
                        }
                });
            });
        }
        m_frameHost->RebuildMenuBar();
    };
    app.onChildClosing = [this](typename App::ProjetoAberto& p) {
        m_tabs.erase(p.moldura);
        if (m_frameHost)
            m_frameHost->RemoveChild(*p.moldura);
    };
    app.onTitlesChanged = [this, &app] {
        Titles(app);
        if (m_frameHost)
            m_frameHost->RebuildMenuBar();
    };
    app.onMenusChanged = [this] {
        if (m_frameHost)
            m_frameHost->RebuildMenuBar();
    };
    app.onExit = [this] {
        if (MainWindow())
            MainWindow()->Close(true);
    };
    app.chooseOpenFile = [this](std::string& path) { return zel::wx::ChooseProjectFile(MainWindow(), m_fileFilter, path, false); };
    app.chooseSaveFile = [this](std::string& path) { return zel::wx::ChooseProjectFile(MainWindow(), m_fileFilter, path, true); };
    app.pause = [](int ms) {
        const auto fim = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < fim) {
            wxYield();
            wxMilliSleep(20);
        }
    };
    if (!app.InitInstance() || !m_frameHost)
        return false;
    Titles(app);
    m_frameHost->Frame()->Show();
    return true;
}

template <class App>
void ProjectWindows<App>::Finish(App& app)
{
    if (m_finished)
        return;
    m_finished = true;
    app.ExitInstance();
    wxFrame* frame = MainWindow();
    m_host.parentWindow = nullptr;
    m_frameHost.reset();
    if (frame)
        frame->Destroy();
    app.onFrameCreated = nullptr;
    app.onChildCreated = nullptr;
    app.onChildClosing = nullptr;
    app.onTitlesChanged = nullptr;
    app.onMenusChanged = nullptr;
    app.onExit = nullptr;
    app.chooseOpenFile = nullptr;
    app.chooseSaveFile = nullptr;
    app.pause = nullptr;
}

// A sizing program's main(): "name [project]". The program starts on the user's data folder with the files
// data says it keeps there.
template <class App, class Windows>
int RunProjectProgram(int argc, char** argv, const char* name, const char* title, SuiteData data)
{
    return RunProgramMain<App, Windows>(argc, argv, name, title, data);
}
