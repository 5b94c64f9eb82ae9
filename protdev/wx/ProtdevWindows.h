#pragma once
// Protdev on screen: the wx host for its dialogs and message boxes, and the main window made for the
// application's frame as soon as it exists. Shared by main() and the GUI smoke test.

#include "ProtdevApp.h"

#include "AppContext.h"
#include "Clock.h"
#include "WxFrames.h"
#include "WxHost.h"

#include <memory>

class ProtdevWindows {
public:
    // wx must have started. Installs the host in the context.
    explicit ProtdevWindows(CAppContext& context);
    ~ProtdevWindows();

    // Runs the application's start-up with its main window; false when it failed.
    bool Start(CProtdevApp& app);
    // Closing the main window (close box or "&Sair") ends the main loop; then Finish runs the exit and
    // takes the windows down.
    void Finish(CProtdevApp& app);

    zel::wx::WxHost& Host() { return m_host; }
    wxFrame* MainWindow() const { return m_frameHost ? m_frameHost->Frame() : nullptr; }

private:
    zel::wx::WxHost m_host;
    std::unique_ptr<zel::wx::WxFrameHost> m_frameHost;
    bool m_finished = false;
};
