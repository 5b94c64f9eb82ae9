// Mvsize's circuit dialog on a virtual screen: a sub-circuit being edited, filled from its row and the
// shipped catalogue, saved as a PNG with the layout question its OK opens; and a new circuit with an
// invalid field, whose colour is read back from the screen.
#include "CaracteristicasMt.h"
#include "CaracteristicasMtFixture.h"
#include "CaracteristicasMtIds.h"

#include "EditColor.h"
#include "WxDialog.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

using namespace mvcar;
using namespace mvcartest;

class MvCaracteristicasSmokeApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(MvCaracteristicasSmokeApp);

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
        static char nome[] = "mvsize_caracteristicas_gui";
        static char* argv[] = {nome, nullptr};
        ASSERT_TRUE(wxEntryStart(argc, argv));
        ASSERT_TRUE(wxTheApp->CallOnInit());
        zel::wx::InitWxLocale();
        wxInitAllImageHandlers();
    }
    void TearDown() override { wxEntryCleanup(); }
};

[[maybe_unused]] ::testing::Environment* const g_wx = ::testing::AddGlobalTestEnvironment(new WxAmbiente);

TEST(MvCaracteristicasNaTela, SubcircuitoEmEdicaoEPerguntaDeDisposicao)
{
    Projeto p;
    zel::wx::WxHost host(Program::Mvsize);
    host.Install(p.context);
    p.Circuito(1, 0, "QGMT");
    p.Circuito(2, 1, "ALIM-Subestação 2", "maneira_instalar_codigo=5, circuito_secao_condutor_imposta=240, "
                                         "resistividade_termica=1.5, circuito_fator_agrupamento_imposto=0.8");
    p.Sql("INSERT INTO circuito_x_tabela_selecao VALUES(2,80,1)");

    std::map<int, std::function<void(zel::wx::WxDialog&)>> passos;
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        auto it = passos.find(w.Model().GetTemplateId());
        if (it == passos.end()) {
            w.Model().UserCancel();
            return;
        }
        it->second(w);
    };
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
    host.Install(p.context);
    wxColour invalido, valido;
    host.onDialogShown = [&](zel::wx::WxDialog& w) {
        CDialog& d = w.Model();
        auto& fator = dynamic_cast<CEditColor&>(*d.GetDlgItem(IDC_FATOR_AGRUPAMENTO));
        fator.SetWindowText("1.5");
        Pump();
        invalido = CorDentro(&w, w.WidgetOf(IDC_FATOR_AGRUPAMENTO));
        EXPECT_TRUE(Shot(&w, "mvsize-caracteristicas-novo"));
        fator.SetWindowText("0.9");
        Pump();
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
