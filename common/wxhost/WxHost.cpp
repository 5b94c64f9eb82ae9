#include "WxHost.h"

#include "DialogFrame.h"
#include "Menu.h"
#include "MenuClicks.h"
#include "UiProbe.h"
#include "MessageBoxIcon.h"
#include "WxControls.h"
#include "WxDialog.h"
#include "WorkArea.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <clocale>
#include <cstdlib>
#include <memory>

namespace zel::wx {
namespace {

wxString W(const std::string& s) { return wxString::FromUTF8(s.c_str()); }

std::unique_ptr<wxLocale>& TheLocale() {
    static std::unique_ptr<wxLocale> locale;
    return locale;
}

// Menus as wx menus, the item ids being the commands.
void Fill(wxMenu& out, const CMenu& menu) {
    for (const CMenu::Item& item : menu.Items()) {
        if (item.separator) {
            out.AppendSeparator();
        } else if (item.popup) {
            auto* sub = new wxMenu;
            Fill(*sub, *item.popup);
            out.AppendSubMenu(sub, W(item.text));
        } else {
            wxMenuItem* mi = out.Append(ToWxId(item.id), W(item.text));
            out.Enable(ToWxId(item.id), item.enabled);
            if (item.checked) {
                mi->SetCheckable(true);
                mi->Check(true);
            }
        }
    }
}

}  // namespace

bool UsePortugueseLocale() {
    setenv("LANGUAGE", "pt_BR:pt", 1);
    const bool ok = std::setlocale(LC_ALL, "pt_BR.UTF-8") != nullptr;
    if (ok) {
        setenv("LANG", "pt_BR.UTF-8", 1);
        setenv("LC_ALL", "pt_BR.UTF-8", 1);
    }
    std::setlocale(LC_NUMERIC, "C");
    return ok;
}

void InitWxLocale() {
    wxLogNull quiet;  // wx has no catalogue of its own for pt_BR; its absence is not an error here
    auto locale = std::make_unique<wxLocale>();
    if (locale->Init(wxLANGUAGE_PORTUGUESE_BRAZILIAN, wxLOCALE_DONT_LOAD_DEFAULT)) TheLocale() = std::move(locale);
    std::setlocale(LC_NUMERIC, "C");
}

WxHost::WxHost(Program program) : m_bitmaps(program), m_probe(UiProbe::StartIfAsked()) { FrameModalDialogsPlainly(); }
WxHost::~WxHost() = default;

void WxHost::Install(CAppContext& context) {
    context.dialogs = this;
    context.messages = this;
}

wxWindow* WxHost::Parent() const {
    if (!m_modal.empty()) return m_modal.back();
    if (parentWindow) return parentWindow;
    wxWindow* top = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
    for (WxDialog* d : m_modeless)
        if (d == top) return nullptr;
    return top;
}

WxDialog* WxHost::FindWindowOf(const CDialog& dialog) const {
    for (WxDialog* d : m_modal)
        if (&d->Model() == &dialog) return d;
    for (WxDialog* d : m_modeless)
        if (&d->Model() == &dialog) return d;
    return nullptr;
}

wxRect WxHost::MainWindowArea() const {
    wxRect area = MainDisplayArea(parentWindow);
    for (WxDialog* d : m_modeless)
        if (d->IsBanner() && d->IsShown()) area = AreaAbove(area, d->GetScreenRect());
    return area;
}

void WxHost::BannerMoved() {
    if (onMainWindowAreaChanged) onMainWindowAreaChanged();
}

int WxHost::RunModal(CDialog& dialog) {
    if (!dialog.CreateWindowModel()) return -1;
    int result = -1;
    {
        WxDialog window(Parent(), dialog, m_bitmaps);
        m_modal.push_back(&window);
        dialog.InitDialogModel();
        window.FinishLayout();
        if (!dialog.IsEnded()) {
            // Once the window is mapped and painted, which takes the X server a moment.
            wxTimer shown;
            if (onDialogShown) {
                shown.Bind(wxEVT_TIMER, [this, &window](wxTimerEvent&) { onDialogShown(window); });
                shown.StartOnce(400);
            }
            FrameAsModalDialog(window);
            window.ShowModal();
        }
        result = dialog.GetModalResult();
        m_modal.pop_back();
    }
    dialog.DestroyWindowModel();
    return result;
}

bool WxHost::CreateModeless(CDialog& dialog) {
    if (!dialog.CreateWindowModel()) return false;
    auto* window = new WxDialog(Parent(), dialog, m_bitmaps);
    m_modeless.push_back(window);
    if (window->IsBanner()) window->onPlaced = [this] { BannerMoved(); };
    dialog.InitDialogModel();
    window->FinishLayout();
    window->Show();
    return true;
}

void WxHost::DestroyModeless(CDialog& dialog) {
    for (auto it = m_modeless.begin(); it != m_modeless.end(); ++it) {
        if (&(*it)->Model() == &dialog) {
            WxDialog* w = *it;
            m_modeless.erase(it);
            const bool banner = w->IsBanner();
            w->Detach();  // the model goes now; the window when wx is done with it
            w->Hide();
            w->Destroy();
            if (banner) BannerMoved();
            return;
        }
    }
}

int WxHost::TrackPopupMenu(CMenu& menu, int x, int y, CWnd* /*owner*/) {
    wxWindow* parent = Parent();
    if (!parent) return 0;
    wxMenu popup;
    Fill(popup, menu);
    OpenSubmenusOnClick(popup);
    const int chosen = parent->GetPopupMenuSelectionFromUser(popup, parent->ScreenToClient(wxPoint(x, y)));
    return chosen == wxID_NONE ? 0 : FromWxId(chosen);
}

std::string WxHost::GetClipboardText() {
    std::string text;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data)) text = std::string(data.GetText().utf8_str());
        wxTheClipboard->Close();
    }
    return text;
}

