// Non-motor and direct-current load dialogs: the current dialog (152), the load lists (150, 167) and the
// line dialogs (153, 166).
#include "CargasFixture.h"

#include "Carga.h"
#include "CargaCorrente.h"
#include "CargaInclusao.h"
#include "CircuitoSelecionado.h"
#include "CorrenteContinua.h"
#include "CorrenteContinuaInclusao.h"
#include "DialogosComuns.h"
#include "DialogosIds.h"
#include "SqlValue.h"

#include <chrono>

using namespace cargastest;
using namespace lvdlg;

namespace {

float Valor(DialogDriver& d, int id)
{
    return d.Get<CEditColor>(id).GetValue();
}

class CargaCorrente : public CargasUi {
protected:
    CargaCorrente()
    {
        // 1 > 2 > 3 (the circuit), and 4 a sibling of 3.
        Inserir({.sequencial = 1, .codigo = "QGBT"});
        Inserir({.sequencial = 2, .pai = 1, .codigo = "QD1"});
        Inserir({.sequencial = 3, .pai = 2, .codigo = "ILUM", .corrente = 12.3, .fatorPotencia = 0.85});
        Inserir({.sequencial = 4, .pai = 2, .codigo = "TUG"});
    }
    void Carga(int seq, double fd, int n, double p, double fp)
    {
        Sql(FormatC("INSERT INTO carga VALUES(3,%i,%f,%i,%f,%f)", seq, fd, n, p, fp));
    }
    std::string Cargas()
    {
        return Q("SELECT group_concat(carga_sequencial||'/'||carga_numero_cargas_iguais||'x'||carga_potencia_ativa||"
                 "'/'||carga_fator_potencia||'/'||carga_fator_demanda, ' ') FROM (SELECT * FROM carga "
                 "WHERE circuito_sequencial=3 ORDER BY carga_sequencial)");
    }
    ScopedCircuitoSelecionado selecionado{3};
};

TEST_F(CargaCorrente, WithoutLoadsOpensOnTheStoredValuesAndAcceptsZeroInBoth)
{
    CCarga_corrente dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        EXPECT_FLOAT_EQ(Valor(d, IDC_CORRENTE), 12.3f);
        EXPECT_FLOAT_EQ(Valor(d, IDC_FATOR_POTENCIA), 0.85f);
        EXPECT_TRUE(d.Enabled(IDC_CORRENTE));
        EXPECT_TRUE(d.Enabled(IDC_FATOR_POTENCIA));
        EXPECT_TRUE(d.Enabled(IDOK));
        Put(d, IDC_CORRENTE, "0");
        Put(d, IDC_FATOR_POTENCIA, "0");
        EXPECT_TRUE(d.Enabled(IDOK));
        EXPECT_EQ(Fundo(d, IDC_CORRENTE), kBranco);
        EXPECT_EQ(Fundo(d, IDC_FATOR_POTENCIA), kBranco);
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(Q("SELECT circuito_corrente_regime||'/'||circuito_fator_potencia_regime FROM circuito WHERE "
                "circuito_sequencial=3"),
              "0/0");
    // The circuit and its ancestors are not calculated any more; the sibling is untouched.
    EXPECT_EQ(Calculados(), "1:0 2:0 3:0 4:1");
}

TEST_F(CargaCorrente, CurrentAndPowerFactorValidity)
{
    struct Caso {
        const char* corrente;
        const char* fp;
        bool correnteOk, fpOk, ok;
    };
    const Caso casos[] = {
        {"0", "0", true, true, true},      {"10", "0", true, false, false}, {"10", "1.5", true, false, false},
        {"0", "0.8", false, true, false},  {"10", "0.8", true, true, true}, {"10", "1", true, true, true},
        {"9999.9", "0.01", true, true, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.corrente) + " A, fp " + c.fp);
        CCarga_corrente dlg;
        host.Run(dlg, [&](DialogDriver& d) {
            Put(d, IDC_CORRENTE, c.corrente);
            Put(d, IDC_FATOR_POTENCIA, c.fp);
            EXPECT_EQ(Fundo(d, IDC_CORRENTE), c.correnteOk ? kBranco : kInvalido);
            EXPECT_EQ(Fundo(d, IDC_FATOR_POTENCIA), c.fpOk ? kBranco : kInvalido);
            EXPECT_EQ(d.Enabled(IDOK), c.ok);
            d.Escape();
        });
    }
}

