// The economic-sizing dialog (131).
#include "CargasFixture.h"

#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "DimensionamentoEconomico.h"

using namespace cargastest;
using namespace lvdlg;

namespace {

class LvEconomico : public CargasUi {
protected:
    LvEconomico()
    {
        Inserir({.sequencial = 1, .codigo = "QGBT"});
        Inserir({.sequencial = 2, .pai = 1, .codigo = "M1"});
    }
    std::string Gravado()
    {
        return Q("SELECT circuito_custo_instalacao_cabo||'/'||circuito_horas_ano_funcionamento||'/'||"
                 "circuito_numero_anos||'/'||circuito_tarifa_energia||'/'||circuito_calculado FROM circuito "
                 "WHERE circuito_sequencial=2");
    }
    ScopedCircuitoSelecionado selecionado{2};
};

TEST_F(LvEconomico, AllZeroOpensInvalidAndDispensarStoresZeros)
{
    Sql("UPDATE circuito SET circuito_custo_instalacao_cabo=0 WHERE circuito_sequencial=2");
    CDimensionamento_economico dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        for (int id : {IDC_CUSTO_INSTALACAO, IDC_HORAS_ANO, IDC_NUMERO_ANOS, IDC_TARIFA_ENERGIA})
            EXPECT_EQ(Fundo(d, id), kInvalido) << id;
        EXPECT_FALSE(d.Enabled(IDC_ECONOMICO_OK));
        EXPECT_TRUE(d.Enabled(IDC_DISPENSAR));
        d.Click(IDC_DISPENSAR);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(Gravado(), "0/0/0/0/0");
    EXPECT_EQ(Calculados(), "1:0 2:0");
}

TEST_F(LvEconomico, LimitsOfTheFourInputs)
{
    struct Caso {
        const char *custo, *horas, *anos, *tarifa;
        int invalido;
    };
    const Caso casos[] = {
        {"100", "8759", "10", "0.35", 0},
        {"100", "8760", "10", "0.35", IDC_HORAS_ANO},
        {"100", "0", "10", "0.35", IDC_HORAS_ANO},
        {"32767", "4000", "10", "0.35", 0},
        {"32768", "4000", "10", "0.35", IDC_CUSTO_INSTALACAO},  // the column is 16-bit
        {"99999", "4000", "10", "0.35", IDC_CUSTO_INSTALACAO},
        {"0", "4000", "10", "0.35", IDC_CUSTO_INSTALACAO},
        {"100", "4000", "0", "0.35", IDC_NUMERO_ANOS},
        {"100", "4000", "10", "0", IDC_TARIFA_ENERGIA},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.custo) + " " + c.horas + " " + c.anos + " " + c.tarifa);
        CDimensionamento_economico dlg;
        host.Run(dlg, [&](DialogDriver& d) {
            Put(d, IDC_CUSTO_INSTALACAO, c.custo);
            Put(d, IDC_HORAS_ANO, c.horas);
            Put(d, IDC_NUMERO_ANOS, c.anos);
            Put(d, IDC_TARIFA_ENERGIA, c.tarifa);
            EXPECT_EQ(d.Enabled(IDC_ECONOMICO_OK), c.invalido == 0);
            for (int id : {IDC_CUSTO_INSTALACAO, IDC_HORAS_ANO, IDC_NUMERO_ANOS, IDC_TARIFA_ENERGIA})
                EXPECT_EQ(Fundo(d, id), id == c.invalido ? kInvalido : kBranco) << id;
            d.Click(IDCANCEL);
        });
    }
    EXPECT_EQ(Gravado(), "0/0/0/0/-1");  // Cancel wrote nothing
}

TEST_F(LvEconomico, OkStoresTheInputsAndTheyComeBack)
{
    CDimensionamento_economico dlg;
    host.Run(dlg, [](DialogDriver& d) {
        Put(d, IDC_CUSTO_INSTALACAO, "32767");
        Put(d, IDC_HORAS_ANO, "8759");
        Put(d, IDC_NUMERO_ANOS, "25");
        Put(d, IDC_TARIFA_ENERGIA, "0.4567");
        d.Enter();  // "Ok" is the default button
        EXPECT_TRUE(d.Ended());
    });
    EXPECT_EQ(Gravado(), "32767/8759/25/0.4567/0");
    EXPECT_EQ(Calculados(), "1:0 2:0");
    CDimensionamento_economico again;
    host.Run(again, [](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_TARIFA_ENERGIA), " 0.4567");
        EXPECT_TRUE(d.Enabled(IDC_ECONOMICO_OK));
        d.Escape();
    });
}

}  // namespace
