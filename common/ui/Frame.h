#pragma once
// Frames, views, document templates and the application as command targets; tool bar and status bar
// models; and the road a command travels:
//   multiple-document frame: view, document, template, child frame, application, main frame, application;
//   single-document frame:   view, document, template, frame, application.
// Enable and check states are asked along the same road: menu items when their menu opens, tool-bar
// buttons and status-bar panes while the program is idle.

#include "Menu.h"
#include "TreeCtrl.h"
#include "Wnd.h"

#include <string>
#include <vector>

class CDocument;
class CView;
class CFrameWnd;

inline constexpr UINT WS_CHILD = 0x40000000;
inline constexpr UINT WS_VISIBLE = 0x10000000;
inline constexpr UINT CBRS_ALIGN_LEFT = 0x1000;
inline constexpr UINT CBRS_ALIGN_TOP = 0x2000;
inline constexpr UINT CBRS_ALIGN_RIGHT = 0x4000;
inline constexpr UINT CBRS_ALIGN_BOTTOM = 0x8000;
inline constexpr UINT CBRS_ALIGN_ANY = 0xF000;
inline constexpr UINT CBRS_BORDER_TOP = 0x0200;
inline constexpr UINT CBRS_BORDER_BOTTOM = 0x0800;
inline constexpr UINT CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
inline constexpr UINT CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
inline constexpr UINT CBRS_TOOLTIPS = 0x0010;
inline constexpr UINT CBRS_FLYBY = 0x0020;
inline constexpr UINT CBRS_SIZE_DYNAMIC = 0x0040;
inline constexpr UINT CBRS_GRIPPER = 0x00400000;
inline constexpr UINT TBSTYLE_FLAT = 0x0800;

class CControlBar : public CWnd {
public:
    // A bar that goes before its frame (a member of a derived frame) leaves the frame's list.
    ~CControlBar() override;
    UINT GetBarStyle() const { return m_barStyle; }
    void SetBarStyle(UINT style) { m_barStyle = style; Changed(WndChange::Style); }
    void EnableDocking(UINT dwDockStyle) { m_dockStyle = dwDockStyle; }
    UINT GetDockingStyle() const { return m_dockStyle; }
    // The edge the bar is docked at (CBRS_ALIGN_TOP, ...); kept while the bar is hidden.
    UINT GetDockedEdge() const { return m_dockedEdge; }
    void SetDockedEdge(UINT edge) { m_dockedEdge = edge; Changed(WndChange::Position); }

protected:
    bool CreateBar(CWnd* pParentWnd, UINT dwStyle, int nID);
    UINT m_barStyle = 0;
    UINT m_dockStyle = 0;
    UINT m_dockedEdge = CBRS_ALIGN_TOP;

private:
    friend class CFrameWnd;
    CFrameWnd* m_pDockSite = nullptr;
};

class CToolBar : public CControlBar {
public:
    struct Button {
        int id = 0;  // 0: a gap
        bool enabled = true;
        bool checked = false;
    };
    int CreateEx(CWnd* pParentWnd, UINT dwCtrlStyle = TBSTYLE_FLAT, UINT dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                 int nID = AFX_IDW_TOOLBAR);
    int Create(CWnd* pParentWnd, UINT dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, int nID = AFX_IDW_TOOLBAR);
    // The buttons of the tool-bar resource; FALSE when there is none.
    int LoadToolBar(int nIDResource);
    int GetResourceId() const { return m_resourceId; }
    std::vector<Button>& Buttons() { return m_buttons; }
    const std::vector<Button>& Buttons() const { return m_buttons; }
    const Button* FindButton(int id) const;
    // Sets a button's state (the idle update does); tells the host when it changed.
    void SetButtonState(int id, bool enabled, bool checked);

private:
    std::vector<Button> m_buttons;
    int m_resourceId = 0;
};

class CStatusBar : public CControlBar {
public:
    struct Pane {
        int id = 0;  // ID_SEPARATOR: the message pane
        std::string text;
        bool enabled = true;
    };
    int Create(CWnd* pParentWnd, UINT dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, int nID = AFX_IDW_STATUS_BAR);
    // Panes by id; an indicator's text is its string ("CAP", "NUM", "SCRL"), shown while it is enabled.
    int SetIndicators(const UINT* lpIDArray, int nIDCount);
    int CommandToIndex(int nIDFind) const;
    int SetPaneText(int nIndex, const std::string& text, int bUpdate = 1);
    std::string GetPaneText(int nIndex) const;
    // What the pane shows now (an indicator that is off shows nothing).
    std::string GetShownText(int nIndex) const;
    void SetPaneEnabled(int nIndex, bool enabled);
    const std::vector<Pane>& Panes() const { return m_panes; }

private:
    std::vector<Pane> m_panes;
};

// A document template: a command target of its own on the road of commands.
class CDocTemplate : public CCmdTarget {
public:
    explicit CDocTemplate(int nIDResource = 0) : m_nIDResource(nIDResource) {}
    int GetResourceId() const { return m_nIDResource; }

private:
    int m_nIDResource;
};

// The application object: the last stop of commands.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const std::string& appName = "");
    ~CWinApp() override;
    virtual int InitInstance() { return 1; }
    virtual int ExitInstance() { return 0; }
    CWnd* m_pMainWnd = nullptr;
    std::string m_pszAppName;
};
// The application object of the running program (null before one is made).
CWinApp* AfxGetApp();

