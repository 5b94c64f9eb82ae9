#include "UiProbe.h"

#include "WxControls.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/toolbar.h>

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zel::wx {
namespace {

// One field of a line: tabs and line breaks would split the line.
std::string Field(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == '\t') out += ' ';
        else if (c == '\n') out += "\\n";
        else if (c != '\r') out += c;
    }
    return out;
}

std::string Num(long v) { return std::to_string(v); }
std::string Flag(const char* name, bool v) { return std::string(name) + (v ? "=1" : "=0"); }

void Line(std::string& out, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& f : fields) {
        if (!first) out += '\t';
        out += f;
        first = false;
    }
    out += '\n';
}

struct Rect {
    int x = -1, y = -1, w = -1, h = -1;
};

void AddRect(std::string& out, const Rect& r) {
    out += Num(r.x) + '\t' + Num(r.y) + '\t' + Num(r.w) + '\t' + Num(r.h);
}

// Where a GTK widget is on the screen; false when it is not mapped.
bool ScreenRect(GtkWidget* w, Rect& r) {
    if (!w || !gtk_widget_get_mapped(w)) return false;
    GtkWidget* top = gtk_widget_get_toplevel(w);
    GdkWindow* window = top ? gtk_widget_get_window(top) : nullptr;
    if (!window) return false;
    int tx = 0, ty = 0;
    if (!gtk_widget_translate_coordinates(w, top, 0, 0, &tx, &ty)) return false;
    int ox = 0, oy = 0;
    gdk_window_get_origin(window, &ox, &oy);
    GtkAllocation a;
    gtk_widget_get_allocation(w, &a);
    r = {ox + tx, oy + ty, a.width, a.height};
    return true;
}

// A GTK label with its mnemonic marked as the programs write it ("_Abrir" -> "&Abrir").
std::string FromMnemonic(const char* label) {
    std::string out;
    if (!label) return out;
    for (const char* p = label; *p; ++p) {
        if (*p == '_') {
            if (p[1] == '_') {
                out += '_';
                ++p;
            } else {
                out += '&';
            }
        } else {
            out += *p;
        }
    }
    return out;
}

// The text of a combo box's popup line (a cell view showing a row of a one-string model).
std::string CellViewText(GtkCellView* view) {
    GtkTreeModel* model = gtk_cell_view_get_model(view);
    GtkTreePath* path = gtk_cell_view_get_displayed_row(view);
    std::string text;
    GtkTreeIter iter;
    if (model && path && gtk_tree_model_get_n_columns(model) > 0 &&
        gtk_tree_model_get_column_type(model, 0) == G_TYPE_STRING && gtk_tree_model_get_iter(model, &iter, path)) {
        gchar* s = nullptr;
        gtk_tree_model_get(model, &iter, 0, &s, -1);
        if (s) text = s;
        g_free(s);
    }
    if (path) gtk_tree_path_free(path);
    return text;
}

std::string MenuItemText(GtkWidget* item) {
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(item));
    if (child && GTK_IS_CELL_VIEW(child)) return CellViewText(GTK_CELL_VIEW(child));
    if (child && GTK_IS_LABEL(child)) return FromMnemonic(gtk_label_get_label(GTK_LABEL(child)));
    if (child && GTK_IS_CONTAINER(child)) {
        // wx puts an image and a label in a box for items with bitmaps.
        std::string found;
        GList* kids = gtk_container_get_children(GTK_CONTAINER(child));
        for (GList* k = kids; k; k = k->next)
            if (GTK_IS_LABEL(k->data) && found.empty()) found = FromMnemonic(gtk_label_get_label(GTK_LABEL(k->data)));
        g_list_free(kids);
        return found;
    }
    return FromMnemonic(gtk_menu_item_get_label(GTK_MENU_ITEM(item)));
}

struct Walk {
    std::string& out;
    int window;
    bool foreign;  // a window the programs did not build from a template (message box, file dialog)
};

void WalkWidget(GtkWidget* w, Walk& walk);

void WalkChild(GtkWidget* w, gpointer data) { WalkWidget(w, *static_cast<Walk*>(data)); }

