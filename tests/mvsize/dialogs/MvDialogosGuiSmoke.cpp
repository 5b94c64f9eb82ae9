// Mvsize's economic, company, project-data, print and selection dialogs on a virtual screen, each shown once
// and saved as a PNG into <build>/screenshots/mvsize-dialogos.
#include "CircuitoSelecionado.h"
#include "DialogosIds.h"
#include "DimensionamentoEconomico.h"
#include "Empresa.h"
#include "Impressao.h"
#include "ProjetoAtivo.h"
#include "ProjetoDados.h"
#include "SelecaoDados.h"
#include "SmokeSupport.h"

#include <gtest/gtest.h>
#include <wx/init.h>
#include <wx/textctrl.h>

#include <fstream>

using namespace mvdlg;

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

class MvDialogosGui : public ::testing::Test, protected dlgtest::ProjetoNaTela {
protected:
    MvDialogosGui() : ProjetoNaTela(dlgtest::kMvsize, "projeto.mvp") {}
};

}  // namespace

TEST_F(MvDialogosGui, EveryDialogShowsOnce)
{
    ASSERT_TRUE(zel::wx::UsePortugueseLocale());
    ASSERT_TRUE(smoke::IniciarWx("mvsize_dialogos_gui"));

    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo,circuito_calculado) VALUES(1,'SE-01',-1)");
    projeto.Execute("INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                    "circuito_custo_instalacao_cabo,circuito_horas_ano_funcionamento,circuito_numero_anos,"
                    "circuito_tarifa_energia) VALUES(2,1,'TR-01',150,0,20,0.3125)");
    std::ofstream(dir.File("empresa.zel"), std::ios::binary) << "Companhia Hidrelétrica do Vale São João";
    SetCompanyFile(dir.File("empresa.zel"));
    {
        zel::wx::WxHost host(Program::Mvsize);
        host.Install(contexto);
        ScopedAppContext escopo(contexto);

        smoke::Passos passos;
        smoke::Seguir(host, passos);

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
