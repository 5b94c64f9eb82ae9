#pragma once
// The model of a window: a control addressed by its numeric id, a dialog, a frame, a view. It holds the
// state the code reads and sets (text, enabled, visible, colours, focus) and tells the one observer that
// shows it (a wx widget, the headless host) of every change. Code sets state; hosts report what the user
// did through the User... operations, which fire the notifications the original platform fired.

#include "MessageMap.h"
#include "WinTypes.h"

#include <string>

class CWnd;
class CDialog;

enum class ControlKind {
    Window,    // a frame, a view
    Dialog,
    Static,    // a label
    GroupBox,
    Picture,
    Edit,
    ComboBox,
    ListBox,
    CheckBox,
    RadioButton,
    PushButton,
    Grid,
    Tree,
};

const char* ControlKindName(ControlKind kind);

enum class WndChange {
    Text,
    Enabled,
    Visible,
    Colors,
    Redraw,
    Style,      // limit, read-only, sorted, default button...
    Selection,  // caret or selected item
    Items,      // list contents, grid cells, tree items
    Check,
    Focus,
    Position,
    Attached,   // a dialog member took over the control (the observer is told on the dialog)
    Ended,      // a dialog's EndDialog
    Destroyed,
};

class IWndObserver {
public:
    virtual ~IWndObserver() = default;
    virtual void OnWndChanged(CWnd& wnd, WndChange what) = 0;
};

// The state a window carries whichever object holds it (taken over when a dialog member attaches).
struct WndState {
    int id = 0;
    ControlKind kind = ControlKind::Window;
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool hasColors = false;
    COLORREF background = 0xFFFFFF;
    COLORREF foreground = 0x000000;
    int x = 0, y = 0, cx = 0, cy = 0;
    CWnd* parent = nullptr;           // where notifications go
    IWndObserver* observer = nullptr;
    bool created = false;
};

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    int GetDlgCtrlID() const { return m_wnd.id; }
    ControlKind GetKind() const { return m_wnd.kind; }
    CWnd* GetParent() const { return m_wnd.parent; }
    // True while the window exists (a dialog between its creation and its end; an attached control).
    bool IsCreated() const { return m_wnd.created; }

    virtual void SetWindowText(const std::string& text);
    void GetWindowText(std::string& text) const { text = GetWindowText(); }
    virtual std::string GetWindowText() const { return m_wnd.text; }
    int GetWindowTextLength() const;

    // Returns nonzero when the window was disabled before.
    int EnableWindow(int bEnable = 1);
    int IsWindowEnabled() const { return m_wnd.enabled ? 1 : 0; }
    // Returns nonzero when the window was visible before.
    int ShowWindow(int nCmdShow);
    int IsWindowVisible() const { return m_wnd.visible ? 1 : 0; }

    // Colours of any control; the masked edit has its own pair (CEditColor::SetColors).
    void SetBackgroundColor(COLORREF color);
    void SetTextColor(COLORREF color);
    bool HasColors() const { return m_wnd.hasColors; }
    COLORREF GetBackgroundColor() const { return m_wnd.background; }
    COLORREF GetTextColor() const { return m_wnd.foreground; }

    // Gives this window the focus (firing kill focus on the old one, then set focus on this); returns the
    // window that had it.
    CWnd* SetFocus();
    // The window with the focus in this window's dialog.
    CWnd* GetFocus() const;

    void Invalidate(int bErase = 1);
    void UpdateWindow();
    void RedrawWindow();
    // How many times the window was painted (a test counts redraws with it).
    int GetPaintCount() const { return m_paints; }

    void SetWindowPos(const CWnd* pInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void MoveWindow(int x, int y, int cx, int cy);
    CPoint GetPosition() const { return {m_wnd.x, m_wnd.y}; }
    CSize GetSize() const { return {m_wnd.cx, m_wnd.cy}; }

    // The control with the id among this window's children (dialogs); null when there is none.
    virtual CWnd* GetDlgItem(int nID) const;

    // A message box through the application context.
    int MessageBox(const std::string& text, const std::string& caption = "", UINT nType = 0);

    // Sends a notification to the parent's message map (a control telling its dialog).
    void NotifyParent(int code);
    // Sends a window message to this window's own map (WM_CONTEXTMENU, WM_DESTROY).
    bool SendMessageToSelf(int message, const MsgArgs& args = {});

    // The host's link.
    void SetObserver(IWndObserver* observer) { m_wnd.observer = observer; }
    IWndObserver* GetObserver() const { return m_wnd.observer; }
    // Takes over the window state of another object of the same kind (dialog data exchange attaching a
    // member to the control of the template).
    virtual void AdoptWindow(CWnd& from);
    // Makes the window state for the template's control (id, kind, text); used by dialogs.
    void InitWindow(int id, ControlKind kind, const std::string& text, CWnd* parent);
    void DetachWindow();

    // The host reports that the user moved the focus here.
    void UserFocus() { SetFocus(); }
    // Whether typed characters reach the model before the widget (the host must then route every
    // character through UserChar).
    virtual bool FiltersChars() const { return false; }

protected:
    void Changed(WndChange what);
    // The notification codes of this kind for focus gained and lost (0: none).
    virtual int SetFocusCode() const { return 0; }
    virtual int KillFocusCode() const { return 0; }
    void SetTextSilently(const std::string& text);
    friend class CDialog;
    friend class CFrameWnd;

    // The root window (a dialog, a frame) keeps which of its windows has the focus.
    CWnd* Root();
    const CWnd* Root() const;
    void MoveFocus(CWnd* to);

    WndState m_wnd;
    CWnd* m_pFocus = nullptr;
    int m_paints = 0;
    bool m_invalid = false;
};
