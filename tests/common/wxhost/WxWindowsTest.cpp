// The host's windows on a laptop's screen (1366x768, no window manager): the main window maximized beside
// the banner, dialogs and message boxes centred on it, the banner up whatever key or close request reaches
// it, message boxes with the picture of their kind, rows hidden without leaving a gap, and the two menu
// items of a command shared by two menus enabled and disabled together. Screenshots in
// <build>/screenshots/wxhost-windows.
#include "Banner.h"
#include "MainFrame.h"
#include "ScreenTour.h"
#include "WxDialog.h"
#include "WxFrames.h"
#include "WxHost.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/menu.h>
#include <wx/utils.h>

#include <gtk/gtk.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ID_DISJUNTOR_INCLUIR = 32774;
constexpr int ID_FUSIVEL_INCLUIR = 32778;
constexpr int ID_DISPOSITIVO_EXCLUIR = 32786;

std::string Pasta() {
    const std::string pasta = "../screenshots/wxhost-windows";
    std::filesystem::create_directories(pasta);
    return pasta;
}

class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(zeltest::StartWx("wxhost_windows_gui"));
        // Kept by reference in the resource tables.
        static const MenuTemplate menu = {128, {Popup("&Disjuntor", {MenuItem("&Incluir ...", ID_DISJUNTOR_INCLUIR),
                                                                    MenuItem("&Excluir ...", ID_DISPOSITIVO_EXCLUIR)}),
                                               Popup("&Fusível", {MenuItem("&Incluir ...", ID_FUSIVEL_INCLUIR),
                                                                  MenuItem("&Excluir ...", ID_DISPOSITIVO_EXCLUIR)})}};
        static const ToolbarTemplate toolbar = {128, {ID_DISJUNTOR_INCLUIR, ID_FUSIVEL_INCLUIR, 0, ID_DISPOSITIVO_EXCLUIR}};
        RegisterMenu(menu);
        RegisterToolbar(toolbar);
    }
    void TearDown() override { zeltest::StopWx(); }
};

[[maybe_unused]] ::testing::Environment* const g_wx = ::testing::AddGlobalTestEnvironment(new WxEnvironment);

class App : public CWinApp {
public:
    bool deviceSelected = false;
    void OnIncluir() {}
    void OnExcluir() {}
    void OnUpdateExcluir(CCmdUI* pCmdUI) { pCmdUI->Enable(deviceSelected); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(App, CWinApp)
    ON_COMMAND(ID_DISJUNTOR_INCLUIR, OnIncluir)
    ON_COMMAND(ID_FUSIVEL_INCLUIR, OnIncluir)
    ON_COMMAND(ID_DISPOSITIVO_EXCLUIR, OnExcluir)
    ON_UPDATE_COMMAND_UI(ID_DISPOSITIVO_EXCLUIR, OnUpdateExcluir)
END_MESSAGE_MAP()

// A row that the user hides (1010/1011), one hidden from the start (1020/1021) and a narrow list whose
// items are wider than it.
constexpr int IDC_CIRCUITO = 1001, IDC_ROTULO_FATOR = 1010, IDC_FATOR = 1011, IDC_ROTULO_TEMPO = 1020,
              IDC_TEMPO = 1021, IDC_SECAO = 1031, IDC_OCULTAR = 1050;

const DialogTemplate kCircuito = {990, "Dados do circuito", {
    Label("&Circuito:", 0, 0), Edit(IDC_CIRCUITO, 0, 1).MaxLength(20).Span(2),
    Label("&Fator de potência:", 1, 0, IDC_ROTULO_FATOR), MaskedEdit(IDC_FATOR, "#.##", 1, 1),
    Label("Tempo corrente c.c. &blindagem :", 2, 0, IDC_ROTULO_TEMPO).HiddenAtStart(),
    MaskedEdit(IDC_TEMPO, "####.####", 2, 1).HiddenAtStart(), Label("s", 2, 2).HiddenAtStart(),
    Label("Seção nominal do condutor :", 3, 0), DropList(IDC_SECAO, 3, 1).Width(4), Label("mm²", 3, 2),
    CheckBox(1040, "Dispensar contatos &indiretos", 4, 0).Span(3),
    PushButton(IDC_OCULTAR, "&Ocultar o fator", 5, 0),
    OkButton(), CancelButton()}};

class CCircuito : public CDialog {
public:
    CCircuito() : CDialog(kCircuito) {}
    int OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_CIRCUITO, "ALIM-Subestação 2");
        auto* secao = static_cast<CComboBox*>(GetDlgItem(IDC_SECAO));
        for (const char* s : {"Autom.", " 240", " 300"}) secao->AddString(s);
        secao->SetCurSel(0);
        return TRUE;
    }
    void OnOcultar() {
        GetDlgItem(IDC_ROTULO_FATOR)->ShowWindow(SW_HIDE);
        GetDlgItem(IDC_FATOR)->ShowWindow(SW_HIDE);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCircuito, CDialog)
    ON_BN_CLICKED(IDC_OCULTAR, OnOcultar)
END_MESSAGE_MAP()

// The main window maximized, the banner up.
class WxWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        context.appTitle = "Lvsize";
        host.Install(context);
        frame.m_pApp = &app;
        ASSERT_NE(frame.LoadFrame(128), 0);
        frameHost = std::make_unique<zel::wx::WxFrameHost>(frame, host, "Lvsize");
        frame.ActivateFrame(SW_SHOWMAXIMIZED);
        frameHost->Frame()->Show();
        bannerTemplate = BannerTemplate(168, 170);
        banner = ShowBanner(bannerTemplate);
        zeltest::ScreenTour::Pump(20);
        ASSERT_TRUE(banner);
        bannerWindow = host.FindWindowOf(*banner);
        ASSERT_NE(bannerWindow, nullptr);
    }
    void TearDown() override {
        banner.reset();
        frameHost.reset();
        for (wxWindow* w : wxTopLevelWindows) w->Destroy();
        zeltest::ScreenTour::Pump(5);
    }
    wxWindow* Main() const { return frameHost->Frame(); }

    CAppContext context;
    ScopedAppContext scope{context};
    zel::wx::WxHost host{Program::Lvsize};
    App app;
    CMainFrame frame;
    std::unique_ptr<zel::wx::WxFrameHost> frameHost;
    DialogTemplate bannerTemplate;
    std::unique_ptr<CDialog> banner;
    zel::wx::WxDialog* bannerWindow = nullptr;
};