TEST_F(CargaCorrente, WithLoadsTheCurrentIsRecomputedFromTheRowsAndThePresentVoltage)
{
    // P = 2 x 1000 x 1.0 + 1 x 500 x 0.5 = 2250 W; S = 2000/0.8 + 250/1 = 2750 VA; fp = 0.818.
    Carga(1, 1.0, 2, 1000, 0.8);
    Carga(2, 0.5, 1, 500, 1.0);
    struct Caso {
        int sistema, vff;
        double vfn;
        float corrente;
    };
    // Three-phase on the phase-phase voltage: 2750 / (sqrt(3) x 380) = 4.18 A. Single-phase on the
    // phase-neutral voltage truncated to 220: 2750 / 220 = 12.5 A.
    const Caso casos[] = {{3, 380, 220.0, 4.2f}, {1, 0, 220.7, 12.5f}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.sistema);
        Sql(FormatC("UPDATE circuito SET sistema_codigo=%i,circuito_tensao_fase_fase=%i,circuito_tensao_fase_neutro=%f "
                    "WHERE circuito_sequencial=3",
                    c.sistema, c.vff, c.vfn));
        CCarga_corrente dlg;
        host.Run(dlg, [&](DialogDriver& d) {
            EXPECT_NEAR(Valor(d, IDC_CORRENTE), c.corrente, 0.001f);
            EXPECT_EQ(d.Text(IDC_FATOR_POTENCIA), "0.82");
            EXPECT_FALSE(d.Enabled(IDC_CORRENTE));
            EXPECT_FALSE(d.Enabled(IDC_FATOR_POTENCIA));
            EXPECT_TRUE(d.Enabled(IDOK));
            d.Escape();
        });
        float i = 0, fp = 0;
        dlg.Calcular_corrente(i, fp);
        EXPECT_NEAR(fp, 2250.0f / 2750.0f, 1e-6f);
    }
}

TEST_F(CargaCorrente, AVoltageOfZeroGivesACurrentOfZeroThatOkRefuses)
{
    Carga(1, 1.0, 1, 1000, 1.0);
    Sql("UPDATE circuito SET sistema_codigo=1,circuito_tensao_fase_neutro=0 WHERE circuito_sequencial=3");
    CCarga_corrente dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(Valor(d, IDC_CORRENTE), 0.0f);
        EXPECT_FALSE(d.Enabled(IDOK));
        d.Escape();
    });
}

