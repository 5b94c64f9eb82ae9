// Lists, grid, tree and data exchange as the dialogs and views call them.
#include "Frame.h"
#include "HeadlessHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const CComboBox& c) {
    std::vector<std::string> out;
    for (int i = 0; i < c.GetCount(); ++i) out.push_back(c.GetLBText(i));
    return out;
}

TEST(ComboBox, SortedBoxesOrderByTextIgnoringCaseAndAccents) {
    CComboBox c;
    c.SetStyle(ComboStyle::DropDownList, true);
    for (const char* t : {"5", "10", "30", "25", "100"}) c.AddString(t);  // "%i" temperatures sort as text
    EXPECT_EQ(Lines(c), (std::vector<std::string>{"10", "100", "25", "30", "5"}));
    CComboBox m;
    m.SetStyle(ComboStyle::DropDownList, true);
    for (const char* t : {"eletroduto", "Bandeja", "Área", "bandeja perfurada", "aparente"}) m.AddString(t);
    EXPECT_EQ(Lines(m), (std::vector<std::string>{"aparente", "Área", "Bandeja", "bandeja perfurada", "eletroduto"}));
    CComboBox u;  // unsorted: query order
    for (const char* t : {"Não sei", "Sim", "Não"}) u.AddString(t);
    EXPECT_EQ(Lines(u), (std::vector<std::string>{"Não sei", "Sim", "Não"}));
    // Rated currents as "%4i": the blanks sort before the digits.
    CComboBox r;
    r.SetStyle(ComboStyle::DropDownList, true);
    for (const char* t : {"  16", " 100", "  25"}) r.AddString(t);
    EXPECT_EQ(Lines(r), (std::vector<std::string>{"  16", "  25", " 100"}));
}

TEST(ComboBox, PrefixSearchAndSelection) {
    CComboBox c;
    for (const char* t : {"30", "35", "3", "Autom.", "ab"}) c.AddString(t);
    EXPECT_EQ(c.FindString(-1, "3"), 0);
    EXPECT_EQ(c.FindString(0, "3"), 1);   // after the start, wrapping
    EXPECT_EQ(c.FindString(2, "3"), 0);
    EXPECT_EQ(c.FindString(-1, "AUT"), 3);
    EXPECT_EQ(c.FindStringExact(-1, "3"), 2);
    EXPECT_EQ(c.FindString(-1, "x"), CB_ERR);
    EXPECT_EQ(c.SelectString(-1, "A"), 3);
    EXPECT_EQ(c.SelectString(-1, "zz"), CB_ERR);
    EXPECT_EQ(c.GetCurSel(), 3);  // a failed search leaves the selection
    EXPECT_EQ(c.GetWindowText(), "Autom.");
    EXPECT_EQ(c.SetCurSel(9), CB_ERR);
    EXPECT_EQ(c.GetCurSel(), -1);
    EXPECT_EQ(c.GetWindowText(), "");
    // Typing a letter on a closed drop-down list picks the next line that begins with it.
    c.SetCurSel(0);
    c.UserKey(U'a');
    EXPECT_EQ(c.GetCurSel(), 3);
    c.UserKey(U'A');
    EXPECT_EQ(c.GetCurSel(), 4);
}

TEST(ComboBox, ItemDataFollowsItsLineAndDeletingMovesTheSelection) {
    CComboBox c;
    c.SetStyle(ComboStyle::DropDownList, true);
    c.SetItemData(c.AddString("b"), 2);
    c.SetItemData(c.AddString("a"), 1);
    c.SetItemData(c.AddString("c"), 3);
    EXPECT_EQ(c.GetItemData(0), 1u);
    EXPECT_EQ(c.GetItemData(2), 3u);
    c.SetCurSel(2);
    c.DeleteString(0);
    EXPECT_EQ(c.GetCurSel(), 1);
    EXPECT_EQ(c.GetItemData(c.GetCurSel()), 3u);
    c.DeleteString(1);
    EXPECT_EQ(c.GetCurSel(), -1);
    EXPECT_EQ(c.GetItemData(7), static_cast<DWORD_PTR>(CB_ERR));
    c.ResetContent();
    EXPECT_EQ(c.GetCount(), 0);
}

