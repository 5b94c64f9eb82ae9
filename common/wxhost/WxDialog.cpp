#include "WxDialog.h"

#include "DialogLook.h"
#include "WorkArea.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/ctrlsub.h>
#include <wx/gbsizer.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <utility>

namespace zel::wx {
namespace {

// Rows are spaced by a border above and below each control rather than by the grid's gap, so that a row
// whose controls are all hidden takes no room at all.
constexpr int kRowSpacing = 4;
constexpr int kColumnGap = 12;
// A list or label whose text is wider than this is cut rather than widening the dialog past a screen.
constexpr int kWidestControl = 600;

long DialogStyle(const DialogTemplate& t) {
    if (t.style & tmpl::Banner) return wxBORDER_SIMPLE;
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

// The width a control needs to show its text whole; 0 for the controls whose content scrolls.
int NeededWidth(wxWindow* w) {
    if (dynamic_cast<wxStaticText*>(w) || dynamic_cast<wxCheckBox*>(w) || dynamic_cast<wxRadioButton*>(w) ||
        dynamic_cast<wxButton*>(w) || dynamic_cast<wxItemContainerImmutable*>(w))
        return w->GetBestSize().GetWidth();
    return 0;
}

// The widest label in a grid's first column, and the grid's row count.
std::pair<int, int> FirstColumn(wxGridBagSizer& grid) {
    int widest = 0, rows = 0;
    for (wxSizerItem* item : grid.GetChildren()) {
        auto* cell = static_cast<wxGBSizerItem*>(item);
        int endRow = 0, endCol = 0;
        cell->GetEndPos(endRow, endCol);
        rows = std::max(rows, endRow + 1);
        if (cell->GetPos().GetCol() == 0 && cell->GetSpan().GetColspan() == 1 && item->IsWindow())
            widest = std::max(widest, item->GetWindow()->GetBestSize().GetWidth());
    }
    return {widest, rows};
}

// A column at the left edge lines its fields up with the fields above it: both first columns get the width
// of the wider (an empty row of that width at the foot of each).
void AlignFirstColumns(wxGridBagSizer& outer, wxGridBagSizer& column) {
    const auto [outerWidth, outerRows] = FirstColumn(outer);
    const auto [columnWidth, columnRows] = FirstColumn(column);
    const int width = std::max(outerWidth, columnWidth);
    outer.Add(width, 0, wxGBPosition(outerRows, 0));
    column.Add(width, 0, wxGBPosition(columnRows, 0));
}

}  // namespace

WxDialog::WxDialog(wxWindow* parent, CDialog& model, const BitmapProvider& bitmaps)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(model.GetWindowText().c_str()), wxDefaultPosition, wxDefaultSize,
               DialogStyle(*model.GetTemplate())),
      m_model(model),
      m_bitmaps(bitmaps),
      m_banner((model.GetTemplate()->style & tmpl::Banner) != 0),
      m_fixedSize((model.GetTemplate()->style & tmpl::FixedSize) != 0) {
    const DialogTemplate& t = *model.GetTemplate();
    if (m_banner) PrepareBannerWindow(*this);
    else if (!(t.style & tmpl::NoCaption)) UseDialogLook(*this);
    // Every control's widget, parented where its sizer will place it (group boxes first, so their
    // members can sit inside them).
    m_bindings.resize(t.controls.size());
    std::map<int, wxWindow*> boxes;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.kind != ControlKind::GroupBox) continue;
        m_bindings[i] = MakeBinding(this, model.GetControls()[i], &model, c, bitmaps);
        // A column is drawn as nothing: only its grid counts, and its fields are the dialog's own children.
        if (c.style & tmpl::Borderless) m_bindings[i]->Widget()->Hide();
        else boxes[c.id] = m_bindings[i]->Widget();
    }
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.kind == ControlKind::GroupBox) continue;
        wxWindow* parentWindow = this;
        if (c.group != 0 && boxes.count(c.group)) parentWindow = boxes[c.group];
        m_bindings[i] = MakeBinding(parentWindow, model.GetControls()[i], &model, c, bitmaps);
    }
    for (auto& b : m_bindings) b->relayout = [this] { Relayout(); };
    PlaceGroupsInTabOrder();

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(BuildGrid(0), 1, wxEXPAND | wxALL, m_fixedSize ? 0 : 12 - kRowSpacing / 2);
    // The button row: the platform's own order for OK and Cancel, other buttons before them.
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto* std = new wxStdDialogButtonSizer();
    bool anyButton = false;
    bool anyStd = false;
    std::vector<wxButton*> stdInTemplateOrder;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.row != kButtonRow) continue;
        anyButton = true;
        auto* b = dynamic_cast<wxButton*>(m_bindings[i]->Widget());
        if (b && (b->GetId() == wxID_OK || b->GetId() == wxID_CANCEL)) {
            std->AddButton(b);
            stdInTemplateOrder.push_back(b);
            anyStd = true;
        } else {
            row->Add(m_bindings[i]->Widget(), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
        }
    }
    if (anyButton) {
        row->AddStretchSpacer();
        if (anyStd) {
            std->Realize();
            // GTK's order (Cancel, then OK) is for the eye only: Tab keeps the template's order, so that Tab
            // from the last field followed by Enter confirms rather than discards what was typed.
            if (stdInTemplateOrder.size() == 2) stdInTemplateOrder[1]->MoveAfterInTabOrder(stdInTemplateOrder[0]);
            row->Add(std, 0, wxALIGN_CENTER_VERTICAL);
        } else {
            delete std;
        }
        top->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    } else {
        delete std;
        delete row;
    }
    SetSizer(top);
    if (m_fixedSize) SetClientSize(t.width, t.height);

    model.SetObserver(this);
    Bind(wxEVT_CHAR_HOOK, &WxDialog::OnCharHook, this);
    if (auto* window = static_cast<GtkWidget*>(GetHandle()))
        g_signal_connect(window, "button-press-event", G_CALLBACK(OnButtonPress), this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        if (!m_detached) m_model.UserCancel();
    });
    // Lists filled and labels changed by the code after the first layout.
    Bind(wxEVT_IDLE, [this](wxIdleEvent& e) {
        e.Skip();
        if (m_laidOut && !m_detached && !m_fixedSize && WidenWhereCut()) Relayout();
    });
}

