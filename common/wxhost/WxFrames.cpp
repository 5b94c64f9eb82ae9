#include "WxFrames.h"

#include "MenuClicks.h"
#include "WorkArea.h"
#include "WxHost.h"

#include <wx/mdi.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

namespace zel::wx {
namespace {

wxString W(const std::string& s) { return wxString::FromUTF8(s.c_str()); }

void FillMenu(wxMenu& out, const CMenu& menu) {
    for (const CMenu::Item& item : menu.Items()) {
        if (item.separator) {
            out.AppendSeparator();
        } else if (item.popup) {
            auto* sub = new wxMenu;
            FillMenu(*sub, *item.popup);
            out.AppendSubMenu(sub, W(item.text));
        } else {
            // Items that the update may check are made checkable; the others stay plain.
            const bool checkable = item.id == ID_VIEW_TOOLBAR || item.id == ID_VIEW_STATUS_BAR || item.checked;
            out.Append(ToWxId(item.id), W(item.text), wxString(), checkable ? wxITEM_CHECK : wxITEM_NORMAL);
        }
    }
}

// Item by item, in the order both were built: a command that sits in two menus has two items of the same id,
// and a look-up by id would reach only the first.
void ApplyStates(wxMenu& out, const CMenu& menu) {
    const wxMenuItemList& items = out.GetMenuItems();
    if (items.GetCount() != menu.Items().size()) return;
    auto node = items.GetFirst();
    for (const CMenu::Item& item : menu.Items()) {
        wxMenuItem* mi = node->GetData();
        node = node->GetNext();
        if (item.popup) {
            if (wxMenu* sub = mi->GetSubMenu()) ApplyStates(*sub, *item.popup);
        } else if (!item.separator && item.id != 0) {
            if (mi->IsEnabled() != item.enabled) mi->Enable(item.enabled);
            if (mi->IsCheckable() && mi->IsChecked() != item.checked) mi->Check(item.checked);
        }
    }
}

void ApplyStates(wxMenuBar& bar, const CMenu& menu) {
    if (bar.GetMenuCount() != menu.Items().size()) return;
    for (std::size_t i = 0; i < menu.Items().size(); ++i)
        if (const CMenu* popup = menu.Items()[i].popup.get()) ApplyStates(*bar.GetMenu(i), *popup);
}

// The key of an accelerator table: letters upper case, function keys as VK_F1...
int VirtualKey(int wxKey) {
    if (wxKey >= 'a' && wxKey <= 'z') return wxKey - 'a' + 'A';
    if (wxKey >= WXK_F1 && wxKey <= WXK_F24) return VK_F1 + (wxKey - WXK_F1);
    switch (wxKey) {
    case WXK_DELETE: return VK_DELETE;
    case WXK_INSERT: return VK_INSERT;
    case WXK_RETURN: return VK_RETURN;
    case WXK_ESCAPE: return VK_ESCAPE;
    case WXK_BACK: return VK_BACK;
    default: return wxKey;
    }
}

}  // namespace

WxFrameHost::WxFrameHost(CFrameWnd& model, WxHost& host, const std::string& title) : m_model(model), m_host(host) {
    if (dynamic_cast<CMDIFrameWnd*>(&model)) {
        m_frame = new wxMDIParentFrame(nullptr, wxID_ANY, W(title), wxDefaultPosition, wxSize(1000, 680));
    } else {
        m_frame = new wxFrame(nullptr, wxID_ANY, W(title), wxDefaultPosition, wxSize(1000, 680));
    }
    m_frame->SetIcon(wxIcon());
    {
        wxIcon icon;
        icon.CopyFromBitmap(host.Bitmaps().Get(128));
        m_frame->SetIcon(icon);
    }
    host.parentWindow = m_frame;
    RebuildMenuBar();
    BuildToolBar();
    BuildStatusBar();
    model.SetObserver(this);

    m_frame->Bind(wxEVT_MENU, [this](wxCommandEvent& e) { m_model.OnCommand(FromWxId(e.GetId())); });
    m_frame->Bind(wxEVT_MENU_OPEN, [this](wxMenuEvent& e) {
        m_model.OnInitMenuPopup(m_model.GetCurrentMenu());
        MirrorMenuStates();
        e.Skip();
    });
    m_frame->Bind(wxEVT_MENU_HIGHLIGHT, [this](wxMenuEvent& e) { m_model.OnMenuSelect(e.GetMenuId() > 0 ? FromWxId(e.GetMenuId()) : 0); });
    m_frame->Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& e) {
        m_model.OnMenuSelect(0);
        e.Skip();
    });
    m_frame->Bind(wxEVT_IDLE, [this](wxIdleEvent& e) {
        m_model.OnIdleUpdate();
        e.Skip();
    });
    m_frame->Bind(wxEVT_CHAR_HOOK, &WxFrameHost::OnCharHook, this);
    host.onMainWindowAreaChanged = [this] { FitIntoArea(); };
    FitIntoArea();
}

