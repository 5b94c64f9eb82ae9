// The protection-device dialog (165) on the shipped sample library.
#include "CargasFixture.h"

#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "DispositivoProtecao.h"
#include "SqlValue.h"

#include <filesystem>

using namespace cargastest;
using namespace lvdlg;

namespace {

std::string Linhas(DialogDriver& d)
{
    auto& lista = d.Get<CComboBox>(IDC_DISPOSITIVO_PROTECAO);
    std::string out;
    for (int i = 0; i < lista.GetCount(); ++i)
        out += (i ? "|" : "") + lista.GetLBText(i);
    return out;
}

std::string Selecionada(DialogDriver& d)
{
    auto& lista = d.Get<CComboBox>(IDC_DISPOSITIVO_PROTECAO);
    return lista.GetCurSel() < 0 ? "" : lista.GetLBText(lista.GetCurSel());
}

const char* const kDisjuntores = "Disj. caixa moldada (amostra)|Disjuntor curva B (amostra)|Disjuntor curva C (amostra)";

class LvDispositivo : public CargasUi {
protected:
    explicit LvDispositivo(const std::string& caminhoCatalogo = "") : CargasUi(caminhoCatalogo)
    {
        Inserir({.sequencial = 1, .codigo = "QGBT"});
        Inserir({.sequencial = 2, .pai = 1, .codigo = "M1", .tensaoFaseFase = 380});
    }
    std::string Gravado()
    {
        return Q("SELECT dispositivo_protecao_codigo||'/'||circuito_fator_correcao_disjuntor||'/'||circuito_calculado "
                 "FROM circuito WHERE circuito_sequencial=2");
    }
    ScopedCircuitoSelecionado selecionado{2};
};

TEST_F(LvDispositivo, AFactorOfZeroOpensOnFusesAndSwitchingToBreakersShowsOne)
{
    CDispositivo_protecao dlg;
    const int r = host.Run(dlg, [](DialogDriver& d) {
        EXPECT_TRUE(d.Checked(IDC_FUSIVEL));
        EXPECT_FALSE(d.Visible(IDC_FATOR_CORRECAO));
        EXPECT_FALSE(d.Visible(IDC_ROTULO_FATOR_CORRECAO));
        EXPECT_EQ(Linhas(d), "Fusível gG (amostra)");
        EXPECT_EQ(Selecionada(d), "Fusível gG (amostra)");
        EXPECT_TRUE(d.Enabled(IDOK));
        d.Click(IDC_DISJUNTOR);
        EXPECT_TRUE(d.Visible(IDC_FATOR_CORRECAO));
        EXPECT_EQ(d.Text(IDC_FATOR_CORRECAO), "1.00");
        EXPECT_EQ(Fundo(d, IDC_FATOR_CORRECAO), kBranco);
        EXPECT_EQ(Linhas(d), kDisjuntores);
        EXPECT_EQ(Selecionada(d), "Disj. caixa moldada (amostra)");
        d.Select(IDC_DISPOSITIVO_PROTECAO, "Disjuntor curva C (amostra)");
        Put(d, IDC_FATOR_CORRECAO, "0.91");
        d.Click(IDOK);
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(Gravado(), "2/0.91/0");
    EXPECT_EQ(Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=1"), "0");
}

TEST_F(LvDispositivo, TheStoredBreakerIsPreselectedUntilTheUserPicksAnother)
{
    Sql("UPDATE circuito SET dispositivo_protecao_codigo=2,circuito_fator_correcao_disjuntor=0.87 WHERE "
        "circuito_sequencial=2");
    CDispositivo_protecao dlg;
    host.Run(dlg, [](DialogDriver& d) {
        EXPECT_TRUE(d.Checked(IDC_DISJUNTOR));
        EXPECT_EQ(d.Text(IDC_FATOR_CORRECAO), "0.87");
        EXPECT_EQ(Selecionada(d), "Disjuntor curva C (amostra)");
        d.Click(IDC_FUSIVEL).Click(IDC_DISJUNTOR);
        EXPECT_EQ(Selecionada(d), "Disjuntor curva C (amostra)");  // nothing picked yet
        d.Select(IDC_DISPOSITIVO_PROTECAO, "Disjuntor curva B (amostra)");
        d.Click(IDC_FUSIVEL);
        EXPECT_EQ(Selecionada(d), "Fusível gG (amostra)");
        d.Click(IDC_DISJUNTOR);
        EXPECT_EQ(Selecionada(d), "Disj. caixa moldada (amostra)");  // the first line, not the stored device
        d.Escape();
    });
}

TEST_F(LvDispositivo, BreakersFollowTheCircuitVoltage)
{
    struct Caso {
        int vff;
        double vfn;
        const char* linhas;
    };
    const Caso casos[] = {{500, 290.0, ""}, {0, 220.0, kDisjuntores}, {400, 230.0, kDisjuntores}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.vff);
        Sql(FormatC("UPDATE circuito SET circuito_tensao_fase_fase=%i,circuito_tensao_fase_neutro=%f,"
                    "circuito_fator_correcao_disjuntor=1 WHERE circuito_sequencial=2",
                    c.vff, c.vfn));
        CDispositivo_protecao dlg;
        host.Run(dlg, [&](DialogDriver& d) {
            EXPECT_EQ(Linhas(d), c.linhas);
            EXPECT_EQ(d.Enabled(IDOK), *c.linhas != '\0');
            d.Escape();
        });
    }
}

TEST_F(LvDispositivo, TheFactorCountsOnlyForBreakers)
{
    struct Caso {
        const char* fator;
        bool ok;
    };
    for (const Caso& c : {Caso{"0", false}, Caso{"1.01", false}, Caso{"1", true}, Caso{"0.01", true}}) {
        SCOPED_TRACE(c.fator);
        CDispositivo_protecao dlg;
        host.Run(dlg, [&](DialogDriver& d) {
            d.Click(IDC_DISJUNTOR);
            Put(d, IDC_FATOR_CORRECAO, c.fator);
            EXPECT_EQ(d.Enabled(IDOK), c.ok);
            EXPECT_EQ(Fundo(d, IDC_FATOR_CORRECAO), c.ok ? kBranco : kInvalido);
            d.Click(IDC_FUSIVEL);
            EXPECT_TRUE(d.Enabled(IDOK));
            d.Escape();
        });
    }
    CDispositivo_protecao dlg;
    host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDC_DISJUNTOR);
        Put(d, IDC_FATOR_CORRECAO, "1.5");
        d.Click(IDC_FUSIVEL).Click(IDOK);
    });
    EXPECT_EQ(Gravado(), "4/0/0");
}

