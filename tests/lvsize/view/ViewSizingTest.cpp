// Sizing one circuit or the whole project, and what the report jobs are given.
#include "ShellFixture.h"

#include "Crystal.h"
#include "DaoDatabase.h"
#include "LvsizeCommands.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using lvshell::Shell;

namespace {

bool Tem(const std::vector<std::string>& calls, const std::string& what)
{
    return std::find(calls.begin(), calls.end(), what) != calls.end();
}

std::string Juntar(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& x : v)
        s += x + "\n";
    return s;
}

class Dimensionar : public ::testing::Test {
protected:
    void Iniciar(Shell& s)
    {
        ASSERT_TRUE(s.Start({s.Exemplo()}));
        circuito = s.component->JobOf("ZelBt04.zel");
        projeto = s.component->JobOf("ZelBt03.zel");
        ASSERT_GT(circuito, 0);
        ASSERT_GT(projeto, 0);
    }
    short circuito = 0, projeto = 0;
};

}  // namespace

TEST_F(Dimensionar, OneCircuitPreviewsItsReportLines)
{
    Shell s;
    Iniciar(s);
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    EXPECT_EQ(s.Errors(), 0);
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=2"), "-1");
    EXPECT_NE(s.Q("SELECT COUNT(*) FROM circuito_impressao WHERE circuito_sequencial=2"), "0");
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=3"), "0") << "only that one";

    const auto calls = s.component->Of(circuito);
    const std::vector<std::string> esperado = {
        "close window",
        "table 0 " + s.WorkingPath(),
        "selection {circuito_impressao.circuito_sequencial}=2",
        "formula circuito='ILUM-01'",
        "formula CLIENTE=''",
        "formula projeto='exemplo'",
        "select Escritorio orientation 1",
        "window Vardek - LVSIZE 4.0",
    };
    EXPECT_EQ(calls, esperado) << Juntar(calls);
    for (Crystal* sub : s.app.m_pCircuitReport->GetSubreports())
        EXPECT_EQ(s.component->Of(sub->GetJob()), std::vector<std::string>{"table 0 " + s.WorkingPath()});
    ASSERT_EQ(s.previews.OpenCount(), 1);
    const std::string pagina = s.previews.Windows().back()->report->PageText(0);
    EXPECT_NE(pagina.find("ILUM-01"), std::string::npos) << pagina;
    EXPECT_TRUE(fs::exists(s.programa + "/empresa.zel")) << "the company file is created empty";
}

