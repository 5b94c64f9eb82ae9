// The masked edit as the user meets it: typed characters through the headless host, values in and out.
#include "EditColor.h"
#include "HeadlessHost.h"
#include "ValidityColors.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

constexpr int IDC_VALUE = 1001;
constexpr int IDC_PLAIN = 1002;

const DialogTemplate kTemplate = {900, "Valor", {
    Label("&Valor:", 0, 0), MaskedEdit(IDC_VALUE, "###.##", 0, 1),
    Label("&Texto:", 1, 0), Edit(IDC_PLAIN, 1, 1),
    OkButton(), CancelButton()}};

class CValueDlg : public CDialog {
public:
    CValueDlg() : CDialog(kTemplate) {}
    std::string mask = "###.##";
    CEditColor m_value;
    int changes = 0;
    int OnInitDialog() override {
        CDialog::OnInitDialog();
        m_value.SetMask(mask);
        return 1;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_VALUE, m_value); }
    void OnChangeValue() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CValueDlg, CDialog)
    ON_EN_CHANGE(IDC_VALUE, OnChangeValue)
END_MESSAGE_MAP()

class EditColorTest : public ::testing::Test {
protected:
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};

    // Types chars into an empty field with the mask and returns the text.
    std::string Typed(const std::string& mask, const std::string& chars) {
        CValueDlg dlg;
        dlg.mask = mask;
        std::string text;
        host.Run(dlg, [&](DialogDriver& d) {
            d.Type(IDC_VALUE, chars);
            text = d.Text(IDC_VALUE);
            d.Click(IDCANCEL);
        });
        return text;
    }
};

TEST_F(EditColorTest, TypedSequencesAreFilteredByTheMask) {
    struct Case {
        const char* mask;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"###.##", "1234", "123"},        // the fourth integer digit is dropped
        {"###.##", "1234.456", "123.45"}, // the point goes on, the third decimal is dropped
        {"####", "12.5", "125"},          // no decimals: the point is dropped
        {"##.#", "-123", "-12"},          // the sign is not counted, the two digits are
        {"##.#", "1-2", "12"},            // a sign only at the start
        {"##.#", "--1", "-1"},            // and only once
        {"##.#", "1.2.3", "1.2"},         // one point
        {"###.##", "12a b3", "123"},      // letters and blanks are dropped
        {"#####.#", "12,5", "12.5"},      // the decimal comma is the point
        {"###.##", "1,2,3", "1.23"},      // and counts as one: a second one is dropped
        {"###.##", "1.2,3", "1.23"},
        {"####", "12,5", "125"},          // no decimals: dropped like the point
        {"###.##  ", "1234", "123"},      // trailing blanks of a mask are not part of it
        {"", "ab,12", "ab,12"},           // no mask: everything goes on
        {"###.##", "12\b5", "15"},        // backspace goes on
        {"##/##/####", "31/12/2008", "31/12/2008"},
        {"##/##/####", "31122008", "31"},  // a digit where a slash belongs is dropped
        {"##/##/####", "/3", "3"},        // a slash at position 0 is dropped
        {"##/##/####", "3/", "3"},        // and at position 1
        {"##/##/####", "31/12/20081", "31/12/2008"},  // nothing at 10 or beyond
        {"##/##/####", "31-12", "31"},  // only the slash separates
        {"##/##/####", "31,12", "31"},
    };
    for (const Case& c : cases) EXPECT_EQ(Typed(c.mask, c.typed), c.shown) << c.mask << " typed " << c.typed;
}

TEST_F(EditColorTest, DigitsAtTheDateSeparatorsAreDropped) {
    // Position 2 refuses a digit, so "311" stays "31"; the slash then goes on.
    EXPECT_EQ(Typed("##/##/####", "311/1"), "31/1");
}

TEST_F(EditColorTest, DateTypedDigitByDigitReadsAsItsSinglePrecisionValue) {
    CValueDlg dlg;
    dlg.mask = "##/##/####";
    host.Run(dlg, [&](DialogDriver& d) {
        for (char c : std::string("31/12/2008")) d.Type(IDC_VALUE, std::string(1, c));
        EXPECT_EQ(d.Text(IDC_VALUE), "31/12/2008");
        d.Click(IDOK);
    });
    EXPECT_EQ(dlg.m_value.GetValue(), 20081232.0f);  // 20081231 in single precision
}

