#pragma once
// Small project databases and catalogues for the report tests, the report layouts copied into a scratch
// folder, the application context the reports need, and the text of a PDF read back with pdftotext.

#include "AppContext.h"
#include "Clock.h"
#include "Crystal.h"
#include "MessageService.h"
#include "PrinterService.h"
#include "ReportPreviewHost.h"
#include "TestSupport.h"

#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace reporttest {

// SQL text of a quoted string literal ('' for every ').
std::string Q(const std::string& text);

// The project schema as the template builds it.
std::string ProjectSchemaSql();
// A catalogue with the sistema table the project report reads.
void MakeCatalogue(const std::string& path);

struct Line {
    int type;  // 2 input, 3 result
    std::string label;
    std::string value;
    int motor = 0, carga = 0, dc = 0;
};
struct Motor {
    int qty;
    double current, pf, power, startCurrent, startPf;
};
struct Load {
    double demand;
    int qty;
    double power, pf;
};

// SQL that inserts one circuit's row (calculated) and its report lines, motors and loads.
std::string CircuitSql(int key, int parent, const std::string& code, int sistema, const std::vector<Line>& lines,
                       const std::vector<Motor>& motors = {}, const std::vector<Load>& loads = {});
std::string ProjectRowSql(const std::string& client, const std::string& responsible, int revision,
                          const std::string& comment);

// pdftotext -layout of one page (0: every page).
std::string PdfText(const std::string& pdf, int page = 0);
int PdfPageCount(const std::string& pdf);
std::string PdfPageSize(const std::string& pdf);  // pdfinfo's "Page size" value
// Where tests leave PDFs and images for a person to look at.
std::string OutputDir();

// Position of needle in text from from, npos when missing.
size_t Find(const std::string& text, const std::string& needle, size_t from = 0);
int Count(const std::string& text, const std::string& needle);

// The context of one test: scratch folder as current directory (CRYSTAL.LOG lands there), layouts copied
// into it, messages recorded, a fixed clock, one recording printer, a recording preview host.
class ReportEnvironment {
public:
    explicit ReportEnvironment(std::vector<std::string> printers = {"Laser_Escritorio"});
    ~ReportEnvironment();

    std::string File(const std::string& name) const { return dir.File(name); }
    std::string Layout(const std::string& name) const { return dir.File(name); }
    std::string CrystalLog() const;
    int CrystalLogLines() const;

    zeltest::TempDir dir;
    RecordingMessageService messages;
    FixedClock clock{LocalTime{2024, 3, 7, 14, 5, 0}};
    RecordingPrinterBackend* backend = nullptr;  // owned by printers
    std::unique_ptr<PrinterService> printers;
    RecordingPreviewHost preview;
    CAppContext context;

private:
    std::unique_ptr<ScopedAppContext> m_scope;
    std::unique_ptr<zeltest::ScopedCurrentDir> m_cwd;
};

// The circuit report as the sizing view runs it: location of table 0, refresh, selection by key, the
// three subreports located, formulas circuito, CLIENTE, projeto; printer (portrait) and preview.
void RunCircuitReport(Crystal& job, const std::vector<Crystal*>& subreports, const std::string& database, int key,
                      const std::string& circuit, const std::string& company, const std::string& project);
// The project report: tables 0, 1 and 2 located, one refresh, formulas projeto and cliente, landscape, preview.
void RunProjectReport(Crystal& job, const std::string& database, const std::string& project,
                      const std::string& company);

CrystalTableLocation Location(const std::string& path);

// A full disk as root meets it too: once applied, writes past the given size fail (the signal they raise
// ignored); the limit and the signal's handling come back when it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    void Apply();

private:
    long m_bytes;
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
    bool m_applied = false;
};

}  // namespace reporttest
