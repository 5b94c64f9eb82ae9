#include "WorkArea.h"

#include <wx/display.h>
#include <wx/toplevel.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <algorithm>

namespace zel::wx {
namespace {

bool OnX11(GtkWidget* widget) {
    return widget && GDK_IS_X11_DISPLAY(gtk_widget_get_display(widget));
}

// Whether something answers a maximize request. Without a window manager GDK only notes the state, and GTK
// then gives the window the whole monitor when it maps it, banner's strip included.
bool WindowManagerMaximizes(const wxTopLevelWindow& window) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    if (!OnX11(widget)) return true;
    return gdk_x11_screen_supports_net_wm_hint(gtk_widget_get_screen(widget),
                                               gdk_atom_intern_static_string("_NET_WM_STATE_MAXIMIZED_VERT")) != FALSE;
}

}  // namespace

wxRect MainDisplayArea(const wxWindow* window) {
    if (wxDisplay::GetCount() == 0) return wxRect();
    int index = window ? wxDisplay::GetFromWindow(window) : wxNOT_FOUND;
    if (index == wxNOT_FOUND) index = 0;
    return wxDisplay(static_cast<unsigned>(index)).GetClientArea();
}

wxRect AreaAbove(const wxRect& area, const wxRect& strip) {
    if (!strip.Intersects(area) || strip.GetTop() <= area.GetTop()) return area;
    wxRect above = area;
    above.SetHeight(strip.GetTop() - area.GetTop());
    return above;
}

void PrepareBannerWindow(wxTopLevelWindow& window) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    if (!widget || !GTK_IS_WINDOW(widget)) return;
    GtkWindow* gtkWindow = GTK_WINDOW(widget);
    gtk_window_set_type_hint(gtkWindow, GDK_WINDOW_TYPE_HINT_DOCK);
    gtk_window_set_accept_focus(gtkWindow, FALSE);
    gtk_window_set_focus_on_map(gtkWindow, FALSE);
    gtk_window_set_skip_taskbar_hint(gtkWindow, TRUE);
    gtk_window_set_skip_pager_hint(gtkWindow, TRUE);
}

void ReserveBottomStrip(wxTopLevelWindow& window) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    if (!OnX11(widget)) return;  // elsewhere a program cannot place its windows anyway
    GdkWindow* gdkWindow = gtk_widget_get_window(widget);
    if (!gdkWindow) return;
    const wxRect r = window.GetScreenRect();
    const int rootHeight = gdk_window_get_height(gdk_get_default_root_window());
    // _NET_WM_STRUT_PARTIAL: left, right, top, bottom, then the start and end of each along its edge.
    long strut[12] = {};
    strut[3] = std::max(0, rootHeight - r.GetTop());
    strut[10] = r.GetLeft();
    strut[11] = r.GetRight();
    gdk_property_change(gdkWindow, gdk_atom_intern_static_string("_NET_WM_STRUT_PARTIAL"),
                        gdk_atom_intern_static_string("CARDINAL"), 32, GDK_PROP_MODE_REPLACE,
                        reinterpret_cast<const guchar*>(strut), 12);
    gdk_property_change(gdkWindow, gdk_atom_intern_static_string("_NET_WM_STRUT"),
                        gdk_atom_intern_static_string("CARDINAL"), 32, GDK_PROP_MODE_REPLACE,
                        reinterpret_cast<const guchar*>(strut), 4);
}

void FitInto(wxTopLevelWindow& window, const wxRect& area, bool maximized) {
    if (area.IsEmpty()) return;
    if (maximized) {
        if (WindowManagerMaximizes(window)) {
            // The size it returns to when the user restores it; maximized, the reserved strip stays free.
            if (!window.IsMaximized()) window.SetSize(area);
            window.Maximize();
        } else if (window.GetScreenRect() != area) {
            window.SetSize(area);
        }
        return;
    }
    wxRect r = window.GetScreenRect();
    r.SetWidth(std::min(r.GetWidth(), area.GetWidth()));
    r.SetHeight(std::min(r.GetHeight(), area.GetHeight()));
    r.SetX(std::clamp(r.GetX(), area.GetX(), area.GetRight() + 1 - r.GetWidth()));
    r.SetY(std::clamp(r.GetY(), area.GetY(), area.GetBottom() + 1 - r.GetHeight()));
    if (r != window.GetScreenRect()) window.SetSize(r);
}

void KeepInside(wxTopLevelWindow& window, const wxRect& area) {
    if (area.IsEmpty()) return;
    const wxRect r = window.GetScreenRect();
    wxPoint p = r.GetPosition();
    p.x = std::max(area.GetX(), std::min(p.x, area.GetRight() + 1 - r.GetWidth()));
    p.y = std::max(area.GetY(), std::min(p.y, area.GetBottom() + 1 - r.GetHeight()));
    if (p != r.GetPosition()) window.Move(p);
}

}  // namespace zel::wx