TEST_F(EditColorTest, AnEditedDigitInTheMiddleIsCheckedAgainstTheWholeText) {
    CValueDlg dlg;
    host.Run(dlg, [&](DialogDriver& d) {
        d.Type(IDC_VALUE, "12.34");
        d.Caret(IDC_VALUE, 0).Type(IDC_VALUE, "9");  // 912.34: three integer digits, allowed
        EXPECT_EQ(d.Text(IDC_VALUE), "912.34");
        d.Caret(IDC_VALUE, 0).Type(IDC_VALUE, "8");  // 8912.34 would be four
        EXPECT_EQ(d.Text(IDC_VALUE), "912.34");
        d.SelectText(IDC_VALUE, 0, 3).Type(IDC_VALUE, "7");  // the selection is replaced: 7.34
        EXPECT_EQ(d.Text(IDC_VALUE), "7.34");
        d.Caret(IDC_VALUE, 1).Type(IDC_VALUE, "-");  // a sign only at position 0
        EXPECT_EQ(d.Text(IDC_VALUE), "7.34");
        d.Caret(IDC_VALUE, 0).Type(IDC_VALUE, "-");
        EXPECT_EQ(d.Text(IDC_VALUE), "-7.34");
        d.Click(IDCANCEL);
    });
}

TEST_F(EditColorTest, PasteIsRefusedByKeyAndByMenuWhileAPlainEditTakesIt) {
    CValueDlg dlg;
    host.Run(dlg, [&](DialogDriver& d) {
        d.Type(IDC_VALUE, "1.5");
        const int changesBefore = dlg.changes;
        d.PasteByKey(IDC_VALUE, "99");
        d.PasteByMenu(IDC_VALUE, "99");
        EXPECT_EQ(d.Text(IDC_VALUE), "1.5");
        EXPECT_EQ(dlg.changes, changesBefore);
        d.PasteByKey(IDC_PLAIN, "abc");
        d.PasteByMenu(IDC_PLAIN, "de");
        EXPECT_EQ(d.Text(IDC_PLAIN), "abcde");
        d.Click(IDCANCEL);
    });
    // Date mode and no mask refuse it too.
    for (const char* mask : {"##/##/####", ""}) {
        CValueDlg other;
        other.mask = mask;
        host.Run(other, [&](DialogDriver& d) {
            d.PasteByKey(IDC_VALUE, "12");
            d.PasteByMenu(IDC_VALUE, "12");
            EXPECT_EQ(d.Text(IDC_VALUE), "") << mask;
            d.Click(IDCANCEL);
        });
    }
}

TEST(EditColor, SetMaskGivesTheDigitCounts) {
    struct Case {
        const char* mask;
        int integers;
        int decimals;
    } cases[] = {
        {"###", 3, 0}, {"#########", 9, 0}, {"##.#", 2, 1}, {"#.##", 1, 2}, {"##.####", 2, 4},
        {"####.####", 4, 4}, {"#######.#", 7, 1}, {"##/##/####", -1, 0}, {"", 0, 0}, {".##", 3, 0},
        {"###.##   ", 3, 2}, {"##/##/####  ", -1, 0}, {"   ", 0, 0}, {"ab.c", 2, 1},
    };
    for (const Case& c : cases) {
        CEditColor e;
        e.SetMask(c.mask);
        EXPECT_EQ(e.GetIntegerDigits(), c.integers) << '"' << c.mask << '"';
        EXPECT_EQ(e.GetDecimalDigits(), c.decimals) << '"' << c.mask << '"';
    }
}

