#pragma once
// The wx host: runs the window layer's dialogs, message boxes and popup menus on screen (GTK), in
// Brazilian Portuguese.

#include "AppContext.h"
#include "DialogRunner.h"
#include "MessageService.h"
#include "Program.h"
#include "WxBitmaps.h"

#include <wx/gdicmn.h>

#include <functional>
#include <memory>
#include <vector>

class wxWindow;
class wxLocale;

namespace zel::wx {

class WxDialog;
class UiProbe;

// The C library and GTK in pt_BR.UTF-8 (GTK's own texts, such as its file dialog's buttons, come out in
// Portuguese), numbers kept with a point as the programs always wrote them. Call before wxWidgets starts;
// false when the locale is not generated on this machine (see scripts/ensure-locale.sh).
bool UsePortugueseLocale();
// wx's own locale object for the run, after wxWidgets has started.
void InitWxLocale();

class WxHost : public DialogRunner, public IMessageService {
public:
    explicit WxHost(Program program);
    ~WxHost() override;

    void Install(CAppContext& context);
    BitmapProvider& Bitmaps() { return m_bitmaps; }
    void RegisterBitmap(int id, BitmapProvider::Factory factory) { m_bitmaps.Register(id, std::move(factory)); }
    Program GetProgram() const { return m_bitmaps.GetProgram(); }

    int RunModal(CDialog& dialog) override;
    bool CreateModeless(CDialog& dialog) override;
    void DestroyModeless(CDialog& dialog) override;
    int TrackPopupMenu(CMenu& menu, int x, int y, CWnd* owner) override;
    std::string GetClipboardText() override;
    CSize GetScreenSize() const override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    bool IsKeyToggled(int indicatorId) const override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;

    // Called once a dialog shows (modal ones from inside their loop); the smoke test takes its screenshots
    // there.
    std::function<void(WxDialog&)> onDialogShown;
    // Called once a message box shows, with its native window.
    std::function<void(wxWindow&)> onMessageShown;
    // The window new dialogs belong to (the main frame).
    wxWindow* parentWindow = nullptr;
    WxDialog* FindWindowOf(const CDialog& dialog) const;
    // The window the next dialog, message box or popup menu is centred on: the innermost modal dialog, else
    // the main frame. A modeless window (the banner, a splash) is never one.
    wxWindow* Parent() const;

    // The part of the screen the main window may take: the display's work area less the strip a banner
    // keeps at the bottom (empty rectangle: no display).
    wxRect MainWindowArea() const;
    // Called when that area changes (a banner shown, moved or gone).
    std::function<void()> onMainWindowAreaChanged;

private:
    void BannerMoved();

    BitmapProvider m_bitmaps;
    std::vector<WxDialog*> m_modal;     // innermost last
    std::vector<WxDialog*> m_modeless;  // banner, splash
    std::unique_ptr<UiProbe> m_probe;  // only when a test asks for one
};

// A PNG of a window as it shows on screen; false when it cannot be written.
bool SaveScreenshot(wxWindow* window, const std::string& path);

}  // namespace zel::wx