void WalkWidget(GtkWidget* w, Walk& walk) {
    if (!gtk_widget_get_visible(w)) return;
    Rect r;
    if (GTK_IS_MENU_ITEM(w) && !GTK_IS_SEPARATOR_MENU_ITEM(w)) {
        if (ScreenRect(w, r)) {
            walk.out += "menu\t" + Num(walk.window) + '\t';
            AddRect(walk.out, r);
            walk.out += '\t' + Flag("enabled", gtk_widget_is_sensitive(w)) + '\t' + Field(MenuItemText(w)) + '\n';
        }
        return;  // a submenu is a window of its own once it opens
    }
    if (walk.foreign && GTK_IS_BUTTON(w) && !GTK_IS_TOGGLE_BUTTON(w)) {
        if (ScreenRect(w, r)) {
            const char* label = gtk_button_get_label(GTK_BUTTON(w));
            std::string text = FromMnemonic(label);
            if (text.empty()) {
                // Stock-like buttons keep their text in a label inside.
                GtkWidget* child = gtk_bin_get_child(GTK_BIN(w));
                if (child && GTK_IS_LABEL(child)) text = FromMnemonic(gtk_label_get_label(GTK_LABEL(child)));
            }
            walk.out += "button\t" + Num(walk.window) + '\t';
            AddRect(walk.out, r);
            walk.out += '\t' + Flag("enabled", gtk_widget_is_sensitive(w)) + '\t' + Field(text) + '\n';
        }
        return;
    }
    if (walk.foreign && GTK_IS_LABEL(w)) {
        if (gtk_widget_get_mapped(w)) Line(walk.out, {"label", Num(walk.window), Field(gtk_label_get_text(GTK_LABEL(w)))});
        return;
    }
    if (GTK_IS_CONTAINER(w)) gtk_container_forall(GTK_CONTAINER(w), WalkChild, &walk);
}

void FindToolbar(GtkWidget* w, gpointer data) {
    auto** found = static_cast<GtkWidget**>(data);
    if (*found) return;
    if (GTK_IS_TOOLBAR(w)) *found = w;
    else if (GTK_IS_CONTAINER(w)) gtk_container_forall(GTK_CONTAINER(w), FindToolbar, data);
}

// The tool bar's buttons by command: wx's tools and GTK's items come in the same order.
void ProbeToolBar(std::string& out, int window, wxToolBar* bar) {
    GtkWidget* widget = nullptr;
    if (bar->GetHandle()) FindToolbar(static_cast<GtkWidget*>(bar->GetHandle()), &widget);
    if (!widget) return;
    GtkToolbar* toolbar = GTK_TOOLBAR(widget);
    const int n = gtk_toolbar_get_n_items(toolbar);
    for (int i = 0; i < n && i < static_cast<int>(bar->GetToolsCount()); ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(i);
        if (!tool || tool->IsSeparator()) continue;
        Rect r;
        if (!ScreenRect(GTK_WIDGET(gtk_toolbar_get_nth_item(toolbar, i)), r)) continue;
        out += "tool\t" + Num(window) + '\t' + Num(FromWxId(tool->GetId())) + '\t';
        AddRect(out, r);
        out += '\t' + Flag("enabled", tool->IsEnabled()) + '\t' + Field(std::string(tool->GetShortHelp().utf8_str())) + '\n';
    }
}

