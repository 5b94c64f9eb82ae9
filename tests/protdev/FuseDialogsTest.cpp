// The fuse dialogs: enable rules, colours, the duplicate check, Cancel, and the order of the rows.
#include "Fusivel.h"
#include "FusivelCorrenteNominal.h"
#include "UiFixture.h"

using namespace prottest;
using Rows = std::vector<std::string>;

namespace {

class ProtdevFuseDialogs : public ProtdevUi {};

HeadlessHost::Script NewFuseRating(std::string nominal, std::string ruptura, std::string t5s, std::string alfa)
{
    return [=](DialogDriver& d) {
        TypeFuseRating(d, nominal, ruptura, t5s, alfa);
        d.Click(IDOK);
    };
}

std::vector<std::string> Lines(DialogDriver& d)
{
    std::vector<std::string> out;
    for (const auto& item : d.Get<CListBox>(IDC_CORRENTES).Items().items)
        out.push_back(item.text);
    return out;
}

}  // namespace

TEST_F(ProtdevFuseDialogs, ANewFuseNeedsADescriptionAndARating)
{
    CFusivel dlg;
    dlg.m_bNovo = TRUE;
    DialogDriver d = host.Open(dlg);
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_EQ(Background(d, IDC_DESCRICAO), kYellow);
    EXPECT_FALSE(d.Enabled(IDC_EXCLUIR));
    EXPECT_FALSE(d.Enabled(IDC_ALTERAR));
    Put(d, IDC_DESCRICAO, "NH gG 500 V");
    EXPECT_EQ(Background(d, IDC_DESCRICAO), kWhite);
    EXPECT_FALSE(d.Enabled(IDOK));
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, NewFuseRating("63", "50000", "320", "1.6"));
    d.Click(IDC_INCLUIR);
    EXPECT_TRUE(d.Enabled(IDOK));
    EXPECT_TRUE(d.Enabled(IDC_EXCLUIR));
    d.Click(IDC_EXCLUIR);
    EXPECT_TRUE(Lines(d).empty());
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_FALSE(d.Enabled(IDC_EXCLUIR));
    host.Close(dlg);
}

TEST_F(ProtdevFuseDialogs, EachRatingFieldMustBeAboveZero)
{
    struct Case {
        const char* nominal;
        const char* ruptura;
        const char* t5s;
        const char* alfa;
        int yellow;  // the field that stays invalid; 0: none
    };
    const Case cases[] = {
        {"63", "50000", "320", "0", IDC_ALFA},
        {"63", "50000", "0", "1.6", IDC_CORRENTE_T5S},
        {"63", "", "320", "1.6", IDC_CORRENTE_RUPTURA},
        {"0", "50000", "320", "1.6", IDC_CORRENTE_NOMINAL},
        {"63", "50000", "320", "1.6", 0},
    };
    for (const Case& c : cases) {
        CFusivel_corrente_nominal dlg;
        dlg.m_bNovo = TRUE;
        DialogDriver d = host.Open(dlg);
        TypeFuseRating(d, c.nominal, c.ruptura, c.t5s, c.alfa);
        EXPECT_EQ(d.Enabled(IDOK), c.yellow == 0) << c.yellow;
        for (int id : {IDC_CORRENTE_NOMINAL, IDC_CORRENTE_RUPTURA, IDC_CORRENTE_T5S, IDC_ALFA})
            EXPECT_EQ(Background(d, id), id == c.yellow ? kYellow : kWhite) << c.yellow << " " << id;
        d.Enter();
        EXPECT_EQ(d.Ended(), c.yellow == 0);
        host.Close(dlg);
    }
}