TEST(EditColor, SetValueFormatsWithTheMasksWidth) {
    struct Case {
        const char* mask;
        float value;
        const char* text;
    } cases[] = {
        {"###.##", 1.5f, "  1.50"},      // width 6
        {"###.##", 1234.5f, "1234.50"},  // the width is a minimum
        {"####", 12.6f, "  13"},
        {"#.##", 0.8f, "0.80"},
        {"##.#", -1.25f, "-1.2"},
        {"", 2.5f, "2"},                 // no mask: rounded to a whole number (banker's as printf does)
        {"", 3.5f, "4"},
    };
    for (const Case& c : cases) {
        CEditColor e;
        e.SetMask(c.mask);
        e.SetValue(c.value);
        EXPECT_EQ(e.GetWindowText(), c.text) << c.mask << " " << c.value;
    }
    CEditColor date;
    date.SetMask("##/##/####");
    date.SetWindowText("01/02/2003");
    date.SetValue(5.0f);  // does nothing in date mode
    EXPECT_EQ(date.GetWindowText(), "01/02/2003");
}

TEST(EditColor, SetValueIgnoresTheUsersLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "pt_BR.UTF-8")) GTEST_SKIP() << "pt_BR.UTF-8 locale not generated";
    CEditColor e;
    e.SetMask("###.##");
    e.SetValue(1.5f);
    const std::string text = e.GetWindowText();
    const float back = e.GetValue();
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "  1.50");
    EXPECT_EQ(back, 1.5f);
}

TEST(EditColor, GetValueReadsNumbersAndDates) {
    struct Case {
        const char* mask;
        const char* text;
        float value;
    } cases[] = {
        {"###.##", "  1.50", 1.5f},
        {"###.##", "-12.5", -12.5f},
        {"###.##", "", 0.0f},
        {"###.##", "abc", 0.0f},
        {"###.##", "12abc", 12.0f},
        {"", "7.25", 7.25f},
        {"##/##/####", "31/12/2008", 20081232.0f},
        {"##/##/####", "29/02/2008", static_cast<float>(20080229)},
        {"##/##/####", "31/02/2008", 0.0f},   // not a calendar date
        {"##/##/####", "29/02/2007", 0.0f},
        {"##/##/####", "31-12-2008", 0.0f},   // slashes at 2 and 5
        {"##/##/####", "01/01/1900", 0.0f},   // the year must be above 1900
        {"##/##/####", "01/01/1901", static_cast<float>(19010101)},
        {"##/##/####", "00/12/2008", 0.0f},
        {"##/##/####", "12/13/2008", 0.0f},
        {"##/##/####", "", 0.0f},
    };
    for (const Case& c : cases) {
        CEditColor e;
        e.SetMask(c.mask);
        e.SetWindowText(c.text);
        EXPECT_EQ(e.GetValue(), c.value) << c.mask << " \"" << c.text << '"';
    }
}

TEST(EditColor, ColorsHoldInEveryStateAndRedrawOnlyOnAChange) {
    CEditColor e;
    EXPECT_EQ(e.GetBkColor(), 0xFFFFFFu);
    EXPECT_EQ(e.GetTextColorRef(), 0x000000u);
    SetValidityColors(&e, 0, 0xFFFFFF, 0, zel::ui::kLvsizeInvalidBackground, 0);
    EXPECT_EQ(e.GetBkColor(), RGB(236, 0, 140));
    EXPECT_EQ(e.GetPaintCount(), 1);
    SetValidityColors(&e, 0, 0xFFFFFF, 0, zel::ui::kLvsizeInvalidBackground, 0);
    EXPECT_EQ(e.GetPaintCount(), 1);  // the same pair: no redraw
    SetValidityColors(&e, 1, 0xFFFFFF, 0, zel::ui::kLvsizeInvalidBackground, 0);
    EXPECT_EQ(e.GetBkColor(), 0xFFFFFFu);
    EXPECT_EQ(e.GetPaintCount(), 2);
    // Valid at start: already white on black, nothing to do.
    CEditColor fresh;
    SetValidityColors(&fresh, 1, 0xFFFFFF, 0, zel::ui::kProtdevInvalidBackground, 0);
    EXPECT_EQ(fresh.GetPaintCount(), 0);
    // Disabled or read-only, the control still paints in its pair.
    e.SetColors(zel::ui::kMvsizeInvalidBackground, 0);
    e.EnableWindow(0);
    e.SetReadOnly(1);
    EXPECT_EQ(e.CtlColor().background, RGB(238, 0, 169));
    EXPECT_EQ(e.CtlColor().brush, RGB(238, 0, 169));
    EXPECT_EQ(zel::ui::kProtdevInvalidBackground, RGB(255, 255, 0));
}

}  // namespace
