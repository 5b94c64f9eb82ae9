#include "ScreenChecks.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>
#include <sstream>

namespace zeltest {
namespace {

// Beyond this width a list's item is allowed to be cut: the dialog would not fit a screen otherwise.
constexpr int kWidestList = 600;
// The widest gap between two rows of controls, and between the last row and the buttons.
constexpr int kRowGap = 12;
constexpr int kGapAboveButtons = 24;
constexpr int kCentreTolerance = 3;

std::string Utf8(const wxString& s) { return std::string(s.utf8_str()); }

std::string Describe(const wxRect& r) {
    std::ostringstream s;
    s << r.GetWidth() << "x" << r.GetHeight() << " at " << r.GetX() << "," << r.GetY();
    return s.str();
}

std::string Name(wxWindow* w) {
    std::string kind = Utf8(w->GetClassInfo() ? wxString(w->GetClassInfo()->GetClassName()) : wxString("window"));
    std::string text = Utf8(w->GetLabel());
    if (auto* t = dynamic_cast<wxTextCtrl*>(w)) text = Utf8(t->GetValue());
    if (auto* c = dynamic_cast<wxChoice*>(w)) text = Utf8(c->GetStringSelection());
    if (text.size() > 40) text = text.substr(0, 40) + "...";
    return kind + " \"" + text + "\"";
}

wxRect ClientRectOnScreen(const wxWindow& w) {
    return wxRect(w.ClientToScreen(wxPoint(0, 0)), w.GetClientSize());
}

// Where GTK drew the widget, in screen pixels (wx reports a group box's rectangle below its label).
wxRect Drawn(GtkWidget* widget) {
    GtkWidget* top = gtk_widget_get_toplevel(widget);
    GdkWindow* topWindow = top ? gtk_widget_get_window(top) : nullptr;
    if (!topWindow) return wxRect();
    int x = 0, y = 0, ox = 0, oy = 0;
    gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y);
    gdk_window_get_origin(topWindow, &ox, &oy);
    GtkAllocation a;
    gtk_widget_get_allocation(widget, &a);
    return wxRect(ox + x, oy + y, a.width, a.height);
}

wxRect Drawn(wxWindow* w) {
    auto* widget = static_cast<GtkWidget*>(w->GetHandle());
    return widget ? Drawn(widget) : w->GetScreenRect();
}

// The part of an entry where its text shows.
int TextAreaWidth(GtkWidget* widget) {
    if (!widget || !GTK_IS_ENTRY(widget)) return -1;
    GdkRectangle area;
    gtk_entry_get_text_area(GTK_ENTRY(widget), &area);
    return area.width;
}

// The part of a drop-down list where the chosen line shows.
int CellWidth(wxWindow* w) {
    auto* widget = static_cast<GtkWidget*>(w->GetHandle());
    if (!widget || !GTK_IS_BIN(widget)) return -1;
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(widget));
    if (!child) return -1;
    if (GTK_IS_ENTRY(child)) return TextAreaWidth(child);
    GtkAllocation a;
    gtk_widget_get_allocation(child, &a);
    return a.width;
}

// The controls the user sees: the window's shown children, and those inside its group boxes (a label
// without text shows nothing).
void Collect(wxWindow* parent, std::vector<wxWindow*>& out) {
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || !child->IsShown()) continue;
        if (auto* label = dynamic_cast<wxStaticText*>(child); label && label->GetLabel().empty()) continue;
        out.push_back(child);
        if (dynamic_cast<wxStaticBox*>(child)) Collect(child, out);
    }
}

int TextWidth(wxWindow* w, const wxString& text) {
    wxClientDC dc(w);
    dc.SetFont(w->GetFont());
    wxCoord width = 0, height = 0;
    dc.GetMultiLineTextExtent(text, &width, &height);
    return width;
}