TEST_F(Dimensionar, ACalculatedCircuitIsNotSizedAgainAndTwoRunsLeaveOnePreview)
{
    Shell s;
    Iniciar(s);
    std::ofstream(s.programa + "/empresa.zel") << "Vardek Engenharia\r\nsegunda linha\n";
    s.Select("TUG-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    // A line the engine never writes: still there after the second run, so nothing was sized again.
    s.Doc().m_pDatabase->Execute("UPDATE circuito_impressao SET circuito_impressao_valor='marca' "
                                 "WHERE circuito_sequencial=3 AND circuito_impressao_sequencial=1");
    s.Command(ID_CIRCUITO_CALCULAR);
    EXPECT_EQ(s.Q("SELECT circuito_impressao_valor FROM circuito_impressao WHERE circuito_sequencial=3 AND "
                  "circuito_impressao_sequencial=1"),
              "marca");
    EXPECT_TRUE(Tem(s.component->Of(circuito), "formula CLIENTE='Vardek Engenharia'"));
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    EXPECT_EQ(s.previews.Windows().size(), 3u);
    EXPECT_EQ(s.previews.OpenCount(), 1);
}

TEST_F(Dimensionar, EngineFailureShowsItsTextAndMakesNoReport)
{
    Shell s;
    Iniciar(s);
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET dispositivo_protecao_codigo=0 WHERE circuito_sequencial=2");
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    ASSERT_EQ(s.Errors(), 1);
    EXPECT_EQ(s.host.messages[0].text, "Dispositivo de proteção não definido.");
    EXPECT_TRUE(s.component->Of(circuito).empty());
    EXPECT_EQ(s.previews.Windows().size(), 0u);
}

TEST_F(Dimensionar, PrintingTakesThePrintOptions)
{
    Shell s;
    Iniciar(s);
    ImpressaoResposta resposta;
    int abertos = 0;
    LvsizeDialogs().impressao = [&](ImpressaoResposta& r) {
        ++abertos;
        r = resposta;
        return resposta.copias > 0 ? IDOK : IDCANCEL;
    };
    s.Select("ILUM-01");
    resposta.copias = 0;  // cancelled: nothing sized
    s.Command(ID_CIRCUITO_IMPRIMIR);
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=2"), "0");
    EXPECT_TRUE(s.component->Of(circuito).empty());

    resposta = ImpressaoResposta{0, 0, 0, 3};  // "&Todas", three copies
    s.Command(ID_CIRCUITO_IMPRIMIR);
    auto calls = s.component->Of(circuito);
    EXPECT_TRUE(Tem(calls, "options 0-0 x3 collation 1")) << Juntar(calls);
    EXPECT_TRUE(Tem(calls, "printer copies 3")) << Juntar(calls);
    ASSERT_EQ(s.backend->jobs.size(), 1u);
    EXPECT_EQ(s.backend->jobs[0].request.copies, 3);
    EXPECT_EQ(s.backend->jobs[0].request.printer, "Escritorio");

    resposta = ImpressaoResposta{1, 1, 2, 1};  // pages 1 to 2
    s.Command(ID_CIRCUITO_IMPRIMIR);
    calls = s.component->Of(circuito);
    EXPECT_TRUE(Tem(calls, "options 1-2 x1 collation 1")) << Juntar(calls);
    EXPECT_EQ(abertos, 3);
}

TEST_F(Dimensionar, WithoutACupsPrinterTheReportsArePreviewedAndPrintedToAFile)
{
    Shell s(std::vector<std::string>{});
    Iniciar(s);
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    EXPECT_TRUE(s.host.messages.empty()) << s.host.Transcript();
    EXPECT_TRUE(Tem(s.component->Of(circuito), "select Salvar em PDF orientation 1")) << Juntar(s.component->Of(circuito));
    ASSERT_EQ(s.previews.OpenCount(), 1);
    EXPECT_NE(s.previews.Windows().back()->report->PageText(0).find("ILUM-01"), std::string::npos);

    s.Tree().SelectItem(s.Tree().GetRootItem());
    s.Command(ID_PROJETO_CALCULAR);
    EXPECT_TRUE(s.host.messages.empty()) << s.host.Transcript();
    EXPECT_EQ(s.previews.OpenCount(), 2);

    // "Imprimir": the print options, then the file the user names.
    LvsizeDialogs().impressao = [](ImpressaoResposta& r) {
        r = ImpressaoResposta{0, 0, 0, 2};
        return IDOK;
    };
    s.previews.pdfPath = s.dir.File("ilum.pdf");
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_IMPRIMIR);
    EXPECT_TRUE(s.host.messages.empty()) << s.host.Transcript();
    EXPECT_TRUE(s.backend->jobs.empty());
    EXPECT_EQ(s.previews.pdfSuggestions, std::vector<std::string>{"exemplo - ILUM-01.pdf"});
    EXPECT_EQ(zeltest::ReadFile(s.previews.pdfPath).rfind("%PDF-", 0), 0u);
}

TEST_F(Dimensionar, WithoutThePrinterServiceTheSizingIsDoneAndTheMessageShown)
{
    Shell s;
    Iniciar(s);
    s.context.printer = nullptr;
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, CLvsizeView::kSemImpressora);
    EXPECT_EQ(s.host.messages[0].type & MB_ICON_MASK, MB_ICONINFORMATION);
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=2"), "-1");
    EXPECT_EQ(s.previews.Windows().size(), 0u);

    s.Tree().SelectItem(s.Tree().GetRootItem());
    s.Command(ID_PROJETO_CALCULAR);
    EXPECT_EQ(s.host.messages.size(), 2u);
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM circuito WHERE circuito_calculado=0"), "0");
}

// A preview prints with its own button, after the same print-options dialog as "I&mprimir".
TEST_F(Dimensionar, APreviewAsksForThePrintOptionsWithTheProgramsDialog)
{
    Shell s;
    Iniciar(s);
    ImpressaoResposta resposta{1, 2, 3, 4};
    int resultado = IDOK;
    LvsizeDialogs().impressao = [&](ImpressaoResposta& r) {
        r = resposta;
        return resultado;
    };
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    PrintRequest pedido;
    ASSERT_TRUE(s.printers->AskPrintOptions(pedido));
    EXPECT_EQ(pedido.firstPage, 2);
    EXPECT_EQ(pedido.lastPage, 3);
    EXPECT_EQ(pedido.copies, 4);
    EXPECT_EQ(pedido.collation, 1);
    resposta = ImpressaoResposta{0, 7, 9, 1};  // "&Todas": the pages typed before do not count
    ASSERT_TRUE(s.printers->AskPrintOptions(pedido));
    EXPECT_EQ(pedido.firstPage, 0);
    EXPECT_EQ(pedido.lastPage, 0);
    resultado = IDCANCEL;
    EXPECT_FALSE(s.printers->AskPrintOptions(pedido));
}