WxFrameHost::~WxFrameHost() {
    m_host.onMainWindowAreaChanged = nullptr;
    if (m_model.GetObserver() == this) m_model.SetObserver(nullptr);
    if (CToolBar* t = m_model.GetToolBar(); t && t->GetObserver() == this) t->SetObserver(nullptr);
    if (CStatusBar* s = m_model.GetStatusBar(); s && s->GetObserver() == this) s->SetObserver(nullptr);
    for (auto& [child, frame] : m_children)
        if (child->GetObserver() == this) child->SetObserver(nullptr);
    m_views.clear();
    if (m_host.parentWindow == m_frame) m_host.parentWindow = nullptr;
}

void WxFrameHost::RebuildMenuBar() {
    CMenu& menu = m_model.GetCurrentMenu();
    m_shownMenu = &menu;
    if (menu.GetMenuItemCount() == 0) return;
    auto* bar = new wxMenuBar;
    for (const CMenu::Item& top : menu.Items()) {
        auto* popup = new wxMenu;
        if (top.popup) FillMenu(*popup, *top.popup);
        OpenSubmenusOnClick(*popup);
        bar->Append(popup, W(top.text));
    }
    m_frame->SetMenuBar(bar);
}

void WxFrameHost::FitIntoArea() {
    FitInto(*m_frame, m_host.MainWindowArea(), m_model.GetShowState() == SW_SHOWMAXIMIZED);
}

void WxFrameHost::MirrorMenuStates() {
    if (wxMenuBar* bar = m_frame->GetMenuBar()) ApplyStates(*bar, m_model.GetCurrentMenu());
}

void WxFrameHost::BuildToolBar() {
    CToolBar* model = m_model.GetToolBar();
    if (!model) return;
    wxToolBar* bar = m_frame->CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
    bar->SetToolBitmapSize(wxSize(16, 16));
    for (const CToolBar::Button& b : model->Buttons()) {
        if (b.id == 0) {
            bar->AddSeparator();
            continue;
        }
        bar->AddTool(ToWxId(b.id), W(CommandTooltip(b.id)), m_host.Bitmaps().ToolButton(b.id), W(CommandTooltip(b.id)),
                     wxITEM_NORMAL);
        bar->SetToolLongHelp(ToWxId(b.id), W(CommandPrompt(b.id)));
    }
    bar->Realize();
    model->SetObserver(this);
    MirrorToolBar();
}

void WxFrameHost::BuildStatusBar() {
    CStatusBar* model = m_model.GetStatusBar();
    if (!model) return;
    const int n = static_cast<int>(model->Panes().size());
    wxStatusBar* bar = m_frame->CreateStatusBar(n);
    std::vector<int> widths(static_cast<std::size_t>(n), 56);
    if (n > 0) widths[0] = -1;
    bar->SetStatusWidths(n, widths.data());
    model->SetObserver(this);
    MirrorStatusBar();
}

void WxFrameHost::MirrorToolBar() {
    CToolBar* model = m_model.GetToolBar();
    wxToolBar* bar = m_frame->GetToolBar();
    if (!model || !bar) return;
    for (const CToolBar::Button& b : model->Buttons()) {
        if (b.id == 0) continue;
        if (bar->GetToolEnabled(ToWxId(b.id)) != b.enabled) bar->EnableTool(ToWxId(b.id), b.enabled);
    }
    if (bar->IsShown() != static_cast<bool>(model->IsWindowVisible())) {
        bar->Show(model->IsWindowVisible());
        m_frame->SendSizeEvent();
    }
}

void WxFrameHost::MirrorStatusBar() {
    CStatusBar* model = m_model.GetStatusBar();
    wxStatusBar* bar = m_frame->GetStatusBar();
    if (!model || !bar) return;
    for (int i = 0; i < static_cast<int>(model->Panes().size()); ++i) {
        const wxString text = W(model->GetShownText(i));
        if (bar->GetStatusText(i) != text) bar->SetStatusText(text, i);
    }
    if (bar->IsShown() != static_cast<bool>(model->IsWindowVisible())) {
        bar->Show(model->IsWindowVisible());
        m_frame->SendSizeEvent();
    }
}