TEST_F(CargaCorrente, LinesAddedAndEditedInTheListAreStoredInOrderOnOk)
{
    Carga(1, 1.0, 2, 1000, 0.8);
    // The list: edit the first line to 4 loads, then add a line of 3 x 250 W, fp 0.9, fd 0.5.
    host.OnDialog(IDD_CARGA, [this](DialogDriver& d) {
        auto& grade = d.Get<CMSFlexGrid>(IDC_GRADE);
        EXPECT_EQ(grade.GetTextMatrix(0, 4), "Demanda total (VA)");
        EXPECT_EQ(grade.GetTextMatrix(1, 0), "   2");
        EXPECT_EQ(grade.GetTextMatrix(1, 1), "   1000.0");
        EXPECT_EQ(grade.GetTextMatrix(1, 4), "   2500.0");
        EXPECT_EQ(grade.GetColWidth(1), 2160);
        host.OnDialog(IDD_CARGA_INCLUSAO, [](DialogDriver& e) {
            EXPECT_EQ(Valor(e, IDC_QUANTIDADE_CARGAS), 2.0f);
            EXPECT_EQ(Valor(e, IDC_FATOR_POTENCIA), 0.8f);
            Put(e, IDC_QUANTIDADE_CARGAS, "4");
            e.Click(IDOK);
        });
        d.ClickCell(IDC_GRADE, 1, 2).Click(IDC_EDITAR);
        EXPECT_EQ(grade.GetTextMatrix(1, 0), "   4");
        host.OnDialog(IDD_CARGA_INCLUSAO, [](DialogDriver& e) {
            EXPECT_FALSE(e.Enabled(IDOK));
            Put(e, IDC_QUANTIDADE_CARGAS, "3");
            Put(e, IDC_POTENCIA_ATIVA, "250");
            Put(e, IDC_FATOR_POTENCIA, "0.9");
            Put(e, IDC_FATOR_DEMANDA, "0.5");
            EXPECT_NEAR(Valor(e, IDC_DEMANDA_TOTAL), 416.7f, 0.01f);
            e.Click(IDOK);
        });
        d.Click(IDC_INCLUIR);
        EXPECT_EQ(grade.GetRows(), 3);
        EXPECT_EQ(grade.GetTextMatrix(2, 4), "    416.7");
        d.Click(IDOK);
    });
    CCarga_corrente dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_CALCULAR_CORRENTE);
        // P = 4000 + 375 = 4375; S = 5000 + 416.67; I = 5416.67 / (sqrt(3) x 380) = 8.23 A.
        EXPECT_NEAR(Valor(d, IDC_CORRENTE), 8.2f, 0.001f);
        EXPECT_FALSE(d.Enabled(IDC_CORRENTE));
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(Cargas(), "1/4x1000/0.8/1 2/3x250/0.9/0.5");
    EXPECT_EQ(Q("SELECT circuito_corrente_regime FROM circuito WHERE circuito_sequencial=3"), "8.2");
}

TEST_F(CargaCorrente, DeletingTheOnlyLineClosesTheListAndOkThenDeletesTheRows)
{
    Carga(1, 1.0, 2, 1000, 0.8);
    host.OnDialog(IDD_CARGA, [](DialogDriver& d) {
        d.Click(IDC_EXCLUIR);
        EXPECT_TRUE(d.Ended());
        EXPECT_EQ(d.Result(), IDOK);
    });
    CCarga_corrente dlg;
    host.Run(dlg, [](DialogDriver& d) {
        const std::string corrente = d.Text(IDC_CORRENTE);
        d.Click(IDC_CALCULAR_CORRENTE);
        EXPECT_TRUE(d.Enabled(IDC_CORRENTE));
        EXPECT_TRUE(d.Enabled(IDC_FATOR_POTENCIA));
        EXPECT_EQ(d.Text(IDC_CORRENTE), corrente);  // the last computed values stay
        d.Click(IDOK);
    });
    EXPECT_EQ(Q("SELECT COUNT(*) FROM carga"), "0");
    EXPECT_EQ(Q("SELECT circuito_corrente_regime||'/'||circuito_fator_potencia_regime FROM circuito WHERE "
                "circuito_sequencial=3"),
              "3.8/0.8");
}

TEST_F(CargaCorrente, CancelChangesNothingWhateverTheListDialogsDid)
{
    Carga(1, 1.0, 2, 1000, 0.8);
    const std::string antes = Cargas();
    host.OnDialog(IDD_CARGA, [](DialogDriver& d) { d.Click(IDC_EXCLUIR); });
    CCarga_corrente dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_CALCULAR_CORRENTE);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(Cargas(), antes);
    EXPECT_EQ(Calculados(), "1:1 2:1 3:1 4:1");
    EXPECT_EQ(Q("SELECT circuito_corrente_regime FROM circuito WHERE circuito_sequencial=3"), "12.3");
}