class CView : public CWnd {
public:
    CView();
    // The document: the program's document class, derived from CDocument and, to take commands, from
    // CCmdTarget too.
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* pDocument) { m_pDocument = pDocument; }
    CFrameWnd* GetParentFrame() const { return m_pFrame; }
    void SetParentFrame(CFrameWnd* pFrame);
    virtual void OnInitialUpdate() {}
    virtual void OnUpdate(CView* /*pSender*/, long /*lHint*/, void* /*pHint*/) {}

protected:
    CDocument* m_pDocument = nullptr;
    CFrameWnd* m_pFrame = nullptr;
};

// A view that is a tree: the tree's notifications and its context menu come to the view's own map.
class CTreeView : public CView {
public:
    CTreeView();
    CTreeCtrl& GetTreeCtrl();
    const CTreeCtrl& GetTreeCtrl() const;
    // The window's styles (TVS_...); overridden to add the tree styles.
    virtual int Create(UINT dwStyle);

private:
    CTreeCtrl m_tree;
};

class CFrameWnd : public CWnd {
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Makes the frame from its resources (menu, accelerators of the id) and runs OnCreate; FALSE when that
    // returns -1.
    virtual int LoadFrame(int nIDResource);
    // The creation handler: bars and docking. 0 to go on, -1 to fail.
    virtual int OnCreate();

    CMenu& GetMenu() { return m_menu; }
    // The menu the frame shows now (a multiple-document frame shows its active child's document menu).
    virtual CMenu& GetCurrentMenu() { return m_menu; }
    int GetResourceId() const { return m_nIDResource; }

    void EnableDocking(UINT dwDockStyle) { m_dockStyle = dwDockStyle; }
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0);
    void ShowControlBar(CControlBar* pBar, int bShow, int bDelay);
    CControlBar* GetControlBar(int nID) const;
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    const std::vector<CControlBar*>& ControlBars() const { return m_bars; }
    CToolBar* GetToolBar() const;
    CStatusBar* GetStatusBar() const;

    // The message pane.
    void SetMessageText(const std::string& text);
    void SetMessageText(int nID) { SetMessageText(LoadResourceString(nID)); }

    virtual CView* GetActiveView() const { return m_pActiveView; }
    void SetActiveView(CView* pView) { m_pActiveView = pView; }
    CDocTemplate* m_pTemplate = nullptr;   // the template of the frame's document (SDI, MDI child)
    CWinApp* m_pApp = nullptr;             // the application; AfxGetApp() when not set

    // The command road as it stands now.
    virtual std::vector<CCmdTarget*> GetCommandRoute();
    // A command from the menu bar, a tool-bar button or an accelerator. Menu items and buttons that the
    // update disables do not send theirs. Returns true when a target handled it.
    bool OnCommand(int nID);
    // An accelerator of the frame's table: true when it matched (its command was sent if enabled).
    bool TranslateAccelerator(int key, unsigned modifiers);
    // Updates the items of a menu that opens.
    void OnInitMenuPopup(CMenu& popup);
    // The idle update: tool-bar buttons, status-bar panes, the message pane's idle text.
    void OnIdleUpdate();
    // The user highlights a menu item or points at a button: its prompt goes to the message pane.
    void OnMenuSelect(int nID);

    // Show state: SW_SHOWMAXIMIZED, SW_SHOWNORMAL, ...
    virtual void ActivateFrame(int nCmdShow = -1);
    int GetShowState() const { return m_nShowCmd; }
    void SetShowState(int nCmdShow);

    // The frame that holds a window (its view's frame, or the window itself).
    static CFrameWnd* FrameOf(CWnd* pWnd);

    DECLARE_MESSAGE_MAP()

protected:
    int OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void OnUpdateKeyIndicator(CCmdUI* pCmdUI);
    std::vector<CCmdTarget*> OwnRoute();

    CMenu m_menu;
    const AcceleratorTemplate* m_accelerators = nullptr;
    std::vector<CControlBar*> m_bars;
    CView* m_pActiveView = nullptr;
    UINT m_dockStyle = 0;
    int m_nIDResource = 0;
    int m_nShowCmd = SW_SHOWNORMAL;
};

class CMDIFrameWnd;

class CMDIChildWnd : public CFrameWnd {
public:
    ~CMDIChildWnd() override;
    CMDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
    // Joins the main frame (the framework's creation of a child window for a document).
    int CreateChild(CMDIFrameWnd* pMDIFrame, CDocTemplate* pTemplate, CView* pView);
    void ActivateFrame(int nCmdShow = -1) override;
    void MDIDestroy();
    std::vector<CCmdTarget*> GetCommandRoute() override;

private:
    CMDIFrameWnd* m_pMDIFrame = nullptr;
};

class CMDIFrameWnd : public CFrameWnd {
public:
    CMDIChildWnd* MDIGetActive() const { return m_pActiveChild; }
    void MDIActivate(CMDIChildWnd* pChild);
    const std::vector<CMDIChildWnd*>& Children() const { return m_children; }
    CView* GetActiveView() const override;
    std::vector<CCmdTarget*> GetCommandRoute() override;
    CMenu& GetCurrentMenu() override;

private:
    friend class CMDIChildWnd;
    void AddChild(CMDIChildWnd* pChild);
    void RemoveChild(CMDIChildWnd* pChild);
    std::vector<CMDIChildWnd*> m_children;
    CMDIChildWnd* m_pActiveChild = nullptr;
};

// Updates every item of a menu (and its submenus) along a command road.
void UpdateMenuItems(CMenu& menu, const std::vector<CCmdTarget*>& route);