wxWindow* WxFrameHost::ViewWidget(wxWindow* parent, CView& view) {
    if (auto* tree = dynamic_cast<CTreeView*>(&view)) {
        m_views.push_back(MakeTreeBinding(parent, &tree->GetTreeCtrl(), m_host.Bitmaps()));
        return m_views.back()->Widget();
    }
    return new wxWindow(parent, wxID_ANY);
}

wxWindow* WxFrameHost::AddChild(CMDIChildWnd& child, const std::string& title) {
    auto* parent = dynamic_cast<wxMDIParentFrame*>(m_frame);
    if (!parent) return nullptr;
    // Made at the size of the tabs' area: at wx's default size (20 pixels) its view would be laid out below
    // the tree's minimum the first time it shows.
    auto* frame = new wxMDIChildFrame(parent, wxID_ANY, W(title), wxDefaultPosition,
                                      parent->GetClientWindow()->GetClientSize());
    wxWindow* view = child.GetActiveView() ? ViewWidget(frame, *child.GetActiveView()) : new wxWindow(frame, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(view, 1, wxEXPAND);
    frame->SetSizer(sizer);
    frame->Layout();
    m_children[&child] = frame;
    child.SetObserver(this);
    frame->Bind(wxEVT_ACTIVATE, [this, &child](wxActivateEvent& e) {
        if (e.GetActive()) {
            if (auto* mdi = dynamic_cast<CMDIFrameWnd*>(&m_model)) mdi->MDIActivate(&child);
        }
        e.Skip();
    });
    // The frame hands the keyboard on to its view, as a Windows frame does: reached by Tab, the frame
    // itself would hold the keys and the tree would never get the arrows.
    frame->Bind(wxEVT_SET_FOCUS, [view](wxFocusEvent&) { view->SetFocus(); });
    if (child.GetShowState() == SW_SHOWMAXIMIZED) frame->Maximize();
    frame->Show();
    frame->Activate();
    view->SetFocus();
    return view;
}

void WxFrameHost::RemoveChild(CMDIChildWnd& child) {
    auto it = m_children.find(&child);
    if (it == m_children.end()) return;
    if (child.GetObserver() == this) child.SetObserver(nullptr);
    // The view (and its tree) goes with the project, before the window's deferred destruction: its binding
    // stops talking to it now and stays, idle, until the frame host goes.
    for (const auto& binding : m_views)
        if (binding->Model() && binding->Widget()->GetParent() == it->second) binding->Forget();
    it->second->Destroy();
    m_children.erase(it);
}

wxWindow* WxFrameHost::SetView(CView& view) {
    wxWindow* w = ViewWidget(m_frame, view);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(w, 1, wxEXPAND);
    m_frame->SetSizer(sizer);
    m_frame->Layout();
    return w;
}

void WxFrameHost::OnWndChanged(CWnd& wnd, WndChange what) {
    if (&wnd == m_model.GetToolBar()) {
        MirrorToolBar();
        return;
    }
    if (&wnd == m_model.GetStatusBar()) {
        MirrorStatusBar();
        return;
    }
    if (auto* child = dynamic_cast<CMDIChildWnd*>(&wnd)) {
        auto it = m_children.find(child);
        if (it != m_children.end() && what == WndChange::Position) {
            if (child->GetShowState() == SW_SHOWMAXIMIZED) it->second->Maximize();
            else it->second->Restore();
        }
        return;
    }
    if (&wnd == &m_model) {
        switch (what) {
        case WndChange::Selection:
        case WndChange::Items:
            if (&m_model.GetCurrentMenu() != m_shownMenu) RebuildMenuBar();
            MirrorMenuStates();
            break;
        case WndChange::Text: m_frame->SetTitle(W(m_model.GetWindowText())); break;
        case WndChange::Position: FitIntoArea(); break;
        default: break;
        }
    }
}

void WxFrameHost::OnCharHook(wxKeyEvent& e) {
    unsigned mods = 0;
    if (e.ControlDown()) mods |= FCONTROL;
    if (e.ShiftDown()) mods |= FSHIFT;
    if (e.AltDown()) mods |= FALT;
    if (m_model.TranslateAccelerator(VirtualKey(e.GetKeyCode()), mods)) return;
    e.Skip();
}

}  // namespace zel::wx
