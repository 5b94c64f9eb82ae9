#include "ProtdevWindows.h"

#include "ProtdevBitmaps.h"

#include <wx/app.h>

ProtdevWindows::ProtdevWindows(CAppContext& context) : m_host(Program::Protdev)
{
    m_host.Install(context);
    RegisterProtdevBitmaps(m_host);
}

ProtdevWindows::~ProtdevWindows() = default;

bool ProtdevWindows::Start(CProtdevApp& app)
{
    app.onFrameCreated = [this, &app] {
        m_frameHost = std::make_unique<zel::wx::WxFrameHost>(*app.GetMainFrame(), m_host, kProtdevTitle);
        m_frameHost->SetView(*app.GetView());
        // The close box ends the run; the window stays until the exit has run on the models.
        m_frameHost->Frame()->Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent&) { wxTheApp->ExitMainLoop(); });
    };
    app.onExit = [this] {
        if (MainWindow())
            MainWindow()->Close();
    };
    if (!app.InitInstance() || !m_frameHost)
        return false;
    m_frameHost->Frame()->SetTitle(wxString::FromUTF8(app.GetMainFrame()->GetWindowText()));
    // Maximized by the frame's show state (the frame host follows ActivateFrame); maximizing again here
    // would raise the frame over the dialogs where no window manager keeps them on top.
    m_frameHost->Frame()->Show();
    return true;
}

void ProtdevWindows::Finish(CProtdevApp& app)
{
    if (m_finished)
        return;
    m_finished = true;
    app.ExitInstance();
    wxFrame* frame = MainWindow();
    m_frameHost.reset();
    if (frame)
        frame->Destroy();
    app.onFrameCreated = nullptr;
    app.onExit = nullptr;
}