TEST(FlexGrid, TheLoadListsOperations) {
    CMSFlexGrid g;
    g.SetCols(5);
    g.SetRows(2);
    g.SetFixedCols(0);
    g.SetRow(0);
    for (long c = 0; c < 5; ++c) {
        g.SetCol(c);
        g.SetText("h" + std::to_string(c));
    }
    g.SetColWidth(1, 2160);
    EXPECT_EQ(g.GetColWidth(1), 2160);
    // One line reuses row 1; the next ones are appended with their first cell.
    g.SetRow(1);
    g.SetCol(0);
    g.SetText("2");
    EXPECT_TRUE(g.AddItem("3", 2));
    EXPECT_TRUE(g.AddItem("4\t40.0\t0.92", 3));
    EXPECT_EQ(g.GetRows(), 4);
    EXPECT_EQ(g.GetTextMatrix(2, 0), "3");
    EXPECT_EQ(g.GetTextMatrix(3, 2), "0.92");
    EXPECT_FALSE(g.AddItem("x", 9));  // past the end
    g.SetRow(2);
    EXPECT_TRUE(g.RemoveItem(2));
    EXPECT_EQ(g.GetTextMatrix(2, 0), "4");
    g.SetRow(2);
    EXPECT_TRUE(g.RemoveItem(2));
    EXPECT_EQ(g.GetRow(), 1);  // the current row stays inside the grid
    EXPECT_FALSE(g.RemoveItem(1));  // the last line that is not fixed stays
    EXPECT_EQ(g.GetRows(), 2);
    g.SetRow(7);  // outside: refused
    EXPECT_EQ(g.GetRow(), 1);
    EXPECT_EQ(g.GetTextMatrix(0, 4), "h4");
}

TEST(TreeCtrl, ItemsInOrderWithDataImagesAndSelection) {
    CTreeCtrl t;
    HTREEITEM breakers = t.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM, "Disjuntores", 0, 0, 0,
                                      0, 0, TVI_ROOT, TVI_LAST);
    HTREEITEM fuses = t.InsertItem("Fusiveis", 1, 1);
    HTREEITEM v220 = t.InsertItem("220 v", 2, 2, breakers);
    HTREEITEM v380 = t.InsertItem("380 v", 2, 2, breakers);
    HTREEITEM b1 = t.InsertItem("DJ 1", 0, 0, v220);
    t.SetItemData(b1, 7);
    EXPECT_EQ(t.GetRootItem(), breakers);
    EXPECT_EQ(t.GetNextSiblingItem(breakers), fuses);
    EXPECT_EQ(t.GetChildItem(breakers), v220);
    EXPECT_EQ(t.GetNextSiblingItem(v220), v380);
    EXPECT_EQ(t.GetPrevSiblingItem(v380), v220);
    EXPECT_EQ(t.GetParentItem(b1), v220);
    EXPECT_EQ(t.GetParentItem(breakers), nullptr);
    EXPECT_EQ(t.GetItemData(b1), 7u);
    EXPECT_TRUE(t.ItemHasChildren(v220));
    EXPECT_FALSE(t.ItemHasChildren(fuses));
    EXPECT_EQ(t.GetCount(), 5u);
    int image = -1, selected = -1;
    t.GetItemImage(v380, image, selected);
    EXPECT_EQ(image, 2);
    t.SelectItem(b1);
    EXPECT_EQ(t.GetSelectedItem(), b1);
    EXPECT_TRUE(t.GetItemState(v220, TVIS_EXPANDED));  // the selection is shown
    t.DeleteItem(v220);  // with the selected item under it
    EXPECT_EQ(t.GetSelectedItem(), nullptr);
    EXPECT_EQ(t.GetChildItem(breakers), v380);
    t.DeleteAllItems();
    EXPECT_EQ(t.GetRootItem(), nullptr);
}

