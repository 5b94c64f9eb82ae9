#pragma once
// A sizing program on screen: the wx host for its dialogs and message boxes, the report previews, the main
// window made as soon as the application's frame exists and a tab for every project. Both sizing programs
// use it with their own application class (its frame, projects and start-up hooks), bitmaps, title and
// file filter.

#include "AppContext.h"
#include "PrinterService.h"
#include "Program.h"
#include "ReportPreview.h"
#include "WxFrames.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/mdi.h>
#include <wx/utils.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>

namespace zel::wx {

inline bool ChooseProjectFile(wxWindow* parent, const char* filter, std::string& path, bool save)
{
    const wxString inicial = wxString::FromUTF8(path.c_str());
    wxFileDialog dlg(parent, save ? wxString::FromUTF8("Salvar como") : wxString("Abrir"), wxEmptyString, inicial,
                     wxString::FromUTF8(filter),
                     save ? (wxFD_SAVE | wxFD_OVERWRITE_PROMPT) : (wxFD_OPEN | wxFD_FILE_MUST_EXIST));
    if (dlg.ShowModal() != wxID_OK)
        return false;
    path = dlg.GetPath().utf8_string();
    return true;
}

}  // namespace zel::wx

template <class App>
class ProjectWindows {
public:
    // wx must have started. Installs the host, the printers and the preview windows in the context.
    ProjectWindows(CAppContext& context, Program program, void (*registerBitmaps)(zel::wx::WxHost&), const char* title,
                   const char* fileFilter);
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
ProjectWindows<App>::ProjectWindows(CAppContext& context, Program program, void (*registerBitmaps)(zel::wx::WxHost&),
                                    const char* title, const char* fileFilter)
    : m_host(program), m_title(title), m_fileFilter(fileFilter)
{
    m_host.Install(context);
    registerBitmaps(m_host);
    m_printers.SetPreviewHost(&m_previews);
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
    if (typename App::Projeto* ativo = app.ProjetoAtivo()) {
        auto it = m_tabs.find(ativo->frame.get());
        auto* parent = dynamic_cast<wxMDIParentFrame*>(m_frameHost->Frame());
        if (it != m_tabs.end() && it->second && parent) {
            auto* child = dynamic_cast<wxMDIChildFrame*>(it->second->GetParent());
            if (child && parent->GetActiveChild() != child)
                child->Activate();
        }
    }
    m_frameHost->Frame()->SetTitle(wxString::FromUTF8(app.MainCaption().c_str()));
    for (const auto& p : app.Projetos()) {
        auto it = m_tabs.find(p->frame.get());
        if (it == m_tabs.end() || !it->second)
            continue;
        std::string titulo = p->doc->GetTitle();
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
    app.onChildCreated = [this, &app](typename App::Projeto& p) {
        if (!m_frameHost)
            return;
        wxWindow* view = m_frameHost->AddChild(*p.frame, p.doc->GetTitle());
        m_tabs[p.frame.get()] = view;
        CChildFrame* frame = p.frame.get();
        if (view && view->GetParent()) {
            // A tab's close box is the project's "&Fechar".
            view->GetParent()->Bind(wxEVT_CLOSE_WINDOW, [&app, frame](wxCloseEvent& e) {
                e.Veto();
                wxTheApp->CallAfter([&app, frame] {
                    for (const auto& q : app.Projetos())
                        if (q->frame.get() == frame) {
                            app.CloseDocument(*q);
                            return;
                        }
                });
            });
        }
        m_frameHost->RebuildMenuBar();
    };
    app.onChildClosing = [this](typename App::Projeto& p) {
        m_tabs.erase(p.frame.get());
        if (m_frameHost)
            m_frameHost->RemoveChild(*p.frame);
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
