#include "DialogFrame.h"

#include <wx/toplevel.h>

#include <gtk/gtk.h>

namespace zel::wx {
namespace {

// The Motif hints, which window managers read for what a window's frame offers: move and close, and resize
// only for a window that can be resized.
void FramePlainly(GtkWindow* window) {
    GdkWindow* gdkWindow = gtk_widget_get_window(GTK_WIDGET(window));
    if (!gdkWindow) return;
    const bool resizable = gtk_window_get_resizable(window) != FALSE;
    gdk_window_set_functions(gdkWindow, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE |
                                                                   (resizable ? GDK_FUNC_RESIZE : 0)));
    gdk_window_set_decorations(gdkWindow, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE |
                                                                       GDK_DECOR_MENU |
                                                                       (resizable ? GDK_DECOR_RESIZEH : 0)));
}

// On realize: the window exists on the X server and is not yet mapped, so the window manager finds the hints
// when it takes the window on.
gboolean OnRealize(GSignalInvocationHint*, guint count, const GValue* values, gpointer) {
    if (count < 1 || !G_VALUE_HOLDS_OBJECT(&values[0])) return TRUE;
    auto* object = static_cast<GObject*>(g_value_get_object(&values[0]));
    if (!GTK_IS_WINDOW(object)) return TRUE;
    GtkWindow* window = GTK_WINDOW(object);
    if (gtk_window_get_modal(window) && gtk_window_get_type_hint(window) == GDK_WINDOW_TYPE_HINT_DIALOG)
        FramePlainly(window);
    return TRUE;
}

}  // namespace

void FrameAsModalDialog(wxTopLevelWindow& window) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    if (widget && GTK_IS_WINDOW(widget) && gtk_widget_get_realized(widget)) FramePlainly(GTK_WINDOW(widget));
}

void FrameModalDialogsPlainly() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    const guint signal = g_signal_lookup("realize", GTK_TYPE_WIDGET);
    if (signal != 0) g_signal_add_emission_hook(signal, 0, OnRealize, nullptr, nullptr);
}

}  // namespace zel::wx
