// Mvsize's two report layouts rendered from a sized example project: what each page shows. The PDFs are
// left in the build's screenshots/mvsize folder to be looked at.
#include "MvShellFixture.h"

#include "MvsizeCommands.h"
#include "ReportPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using mvshell::Shell;

namespace {

std::shared_ptr<const RenderedReport> Ultimo(const Shell& s)
{
    const auto& w = s.previews.Windows();
    return w.empty() ? nullptr : w.back()->report;
}

void Guardar(const RenderedReport& r, const std::string& nome)
{
    const std::string pasta = std::string(ZEL_DATA_DIR) + "/../screenshots/mvsize";
    fs::create_directories(pasta);
    std::string erro;
    EXPECT_TRUE(r.WritePdf(pasta + "/" + nome, erro)) << erro;
}

}  // namespace

TEST(MvsizeReports, CircuitReportShowsTheCircuitsLinesOnly)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo("Subestação.mvp")}));
    std::ofstream(s.app.m_strCompanyFile) << "Zel Engenharia\n";
    s.Select("SE-02");
    s.Command(ID_CIRCUITO_CALCULAR);
    s.Select("SE-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    ASSERT_EQ(s.Errors(), 0) << s.host.Transcript();
    const auto r = Ultimo(s);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->Landscape());
    const std::string texto = r->PageText(0);
    EXPECT_NE(texto.find("Zel Engenharia"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Subestação"), std::string::npos) << texto;
    EXPECT_NE(texto.find("SE-01"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Dados do circuito"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Resultados"), std::string::npos) << texto;
    // Every line the engine wrote for SE-01 and none of SE-02's.
    const std::string primeira = s.Q("SELECT circuito_impressao_variavel FROM circuito_impressao WHERE "
                                     "circuito_sequencial=2 ORDER BY circuito_impressao_sequencial LIMIT 1");
    EXPECT_NE(texto.find(primeira), std::string::npos) << texto;
    EXPECT_EQ(texto.find("SE-02"), std::string::npos) << texto;
    Guardar(*r, "relatorio-circuito.pdf");
}

TEST(MvsizeReports, ProjectReportListsEveryCircuitWithItsResult)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo("Subestação.mvp")}));
    s.Command(ID_PROJETO_CALCULAR);
    ASSERT_EQ(s.Errors(), 0) << s.host.Transcript();
    const auto r = Ultimo(s);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->Landscape());
    const std::string texto = r->PageText(0);
    for (const char* c : {"AL-PRINCIPAL", "SE-01", "SE-02", "BOMBAS", "Exemplo Ltda.", "Subestação"})
        EXPECT_NE(texto.find(c), std::string::npos) << c << "\n" << texto;
    const std::string secao = s.Q("SELECT secao_nominal FROM circuito WHERE circuito_sequencial=4");
    EXPECT_NE(texto.find("x " + secao + " mm²"), std::string::npos) << texto;
    EXPECT_EQ(texto.find("circuito não calculado"), std::string::npos) << texto;
    Guardar(*r, "relatorio-projeto.pdf");
}
