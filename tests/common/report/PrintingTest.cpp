// Printing a report on the application's printer, with copies, page range and collation, and the
// "no printer" case.

#include "ReportFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace reporttest;

namespace {

class PrintingTest : public ::testing::Test {
protected:
    explicit PrintingTest(std::vector<std::string> printers = {"Laser_Escritorio", "Jato_Projetos"}) : env(printers)
    {
        database = env.File("p.lvp");
        std::string sql = ProjectSchemaSql();
        for (int key = 1; key <= 120; ++key)
            sql += CircuitSql(key, 0, "C" + std::to_string(key), 3, {});
        zeltest::MakeDatabase(database, sql);
    }

    // The project report's print run: options from the print dialog, then printer and output.
    void Print(Crystal& job, CrystalPrintOptions options, short copies)
    {
        CrystalTableLocation location = Location(database);
        for (short t : {0, 1, 2})
            job.SetTableLocation(t, location);
        job.RefreshData();
        PrinterDevice device;
        ASSERT_TRUE(env.printers->GetApplicationPrinter(device));
        device.devMode.dmOrientation = DMORIENT_LANDSCAPE;
        job.SelectPrinter(device.driver, device.device, device.port, &device.devMode);
        job.SetPrintOptions(options);
        job.OutputToPrinter(copies);
        job.Start();
    }

    ReportEnvironment env;
    std::string database;
};

TEST_F(PrintingTest, SendsThePdfWithCopiesRangeAndCollationToTheChosenPrinter)
{
    ASSERT_TRUE(env.printers->ChoosePrinter("Jato_Projetos"));
    Crystal job(env.Layout("ZelBt03.zel"));
    CrystalPrintOptions options;
    options.startPageN = 2;
    options.stopPageN = 3;
    options.nReportCopies = 2;
    options.collation = 1;
    Print(job, options, 2);
    ASSERT_EQ(env.backend->jobs.size(), 1u);
    const auto& sent = env.backend->jobs[0];
    EXPECT_EQ(sent.request.printer, "Jato_Projetos");
    EXPECT_EQ(sent.request.copies, 2);
    EXPECT_EQ(sent.request.firstPage, 2);
    EXPECT_EQ(sent.request.lastPage, 3);
    EXPECT_EQ(sent.request.collation, 1);
    EXPECT_EQ(sent.request.title, "Relatório do projeto");
    EXPECT_EQ(sent.pdf.rfind("%PDF-", 0), 0u);
    // The temporary file is gone once the job is handed over.
    EXPECT_FALSE(std::filesystem::exists(sent.request.pdfPath));
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(env.preview.Windows().size(), 0u);
}

TEST_F(PrintingTest, AllPagesAndTheDefaultCollationByDefault)
{
    Crystal job(env.Layout("ZelBt03.zel"));
    Print(job, CrystalPrintOptions{}, 1);
    ASSERT_EQ(env.backend->jobs.size(), 1u);
    const PrintRequest& r = env.backend->jobs[0].request;
    EXPECT_EQ(r.printer, "Laser_Escritorio");  // the system default
    EXPECT_EQ(r.firstPage, 0);
    EXPECT_EQ(r.lastPage, 0);
    EXPECT_EQ(r.copies, 1);
    EXPECT_EQ(r.collation, 2);
}

TEST_F(PrintingTest, ARangeBeyondTheReportPrintsNothingAndSaysSo)
{
    Crystal job(env.Layout("ZelBt03.zel"));
    CrystalPrintOptions options;
    options.startPageN = 40;
    options.stopPageN = 41;
    EXPECT_THROW(Print(job, options, 1), CUserException);
    EXPECT_TRUE(env.backend->jobs.empty());
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_NE(env.messages.shown[0].text.find("(118)"), std::string::npos) << env.messages.shown[0].text;
}

TEST_F(PrintingTest, APrinterThatRefusesTheJobIsAFailure)
{
    env.backend->failWith = "fila parada";
    Crystal job(env.Layout("ZelBt03.zel"));
    EXPECT_THROW(Print(job, CrystalPrintOptions{}, 1), CUserException);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_NE(env.messages.shown[0].text.find("fila parada"), std::string::npos);
}

TEST(PrinterServiceTest, TheApplicationsPrinterIsTheChosenOneWhileItExistsElseTheDefaultElseTheFilePrinter)
{
    auto backend = std::make_unique<RecordingPrinterBackend>(std::vector<std::string>{"A", "B"});
    RecordingPrinterBackend* b = backend.get();
    PrinterService service(std::move(backend));
    struct Step {
        std::vector<std::string> cups;
        const char* choose;  // null: no choice made at this step
        bool chosen;
        const char* application;
        const char* preview;  // the CUPS printer a preview prints on; null: none
    };
    const Step steps[] = {
        {{"A", "B"}, nullptr, false, "A", "A"},
        {{"A", "B"}, "C", false, "A", "A"},
        {{"A", "B"}, "B", true, "B", "B"},
        {{"A"}, nullptr, false, "A", "A"},  // the chosen printer was removed
        {{}, nullptr, false, kFilePrinterName, nullptr},
        {{"A", "B"}, kFilePrinterName, true, kFilePrinterName, "A"},
        {{}, nullptr, false, kFilePrinterName, nullptr},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.application) + (step.choose ? std::string(" after choosing ") + step.choose : ""));
        b->printers = step.cups;
        if (step.choose) {
            EXPECT_EQ(service.ChoosePrinter(step.choose), step.chosen);
        }
        PrinterDevice device;
        ASSERT_TRUE(service.GetApplicationPrinter(device));
        EXPECT_EQ(device.device, step.application);
        EXPECT_EQ(device.driver, PrinterService::IsFilePrinter(step.application) ? "PDF" : "CUPS");
        PrinterDevice cups;
        EXPECT_EQ(service.GetCupsPrinter(cups), step.preview != nullptr);
        if (step.preview) {
            EXPECT_EQ(cups.device, step.preview);
        }
        // Every printer CUPS has, then the file printer, the default only when CUPS has none.
        std::vector<PrinterInfo> all = service.Printers();
        ASSERT_EQ(all.size(), step.cups.size() + 1);
        EXPECT_EQ(all.back().name, "Salvar em PDF");
        EXPECT_TRUE(all.back().isFile);
        EXPECT_EQ(all.back().isDefault, step.cups.empty());
        EXPECT_TRUE(service.HasPrinter("Salvar em PDF"));
    }
}

