// The circuit report as the sizing command runs it, read back from its PDF.

#include "ReportFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace reporttest;

namespace {

const std::vector<Line> kCircuitLines = {
    {2, "Maneira de instalar:", "B1 - Condutores isolados em eletroduto de seção circular"},
    {2, "Sistema:", "Trifásico 3F+N+PE (TN-S)"},
    {2, "Cabo:", "Cobre, isolação PVC 70 °C"},
    {2, "Seção mínima de cada condutor:", "   2.5 mm2"},
    {2, "Temperatura ambiente:", "30 oC"},
    {2, "Cargas não motor consideradas", "", 0, -1, 0},
    {2, "Motores considerados", "", -1, 0, 0},
    {2, "Corrente do circuito :", "  61.4 A"},
    {2, "Fator de demanda :", "1.00"},
    {3, "Seção nominal dos condutores :", "1 x   16 mm2"},
    {3, "Critério de dimensionamento:", "Queda de tensão na partida"},
    {3, "Resistência em CA de cada condutor :", " 1.3800 ohm/km"},
    {3, "Seção nominal do condutor de proteção :", "  16 mm²"},
    {3, "Impedância de laço (Zs) :", " 0.4120 Ω"},
    {3, "Verificar capacidade de interrupção (ruptura)", ""},
};

class CircuitReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        database = env.File("projeto de teste.lvp");
        std::string sql = ProjectSchemaSql();
        sql += ProjectRowSql("Prefeitura de Itu", "Eng. Sá", 2, "");
        sql += CircuitSql(1, 0, "QGBT", 3, {{2, "Sistema:", "Linha do quadro geral"}});
        sql += CircuitSql(2, 1, "CCM-01", 3, kCircuitLines,
                          {{2, 15.2, 0.85, 10.0, 98.8, 0.35}, {1, 7.9, 0.82, 5.0, 0, 0}},
                          {{1.00, 10, 100.0, 0.92}, {0.80, 4, 1500.0, 0.85}, {0.50, 2, 3000.0, 1.00}});
        // Another circuit whose lines, motors and loads must not appear.
        sql += CircuitSql(3, 1, "OUTRO-9", 3,
                          {{2, "Linha do outro circuito", "nunca impressa"}, {2, "Motores considerados", "", -1, 0, 0}},
                          {{3, 777.7, 0.99, 555.5, 0, 0}}, {{0.33, 99, 8888.0, 0.77}});
        sql += CircuitSql(4, 1, "CC-01", 2,
                          {{2, "Sistema:", "Corrente contínua 2 condutores"},
                           {2, "Cargas não motor consideradas", "", 0, 0, -1},
                           {3, "Seção nominal dos condutores :", "1 x   4 mm2"}},
                          {}, {{1.00, 6, 250.0, 1.00}, {0.70, 3, 1200.0, 1.00}});
        zeltest::MakeDatabase(database, sql);
    }

    // Opens the circuit report as the application does, runs it and writes the previewed pages to pdf.
    std::string Report(int key, const std::string& code, const std::string& company, const std::string& project,
                       const std::string& keep = "")
    {
        Crystal job(env.Layout("ZelBt04.zel"));
        Crystal* sub3 = new Crystal("Lvsize03.rpt", &job);
        Crystal* sub4 = new Crystal("Lvsize04.rpt", &job);
        Crystal* sub5 = new Crystal("Lvsize05.rpt", &job);
        RunCircuitReport(job, {sub3, sub4, sub5}, database, key, code, company, project);
        EXPECT_EQ(env.preview.OpenCount(), 1);
        const auto& window = env.preview.Windows().back();
        EXPECT_EQ(window->request.title, "Vardek - LVSIZE 4.0");
        std::string pdf = keep.empty() ? env.File("circuito.pdf") : OutputDir() + "/" + keep;
        std::string error;
        EXPECT_TRUE(window->report->WritePdf(pdf, error)) << error;
        return pdf;
    }

    ReportEnvironment env;
    std::string database;
};

