// Dialogs run modally through the context's runner: nested dialogs and message boxes answered from scripts,
// with a transcript; the modeless banner; the about box of each program.
#include "AboutDlg.h"
#include "Banner.h"
#include "HeadlessHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int IDC_QTY = 1102;
constexpr int IDC_LIST = 1001;
constexpr int IDC_ADD = 1002;

// An inner dialog: one quantity, OK enabled only when it is above 0; a duplicate is refused with a message.
const DialogTemplate kInner = {153, "Dados da carga", {
    Label("&Quantidade de cargas:", 0, 0), MaskedEdit(IDC_QTY, "###", 0, 1), OkButton(), CancelButton()}};

class CInner : public CDialog {
public:
    CInner() : CDialog(kInner) {}
    int m_quantidade = 0;
    int m_existing = -1;
    CEditColor m_qty;
    int OnInitDialog() override {
        CDialog::OnInitDialog();
        m_qty.SetMask("###");
        OnChange();
        return 1;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_QTY, m_qty); }
    void OnChange() { GetDlgItem(IDOK)->EnableWindow(m_qty.GetValue() > 0); }
    void OnOK() override {
        m_quantidade = static_cast<int>(m_qty.GetValue());
        if (m_quantidade == m_existing) {
            MessageBox("Corrente nominal já cadastrada !", "ATENÇÃO", MB_ICONERROR);
            return;
        }
        EndDialog(IDOK);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CInner, CDialog)
    ON_EN_CHANGE(IDC_QTY, OnChange)
END_MESSAGE_MAP()

const DialogTemplate kOuter = {150, "Cargas", {
    ListBox(IDC_LIST, 0, 0).Sorted(), PushButton(IDC_ADD, "&Incluir", 0, 1), OkButton(), CancelButton()}};

class COuter : public CDialog {
public:
    COuter() : CDialog(kOuter) {}
    CListBox m_list;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_LIST, m_list); }
    void OnIncluir() {
        CInner dlg;
        dlg.m_existing = m_list.GetCount() > 0 ? std::stoi(m_list.GetText(0)) : -1;
        if (dlg.DoModal() == IDOK) m_list.SetCurSel(m_list.AddString(std::to_string(dlg.m_quantidade)));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(COuter, CDialog)
    ON_BN_CLICKED(IDC_ADD, OnIncluir)
END_MESSAGE_MAP()

class DialogRunTest : public ::testing::Test {
protected:
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};
};

TEST_F(DialogRunTest, NestedDialogsAndMessageBoxesFollowTheirScripts) {
    host.OnDialog(153, [](DialogDriver& d) {
        EXPECT_FALSE(d.Enabled(IDOK));
        d.Type(IDC_QTY, "12").Click(IDOK);
    });
    host.OnDialog(153, [](DialogDriver& d) {
        d.Type(IDC_QTY, "12").Click(IDOK);  // a duplicate: the message, the dialog stays
        EXPECT_FALSE(d.Ended());
        d.Click(IDCANCEL);
    });
    host.OnDialog(153, [](DialogDriver& d) { d.Type(IDC_QTY, "3").Enter(); });
    COuter dlg;
    const int result = host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_ADD).Click(IDC_ADD).Click(IDC_ADD);
        EXPECT_EQ(d.Get<CListBox>(IDC_LIST).GetCount(), 2);
        d.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dlg.m_list.GetText(0), "12");
    EXPECT_EQ(dlg.m_list.GetText(1), "3");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "ATENÇÃO");
    EXPECT_EQ(host.messages[0].type, MB_ICONERROR);
    const std::string t = host.Transcript();
    EXPECT_NE(t.find("open 150 \"Cargas\""), std::string::npos) << t;
    EXPECT_NE(t.find("message \"Corrente nominal já cadastrada !\" [ATENÇÃO] 0x10 -> 1"), std::string::npos) << t;
    EXPECT_NE(t.find("close 153 -> 2"), std::string::npos) << t;
    EXPECT_LT(t.find("close 153 -> 1"), t.find("close 150 -> 1")) << t;
}

TEST_F(DialogRunTest, AnUnscriptedDialogIsCancelledAndNoted) {
    COuter dlg;
    host.Run(dlg, [](DialogDriver& d) { d.Click(IDC_ADD).Click(IDOK); });
    EXPECT_EQ(dlg.m_list.GetCount(), 0);
    EXPECT_NE(host.Transcript().find("unscripted 153"), std::string::npos);
}

TEST_F(DialogRunTest, ScriptedAnswersOfMessageBoxes) {
    host.AnswerMessage(IDNO);
    EXPECT_EQ(AfxMessageBox("Confirma exclusão do dispositivo de proteção DJ ?", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(AfxMessageBox("Outra?", MB_YESNO), IDYES);  // none queued: the first button
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].type & MB_ICON_MASK, MB_ICONQUESTION);
}

TEST_F(DialogRunTest, ASecondRunStartsFromTheTemplateAgain) {
    COuter dlg;
    host.OnDialog(153, [](DialogDriver& d) { d.Type(IDC_QTY, "5").Click(IDOK); });
    host.Run(dlg, [](DialogDriver& d) { d.Click(IDC_ADD).Click(IDOK); });
    EXPECT_EQ(dlg.m_list.GetCount(), 1);
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Get<CListBox>(IDC_LIST).GetCount(), 0);  // a new window: the template's empty list
        d.Click(IDCANCEL);
    });
}

TEST_F(DialogRunTest, TheBannerIsPlacedAtTheBottomCentreAndStays) {
    host.screen = {1280, 1024};
    const DialogTemplate banner = BannerTemplate(168, 170);
    std::unique_ptr<CDialog> dlg = ShowBanner(banner);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(dlg->GetPosition().x, 1280 / 2 - 248);
    EXPECT_EQ(dlg->GetPosition().y, 1024 - 146);
    EXPECT_EQ(dlg->GetSize().cx, 496);
    EXPECT_EQ(dlg->GetSize().cy, 88);
    ASSERT_EQ(host.modeless.size(), 1u);
    EXPECT_EQ(host.modeless[0], dlg.get());
    const auto* picture = dynamic_cast<const CStatic*>(dlg->GetControls()[0]);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetBitmap(), 170);
    dlg.reset();
    EXPECT_TRUE(host.modeless.empty());
}

TEST_F(DialogRunTest, TheAboutBoxOfEachProgramClosesWithOkOrEscape) {
    struct Case {
        Program program;
        const char* caption;
        const char* version;
    } cases[] = {
        {Program::Lvsize, "Sobre Zel", "Lvsize Versão 4.0"},
        {Program::Mvsize, "Sobre Zel", "Mvsize Tensão Versão 4.0"},
        {Program::Protdev, "Sobre o Protdev", "Protdev Versão 4.0"},
    };
    for (const Case& c : cases) {
        CDialog about(AboutTemplate(c.program));
        EXPECT_EQ(host.Run(about, [&](DialogDriver& d) {
            EXPECT_EQ(d.Dialog().GetWindowText(), c.caption);
            EXPECT_EQ(d.Text(IDC_ABOUT_VERSION), c.version);
            d.Escape();
        }), IDCANCEL);
        EXPECT_EQ(host.Run(about, [](DialogDriver& d) { d.Enter(); }), IDOK);
    }
    RegisterAboutTemplate(Program::Protdev);
    CAboutDlg registered;
    host.OnDialog(IDD_ABOUTBOX, [](DialogDriver& d) { d.Click(IDOK); });
    EXPECT_EQ(registered.DoModal(), IDOK);
}

}  // namespace