// Data exchange: numbers, strings, checks, radios; a failed conversion tells the user and keeps the dialog.
constexpr int IDC_NAME = 1000;
constexpr int IDC_COUNT = 1001;
constexpr int IDC_FACTOR = 1002;
constexpr int IDC_FLAG = 1003;
constexpr int IDC_R1 = 1004;
constexpr int IDC_R2 = 1005;

const DialogTemplate kDdxTemplate = {902, "Dados", {
    Edit(IDC_NAME, 0, 1), Edit(IDC_COUNT, 1, 1), Edit(IDC_FACTOR, 2, 1), CheckBox(IDC_FLAG, "x", 3, 1),
    RadioButton(IDC_R1, "1", 4, 0).GroupStart(), RadioButton(IDC_R2, "2", 4, 1), OkButton(), CancelButton()}};

class CDdxDlg : public CDialog {
public:
    CDdxDlg() : CDialog(kDdxTemplate) {}
    std::string m_name = "ab";
    short m_count = 3;
    float m_factor = 0.8f;
    int m_flag = 1;
    int m_radio = 1;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 4);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDX_Text(pDX, IDC_FACTOR, m_factor);
        DDX_Check(pDX, IDC_FLAG, m_flag);
        DDX_Radio(pDX, IDC_R1, m_radio);
    }
};

TEST(DataExchange, LoadsValidatesAndSaves) {
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};
    CDdxDlg dlg;
    const int result = host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_COUNT), "3");
        EXPECT_EQ(d.Text(IDC_FACTOR), "0.8");
        EXPECT_TRUE(d.Checked(IDC_FLAG));
        EXPECT_TRUE(d.Checked(IDC_R2));
        d.Clear(IDC_NAME).Type(IDC_NAME, "abcdef");  // the limit came from DDV_MaxChars
        EXPECT_EQ(d.Text(IDC_NAME), "abcd");
        d.Clear(IDC_COUNT).Type(IDC_COUNT, "4x");
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());  // "4x" is not a number
        d.Clear(IDC_COUNT).Type(IDC_COUNT, "70000");
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());  // beyond a short
        d.Clear(IDC_COUNT).Type(IDC_COUNT, " 12 ");
        d.Clear(IDC_FACTOR).Type(IDC_FACTOR, "1.25");
        d.Click(IDC_R1).Click(IDC_FLAG).Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Digite um número inteiro.");
    EXPECT_EQ(host.messages[0].type & MB_ICON_MASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(dlg.m_name, "abcd");
    EXPECT_EQ(dlg.m_count, 12);
    EXPECT_FLOAT_EQ(dlg.m_factor, 1.25f);
    EXPECT_EQ(dlg.m_flag, 0);
    EXPECT_EQ(dlg.m_radio, 0);
}

TEST(DataExchange, AttachingAMemberOfTheWrongKindIsAProgrammingError) {
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};
    CDdxDlg dlg;
    dlg.CreateWindowModel();
    CComboBox notAnEdit;
    EXPECT_THROW(dlg.AttachControl(IDC_NAME, notAnEdit), std::logic_error);
    EXPECT_EQ(dlg.GetDlgItem(4242), nullptr);
    dlg.DestroyWindowModel();
}

}  // namespace

