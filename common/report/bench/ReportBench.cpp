// How long the project report of a large project takes: the job run as the project command runs it (data,
// pagination, preview pages) and the PDF written from it. Not a test: it prints its figures.
//
//   report_bench [circuits=500] [runs=5]
// The layouts are read from the program's folder (where the build puts them).

#include "AppContext.h"
#include "AppServices.h"
#include "Crystal.h"
#include "MessageService.h"
#include "PrinterService.h"
#include "ReportComponent.h"
#include "ReportPreviewHost.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool Exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "SQL: %s\n", error ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

bool MakeDb(const std::string& path, const std::string& sql)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK && Exec(db, sql);
    sqlite3_close(db);
    return ok;
}

std::string ProjectSql(int circuits)
{
    std::string sql =
        "CREATE TABLE projeto (projeto_cliente TEXT(20), projeto_responsavel TEXT(20), projeto_data_criacao DATETIME,"
        " projeto_numero_revisao SHORT, projeto_comentario TEXT(255));"
        "CREATE TABLE circuito (circuito_sequencial SHORT NOT NULL, circuito_sequencial_pai SHORT,"
        " circuito_codigo TEXT(24) NOT NULL, sistema_codigo BYTE DEFAULT 0, circuito_comprimento SINGLE DEFAULT 0,"
        " circuito_calculado BIT DEFAULT 0, circuito_numero_condutores_calculado SHORT DEFAULT 0,"
        " secao_nominal SINGLE DEFAULT 0, circuito_corrente_total_regime SINGLE DEFAULT 0,"
        " circuito_queda_tensao_calculada SINGLE DEFAULT 0,"
        " circuito_corrente_nominal_dispositivo_protecao TEXT(50) DEFAULT '');"
        "INSERT INTO projeto VALUES ('Cliente', 'Responsável', 45358, 1, '');"
        "BEGIN;";
    static const double sections[] = {1.5, 2.5, 4, 6, 10, 16, 25, 35, 50, 70, 95, 120};
    for (int key = 1; key <= circuits; ++key) {
        int parent = key <= 10 ? 0 : key <= 100 ? 1 + key % 10 : 11 + key % 90;
        char row[512];
        std::snprintf(row, sizeof row,
                      "INSERT INTO circuito VALUES (%d, %s, 'QD-%03d', %d, %.1f, -1, %d, %.2f, %.2f, %.2f, 'Disj. %d');",
                      key, parent ? std::to_string(parent).c_str() : "NULL", key, 1 + key % 3, 10.0 + key % 80,
                      1 + key % 2, sections[key % 12], 5.0 + key % 200, 0.5 + (key % 40) / 10.0, 16 + 8 * (key % 6));
        sql += row;
    }
    return sql + "COMMIT;";
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv)
{
    int circuits = argc > 1 ? std::atoi(argv[1]) : 500;
    int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    std::string programDir = GetProgramDirectory();
    std::string layout = programDir + "/ZelBt03.zel";
    if (!fs::exists(layout)) {
        std::fprintf(stderr, "%s not found\n", layout.c_str());
        return 1;
    }
    fs::path dir = fs::temp_directory_path() / ("zel-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::copy_file(layout, dir / "ZelBt03.zel", fs::copy_options::overwrite_existing);
    std::string project = (dir / "bench.lvp").string();
    if (!MakeDb((dir / "ZelBt01.zel").string(),
                "CREATE TABLE sistema (sistema_codigo BYTE PRIMARY KEY, sistema_descricao TEXT(60),"
                " sistema_tipo_codigo BYTE); INSERT INTO sistema VALUES (1, 'Monofásico F+N', 1),"
                " (2, 'Corrente contínua', 2), (3, 'Trifásico 3F+N+PE', 3);") ||
        !MakeDb(project, ProjectSql(circuits))) {
        fs::remove_all(dir);
        return 1;
    }

    RecordingMessageService messages;
    RecordingPreviewHost preview;
    PrinterService printers(std::make_unique<RecordingPrinterBackend>(std::vector<std::string>{"Bench"}));
    printers.SetPreviewHost(&preview);
    CAppContext context;
    context.messages = &messages;
    context.printer = &printers;
    ScopedAppContext scope(context);

    std::vector<double> runTimes, pdfTimes;
    int pages = 0;
    try {
        Crystal job((dir / "ZelBt03.zel").string());
        CrystalTableLocation location;
        std::snprintf(location.Location, sizeof location.Location, "%s", project.c_str());
        for (int i = 0; i < runs; ++i) {
            auto start = std::chrono::steady_clock::now();
            job.CloseWindow();
            for (short t : {0, 1, 2})
                job.SetTableLocation(t, location);
            job.RefreshData();
            job.SetFormula("projeto", "'Projeto de medida'");
            job.SetFormula("cliente", "'Empresa'");
            PrinterDeviceMode mode;
            mode.dmOrientation = DMORIENT_LANDSCAPE;
            job.SelectPrinter("CUPS", "Bench", "", &mode);
            job.OutputToWindow("Vardek - LVSIZE 4.0", 0, 0, 400, 400, REPORT_WS_MAXIMIZE | REPORT_WS_SYSMENU);
            job.Start();
            runTimes.push_back(Seconds(start));
            auto report = preview.Windows().back()->report;
            pages = report->PageCount();
            start = std::chrono::steady_clock::now();
            std::string error;
            if (!report->WritePdf((dir / "bench.pdf").string(), error)) {
                std::fprintf(stderr, "PDF: %s\n", error.c_str());
                break;
            }
            pdfTimes.push_back(Seconds(start));
        }
    } catch (const CUserException&) {
        std::fprintf(stderr, "report failed: %s\n", messages.shown.empty() ? "?" : messages.shown.back().text.c_str());
    }
    fs::remove_all(dir);
    if (runTimes.empty())
        return 1;
    std::sort(runTimes.begin(), runTimes.end());
    std::sort(pdfTimes.begin(), pdfTimes.end());
    std::printf("project report, %d circuits, %d pages, %d runs\n", circuits, pages, static_cast<int>(runTimes.size()));
    std::printf("  run (read, paginate, preview pages): median %.3f s, best %.3f s\n", runTimes[runTimes.size() / 2],
                runTimes.front());
    if (!pdfTimes.empty())
        std::printf("  PDF written:                         median %.3f s, best %.3f s\n",
                    pdfTimes[pdfTimes.size() / 2], pdfTimes.front());
    return 0;
}
