// A user's session from start to exit: a breaker added with two rated currents and curve points, one
// rating's magnetic data changed, a fuse added with ratings typed out of order, a device deleted; the
// library's rows checked after every step.
#include "UiFixture.h"

using namespace prottest;
using Rows = std::vector<std::string>;

namespace {

class ProtdevSession : public ProtdevUi {
protected:
    ProtdevSession() : ProtdevUi(kSampleRows, false) {}
    CTreeCtrl& Tree() { return app.GetView()->GetTreeCtrl(); }
    HTREEITEM Find(const std::string& text, HTREEITEM from = nullptr)
    {
        for (HTREEITEM item = from ? Tree().GetChildItem(from) : Tree().GetRootItem(); item;
             item = Tree().GetNextSiblingItem(item)) {
            if (Tree().GetItemText(item) == text)
                return item;
            if (HTREEITEM inside = Find(text, item))
                return inside;
        }
        return nullptr;
    }
    std::string ParentText(const std::string& text)
    {
        HTREEITEM item = Find(text);
        return item && Tree().GetParentItem(item) ? Tree().GetItemText(Tree().GetParentItem(item)) : "";
    }
    void Command(int id) { app.GetMainFrame()->OnCommand(id); }
};

HeadlessHost::Script Point(std::string current, std::string i2t)
{
    return [=](DialogDriver& d) {
        Put(d, IDC_CURVA_CORRENTE, current);
        Put(d, IDC_CURVA_I2T, i2t);
        d.Click(IDOK);
    };
}

}  // namespace

TEST_F(ProtdevSession, AddChangeAndDeleteDevicesThroughTheTree)
{
    ASSERT_TRUE(app.InitInstance());
    const Rows untouched = AllRows(Library());

    // 1. A new breaker of 127 V with two rated currents; the first has magnetic data and three curve points
    //    typed out of order.
    host.OnDialog(IDD_DISJUNTOR, [this](DialogDriver& d) {
        Put(d, IDC_DESCRICAO, "Quadro d'água");
        Put(d, IDC_TENSAO, "127");
        host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, [](DialogDriver& r) {
            TypeBreakerRating(r, "32", "320", "6000", "1.45",
                              {"160", "2100.5", "320", "4000", "2500.5", "6000", "15000.5", "300.5"});
            r.Click(IDOK);
        });
        d.Click(IDC_INCLUIR);
        host.OnDialog(IDD_DISJUNTOR_CURVA, [this](DialogDriver& c) {
            host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, Point("3000", "9000"));
            host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, Point("500", "20000"));
            host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, Point("1000", "12000"));
            c.Click(IDC_INCLUIR).Click(IDC_INCLUIR).Click(IDC_INCLUIR);
            c.Click(IDOK);
        });
        d.Click(IDC_PONTOS_CURVA);
        host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, [](DialogDriver& r) {
            TypeBreakerRating(r, "20", "200", "6000", "1.45");
            r.Click(IDOK);
        });
        d.Click(IDC_INCLUIR);
        d.Click(IDOK);
    });
    Command(ID_DISJUNTOR_INCLUIR);
    EXPECT_EQ(DeviceRows(Library(), 5),
              (Rows{"D|5|Quadro d'água|127", "B|5|20|200|6000|1.45|0|0|0|0|0|0|0|0",
                    "B|5|32|320|6000|1.45|160|2100.5|320|4000|2500.5|6000|15000.5|300.5", "P|5|32|500|20000",
                    "P|5|32|1000|12000", "P|5|32|3000|9000"}));
    EXPECT_EQ(ParentText("Quadro d'água"), "127 v");
    EXPECT_EQ(Tree().GetSelectedItem(), Tree().GetRootItem());

    // 2. The 32 A rating's magnetic data changed; its points stay.
    Tree().UserSelect(Find("Quadro d'água"));
    host.OnDialog(IDD_DISJUNTOR, [this](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_DESCRICAO), "Quadro d'água");
        d.Select(IDC_CORRENTES, "  32");
        host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, [](DialogDriver& r) {
            EXPECT_EQ(r.Text(IDC_LIMIAR_MAGNETICO), "    320.0");
            Put(r, IDC_LIMIAR_MAGNETICO, "352.5");
            Put(r, IDC_CORRENTE_CAPACIDADE, "5000");
            r.Click(IDOK);
        });
        d.Click(IDC_ALTERAR);
        d.Click(IDOK);
    });
    Command(ID_DISJUNTOR_ALTERAR);
    EXPECT_EQ(DeviceRows(Library(), 5),
              (Rows{"D|5|Quadro d'água|127", "B|5|20|200|6000|1.45|0|0|0|0|0|0|0|0",
                    "B|5|32|320|6000|1.45|160|2100.5|352.5|4000|2500.5|5000|15000.5|300.5", "P|5|32|500|20000",
                    "P|5|32|1000|12000", "P|5|32|3000|9000"}));

    // 3. A new fuse with three rated currents typed out of order.
    host.OnDialog(IDD_FUSIVEL, [this](DialogDriver& d) {
        Put(d, IDC_DESCRICAO, "gG 500 V");
        for (auto [n, r, t, a] : {std::tuple{"63", "50000", "320", "1.6"}, std::tuple{"6", "50000", "20", "1.9"},
                                  std::tuple{"125", "50000", "700", "1.6"}}) {
            host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, [=](DialogDriver& in) {
                TypeFuseRating(in, n, r, t, a);
                in.Click(IDOK);
            });
            d.Click(IDC_INCLUIR);
        }
        d.Click(IDOK);
    });
    Command(ID_FUSIVEL_INCLUIR);
    EXPECT_EQ(DeviceRows(Library(), 6), (Rows{"D|6|gG 500 V|NULL", "F|6|6|20|50000|1.9", "F|6|63|320|50000|1.6",
                                              "F|6|125|700|50000|1.6"}));
    EXPECT_EQ(ParentText("gG 500 V"), "Fusiveis");

    // 4. The breaker deleted: no row of it is left anywhere, and the other devices are as they were.
    Tree().UserSelect(Find("Quadro d'água"));
    host.AnswerMessage(IDYES);
    Command(ID_DISPOSITIVO_EXCLUIR);
    EXPECT_TRUE(DeviceRows(Library(), 5).empty());
    EXPECT_EQ(Find("Quadro d'água"), nullptr);
    EXPECT_EQ(Find("127 v"), nullptr);
    Rows now = AllRows(Library());
    for (const std::string& r : DeviceRows(Library(), 6))
        now.erase(std::find(now.begin(), now.end(), r));
    EXPECT_EQ(now, untouched);

    // A device added after the delete has only its own rows.
    host.OnDialog(IDD_FUSIVEL, [this](DialogDriver& d) {
        Put(d, IDC_DESCRICAO, "Reaproveita");
        host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, [](DialogDriver& in) {
            TypeFuseRating(in, "10", "1000", "50", "1.9");
            in.Click(IDOK);
        });
        d.Click(IDC_INCLUIR).Click(IDOK);
    });
    Command(ID_FUSIVEL_INCLUIR);
    EXPECT_EQ(DeviceRows(Library(), 7), (Rows{"D|7|Reaproveita|NULL", "F|7|10|50|1000|1.9"}));

    EXPECT_EQ(host.messages.size(), 1u);  // only the delete's question
    EXPECT_EQ(fx.Log(), "");
    app.ExitInstance();
}