// No CUPS printer: the report still prints, through the file printer, into the file the user names.
class FilePrinterTest : public PrintingTest {
protected:
    FilePrinterTest() : PrintingTest(std::vector<std::string>{}) {}

    void PrintProject(CrystalPrintOptions options)
    {
        Crystal job(env.Layout("ZelBt03.zel"));
        job.SetFormula("projeto", "'Usina São João'");
        Print(job, options, 2);
    }
};

TEST_F(FilePrinterTest, WritesTheChosenPagesWhereTheUserSays)
{
    env.preview.pdfPath = env.File("saida.pdf");
    CrystalPrintOptions options;
    options.startPageN = 2;
    options.stopPageN = 3;
    options.nReportCopies = 2;
    options.collation = 1;
    PrintProject(options);
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_TRUE(env.backend->jobs.empty());
    EXPECT_EQ(env.preview.pdfSuggestions, std::vector<std::string>{"Usina São João.pdf"});
    ASSERT_TRUE(std::filesystem::exists(env.preview.pdfPath));
    EXPECT_EQ(PdfPageCount(env.preview.pdfPath), 2);  // one copy of pages 2 and 3
    EXPECT_NE(PdfPageSize(env.preview.pdfPath).find("841.89 x 595.276 pts (A4)"), std::string::npos)
        << PdfPageSize(env.preview.pdfPath);  // A4, landscape as the caller set it
    EXPECT_NE(PdfText(env.preview.pdfPath).find("Página 2 de"), std::string::npos) << PdfText(env.preview.pdfPath);
}

TEST_F(FilePrinterTest, ACancelledFileChooserPrintsNothingAndIsNoFailure)
{
    env.preview.pdfPath.clear();
    EXPECT_NO_THROW(PrintProject(CrystalPrintOptions{}));
    EXPECT_EQ(env.preview.pdfSuggestions.size(), 1u);
    EXPECT_TRUE(env.messages.shown.empty());
    EXPECT_EQ(env.CrystalLogLines(), 0);
}

TEST_F(FilePrinterTest, AFileThatCannotBeWrittenIsAReportFailureAndLeavesNoFile)
{
    std::ofstream(env.File("arquivo")) << "não é uma pasta";
    env.preview.pdfPath = env.File("arquivo") + "/saida.pdf";
    EXPECT_THROW(PrintProject(CrystalPrintOptions{}), CUserException);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    const std::string& text = env.messages.shown[0].text;
    EXPECT_NE(text.find("(115)"), std::string::npos) << text;
    EXPECT_NE(text.find("saida.pdf"), std::string::npos) << text;
    EXPECT_NE(text.find("não uma pasta"), std::string::npos) << text;
    EXPECT_EQ(env.CrystalLogLines(), 1);
    EXPECT_EQ(zeltest::ReadFile(env.File("arquivo")), "não é uma pasta");
}

TEST(PrinterServiceTest, WithoutThePrinterServiceThereIsNoPrinterToSelect)
{
    ReportEnvironment env;
    env.context.printer = nullptr;
    Crystal job(env.Layout("ZelBt04.zel"));
    PrinterDeviceMode mode;
    EXPECT_THROW(job.SelectPrinter("PDF", kFilePrinterName, "", &mode), CUserException);
    job.SetTableLocation(0, Location(env.File("x.lvp")));
    job.OutputToPrinter(1);
    EXPECT_THROW(job.Start(), CUserException);
    EXPECT_EQ(env.messages.shown.size(), 2u);
}

}  // namespace

namespace {

// Whatever this machine has (the build machines run no CUPS server), the service and the backend agree.
TEST(CupsBackendTest, ListsWhatCupsHasAndRefusesAnUnknownPrinter)
{
    PrinterService service;
    std::vector<PrinterInfo> printers = service.Printers();
    PrinterDevice device;
    EXPECT_TRUE(service.GetApplicationPrinter(device));
    EXPECT_EQ(service.GetCupsPrinter(device), printers.size() > 1);
    PrintRequest request;
    request.printer = "Zel_Impressora_Que_Nao_Existe";
    request.pdfPath = "/dev/null";
    std::string error;
    EXPECT_FALSE(service.Submit(request, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