WxDialog::~WxDialog() {
    Detach();
    m_bindings.clear();
}

void WxDialog::Detach() {
    if (m_detached) return;
    m_detached = true;
    if (auto* window = static_cast<GtkWidget*>(GetHandle())) g_signal_handlers_disconnect_by_data(window, this);
    for (auto& b : m_bindings) b->Forget();
    if (m_model.GetObserver() == this) m_model.SetObserver(nullptr);
}

// Group boxes are made before the other controls so that their fields can be their children, which would
// put them first in the tab order: Tab would reach their fields only after the buttons. Each box goes
// back to its place in the template.
void WxDialog::PlaceGroupsInTabOrder() {
    const DialogTemplate& t = *m_model.GetTemplate();
    wxWindow* previous = nullptr;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        wxWindow* w = m_bindings[i]->Widget();
        if (w->GetParent() != this) continue;
        const ControlTemplate& c = t.controls[i];
        if (previous && c.kind == ControlKind::GroupBox && !(c.style & tmpl::Borderless))
            w->MoveAfterInTabOrder(previous);
        previous = w;
    }
}

wxGridBagSizer* WxDialog::BuildGrid(int groupId) {
    const DialogTemplate& t = *m_model.GetTemplate();
    auto* grid = new wxGridBagSizer(0, m_fixedSize ? 0 : kColumnGap);
    grid->SetEmptyCellSize(wxSize(0, 0));
    const int spacing = m_fixedSize ? 0 : kRowSpacing / 2;
    std::vector<wxGridBagSizer*> leftColumns;
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        if (c.group != groupId || c.row == kButtonRow) continue;
        const wxGBPosition pos(c.row, c.col);
        const wxGBSpan span(c.rowSpan, c.colSpan);
        if (c.kind == ControlKind::GroupBox && (c.style & tmpl::Borderless)) {
            wxGridBagSizer* column = BuildGrid(c.id);
            grid->Add(column, pos, span, wxEXPAND);
            if (c.col == 0) leftColumns.push_back(column);
        } else if (c.kind == ControlKind::GroupBox) {
            auto* box = static_cast<wxStaticBox*>(m_bindings[i]->Widget());
            auto* boxSizer = new wxStaticBoxSizer(box, wxVERTICAL);
            boxSizer->Add(BuildGrid(c.id), 1, wxEXPAND | wxLEFT | wxRIGHT, 6);
            grid->Add(boxSizer, pos, span, wxEXPAND | wxTOP | wxBOTTOM, spacing);
        } else {
            const int flags = SizerFlags(c.kind) | ((c.style & tmpl::Expand) ? wxEXPAND : 0);
            grid->Add(m_bindings[i]->Widget(), pos, span, flags | wxTOP | wxBOTTOM, spacing);
        }
    }
    for (wxGridBagSizer* column : leftColumns) AlignFirstColumns(*grid, *column);
    return grid;
}

