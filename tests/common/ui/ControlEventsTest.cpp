// The event rules the dialogs rely on: a change fires on a real text change, typed or set by code; a
// selection or check set by code fires nothing; kill focus comes before set focus; OK and Cancel honour
// their enabled state.
#include "HeadlessHost.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

constexpr int IDC_CODE = 1007;
constexpr int IDC_LENGTH = 1016;
constexpr int IDC_METHOD = 1047;
constexpr int IDC_SYSTEM = 1046;
constexpr int IDC_LIST = 1001;
constexpr int IDC_WAIVE = 1010;
constexpr int IDC_RADIO_A = 1020;
constexpr int IDC_RADIO_B = 1021;

const DialogTemplate kTemplate = {901, "Eventos", {
    Label("&Circuito:", 0, 0), Edit(IDC_CODE, 0, 1).MaxLength(5),
    Label("C&omprimento :", 1, 0), MaskedEdit(IDC_LENGTH, "#####.#", 1, 1),
    Label("Maneira de insta&lar:", 2, 0), DropList(IDC_METHOD, 2, 1).Sorted(),
    Label("&Sistema:", 3, 0), DropList(IDC_SYSTEM, 3, 1),
    ListBox(IDC_LIST, 4, 1).Sorted(),
    CheckBox(IDC_WAIVE, "Dispensar so&brecarga", 5, 1),
    RadioButton(IDC_RADIO_A, "A", 6, 0).GroupStart(), RadioButton(IDC_RADIO_B, "B", 6, 1),
    OkButton(), CancelButton()}};

class CEventsDlg : public CDialog {
public:
    CEventsDlg() : CDialog(kTemplate) {}
    std::vector<std::string> events;
    CEditColor m_length;
    CComboBox m_method;
    bool disableOkOnLeavingMethod = false;

    int OnInitDialog() override {
        CDialog::OnInitDialog();
        m_length.SetMask("#####.#");
        m_method.AddString("Bandeja");
        m_method.AddString("aérea");
        m_method.AddString("Enterrada");
        m_method.SetCurSel(1);  // by code: nothing fires
        m_length.SetValue(12.5f);  // by code: a change
        return 1;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_LENGTH, m_length);
        DDX_Control(pDX, IDC_METHOD, m_method);
    }
    void OnOK() override {
        events.push_back("OnOK");
        CDialog::OnOK();
    }
    void OnChangeCode() { events.push_back("change code"); }
    void OnChangeLength() { events.push_back("change length"); }
    void OnSetfocusCode() { events.push_back("setfocus code"); }
    void OnKillfocusCode() { events.push_back("killfocus code"); }
    void OnSetfocusMethod() { events.push_back("setfocus method"); }
    void OnKillfocusMethod() {
        events.push_back("killfocus method");
        if (disableOkOnLeavingMethod) GetDlgItem(IDOK)->EnableWindow(FALSE);
    }
    void OnSelchangeMethod() { events.push_back("selchange method " + std::to_string(m_method.GetCurSel())); }
    void OnSelchangeList() { events.push_back("selchange list"); }
    void OnWaive() { events.push_back("clicked waive"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEventsDlg, CDialog)
    ON_EN_CHANGE(IDC_CODE, OnChangeCode)
    ON_EN_SETFOCUS(IDC_CODE, OnSetfocusCode)
    ON_EN_KILLFOCUS(IDC_CODE, OnKillfocusCode)
    ON_EN_CHANGE(IDC_LENGTH, OnChangeLength)
    ON_CBN_SETFOCUS(IDC_METHOD, OnSetfocusMethod)
    ON_CBN_KILLFOCUS(IDC_METHOD, OnKillfocusMethod)
    ON_CBN_SELCHANGE(IDC_METHOD, OnSelchangeMethod)
    ON_LBN_SELCHANGE(IDC_LIST, OnSelchangeList)
    ON_BN_CLICKED(IDC_WAIVE, OnWaive)
END_MESSAGE_MAP()

using Events = std::vector<std::string>;

class ControlEventsTest : public ::testing::Test {
protected:
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};
    CEventsDlg dlg;
};

