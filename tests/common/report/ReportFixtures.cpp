#include "ReportFixtures.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace reporttest {

std::string Q(const std::string& text)
{
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}

std::string ProjectSchemaSql()
{
    std::string text = zeltest::ReadFile(ZEL_SOURCE_DIR "/data/schema/ZelBt02.sql");
    if (text.empty())
        throw std::runtime_error("project schema not found");
    return text;
}

void MakeCatalogue(const std::string& path)
{
    zeltest::MakeDatabase(path, R"(
        CREATE TABLE sistema (sistema_codigo BYTE NOT NULL PRIMARY KEY, sistema_descricao TEXT(60) NOT NULL,
                              sistema_tipo_codigo BYTE NOT NULL);
        INSERT INTO sistema VALUES (1, 'Monofásico F+N', 1);
        INSERT INTO sistema VALUES (2, 'Corrente contínua 2 condutores', 2);
        INSERT INTO sistema VALUES (3, 'Trifásico 3F+N+PE (TN-S)', 3);
    )");
}

std::string CircuitSql(int key, int parent, const std::string& code, int sistema, const std::vector<Line>& lines,
                       const std::vector<Motor>& motors, const std::vector<Load>& loads)
{
    std::ostringstream sql;
    double section = (key % 7 == 0) ? 0.75 : (key % 3 == 0) ? 2.5 : 10.0 * (1 + key % 4);
    sql << "INSERT INTO circuito (circuito_sequencial, circuito_sequencial_pai, circuito_codigo, sistema_codigo, "
           "circuito_comprimento, circuito_calculado, circuito_numero_condutores_calculado, secao_nominal, "
           "circuito_corrente_total_regime, circuito_queda_tensao_calculada, "
           "circuito_corrente_nominal_dispositivo_protecao) VALUES ("
        << key << ", " << (parent > 0 ? std::to_string(parent) : "NULL") << ", " << Q(code) << ", " << sistema
        << ", " << (12.5 + key) << ", -1, " << (1 + key % 2) << ", " << section << ", " << (8.25 + key) << ", "
        << (1.0 + (key % 30) / 10.0) << ", " << Q("Disj. " + std::to_string(16 + key % 5 * 8)) << ");\n";
    int n = 0;
    for (const Line& l : lines)
        sql << "INSERT INTO circuito_impressao VALUES (" << key << ", " << ++n << ", " << l.type << ", " << Q(l.label)
            << ", " << Q(l.value) << ", " << l.motor << ", " << l.carga << ", " << l.dc << ");\n";
    n = 0;
    for (const Motor& m : motors)
        sql << "INSERT INTO motor VALUES (" << key << ", " << ++n << ", " << m.qty << ", " << m.current << ", " << m.pf
            << ", " << m.power << ", " << m.startCurrent << ", " << m.startPf << ");\n";
    n = 0;
    for (const Load& l : loads)
        sql << "INSERT INTO carga VALUES (" << key << ", " << ++n << ", " << l.demand << ", " << l.qty << ", "
            << l.power << ", " << l.pf << ");\n";
    return sql.str();
}

std::string ProjectRowSql(const std::string& client, const std::string& responsible, int revision,
                          const std::string& comment)
{
    // 45358 is 07/03/2024 as an automation day number.
    return "INSERT INTO projeto VALUES (" + Q(client) + ", " + Q(responsible) + ", 45358, " +
           std::to_string(revision) + ", " + Q(comment) + ");\n";
}

static std::string Run(const std::string& command)
{
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p)
        return out;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), p)) > 0)
        out.append(buffer.data(), n);
    pclose(p);
    return out;
}

static std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string PdfText(const std::string& pdf, int page)
{
    std::string range = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return Run("pdftotext -layout -enc UTF-8" + range + " " + Quoted(pdf) + " - 2>/dev/null");
}

static std::string InfoField(const std::string& pdf, const std::string& field)
{
    std::istringstream in(Run("pdfinfo " + Quoted(pdf) + " 2>/dev/null"));
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(field + ":", 0) == 0) {
            std::string v = line.substr(field.size() + 1);
            return v.substr(v.find_first_not_of(' '));
        }
    return {};
}

int PdfPageCount(const std::string& pdf)
{
    std::string v = InfoField(pdf, "Pages");
    return v.empty() ? -1 : std::stoi(v);
}

std::string PdfPageSize(const std::string& pdf) { return InfoField(pdf, "Page size"); }

