#include "Frame.h"

#include "DialogRunner.h"
#include "AppContext.h"
#include "Document.h"

#include <algorithm>

namespace {
CWinApp* g_app = nullptr;  // the program's one application object, as the platform kept it
}

// --- control bars ------------------------------------------------------------------------------------

CControlBar::~CControlBar() {
    if (m_pDockSite) m_pDockSite->RemoveControlBar(this);
}

bool CControlBar::CreateBar(CWnd* pParentWnd, UINT dwStyle, int nID) {
    InitWindow(nID, ControlKind::Window, "", nullptr);
    m_barStyle = dwStyle & ~(WS_CHILD | WS_VISIBLE);
    if (dwStyle & CBRS_ALIGN_BOTTOM) m_dockedEdge = CBRS_ALIGN_BOTTOM;
    else if (dwStyle & CBRS_ALIGN_LEFT) m_dockedEdge = CBRS_ALIGN_LEFT;
    else if (dwStyle & CBRS_ALIGN_RIGHT) m_dockedEdge = CBRS_ALIGN_RIGHT;
    else m_dockedEdge = CBRS_ALIGN_TOP;
    m_wnd.visible = (dwStyle & WS_VISIBLE) != 0;
    if (auto* frame = dynamic_cast<CFrameWnd*>(pParentWnd)) frame->AddControlBar(this);
    return true;
}

int CToolBar::CreateEx(CWnd* pParentWnd, UINT /*dwCtrlStyle*/, UINT dwStyle, int nID) {
    return CreateBar(pParentWnd, dwStyle, nID) ? 1 : 0;
}

int CToolBar::Create(CWnd* pParentWnd, UINT dwStyle, int nID) { return CreateBar(pParentWnd, dwStyle, nID) ? 1 : 0; }

int CToolBar::LoadToolBar(int nIDResource) {
    const ToolbarTemplate* t = FindToolbar(nIDResource);
    if (!t) return 0;
    m_resourceId = nIDResource;
    m_buttons.clear();
    for (int id : t->buttons) m_buttons.push_back(Button{id, true, false});
    Changed(WndChange::Items);
    return 1;
}

const CToolBar::Button* CToolBar::FindButton(int id) const {
    for (const Button& b : m_buttons)
        if (b.id == id && id != 0) return &b;
    return nullptr;
}

void CToolBar::SetButtonState(int id, bool enabled, bool checked) {
    bool changed = false;
    for (Button& b : m_buttons) {
        if (b.id != id || id == 0) continue;
        changed = changed || b.enabled != enabled || b.checked != checked;
        b.enabled = enabled;
        b.checked = checked;
    }
    if (changed) Changed(WndChange::Items);
}

int CStatusBar::Create(CWnd* pParentWnd, UINT dwStyle, int nID) { return CreateBar(pParentWnd, dwStyle, nID) ? 1 : 0; }

int CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    m_panes.clear();
    for (int i = 0; i < nIDCount; ++i) {
        Pane p;
        p.id = static_cast<int>(lpIDArray[i]);
        if (p.id != ID_SEPARATOR) {
            p.text = LoadResourceString(p.id);
            if (p.text.empty()) return 0;  // an indicator without its string
            p.enabled = false;
        }
        m_panes.push_back(p);
    }
    Changed(WndChange::Items);
    return 1;
}

int CStatusBar::CommandToIndex(int nIDFind) const {
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == nIDFind) return static_cast<int>(i);
    return -1;
}

int CStatusBar::SetPaneText(int nIndex, const std::string& text, int /*bUpdate*/) {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size())) return 0;
    Pane& p = m_panes[static_cast<std::size_t>(nIndex)];
    if (p.text != text) {
        p.text = text;
        Changed(WndChange::Items);
    }
    return 1;
}

std::string CStatusBar::GetPaneText(int nIndex) const {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size())) return {};
    return m_panes[static_cast<std::size_t>(nIndex)].text;
}

