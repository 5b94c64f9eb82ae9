#pragma once
// A walk through a program's windows on screen: each dialog and message box met is saved as a PNG (the
// window, and the whole screen with it) and checked for what a user would find wrong (ScreenChecks.h); the
// faults are test failures naming the window.

#include "WxDialog.h"
#include "WxHost.h"

#include "ScreenChecks.h"

#include <wx/timer.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace zeltest {

// Starts wx for a test program (in Brazilian Portuguese, with the image handlers); false when it cannot.
bool StartWx(const char* programName);
void StopWx();

class ScreenTour {
public:
    using Step = std::function<void(zel::wx::WxDialog&)>;

    // PNGs go to folder, named prefix-name.png and prefix-name-tela.png.
    ScreenTour(std::string folder, std::string prefix);
    ~ScreenTour();

    wxWindow* mainWindow = nullptr;
    wxRect banner;  // empty: no banner

    // The host's dialogs from now on: each goes to the step of its template (a dialog without one is
    // looked at under its id and cancelled); message boxes are looked at and answered No (questions) or
    // OK.
    void Watch(zel::wx::WxHost& host);
    void Stop(zel::wx::WxHost& host);
    std::map<int, Step> steps;
    // A step that looks at the dialog under the name and cancels it.
    Step LookAndCancel(const std::string& name);
    // Looks, after a delay, at the shown modeless dialog of the template (a splash while the start-up waits).
    void LookLaterAt(int templateId, const std::string& name, int milliseconds);

    // Saves and checks a dialog as it first shows, centred on the window it was opened from.
    void Look(wxWindow& dialog, const std::string& name);
    // The dialog again after the user changed it: it stays where it was, so it is not asked to be centred.
    void LookAgain(wxWindow& dialog, const std::string& name);
    const std::set<std::string>& Seen() const { return m_seen; }
    int MessagesWithoutPicture() const { return m_withoutPicture; }
    std::string Path(const std::string& name) const;

    static void Pump(int rounds = 10);

private:
    void Check(wxWindow& dialog, const std::string& name, const wxWindow* centredOn);
    void LookAtMessage(wxWindow& box);

    std::string m_folder;
    std::string m_prefix;
    std::set<std::string> m_seen;
    int m_messages = 0;
    int m_withoutPicture = 0;
    std::unique_ptr<wxTimer> m_later;
};

}  // namespace zeltest
