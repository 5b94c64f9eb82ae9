// Mvsize on a laptop's screen (1366x768): started with the example project, every dialog opened from the
// main window as a user would reach it, and the message boxes on the way. Each is saved as a PNG (alone and
// with the whole screen) into <build>/screenshots/mvsize-tela and checked:
// inside the screen and the height budget, centred on the main window, clear of the banner, no control
// outside the dialog or over another, no text cut, no gap between rows. The banner stays clear of the main
// window.
#include "MvsizeApp.h"
#include "MvsizeCommands.h"
#include "MvsizeWindows.h"
#include "SizingResources.h"

#include "AboutDlg.h"
#include "CaracteristicasMtIds.h"
#include "DialogosIds.h"

#include "SizingOnScreen.h"

#include <gtest/gtest.h>

using zeltest::ScreenTour;

TEST(MvsizeNaTela, CadaDialogoCabeNaTelaCentradoNaJanelaPrincipal)
{
    ASSERT_TRUE(zeltest::StartWx("mvsize_on_screen_gui"));
    ScreenTour tour(ZEL_SCREENSHOT_DIR, "mvsize");
    {
        zeltest::SizingOnScreen<CMvsizeApp, MvsizeWindows> mvsize(
            kMvsizeTitle, {"ZelMt01.zel", "ZelMt02.zel", "ZelMt03.zel", "ZelMt04.zel"}, "ZelMt02.zel",
            "Subestação Norte.mvp", {zeltest::ReadFile(MVSIZE_EXEMPLO_SQL)});
        ASSERT_TRUE(mvsize.Start(tour, IDD_MVSIZE_SPLASH));
        auto& passos = tour.steps;

        // The characteristics of a circuit being changed: with an apparent power of 0 the power factor's row
        // goes, and the rows below it move up; its OK asks the layout questions.
        int antes = 0, depois = 0;
        passos[mvcar::IDD_CARACTERISTICAS] = [&](zel::wx::WxDialog& w) {
            tour.Look(w, "caracteristicas");
            antes = w.WidgetOf(mvcar::IDC_POTENCIA_APARENTE)->GetScreenPosition().y;
            w.Model().SetDlgItemText(mvcar::IDC_POTENCIA_APARENTE, "0");
            ScreenTour::Pump(5);
            EXPECT_FALSE(w.WidgetOf(mvcar::IDC_FATOR_POTENCIA)->IsShown());
            tour.LookAgain(w, "caracteristicas-sem-fator-de-potencia");
            depois = w.WidgetOf(mvcar::IDC_POTENCIA_APARENTE)->GetScreenPosition().y;
            w.Model().UserClickButton(IDOK);
            if (!w.Model().IsEnded())
                w.Model().UserCancel();
        };
        passos[mvcar::IDD_SELECAO_DADOS] = tour.LookAndCancel("selecao-dados");
        mvsize.Select("SE-01");
        mvsize.Command(ID_CIRCUITO_CARACTERISTICAS);
        EXPECT_LE(depois, antes - 20) << "the hidden row takes no room";
        // A new circuit under the root.
        passos[mvcar::IDD_CARACTERISTICAS] = tour.LookAndCancel("caracteristicas-novo");
        mvsize.Select(nullptr);
        mvsize.Command(ID_CIRCUITO_INCLUIR);

        // The economic sizing, project data, the company, the print options, the printer, the about box.
        passos[mvdlg::IDD_DIMENSIONAMENTO_ECONOMICO] = tour.LookAndCancel("dimensionamento-economico");
        passos[mvdlg::IDD_PROJETO_DADOS] = tour.LookAndCancel("projeto-dados");
        passos[mvdlg::IDD_EMPRESA] = tour.LookAndCancel("empresa");
        passos[mvdlg::IDD_IMPRESSAO] = tour.LookAndCancel("impressao");
        passos[IDD_CONFIGURAR_IMPRESSAO] = tour.LookAndCancel("configurar-impressao");
        passos[IDD_ABOUTBOX] = tour.LookAndCancel("sobre");
        mvsize.Select("SE-01");
        mvsize.Command(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO);
        mvsize.Select(nullptr);
        mvsize.Command(ID_PROJETO_DADOS);
        mvsize.Command(ID_EMPRESA);
        mvsize.Command(ID_PROJETO_IMPRIMIR);
        mvsize.Command(ID_FILE_PRINT_SETUP);
        {
            // With no printer installed the command answers with a message: the dialog on its own.
            CDialog impressoras(IDD_CONFIGURAR_IMPRESSAO);
            impressoras.DoModal();
        }
        mvsize.Command(ID_MVSIZE_APP_ABOUT);

        // A question: deleting a circuit, answered No.
        mvsize.Select("BOMBAS");
        mvsize.Command(ID_CIRCUITO_EXCLUIR);
        EXPECT_TRUE(shelltest::ItemPorCodigo(mvsize.Tree(), "BOMBAS")) << "answered No";

        for (const char* d : {"splash", "caracteristicas", "caracteristicas-sem-fator-de-potencia", "selecao-dados",
                              "caracteristicas-novo", "dimensionamento-economico", "projeto-dados", "empresa",
                              "impressao", "configurar-impressao", "sobre", "mensagem-1"})
            EXPECT_TRUE(tour.Seen().count(d)) << d << " was not shown";
        EXPECT_EQ(tour.MessagesWithoutPicture(), 0);
        EXPECT_FALSE(std::filesystem::exists(mvsize.ErrorLog())) << zeltest::ReadFile(mvsize.ErrorLog());
    }
    zeltest::StopWx();
}
