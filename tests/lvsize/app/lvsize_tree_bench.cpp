// Benchmark (not a test): Lvsize on screen opens generated projects of 2,500, 5,000 and 10,000 circuits
// (the checks at open, the working copy and the circuit tree shown in the window), then sizes each whole
// project in the project command's order, in one transaction, to show how both grow with the project.
// Prints the wall times. Needs a display:
//
//   xvfb-run -a build/tests/lvsize_tree_bench [-n feeders]   (100 circuits per feeder; -n 100 opens only
//                                                             the 10,000-circuit project)

#include "LvsizeApp.h"
#include "LvsizeWindows.h"
#include "ProjetoGerado.h"

#include "Calculo.h"
#include "Clock.h"
#include "DaoRecordsetManual.h"
#include "SqlValue.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/treectrl.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};
wxIMPLEMENT_APP_NO_MAIN(BenchApp);

namespace {

using Relogio = std::chrono::steady_clock;

double Desde(Relogio::time_point inicio)
{
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

// Every tree widget under a window (the project tabs' trees).
void Arvores(wxWindow* w, std::vector<wxTreeCtrl*>& out)
{
    if (auto* t = dynamic_cast<wxTreeCtrl*>(w))
        out.push_back(t);
    for (wxWindow* filho : w->GetChildren())
        Arvores(filho, out);
}

size_t ItensNaJanela(wxWindow* principal)
{
    std::vector<wxTreeCtrl*> arvores;
    Arvores(principal, arvores);
    size_t maior = 0;
    for (wxTreeCtrl* t : arvores)
        maior = std::max<size_t>(maior, t->GetCount());
    return maior;
}

}  // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::vector<int> alimentadores{25, 50, 100};
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "-n")
            alimentadores = {std::atoi(argv[i + 1])};

    zel::wx::UsePortugueseLocale();
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "sem tela: rode com xvfb-run -a\n");
        return 2;
    }
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();

    const fs::path pasta = fs::temp_directory_path() / ("lvsize-tree-bench-" + std::to_string(getpid()));
    const fs::path programa = pasta / "programa";
    fs::create_directories(programa);
    for (const char* f : {"ZelBt01.zel", "ZelBt02.zel", "ZelBt03.zel", "ZelBt04.zel", "Lvsize03.rpt", "Lvsize04.rpt",
                          "Lvsize05.rpt"})
        fs::copy_file(fs::path(ZEL_DATA_DIR) / f, programa / f);
    fs::current_path(pasta);

    std::vector<std::string> projetos;
    for (int n : alimentadores) {
        const fs::path p = pasta / FormatC("obra-%i.lvp", n * 100);
        fs::copy_file(programa / "ZelBt02.zel", p);
        CDaoDatabase db;
        db.Open(p.string());
        lvrun::GerarProjeto(db, n);
        db.Close();
        projetos.push_back(p.string());
    }

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kLvsizeTitle;
    context.executablePath = (programa / "lvsize").string();
    int rc = 0;
    {
        ScopedAppContext scope(context);
        LvsizeWindows windows(context);
        CLvsizeApp app;
        app.m_strProfile = (pasta / "Lvsize.ini").string();
        app.pause = [](int) {};
        if (!windows.Start(app)) {
            std::fprintf(stderr, "o Lvsize não abriu\n");
            return 1;
        }
        wxYield();
        for (size_t i = 0; i < projetos.size(); ++i) {
            const int circuitos = alimentadores[i] * 100;
            const auto inicio = Relogio::now();
            CLvsizeApp::Projeto* p = app.OpenDocumentFile(projetos[i]);
            wxYield();  // the window draws the tree
            const double abrir = Desde(inicio);
            if (!p) {
                std::fprintf(stderr, "o projeto de %i circuitos não abriu\n", circuitos);
                rc = 1;
                break;
            }
            std::printf("%5i circuitos: projeto aberto e árvore na janela em %.3f s (%u itens no modelo, %zu na "
                        "janela)\n",
                        circuitos, abrir, p->view->GetTreeCtrl().GetCount(), ItensNaJanela(windows.MainWindow()));

            // The project command's sizing: every circuit, in the table's order, in one transaction.
            CDaoDatabase& db = *p->doc->m_pDatabase;
            std::vector<short> chaves;
            {
                CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT circuito_sequencial FROM circuito");
                for (; !rs.IsEOF(); rs.MoveNext()) {
                    short k = 0;
                    rs.GetFieldShort("circuito_sequencial", k);
                    chaves.push_back(k);
                }
            }
            int falhas = 0;
            const auto calculo = Relogio::now();
            {
                CDaoTransaction t(db);
                for (short k : chaves) {
                    CCalculo engine(k);
                    falhas += engine.Calcular() ? 0 : 1;
                }
                t.Commit();
            }
            const double dimensionar = Desde(calculo);
            std::printf("%5i circuitos: dimensionados em %.3f s (%.3f ms por circuito, %i falhas)\n", circuitos,
                        dimensionar, 1000 * dimensionar / static_cast<double>(chaves.size()), falhas);
            if (falhas)
                rc = 1;
            p->doc->SetModifiedFlag(false);
            app.CloseDocument(*p);
        }
        windows.Finish(app);
    }
    wxEntryCleanup();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(pasta);
    return rc;
}
