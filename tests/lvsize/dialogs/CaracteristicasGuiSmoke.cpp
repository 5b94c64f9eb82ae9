// The characteristics dialog on a virtual screen: a sub-circuit being edited, filled from its row and the
// shipped catalogue, saved as a PNG with the selection-list dialog its OK opens; and a new circuit with an
// invalid field, whose colour is read back from the screen.
#include "Caracteristicas.h"
#include "CaracteristicasFixture.h"
#include "CaracteristicasIds.h"

#include "WxDialog.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

using namespace car;
using namespace cartest;

class CaracteristicasSmokeApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(CaracteristicasSmokeApp);

namespace {

std::string Saida()
{
    std::filesystem::create_directories(ZEL_SCREENSHOT_DIR);
    return ZEL_SCREENSHOT_DIR;
}

void Pump(int rounds = 10)
{
    for (int i = 0; i < rounds; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
}

bool Shot(wxWindow* w, const std::string& name)
{
    Pump(5);
    return zel::wx::SaveScreenshot(w, Saida() + "/" + name + ".png");
}

wxColour CorDentro(wxWindow* top, wxWindow* widget)
{
    const std::string tmp = Saida() + "/.sonda.png";
    if (!widget || !zel::wx::SaveScreenshot(top, tmp))
        return wxColour();
    wxImage img(wxString::FromUTF8(tmp.c_str()), wxBITMAP_TYPE_PNG);
    std::filesystem::remove(tmp);
    const wxRect d = top->GetScreenRect();
    const wxRect w = widget->GetScreenRect();
    const int x = w.GetX() - d.GetX() + w.GetWidth() - 6;
    const int y = w.GetY() - d.GetY() + w.GetHeight() / 2;
    if (!img.IsOk() || x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight())
        return wxColour();
    return wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
}

class WxAmbiente : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(zel::wx::UsePortugueseLocale());
        static int argc = 1;
        static char nome[] = "lvsize_caracteristicas_gui";
        static char* argv[] = {nome, nullptr};
        ASSERT_TRUE(wxEntryStart(argc, argv));
        ASSERT_TRUE(wxTheApp->CallOnInit());
        zel::wx::InitWxLocale();
        wxInitAllImageHandlers();
    }
    void TearDown() override { wxEntryCleanup(); }
};

[[maybe_unused]] ::testing::Environment* const g_wx = ::testing::AddGlobalTestEnvironment(new WxAmbiente);

TEST(CaracteristicasNaTela, SubcircuitoEmEdicaoESelecaoDeDados)
{
    Projeto p;
    zel::wx::WxHost host(Program::Lvsize);
    host.Install(p.context);
    p.Circuito(1, 0, "QGBT", 13, 3, 5, "circuito_queda_tensao_regime=1.5, circuito_queda_tensao_partida=3");
    p.Circuito(2, 1, "QD-1 Iluminação", 13, 3, 5,
               "circuito_secao_condutor_imposta=16, circuito_conteudo_harmonica=20, "
               "circuito_dispensar_contato_indireto=-1, circuito_comprimento=32.5");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(2,1,1),(2,4,2),(2,12,2),(2,13,3)");

    std::map<int, std::function<void(zel::wx::WxDialog&)>> passos;
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        auto it = passos.find(w.Model().GetTemplateId());
        if (it == passos.end()) {
            w.Model().UserCancel();
            return;
        }
        it->second(w);
    };
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
    host.Install(p.context);
    wxColour invalido, valido;
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        CDialog& d = w.Model();
        auto& demanda = dynamic_cast<CEditColor&>(*d.GetDlgItem(IDC_FATOR_DEMANDA));
        demanda.SetWindowText("0");
        Pump();
        invalido = CorDentro(&w, w.WidgetOf(IDC_FATOR_DEMANDA));
        EXPECT_TRUE(Shot(&w, "lvsize-caracteristicas-novo"));
        demanda.SetWindowText("0.9");
        Pump();
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
