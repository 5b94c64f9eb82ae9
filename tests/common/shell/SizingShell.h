#pragma once
// A sizing program's shell run headless: the application object started on copies of the shipped data
// files in a fresh folder (its "program directory"), the headless host for dialogs and messages, recording
// printers, previews and report calls, and scripted doubles in place of the circuit dialogs.
//
// Programa names what differs between Lvsize and Mvsize:
//   App                      the application object (a CSizingAppOf<Doc, View>)
//   Dialogos() -> entries&   the program's dialog table (a CircuitDialogEntries)
//   DuplosProprios(d, nota)  puts doubles in place of the program's own dialogs, beyond the shared ones
//   kArquivos                the data files of the program directory
//   kModelo, kExecutavel, kPerfil, kExemplo, kExemploSql

#include "AppContext.h"
#include "Clock.h"
#include "Crystal.h"
#include "DaoDatabase.h"
#include "HeadlessHost.h"
#include "PrinterService.h"
#include "RecordingComponent.h"
#include "ReportComponent.h"
#include "ShellTestHelpers.h"
#include "TestSupport.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace shelltest {

template <class Programa>
class SizingShell {
public:
    using App = typename Programa::App;

    // nomesImpressoras: the names the recording backend offers (none: "no printer").
    explicit SizingShell(std::vector<std::string> nomesImpressoras = {"Escritorio"})
        : programa(PastaPrograma(dir.Path().string(), ZEL_DATA_DIR, Programa::kArquivos))
    {
        context.clock = &clock;
        context.executablePath = programa + "/" + Programa::kExecutavel;
        host.Install(context);
        auto b = std::make_unique<RecordingPrinterBackend>(std::move(nomesImpressoras));
        backend = b.get();
        printers = std::make_unique<PrinterService>(std::move(b));
        printers->SetPreviewHost(&previews);
        context.printer = printers.get();
        scope.emplace(context);

        auto c = std::make_unique<RecordingComponent>();
        component = c.get();
        app.m_pReportEngine = new CrystalEngine(std::move(c));
        app.m_strProfile = dir.File(Programa::kPerfil);
        app.pause = [](int) {};
        app.chooseSaveFile = [this](std::string& path) {
            path = salvarComo;
            return !salvarComo.empty();
        };
        app.chooseOpenFile = [this](std::string& path) {
            path = abrir;
            return !abrir.empty();
        };
    }

    ~SizingShell()
    {
        app.ExitInstance();
        Programa::Dialogos() = {};
        // The engine is the report layer's once a job took it (the last job deletes it); when no job could be
        // opened at all it is still the process's engine, and the next shell must not inherit it.
        CrystalEngine* const motor = CrystalEngine::Instance();
        if (!m_motorTomado || (motor && motor == app.m_pReportEngine && motor->GetJobCount() == 0))
            delete app.m_pReportEngine;
    }

    SizingShell(const SizingShell&) = delete;
    SizingShell& operator=(const SizingShell&) = delete;

    // The example project (the one the program's run script opens) as a file in the folder.
    std::string Exemplo(const std::string& name = Programa::kExemplo)
    {
        return Projeto(name, zeltest::ReadFile(Programa::kExemploSql));
    }
    // A project file from the template with extra SQL.
    std::string Projeto(const std::string& name, const std::string& sql)
    {
        const std::string path = dir.File(name);
        std::filesystem::copy_file(programa + "/" + Programa::kModelo, path,
                                   std::filesystem::copy_options::overwrite_existing);
        if (!sql.empty())
            zeltest::RunSql(path, sql);
        return path;
    }

    // Starts the program; then, unless duplos is false, puts the doubles in place of the dialogs.
    bool Start(std::vector<std::string> args = {})
    {
        app.m_commandLine = std::move(args);
        const bool ok = app.InitInstance() != 0;
        if (duplos)
            InstalarDuplos();
        m_motorTomado = m_motorTomado || CrystalEngine::Instance() == app.m_pReportEngine;
        return ok;
    }
    bool duplos = true;

    auto& Frame() { return *app.GetMainFrame(); }
    typename App::Projeto& Ativo() { return *app.ProjetoAtivo(); }
    auto& View() { return *Ativo().view; }
    CTreeCtrl& Tree() { return View().GetTreeCtrl(); }
    auto& Doc() { return *Ativo().doc; }
    std::string WorkingPath() { return Doc().m_pDatabase->GetName(); }
    // One value of the working copy (first column of the first row).
    std::string Q(const std::string& sql) { return zeltest::QueryText(WorkingPath(), sql); }

    // The command's state as the project menu shows it when it opens.
    bool Enabled(int id) { return Habilitado(Frame(), id); }
    bool Command(int id) { return Frame().OnCommand(id); }
    HTREEITEM Item(const std::string& code, HTREEITEM under = nullptr) { return ItemPorCodigo(Tree(), code, under); }
    // The tree as text: "Origem(QD1(ILUM-01,TUG-01),AR-COND)"; with images: "QD1:3".
    std::string Arvore(bool imagens = false) { return ArvoreTexto(Tree(), imagens); }
    void Select(const std::string& code) { Tree().SelectItem(Item(code)); }
    // Files of the temporary directory whose names begin with "ZEL".
    int TempCopies() { return CopiasTemporarias(dir.File("tmp")); }
    int Errors() const { return Erros(host); }  // message boxes with the error icon

    zeltest::TempDir dir;
    ScopedTmpDir tmp{dir.File("tmp")};  // temporary copies go where they can be counted
    std::string programa;               // the program directory with the data files
    zeltest::ScopedCurrentDir cwd{dir.Path()};
    FixedClock clock{{2026, 12, 10, 11, 30, 0}};
    CAppContext context;
    HeadlessHost host;
    std::optional<ScopedAppContext> scope;
    RecordingPrinterBackend* backend = nullptr;
    std::unique_ptr<PrinterService> printers;
    RecordingPreviewHost previews;
    RecordingComponent* component = nullptr;
    App app;
    std::vector<std::string> dialogos;  // the dialog doubles opened, in order
    std::string salvarComo;             // the save dialog's answer ("" cancels)
    std::string abrir;                  // the open dialog's answer

private:
    void InstalarDuplos()
    {
        // The view's own walk up the parents stays as the program wired it.
        auto& d = Programa::Dialogos();
        const auto invalidar = d.invalidarCalculoPais;
        // Doubles of the circuit dialogs: each notes its name and is cancelled unless a test says otherwise.
        d = {};
        d.invalidarCalculoPais = invalidar;
        auto nota = [this](const char* nome) {
            return [this, nome] {
                dialogos.push_back(nome);
                return IDCANCEL;
            };
        };
        Programa::DuplosProprios(d, nota);
        d.dimensionamentoEconomico = nota("CDimensionamento_economico");
        d.projetoDados = nota("CProjeto_dados");
        d.empresa = nota("CEmpresa");
    }

    bool m_motorTomado = false;
};

}  // namespace shelltest