bool WxDialog::WidenWhereCut() {
    bool changed = false;
    for (const auto& b : m_bindings) {
        wxWindow* w = b->Widget();
        const wxSize min = w->GetMinSize();
        if (min.GetWidth() < 0) continue;  // sized by its own best size already
        const int needed = std::min(NeededWidth(w), kWidestControl);
        if (needed > min.GetWidth()) {
            w->SetMinSize(wxSize(needed, min.GetHeight()));
            changed = true;
        }
    }
    return changed;
}

void WxDialog::FinishLayout() {
    if (!m_fixedSize) {
        WidenWhereCut();
        Layout();
        Fit();
        SetMinSize(GetSize());
        // A splash belongs to the screen; a dialog to the window it was opened from.
        if (m_model.GetTemplate()->style & tmpl::NoCaption) CentreOnScreen();
        else CentreOnParent();
    } else {
        Layout();
    }
    m_laidOut = true;
}

void WxDialog::Relayout() {
    if (!m_laidOut || m_fixedSize) return;
    WidenWhereCut();
    Layout();
    // The height follows the rows shown; the width only grows (a dialog narrowing as fields hide jumps).
    const wxSize best = GetSizer()->ComputeFittingWindowSize(this);
    const wxSize now = GetSize();
    const wxSize wanted(std::max(best.GetWidth(), now.GetWidth()), best.GetHeight());
    if (wanted == now) return;
    SetMinSize(wanted);
    SetSize(wanted);
    Layout();
    KeepInside(*this, MainDisplayArea(this));
}

void WxDialog::Placed() {
    if (m_banner && IsShown()) ReserveBottomStrip(*this);
    if (onPlaced) onPlaced();
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
        Placed();
        break;
    }
    case WndChange::Visible:
        Show(m_model.IsWindowVisible());
        Placed();
        break;
    case WndChange::Destroyed: Detach(); break;
    default: break;
    }
}

int WxDialog::OnButtonPress(void* /*widget*/, void* event, void* self) {
    const auto* e = static_cast<const GdkEvent*>(event);
    if (e->type == GDK_BUTTON_PRESS)
        static_cast<WxDialog*>(self)->ClickedAt(static_cast<int>(e->button.x_root), static_cast<int>(e->button.y_root));
    return FALSE;
}

// A click on a disabled field: GTK leaves the focus where it was, so what the user types next would go
// into the field left behind. The focus goes nowhere instead.
void WxDialog::ClickedAt(int xRoot, int yRoot) {
    if (m_detached) return;
    const DialogTemplate& t = *m_model.GetTemplate();
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlKind kind = t.controls[i].kind;
        if (kind == ControlKind::Static || kind == ControlKind::GroupBox || kind == ControlKind::Picture) continue;
        wxWindow* w = m_bindings[i]->Widget();
        CWnd* model = m_bindings[i]->Model();
        if (!model || !w || !w->IsShownOnScreen() || !w->GetScreenRect().Contains(xRoot, yRoot)) continue;
        if (model->IsWindowEnabled()) return;
        m_model.UserClickDisabled(model->GetDlgCtrlID());
        gtk_window_set_focus(GTK_WINDOW(GetHandle()), nullptr);
        return;
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
