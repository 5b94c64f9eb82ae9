// Mvsize's economic-sizing dialog (131).
#include "MvDialogosFixture.h"

#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "DimensionamentoEconomico.h"

using namespace mvdlg;
using namespace mvdlgtest;

namespace {

class MvEconomico : public MvUi {
protected:
    MvEconomico()
    {
        Inserir(1, 0, "SE-01", true);
        Inserir(2, 1, "TR-01", true);
        Sql("UPDATE circuito SET circuito_custo_instalacao_cabo=120,circuito_horas_ano_funcionamento=4000,"
            "circuito_numero_anos=15,circuito_tarifa_energia=0.25 WHERE circuito_sequencial=2");
    }
    std::string Gravado()
    {
        return Q("SELECT circuito_custo_instalacao_cabo||'/'||circuito_horas_ano_funcionamento||'/'||"
                 "circuito_numero_anos||'/'||circuito_tarifa_energia||'/'||circuito_calculado FROM circuito "
                 "WHERE circuito_sequencial=2");
    }
    ScopedCircuitoSelecionado selecionado{2};
};

TEST_F(MvEconomico, ShowsTheStoredValuesAndOkMarksOnlyTheCircuitNotCalculated)
{
    CDimensionamento_economico dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        EXPECT_EQ(d.Get<CEditColor>(IDC_CUSTO_INSTALACAO).GetValue(), 120.0f);
        EXPECT_EQ(d.Get<CEditColor>(IDC_HORAS_ANO).GetValue(), 4000.0f);
        EXPECT_EQ(d.Get<CEditColor>(IDC_NUMERO_ANOS).GetValue(), 15.0f);
        EXPECT_FLOAT_EQ(d.Get<CEditColor>(IDC_TARIFA_ENERGIA).GetValue(), 0.25f);
        EXPECT_TRUE(d.Enabled(IDC_ECONOMICO_OK));
        Put(d, IDC_HORAS_ANO, "9000");  // a year has 8760 hours: Mvsize has no upper bound
        EXPECT_TRUE(d.Enabled(IDC_ECONOMICO_OK));
        EXPECT_EQ(Fundo(d, IDC_HORAS_ANO), kBranco);
        d.Click(IDC_ECONOMICO_OK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(Gravado(), "120/9000/15/0.25/0");
    EXPECT_EQ(Calculados(), "1:1 2:0");  // the parent keeps its mark
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(MvEconomico, EachFieldMustBeAboveZeroInMvsizesColour)
{
    struct Caso {
        const char *custo, *horas, *anos, *tarifa;
        int invalido;
    };
    const Caso casos[] = {
        {"100", "8760", "10", "0.35", 0},
        {"100", "9999", "10", "0.35", 0},
        {"100", "0", "10", "0.35", IDC_HORAS_ANO},
        {"0", "4000", "10", "0.35", IDC_CUSTO_INSTALACAO},
        {"32767", "4000", "10", "0.35", 0},
        {"32768", "4000", "10", "0.35", IDC_CUSTO_INSTALACAO},  // the column is 16-bit
        {"100", "4000", "0", "0.35", IDC_NUMERO_ANOS},
        {"100", "4000", "10", "0", IDC_TARIFA_ENERGIA},
        {"100", "4000", "10", "0.0001", 0},
    };
    CDimensionamento_economico dlg;
    host.Run(dlg, [&](DialogDriver& d) {
        for (const Caso& c : casos) {
            Put(d, IDC_CUSTO_INSTALACAO, c.custo);
            Put(d, IDC_HORAS_ANO, c.horas);
            Put(d, IDC_NUMERO_ANOS, c.anos);
            Put(d, IDC_TARIFA_ENERGIA, c.tarifa);
            const std::string caso = std::string(c.custo) + "/" + c.horas + "/" + c.anos + "/" + c.tarifa;
            EXPECT_EQ(d.Enabled(IDC_ECONOMICO_OK), c.invalido == 0) << caso;
            for (int id : {IDC_CUSTO_INSTALACAO, IDC_HORAS_ANO, IDC_NUMERO_ANOS, IDC_TARIFA_ENERGIA})
                EXPECT_EQ(Fundo(d, id), id == c.invalido ? kInvalido : kBranco) << caso << " " << id;
        }
        d.Escape();
    });
    EXPECT_EQ(Gravado(), "120/4000/15/0.25/-1");  // Cancel wrote nothing
}

TEST_F(MvEconomico, ATopLevelCircuitWithNoValuesOpensInvalidAndDispensarStoresZeros)
{
    ScopedCircuitoSelecionado topo{1};  // its economic columns are Null
    CDimensionamento_economico dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        for (int id : {IDC_CUSTO_INSTALACAO, IDC_HORAS_ANO, IDC_NUMERO_ANOS, IDC_TARIFA_ENERGIA})
            EXPECT_EQ(Fundo(d, id), kInvalido) << id;
        EXPECT_FALSE(d.Enabled(IDC_ECONOMICO_OK));
        EXPECT_TRUE(d.Enabled(IDC_DISPENSAR));
        d.Click(IDC_DISPENSAR);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(Q("SELECT circuito_custo_instalacao_cabo||'/'||circuito_horas_ano_funcionamento||'/'||"
                "circuito_numero_anos||'/'||circuito_tarifa_energia||'/'||circuito_calculado FROM circuito "
                "WHERE circuito_sequencial=1"),
              "0/0/0/0/0");
    EXPECT_EQ(Calculados(), "1:0 2:1");
}

TEST_F(MvEconomico, DispensarOnASubCircuitLeavesItsParentCalculated)
{
    CDimensionamento_economico dlg;
    EXPECT_EQ(host.Run(dlg, [](DialogDriver& d) { d.Click(IDC_DISPENSAR); }), IDOK);
    EXPECT_EQ(Gravado(), "0/0/0/0/0");
    EXPECT_EQ(Calculados(), "1:1 2:0");
}

TEST_F(MvEconomico, AFailedWriteIsReportedRolledBackAndKeepsTheDialogOpen)
{
    Sql("CREATE TRIGGER falha BEFORE UPDATE ON circuito BEGIN SELECT RAISE(ABORT, 'falha'); END");
    for (int botao : {IDC_ECONOMICO_OK, IDC_DISPENSAR}) {
        host.messages.clear();
        CDimensionamento_economico dlg;
        const int r = host.Run(dlg, [botao](DialogDriver& d) {
            Put(d, IDC_HORAS_ANO, "5000");
            d.Click(botao);
            EXPECT_FALSE(d.Ended()) << botao;
            d.Escape();
        });
        EXPECT_EQ(r, IDCANCEL);
        EXPECT_EQ(host.messages.size(), 1u) << botao;
        EXPECT_EQ(Gravado(), "120/4000/15/0.25/-1");
        EXPECT_EQ(Calculados(), "1:1 2:1");
    }
    EXPECT_NE(Log().find("CDimensionamento_economico::OnOk"), std::string::npos);
    EXPECT_NE(Log().find("CDimensionamento_economico::OnNaoCalcular"), std::string::npos);
}

TEST_F(MvEconomico, AReadFailureIsReportedAndTheFieldsStayEmpty)
{
    documento.m_pDatabase = nullptr;
    CDimensionamento_economico dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_FALSE(d.Enabled(IDC_ECONOMICO_OK));
        d.Escape();
    });
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_NE(Log().find("CDimensionamento_economico::OnInitDialog"), std::string::npos);
}

}  // namespace
