#include "MainFrame.h"

const UINT kMainFrameIndicators[4] = {
    ID_SEPARATOR,  // the message pane
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

int CreateMainFrameBars(CFrameWnd& frame, CToolBar& toolBar, CStatusBar& statusBar, int toolBarResource) {
    if (!toolBar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP) || !toolBar.LoadToolBar(toolBarResource))
        return -1;
    if (!statusBar.Create(&frame) ||
        !statusBar.SetIndicators(kMainFrameIndicators, sizeof kMainFrameIndicators / sizeof kMainFrameIndicators[0]))
        return -1;
    toolBar.SetBarStyle(toolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    toolBar.EnableDocking(CBRS_ALIGN_ANY);
    frame.EnableDocking(CBRS_ALIGN_ANY);
    frame.DockControlBar(&toolBar);
    frame.SetMessageText(AFX_IDS_IDLEMESSAGE);
    return 0;
}

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate() {
    if (CMDIFrameWnd::OnCreate() == -1) return -1;
    return CreateMainFrameBars(*this, m_wndToolBar, m_wndStatusBar);
}

int CSdiMainFrame::OnCreate() {
    if (CFrameWnd::OnCreate() == -1) return -1;
    return CreateMainFrameBars(*this, m_wndToolBar, m_wndStatusBar);
}

void CChildFrame::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) nCmdShow = SW_SHOWMAXIMIZED;
    CMDIChildWnd::ActivateFrame(nCmdShow);
}