// A text that does not fit its control, or an empty string.
std::string CutText(wxWindow* w) {
    const int width = Drawn(w).GetWidth();
    std::ostringstream fault;
    auto cut = [&](const wxString& text, int needed, int room) {
        if (needed <= room + 1) return;
        fault << Name(w) << " cuts \"" << Utf8(text) << "\": " << needed << " px needed, " << room << " shown";
    };
    if (auto* box = dynamic_cast<wxStaticBox*>(w)) {
        cut(box->GetLabelText(), TextWidth(w, box->GetLabelText()) + 16, width);
    } else if (auto* label = dynamic_cast<wxStaticText*>(w)) {
        cut(label->GetLabelText(), TextWidth(w, label->GetLabelText()), width);
    } else if (dynamic_cast<wxCheckBox*>(w) || dynamic_cast<wxRadioButton*>(w) || dynamic_cast<wxButton*>(w)) {
        cut(static_cast<wxControl*>(w)->GetLabelText(), w->GetBestSize().GetWidth(), width);
    } else if (auto* items = dynamic_cast<wxItemContainerImmutable*>(w); items && (dynamic_cast<wxChoice*>(w) || dynamic_cast<wxComboBox*>(w))) {
        // Every line must show whole once chosen, unless the list is already as wide as a list may be.
        const int room = CellWidth(w);
        if (room < 0 || width >= kWidestList) return fault.str();
        wxString widest;
        int needed = 0;
        for (const wxString& item : items->GetStrings()) {
            const int n = TextWidth(w, item);
            if (n > needed) {
                needed = n;
                widest = item;
            }
        }
        cut(widest, needed, room);
    } else if (auto* text = dynamic_cast<wxTextCtrl*>(w); text && !text->IsMultiLine()) {
        const int room = TextAreaWidth(static_cast<GtkWidget*>(text->GetHandle()));
        if (room >= 0) cut(text->GetValue(), TextWidth(w, text->GetValue()), room);
    }
    return fault.str();
}

struct Band {
    int top;
    int bottom;
};

// Rows of controls from top to bottom: controls whose heights overlap make one row.
std::vector<Band> Rows(const std::vector<wxWindow*>& controls) {
    std::vector<Band> bands;
    for (wxWindow* w : controls) {
        const wxRect r = Drawn(w);
        bands.push_back({r.GetTop(), r.GetBottom()});
    }
    std::sort(bands.begin(), bands.end(), [](const Band& a, const Band& b) { return a.top < b.top; });
    std::vector<Band> rows;
    for (const Band& b : bands) {
        if (!rows.empty() && b.top <= rows.back().bottom) rows.back().bottom = std::max(rows.back().bottom, b.bottom);
        else rows.push_back(b);
    }
    return rows;
}

void GapFaults(wxWindow* container, const std::vector<wxWindow*>& all, int buttonsTop, Faults& faults) {
    std::vector<wxWindow*> mine;
    for (wxWindow* w : all)
        if (w->GetParent() == container && Drawn(w).GetTop() < buttonsTop) mine.push_back(w);
    const std::vector<Band> rows = Rows(mine);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const int gap = rows[i].top - rows[i - 1].bottom - 1;
        if (gap > kRowGap)
            faults.push_back("a gap of " + std::to_string(gap) + " px between the rows at y=" +
                             std::to_string(rows[i - 1].bottom) + " and y=" + std::to_string(rows[i].top) + " in " +
                             Name(container));
    }
    if (!rows.empty() && buttonsTop != std::numeric_limits<int>::max() && rows.back().bottom < buttonsTop) {
        const int gap = buttonsTop - rows.back().bottom - 1;
        if (gap > kGapAboveButtons)
            faults.push_back("a gap of " + std::to_string(gap) + " px above the buttons");
    }
}

void CentreFaults(const wxRect& r, const wxWindow* on, const std::string& what, Faults& faults) {
    if (!on || !on->IsShown()) return;
    const wxRect m = on->GetScreenRect();
    const wxPoint c(r.GetX() + r.GetWidth() / 2, r.GetY() + r.GetHeight() / 2);
    const wxPoint mc(m.GetX() + m.GetWidth() / 2, m.GetY() + m.GetHeight() / 2);
    if (std::abs(c.x - mc.x) > kCentreTolerance || std::abs(c.y - mc.y) > kCentreTolerance)
        faults.push_back(what + " " + Describe(r) + " is not centred on " + Name(const_cast<wxWindow*>(on)) + " " +
                         Describe(m));
}

GdkPixbuf* Grab(const wxRect& r) {
    return gdk_pixbuf_get_from_window(gdk_get_default_root_window(), r.GetX(), r.GetY(), r.GetWidth(), r.GetHeight());
}

}  // namespace

std::string Lines(const Faults& faults) {
    std::string out;
    for (const std::string& f : faults) out += "\n  " + f;
    return out;
}

