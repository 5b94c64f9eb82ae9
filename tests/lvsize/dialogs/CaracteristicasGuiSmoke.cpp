// The characteristics dialog on a virtual screen: a sub-circuit being edited, filled from its row and the
// shipped catalogue, saved as a PNG with the selection-list dialog its OK opens; and a new circuit with an
// invalid field, whose colour is read back from the screen.
#include "Caracteristicas.h"
#include "CaracteristicasFixture.h"
#include "CaracteristicasIds.h"

#include "SmokeSupport.h"

#include <gtest/gtest.h>

using namespace car;
using namespace cartest;

namespace {

bool Shot(wxWindow* w, const std::string& name)
{
    return smoke::Foto(w, ZEL_SCREENSHOT_DIR, name);
}

wxColour CorDentro(wxWindow* top, wxWindow* widget)
{
    return smoke::CorDentro(top, widget, ZEL_SCREENSHOT_DIR);
}

[[maybe_unused]] ::testing::Environment* const g_wx =
    ::testing::AddGlobalTestEnvironment(new smoke::AmbienteWx("lvsize_caracteristicas_gui"));

TEST(CaracteristicasNaTela, SubcircuitoEmEdicaoESelecaoDeDados)
{
    Projeto p;
    zel::wx::WxHost host(Program::Lvsize);
    host.Install(p.contexto);
    p.Circuito(1, 0, "QGBT", 13, 3, 5, "circuito_queda_tensao_regime=1.5, circuito_queda_tensao_partida=3");
    p.Circuito(2, 1, "QD-1 Iluminação", 13, 3, 5,
               "circuito_secao_condutor_imposta=16, circuito_conteudo_harmonica=20, "
               "circuito_dispensar_contato_indireto=-1, circuito_comprimento=32.5");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(2,1,1),(2,4,2),(2,12,2),(2,13,3)");

    smoke::Passos passos;
    smoke::Seguir(host, passos);
    bool viuSelecao = false;
    passos[IDD_CARACTERISTICAS] = [&](zel::wx::WxDialog& w) {
        EXPECT_TRUE(Shot(&w, "lvsize-caracteristicas"));
        CDialog& d = w.Model();
        EXPECT_TRUE(d.GetDlgItem(IDOK)->IsWindowEnabled());
        EXPECT_EQ(d.GetDlgItemText(IDC_CIRCUITO), "QD-1 Iluminação");
        d.UserClickButton(IDOK);  // the first question shows, is photographed and cancelled
        EXPECT_FALSE(d.IsEnded());
        d.UserCancel();
    };
    passos[IDD_SELECAO_DADOS] = [&](zel::wx::WxDialog& w) {
        viuSelecao = true;
        EXPECT_TRUE(Shot(&w, "lvsize-selecao-dados"));
        w.Model().UserCancel();
    };

    CCaracteristicas dlg;
    dlg.m_nCircuitoSequencial = 2;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(viuSelecao);
    EXPECT_EQ(p.Respostas(2).size(), 4u) << "nothing written";
}

TEST(CaracteristicasNaTela, NovoCircuitoComCampoInvalido)
{
    Projeto p;
    zel::wx::WxHost host(Program::Lvsize);
    host.Install(p.contexto);
    wxColour invalido, valido;
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        CDialog& d = w.Model();
        auto& demanda = dynamic_cast<CEditColor&>(*d.GetDlgItem(IDC_FATOR_DEMANDA));
        demanda.SetWindowText("0");
        smoke::Pump();
        invalido = CorDentro(&w, w.WidgetOf(IDC_FATOR_DEMANDA));
        EXPECT_TRUE(Shot(&w, "lvsize-caracteristicas-novo"));
        demanda.SetWindowText("0.9");
        smoke::Pump();
        valido = CorDentro(&w, w.WidgetOf(IDC_FATOR_DEMANDA));
        d.UserCancel();
    };
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_TRUE(invalido.IsOk());
    EXPECT_NEAR(invalido.Red(), 236, 12);
    EXPECT_NEAR(invalido.Green(), 0, 12);
    EXPECT_NEAR(invalido.Blue(), 140, 12);
    EXPECT_NEAR(valido.Red(), 255, 12);
    EXPECT_NEAR(valido.Blue(), 255, 12);
}

}  // namespace
