// The motor list (155) and the motor line (157).
#include "CargasFixture.h"

#include "CargaMotor.h"
#include "CircuitoSelecionado.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "MotoresInclusao.h"
#include "SqlValue.h"

using namespace cargastest;
using namespace lvdlg;

namespace {

class CargaMotor : public CargasUi {
protected:
    CargaMotor()
    {
        Inserir({.sequencial = 1, .codigo = "QGBT"});
        Inserir({.sequencial = 2, .pai = 1, .codigo = "M1"});
        Inserir({.sequencial = 3, .codigo = "OUTRO"});
    }
    void Motor(int seq, int n, double ir, double fpr, double p, double ip, double fpp, int circuito = 2)
    {
        Sql(FormatC("INSERT INTO motor VALUES(%i,%i,%i,%f,%f,%f,%f,%f)", circuito, seq, n, ir, fpr, p, ip, fpp));
    }
    std::string Motores()
    {
        return Q("SELECT group_concat(motor_sequencial||':'||motor_qtde_motores||'x'||motor_corrente_regime||'/'||"
                 "motor_fator_potencia_regime||'/'||motor_potencia||'/'||motor_corrente_partida||'/'||"
                 "motor_fator_potencia_partida, ' ') FROM (SELECT * FROM motor WHERE circuito_sequencial=2 "
                 "ORDER BY motor_sequencial)");
    }
    ScopedCircuitoSelecionado selecionado{2};
};

TEST_F(CargaMotor, OpensOnTheStoredLinesAndRewritesThemOnOk)
{
    Motor(1, 2, 10.5, 0.85, 7.5, 63.0, 0.35);
    Motor(2, 1, 4.0, 0.8, 3.0, 0, 0);
    host.OnDialog(IDD_MOTORES_INCLUSAO, [](DialogDriver& e) {
        EXPECT_TRUE(e.Checked(IDC_CONSIDERA_PARTIDA));
        EXPECT_EQ(e.Get<CEditColor>(IDC_CORRENTE_PARTIDA).GetValue(), 63.0f);
        // Not counted at start any more: both start values become 0.
        e.Click(IDC_CONSIDERA_PARTIDA);
        EXPECT_FALSE(e.Enabled(IDC_CORRENTE_PARTIDA));
        Put(e, IDC_QUANTIDADE_MOTORES, "3");
        e.Click(IDOK);
    });
    host.OnDialog(IDD_MOTORES_INCLUSAO, [](DialogDriver& e) {
        EXPECT_FALSE(e.Checked(IDC_CONSIDERA_PARTIDA));
        e.Click(IDC_CONSIDERA_PARTIDA);
        Put(e, IDC_CORRENTE_PARTIDA, "28");
        Put(e, IDC_FATOR_POTENCIA_PARTIDA, "0.4");
        e.Click(IDOK);
    });
    CCarga_motor dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        auto& g = d.Get<CMSFlexGrid>(IDC_GRADE);
        EXPECT_EQ(g.GetRows(), 3);
        EXPECT_EQ(g.GetTextMatrix(0, 4), "Partida ?");
        EXPECT_EQ(g.GetTextMatrix(1, 0), " 2");
        EXPECT_EQ(g.GetTextMatrix(1, 1), "  10.5");
        EXPECT_EQ(g.GetTextMatrix(1, 3), "  7.5");
        EXPECT_EQ(g.GetTextMatrix(1, 4), "SIM");
        EXPECT_EQ(g.GetTextMatrix(2, 4), "NAO");
        EXPECT_EQ(g.GetColWidth(3), 2160);
        d.ClickCell(IDC_GRADE, 1, 0).Click(IDC_EDITAR);
        EXPECT_EQ(g.GetTextMatrix(1, 4), "NAO");
        EXPECT_EQ(g.GetTextMatrix(1, 5), "   0.0");
        d.ClickCell(IDC_GRADE, 2, 0).Click(IDC_EDITAR);
        EXPECT_EQ(g.GetTextMatrix(2, 4), "SIM");
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(Motores(), "1:3x10.5/0.85/7.5/0/0 2:1x4/0.8/3/28/0.4");
    // Every circuit of the project is marked not calculated, not only this one and its parent.
    EXPECT_EQ(Calculados(), "1:0 2:0 3:0");
}

TEST_F(CargaMotor, NoLineCountedAtStartShowsTheMessageAndWritesNothing)
{
    Motor(1, 2, 10.5, 0.85, 7.5, 0, 0);
    Motor(2, 1, 4.0, 0.8, 3.0, 0, 0);
    const std::string antes = Motores();
    CCarga_motor dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Pelo menos um motor deve ser considerado na partida.");
    EXPECT_EQ(host.messages[0].type & MB_ICON_MASK, MB_ICONERROR);
    EXPECT_EQ(Motores(), antes);
    EXPECT_EQ(Calculados(), "1:1 2:1 3:1");
}

TEST_F(CargaMotor, DeletingTheOnlyLineWritesAnEmptyListAtOnce)
{
    Motor(1, 2, 10.5, 0.85, 7.5, 0, 0);  // not counted at start: the check does not apply to no line
    CCarga_motor dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_EXCLUIR);
        EXPECT_TRUE(d.Ended());
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Q("SELECT COUNT(*) FROM motor"), "0");
}