TEST_F(Dimensionar, TheWholeProjectInTheDatabasesOrderThenItsReport)
{
    Shell s;
    Iniciar(s);
    s.Tree().SelectItem(s.Tree().GetRootItem());
    s.Command(ID_PROJETO_CALCULAR);
    EXPECT_EQ(s.Errors(), 0);
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM circuito WHERE circuito_calculado=-1"), "5");
    const auto calls = s.component->Of(projeto);
    const std::vector<std::string> esperado = {
        "close window",
        "table 0 " + s.WorkingPath(),
        "table 1 " + s.WorkingPath(),
        "table 2 " + s.WorkingPath(),
        "formula projeto='exemplo'",
        "formula cliente=''",
        "select Escritorio orientation 2",
        "window Vardek - LVSIZE 4.0",
    };
    EXPECT_EQ(calls, esperado) << Juntar(calls);
    EXPECT_EQ(s.previews.OpenCount(), 1);
    EXPECT_EQ(s.Doc().m_pDatabase->TransactionDepth(), 0);
}

TEST_F(Dimensionar, TheFirstFailingCircuitStopsTheProject)
{
    Shell s;
    Iniciar(s);
    // The third circuit in the database's order cannot be sized.
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET dispositivo_protecao_codigo=0 WHERE circuito_sequencial=3");
    s.Command(ID_PROJETO_CALCULAR);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, "Circuito TUG-01. Erro: Dispositivo de proteção não definido.");
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_calculado) FROM (SELECT circuito_calculado FROM circuito "
                  "ORDER BY circuito_sequencial)"),
              "-1,-1,0,0,0");
    EXPECT_TRUE(s.component->Of(projeto).empty());
    EXPECT_EQ(s.Doc().m_pDatabase->TransactionDepth(), 0);
}

TEST_F(Dimensionar, ALargeProjectIsSizedInOneRun)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    CDaoDatabase& db = *s.Doc().m_pDatabase;
    // 60 copies of the example's five circuits, each panel with its own sub-circuits: 300 circuits.
    auto outras = [&](const std::string& t) {
        std::string c;
        for (const auto& n : db.TableColumns(t))
            if (n != "circuito_sequencial" && n != "circuito_sequencial_pai" && n != "circuito_codigo")
                c += "," + n;
        return c;
    };
    db.Execute("CREATE TEMP TABLE m_circuito AS SELECT * FROM circuito");
    for (const char* t : {"carga", "motor", "circuito_x_tabela_selecao"})
        db.Execute(std::string("CREATE TEMP TABLE m_") + t + " AS SELECT * FROM " + t);
    for (int i = 1; i < 60; ++i) {
        const int b = i * 5;
        const std::string c = outras("circuito");
        db.Execute(FormatC("INSERT INTO circuito (circuito_sequencial,circuito_sequencial_pai,circuito_codigo%s) "
                           "SELECT circuito_sequencial+%i, circuito_sequencial_pai+%i, circuito_codigo||'-%i'%s "
                           "FROM m_circuito",
                           c.c_str(), b, b, i, c.c_str()));
        for (const char* t : {"carga", "motor", "circuito_x_tabela_selecao"}) {
            const std::string o = outras(t);
            db.Execute(FormatC("INSERT INTO %s (circuito_sequencial%s) SELECT circuito_sequencial+%i%s FROM m_%s", t,
                               o.c_str(), b, o.c_str(), t));
        }
    }
    ASSERT_EQ(s.Q("SELECT COUNT(*) FROM circuito"), "300");
    const auto inicio = std::chrono::steady_clock::now();
    s.Command(ID_PROJETO_CALCULAR);
    const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
    RecordProperty("segundos", std::to_string(segundos));
    std::printf("300 circuits sized and the project report made in %.2f s\n", segundos);
    EXPECT_EQ(s.Errors(), 0);
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM circuito WHERE circuito_calculado=-1"), "300");
    EXPECT_EQ(s.previews.OpenCount(), 1);
}