TEST_F(CircuitReportTest, PrintsTheCircuitsLinesInOrderWithItsListsUnderTheirFlagLines)
{
    std::string pdf = Report(2, "CCM-01", "D'Ávila Engenharia", "Usina São João", "circuit-report.pdf");
    std::string text = PdfText(pdf);
    ASSERT_FALSE(text.empty()) << "pdftotext gave nothing";
    EXPECT_EQ(PdfPageCount(pdf), 1);
    EXPECT_NE(PdfPageSize(pdf).find("595.276 x 841.89"), std::string::npos) << PdfPageSize(pdf);  // A4 portrait

    // The header carries the three formulas, as typed.
    EXPECT_NE(Find(text, "D'Ávila Engenharia"), std::string::npos);
    EXPECT_NE(Find(text, "Usina São João"), std::string::npos);
    EXPECT_NE(Find(text, "CCM-01"), std::string::npos);

    // Every line, label and value on one text line, in writing order, inputs before results.
    size_t at = Find(text, "Dados do circuito");
    ASSERT_NE(at, std::string::npos);
    size_t results = Find(text, "Resultados");
    ASSERT_NE(results, std::string::npos);
    for (const Line& l : kCircuitLines) {
        size_t next = Find(text, l.label, at);
        ASSERT_NE(next, std::string::npos) << "missing or out of order: " << l.label;
        EXPECT_EQ(l.type == 3, next > results) << l.label;
        if (!l.value.empty()) {
            // The value's first word stands on the label's text line (pdftotext respaces the rest).
            size_t eol = text.find('\n', next);
            std::string line = text.substr(next, eol - next);
            std::string value = l.value.substr(l.value.find_first_not_of(' '));
            EXPECT_NE(line.find(value.substr(0, value.find(' '))), std::string::npos) << "value not beside its label: " << line;
        }
        at = next;
    }

    // The loads' table stands between its flag line and the motors' flag line, the motors' table after it.
    size_t loadsFlag = Find(text, "Cargas não motor consideradas");
    size_t motorsFlag = Find(text, "Motores considerados");
    size_t loadsHeader = Find(text, "Potência ativa unit.");
    size_t motorsHeader = Find(text, "Corrente na partida");
    size_t after = Find(text, "Corrente do circuito :");
    ASSERT_NE(loadsHeader, std::string::npos);
    ASSERT_NE(motorsHeader, std::string::npos);
    EXPECT_LT(loadsFlag, loadsHeader);
    EXPECT_LT(loadsHeader, motorsFlag);
    EXPECT_LT(motorsFlag, motorsHeader);
    EXPECT_LT(motorsHeader, after);
    EXPECT_EQ(Count(text, "Potência ativa unit."), 1);
    EXPECT_EQ(Count(text, "Corrente na partida"), 1);
    EXPECT_EQ(Count(text, "Demanda total (VA)"), 1);  // the direct-current list is not there

    // The three loads and two motors, with the derived demand of each load.
    for (const char* cell : {"1500.0", "3000.0", "100.0", "1087.0", "5647.1", "3000.0"})
        EXPECT_NE(Find(text, cell, loadsHeader), std::string::npos) << cell;
    for (const char* cell : {"15.2", "98.8", "0.35", "7.9", "não considerada"})
        EXPECT_NE(Find(text, cell, motorsHeader), std::string::npos) << cell;

    // Symbols come through the font as typed.
    EXPECT_NE(Find(text, "16 mm²"), std::string::npos);
    EXPECT_NE(Find(text, "0.4120 Ω"), std::string::npos);
    EXPECT_NE(Find(text, "70 °C"), std::string::npos);

    // Nothing of the other circuits.
    for (const char* other : {"Linha do outro circuito", "nunca impressa", "777.7", "8888.0", "Linha do quadro geral",
                              "OUTRO-9"})
        EXPECT_EQ(Find(text, other), std::string::npos) << other;

    EXPECT_NE(Find(text, "Página 1 de 1"), std::string::npos);
    EXPECT_NE(Find(text, "Emitido em 07/03/2024"), std::string::npos);
    EXPECT_TRUE(env.messages.shown.empty());
}

TEST_F(CircuitReportTest, ADirectCurrentCircuitListsItsLoadsWithoutPowerFactor)
{
    std::string text = PdfText(Report(4, "CC-01", "Empresa", "Projeto"));
    size_t flag = Find(text, "Cargas não motor consideradas");
    size_t header = Find(text, "Demanda total (VA)");
    ASSERT_NE(flag, std::string::npos);
    ASSERT_NE(header, std::string::npos);
    EXPECT_LT(flag, header);
    EXPECT_EQ(Find(text, "Fator de potência"), std::string::npos);  // neither Lvsize04's nor Lvsize03's table
    EXPECT_NE(Find(text, "1500.0", header), std::string::npos);     // 6 x 250 x 1.00
    EXPECT_NE(Find(text, "2520.0", header), std::string::npos);     // 3 x 1200 x 0.70
    EXPECT_LT(header, Find(text, "Seção nominal dos condutores :"));
}

TEST_F(CircuitReportTest, ACircuitWithoutLinesSaysSoAndStillHasItsHeader)
{
    zeltest::RunSql(database, "DELETE FROM circuito_impressao WHERE circuito_sequencial=2;");
    std::string text = PdfText(Report(2, "CCM-01", "Empresa", "Projeto"));
    EXPECT_NE(Find(text, "O circuito não tem linhas de relatório"), std::string::npos);
    EXPECT_NE(Find(text, "CCM-01"), std::string::npos);
    EXPECT_EQ(Find(text, "Potência ativa unit."), std::string::npos);
}