TEST_F(CargaCorrente, ACancelledListLeavesTheLinesAsTheyWere)
{
    Carga(1, 1.0, 2, 1000, 0.8);
    host.OnDialog(IDD_CARGA, [this](DialogDriver& d) {
        host.OnDialog(IDD_CARGA_INCLUSAO, [](DialogDriver& e) {
            Put(e, IDC_QUANTIDADE_CARGAS, "9");
            e.Click(IDOK);
        });
        d.Click(IDC_EDITAR);
        d.Click(IDCANCEL);
    });
    CCarga_corrente dlg;
    host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_CALCULAR_CORRENTE);
        d.Click(IDOK);
    });
    EXPECT_EQ(Cargas(), "1/2x1000/0.8/1");
}

TEST_F(CargaCorrente, AFailedWriteIsReportedRolledBackAndKeepsTheDialogOpen)
{
    Carga(1, 1.0, 2, 1000, 0.8);
    const std::string antes = Cargas();
    Sql("CREATE TRIGGER falha BEFORE INSERT ON carga BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");
    CCarga_corrente dlg;
    host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        d.Click(IDCANCEL);
    });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Cargas(), antes);  // the delete before the failing insert was undone
    EXPECT_EQ(Calculados(), "1:1 2:1 3:1 4:1");
    EXPECT_NE(zeltest::ReadFile(dir.File("ZEL.LOG")).find("CCarga_corrente::OnOK"), std::string::npos);
}

TEST_F(CargaCorrente, DirectCurrentHidesThePowerFactorAndStoresLinesWithPowerFactorOne)
{
    Sql("UPDATE circuito SET sistema_codigo=2,circuito_tensao_fase_fase=24 WHERE circuito_sequencial=3");
    host.OnDialog(IDD_CORRENTE_CONTINUA, [this](DialogDriver& d) {
        host.OnDialog(IDD_CORRENTE_CONTINUA_INCLUSAO, [](DialogDriver& e) {
            Put(e, IDC_QUANTIDADE_CARGAS, "2");
            Put(e, IDC_POTENCIA_ATIVA, "100");
            Put(e, IDC_FATOR_DEMANDA, "0.5");
            EXPECT_EQ(e.Text(IDC_DEMANDA_TOTAL), "   100.0");
            e.Click(IDOK);
        });
        d.Click(IDC_INCLUIR);
        auto& grade = d.Get<CMSFlexGrid>(IDC_GRADE);
        EXPECT_EQ(grade.GetCols(), 4);
        EXPECT_EQ(grade.GetTextMatrix(0, 2), "Fator de demanda");
        EXPECT_EQ(grade.GetTextMatrix(1, 3), "    100.0");
        d.Click(IDOK);
    });
    CCarga_corrente dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_FALSE(d.Visible(IDC_FATOR_POTENCIA));
        EXPECT_FALSE(d.Visible(IDC_ROTULO_FATOR_POTENCIA));
        Put(d, IDC_CORRENTE, "0");
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Click(IDC_CALCULAR_CORRENTE);
        EXPECT_NEAR(Valor(d, IDC_CORRENTE), 4.2f, 0.001f);  // 100 W / 24 V
        EXPECT_EQ(d.Text(IDC_FATOR_POTENCIA), "1.00");
        d.Click(IDOK);
    });
    EXPECT_EQ(Cargas(), "1/2x100/1/0.5");
}