Faults DialogFaults(wxWindow& dialog, const wxWindow* centredOn, const wxRect& banner) {
    Faults faults;
    const wxRect d = dialog.GetScreenRect();
    const wxRect screen = wxDisplay(0u).GetGeometry();
    if (!screen.Contains(d)) faults.push_back("the dialog " + Describe(d) + " leaves the screen " + Describe(screen));
    if (d.GetHeight() > kDialogHeightBudget)
        faults.push_back("the dialog is " + std::to_string(d.GetHeight()) + " px tall, more than " +
                         std::to_string(kDialogHeightBudget));
    CentreFaults(d, centredOn, "the dialog", faults);
    if (!banner.IsEmpty() && banner.Intersects(d))
        faults.push_back("the dialog " + Describe(d) + " runs under the banner " + Describe(banner));

    std::vector<wxWindow*> controls;
    Collect(&dialog, controls);
    const wxRect client = ClientRectOnScreen(dialog);
    int buttonsTop = std::numeric_limits<int>::max();
    for (wxWindow* w : controls) {
        const wxRect r = Drawn(w);
        wxWindow* parent = w->GetParent();
        const wxRect inside = parent == &dialog ? client : Drawn(parent);
        if (!inside.Contains(r))
            faults.push_back(Name(w) + " " + Describe(r) + " lies outside " +
                             (parent == &dialog ? std::string("the dialog ") : "its group box ") + Describe(inside));
        if (const std::string cut = CutText(w); !cut.empty()) faults.push_back(cut);
        if (parent == &dialog && (w->GetId() == wxID_OK || w->GetId() == wxID_CANCEL))
            buttonsTop = std::min(buttonsTop, r.GetTop());
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->GetParent() != controls[j]->GetParent()) continue;
            wxRect a = Drawn(controls[i]);
            wxRect b = Drawn(controls[j]);
            a.Deflate(1);
            b.Deflate(1);
            if (a.Intersects(b)) faults.push_back(Name(controls[i]) + " and " + Name(controls[j]) + " overlap");
        }
    GapFaults(&dialog, controls, buttonsTop, faults);
    for (wxWindow* w : controls)
        if (dynamic_cast<wxStaticBox*>(w)) GapFaults(w, controls, std::numeric_limits<int>::max(), faults);
    return faults;
}

Faults BannerFaults(const wxWindow& banner, const wxWindow& mainWindow) {
    Faults faults;
    if (!banner.IsShown()) faults.push_back("the banner is hidden");
    const wxRect b = banner.GetScreenRect();
    const wxRect client = ClientRectOnScreen(mainWindow);
    const wxRect frame = mainWindow.GetScreenRect();
    if (b.Intersects(client))
        faults.push_back("the banner " + Describe(b) + " covers the main window's work area " + Describe(client));
    else if (b.Intersects(frame))
        faults.push_back("the banner " + Describe(b) + " covers the main window " + Describe(frame));
    return faults;
}

Faults MessageBoxPlacementFaults(const wxWindow& box, const wxWindow* mainWindow) {
    Faults faults;
    auto* widget = static_cast<GtkWidget*>(box.GetHandle());
    GdkWindow* window = widget ? gtk_widget_get_window(widget) : nullptr;
    if (!window) {
        faults.push_back("the message box is not on the screen");
        return faults;
    }
    int x = 0, y = 0;
    gdk_window_get_origin(window, &x, &y);
    const wxRect r(x, y, gdk_window_get_width(window), gdk_window_get_height(window));
    const wxRect screen = wxDisplay(0u).GetGeometry();
    if (!screen.Contains(r)) faults.push_back("the message box " + Describe(r) + " leaves the screen");
    CentreFaults(r, mainWindow, "the message box", faults);
    return faults;
}

int PixelsNear(wxWindow& window, const wxColour& colour, int tolerance) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    GdkWindow* gdkWindow = widget ? gtk_widget_get_window(widget) : nullptr;
    if (!gdkWindow) return 0;
    int x = 0, y = 0;
    gdk_window_get_origin(gdkWindow, &x, &y);
    GdkPixbuf* pixbuf = Grab(wxRect(x, y, gdk_window_get_width(gdkWindow), gdk_window_get_height(gdkWindow)));
    if (!pixbuf) return 0;
    const int channels = gdk_pixbuf_get_n_channels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    const guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
    int count = 0;
    for (int row = 0; row < gdk_pixbuf_get_height(pixbuf); ++row)
        for (int col = 0; col < gdk_pixbuf_get_width(pixbuf); ++col) {
            const guchar* p = pixels + row * stride + col * channels;
            if (std::abs(p[0] - colour.Red()) <= tolerance && std::abs(p[1] - colour.Green()) <= tolerance &&
                std::abs(p[2] - colour.Blue()) <= tolerance)
                ++count;
        }
    g_object_unref(pixbuf);
    return count;
}

bool SaveWholeScreen(const std::string& path) {
    GdkWindow* root = gdk_get_default_root_window();
    GdkPixbuf* pixbuf = Grab(wxRect(0, 0, gdk_window_get_width(root), gdk_window_get_height(root)));
    if (!pixbuf) return false;
    const gboolean saved = gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    return saved != FALSE;
}

}  // namespace zeltest