CSize WxHost::GetScreenSize() const {
    const wxSize s = wxGetDisplaySize();
    return {s.GetWidth(), s.GetHeight()};
}

void WxHost::BeginWaitCursor() { wxBeginBusyCursor(); }
void WxHost::EndWaitCursor() {
    if (wxIsBusy()) wxEndBusyCursor();
}

bool WxHost::IsKeyToggled(int indicatorId) const {
    switch (indicatorId) {
    case ID_INDICATOR_CAPS: return wxGetKeyState(WXK_CAPITAL);
    case ID_INDICATOR_NUM: return wxGetKeyState(WXK_NUMLOCK);
    case ID_INDICATOR_SCRL: return wxGetKeyState(WXK_SCROLL);  // not reliable on GTK: usually off
    default: return false;
    }
}

int WxHost::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    long style = 0;
    switch (type & MB_BUTTON_MASK) {
    case MB_OKCANCEL: style = wxOK | wxCANCEL; break;
    case MB_YESNO: style = wxYES_NO; break;
    case MB_YESNOCANCEL: style = wxYES_NO | wxCANCEL; break;
    default: style = wxOK; break;
    }
    MessageIcon icon = MessageIcon::None;
    switch (type & MB_ICON_MASK) {
    case MB_ICONERROR: style |= wxICON_ERROR; icon = MessageIcon::Stop; break;
    case MB_ICONQUESTION: style |= wxICON_QUESTION; icon = MessageIcon::Question; break;
    case MB_ICONWARNING: style |= wxICON_WARNING; icon = MessageIcon::Exclamation; break;
    case MB_ICONINFORMATION: style |= wxICON_INFORMATION; icon = MessageIcon::Information; break;
    default: style |= wxICON_NONE; break;
    }
    wxMessageDialog box(Parent(), W(text), W(caption), style);
    // The buttons' texts in Portuguese whatever catalogues wx finds.
    if ((type & MB_BUTTON_MASK) == MB_YESNO)
        box.SetYesNoLabels(wxMessageDialog::ButtonLabel(W("&Sim")), wxMessageDialog::ButtonLabel(W("&Não")));
    else if ((type & MB_BUTTON_MASK) == MB_YESNOCANCEL)
        box.SetYesNoCancelLabels(wxMessageDialog::ButtonLabel(W("&Sim")), wxMessageDialog::ButtonLabel(W("&Não")),
                                 wxMessageDialog::ButtonLabel(W("&Cancelar")));
    else
        box.SetOKCancelLabels(wxMessageDialog::ButtonLabel(W("OK")), wxMessageDialog::ButtonLabel(W("&Cancelar")));
    wxTimer shown;
    if (onMessageShown) {
        shown.Bind(wxEVT_TIMER, [this, &box](wxTimerEvent&) { onMessageShown(box); });
        shown.StartOnce(400);
    }
    const ScopedMessageBoxIcon picture(DrawMessageIcon(icon, 48));
    switch (box.ShowModal()) {
    case wxID_OK: return IDOK;
    case wxID_YES: return IDYES;
    case wxID_NO: return IDNO;
    default: return (style & wxCANCEL) ? IDCANCEL : ((style & wxYES_NO) ? IDNO : IDOK);
    }
}

bool SaveScreenshot(wxWindow* window, const std::string& path) {
    if (!window) return false;
    window->Raise();
    window->Refresh();
    for (int i = 0; i < 8; ++i) {
        wxYield();
        wxMilliSleep(25);
    }
    window->Update();
    // From the X server's root window, where every mapped window shows (a screen DC of wx misses modal
    // dialogs here); the native window also serves GTK's own message dialogs.
    auto* widget = static_cast<GtkWidget*>(window->GetHandle());
    GdkWindow* gdkWindow = widget ? gtk_widget_get_window(widget) : nullptr;
    if (!gdkWindow) return false;
    int x = 0, y = 0;
    gdk_window_get_origin(gdkWindow, &x, &y);
    const int w = gdk_window_get_width(gdkWindow);
    const int h = gdk_window_get_height(gdkWindow);
    if (w <= 0 || h <= 0) return false;
    GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), x, y, w, h);
    if (!pixbuf) return false;
    const gboolean saved = gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    return saved != FALSE;
}

}  // namespace zel::wx
