// The load, motor, device, economic, company, project-data and print dialogs on a virtual screen, each
// shown once and saved as a PNG into <build>/screenshots/lvsize-cargas.
#include "Carga.h"
#include "CargaCorrente.h"
#include "CargaMotor.h"
#include "CargasFixture.h"
#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "DimensionamentoEconomico.h"
#include "DispositivoProtecao.h"
#include "Empresa.h"
#include "Impressao.h"
#include "ProjetoDados.h"
#include "SqlValue.h"
#include "WxDialog.h"
#include "WxHost.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <filesystem>
#include <functional>
#include <map>

class CargasSmokeApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(CargasSmokeApp);

using namespace lvdlg;

namespace {

// Made absolute before the test moves to its scratch folder.
std::string kPasta = "../screenshots/lvsize-cargas";

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

TEST(CargasGui, EveryDialogShowsOnce)
{
    std::filesystem::create_directories(kPasta);
    kPasta = std::filesystem::absolute(kPasta).lexically_normal().string();
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    int argc = 1;
    char nome[] = "lvsize_cargas_gui";
    char* argv[] = {nome, nullptr};
    ASSERT_TRUE(wxEntryStart(argc, argv));
    ASSERT_TRUE(wxTheApp->CallOnInit());
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();

    zeltest::TempDir dir;
    zeltest::ScopedCurrentDir cwd(dir.Path());
    std::filesystem::copy_file(cargastest::ShippedTemplate(), dir.File("projeto.lvp"));
    CDaoDatabase catalogo;
    catalogo.Open(cargastest::ShippedCatalogue(), false, true);
    CDaoDatabase projeto;
    projeto.Open(dir.File("projeto.lvp"));
    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo,sistema_codigo,circuito_tensao_fase_fase,"
                    "circuito_tensao_fase_neutro,circuito_fator_correcao_disjuntor,dispositivo_protecao_codigo) "
                    "VALUES(1,'QD1',3,380,220,0.95,2)");
    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo,sistema_codigo,circuito_tensao_fase_fase) "
                    "VALUES(2,'CC',2,24)");
    projeto.Execute("INSERT INTO carga VALUES(1,1,1.0,10,100,0.92),(1,2,0.7,4,1500,0.8)");
    projeto.Execute("INSERT INTO motor VALUES(1,1,2,10.5,0.85,7.5,63,0.35),(1,2,1,4,0.8,3,0,0)");
    CProjectDocument documento;
    documento.m_pDatabase = &projeto;
    SystemClock relogio;
    CAppContext contexto;
    contexto.clock = &relogio;
    contexto.m_pReferenceDb = &catalogo;
    contexto.activeDocument = [&]() -> CDocument* { return &documento; };
    contexto.appTitle = "Lvsize";
    SetCompanyFile(dir.File("empresa.zel"));
    {
        zel::wx::WxHost host(Program::Lvsize);
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

        // Alternating-current loads: the current dialog, its list and a new line with invalid fields.
        passos[IDD_CARGA_CORRENTE] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "carga-corrente");
            EXPECT_FALSE(w.Model().GetDlgItem(IDC_CORRENTE)->IsWindowEnabled());
            w.Model().UserClickButton(IDC_CALCULAR_CORRENTE);
            w.Model().UserCancel();
        };
        passos[IDD_CARGA] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "carga");
            w.Model().UserClickButton(IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[IDD_CARGA_INCLUSAO] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "carga-inclusao");
            EXPECT_TRUE(Perto(CorDentro(&w, w.WidgetOf(IDC_QUANTIDADE_CARGAS)), zel::ui::kLvsizeInvalidBackground))
                << "an empty quantity shows in the invalid colour";
            EXPECT_FALSE(w.Model().GetDlgItem(IDOK)->IsWindowEnabled());
            w.Model().UserCancel();
        };
        {
            ScopedCircuitoSelecionado sel(1);
            CCarga_corrente dlg;
            dlg.DoModal();
        }

        // Direct-current loads.
        passos[IDD_CARGA_CORRENTE] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "carga-corrente-cc");
            w.Model().UserClickButton(IDC_CALCULAR_CORRENTE);
            w.Model().UserCancel();
        };
        passos[IDD_CORRENTE_CONTINUA] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "corrente-continua");
            w.Model().UserClickButton(IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[IDD_CORRENTE_CONTINUA_INCLUSAO] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "corrente-continua-inclusao");
            w.Model().UserCancel();
        };
        {
            ScopedCircuitoSelecionado sel(2);
            CCarga_corrente dlg;
            dlg.DoModal();
        }

        // Motors, the device, the economic inputs.
        passos[IDD_CARGA_MOTOR] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "carga-motor");
            w.Model().UserClickButton(IDC_EDITAR);
            w.Model().UserCancel();
        };
        passos[IDD_MOTORES_INCLUSAO] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "motores-inclusao");
            w.Model().UserCancel();
        };
        passos[IDD_DISPOSITIVO_PROTECAO] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "dispositivo-protecao");
            w.Model().UserClickButton(IDC_FUSIVEL);
            Shot(&w, "dispositivo-protecao-fusivel");
            w.Model().UserCancel();
        };
        passos[IDD_DIMENSIONAMENTO_ECONOMICO] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "dimensionamento-economico");
            w.Model().UserCancel();
        };
        {
            ScopedCircuitoSelecionado sel(1);
            CCarga_motor motores;
            motores.DoModal();
            CDispositivo_protecao dispositivo;
            dispositivo.DoModal();
            CDimensionamento_economico economico;
            economico.DoModal();
        }

        // Company, project data, print options: the company name is written through the screen.
        passos[IDD_EMPRESA] = [&](zel::wx::WxDialog& w) {
            w.Model().SetDlgItemText(IDC_NOME_EMPRESA, "Usina São João");
            Shot(&w, "empresa");
            w.Model().UserClickButton(IDOK);
        };
        passos[IDD_PROJETO_DADOS] = [&](zel::wx::WxDialog& w) {
            Shot(&w, "projeto-dados");
            w.Model().UserCancel();
        };
        passos[IDD_IMPRESSAO] = [&](zel::wx::WxDialog& w) {
            w.Model().UserClickButton(IDC_DE);
            Shot(&w, "impressao");
            w.Model().UserCancel();
        };
        CEmpresa empresa;
        EXPECT_EQ(empresa.DoModal(), IDOK);
        EXPECT_EQ(zeltest::ReadFile(dir.File("empresa.zel")), "Usina São João");
        CProjeto_dados dados;
        dados.DoModal();
        CImpressao impressao;
        impressao.DoModal();
    }
    SetCompanyFile("empresa.zel");
    wxEntryCleanup();
}
