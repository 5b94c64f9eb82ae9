#pragma once
// The main frames: CMainFrame of the two sizing programs (multiple documents) and CSdiMainFrame, the same
// frame with one document (Protdev's); each with its tool bar and its status bar (messages, CAP, NUM,
// SCRL). CChildFrame: a project window, which always opens maximized.

#include "Frame.h"

class CMainFrame : public CMDIFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;
    int OnCreate() override;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};

class CSdiMainFrame : public CFrameWnd {
public:
    int OnCreate() override;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
};

class CChildFrame : public CMDIChildWnd {
public:
    // The framework's "default" show command (-1) of a frame's first showing becomes maximized.
    void ActivateFrame(int nCmdShow = -1) override;
};

// The status-bar panes of the main frames.
extern const UINT kMainFrameIndicators[4];
// The creation steps both main frames share: tool bar from resource 128 docked at the top, status bar
// with the four panes, tool tips and fly-by prompts, docking on every edge. 0, or -1 on failure.
int CreateMainFrameBars(CFrameWnd& frame, CToolBar& toolBar, CStatusBar& statusBar, int toolBarResource = 128);