TEST(CargaLinhas, InvalidLineValuesDisableOk)
{
    CAppContext contexto;
    HeadlessHost host(contexto);
    ScopedAppContext escopo(contexto);
    struct Caso {
        const char *quantidade, *fp, *potencia, *fd;
        int invalido;  // the field shown invalid, 0 for none
        bool ok;
    };
    const Caso casos[] = {
        {"2", "0.8", "100", "1", 0, true},
        {"2", "1.5", "100", "1", IDC_FATOR_POTENCIA, false},
        {"2", "0", "100", "1", IDC_FATOR_POTENCIA, false},
        {"0", "0.8", "100", "1", IDC_QUANTIDADE_CARGAS, false},
        {"2", "0.8", "0", "1", IDC_POTENCIA_ATIVA, false},
        {"2", "0.8", "100", "0", IDC_FATOR_DEMANDA, false},
        {"2", "0.8", "100", "1.5", 0, true},  // a demand factor above 1 is accepted
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.quantidade) + " " + c.fp + " " + c.potencia + " " + c.fd);
        CCarga_inclusao ca;
        host.Run(ca, [&](DialogDriver& d) {
            Put(d, IDC_QUANTIDADE_CARGAS, c.quantidade);
            Put(d, IDC_FATOR_POTENCIA, c.fp);
            Put(d, IDC_POTENCIA_ATIVA, c.potencia);
            Put(d, IDC_FATOR_DEMANDA, c.fd);
            EXPECT_EQ(d.Enabled(IDOK), c.ok);
            for (int id : {IDC_QUANTIDADE_CARGAS, IDC_FATOR_POTENCIA, IDC_POTENCIA_ATIVA, IDC_FATOR_DEMANDA})
                EXPECT_EQ(Fundo(d, id), id == c.invalido ? kInvalido : kBranco) << id;
            d.Escape();
        });
        // The same line for a direct-current load (no power factor).
        if (c.invalido == IDC_FATOR_POTENCIA)
            continue;
        CCorrente_continua_inclusao cc;
        host.Run(cc, [&](DialogDriver& d) {
            Put(d, IDC_QUANTIDADE_CARGAS, c.quantidade);
            Put(d, IDC_POTENCIA_ATIVA, c.potencia);
            Put(d, IDC_FATOR_DEMANDA, c.fd);
            EXPECT_EQ(d.Enabled(IDOK), c.ok);
            d.Escape();
        });
    }
}

TEST(CargaLinhas, ListsHoldMoreThan255LinesAndStopIncludingAtTheLimit)
{
    CAppContext contexto;
    HeadlessHost host(contexto);
    ScopedAppContext escopo(contexto);
    CListaCargas lista;
    for (int i = 1; i <= 300; ++i)
        lista.push_back({1.0f, static_cast<short>(i % 900 + 1), 100.0f, 0.9f});
    CCarga dlg;
    dlg.m_pCargas = &lista;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Get<CMSFlexGrid>(IDC_GRADE).GetRows(), 301);
        d.ClickCell(IDC_GRADE, 300, 0).Click(IDC_EXCLUIR);  // the last line; the one before it becomes current
        EXPECT_EQ(d.Get<CMSFlexGrid>(IDC_GRADE).GetRow(), 299);
        d.Click(IDOK);
    });
    ASSERT_EQ(lista.size(), 299u);
    EXPECT_EQ(lista[255].numero_cargas_iguais, 257);
    EXPECT_EQ(lista.back().numero_cargas_iguais, 300);

    // At the limit of the file's 16-bit line numbers, "Incluir" is disabled.
    lista.assign(static_cast<std::size_t>(kMaxLinhas - 1), CItemCarga{1.0f, 1, 100.0f, 1.0f});
    CCorrente_continua dc;
    dc.m_pCargas = &lista;
    host.OnDialog(IDD_CORRENTE_CONTINUA_INCLUSAO, [](DialogDriver& e) {
        Put(e, IDC_QUANTIDADE_CARGAS, "7");
        Put(e, IDC_POTENCIA_ATIVA, "10");
        Put(e, IDC_FATOR_DEMANDA, "1");
        e.Click(IDOK);
    });
    host.Run(dc, [](DialogDriver& d) {
        EXPECT_TRUE(d.Enabled(IDC_INCLUIR));
        d.Click(IDC_INCLUIR);
        EXPECT_FALSE(d.Enabled(IDC_INCLUIR));
        d.Click(IDOK);
    });
    ASSERT_EQ(lista.size(), static_cast<std::size_t>(kMaxLinhas));
    EXPECT_EQ(lista.back().numero_cargas_iguais, 7);
    EXPECT_EQ(lista.back().fator_potencia, 1.0f);
}

}  // namespace