std::string CStatusBar::GetShownText(int nIndex) const {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size())) return {};
    const Pane& p = m_panes[static_cast<std::size_t>(nIndex)];
    return (p.id == ID_SEPARATOR || p.enabled) ? p.text : std::string();
}

void CStatusBar::SetPaneEnabled(int nIndex, bool enabled) {
    if (nIndex < 0 || nIndex >= static_cast<int>(m_panes.size())) return;
    Pane& p = m_panes[static_cast<std::size_t>(nIndex)];
    if (p.enabled == enabled) return;
    p.enabled = enabled;
    Changed(WndChange::Items);
}

// --- application, views ------------------------------------------------------------------------------

CWinApp::CWinApp(const std::string& appName) : m_pszAppName(appName) { g_app = this; }
CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}
CWinApp* AfxGetApp() { return g_app; }

CView::CView() { m_wnd.kind = ControlKind::Window; }

void CView::SetParentFrame(CFrameWnd* pFrame) {
    m_pFrame = pFrame;
    m_wnd.parent = pFrame;
    m_wnd.created = pFrame != nullptr;
}

CTreeView::CTreeView() { m_tree.InitWindow(0, ControlKind::Tree, "", this); }
CTreeCtrl& CTreeView::GetTreeCtrl() { return m_tree; }
const CTreeCtrl& CTreeView::GetTreeCtrl() const { return m_tree; }

int CTreeView::Create(UINT dwStyle) {
    m_tree.ModifyStyle(0, dwStyle);
    return 1;
}

// --- frames ------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_COMMAND_EX_RANGE(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() { m_wnd.kind = ControlKind::Window; }

CFrameWnd::~CFrameWnd() {
    for (CControlBar* b : m_bars) {
        b->m_pDockSite = nullptr;
        b->DetachWindow();
    }
}

int CFrameWnd::LoadFrame(int nIDResource) {
    m_nIDResource = nIDResource;
    m_wnd.created = true;
    if (!m_menu.LoadMenu(nIDResource)) m_menu.DestroyMenu();
    m_accelerators = FindAccelerators(nIDResource);
    const std::string title = LoadResourceString(nIDResource);
    m_wnd.text = title.substr(0, title.find('\n'));
    if (OnCreate() == -1) {
        m_wnd.created = false;
        return 0;
    }
    return 1;
}

