// The host first: the application's headers define names that wx's headers make macros of.
#include "WxHost.h"

#include "ScreenTour.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <gtk/gtk.h>

#include <cstdio>
#include <filesystem>

// The application object of the test programs that use the tour (wx wants one; the tests run the loop).
class ScreenTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(ScreenTestApp);

namespace zeltest {
namespace {

// The picture a message box of this style shows.
wxColour PictureOf(long style) {
    if (style & wxICON_ERROR) return wxColour(200, 30, 30);
    if (style & wxICON_WARNING) return wxColour(245, 185, 0);
    return wxColour(30, 90, 200);
}

}  // namespace

bool StartWx(const char* programName) {
    if (!zel::wx::UsePortugueseLocale()) return false;
    static std::string name;
    static char* argv[] = {nullptr, nullptr};
    name = programName;
    argv[0] = name.data();
    int argc = 1;
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return false;
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();
    return true;
}

void StopWx() { wxEntryCleanup(); }

ScreenTour::ScreenTour(std::string folder, std::string prefix) : m_folder(std::move(folder)), m_prefix(std::move(prefix)) {
    std::filesystem::create_directories(m_folder);
}

ScreenTour::~ScreenTour() = default;

void ScreenTour::Pump(int rounds) {
    for (int i = 0; i < rounds; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
}

std::string ScreenTour::Path(const std::string& name) const { return m_folder + "/" + m_prefix + "-" + name + ".png"; }

void ScreenTour::Watch(zel::wx::WxHost& host) {
    host.onDialogShown = [this](zel::wx::WxDialog& w) {
        const int id = w.Model().GetTemplateId();
        const auto it = steps.find(id);
        if (it == steps.end()) {
            Look(w, "dialogo-" + std::to_string(id));
            w.Model().UserCancel();
            return;
        }
        const Step step = it->second;  // a step may replace itself
        step(w);
    };
    host.onMessageShown = [this](wxWindow& box) { LookAtMessage(box); };
}

void ScreenTour::Stop(zel::wx::WxHost& host) {
    host.onDialogShown = nullptr;
    host.onMessageShown = nullptr;
}

ScreenTour::Step ScreenTour::LookAndCancel(const std::string& name) {
    return [this, name](zel::wx::WxDialog& w) {
        Look(w, name);
        w.Model().UserCancel();
    };
}

void ScreenTour::LookLaterAt(int templateId, const std::string& name, int milliseconds) {
    m_later = std::make_unique<wxTimer>();
    m_later->Bind(wxEVT_TIMER, [this, templateId, name](wxTimerEvent&) {
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* d = dynamic_cast<zel::wx::WxDialog*>(w); d && d->IsShown() && d->Model().GetTemplateId() == templateId)
                Check(*d, name, nullptr);
    });
    m_later->StartOnce(milliseconds);
}

void ScreenTour::Look(wxWindow& dialog, const std::string& name) {
    // A dialog opened from another is centred on it; the others on the main window (never on the banner).
    const wxWindow* parent = dialog.GetParent();
    const bool fromDialog = parent && parent != mainWindow && parent->IsShown() && parent->GetScreenRect() != banner;
    Check(dialog, name, fromDialog ? parent : mainWindow);
}

void ScreenTour::LookAgain(wxWindow& dialog, const std::string& name) { Check(dialog, name, nullptr); }

void ScreenTour::Check(wxWindow& dialog, const std::string& name, const wxWindow* centredOn) {
    Pump(5);
    m_seen.insert(name);
    EXPECT_TRUE(zel::wx::SaveScreenshot(&dialog, Path(name))) << name;
    EXPECT_TRUE(SaveWholeScreen(Path(name + "-tela"))) << name;
    const Faults faults = DialogFaults(dialog, centredOn, banner);
    EXPECT_TRUE(faults.empty()) << name << ":" << Lines(faults);
}

void ScreenTour::LookAtMessage(wxWindow& box) {
    Pump(3);
    auto* message = dynamic_cast<wxMessageDialog*>(&box);
    ASSERT_NE(message, nullptr);
    const long style = message->GetMessageDialogStyle();
    const std::string name = "mensagem-" + std::to_string(++m_messages);
    std::printf("%s: %s\n", name.c_str(), message->GetMessage().utf8_string().c_str());
    m_seen.insert(name);
    EXPECT_TRUE(zel::wx::SaveScreenshot(&box, Path(name))) << name;
    EXPECT_TRUE(SaveWholeScreen(Path(name + "-tela"))) << name;
    const Faults faults = MessageBoxPlacementFaults(box, mainWindow);
    EXPECT_TRUE(faults.empty()) << name << ":" << Lines(faults);
    if ((style & (wxICON_ERROR | wxICON_WARNING | wxICON_QUESTION | wxICON_INFORMATION)) &&
        PixelsNear(box, PictureOf(style), 30) < 300)
        ++m_withoutPicture;
    gtk_dialog_response(GTK_DIALOG(box.GetHandle()), (style & wxYES_NO) ? GTK_RESPONSE_NO : GTK_RESPONSE_OK);
}

}  // namespace zeltest