std::string OutputDir()
{
    fs::path dir = fs::path(ZEL_TEST_OUTPUT_DIR);
    fs::create_directories(dir);
    return dir.string();
}

size_t Find(const std::string& text, const std::string& needle, size_t from) { return text.find(needle, from); }

int Count(const std::string& text, const std::string& needle)
{
    int n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size()))
        ++n;
    return n;
}

ReportEnvironment::ReportEnvironment(std::vector<std::string> printerNames)
{
    auto backend_ = std::make_unique<RecordingPrinterBackend>(std::move(printerNames));
    backend = backend_.get();
    printers = std::make_unique<PrinterService>(std::move(backend_));
    printers->SetPreviewHost(&preview);
    context.messages = &messages;
    context.clock = &clock;
    context.printer = printers.get();
    m_scope = std::make_unique<ScopedAppContext>(context);
    for (const char* layout : {"ZelBt03.zel", "ZelBt04.zel", "Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"})
        fs::copy_file(fs::path(ZEL_LAYOUT_DIR) / layout, dir.Path() / layout);
    MakeCatalogue(dir.File("ZelBt01.zel"));
    m_cwd = std::make_unique<zeltest::ScopedCurrentDir>(dir.Path());
}

ReportEnvironment::~ReportEnvironment()
{
    // A job that failed to open leaves the engine it made; a test must not hand it to the next one.
    if (CrystalEngine::Instance() && CrystalEngine::Instance()->GetJobCount() == 0)
        delete CrystalEngine::Instance();
    m_cwd.reset();
    m_scope.reset();
}

std::string ReportEnvironment::CrystalLog() const { return zeltest::ReadFile(dir.File("CRYSTAL.LOG")); }

int ReportEnvironment::CrystalLogLines() const { return Count(CrystalLog(), "\n"); }

CrystalTableLocation Location(const std::string& path)
{
    CrystalTableLocation location;
    std::snprintf(location.Location, sizeof location.Location, "%s", path.c_str());
    return location;
}

static void PrinterAndPreview(Crystal& job, short orientation)
{
    PrinterDevice device;
    if (!AppContext().printer || !AppContext().printer->GetApplicationPrinter(device))
        throw std::runtime_error("no printer");
    device.devMode.dmOrientation = orientation;
    job.SelectPrinter(device.driver, device.device, device.port, &device.devMode);
    job.OutputToWindow("Vardek - LVSIZE 4.0", 0, 0, 400, 400, REPORT_WS_MAXIMIZE | REPORT_WS_SYSMENU);
    job.Start();
}

void RunCircuitReport(Crystal& job, const std::vector<Crystal*>& subreports, const std::string& database, int key,
                      const std::string& circuit, const std::string& company, const std::string& project)
{
    job.CloseWindow();
    CrystalTableLocation location = Location(database);
    job.SetTableLocation(0, location);
    job.RefreshData();
    job.SetSelectionFormula("{circuito_impressao.circuito_sequencial}=" + std::to_string(key));
    for (Crystal* sub : subreports) {
        sub->SetTableLocation(0, location);
        sub->RefreshData();
    }
    job.SetFormula("circuito", "'" + circuit + "'");
    job.SetFormula("CLIENTE", "'" + company + "'");
    job.SetFormula("projeto", "'" + project + "'");
    PrinterAndPreview(job, DMORIENT_PORTRAIT);
}

void RunProjectReport(Crystal& job, const std::string& database, const std::string& project,
                      const std::string& company)
{
    job.CloseWindow();
    CrystalTableLocation location = Location(database);
    job.SetTableLocation(0, location);
    job.SetTableLocation(1, location);
    job.SetTableLocation(2, location);
    job.RefreshData();
    job.SetFormula("projeto", "'" + project + "'");
    job.SetFormula("cliente", "'" + company + "'");
    PrinterAndPreview(job, DMORIENT_LANDSCAPE);
}

FileSizeLimit::FileSizeLimit(long bytes) : m_bytes(bytes) {}

void FileSizeLimit::Apply()
{
    if (::getrlimit(RLIMIT_FSIZE, &m_previous) != 0)
        throw std::runtime_error("getrlimit");
    rlimit small = m_previous;
    small.rlim_cur = static_cast<rlim_t>(m_bytes);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &small) != 0)
        throw std::runtime_error("setrlimit");
    m_applied = true;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!m_applied)
        return;
    ::setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_handler);
}

}  // namespace reporttest