TEST_F(ProtdevFuseDialogs, RatingsTypedOutOfOrderShowSortedAndAreWrittenAscending)
{
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, NewFuseRating("63", "50000", "320", "1.6"));
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, NewFuseRating("6", "50000", "20", "1.9"));
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, NewFuseRating("125", "50000", "700", "1.6"));
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, [](DialogDriver& in) {
        TypeFuseRating(in, "6", "1", "1", "1");
        in.Click(IDOK);
        EXPECT_FALSE(in.Ended());
        in.Click(IDCANCEL);
    });
    CFusivel dlg;
    dlg.m_bNovo = TRUE;
    DialogDriver d = host.Open(dlg);
    Put(d, IDC_DESCRICAO, "gG 500 V");
    d.Click(IDC_INCLUIR).Click(IDC_INCLUIR).Click(IDC_INCLUIR).Click(IDC_INCLUIR);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Corrente nominal já cadastrada !");
    EXPECT_EQ(host.messages[0].caption, "ATENÇÃO");
    EXPECT_EQ(Lines(d), (Rows{"   6", "  63", " 125"}));
    d.Click(IDOK);
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(dlg.m_codigo, 5);
    EXPECT_EQ(DeviceRows(Library(), 5), (Rows{"D|5|gG 500 V|NULL", "F|5|6|20|50000|1.9", "F|5|63|320|50000|1.6",
                                              "F|5|125|700|50000|1.6"}));
    host.Close(dlg);
}

TEST_F(ProtdevFuseDialogs, ChangingARatingKeepsItsCurrentAndCancelChangesNothing)
{
    const Rows before = AllRows(Library());
    CFusivel dlg;
    dlg.m_codigo = 4;
    DialogDriver d = host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_DESCRICAO), "NH gG");
    EXPECT_EQ(Lines(d), (Rows{"  10", "  20"}));
    EXPECT_TRUE(d.Enabled(IDOK));
    d.Select(IDC_CORRENTES, 1);
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, [](DialogDriver& in) {
        EXPECT_FALSE(in.Enabled(IDC_CORRENTE_NOMINAL));
        EXPECT_EQ(in.Text(IDC_CORRENTE_NOMINAL), "  20");
        EXPECT_EQ(in.Text(IDC_CORRENTE_T5S), "   80");
        Put(in, IDC_CORRENTE_T5S, "85");
        in.Click(IDOK);
    });
    d.Click(IDC_ALTERAR);
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, [](DialogDriver& in) {
        Put(in, IDC_CORRENTE_T5S, "1");
        in.Escape();
    });
    d.Click(IDC_ALTERAR);
    const CFusivel_corrente& r20 = dlg.m_correntes[0].m_nCorrenteNominal == 20 ? dlg.m_correntes[0] : dlg.m_correntes[1];
    EXPECT_FLOAT_EQ(r20.m_fCorrenteT5s, 85);
    Put(d, IDC_DESCRICAO, "Mudado");
    d.Click(IDCANCEL);
    EXPECT_EQ(d.Result(), IDCANCEL);
    EXPECT_EQ(AllRows(Library()), before);
    host.Close(dlg);
}

TEST_F(ProtdevFuseDialogs, AFailedLoadKeepsOkDisabledAndAFailedSaveKeepsTheDialogOpen)
{
    {
        zeltest::RunSql(Library(), "ALTER TABLE fusivel_corrente_nominal RENAME TO outra;");
        CFusivel dlg;
        dlg.m_codigo = 4;
        DialogDriver d = host.Open(dlg);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(fx.Log().find("Local : CFusivel::OnInitDialog / Erro DB : "), std::string::npos);
        EXPECT_EQ(d.Text(IDC_DESCRICAO), "NH gG");
        EXPECT_FALSE(d.Enabled(IDOK));
        host.Close(dlg);
        zeltest::RunSql(Library(), "ALTER TABLE outra RENAME TO fusivel_corrente_nominal;");
    }
    zeltest::RunSql(Library(), "CREATE TRIGGER falha BEFORE INSERT ON fusivel_corrente_nominal "
                               "WHEN NEW.fusivel_corrente_nominal = 32 BEGIN SELECT RAISE(ABORT, 'falhou'); END;");
    const Rows before = AllRows(Library());
    host.OnDialog(IDD_FUSIVEL_CORRENTE_NOMINAL, NewFuseRating("32", "50000", "150", "1.6"));
    CFusivel dlg;
    dlg.m_codigo = 4;
    DialogDriver d = host.Open(dlg);
    d.Click(IDC_INCLUIR).Click(IDOK);
    EXPECT_FALSE(d.Ended());
    EXPECT_NE(host.messages.back().text.find("falhou"), std::string::npos);
    EXPECT_NE(fx.Log().find("Local : CFusivel::OnOK / Erro DB : "), std::string::npos);
    EXPECT_EQ(AllRows(Library()), before);
    host.Close(dlg);
}
