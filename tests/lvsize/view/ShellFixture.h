#pragma once
// Lvsize's shell run headless: the application object started on copies of the shipped data files in a
// fresh folder (its "program directory"), the headless host for dialogs and messages, recording printers,
// previews and report calls, and scripted doubles in place of the circuit dialogs.

#include "LvsizeApp.h"
#include "LvsizeDialogs.h"

#include "AppContext.h"
#include "Clock.h"
#include "HeadlessHost.h"
#include "PrinterService.h"
#include "ReportComponent.h"
#include "RecordingComponent.h"
#include "TestSupport.h"

#include <optional>
#include <string>
#include <vector>

namespace lvshell {

using shelltest::RecordingComponent;

class Shell {
public:
    // printers: the names the recording backend offers (none: "no printer").
    explicit Shell(std::vector<std::string> printers = {"Escritorio"});
    ~Shell();

    // The example project (scripts/run-lvsize.sh's) as a file in the folder.
    std::string Exemplo(const std::string& name = "exemplo.lvp");
    // A project file from the template with extra SQL.
    std::string Projeto(const std::string& name, const std::string& sql);

    // Starts the program; then, unless duplos is false, puts the doubles in place of the dialogs.
    bool Start(std::vector<std::string> args = {});
    bool duplos = true;

    CMainFrame& Frame() { return *app.GetMainFrame(); }
    CLvsizeApp::Projeto& Ativo() { return *app.ProjetoAtivo(); }
    CLvsizeView& View() { return *Ativo().view; }
    CTreeCtrl& Tree() { return View().GetTreeCtrl(); }
    CLvsizeDoc& Doc() { return *Ativo().doc; }
    std::string WorkingPath() { return Doc().m_pDatabase->GetName(); }
    // One value of the working copy (first column of the first row).
    std::string Q(const std::string& sql) { return zeltest::QueryText(WorkingPath(), sql); }

    // The command's state as the project menu shows it when it opens.
    bool Enabled(int id);
    bool Command(int id) { return Frame().OnCommand(id); }
    HTREEITEM Item(const std::string& code, HTREEITEM under = nullptr);
    // The tree as text: "Origem(QD1(ILUM-01,TUG-01,BOMBA),AR-COND)"; with images: "QD1:3".
    std::string Arvore(bool imagens = false);
    void Select(const std::string& code) { Tree().SelectItem(Item(code)); }
    // Files of the temporary directory whose names begin with "ZEL".
    int TempCopies();
    int Errors() const;  // message boxes with the error icon

    zeltest::TempDir dir;
    std::string programa;  // the program directory with the data files
    zeltest::ScopedCurrentDir cwd{dir.Path()};
    FixedClock clock{{2026, 12, 10, 11, 30, 0}};
    CAppContext context;
    HeadlessHost host;
    std::optional<ScopedAppContext> scope;
    RecordingPrinterBackend* backend = nullptr;
    std::unique_ptr<PrinterService> printers;
    RecordingPreviewHost previews;
    RecordingComponent* component = nullptr;
    CLvsizeApp app;
    std::vector<std::string> dialogos;  // the dialog doubles opened, in order
    std::string salvarComo;             // the save dialog's answer ("" cancels)
    std::string abrir;                  // the open dialog's answer

private:
    void InstalarDuplos();
    std::string m_tmpdirAnterior;
    bool m_motorTomado = false;
};

}  // namespace lvshell
