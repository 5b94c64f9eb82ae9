// Mvsize's economic, company, project-data, print and selection dialogs on a virtual screen, each shown once
// and saved as a PNG into <build>/screenshots/mvsize-dialogos.
#include "MvDialogosFixture.h"

#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "DimensionamentoEconomico.h"
#include "Empresa.h"
#include "Impressao.h"
#include "ProjetoDados.h"
#include "SelecaoDados.h"
#include "WxDialog.h"
#include "WxHost.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

class MvDialogosSmokeApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(MvDialogosSmokeApp);

using namespace mvdlg;

namespace {

std::string kPasta = ZEL_SCREENSHOT_DIR;

void Pump(int rounds = 10)
{
    for (int i = 0; i < rounds; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
}

void Shot(wxWindow* w, const std::string& nome)
{
    Pump(5);
    EXPECT_TRUE(zel::wx::SaveScreenshot(w, kPasta + "/" + nome + ".png")) << nome;
}

// The colour near the right end of a widget, read from the screen.
wxColour CorDentro(wxWindow* top, wxWindow* widget)
{
    if (!widget)
        return wxColour();
    const wxRect d = top->GetScreenRect();
    const wxRect w = widget->GetScreenRect();
    const std::string tmp = kPasta + "/.sonda.png";
    zel::wx::SaveScreenshot(top, tmp);
    wxImage img(wxString::FromUTF8(tmp.c_str()), wxBITMAP_TYPE_PNG);
    std::filesystem::remove(tmp);
    const int x = w.GetX() - d.GetX() + w.GetWidth() - 6;
    const int y = w.GetY() - d.GetY() + w.GetHeight() / 2;
    if (!img.IsOk() || x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight())
        return wxColour();
    return wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
}

bool Perto(const wxColour& c, COLORREF want)
{
    return c.IsOk() && std::abs(c.Red() - GetRValue(want)) < 12 && std::abs(c.Green() - GetGValue(want)) < 12 &&
           std::abs(c.Blue() - GetBValue(want)) < 12;
}

}  // namespace

TEST(MvDialogosGui, EveryDialogShowsOnce)
{
    std::filesystem::create_directories(kPasta);
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    int argc = 1;
    char nome[] = "mvsize_dialogos_gui";
    char* argv[] = {nome, nullptr};
    ASSERT_TRUE(wxEntryStart(argc, argv));
    ASSERT_TRUE(wxTheApp->CallOnInit());
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();

    zeltest::TempDir dir;
    zeltest::ScopedCurrentDir cwd(dir.Path());
    std::filesystem::copy_file(mvdlgtest::ShippedTemplate(), dir.File("projeto.mvp"));
    CDaoDatabase catalogo;
    catalogo.Open(mvdlgtest::ShippedCatalogue(), false, true);
    CDaoDatabase projeto;
    projeto.Open(dir.File("projeto.mvp"));
    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo,circuito_calculado) VALUES(1,'SE-01',-1)");
    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                    "circuito_custo_instalacao_cabo,circuito_horas_ano_funcionamento,circuito_numero_anos,"
                    "circuito_tarifa_energia) VALUES(2,1,'TR-01',150,0,20,0.3125)");
    CProjectDocument documento;
    documento.m_pDatabase = &projeto;
    SystemClock relogio;
    CAppContext contexto;
    contexto.clock = &relogio;
    contexto.m_pReferenceDb = &catalogo;
    contexto.activeDocument = [&]() -> CDocument* { return &documento; };
    contexto.appTitle = "Mvsize";
    std::ofstream(dir.File("empresa.zel"), std::ios::binary) << "Companhia Hidrelétrica do Vale São João";
    SetCompanyFile(dir.File("empresa.zel"));
    {
        zel::wx::WxHost host(Program::Mvsize);
        host.Install(contexto);
        ScopedAppContext escopo(contexto);

        std::map<int, std::function<void(zel::wx::WxDialog&)>> passos;
        host.onDialogShown = [&](zel::wx::WxDialog& w) {
            auto it = passos.find(w.Model().GetTemplateId());
            if (it == passos.end()) {
                w.Model().UserCancel();
                return;
            }
            auto passo = it->second;
            passo(w);
        };

        passos[IDD_SELECAO_DADOS] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "selecao-dados");
            EXPECT_TRUE(w.Model().GetDlgItem(IDOK)->IsWindowEnabled());
            w.Model().UserClickButton(IDOK);
        };
        CSelecao_dados selecao;
        selecao.m_nTabelaSelecaoCodigo = 41;
        selecao.m_nLinhaAtual = 3;
        EXPECT_EQ(selecao.DoModal(), IDOK);
        EXPECT_EQ(selecao.m_nLinhaEscolhida, 1);

        // The hours are 0: that field shows in Mvsize's invalid colour and "Ok" is disabled.
        passos[IDD_DIMENSIONAMENTO_ECONOMICO] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "dimensionamento-economico");
            EXPECT_TRUE(Perto(CorDentro(&w, w.WidgetOf(IDC_HORAS_ANO)), zel::ui::kMvsizeInvalidBackground))
                << "0 hours show in Mvsize's invalid colour";
            EXPECT_TRUE(Perto(CorDentro(&w, w.WidgetOf(IDC_CUSTO_INSTALACAO)), zel::ui::kValidBackground));
            EXPECT_FALSE(w.Model().GetDlgItem(IDC_ECONOMICO_OK)->IsWindowEnabled());
            w.Model().UserCancel();
        };
        {
            ScopedCircuitoSelecionado sel(2);
            CDimensionamento_economico economico;
            EXPECT_EQ(economico.DoModal(), IDCANCEL);
        }

        // The company name longer than 30 characters is shown whole and written back through the screen.
        passos[IDD_EMPRESA] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "empresa");
            EXPECT_EQ(w.Model().GetDlgItemText(IDC_NOME_EMPRESA), "Companhia Hidrelétrica do Vale São João");
            auto* texto = dynamic_cast<wxTextCtrl*>(w.WidgetOf(IDC_NOME_EMPRESA));
            ASSERT_NE(texto, nullptr);
            EXPECT_EQ(texto->GetValue().utf8_string(), "Companhia Hidrelétrica do Vale São João")
                << "the widget shows the whole name";
            w.Model().UserClickButton(IDOK);
        };
        passos[IDD_PROJETO_DADOS] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "projeto-dados");
            w.Model().UserCancel();
        };
        passos[IDD_IMPRESSAO] = [&](zel::wx::WxDialog& w) {
            w.Model().UserClickButton(IDC_DE);
            Shot(&w, "impressao");
            EXPECT_TRUE(Perto(CorDentro(&w, w.WidgetOf(IDC_PAGINA_INICIAL)), zel::ui::kMvsizeInvalidBackground));
            w.Model().UserCancel();
        };
        CEmpresa empresa;
        EXPECT_EQ(empresa.DoModal(), IDOK);
        EXPECT_EQ(zeltest::ReadFile(dir.File("empresa.zel")), "Companhia Hidrelétrica do Vale São João");
        CProjeto_dados dados;
        EXPECT_EQ(dados.DoModal(), IDCANCEL);
        CImpressao impressao;
        EXPECT_EQ(impressao.DoModal(), IDCANCEL);
    }
    SetCompanyFile("empresa.zel");
    wxEntryCleanup();
}
