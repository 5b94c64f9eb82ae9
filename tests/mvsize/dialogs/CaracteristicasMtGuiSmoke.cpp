// Mvsize's circuit dialog on a virtual screen: a sub-circuit being edited, filled from its row and the
// shipped catalogue, saved as a PNG with the layout question its OK opens; and a new circuit with an
// invalid field, whose colour is read back from the screen.
#include "CaracteristicasMt.h"
#include "CaracteristicasMtFixture.h"
#include "CaracteristicasMtIds.h"

#include "EditColor.h"
#include "SmokeSupport.h"

#include <gtest/gtest.h>

using namespace mvcar;
using namespace mvcartest;

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
    ::testing::AddGlobalTestEnvironment(new smoke::AmbienteWx("mvsize_caracteristicas_gui"));

TEST(MvCaracteristicasNaTela, SubcircuitoEmEdicaoEPerguntaDeDisposicao)
{
    Projeto p;
    zel::wx::WxHost host(Program::Mvsize);
    host.Install(p.contexto);
    p.Circuito(1, 0, "QGMT");
    p.Circuito(2, 1, "ALIM-Subestação 2", "maneira_instalar_codigo=5, circuito_secao_condutor_imposta=240, "
                                         "resistividade_termica=1.5, circuito_fator_agrupamento_imposto=0.8");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(2,80,1)");

    smoke::Passos passos;
    smoke::Seguir(host, passos);
    bool viuPergunta = false;
    passos[IDD_CARACTERISTICAS] = [&](zel::wx::WxDialog& w) {
        EXPECT_TRUE(Shot(&w, "mvsize-caracteristicas"));
        CDialog& d = w.Model();
        EXPECT_TRUE(d.GetDlgItem(IDOK)->IsWindowEnabled());
        EXPECT_EQ(d.GetDlgItemText(IDC_CIRCUITO), "ALIM-Subestação 2");
        EXPECT_FALSE(d.GetDlgItem(IDC_TENSAO_SERVICO)->IsWindowEnabled());
        d.UserClickButton(IDOK);  // the first question shows, is photographed and cancelled
        EXPECT_FALSE(d.IsEnded());
        d.UserCancel();
    };
    passos[IDD_SELECAO_DADOS] = [&](zel::wx::WxDialog& w) {
        viuPergunta = true;
        EXPECT_TRUE(Shot(&w, "mvsize-selecao-disposicao"));
        w.Model().UserCancel();
    };

    CCaracteristicas dlg;
    dlg.m_nCircuitoSequencial = 2;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(viuPergunta);
    EXPECT_EQ(p.Texto("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=1"), "-1")
        << "nothing written";
}

TEST(MvCaracteristicasNaTela, NovoCircuitoComCampoInvalido)
{
    Projeto p;
    zel::wx::WxHost host(Program::Mvsize);
    host.Install(p.contexto);
    wxColour invalido, valido;
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        CDialog& d = w.Model();
        auto& fator = dynamic_cast<CEditColor&>(*d.GetDlgItem(IDC_FATOR_AGRUPAMENTO));
        fator.SetWindowText("1.5");
        smoke::Pump();
        invalido = CorDentro(&w, w.WidgetOf(IDC_FATOR_AGRUPAMENTO));
        EXPECT_TRUE(Shot(&w, "mvsize-caracteristicas-novo"));
        fator.SetWindowText("0.9");
        smoke::Pump();
        valido = CorDentro(&w, w.WidgetOf(IDC_FATOR_AGRUPAMENTO));
        d.UserCancel();
    };
    CCaracteristicas dlg;
    dlg.m_bInclusao = TRUE;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_TRUE(invalido.IsOk());
    EXPECT_NEAR(invalido.Red(), 238, 12);
    EXPECT_NEAR(invalido.Green(), 0, 12);
    EXPECT_NEAR(invalido.Blue(), 169, 12);
    EXPECT_NEAR(valido.Red(), 255, 12);
    EXPECT_NEAR(valido.Blue(), 255, 12);
}

}  // namespace