TEST_F(WxWindowsTest, TheMaximizedMainWindowTakesTheScreenAboveTheBanner) {
    EXPECT_TRUE(zeltest::SaveWholeScreen(Pasta() + "/tela.png"));
    const wxRect b = bannerWindow->GetScreenRect();
    EXPECT_EQ(b, wxRect(1366 / 2 - 248, 768 - 146, 496, 88)) << "where the programs put it";
    EXPECT_TRUE(zeltest::BannerFaults(*bannerWindow, *Main()).empty())
        << zeltest::Lines(zeltest::BannerFaults(*bannerWindow, *Main()));
    EXPECT_EQ(Main()->GetScreenRect(), wxRect(0, 0, 1366, 768 - 146)) << "the whole width, down to the banner";

    // The banner gone, the main window takes the screen.
    banner.reset();
    zeltest::ScreenTour::Pump(10);
    EXPECT_EQ(Main()->GetScreenRect(), wxRect(0, 0, 1366, 768));
}

TEST_F(WxWindowsTest, NoKeyAndNoCloseRequestTakesTheBannerDown) {
    for (const int key : {WXK_ESCAPE, WXK_RETURN, WXK_NUMPAD_ENTER}) {
        wxKeyEvent press(wxEVT_CHAR_HOOK);
        press.m_keyCode = key;
        press.SetEventObject(bannerWindow);
        bannerWindow->ProcessWindowEvent(press);
        zeltest::ScreenTour::Pump(3);
        EXPECT_TRUE(bannerWindow->IsShown()) << "key " << key;
        EXPECT_TRUE(banner->IsWindowVisible()) << "key " << key;
    }
    bannerWindow->Close();
    zeltest::ScreenTour::Pump(3);
    EXPECT_TRUE(bannerWindow->IsShown()) << "close request";
    auto* widget = static_cast<GtkWidget*>(bannerWindow->GetHandle());
    EXPECT_FALSE(gtk_window_get_accept_focus(GTK_WINDOW(widget))) << "the banner never takes the focus";
}