namespace {

// A tree view as the device view uses it: its tree's double click and context menu come to the view.
class CDeviceView : public CTreeView {
public:
    std::vector<std::string> events;
    LRESULT result = 0;
    void OnDblclk(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
        events.push_back("dblclk " + GetTreeCtrl().GetItemText(GetTreeCtrl().GetSelectedItem()));
        *pResult = result;
    }
    void OnSelchanged(NMHDR* /*pNMHDR*/, LRESULT* /*pResult*/) { events.push_back("selchanged"); }
    void OnContextMenu(CWnd* /*pWnd*/, CPoint point) {
        events.push_back("context " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDeviceView, CTreeView)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
    ON_NOTIFY_REFLECT(TVN_SELCHANGED, OnSelchanged)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

TEST(TreeView, DoubleClickAndContextMenuReachTheView) {
    CDeviceView view;
    CTreeCtrl& tree = view.GetTreeCtrl();
    HTREEITEM breakers = tree.InsertItem("Disjuntores", 0, 0);
    HTREEITEM node = tree.InsertItem("220 v", 2, 2, breakers);
    tree.InsertItem("DJ 16", 0, 0, node);
    tree.SelectItem(breakers);  // by code: nothing
    EXPECT_TRUE(view.events.empty());
    tree.UserDoubleClick(node);  // selects, then the double click; result 0: the tree toggles the node
    EXPECT_EQ(view.events, (std::vector<std::string>{"selchanged", "dblclk 220 v"}));
    EXPECT_TRUE(tree.GetItemState(node, TVIS_EXPANDED));
    view.result = 1;  // a handler that takes the double click keeps the node as it is
    tree.UserDoubleClick(node);
    EXPECT_TRUE(tree.GetItemState(node, TVIS_EXPANDED));
    view.events.clear();
    tree.UserRightClick({120, 80});  // the selection stays where it was
    EXPECT_EQ(view.events, (std::vector<std::string>{"context 120,80"}));
    EXPECT_EQ(tree.GetSelectedItem(), node);
}

// The grid's and the list's user events reach the dialog; by code they do not.
constexpr int IDC_GRID = 1098;
constexpr int IDC_LINES = 1026;
const DialogTemplate kListsTemplate = {903, "Listas", {
    FlexGrid(IDC_GRID, 0, 0).Grid(3, 2, 1, 0), ListBox(IDC_LINES, 1, 0).Sorted(), OkButton(), CancelButton()}};

class CListsDlg : public CDialog {
public:
    CListsDlg() : CDialog(kListsTemplate) {}
    std::vector<std::string> events;
    CMSFlexGrid m_grid;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_GRID, m_grid); }
    void OnClickGrid() { events.push_back("click row " + std::to_string(m_grid.GetRow())); }
    void OnRowColChange() { events.push_back("rowcol"); }
    void OnDblclkLines() { events.push_back("dblclk line"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CListsDlg, CDialog)
    ON_GRID_CLICK(IDC_GRID, OnClickGrid)
    ON_GRID_ROWCOLCHANGE(IDC_GRID, OnRowColChange)
    ON_LBN_DBLCLK(IDC_LINES, OnDblclkLines)
END_MESSAGE_MAP()

TEST(Lists, GridAndListUserEvents) {
    CAppContext context;
    HeadlessHost host{context};
    ScopedAppContext scope{context};
    CListsDlg dlg;
    host.Run(dlg, [&](DialogDriver& d) {
        EXPECT_EQ(dlg.m_grid.GetRows(), 3);  // as the template made it
        dlg.m_grid.SetRow(2);                // by code: nothing
        EXPECT_TRUE(dlg.events.empty());
        d.ClickCell(IDC_GRID, 1, 0);
        d.ClickCell(IDC_GRID, 1, 0);
        d.ClickCell(IDC_GRID, 0, 0);  // the fixed header row is not a line
        auto& lines = d.Get<CListBox>(IDC_LINES);
        lines.AddString(" 1000 /   2500.0");
        d.DoubleClick(IDC_LINES, 0);
        d.Escape();
    });
    EXPECT_EQ(dlg.events, (std::vector<std::string>{"rowcol", "click row 1", "click row 1", "dblclk line"}));
}

}  // namespace