TEST_F(CargaMotor, AFailedWriteIsRolledBackAndTheDeletedLineStays)
{
    Motor(1, 2, 10.5, 0.85, 7.5, 30, 0.3);
    Sql("CREATE TRIGGER falha BEFORE DELETE ON motor BEGIN SELECT RAISE(ABORT, 'falha'); END");
    Sql("CREATE TRIGGER falha2 BEFORE UPDATE ON circuito BEGIN SELECT RAISE(ABORT, 'falha'); END");
    CCarga_motor dlg;
    host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_EXCLUIR);
        EXPECT_FALSE(d.Ended());
        EXPECT_TRUE(d.Enabled(IDC_EXCLUIR));
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Q("SELECT COUNT(*) FROM motor"), "1");
    EXPECT_EQ(Calculados(), "1:1 2:1 3:1");
}

TEST_F(CargaMotor, MoreThan255LinesAreKeptAndWritten)
{
    Sql("BEGIN");
    for (int i = 1; i <= 300; ++i)
        Motor(i, i % 99 + 1, 10.0, 0.8, 5.0, i == 300 ? 40.0 : 0.0, i == 300 ? 0.3 : 0.0);
    Sql("COMMIT");
    CCarga_motor dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Get<CMSFlexGrid>(IDC_GRADE).GetRows(), 301);
        d.Click(IDOK);
    });
    EXPECT_EQ(Q("SELECT COUNT(*)||'/'||MAX(motor_sequencial) FROM motor WHERE circuito_sequencial=2"), "300/300");
    EXPECT_EQ(Q("SELECT motor_qtde_motores FROM motor WHERE motor_sequencial=256"), "59");
}

TEST_F(CargaMotor, IncluirIsDisabledAtTheLimitOfTheLineNumbers)
{
    Sql(FormatC("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<%i) "
                "INSERT INTO motor SELECT 2,i,1,10,0.8,5,40,0.3 FROM n",
                kMaxLinhas));
    CCarga_motor dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Get<CMSFlexGrid>(IDC_GRADE).GetRows(), kMaxLinhas + 1);
        EXPECT_FALSE(d.Enabled(IDC_INCLUIR));
        d.Click(IDC_EXCLUIR);
        EXPECT_TRUE(d.Enabled(IDC_INCLUIR));
        d.Click(IDOK);
    });
    EXPECT_EQ(Q("SELECT COUNT(*)||'/'||MAX(motor_sequencial) FROM motor"), FormatC("%i/%i", kMaxLinhas - 1, kMaxLinhas - 1));
}

TEST(MotorLinha, StartValuesAndQuantityDigits)
{
    CAppContext contexto;
    HeadlessHost host(contexto);
    ScopedAppContext escopo(contexto);
    struct Caso {
        const char *partida, *fpPartida;
        bool ok;
    };
    // Running current 10.0 A: a starting current equal to it is accepted, one below it is not.
    const Caso casos[] = {{"10", "0.3", true}, {"9.9", "0.3", false}, {"60", "0", false}, {"60", "1.01", false},
                          {"60", "1", true}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.partida) + " " + c.fpPartida);
        CMotores_inclusao dlg;
        host.Run(dlg, [&](DialogDriver& d) {
            EXPECT_FALSE(d.Enabled(IDC_CORRENTE_PARTIDA));
            EXPECT_FALSE(d.Enabled(IDOK));
            Put(d, IDC_QUANTIDADE_MOTORES, "123");
            EXPECT_EQ(d.Text(IDC_QUANTIDADE_MOTORES), "12");
            Put(d, IDC_CORRENTE_REGIME, "10");
            Put(d, IDC_FATOR_POTENCIA_REGIME, "0.85");
            EXPECT_TRUE(d.Enabled(IDOK));
            EXPECT_EQ(Fundo(d, IDC_CORRENTE_PARTIDA), kBranco);  // not counted at start: shown valid
            d.Click(IDC_CONSIDERA_PARTIDA);
            Put(d, IDC_CORRENTE_PARTIDA, c.partida);
            Put(d, IDC_FATOR_POTENCIA_PARTIDA, c.fpPartida);
            EXPECT_EQ(d.Enabled(IDOK), c.ok);
            d.Escape();
        });
    }
}

}  // namespace