TEST_F(WxWindowsTest, DialogsAreCentredOnTheMainWindowWithoutGapsOrCutTexts) {
    bool shown = false;
    int heightBefore = 0, heightAfter = 0;
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        shown = true;
        EXPECT_EQ(w.GetParent(), Main());
        EXPECT_TRUE(zeltest::SaveWholeScreen(Pasta() + "/dialogo.png"));
        const zeltest::Faults before = zeltest::DialogFaults(w, Main(), bannerWindow->GetScreenRect());
        EXPECT_TRUE(before.empty()) << zeltest::Lines(before);
        heightBefore = w.GetSize().GetHeight();
        w.Model().UserClickButton(IDC_OCULTAR);
        zeltest::ScreenTour::Pump(5);
        EXPECT_FALSE(w.WidgetOf(IDC_FATOR)->IsShown());
        EXPECT_TRUE(zel::wx::SaveScreenshot(&w, Pasta() + "/dialogo-sem-fator.png"));
        const zeltest::Faults after = zeltest::DialogFaults(w, nullptr);
        EXPECT_TRUE(after.empty()) << "after hiding a row:" << zeltest::Lines(after);
        heightAfter = w.GetSize().GetHeight();
        w.Model().UserCancel();
    };
    CCircuito dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(shown);
    EXPECT_LT(heightAfter, heightBefore) << "the dialog closes up the hidden row";
}

TEST_F(WxWindowsTest, MessageBoxesShowThePictureOfTheirKindCentredOnTheMainWindow) {
    struct Case {
        unsigned type;
        const char* name;
        wxColour picture;
    } cases[] = {
        {MB_ICONSTOP, "pare", wxColour(200, 30, 30)},
        {MB_ICONEXCLAMATION, "exclamacao", wxColour(245, 185, 0)},
        {MB_ICONQUESTION | MB_YESNO, "pergunta", wxColour(30, 90, 200)},
        {MB_ICONINFORMATION, "informacao", wxColour(30, 90, 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int pixels = -1;
        host.onMessageShown = [&](wxWindow& box) {
            zeltest::ScreenTour::Pump(3);
            EXPECT_TRUE(zel::wx::SaveScreenshot(&box, Pasta() + "/mensagem-" + c.name + ".png"));
            pixels = zeltest::PixelsNear(box, c.picture, 30);
            const zeltest::Faults faults = zeltest::MessageBoxPlacementFaults(box, Main());
            EXPECT_TRUE(faults.empty()) << zeltest::Lines(faults);
            gtk_dialog_response(GTK_DIALOG(box.GetHandle()), GTK_RESPONSE_OK);
        };
        AfxMessageBox("Código já existente!", c.type);
        EXPECT_GT(pixels, 300) << "the picture's colour on the box";
    }
    // A box without a picture shows none of them.
    int pixels = -1;
    host.onMessageShown = [&](wxWindow& box) {
        pixels = zeltest::PixelsNear(box, wxColour(200, 30, 30), 30) + zeltest::PixelsNear(box, wxColour(30, 90, 200), 30);
        gtk_dialog_response(GTK_DIALOG(box.GetHandle()), GTK_RESPONSE_OK);
    };
    AfxMessageBox("Nenhuma impressora está instalada.", MB_OK);
    EXPECT_EQ(pixels, 0);
}

// Every item of the menu bar carrying the command, whichever menu holds it.
std::vector<wxMenuItem*> ItemsOf(wxMenuBar& bar, int command) {
    std::vector<wxMenuItem*> found;
    for (std::size_t m = 0; m < bar.GetMenuCount(); ++m)
        for (wxMenuItem* item : bar.GetMenu(m)->GetMenuItems())
            if (item->GetId() == zel::wx::ToWxId(command)) found.push_back(item);
    return found;
}

TEST_F(WxWindowsTest, BothMenuItemsOfASharedCommandFollowItsState) {
    wxMenuBar* bar = frameHost->Frame()->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(ItemsOf(*bar, ID_DISPOSITIVO_EXCLUIR).size(), 2u);
    for (const bool selected : {false, true, false}) {
        app.deviceSelected = selected;
        for (std::size_t m = 0; m < bar->GetMenuCount(); ++m) {
            wxMenuEvent open(wxEVT_MENU_OPEN, 0, bar->GetMenu(m));
            open.SetEventObject(frameHost->Frame());
            frameHost->Frame()->ProcessWindowEvent(open);
            for (wxMenuItem* item : ItemsOf(*bar, ID_DISPOSITIVO_EXCLUIR))
                EXPECT_EQ(item->IsEnabled(), selected)
                    << "\"" << item->GetItemLabelText() << "\" in menu " << m << ", device selected: " << selected;
        }
    }
}

}  // namespace
