// The load, motor, device, economic, company, project-data and print dialogs on a virtual screen, each
// shown once and saved as a PNG into <build>/screenshots/lvsize-cargas.
#include "Carga.h"
#include "CargaCorrente.h"
#include "CargaMotor.h"
#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "DimensionamentoEconomico.h"
#include "DispositivoProtecao.h"
#include "Empresa.h"
#include "Impressao.h"
#include "ProjetoAtivo.h"
#include "ProjetoDados.h"
#include "SmokeSupport.h"

#include <gtest/gtest.h>
#include <wx/init.h>

using namespace lvdlg;

namespace {

void Shot(wxWindow* w, const std::string& nome)
{
    EXPECT_TRUE(smoke::Foto(w, ZEL_SCREENSHOT_DIR, nome)) << nome;
}

wxColour CorDentro(wxWindow* top, wxWindow* widget)
{
    return smoke::CorDentro(top, widget, ZEL_SCREENSHOT_DIR);
}

using smoke::Perto;

class CargasGui : public ::testing::Test, protected dlgtest::ProjetoNaTela {
protected:
    CargasGui() : ProjetoNaTela(dlgtest::kLvsize, "projeto.lvp") {}
};

}  // namespace

TEST_F(CargasGui, EveryDialogShowsOnce)
{
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    ASSERT_TRUE(smoke::IniciarWx("lvsize_cargas_gui"));

    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo,sistema_codigo,circuito_tensao_fase_fase,"
                    "circuito_tensao_fase_neutro,circuito_fator_correcao_disjuntor,dispositivo_protecao_codigo) "
                    "VALUES(1,'QD1',3,380,220,0.95,2)");
    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo,sistema_codigo,circuito_tensao_fase_fase) "
                    "VALUES(2,'CC',2,24)");
    projeto.Execute("INSERT INTO carga VALUES(1,1,1.0,10,100,0.92),(1,2,0.7,4,1500,0.8)");
    projeto.Execute("INSERT INTO motor VALUES(1,1,2,10.5,0.85,7.5,63,0.35),(1,2,1,4,0.8,3,0,0)");
    SetCompanyFile(dir.File("empresa.zel"));
    {
        zel::wx::WxHost host(Program::Lvsize);
        host.Install(contexto);
        ScopedAppContext escopo(contexto);

        smoke::Passos passos;
        smoke::Seguir(host, passos);

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