std::string Snapshot() {
    std::string out;
    std::map<GtkWidget*, int> index;
    std::vector<GtkWidget*> windows;
    GList* tops = gtk_window_list_toplevels();
    for (GList* t = tops; t; t = t->next) {
        auto* w = GTK_WIDGET(t->data);
        if (!gtk_widget_get_mapped(w)) continue;
        index[w] = static_cast<int>(windows.size());
        windows.push_back(w);
    }
    g_list_free(tops);

    std::map<GtkWidget*, bool> templated;
    // A binding whose model is gone (a closed project's tree) may outlive its widget: never touch it.
    for (ControlBinding* b : ControlBinding::All())
        if (b->Model() && b->Widget() && b->Widget()->GetHandle())
            templated[gtk_widget_get_toplevel(static_cast<GtkWidget*>(b->Widget()->GetHandle()))] = true;

    for (std::size_t i = 0; i < windows.size(); ++i) {
        GtkWidget* w = windows[i];
        GtkWindow* gw = GTK_WINDOW(w);
        GdkWindow* gdk = gtk_widget_get_window(w);
        Rect r;
        if (gdk) {
            gdk_window_get_origin(gdk, &r.x, &r.y);
            r.w = gdk_window_get_width(gdk);
            r.h = gdk_window_get_height(gdk);
        }
        const char* title = gtk_window_get_title(gw);
        const unsigned long xid = gdk && GDK_IS_X11_WINDOW(gdk) ? gdk_x11_window_get_xid(gdk) : 0;
        out += "window\t" + Num(static_cast<long>(i)) + '\t';
        AddRect(out, r);
        out += '\t' + Flag("active", gtk_window_is_active(gw)) + '\t' + Flag("modal", gtk_window_get_modal(gw)) + '\t' +
               Flag("popup", gtk_window_get_window_type(gw) == GTK_WINDOW_POPUP) + "\txid=" + std::to_string(xid) +
               '\t' + Field(title ? title : "") + '\n';
        Walk walk{out, static_cast<int>(i), templated.count(w) == 0 && gtk_window_get_window_type(gw) != GTK_WINDOW_POPUP};
        gtk_container_forall(GTK_CONTAINER(w), WalkChild, &walk);
    }

    for (ControlBinding* b : ControlBinding::All()) {
        wxWindow* widget = b->Widget();
        CWnd* model = b->Model();
        if (!widget || !model || !widget->GetHandle()) continue;
        auto* gtk = static_cast<GtkWidget*>(widget->GetHandle());
        const auto it = index.find(gtk_widget_get_toplevel(gtk));
        if (it == index.end()) continue;
        Rect r;
        ScreenRect(gtk, r);
        wxWindow* focus = wxWindow::FindFocus();
        const bool hasFocus = focus && (focus == widget || focus->GetParent() == widget);
        out += "control\t" + Num(it->second) + '\t' + Num(model->GetDlgCtrlID()) + '\t' + ControlKindName(model->GetKind()) + '\t';
        AddRect(out, r);
        out += '\t' + Flag("enabled", model->IsWindowEnabled()) + '\t' + Flag("visible", model->IsWindowVisible()) + '\t' +
               Flag("focus", hasFocus) + '\t' + Flag("modelfocus", model->GetFocus() == model) + '\t' +
               Field(model->GetWindowText()) + '\n';
        std::vector<ProbeItem> items;
        b->ProbeItems(items);
        for (const ProbeItem& item : items) {
            out += "item\t" + Num(it->second) + '\t' + Num(model->GetDlgCtrlID()) + '\t' + Num(item.index) + '\t';
            AddRect(out, item.rect.IsEmpty() ? Rect{} : Rect{item.rect.x, item.rect.y, item.rect.width, item.rect.height});
            out += '\t' + Flag("selected", item.selected) + '\t' + Field(item.text) + '\n';
        }
    }

    for (wxWindowList::compatibility_iterator n = wxTopLevelWindows.GetFirst(); n; n = n->GetNext()) {
        auto* frame = dynamic_cast<wxFrame*>(n->GetData());
        if (!frame || !frame->GetToolBar() || !frame->GetHandle()) continue;
        const auto it = index.find(static_cast<GtkWidget*>(frame->GetHandle()));
        if (it != index.end()) ProbeToolBar(out, it->second, frame->GetToolBar());
    }
    return out;
}

}  // namespace

UiProbe::UiProbe(std::string path) : m_path(std::move(path)), m_timer(std::make_unique<wxTimer>()) {
    m_timer->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Write(); });
    m_timer->Start(50);
}

UiProbe::~UiProbe() = default;

std::unique_ptr<UiProbe> UiProbe::StartIfAsked() {
    const char* path = std::getenv("ZEL_UI_PROBE");
    if (!path || !*path) return nullptr;
    return std::make_unique<UiProbe>(path);
}

void UiProbe::Write() {
    std::string now = Snapshot();
    if (now == m_last) return;
    m_last = now;
    ++m_serial;
    const std::string tmp = m_path + ".tmp";
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return;
    const std::string head = "zel-ui-probe\t" + std::to_string(m_serial) + '\n';
    const bool ok = std::fwrite(head.data(), 1, head.size(), f) == head.size() &&
                    std::fwrite(now.data(), 1, now.size(), f) == now.size() && std::fputs("end\n", f) >= 0;
    if (std::fclose(f) == 0 && ok) std::rename(tmp.c_str(), m_path.c_str());
}

}  // namespace zel::wx