TEST_F(ControlEventsTest, InitialisationFiresTheChangeOfCodeAndTheFirstFocus) {
    DialogDriver d = host.Open(dlg);
    // SetValue changed the text; SetCurSel fired nothing; then the first control took the focus.
    EXPECT_EQ(dlg.events, (Events{"change length", "setfocus code"}));
    EXPECT_EQ(d.Text(IDC_LENGTH), "   12.5");
    EXPECT_EQ(d.Text(IDC_METHOD), "Bandeja");  // sorted case- and accent-insensitively: aérea, Bandeja, ...
    host.Close(dlg);
}

TEST_F(ControlEventsTest, ChangeFiresOnlyOnARealChange) {
    DialogDriver d = host.Open(dlg);
    dlg.events.clear();
    d.Type(IDC_CODE, "C1");
    EXPECT_EQ(dlg.events, (Events{"change code", "change code"}));
    dlg.events.clear();
    dlg.SetDlgItemText(IDC_CODE, "C1");  // the same text by code: no change
    dlg.SetDlgItemText(IDC_CODE, "C2");  // another text by code: a change
    EXPECT_EQ(dlg.events, (Events{"change code"}));
    dlg.events.clear();
    d.Type(IDC_CODE, "x");                      // at the caret: "x" (SetWindowText put the caret at 0)
    d.Caret(IDC_CODE, 0).Type(IDC_CODE, "\b");  // backspace at the start changes nothing
    EXPECT_EQ(dlg.events, (Events{"change code"}));
    d.Focus(IDC_LENGTH);
    dlg.events.clear();
    d.Type(IDC_LENGTH, "a");  // refused by the mask: no change
    EXPECT_TRUE(dlg.events.empty());
    host.Close(dlg);
}

TEST_F(ControlEventsTest, MaximumLengthStopsTyping) {
    DialogDriver d = host.Open(dlg);
    d.Type(IDC_CODE, "ABCDEFG");
    EXPECT_EQ(d.Text(IDC_CODE), "ABCDE");
    d.Clear(IDC_CODE).Type(IDC_CODE, "ÇÃOÉÍX");  // characters, not bytes
    EXPECT_EQ(d.Text(IDC_CODE), "ÇÃOÉÍ");
    host.Close(dlg);
}

TEST_F(ControlEventsTest, SelectionAndCheckByCodeFireNothingByTheUserTheyDo) {
    DialogDriver d = host.Open(dlg);
    dlg.events.clear();
    dlg.m_method.SetCurSel(2);
    auto& list = d.Get<CListBox>(IDC_LIST);
    list.AddString("b");
    list.SetCurSel(0);
    dlg.CheckDlgButton(IDC_WAIVE, 1);
    dlg.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_B);
    EXPECT_TRUE(dlg.events.empty());
    d.Select(IDC_METHOD, 0);
    d.Select(IDC_LIST, 0);
    d.Click(IDC_WAIVE);
    EXPECT_EQ(dlg.events, (Events{"killfocus code", "setfocus method", "selchange method 0", "killfocus method",
                                  "selchange list", "clicked waive"}));
    EXPECT_FALSE(d.Checked(IDC_WAIVE));  // the click toggled it off
    d.Click(IDC_RADIO_A);
    EXPECT_TRUE(d.Checked(IDC_RADIO_A));
    EXPECT_FALSE(d.Checked(IDC_RADIO_B));
    host.Close(dlg);
}

TEST_F(ControlEventsTest, KillFocusOfTheOldControlComesBeforeSetFocusOfTheNew) {
    DialogDriver d = host.Open(dlg);
    dlg.events.clear();
    d.Focus(IDC_METHOD);
    d.Focus(IDC_METHOD);  // already there: nothing
    d.Focus(IDC_CODE);
    EXPECT_EQ(dlg.events, (Events{"killfocus code", "setfocus method", "killfocus method", "setfocus code"}));
    host.Close(dlg);
}

