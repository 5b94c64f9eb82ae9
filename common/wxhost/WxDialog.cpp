#include "WxDialog.h"

#include <wx/button.h>
#include <wx/gbsizer.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

namespace zel::wx {
namespace {

long DialogStyle(const DialogTemplate& t) {
    if (t.style & tmpl::NoCaption) return wxBORDER_SIMPLE | wxSTAY_ON_TOP;
    return wxDEFAULT_DIALOG_STYLE;
}

int SizerFlags(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return wxALIGN_CENTER_VERTICAL;
    case ControlKind::Picture: return wxALIGN_CENTER;
    case ControlKind::PushButton: return wxALIGN_CENTER_VERTICAL;
    default: return wxEXPAND;
    }
}

}  // namespace

WxDialog::WxDialog(wxWindow* parent, CDialog& model, const BitmapProvider& bitmaps)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(model.GetWindowText().c_str()), wxDefaultPosition, wxDefaultSize,
               DialogStyle(*model.GetTemplate())),
      m_model(model),
      m_bitmaps(bitmaps) {
    const DialogTemplate& t = *model.GetTemplate();
    // Every control's widget, parented where its sizer will place it (group boxes first, so their
    // members can sit inside them).
    m_bindings.resize(t.controls.size());
    std::map<int, wxWindow*> boxes;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.kind != ControlKind::GroupBox) continue;
        m_bindings[i] = MakeBinding(this, model.GetControls()[i], &model, c, bitmaps);
        boxes[c.id] = m_bindings[i]->Widget();
    }
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.kind == ControlKind::GroupBox) continue;
        wxWindow* parentWindow = this;
        if (c.group != 0 && boxes.count(c.group)) parentWindow = boxes[c.group];
        m_bindings[i] = MakeBinding(parentWindow, model.GetControls()[i], &model, c, bitmaps);
    }
    for (auto& b : m_bindings) b->relayout = [this] { Relayout(); };

    auto* top = new wxBoxSizer(wxVERTICAL);
    const bool fixed = (t.style & tmpl::FixedSize) != 0;
    top->Add(BuildGrid(this, 0), 1, wxEXPAND | wxALL, fixed ? 0 : 12);
    // The button row: the platform's own order for OK and Cancel, other buttons before them.
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto* std = new wxStdDialogButtonSizer();
    bool anyButton = false;
    bool anyStd = false;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.row != kButtonRow) continue;
        anyButton = true;
        auto* b = dynamic_cast<wxButton*>(m_bindings[i]->Widget());
        if (b && (b->GetId() == wxID_OK || b->GetId() == wxID_CANCEL)) {
            std->AddButton(b);
            anyStd = true;
        } else {
            row->Add(m_bindings[i]->Widget(), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
        }
    }
    if (anyButton) {
        row->AddStretchSpacer();
        if (anyStd) {
            std->Realize();
            row->Add(std, 0, wxALIGN_CENTER_VERTICAL);
        } else {
            delete std;
        }
        top->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    } else {
        delete std;
    }
    SetSizer(top);
    if (fixed) SetClientSize(t.width, t.height);

    model.SetObserver(this);
    Bind(wxEVT_CHAR_HOOK, &WxDialog::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        if (!m_detached) m_model.UserCancel();
    });
}

WxDialog::~WxDialog() {
    Detach();
    m_bindings.clear();
}

void WxDialog::Detach() {
    if (m_detached) return;
    m_detached = true;
    for (auto& b : m_bindings) b->Forget();
    if (m_model.GetObserver() == this) m_model.SetObserver(nullptr);
}

wxSizer* WxDialog::BuildGrid(wxWindow* parent, int groupId) {
    const DialogTemplate& t = *m_model.GetTemplate();
    auto* grid = new wxGridBagSizer(6, 12);
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.group != groupId || c.row == kButtonRow) continue;
        const wxGBPosition pos(c.row, c.col);
        const wxGBSpan span(c.rowSpan, c.colSpan);
        if (c.kind == ControlKind::GroupBox) {
            auto* box = static_cast<wxStaticBox*>(m_bindings[i]->Widget());
            auto* boxSizer = new wxStaticBoxSizer(box, wxVERTICAL);
            boxSizer->Add(BuildGrid(box, c.id), 1, wxEXPAND | wxALL, 6);
            grid->Add(boxSizer, pos, span, wxEXPAND);
        } else {
            grid->Add(m_bindings[i]->Widget(), pos, span, SizerFlags(c.kind) | ((c.style & tmpl::Expand) ? wxEXPAND : 0));
        }
    }
    (void)parent;
    return grid;
}

void WxDialog::FinishLayout() {
    const DialogTemplate& t = *m_model.GetTemplate();
    if (!(t.style & tmpl::FixedSize)) {
        Layout();
        Fit();
        SetMinSize(GetSize());
        CentreOnParent();
    } else {
        Layout();
    }
    m_laidOut = true;
}

void WxDialog::Relayout() {
    if (!m_laidOut) return;
    Layout();
    // Grow when controls appear; keep the size otherwise (a dialog that shrinks as fields hide jumps).
    const wxSize best = GetSizer()->ComputeFittingWindowSize(this);
    const wxSize now = GetSize();
    if (best.x > now.x || best.y > now.y) SetSize(wxSize(std::max(best.x, now.x), std::max(best.y, now.y)));
}

wxWindow* WxDialog::WidgetOf(int id) const {
    const DialogTemplate& t = *m_model.GetTemplate();
    for (std::size_t i = 0; i < t.controls.size(); ++i)
        if (t.controls[i].id == id) return m_bindings[i]->Widget();
    return nullptr;
}

void WxDialog::OnWndChanged(CWnd& /*wnd*/, WndChange what) {
    switch (what) {
    case WndChange::Attached: {
        const int id = m_model.GetLastAttachedId();
        const auto& controls = m_model.GetControls();
        const DialogTemplate& t = *m_model.GetTemplate();
        for (std::size_t i = 0; i < t.controls.size(); ++i)
            if (t.controls[i].id == id) m_bindings[i]->Rebind(controls[i]);
        break;
    }
    case WndChange::Ended:
        if (IsModal()) EndModal(m_model.GetModalResult());
        else Hide();
        break;
    case WndChange::Text: SetTitle(wxString::FromUTF8(m_model.GetWindowText().c_str())); break;
    case WndChange::Position: {
        const CPoint p = m_model.GetPosition();
        const CSize s = m_model.GetSize();
        SetSize(p.x, p.y, s.cx > 0 ? s.cx : -1, s.cy > 0 ? s.cy : -1);
        break;
    }
    case WndChange::Visible: Show(m_model.IsWindowVisible()); break;
    case WndChange::Destroyed: Detach(); break;
    default: break;
    }
}

void WxDialog::OnCharHook(wxKeyEvent& e) {
    if (m_detached) return e.Skip();
    const int key = e.GetKeyCode();
    if (key == WXK_ESCAPE) {
        m_model.UserCancel();
        return;
    }
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && !e.HasAnyModifiers()) {
        wxWindow* focus = wxWindow::FindFocus();
        const auto* text = dynamic_cast<wxTextCtrl*>(focus);
        if (dynamic_cast<wxButton*>(focus) || (text && text->IsMultiLine())) {
            e.Skip();  // a button's own activation; a new line
            return;
        }
        m_model.UserEnter();
        return;
    }
    e.Skip();
}

}  // namespace zel::wx
