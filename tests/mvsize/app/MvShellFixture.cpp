#include "MvShellFixture.h"

#include "ShellTestHelpers.h"

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
    return shelltest::Habilitado(Frame(), id);
}

HTREEITEM Shell::Item(const std::string& code, HTREEITEM under)
{
    return shelltest::ItemPorCodigo(Tree(), code, under);
}

std::string Shell::Arvore(bool imagens)
{
    return shelltest::ArvoreTexto(Tree(), imagens);
}

int Shell::TempCopies()
{
    return shelltest::CopiasTemporarias(dir.File("tmp"));
}

int Shell::Errors() const
{
    return shelltest::Erros(host);
}

}  // namespace mvshell
