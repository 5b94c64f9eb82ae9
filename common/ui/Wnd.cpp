#include "Wnd.h"

#include "Utf8.h"
#include "AppContext.h"

const char* ControlKindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Window: return "window";
    case ControlKind::Dialog: return "dialog";
    case ControlKind::Static: return "static";
    case ControlKind::GroupBox: return "group";
    case ControlKind::Picture: return "picture";
    case ControlKind::Edit: return "edit";
    case ControlKind::ComboBox: return "combo";
    case ControlKind::ListBox: return "list";
    case ControlKind::CheckBox: return "check";
    case ControlKind::RadioButton: return "radio";
    case ControlKind::PushButton: return "button";
    case ControlKind::Grid: return "grid";
    case ControlKind::Tree: return "tree";
    }
    return "?";
}

CWnd::~CWnd() { DetachWindow(); }

void CWnd::Changed(WndChange what) {
    if (m_wnd.observer) m_wnd.observer->OnWndChanged(*this, what);
}

void CWnd::SetTextSilently(const std::string& text) {
    if (m_wnd.text == text) return;
    m_wnd.text = text;
    Changed(WndChange::Text);
}

void CWnd::SetWindowText(const std::string& text) { SetTextSilently(text); }

int CWnd::GetWindowTextLength() const { return zel::utf8::Length(GetWindowText()); }

int CWnd::EnableWindow(int bEnable) {
    const bool wasDisabled = !m_wnd.enabled;
    const bool enable = bEnable != 0;
    if (m_wnd.enabled != enable) {
        m_wnd.enabled = enable;
        Changed(WndChange::Enabled);
        // A window that loses its enabled state cannot keep the focus.
        if (!enable && Root()->m_pFocus == this) Root()->m_pFocus = nullptr;
    }
    return wasDisabled ? 1 : 0;
}

int CWnd::ShowWindow(int nCmdShow) {
    const bool wasVisible = m_wnd.visible;
    const bool show = nCmdShow != SW_HIDE;
    if (m_wnd.visible != show) {
        m_wnd.visible = show;
        Changed(WndChange::Visible);
        if (!show && Root()->m_pFocus == this) Root()->m_pFocus = nullptr;
    }
    return wasVisible ? 1 : 0;
}

void CWnd::SetBackgroundColor(COLORREF color) {
    if (m_wnd.hasColors && m_wnd.background == color) return;
    if (!m_wnd.hasColors) m_wnd.foreground = 0x000000;
    m_wnd.hasColors = true;
    m_wnd.background = color;
    Changed(WndChange::Colors);
}

void CWnd::SetTextColor(COLORREF color) {
    if (m_wnd.hasColors && m_wnd.foreground == color) return;
    if (!m_wnd.hasColors) m_wnd.background = 0xFFFFFF;
    m_wnd.hasColors = true;
    m_wnd.foreground = color;
    Changed(WndChange::Colors);
}

CWnd* CWnd::Root() {
    CWnd* w = this;
    while (w->m_wnd.parent) w = w->m_wnd.parent;
    return w;
}

const CWnd* CWnd::Root() const {
    const CWnd* w = this;
    while (w->m_wnd.parent) w = w->m_wnd.parent;
    return w;
}

CWnd* CWnd::SetFocus() {
    CWnd* root = Root();
    CWnd* old = root->m_pFocus;
    root->MoveFocus(this);
    return old;
}

CWnd* CWnd::GetFocus() const { return Root()->m_pFocus; }

void CWnd::MoveFocus(CWnd* to) {
    CWnd* old = m_pFocus;
    if (old == to) return;
    m_pFocus = to;
    // Kill focus on the old window first; its handler may move the focus on, and then the new window
    // never got it.
    if (old) {
        old->Changed(WndChange::Focus);
        if (const int code = old->KillFocusCode()) old->NotifyParent(code);
    }
    if (to && m_pFocus == to) {
        to->Changed(WndChange::Focus);
        if (const int code = to->SetFocusCode()) to->NotifyParent(code);
    }
}

void CWnd::Invalidate(int /*bErase*/) { m_invalid = true; }

void CWnd::UpdateWindow() {
    if (!m_invalid) return;
    m_invalid = false;
    ++m_paints;
    Changed(WndChange::Redraw);
}

void CWnd::RedrawWindow() {
    Invalidate(1);
    UpdateWindow();
}

void CWnd::SetWindowPos(const CWnd* /*pInsertAfter*/, int x, int y, int cx, int cy, UINT /*nFlags*/) {
    MoveWindow(x, y, cx, cy);
}

void CWnd::MoveWindow(int x, int y, int cx, int cy) {
    m_wnd.x = x;
    m_wnd.y = y;
    m_wnd.cx = cx;
    m_wnd.cy = cy;
    Changed(WndChange::Position);
}

CWnd* CWnd::GetDlgItem(int /*nID*/) const { return nullptr; }

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT nType) {
    CAppContext& ctx = AppContext();
    if (!ctx.messages) return IDOK;
    return ctx.messages->MessageBox(text, caption.empty() ? ctx.appTitle : caption, nType);
}

void CWnd::NotifyParent(int code) {
    if (!m_wnd.parent) return;
    NMHDR hdr{this, m_wnd.id, code};
    LRESULT result = 0;
    MsgArgs a;
    a.pWnd = this;
    a.pNMHDR = &hdr;
    a.pResult = &result;
    m_wnd.parent->Dispatch(MapKind::Notify, m_wnd.id, code, a);
}

bool CWnd::SendMessageToSelf(int message, const MsgArgs& args) {
    return Dispatch(MapKind::Message, MessageMap::kAnyId, message, args);
}

void CWnd::AdoptWindow(CWnd& from) {
    m_wnd = from.m_wnd;
    CWnd* root = Root();
    if (root->m_pFocus == &from) root->m_pFocus = this;
    from.m_wnd.observer = nullptr;
    from.m_wnd.parent = nullptr;
    from.m_wnd.created = false;
}

void CWnd::InitWindow(int id, ControlKind kind, const std::string& text, CWnd* parent) {
    m_wnd = WndState{};
    m_wnd.id = id;
    m_wnd.kind = kind;
    m_wnd.text = text;
    m_wnd.parent = parent;
    m_wnd.created = true;
    m_paints = 0;
    m_invalid = false;
}

void CWnd::DetachWindow() {
    if (m_wnd.parent) {
        CWnd* root = Root();
        if (root->m_pFocus == this) root->m_pFocus = nullptr;
    }
    m_wnd.parent = nullptr;
    m_wnd.observer = nullptr;
    m_wnd.created = false;
}
