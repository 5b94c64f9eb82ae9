#pragma once
// Mvsize on screen: the wx host for its dialogs and message boxes, the report previews, the main window
// made as soon as the application's frame exists and a tab for every project. Shared by main() and the
// GUI smoke test.

#include "MvsizeApp.h"

#include "AppContext.h"
#include "PrinterService.h"
#include "ReportPreview.h"
#include "WxFrames.h"
#include "WxHost.h"

#include <memory>

class MvsizeWindows {
public:
    // wx must have started. Installs the host, the printers and the preview windows in the context.
    explicit MvsizeWindows(CAppContext& context);
    ~MvsizeWindows();

    // Runs the application's start-up with its main window; false when it failed.
    bool Start(CMvsizeApp& app);
    // Closing the main window (close box or "S&air") ends the main loop; then Finish runs the exit and
    // takes the windows down.
    void Finish(CMvsizeApp& app);

    zel::wx::WxHost& Host() { return m_host; }
    wxFrame* MainWindow() const { return m_frameHost ? m_frameHost->Frame() : nullptr; }

private:
    void Titles(CMvsizeApp& app);

    zel::wx::WxHost m_host;
    PrinterService m_printers;
    WxReportPreviewHost m_previews;
    std::unique_ptr<zel::wx::WxFrameHost> m_frameHost;
    std::map<CMDIChildWnd*, wxWindow*> m_tabs;
    bool m_finished = false;
};
