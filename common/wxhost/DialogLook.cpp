#include "DialogLook.h"

#include <wx/toplevel.h>

#include <gtk/gtk.h>

namespace zel::wx {
namespace {

constexpr const char* kStyleClass = "zel-dialog";

// Sizes only: colours stay the theme's and the masked edit's own. An entry's and a list's height come from
// their text and padding alone (26 pixels with the default font), the sizes wx also expects of them.
constexpr const char* kCss =
    "window.zel-dialog entry { min-height: 0; padding-top: 3px; padding-bottom: 4px; }"
    "window.zel-dialog combobox button { min-height: 0; padding-top: 4px; padding-bottom: 4px; }"
    "window.zel-dialog button { min-height: 0; padding-top: 4px; padding-bottom: 4px; }"
    "window.zel-dialog checkbutton, window.zel-dialog radiobutton { padding-top: 1px; padding-bottom: 1px; }";

void InstallOnce() {
    static bool installed = false;
    if (installed) return;
    GdkScreen* screen = gdk_screen_get_default();
    if (!screen) return;
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
    installed = true;
}

}  // namespace

void UseDialogLook(wxTopLevelWindow& window) {
    auto* widget = static_cast<GtkWidget*>(window.GetHandle());
    if (!widget) return;
    InstallOnce();
    gtk_style_context_add_class(gtk_widget_get_style_context(widget), kStyleClass);
}

}  // namespace zel::wx
