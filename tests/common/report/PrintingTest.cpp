// Printing a report on the application's printer, with copies, page range and collation, and the
// "no printer" case.

#include "ReportFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(PrinterServiceTest, TheApplicationsPrinterIsTheChosenOneWhileItExistsElseTheDefault)
{
    auto backend = std::make_unique<RecordingPrinterBackend>(std::vector<std::string>{"A", "B"});
    RecordingPrinterBackend* b = backend.get();
    PrinterService service(std::move(backend));
    PrinterDevice device;
    ASSERT_TRUE(service.GetApplicationPrinter(device));
    EXPECT_EQ(device.device, "A");
    EXPECT_EQ(device.driver, "CUPS");
    EXPECT_FALSE(service.ChoosePrinter("C"));
    EXPECT_TRUE(service.ChoosePrinter("B"));
    ASSERT_TRUE(service.GetApplicationPrinter(device));
    EXPECT_EQ(device.device, "B");
    b->printers = {"A"};  // the chosen printer was removed
    ASSERT_TRUE(service.GetApplicationPrinter(device));
    EXPECT_EQ(device.device, "A");
    b->printers.clear();
    EXPECT_FALSE(service.GetApplicationPrinter(device));
}

TEST(PrinterServiceTest, WithoutPrintersThereIsNoApplicationPrinterAndNoSelection)
{
    ReportEnvironment env(std::vector<std::string>{});
    PrinterDevice device;
    EXPECT_FALSE(env.printers->GetApplicationPrinter(device));
    Crystal job(env.Layout("ZelBt04.zel"));
    PrinterDeviceMode mode;
    EXPECT_THROW(job.SelectPrinter("CUPS", "Laser", "", &mode), CUserException);
    // Printing with no printer selected and none installed fails at the start, not silently.
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
    EXPECT_EQ(service.GetApplicationPrinter(device), !printers.empty());
    PrintRequest request;
    request.printer = "Zel_Impressora_Que_Nao_Existe";
    request.pdfPath = "/dev/null";
    std::string error;
    EXPECT_FALSE(service.Submit(request, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