int CFrameWnd::OnCreate() { return 0; }

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (std::find(m_bars.begin(), m_bars.end(), pBar) == m_bars.end()) m_bars.push_back(pBar);
    pBar->m_wnd.parent = this;
    pBar->m_pDockSite = this;
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), pBar), m_bars.end());
    if (pBar->m_pDockSite == this) pBar->m_pDockSite = nullptr;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID) {
    if (!pBar) return;
    UINT edge = nDockBarID;
    if (edge == 0) edge = pBar->GetDockedEdge();
    pBar->SetDockedEdge(edge);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, int bShow, int /*bDelay*/) {
    if (pBar) pBar->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

CControlBar* CFrameWnd::GetControlBar(int nID) const {
    for (CControlBar* b : m_bars)
        if (b->GetDlgCtrlID() == nID) return b;
    return nullptr;
}

CToolBar* CFrameWnd::GetToolBar() const {
    for (CControlBar* b : m_bars)
        if (auto* t = dynamic_cast<CToolBar*>(b)) return t;
    return nullptr;
}

CStatusBar* CFrameWnd::GetStatusBar() const {
    for (CControlBar* b : m_bars)
        if (auto* s = dynamic_cast<CStatusBar*>(b)) return s;
    return nullptr;
}

void CFrameWnd::SetMessageText(const std::string& text) {
    if (CStatusBar* s = GetStatusBar()) s->SetPaneText(0, text);
}

int CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* bar = GetControlBar(static_cast<int>(nID));
    if (!bar) return 0;  // not this frame's bar: the command goes on to the main frame
    ShowControlBar(bar, bar->IsWindowVisible() ? 0 : 1, 0);
    return 1;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* bar = GetControlBar(static_cast<int>(pCmdUI->m_nID));
    if (!bar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(bar->IsWindowVisible() ? 1 : 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    const DialogRunner* r = AppContext().dialogs;
    pCmdUI->Enable(r && r->IsKeyToggled(static_cast<int>(pCmdUI->m_nID)));
}

std::vector<CCmdTarget*> CFrameWnd::OwnRoute() {
    std::vector<CCmdTarget*> route;
    CView* view = m_pActiveView;
    if (view) {
        route.push_back(view);
        if (CDocument* doc = view->GetDocument())
            if (auto* target = dynamic_cast<CCmdTarget*>(doc)) route.push_back(target);
        if (m_pTemplate) route.push_back(m_pTemplate);
    }
    route.push_back(this);
    route.push_back(m_pApp ? m_pApp : AfxGetApp());
    return route;
}

std::vector<CCmdTarget*> CFrameWnd::GetCommandRoute() { return OwnRoute(); }

bool CFrameWnd::OnCommand(int nID) {
    std::vector<CCmdTarget*> route = GetCommandRoute();
    // A command whose item or button the update disables is not sent (accelerators included).
    if (GetCurrentMenu().FindItem(nID) || (GetToolBar() && GetToolBar()->FindButton(nID))) {
        CCmdUI ui(nID);
        UpdateCommandUI(route, ui);
        if (!ui.m_enabled) return false;
    }
    return RouteCommand(route, nID);
}

bool CFrameWnd::TranslateAccelerator(int key, unsigned modifiers) {
    if (!m_accelerators) return false;
    for (const Accelerator& a : m_accelerators->entries) {
        if (a.key == key && a.modifiers == modifiers) {
            OnCommand(a.command);
            return true;
        }
    }
    return false;
}

void UpdateMenuItems(CMenu& menu, const std::vector<CCmdTarget*>& route) {
    for (CMenu::Item& item : menu.Items()) {
        if (item.popup) {
            UpdateMenuItems(*item.popup, route);
            continue;
        }
        if (item.separator || item.id == 0) continue;
        // The recent-file entries and the window list are the shell's own.
        CCmdUI ui(item.id);
        UpdateCommandUI(route, ui);
        item.enabled = ui.m_enabled;
        if (ui.m_checkSet) item.checked = ui.m_check != 0;
        if (ui.m_textSet) item.text = ui.m_text;
    }
}

void CFrameWnd::OnInitMenuPopup(CMenu& popup) {
    UpdateMenuItems(popup, GetCommandRoute());
    Changed(WndChange::Items);
}

void CFrameWnd::OnIdleUpdate() {
    const std::vector<CCmdTarget*> route = GetCommandRoute();
    if (CToolBar* tb = GetToolBar(); tb && tb->IsWindowVisible()) {
        for (const CToolBar::Button b : std::vector<CToolBar::Button>(tb->Buttons())) {
            if (b.id == 0) continue;
            CCmdUI ui(b.id);
            UpdateCommandUI(route, ui);
            tb->SetButtonState(b.id, ui.m_enabled, ui.m_checkSet ? ui.m_check != 0 : b.checked);
        }
    }
    if (CStatusBar* sb = GetStatusBar(); sb && sb->IsWindowVisible()) {
        for (std::size_t i = 0; i < sb->Panes().size(); ++i) {
            const int id = sb->Panes()[i].id;
            if (id == ID_SEPARATOR) continue;
            CCmdUI ui(id);
            UpdateCommandUI(route, ui);
            sb->SetPaneEnabled(static_cast<int>(i), ui.m_enabled);
            if (ui.m_textSet) sb->SetPaneText(static_cast<int>(i), ui.m_text);
        }
    }
}

void CFrameWnd::OnMenuSelect(int nID) {
    if (nID == 0) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        return;
    }
    SetMessageText(CommandPrompt(nID));
}

void CFrameWnd::SetShowState(int nCmdShow) {
    if (m_nShowCmd == nCmdShow) return;
    m_nShowCmd = nCmdShow;
    Changed(WndChange::Position);
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    SetShowState(nCmdShow == -1 ? SW_SHOWNORMAL : nCmdShow);
    ShowWindow(SW_SHOW);
}

CFrameWnd* CFrameWnd::FrameOf(CWnd* pWnd) {
    for (CWnd* w = pWnd; w; w = w->GetParent()) {
        if (auto* view = dynamic_cast<CView*>(w)) {
            if (CFrameWnd* f = view->GetParentFrame()) {
                // A child frame's commands travel the main frame's road.
                if (auto* child = dynamic_cast<CMDIChildWnd*>(f); child && child->GetMDIFrame()) return child->GetMDIFrame();
                return f;
            }
        }
        if (auto* child = dynamic_cast<CMDIChildWnd*>(w); child && child->GetMDIFrame()) return child->GetMDIFrame();
        if (auto* f = dynamic_cast<CFrameWnd*>(w)) return f;
    }
    return nullptr;
}

// --- multiple-document frames ------------------------------------------------------------------------

CMDIChildWnd::~CMDIChildWnd() { MDIDestroy(); }

int CMDIChildWnd::CreateChild(CMDIFrameWnd* pMDIFrame, CDocTemplate* pTemplate, CView* pView) {
    m_pMDIFrame = pMDIFrame;
    m_pTemplate = pTemplate;
    m_pApp = pMDIFrame ? pMDIFrame->m_pApp : nullptr;
    m_wnd.created = true;
    m_wnd.parent = nullptr;
    if (pTemplate) m_menu.LoadMenu(pTemplate->GetResourceId());
    if (pView) {
        pView->SetParentFrame(this);
        SetActiveView(pView);
    }
    if (pMDIFrame) pMDIFrame->AddChild(this);
    return 1;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    CFrameWnd::ActivateFrame(nCmdShow);
    if (m_pMDIFrame) m_pMDIFrame->MDIActivate(this);
}

void CMDIChildWnd::MDIDestroy() {
    if (m_pMDIFrame) m_pMDIFrame->RemoveChild(this);
    m_pMDIFrame = nullptr;
    if (m_pActiveView) m_pActiveView->SetParentFrame(nullptr);
    m_pActiveView = nullptr;
    m_wnd.created = false;
}

std::vector<CCmdTarget*> CMDIChildWnd::GetCommandRoute() {
    std::vector<CCmdTarget*> route = OwnRoute();
    if (m_pMDIFrame) {
        route.push_back(m_pMDIFrame);
        route.push_back(m_pMDIFrame->m_pApp ? m_pMDIFrame->m_pApp : AfxGetApp());
    }
    return route;
}

void CMDIFrameWnd::AddChild(CMDIChildWnd* pChild) {
    if (std::find(m_children.begin(), m_children.end(), pChild) == m_children.end()) m_children.push_back(pChild);
}

void CMDIFrameWnd::RemoveChild(CMDIChildWnd* pChild) {
    m_children.erase(std::remove(m_children.begin(), m_children.end(), pChild), m_children.end());
    if (m_pActiveChild == pChild) m_pActiveChild = m_children.empty() ? nullptr : m_children.back();
    Changed(WndChange::Items);
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* pChild) {
    if (m_pActiveChild == pChild) return;
    m_pActiveChild = pChild;
    Changed(WndChange::Selection);
}

CMenu& CMDIFrameWnd::GetCurrentMenu() {
    if (m_pActiveChild && m_pActiveChild->GetMenu().GetMenuItemCount() > 0) return m_pActiveChild->GetMenu();
    return m_menu;
}

CView* CMDIFrameWnd::GetActiveView() const { return m_pActiveChild ? m_pActiveChild->GetActiveView() : nullptr; }

std::vector<CCmdTarget*> CMDIFrameWnd::GetCommandRoute() {
    // The active child's road (view, document, template, child, application), then this frame and the
    // application once more.
    if (m_pActiveChild) return m_pActiveChild->GetCommandRoute();
    std::vector<CCmdTarget*> route;
    route.push_back(this);
    route.push_back(m_pApp ? m_pApp : AfxGetApp());
    return route;
}
