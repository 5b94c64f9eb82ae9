// Lvsize on a laptop's screen (1366x768): started with the example project and a direct-current circuit,
// every dialog opened from the main window as a user would reach it, and the message boxes on the way.
// Each is saved as a PNG (alone and with the whole screen) into <build>/screenshots/lvsize-tela and checked:
// inside the screen and the height budget, centred on the main window, clear of the banner, no control
// outside the dialog or over another, no text cut, no gap between rows. The banner stays clear of the main
// window.
#include "LvsizeApp.h"
#include "LvsizeCommands.h"
#include "LvsizeWindows.h"
#include "SizingResources.h"

#include "AboutDlg.h"
#include "CaracteristicasIds.h"
#include "DialogosIds.h"

#include "SizingOnScreen.h"

#include <gtest/gtest.h>

using zeltest::ScreenTour;

TEST(LvsizeNaTela, CadaDialogoCabeNaTelaCentradoNaJanelaPrincipal)
{
    ASSERT_TRUE(zeltest::StartWx("lvsize_on_screen_gui"));
    ScreenTour tour(ZEL_SCREENSHOT_DIR, "lvsize");
    {
        // The example project and a 24 V direct-current circuit, for the direct-current load dialogs.
        zeltest::SizingOnScreen<CLvsizeApp, LvsizeWindows> lvsize(
            kLvsizeTitle,
            {"ZelBt01.zel", "ZelBt02.zel", "ZelBt03.zel", "ZelBt04.zel", "Lvsize03.rpt", "Lvsize04.rpt",
             "Lvsize05.rpt"},
            "ZelBt02.zel", "Edifício Central.lvp",
            {zeltest::ReadFile(LVSIZE_EXEMPLO_SQL),
             "INSERT INTO circuito (circuito_sequencial, circuito_codigo, maneira_instalar_codigo, sistema_codigo, "
             "cabo_codigo, temperatura_ambiente, circuito_comprimento, circuito_tensao_fase_fase, "
             "circuito_secao_minima, circuito_fator_demanda, circuito_corrente_cc_presumida, "
             "circuito_queda_tensao_regime, dispositivo_protecao_codigo, circuito_fator_correcao_disjuntor) "
             "VALUES (6, 'CC-24V', 3, 2, 1, 30, 10, 24, 2.5, 1, 1, 4, 2, 1)"});
        ASSERT_TRUE(lvsize.Start(tour, IDD_LVSIZE_SPLASH));
        auto& passos = tour.steps;
        // The characteristics of a circuit being changed; its OK asks the selection questions.
        passos[car::IDD_CARACTERISTICAS] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "caracteristicas");
            w.Model().UserClickButton(IDOK);
            if (!w.Model().IsEnded())
                w.Model().UserCancel();
        };
        passos[car::IDD_SELECAO_DADOS] = tour.LookAndCancel("selecao-dados");
        lvsize.Select("QD1");
        lvsize.Command(ID_CIRCUITO_CARACTERISTICAS);
        // A new circuit under the root.
        passos[car::IDD_CARACTERISTICAS] = tour.LookAndCancel("caracteristicas-novo");
        lvsize.Select(nullptr);
        lvsize.Command(ID_CIRCUITO_INCLUIR);

        // Loads of an alternating-current circuit: the current, the load list and a new load.
        passos[lvdlg::IDD_CARGA_CORRENTE] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga-corrente");
            w.Model().UserClickButton(lvdlg::IDC_CALCULAR_CORRENTE);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CARGA] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga");
            w.Model().UserClickButton(lvdlg::IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CARGA_INCLUSAO] = tour.LookAndCancel("carga-inclusao");
        lvsize.Select("ILUM-01");
        lvsize.Command(ID_CARGAS_NAO_MOTOR);
        // The same for the direct-current circuit.
        passos[lvdlg::IDD_CARGA_CORRENTE] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga-corrente-cc");
            w.Model().UserClickButton(lvdlg::IDC_CALCULAR_CORRENTE);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CORRENTE_CONTINUA] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "corrente-continua");
            w.Model().UserClickButton(lvdlg::IDC_INCLUIR);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_CORRENTE_CONTINUA_INCLUSAO] = tour.LookAndCancel("corrente-continua-inclusao");
        lvsize.Select("CC-24V");
        lvsize.Command(ID_CARGAS_NAO_MOTOR);

        // Motors: the list and a motor.
        passos[lvdlg::IDD_CARGA_MOTOR] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "carga-motor");
            w.Model().UserClickButton(lvdlg::IDC_EDITAR);
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_MOTORES_INCLUSAO] = tour.LookAndCancel("motores-inclusao");
        lvsize.Select("BOMBA");
        lvsize.Command(ID_CARGAS_MOTORES);

        // The protection device, with a breaker and then a fuse; the economic sizing.
        passos[lvdlg::IDD_DISPOSITIVO_PROTECAO] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "dispositivo-protecao");
            w.Model().UserClickButton(lvdlg::IDC_FUSIVEL);
            tour.LookAgain(w, "dispositivo-protecao-fusivel");
            w.Model().UserCancel();
        };
        passos[lvdlg::IDD_DIMENSIONAMENTO_ECONOMICO] = tour.LookAndCancel("dimensionamento-economico");
        lvsize.Select("ILUM-01");
        lvsize.Command(ID_CIRCUITO_DISPOSITIVO_PROTECAO);
        lvsize.Command(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO);

        // Project data, the company, the print options of the project's report, the printer, the about box.
        passos[lvdlg::IDD_PROJETO_DADOS] = tour.LookAndCancel("projeto-dados");
        passos[lvdlg::IDD_EMPRESA] = tour.LookAndCancel("empresa");
        passos[lvdlg::IDD_IMPRESSAO] = tour.LookAndCancel("impressao");
        passos[IDD_CONFIGURAR_IMPRESSAO] = tour.LookAndCancel("configurar-impressao");
        passos[IDD_ABOUTBOX] = tour.LookAndCancel("sobre");
        lvsize.Select(nullptr);
        lvsize.Command(ID_PROJETO_DADOS);
        lvsize.Command(ID_EMPRESA);
        lvsize.Command(ID_PROJETO_IMPRIMIR);
        lvsize.Command(ID_FILE_PRINT_SETUP);
        {
            // With no printer installed the command answers with a message: the dialog on its own.
            CDialog impressoras(IDD_CONFIGURAR_IMPRESSAO);
            impressoras.DoModal();
        }
        lvsize.Command(ID_LVSIZE_APP_ABOUT);

        // A question: deleting a circuit, answered No.
        lvsize.Select("AR-COND");
        lvsize.Command(ID_CIRCUITO_EXCLUIR);
        EXPECT_TRUE(shelltest::ItemPorCodigo(lvsize.Tree(), "AR-COND")) << "answered No";

        for (const char* d : {"splash", "caracteristicas", "selecao-dados", "caracteristicas-novo", "carga-corrente",
                              "carga", "carga-inclusao", "carga-corrente-cc", "corrente-continua",
                              "corrente-continua-inclusao", "carga-motor", "motores-inclusao", "dispositivo-protecao",
                              "dimensionamento-economico", "projeto-dados", "empresa", "impressao",
                              "configurar-impressao", "sobre", "mensagem-1"})
            EXPECT_TRUE(tour.Seen().count(d)) << d << " was not shown";
        EXPECT_EQ(tour.MessagesWithoutPicture(), 0);
        EXPECT_FALSE(std::filesystem::exists(lvsize.ErrorLog())) << zeltest::ReadFile(lvsize.ErrorLog());
    }
    zeltest::StopWx();
}
