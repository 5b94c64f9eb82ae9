// Saving a report as PDF: the whole file or nothing, under the name the report offers; failures in words
// the user understands.

#include "ReportOutput.h"
#include "ReportFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace reporttest;

namespace {

class ReportOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        database = env.File("p.lvp");
        std::string sql = ProjectSchemaSql();
        std::vector<Line> lines;
        for (int i = 1; i <= 90; ++i)
            lines.push_back({i <= 45 ? 2 : 3, "Linha número " + std::to_string(i) + " :", "valor"});
        sql += CircuitSql(1, 0, "QD/1", 3, lines);
        zeltest::MakeDatabase(database, sql);
        Crystal job(env.Layout("ZelBt04.zel"));
        std::vector<Crystal*> subs = {new Crystal("Lvsize03.rpt", &job), new Crystal("Lvsize04.rpt", &job),
                                      new Crystal("Lvsize05.rpt", &job)};
        RunCircuitReport(job, subs, database, 1, "QD/1", "Empresa", "Usina São João");
        report = env.preview.Windows().back()->report;
        ASSERT_GE(report->PageCount(), 2);
    }

    // The names in folder, hidden ones included.
    static std::vector<std::string> Names(const std::string& folder)
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(folder))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    ReportEnvironment env;
    std::string database;
    std::shared_ptr<const RenderedReport> report;
};

TEST_F(ReportOutputTest, TheCircuitReportIsOfferedUnderTheProjectAndCircuitCode)
{
    EXPECT_EQ(report->FileName(), "Usina São João - QD/1");
    EXPECT_EQ(PdfFileName(*report), "Usina São João - QD-1.pdf");
    struct Case {
        const char* fileName;
        const char* expected;
    };
    const Case cases[] = {
        {"A\\B\tC", "A-B-C.pdf"},
        {"  ..oculto ", "oculto.pdf"},
        {"", "Relatório do circuito.pdf"},  // the title when the layout names nothing
    };
    for (const Case& c : cases) {
        RenderedReport r("Relatório do circuito", 10, 10);
        r.SetFileName(c.fileName);
        EXPECT_EQ(PdfFileName(r), c.expected) << c.fileName;
    }
}

TEST_F(ReportOutputTest, ASavedReportReplacesTheFileWholeAndLeavesNothingElse)
{
    fs::create_directories(env.File("saida"));
    const std::string path = env.File("saida") + "/relatório.pdf";
    std::ofstream(path) << "versão antiga";
    std::string error;
    ASSERT_TRUE(SaveReportPdf(*report, path, error)) << error;
    EXPECT_EQ(Names(env.File("saida")), std::vector<std::string>{"relatório.pdf"});
    EXPECT_EQ(PdfPageCount(path), report->PageCount());
    EXPECT_NE(PdfText(path).find("Linha número 90"), std::string::npos);
    // Permissions of any new file, not the private ones of a temporary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(path).permissions()) & 0777, 0666 & ~mask);

    ASSERT_TRUE(SaveReportPdf(*report, path, error, 2, 2)) << error;
    EXPECT_EQ(PdfPageCount(path), 1);

    // The longest name a folder takes is saved too: the file written first has a short name of its own.
    const std::string longest = env.File("saida") + "/" + std::string(251, 'r') + ".pdf";
    ASSERT_TRUE(SaveReportPdf(*report, longest, error)) << error;
    EXPECT_EQ(PdfPageCount(longest), report->PageCount());
}

TEST_F(ReportOutputTest, AFailedSaveIsToldAndLeavesNoPartialFile)
{
    std::ofstream(env.File("arquivo")) << "x";
    fs::create_directories(env.File("pasta/relatorio.pdf"));
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {env.File("não existe") + "/r.pdf", "a pasta não existe"},
        {env.File("arquivo") + "/r.pdf", "uma parte do caminho é um arquivo, não uma pasta"},
        // The file is written whole and then cannot take the name: it goes away again.
        {env.File("pasta/relatorio.pdf"), "já existe uma pasta com este nome"},
    };
    const std::vector<std::string> before = Names(env.dir.Path());
    const std::vector<std::string> inside = Names(env.File("pasta"));
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(SaveReportPdf(*report, c.path, error)) << c.path;
        EXPECT_EQ(error, "Não foi possível gravar " + c.path + ": " + c.reason + ".");
    }
    EXPECT_EQ(Names(env.dir.Path()), before);
    EXPECT_EQ(Names(env.File("pasta")), inside);
    EXPECT_TRUE(fs::is_empty(env.File("pasta/relatorio.pdf")));
}

TEST_F(ReportOutputTest, AWriteThatFailsHalfwayKeepsThePreviousFile)
{
    const std::string path = env.File("relatorio.pdf");
    std::ofstream(path) << "versão anterior";
    bool saved = true;
    std::string error;
    {
        FileSizeLimit disk(1000);
        disk.Apply();
        saved = SaveReportPdf(*report, path, error);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(error.rfind("Não foi possível gravar " + path + ": ", 0), 0u) << error;
    EXPECT_EQ(zeltest::ReadFile(path), "versão anterior");
    for (const std::string& name : Names(env.dir.Path()))
        EXPECT_NE(name.rfind(".ZEL", 0), 0u) << name;
}

}  // namespace
