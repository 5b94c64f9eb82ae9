// The project report: one row per circuit in tree order, landscape, header on every page.

#include "ReportFixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sstream>

using namespace reporttest;

namespace {

class ProjectReportTest : public ::testing::Test {
protected:
    // count circuits: ten boards at the top, the rest spread under them and one level further down.
    void MakeProject(int count, const std::string& client = "Cliente Ltda.")
    {
        database = env.File("projeto.lvp");
        std::ostringstream sql;
        sql << ProjectSchemaSql() << ProjectRowSql(client, "Eng. João Sá", 3, "Revisão após vistoria");
        for (int key = 1; key <= count; ++key) {
            int parent = key <= 10 ? 0 : key <= 100 ? 1 + (key % 10) : 11 + (key % 90);
            sql << CircuitSql(key, parent, "C-" + std::to_string(key), 1 + key % 3, {});
        }
        zeltest::MakeDatabase(database, sql.str());
    }

    std::string Render(const std::string& keep = "")
    {
        Crystal job(env.Layout("ZelBt03.zel"));
        RunProjectReport(job, database, "Usina São João", "D'Ávila Engenharia");
        std::string pdf = keep.empty() ? env.File("projeto.pdf") : OutputDir() + "/" + keep;
        std::string error;
        EXPECT_TRUE(env.preview.Windows().back()->report->WritePdf(pdf, error)) << error;
        return pdf;
    }

    ReportEnvironment env;
    std::string database;
};

TEST_F(ProjectReportTest, FiveHundredCircuitsPaginateWithTheHeaderOnEveryPage)
{
    MakeProject(500);
    std::string pdf = Render("project-report.pdf");
    int pages = PdfPageCount(pdf);
    ASSERT_GT(pages, 5);
    EXPECT_NE(PdfPageSize(pdf).find("841.89 x 595.276"), std::string::npos) << PdfPageSize(pdf);  // landscape
    std::set<std::string> codes;
    for (int p = 1; p <= pages; ++p) {
        std::string t = PdfText(pdf, p);
        for (const char* header : {"D'Ávila Engenharia", "Usina São João", "Cliente Ltda.", "Eng. João Sá",
                                   "Circuito", "Alimentado por", "Dispositivo de proteção"})
            EXPECT_NE(t.find(header), std::string::npos) << header << " missing on page " << p;
        EXPECT_NE(t.find("Página " + std::to_string(p) + " de " + std::to_string(pages)), std::string::npos) << p;
        std::istringstream lines(t);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream words(line);
            std::string first;
            words >> first;
            if (first.rfind("C-", 0) == 0) {
                EXPECT_TRUE(codes.insert(first).second) << first << " printed twice";
            }
        }
    }
    EXPECT_EQ(codes.size(), 500u);
}

TEST_F(ProjectReportTest, RowsFollowTheTreeWithTheirResults)
{
    database = env.File("arvore.lvp");
    std::string sql = ProjectSchemaSql() + ProjectRowSql("Cliente", "Resp.", 1, "");
    sql += CircuitSql(1, 0, "QGBT", 3, {});
    sql += CircuitSql(2, 0, "QD-ADM", 1, {});
    sql += CircuitSql(3, 1, "CCM-1", 3, {});
    sql += CircuitSql(4, 3, "M-01", 3, {});
    sql += CircuitSql(5, 2, "ILUM-1", 1, {});
    sql += CircuitSql(6, 1, "CC-BAT", 2, {});
    // A circuit not yet sized, one without overload protection, and two that point at each other.
    sql += CircuitSql(7, 2, "TOM-1", 1, {});
    sql += "UPDATE circuito SET circuito_calculado=0 WHERE circuito_sequencial=7;";
    sql += "UPDATE circuito SET circuito_corrente_nominal_dispositivo_protecao='' WHERE circuito_sequencial=5;";
    sql += CircuitSql(8, 9, "LACO-A", 1, {}) + CircuitSql(9, 8, "LACO-B", 1, {});
    zeltest::MakeDatabase(database, sql);

    std::string text = PdfText(Render());
    std::vector<std::string> order = {"QGBT", "CCM-1", "M-01", "CC-BAT", "QD-ADM", "ILUM-1", "TOM-1", "LACO-A", "LACO-B"};
    size_t at = 0;
    for (const std::string& code : order) {
        size_t next = text.find(code + " ", at);
        ASSERT_NE(next, std::string::npos) << code << " missing or out of tree order";
        at = next;
    }
    auto row = [&](const std::string& code) {
        size_t start = text.find(code + " ");
        return text.substr(start, text.find('\n', start) - start);
    };
    // C(3): parent 1, system 3, length 15.5, current 11.25, 2 x 2.5 mm², drop 1.30, "Disj. 40".
    std::string ccm = row("CCM-1");
    for (const char* cell : {"QGBT", "Trifásico 3F+N+PE (TN-S)", "15.5", "11.2", "2 x 2.5 mm²", "1.30", "Disj. 40"})
        EXPECT_NE(ccm.find(cell), std::string::npos) << cell << " in: " << ccm;
    EXPECT_NE(row("QGBT").find("Origem"), std::string::npos);
    EXPECT_NE(row("CC-BAT").find("Corrente contínua"), std::string::npos);
    EXPECT_NE(row("TOM-1").find("circuito não calculado"), std::string::npos);
    EXPECT_EQ(row("TOM-1").find("Disj."), std::string::npos);
    EXPECT_NE(row("ILUM-1").find("sobrecarga dispensada"), std::string::npos) << row("ILUM-1");
    EXPECT_NE(text.find("07/03/2024"), std::string::npos);  // creation date of the project row
}

