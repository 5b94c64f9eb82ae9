#include "MvShellFixture.h"

#include "Crystal.h"
#include "DaoDatabase.h"
#include "MvsizeCommands.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace mvshell {

namespace {

std::string Ler(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

// --- Recording component ---

short RecordingComponent::OpenJob(const std::string& reportPath)
{
    const short job = ReportComponent::OpenJob(reportPath);
    if (job > 0)
        m_jobs.emplace_back(job, fs::path(reportPath).filename().string());
    return job;
}

short RecordingComponent::JobOf(const std::string& reportFileName) const
{
    for (const auto& [job, name] : m_jobs)
        if (name == reportFileName)
            return job;
    return 0;
}

std::vector<std::string> RecordingComponent::Of(short job) const
{
    std::vector<std::string> out;
    for (const Call& c : calls)
        if (c.job == job)
            out.push_back(c.what);
    return out;
}

int RecordingComponent::SetFormula(short job, const std::string& name, const std::string& text)
{
    calls.push_back({job, "formula " + name + "=" + text});
    return ReportComponent::SetFormula(job, name, text);
}

int RecordingComponent::SetSelectionFormula(short job, const std::string& text)
{
    calls.push_back({job, "selection " + text});
    return ReportComponent::SetSelectionFormula(job, text);
}

int RecordingComponent::SetTableLocation(short job, short table, const CrystalTableLocation& location)
{
    calls.push_back({job, "table " + std::to_string(table) + " " + location.Location});
    return ReportComponent::SetTableLocation(job, table, location);
}

int RecordingComponent::OutputToWindow(short job, const std::string& title, int left, int top, int width,
                                       int height, unsigned long style, ReportWindowHandle parent)
{
    calls.push_back({job, "window " + title});
    return ReportComponent::OutputToWindow(job, title, left, top, width, height, style, parent);
}

int RecordingComponent::OutputToPrinter(short job, short copies)
{
    calls.push_back({job, "printer copies " + std::to_string(copies)});
    return ReportComponent::OutputToPrinter(job, copies);
}

int RecordingComponent::SetPrintOptions(short job, const CrystalPrintOptions& o)
{
    calls.push_back({job, "options " + std::to_string(o.startPageN) + "-" + std::to_string(o.stopPageN) + " x" +
                              std::to_string(o.nReportCopies) + " collation " + std::to_string(o.collation)});
    return ReportComponent::SetPrintOptions(job, o);
}

int RecordingComponent::SelectPrinter(short job, const std::string& driver, const std::string& printer,
                                      const std::string& port, const PrinterDeviceMode* mode)
{
    calls.push_back({job, "select " + printer + " orientation " + std::to_string(mode ? mode->dmOrientation : 0)});
    return ReportComponent::SelectPrinter(job, driver, printer, port, mode);
}

int RecordingComponent::CloseWindow(short job)
{
    calls.push_back({job, "close window"});
    return ReportComponent::CloseWindow(job);
}

// --- Shell ---

Shell::Shell(std::vector<std::string> names)
{
    // Temporary copies go to a folder of the test's own, where they can be counted.
    if (const char* t = std::getenv("TMPDIR"))
        m_tmpdirAnterior = t;
    fs::create_directories(dir.File("tmp"));
    ::setenv("TMPDIR", dir.File("tmp").c_str(), 1);
    programa = dir.File("programa");
    fs::create_directories(programa);
    for (const char* f : {"ZelMt01.zel", "ZelMt02.zel", "ZelMt03.zel", "ZelMt04.zel"})
        fs::copy_file(std::string(ZEL_DATA_DIR) + "/" + f, programa + "/" + f);
    context.clock = &clock;
    context.executablePath = programa + "/mvsize";
    host.Install(context);
    auto b = std::make_unique<RecordingPrinterBackend>(names);
    backend = b.get();
    printers = std::make_unique<PrinterService>(std::move(b));
    printers->SetPreviewHost(&previews);
    context.printer = printers.get();
    scope.emplace(context);

    auto c = std::make_unique<RecordingComponent>();
    component = c.get();
    app.m_pReportEngine = new CrystalEngine(std::move(c));
    app.m_strProfile = dir.File("Mvsize.ini");
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

Shell::~Shell()
{
    app.ExitInstance();
    MvsizeDialogs() = MvsizeDialogEntries{};
    if (m_tmpdirAnterior.empty())
        ::unsetenv("TMPDIR");
    else
        ::setenv("TMPDIR", m_tmpdirAnterior.c_str(), 1);
    // The engine is the report layer's once a job took it (the last job deletes it); when no job could be
    // opened at all it is still the process's engine, and the next shell must not inherit it.
    if (!m_motorTomado || (CrystalEngine::Instance() == app.m_pReportEngine && CrystalEngine::Instance() &&
                           CrystalEngine::Instance()->GetJobCount() == 0))
        delete app.m_pReportEngine;
}

std::string Shell::Projeto(const std::string& name, const std::string& sql)
{
    const std::string path = dir.File(name);
    fs::copy_file(programa + "/ZelMt02.zel", path, fs::copy_options::overwrite_existing);
    if (!sql.empty())
        zeltest::RunSql(path, sql);
    return path;
}

std::string Shell::Exemplo(const std::string& name)
{
    return Projeto(name, Ler(MVSHELL_EXEMPLO_SQL));
}

void Shell::InstalarDuplos()
{
    // The view's own walk up the parents stays as the program wired it.
    const auto invalidar = MvsizeDialogs().invalidarCalculoPais;
    // Doubles of the circuit dialogs: each notes its name and is cancelled unless a test says otherwise.
    MvsizeDialogEntries& d = MvsizeDialogs();
    d = MvsizeDialogEntries{};
    d.invalidarCalculoPais = invalidar;
    auto nota = [this](const char* nome) {
        return [this, nome] {
            dialogos.push_back(nome);
            return IDCANCEL;
        };
    };
    d.dimensionamentoEconomico = nota("CDimensionamento_economico");
    d.projetoDados = nota("CProjeto_dados");
    d.empresa = nota("CEmpresa");
}

bool Shell::Start(std::vector<std::string> args)
{
    app.m_commandLine = std::move(args);
    const bool ok = app.InitInstance() != 0;
    if (duplos)
        InstalarDuplos();
    m_motorTomado = m_motorTomado || CrystalEngine::Instance() == app.m_pReportEngine;
    return ok;
}

bool Shell::Enabled(int id)
{
    CMenu& menu = Frame().GetCurrentMenu();
    Frame().OnInitMenuPopup(menu);
    const CMenu::Item* item = menu.FindItem(id);
    return item && item->enabled;
}

HTREEITEM Shell::Item(const std::string& code, HTREEITEM under)
{
    CTreeCtrl& t = Tree();
    for (HTREEITEM i = under ? t.GetChildItem(under) : t.GetRootItem(); i; i = t.GetNextSiblingItem(i)) {
        if (t.GetItemText(i) == code)
            return i;
        if (HTREEITEM f = Item(code, i))
            return f;
    }
    return nullptr;
}

std::string Shell::Arvore(bool imagens)
{
    CTreeCtrl& t = Tree();
    std::function<std::string(HTREEITEM)> texto = [&](HTREEITEM i) {
        std::string s = t.GetItemText(i);
        if (imagens) {
            int img = 0, sel = 0;
            t.GetItemImage(i, img, sel);
            s += ":" + std::to_string(img);
        }
        std::string filhos;
        for (HTREEITEM c = t.GetChildItem(i); c; c = t.GetNextSiblingItem(c))
            filhos += (filhos.empty() ? "" : ",") + texto(c);
        return filhos.empty() ? s : s + "(" + filhos + ")";
    };
    return t.GetRootItem() ? texto(t.GetRootItem()) : "";
}

int Shell::TempCopies()
{
    int n = 0;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir.File("tmp"), ec))
        if (e.path().filename().string().rfind("ZEL", 0) == 0)
            ++n;
    return n;
}

int Shell::Errors() const
{
    int n = 0;
    for (const auto& m : host.messages)
        if ((m.type & MB_ICON_MASK) == MB_ICONERROR)
            ++n;
    return n;
}

}  // namespace mvshell
