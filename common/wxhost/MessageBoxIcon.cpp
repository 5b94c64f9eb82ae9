#include "MessageBoxIcon.h"

#include <gtk/gtk.h>

namespace zel::wx {
namespace {

constexpr const char* kMarker = "zel-message-icon";

gboolean OnShown(GSignalInvocationHint*, guint count, const GValue* values, gpointer data) {
    if (count < 1 || !G_VALUE_HOLDS_OBJECT(&values[0])) return TRUE;
    auto* object = static_cast<GObject*>(g_value_get_object(&values[0]));
    if (!GTK_IS_MESSAGE_DIALOG(object) || g_object_get_data(object, kMarker)) return TRUE;
    const wxBitmap& icon = static_cast<const ScopedMessageBoxIcon*>(data)->Icon();
    GdkPixbuf* pixbuf = icon.GetPixbuf();
    if (!pixbuf) return TRUE;
    // The message area sits in a horizontal box of its own, where GTK once put the picture.
    GtkWidget* area = gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(object));
    GtkWidget* box = area ? gtk_widget_get_parent(area) : nullptr;
    if (!box || !GTK_IS_BOX(box)) return TRUE;
    GtkWidget* image = gtk_image_new_from_pixbuf(pixbuf);
    gtk_widget_set_valign(image, GTK_ALIGN_START);
    gtk_widget_set_name(image, kMarker);
    gtk_box_pack_start(GTK_BOX(box), image, FALSE, FALSE, 0);
    gtk_box_reorder_child(GTK_BOX(box), image, 0);
    gtk_widget_show(image);
    g_object_set_data(object, kMarker, image);
    return TRUE;
}

}  // namespace

ScopedMessageBoxIcon::ScopedMessageBoxIcon(const wxBitmap& icon) : m_icon(icon) {
    if (!m_icon.IsOk()) return;
    // Realized, not yet placed: the window is centred with the picture in its size.
    m_signal = g_signal_lookup("realize", GTK_TYPE_WIDGET);
    if (m_signal != 0) m_hook = g_signal_add_emission_hook(m_signal, 0, OnShown, this, nullptr);
}

ScopedMessageBoxIcon::~ScopedMessageBoxIcon() {
    if (m_hook != 0) g_signal_remove_emission_hook(m_signal, m_hook);
}

}  // namespace zel::wx