// The engine stores the design current with two decimals ("%6.2f"); printing it with one more rounding
// gave 10.4 A on the project report for the 10.4545 A its circuit report prints as 10.5 A.
TEST_F(ProjectReportTest, TheDesignCurrentIsPrintedAsTheEngineStoredIt)
{
    database = env.File("corrente.lvp");
    std::string sql = ProjectSchemaSql() + ProjectRowSql("Cliente", "Resp.", 1, "");
    sql += CircuitSql(1, 0, "TUG-1", 1, {}) + CircuitSql(2, 0, "TUG-2", 1, {});
    sql += "UPDATE circuito SET circuito_corrente_total_regime=10.45 WHERE circuito_sequencial=1;";
    sql += "UPDATE circuito SET circuito_corrente_total_regime=7.05 WHERE circuito_sequencial=2;";
    zeltest::MakeDatabase(database, sql);

    std::string text = PdfText(Render());
    for (const auto& [code, current] : {std::pair{"TUG-1", "10.45"}, std::pair{"TUG-2", "7.05"}}) {
        size_t start = text.find(std::string(code) + " ");
        ASSERT_NE(start, std::string::npos) << code;
        std::string row = text.substr(start, text.find('\n', start) - start);
        EXPECT_NE(row.find(std::string(" ") + current + " "), std::string::npos) << row;
    }
}

TEST_F(ProjectReportTest, AnEmptyProjectPrintsItsHeaderAndSaysSo)
{
    database = env.File("vazio.lvp");
    zeltest::MakeDatabase(database, ProjectSchemaSql());
    std::string text = PdfText(Render());
    EXPECT_NE(text.find("O projeto não tem circuitos."), std::string::npos);
    EXPECT_NE(text.find("Usina São João"), std::string::npos);
    EXPECT_NE(text.find("Página 1 de 1"), std::string::npos);
}

TEST_F(ProjectReportTest, AClientWithAnApostropheComesFromTheProjectRowAsTyped)
{
    MakeProject(3, "O'Brien & Filhos");
    std::string text = PdfText(Render());
    EXPECT_NE(text.find("O'Brien & Filhos"), std::string::npos);
}

TEST_F(ProjectReportTest, AHugeTextInTheHeaderIsCutAndTheReportStillComesOut)
{
    // A file edited by hand or by another tool: 100,000 letters where the responsible's 20 belong. Measured
    // again on every page, it kept the report for minutes; the header it grew filled each page.
    MakeProject(40, "Cliente Ltda.");
    zeltest::RunSql(database, "UPDATE projeto SET projeto_responsavel=printf('%.*c', 100000, 'A')");
    const auto inicio = std::chrono::steady_clock::now();
    std::string pdf = Render("project-report-huge-header.pdf");
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    EXPECT_LT(segundos, 10.0);
    EXPECT_NE(PdfText(pdf, 1).find("AAAA…"), std::string::npos) << "the cut is shown";
    EXPECT_NE(PdfText(pdf).find("C-40"), std::string::npos) << "every circuit is listed";
}

TEST_F(ProjectReportTest, AMissingCatalogueFailsTheRunOnce)
{
    MakeProject(3);
    std::filesystem::remove(env.File("ZelBt01.zel"));
    Crystal job(env.Layout("ZelBt03.zel"));
    EXPECT_THROW(RunProjectReport(job, database, "P", "E"), CUserException);
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_NE(env.messages.shown[0].text.find("ZelBt01.zel"), std::string::npos) << env.messages.shown[0].text;
    EXPECT_EQ(env.CrystalLogLines(), 1);
    EXPECT_EQ(env.preview.Windows().size(), 0u);
}

}  // namespace
