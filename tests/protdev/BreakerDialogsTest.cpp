// The breaker dialogs: enable rules, colours, messages, the curve points, Cancel, and saving.
#include "Disjuntor.h"
#include "DisjuntorCorrenteNominal.h"
#include "DisjuntorCurva.h"
#include "DisjuntorCurvaInclusao.h"
#include "UiFixture.h"

using namespace prottest;
using Rows = std::vector<std::string>;

namespace {

class ProtdevBreakerDialogs : public ProtdevUi {};

std::vector<std::string> Lines(DialogDriver& d, int id)
{
    std::vector<std::string> out;
    for (const auto& item : d.Get<CListBox>(id).Items().items)
        out.push_back(item.text);
    return out;
}

// The script of one new rating typed into dialog 132 and confirmed.
HeadlessHost::Script NewRating(std::string nominal, std::string t5s, std::string ruptura, std::string alfa,
                               std::vector<std::string> magnetic = {})
{
    return [=](DialogDriver& d) {
        TypeBreakerRating(d, nominal, t5s, ruptura, alfa, magnetic);
        d.Click(IDOK);
    };
}

}  // namespace

TEST_F(ProtdevBreakerDialogs, OkIsEnabledOnlyWithDescriptionVoltageAndARating)
{
    CDisjuntor dlg;
    dlg.m_bNovo = TRUE;
    DialogDriver d = host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_TENSAO), "   0");
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_EQ(Background(d, IDC_DESCRICAO), kYellow);
    EXPECT_EQ(Background(d, IDC_TENSAO), kYellow);
    for (int id : {IDC_EXCLUIR, IDC_ALTERAR, IDC_PONTOS_CURVA})
        EXPECT_FALSE(d.Enabled(id)) << id;

    Put(d, IDC_DESCRICAO, "Disjuntor termomagnético d'água 63 A");  // 36 characters typed, 30 kept
    EXPECT_EQ(d.Text(IDC_DESCRICAO), "Disjuntor termomagnético d'águ");
    Put(d, IDC_DESCRICAO, "DIN curva C");
    Put(d, IDC_TENSAO, "22.0");  // the point is refused by the mask
    EXPECT_EQ(d.Text(IDC_TENSAO), "220");
    EXPECT_EQ(Background(d, IDC_DESCRICAO), kWhite);
    EXPECT_EQ(Background(d, IDC_TENSAO), kWhite);
    EXPECT_FALSE(d.Enabled(IDOK));  // no rated current yet

    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, NewRating("16", "160", "3000", "1.45"));
    d.Click(IDC_INCLUIR);
    EXPECT_EQ(Lines(d, IDC_CORRENTES), Rows{"  16"});
    EXPECT_EQ(d.Get<CListBox>(IDC_CORRENTES).GetCurSel(), 0);
    EXPECT_TRUE(d.Enabled(IDOK));
    for (int id : {IDC_EXCLUIR, IDC_ALTERAR, IDC_PONTOS_CURVA})
        EXPECT_TRUE(d.Enabled(id)) << id;

    Put(d, IDC_DESCRICAO, "");
    EXPECT_FALSE(d.Enabled(IDOK));
    Put(d, IDC_DESCRICAO, "DIN curva C");
    Put(d, IDC_TENSAO, "");
    EXPECT_FALSE(d.Enabled(IDOK));

    const Rows before = AllRows(Library());
    host.Close(dlg);
    EXPECT_EQ(AllRows(Library()), before);
}