TEST_F(LvDispositivo, CancelWritesNothingAndAFailedWriteKeepsTheDialogOpen)
{
    CDispositivo_protecao cancelado;
    host.Run(cancelado, [](DialogDriver& d) { d.Click(IDC_DISJUNTOR).Click(IDCANCEL); });
    EXPECT_EQ(Gravado(), "0/0/-1");

    Sql("CREATE TRIGGER falha BEFORE UPDATE OF dispositivo_protecao_codigo ON circuito BEGIN "
        "SELECT RAISE(ABORT, 'falha'); END");
    CDispositivo_protecao dlg;
    host.Run(dlg, [](DialogDriver& d) {
        d.Click(IDOK);
        EXPECT_FALSE(d.Ended());
        d.Escape();
    });
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(Gravado(), "0/0/-1");
    EXPECT_EQ(Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=1"), "-1");  // rolled back too
}

// Two devices of one description: the line chosen is the device stored.
class LvDispositivoHomonimo : public LvDispositivo {
protected:
    static std::string CopiaDoCatalogo()
    {
        static zeltest::TempDir pasta;
        const std::string path = pasta.File("ZelBt01.zel");
        std::filesystem::copy_file(ShippedCatalogue(), path, std::filesystem::copy_options::overwrite_existing);
        zeltest::RunSql(path,
                        "INSERT INTO dispositivo_protecao VALUES(9,'Disjuntor curva C (amostra)',400);");
        return path;
    }
    LvDispositivoHomonimo() : LvDispositivo(CopiaDoCatalogo()) {}
};

TEST_F(LvDispositivoHomonimo, TheChosenLineKeepsItsOwnDeviceCode)
{
    Sql("UPDATE circuito SET dispositivo_protecao_codigo=9,circuito_fator_correcao_disjuntor=0.9 WHERE "
        "circuito_sequencial=2");
    CDispositivo_protecao dlg;
    host.Run(dlg, [](DialogDriver& d) {
        auto& lista = d.Get<CComboBox>(IDC_DISPOSITIVO_PROTECAO);
        ASSERT_EQ(lista.GetCount(), 4);
        EXPECT_EQ(lista.GetItemData(lista.GetCurSel()), 9u);
        d.Click(IDOK);
    });
    EXPECT_EQ(Gravado(), "9/0.9/0");
}

}  // namespace