TEST_F(ControlEventsTest, AClickOnADisabledFieldTakesTheFocusFromTheFieldLeft) {
    DialogDriver d = host.Open(dlg);
    d.Focus(IDC_METHOD);
    dlg.GetDlgItem(IDC_LENGTH)->EnableWindow(FALSE);
    dlg.events.clear();
    dlg.UserClickDisabled(IDC_LENGTH);
    EXPECT_EQ(dlg.events, (Events{"killfocus method"}));
    EXPECT_EQ(dlg.GetFocus(), nullptr);
    // A label, or an enabled field, is no such click.
    d.Focus(IDC_CODE);
    dlg.UserClickDisabled(IDC_CODE);
    dlg.UserClickDisabled(IDC_STATIC);
    EXPECT_EQ(dlg.GetFocus(), dlg.GetDlgItem(IDC_CODE));
    host.Close(dlg);
}

TEST_F(ControlEventsTest, KeysOnAClosedListChooseAsAClickDoes) {
    DialogDriver d = host.Open(dlg);
    d.Focus(IDC_METHOD);
    dlg.events.clear();
    auto& m = dlg.m_method;  // aérea, Bandeja, Enterrada; Bandeja selected
    m.UserMove(CComboBox::Move::Next);
    m.UserMove(CComboBox::Move::Next);  // at the end: nothing
    m.UserMove(CComboBox::Move::First);
    m.UserMove(CComboBox::Move::Previous);  // at the start: nothing
    m.UserMove(CComboBox::Move::PageDown);
    m.UserMove(CComboBox::Move::PageUp);
    m.UserMove(CComboBox::Move::Last);
    EXPECT_EQ(dlg.events, (Events{"selchange method 2", "selchange method 0", "selchange method 2", "selchange method 0",
                                  "selchange method 2"}));
    m.ResetContent();
    m.UserMove(CComboBox::Move::Next);  // an empty list
    EXPECT_EQ(m.GetCurSel(), CB_ERR);
    host.Close(dlg);
}

TEST_F(ControlEventsTest, ADisabledOkDoesNotCloseByClickOrEnter) {
    DialogDriver d = host.Open(dlg);
    dlg.GetDlgItem(IDOK)->EnableWindow(FALSE);
    d.Click(IDOK);
    d.Enter();
    EXPECT_FALSE(d.Ended());
    EXPECT_EQ(std::count(dlg.events.begin(), dlg.events.end(), "OnOK"), 0);
    dlg.GetDlgItem(IDOK)->EnableWindow(TRUE);
    d.Enter();
    EXPECT_TRUE(d.Ended());
    EXPECT_EQ(d.Result(), IDOK);
    host.Close(dlg);
}

TEST_F(ControlEventsTest, OkRunsThePendingKillFocusFirstAndHonoursWhatItDecides) {
    DialogDriver d = host.Open(dlg);
    dlg.disableOkOnLeavingMethod = true;
    d.Focus(IDC_METHOD);
    dlg.events.clear();
    d.Click(IDOK);  // leaving the list disables OK: the click does not happen
    EXPECT_EQ(dlg.events, (Events{"killfocus method"}));
    EXPECT_FALSE(d.Ended());
    host.Close(dlg);
}

TEST_F(ControlEventsTest, CancelAndEscapeHonourTheCancelButton) {
    DialogDriver d = host.Open(dlg);
    dlg.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    d.Escape();
    d.Click(IDCANCEL);
    EXPECT_FALSE(d.Ended());
    dlg.GetDlgItem(IDCANCEL)->EnableWindow(TRUE);
    d.Escape();
    EXPECT_TRUE(d.Ended());
    EXPECT_EQ(d.Result(), IDCANCEL);
    host.Close(dlg);
}

TEST_F(ControlEventsTest, HiddenAndDisabledControlsTakeNoInput) {
    DialogDriver d = host.Open(dlg);
    dlg.GetDlgItem(IDC_WAIVE)->ShowWindow(SW_HIDE);
    dlg.GetDlgItem(IDC_METHOD)->EnableWindow(FALSE);
    dlg.events.clear();
    d.Click(IDC_WAIVE);
    d.Select(IDC_METHOD, 2);
    EXPECT_TRUE(dlg.events.empty());
    EXPECT_FALSE(d.Checked(IDC_WAIVE));
    EXPECT_EQ(dlg.m_method.GetCurSel(), 1);
    host.Close(dlg);
}

}  // namespace