TEST_F(CircuitReportTest, ManyLinesBreakIntoPagesWithEveryLineWholeAndTheHeaderOnEachPage)
{
    std::vector<Line> lines;
    for (int i = 1; i <= 140; ++i) {
        std::string label = "Rótulo número " + std::to_string(i) + " :";
        if (i % 17 == 0)
            label += " com um texto longo que não cabe numa só linha da coluna e por isso quebra em duas ou três";
        lines.push_back({i <= 70 ? 2 : 3, label, "valor " + std::to_string(i)});
    }
    zeltest::RunSql(database, CircuitSql(20, 0, "LONGO", 3, lines));
    Crystal job(env.Layout("ZelBt04.zel"));
    Crystal* sub3 = new Crystal("Lvsize03.rpt", &job);
    Crystal* sub4 = new Crystal("Lvsize04.rpt", &job);
    Crystal* sub5 = new Crystal("Lvsize05.rpt", &job);
    RunCircuitReport(job, {sub3, sub4, sub5}, database, 20, "LONGO", "Empresa X", "Projeto Y");
    const RenderedReport& report = *env.preview.Windows().back()->report;
    ASSERT_GE(report.PageCount(), 3);
    // Label and value of a line land on one page; each page opens with the header.
    for (int i = 1; i <= 140; ++i) {
        std::string label = "Rótulo número " + std::to_string(i) + " :";
        std::string value = "valor " + std::to_string(i) + "\n";
        int labelPage = -1, valuePage = -1;
        for (int p = 0; p < report.PageCount(); ++p) {
            std::string t = report.PageText(p);
            if (t.find(label) != std::string::npos)
                labelPage = p;
            if (t.find(value) != std::string::npos)
                valuePage = p;
        }
        ASSERT_GE(labelPage, 0) << label;
        EXPECT_EQ(labelPage, valuePage) << label;
    }
    std::string pdf = env.File("longo.pdf");
    std::string error;
    ASSERT_TRUE(report.WritePdf(pdf, error)) << error;
    int pages = PdfPageCount(pdf);
    EXPECT_EQ(pages, report.PageCount());
    for (int p = 1; p <= pages; ++p) {
        std::string t = PdfText(pdf, p);
        EXPECT_NE(t.find("Empresa X"), std::string::npos) << "page " << p;
        EXPECT_NE(t.find("LONGO"), std::string::npos) << "page " << p;
        EXPECT_NE(t.find("Página " + std::to_string(p) + " de " + std::to_string(pages)), std::string::npos);
    }
    // No element runs into the footer.
    for (int p = 0; p < report.PageCount(); ++p) {
        for (const PageElement& e : report.Page(p).elements) {
            if (e.kind == PageElement::Kind::text && e.text.find("Rótulo") != std::string::npos) {
                EXPECT_LT(e.y + e.h, report.HeightPt() - 12 * kPointsPerMm - 8) << e.text;
            }
        }
    }
}

TEST_F(CircuitReportTest, SubreportsThatNoCallerLocatedReadTheMainReportsDatabase)
{
    Crystal job(env.Layout("ZelBt04.zel"));  // no subreport jobs opened, as in Mvsize's circuit report
    RunCircuitReport(job, {}, database, 2, "CCM-01", "E", "P");
    std::string text = env.preview.Windows().back()->report->PageText(0);
    EXPECT_NE(text.find("98.8"), std::string::npos);
    EXPECT_NE(text.find("5647.1"), std::string::npos);
}

TEST_F(CircuitReportTest, ASecondRunOfTheJobLeavesOnePreviewTheNewOne)
{
    Crystal job(env.Layout("ZelBt04.zel"));
    std::vector<Crystal*> subs = {new Crystal("Lvsize03.rpt", &job), new Crystal("Lvsize04.rpt", &job),
                                  new Crystal("Lvsize05.rpt", &job)};
    RunCircuitReport(job, subs, database, 2, "CCM-01", "E", "P");
    RunCircuitReport(job, subs, database, 4, "CC-01", "E", "P");
    ASSERT_EQ(env.preview.Windows().size(), 2u);
    EXPECT_FALSE(env.preview.Windows()[0]->open);
    EXPECT_TRUE(env.preview.Windows()[1]->open);
    EXPECT_EQ(job.GetWindowHandle(), env.preview.Windows()[1].get());
    EXPECT_NE(env.preview.Windows()[1]->report->PageText(0).find("CC-01"), std::string::npos);
}

}  // namespace