TEST_F(ProtdevBreakerDialogs, RatingsTypedOutOfOrderShowAsTextAndAreWrittenAscending)
{
    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, NewRating("16", "160", "3000", "1.45"));
    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, NewRating("100", "1000", "10000", "1.3"));
    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, NewRating("25", "250", "3000", "1.45"));
    CDisjuntor dlg;
    dlg.m_bNovo = TRUE;
    DialogDriver d = host.Open(dlg);
    Put(d, IDC_DESCRICAO, "Caixa d'água");
    Put(d, IDC_TENSAO, "380");
    d.Click(IDC_INCLUIR).Click(IDC_INCLUIR).Click(IDC_INCLUIR);
    EXPECT_EQ(Lines(d, IDC_CORRENTES), (Rows{"  16", "  25", " 100"}));
    EXPECT_EQ(d.Get<CListBox>(IDC_CORRENTES).GetText(d.Get<CListBox>(IDC_CORRENTES).GetCurSel()), "  25");
    d.Click(IDOK);
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(d.Result(), IDOK);
    EXPECT_EQ(dlg.m_codigo, 5);
    EXPECT_EQ(DeviceRows(Library(), 5),
              (Rows{"D|5|Caixa d'água|380", "B|5|16|160|3000|1.45|0|0|0|0|0|0|0|0",
                    "B|5|25|250|3000|1.45|0|0|0|0|0|0|0|0", "B|5|100|1000|10000|1.3|0|0|0|0|0|0|0|0"}));
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, MagneticFieldsFollowTheMinimumOperatingCurrent)
{
    CDisjuntor_corrente_nominal dlg;
    dlg.m_bNovo = TRUE;
    DialogDriver d = host.Open(dlg);
    const int magnetic[] = {IDC_I2T_CORRENTE_MINIMA,  IDC_LIMIAR_MAGNETICO,        IDC_I2T_TERMICO_LIMIAR,
                            IDC_I2T_MAGNETICO_LIMIAR, IDC_CORRENTE_CAPACIDADE,     IDC_I2T_CORRENTE_CAPACIDADE,
                            IDC_CORRENTE_MINIMA_MAGNETICA};
    auto expectMagnetic = [&](bool enabled, COLORREF color) {
        for (int id : magnetic) {
            EXPECT_EQ(d.Enabled(id), enabled) << id;
            EXPECT_EQ(Background(d, id), color) << id;
        }
    };
    EXPECT_TRUE(d.Enabled(IDC_CORRENTE_NOMINAL));
    EXPECT_FALSE(d.Enabled(IDOK));
    for (int id : {IDC_CORRENTE_NOMINAL, IDC_CORRENTE_T5S, IDC_CORRENTE_RUPTURA, IDC_ALFA})
        EXPECT_EQ(Background(d, id), kYellow) << id;
    EXPECT_EQ(Background(d, IDC_CORRENTE_MINIMA_ATUACAO), kWhite);
    expectMagnetic(false, kWhite);

    TypeBreakerRating(d, "16", "160", "3000", "1.45");
    EXPECT_TRUE(d.Enabled(IDOK));

    Put(d, IDC_CORRENTE_MINIMA_ATUACAO, "80");
    expectMagnetic(true, kYellow);
    EXPECT_FALSE(d.Enabled(IDOK));
    TypeBreakerRating(d, "16", "160", "3000", "1.45",
                      {"80", "1234.6", "1234.6", "2500.5", "1800.5", "3000.5", "9000.5"});
    EXPECT_EQ(Background(d, IDC_CORRENTE_MINIMA_MAGNETICA), kYellow);
    EXPECT_FALSE(d.Enabled(IDOK));  // six of seven
    Put(d, IDC_CORRENTE_MINIMA_MAGNETICA, "90.5");
    expectMagnetic(true, kWhite);
    EXPECT_TRUE(d.Enabled(IDOK));

    // Back to 0: the fields keep their text, are disabled and white, and store nothing.
    Put(d, IDC_CORRENTE_MINIMA_ATUACAO, "0");
    expectMagnetic(false, kWhite);
    EXPECT_EQ(d.Text(IDC_LIMIAR_MAGNETICO), "1234.6");
    EXPECT_TRUE(d.Enabled(IDOK));
    d.Click(IDOK);
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(dlg.m_nCorrenteNominal, 16);
    EXPECT_FLOAT_EQ(dlg.m_fAlfa, 1.45f);
    for (float v : {dlg.m_fCorrenteMinimaAtuacao, dlg.m_fI2tCorrenteMinimaAtuacao, dlg.m_fLimiarAtuacaoMagnetica,
                    dlg.m_fI2tTermicoLimiarMagnetico, dlg.m_fI2tMagneticoLimiarMagnetico, dlg.m_fCorrenteCapacidade,
                    dlg.m_fI2tCorrenteCapacidade, dlg.m_fCorrenteMinimaAtuacaoMagnetica})
        EXPECT_EQ(v, 0.0f);
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, ARatedCurrentTypedTwiceIsRefusedAndAChangeKeepsItsCurrentFixed)
{
    std::vector<CDisjuntor_corrente> records(1);
    records[0].m_nCorrenteNominal = 16;
    {
        CDisjuntor_corrente_nominal dlg;
        dlg.m_bNovo = TRUE;
        dlg.m_pCorrentes = &records;
        DialogDriver d = host.Open(dlg);
        TypeBreakerRating(d, "16", "170", "3000", "1.45");
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "Corrente nominal já cadastrada !");
        EXPECT_EQ(host.messages[0].caption, "ATENÇÃO");
        EXPECT_EQ(host.messages[0].type, MB_OK | MB_ICONERROR);
        EXPECT_EQ(d.Text(IDC_CORRENTE_NOMINAL), "16");  // the fields as typed
        Put(d, IDC_CORRENTE_NOMINAL, "20");
        d.Click(IDOK);
        EXPECT_TRUE(d.Ended());
        EXPECT_EQ(dlg.m_nCorrenteNominal, 20);
        host.Close(dlg);
    }
    CDisjuntor_corrente_nominal dlg;
    dlg.SetValues(records[0]);
    dlg.m_bNovo = FALSE;
    dlg.m_pCorrentes = &records;
    DialogDriver d = host.Open(dlg);
    EXPECT_FALSE(d.Enabled(IDC_CORRENTE_NOMINAL));
    EXPECT_EQ(d.Text(IDC_CORRENTE_NOMINAL), "  16");
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, CurvePointsShowInTheirLayoutAndAreKeptAsNumbersInOrder)
{
    std::vector<CDisjuntor_pontos_curva> pontos{{500, 3000}};
    CDisjuntor_curva dlg(&pontos);
    DialogDriver d = host.Open(dlg);
    EXPECT_EQ(Lines(d, IDC_PONTOS), Rows{"  500 /   3000.0"});
    EXPECT_TRUE(d.Enabled(IDC_ALTERAR));

    auto point = [&](std::string current, std::string i2t) {
        host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, [=](DialogDriver& in) {
            Put(in, IDC_CURVA_CORRENTE, current);
            Put(in, IDC_CURVA_I2T, i2t);
            in.Click(IDOK);
        });
        d.Click(IDC_INCLUIR);
    };
    point("1000", "2500");
    point("123456", "10");  // six digits: wider than the layout, still a number in its place
    point("100", "5000");
    EXPECT_EQ(Lines(d, IDC_PONTOS),
              (Rows{"  100 /   5000.0", "  500 /   3000.0", " 1000 /   2500.0", "123456 /     10.0"}));
    EXPECT_EQ(d.Get<CListBox>(IDC_PONTOS).GetCurSel(), 0);

    // The same current again is refused; the dialog stays open until cancelled.
    host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, [&](DialogDriver& in) {
        Put(in, IDC_CURVA_CORRENTE, "1000");
        Put(in, IDC_CURVA_I2T, "99");
        in.Click(IDOK);
        EXPECT_FALSE(in.Ended());
        in.Escape();
    });
    d.Click(IDC_INCLUIR);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Corrente nominal já cadastrada !");
    EXPECT_EQ(Lines(d, IDC_PONTOS).size(), 4u);

    // Changing a point: its current is fixed, its I²t changes.
    d.Select(IDC_PONTOS, 2);
    host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, [](DialogDriver& in) {
        EXPECT_FALSE(in.Enabled(IDC_CURVA_CORRENTE));
        EXPECT_EQ(in.Text(IDC_CURVA_CORRENTE), "  1000");
        Put(in, IDC_CURVA_I2T, "2600");
        in.Click(IDOK);
    });
    d.Click(IDC_ALTERAR);
    EXPECT_EQ(Lines(d, IDC_PONTOS)[2], " 1000 /   2600.0");
    EXPECT_EQ(pontos.size(), 1u);  // nothing reaches the caller's list before OK

    d.Select(IDC_PONTOS, 1).Click(IDC_EXCLUIR);
    EXPECT_EQ(d.Get<CListBox>(IDC_PONTOS).GetCurSel(), 0);
    d.Click(IDOK);
    ASSERT_TRUE(d.Ended());
    ASSERT_EQ(pontos.size(), 3u);
    EXPECT_FLOAT_EQ(pontos[0].m_fCorrente, 100);
    EXPECT_FLOAT_EQ(pontos[0].m_fI2t, 5000);
    EXPECT_FLOAT_EQ(pontos[1].m_fCorrente, 1000);
    EXPECT_FLOAT_EQ(pontos[1].m_fI2t, 2600);
    EXPECT_FLOAT_EQ(pontos[2].m_fCorrente, 123456);
    EXPECT_FLOAT_EQ(pontos[2].m_fI2t, 10);
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, PointDialogNeedsBothValuesAboveZero)
{
    CDisjuntor_curva_inclusao dlg;
    dlg.m_bNovo = TRUE;
    DialogDriver d = host.Open(dlg);
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_EQ(Background(d, IDC_CURVA_CORRENTE), kYellow);
    Put(d, IDC_CURVA_CORRENTE, "1000");
    EXPECT_EQ(Background(d, IDC_CURVA_CORRENTE), kWhite);
    EXPECT_EQ(Background(d, IDC_CURVA_I2T), kYellow);
    EXPECT_FALSE(d.Enabled(IDOK));
    Put(d, IDC_CURVA_I2T, "2500");
    EXPECT_TRUE(d.Enabled(IDOK));
    d.Enter();
    EXPECT_TRUE(d.Ended());
    EXPECT_FLOAT_EQ(dlg.m_fCorrente, 1000);
    EXPECT_FLOAT_EQ(dlg.m_fI2t, 2500);
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, CancelAtEveryLevelChangesNothing)
{
    const Rows before = AllRows(Library());
    CDisjuntor dlg;
    dlg.m_codigo = 1;
    dlg.m_bNovo = FALSE;
    DialogDriver d = host.Open(dlg);
    EXPECT_EQ(d.Text(IDC_DESCRICAO), "DIN curva C");
    EXPECT_EQ(d.Text(IDC_TENSAO), " 220");
    ASSERT_EQ(Lines(d, IDC_CORRENTES), (Rows{"  16", "  25"}));

    // A changed rating, cancelled.
    d.Select(IDC_CORRENTES, 0);
    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, [](DialogDriver& in) {
        EXPECT_EQ(in.Text(IDC_LIMIAR_MAGNETICO), "    160.0");
        Put(in, IDC_CORRENTE_MINIMA_ATUACAO, "0");
        Put(in, IDC_CORRENTE_T5S, "999");
        in.Click(IDC_EXCLUIR);  // no such button: nothing
        in.Escape();
    });
    d.Click(IDC_ALTERAR);
    EXPECT_FLOAT_EQ(dlg.m_correntes[0].m_fCorrenteMinimaAtuacao, 80);
    EXPECT_FLOAT_EQ(dlg.m_correntes[0].m_fCorrenteT5s, 160);

    // Curve points added, then Esc.
    host.OnDialog(IDD_DISJUNTOR_CURVA, [this](DialogDriver& curve) {
        EXPECT_EQ(curve.Get<CListBox>(IDC_PONTOS).GetCount(), 2);
        host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, [](DialogDriver& in) {
            Put(in, IDC_CURVA_CORRENTE, "5000");
            Put(in, IDC_CURVA_I2T, "100");
            in.Click(IDOK);
        });
        curve.Click(IDC_INCLUIR);
        curve.Click(IDC_EXCLUIR);
        curve.Click(IDC_EXCLUIR);
        // A point dialog cancelled adds nothing.
        host.OnDialog(IDD_DISJUNTOR_CURVA_INCLUSAO, [](DialogDriver& in) {
            Put(in, IDC_CURVA_CORRENTE, "7000");
            Put(in, IDC_CURVA_I2T, "100");
            in.Click(IDCANCEL);
        });
        curve.Click(IDC_INCLUIR);
        EXPECT_EQ(curve.Get<CListBox>(IDC_PONTOS).GetCount(), 1);
        curve.Escape();
    });
    d.Click(IDC_PONTOS_CURVA);
    ASSERT_EQ(dlg.m_correntes[0].m_pontos.size(), 2u);
    EXPECT_FLOAT_EQ(dlg.m_correntes[0].m_pontos[1].m_fCorrente, 1000);

    // A new rating dialog cancelled adds no line.
    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, [](DialogDriver& in) {
        TypeBreakerRating(in, "40", "400", "6000", "1.45");
        in.Click(IDCANCEL);
    });
    d.Click(IDC_INCLUIR);
    EXPECT_EQ(Lines(d, IDC_CORRENTES).size(), 2u);

    // Then the breaker itself: a rating removed, the description changed, and Cancel.
    d.Select(IDC_CORRENTES, 1).Click(IDC_EXCLUIR);
    Put(d, IDC_DESCRICAO, "Outro");
    d.Escape();
    EXPECT_EQ(d.Result(), IDCANCEL);
    EXPECT_EQ(AllRows(Library()), before);
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, AFailedLoadIsReportedOnceAndTheBreakerCannotBeConfirmed)
{
    zeltest::RunSql(Library(), "ALTER TABLE disjuntor_pontos_curva RENAME TO outra;");
    CDisjuntor dlg;
    dlg.m_codigo = 1;
    DialogDriver d = host.Open(dlg);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text.rfind("Encontrado ERRO : ", 0), 0u);
    EXPECT_NE(fx.Log().find("Local : CDisjuntor::OnInitDialog / Erro DB : "), std::string::npos);
    EXPECT_EQ(Lines(d, IDC_CORRENTES), Rows{"  16"});  // what was read before the failure
    EXPECT_EQ(d.Text(IDC_DESCRICAO), "DIN curva C");
    EXPECT_FALSE(d.Enabled(IDOK));
    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, NewRating("40", "400", "6000", "1.45"));
    d.Click(IDC_INCLUIR);
    EXPECT_FALSE(d.Enabled(IDOK));
    d.Enter();
    EXPECT_FALSE(d.Ended());
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, ASaveThatFailsPartWayKeepsTheDialogOpenAndTheLibraryAsItWas)
{
    zeltest::RunSql(Library(),
                    "CREATE TRIGGER falha BEFORE INSERT ON disjuntor_corrente_nominal "
                    "WHEN NEW.disjuntor_corrente_nominal = 25 BEGIN SELECT RAISE(ABORT, 'disco cheio'); END;");
    const Rows before = AllRows(Library());
    const Rows breaker = DeviceRows(Library(), 1);
    CDisjuntor dlg;
    dlg.m_codigo = 1;
    DialogDriver d = host.Open(dlg);
    Put(d, IDC_DESCRICAO, "Curva C nova");
    d.Click(IDOK);
    EXPECT_FALSE(d.Ended());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text.rfind("Encontrado ERRO : ", 0), 0u);
    EXPECT_NE(host.messages[0].text.find("disco cheio"), std::string::npos);
    EXPECT_NE(fx.Log().find("Local : CDisjuntor::OnOK / Erro DB : "), std::string::npos);
    EXPECT_EQ(AllRows(Library()), before);

    zeltest::RunSql(Library(), "DROP TRIGGER falha;");
    d.Click(IDOK);  // the whole save again
    EXPECT_TRUE(d.Ended());
    Rows expected = breaker;
    expected[0] = "D|1|Curva C nova|220";
    EXPECT_EQ(DeviceRows(Library(), 1), expected);
    host.Close(dlg);
}

TEST_F(ProtdevBreakerDialogs, ANewBreakerFindsNoCodeWhenAllAreTaken)
{
    std::string fill;
    for (int i = 5; i <= 255; ++i)
        fill += "INSERT INTO dispositivo_protecao VALUES (" + std::to_string(i) + ", 'f', NULL);";
    zeltest::RunSql(Library(), fill);
    host.OnDialog(IDD_DISJUNTOR_CORRENTE_NOMINAL, NewRating("16", "160", "3000", "1.45"));
    CDisjuntor dlg;
    dlg.m_bNovo = TRUE;
    DialogDriver d = host.Open(dlg);
    Put(d, IDC_DESCRICAO, "Mais um");
    Put(d, IDC_TENSAO, "220");
    d.Click(IDC_INCLUIR).Click(IDOK);
    EXPECT_FALSE(d.Ended());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, devlib::kSemCodigoLivre);
    EXPECT_EQ(zeltest::QueryText(Library(), "SELECT COUNT(*) FROM dispositivo_protecao"), "255");
    host.Close(dlg);
}
