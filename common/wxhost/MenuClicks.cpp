#include "MenuClicks.h"

#include <wx/menu.h>

#include <gtk/gtk.h>

namespace zel::wx {
namespace {

bool PointerOn(GtkWidget* item, GdkDevice* device) {
    GtkAllocation a;
    gtk_widget_get_allocation(item, &a);
    int x = 0, y = 0;
    gdk_window_get_device_position(gtk_widget_get_window(item), device, &x, &y, nullptr);
    return x >= a.x && x < a.x + a.width && y >= a.y && y < a.y + a.height;
}

gboolean OnRelease(GtkWidget* menu, GdkEventButton* event, gpointer) {
    GtkWidget* item = gtk_menu_shell_get_selected_item(GTK_MENU_SHELL(menu));
    if (!item || !GTK_IS_MENU_ITEM(item) || !gtk_widget_is_sensitive(item)) return FALSE;
    GtkWidget* submenu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(item));
    // Handled here, GTK's own handling of the release, which pops the submenu down again, is skipped.
    return submenu && event->device && PointerOn(item, event->device);
}

}  // namespace

void OpenSubmenusOnClick(wxMenu& menu) {
    g_signal_connect(menu.m_menu, "button-release-event", G_CALLBACK(OnRelease), nullptr);
    for (wxMenuItem* item : menu.GetMenuItems())
        if (wxMenu* sub = item->GetSubMenu()) OpenSubmenusOnClick(*sub);
}

}  // namespace zel::wx
