// Mvsize's circuit tree and its commands: images, include, edit, delete, copy, paste, sizing and reports.
#include "MvShellFixture.h"

#include "DaoDatabase.h"
#include "MvsizeCommands.h"
#include "CircuitoSelecionado.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using mvshell::Shell;

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

constexpr const char* kCapacidade =
    "Capacacidade máxima de Corrente não atende as necessidades, aumente o número de Ternas";

// A characteristics double that writes the circuit row as the dialog would.
void IncluirComo(Shell& s, short chave, const std::string& codigo, bool gravar = true)
{
    MvsizeDialogs().caracteristicas = [&s, chave, codigo, gravar](const CaracteristicasPedido& p,
                                                                  CaracteristicasResposta& r) {
        s.dialogos.push_back("CCaracteristicas");
        if (gravar)
            s.Doc().m_pDatabase->Execute(
                FormatC("INSERT INTO circuito (circuito_sequencial,circuito_sequencial_pai,circuito_codigo) "
                        "VALUES (%i,%s,?)",
                        chave, p.sequencial ? FormatC("%i", p.sequencial).c_str() : "NULL"),
                SqlParams{codigo});
        r.codigo = codigo;
        r.sequencialNovo = chave;
        return IDOK;
    };
}

}  // namespace

TEST(MvsizeView, ImagesFollowTheDesignCurrent)
{
    Shell s;
    const std::string arquivo = s.Exemplo();
    zeltest::RunSql(arquivo, "INSERT INTO circuito (circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                             "circuito_corrente_projeto) VALUES (5,NULL,'NULO',NULL),(6,NULL,'MEIO',12.5),"
                             "(7,NULL,'NEG',-1)");
    ASSERT_TRUE(s.Start({arquivo}));
    EXPECT_EQ(s.Arvore(true), "Origem:0(AL-PRINCIPAL:2(SE-01:1,SE-02:1),BOMBAS:1,NULO:2,MEIO:1,NEG:2)");
    EXPECT_EQ(s.View().GetBackgroundColor(), 0xFFFFFFu);

    // The image follows a changed current once the item is refreshed.
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET circuito_corrente_projeto=0 WHERE circuito_codigo='MEIO'");
    s.Select("MEIO");
    s.View().Atualiza_icone();
    int img = 0, sel = 0;
    s.Tree().GetItemImage(s.Item("MEIO"), img, sel);
    EXPECT_EQ(img, 2);
    EXPECT_EQ(sel, 2);
}

// An edit that changes the design current changes the item's image with it; a cancelled edit leaves it.
TEST(MvsizeView, EditRefreshesTheItemsImage)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    int resultado = IDCANCEL;
    const char* corrente = "0";
    MvsizeDialogs().caracteristicas = [&](const CaracteristicasPedido& p, CaracteristicasResposta& r) {
        s.Doc().m_pDatabase->Execute(FormatC("UPDATE circuito SET circuito_corrente_projeto=%s WHERE "
                                             "circuito_sequencial=%i",
                                             corrente, p.sequencial));
        r.codigo = "BOMBAS";
        return resultado;
    };
    s.Select("BOMBAS");
    s.Command(ID_CIRCUITO_CARACTERISTICAS);
    EXPECT_EQ(s.Arvore(true), "Origem:0(AL-PRINCIPAL:2(SE-01:1,SE-02:1),BOMBAS:1)") << "cancelled: not re-read";
    resultado = IDOK;
    s.Command(ID_CIRCUITO_CARACTERISTICAS);
    EXPECT_EQ(s.Arvore(true), "Origem:0(AL-PRINCIPAL:2(SE-01:1,SE-02:1),BOMBAS:2)");
    corrente = "40";
    s.Command(ID_CIRCUITO_CARACTERISTICAS);
    EXPECT_EQ(s.Arvore(true), "Origem:0(AL-PRINCIPAL:2(SE-01:1,SE-02:1),BOMBAS:1)");
}

TEST(MvsizeView, IncludeChainsOnlyTheEconomicDialog)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    IncluirComo(s, 5, "SE-03");
    s.Select("AL-PRINCIPAL");
    s.Command(ID_CIRCUITO_INCLUIR);
    EXPECT_EQ(s.dialogos, (std::vector<std::string>{"CCaracteristicas", "CDimensionamento_economico"}));
    // The economic dialog was cancelled: the circuit stays, in the tree and in the working copy.
    EXPECT_EQ(s.Arvore(true), "Origem:0(AL-PRINCIPAL:2(SE-01:1,SE-02:1,SE-03:2),BOMBAS:1)");
    EXPECT_EQ(s.Tree().GetItemText(s.Tree().GetSelectedItem()), "SE-03");
    EXPECT_EQ(s.Q("SELECT circuito_sequencial_pai FROM circuito WHERE circuito_sequencial=5"), "1");
    EXPECT_TRUE(s.Doc().IsModified());

    // A dialog that said OK but wrote no row gives no item (D6).
    Shell t;
    ASSERT_TRUE(t.Start({t.Exemplo()}));
    IncluirComo(t, 9, "FANTASMA", false);
    t.Select("BOMBAS");
    t.Command(ID_CIRCUITO_INCLUIR);
    EXPECT_EQ(t.Arvore(), "Origem(AL-PRINCIPAL(SE-01,SE-02),BOMBAS)");
    EXPECT_FALSE(t.Doc().IsModified());
}

TEST(MvsizeView, EditRenamesTheItemAndCancelChangesNothing)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    int modo = -1;
    short chave = 0;
    int resultado = IDCANCEL;
    MvsizeDialogs().caracteristicas = [&](const CaracteristicasPedido& p, CaracteristicasResposta& r) {
        modo = p.modo;
        chave = p.sequencial;
        r.codigo = "SE-01A";
        return resultado;
    };
    s.Select("SE-01");
    s.Command(ID_CIRCUITO_CARACTERISTICAS);
    EXPECT_EQ(modo, 0);
    EXPECT_EQ(chave, 2);
    EXPECT_EQ(s.Arvore(), "Origem(AL-PRINCIPAL(SE-01,SE-02),BOMBAS)");
    EXPECT_FALSE(s.Doc().IsModified());
    resultado = IDOK;
    s.Command(ID_CIRCUITO_CARACTERISTICAS);
    EXPECT_EQ(s.Arvore(), "Origem(AL-PRINCIPAL(SE-01A,SE-02),BOMBAS)");
    EXPECT_TRUE(s.Doc().IsModified());
}

TEST(MvsizeView, DeleteRemovesTheSubtreeWithItsRowsAndInvalidatesTheAncestors)
{
    Shell s;
    const std::string arquivo = s.Exemplo();
    zeltest::RunSql(arquivo, "INSERT INTO circuito (circuito_sequencial,circuito_sequencial_pai,circuito_codigo,"
                             "circuito_corrente_projeto) VALUES (5,2,'TR-01',50);"
                             "INSERT INTO circuito_x_tabela_selecao VALUES (2,1,1),(5,1,2),(3,1,1);"
                             "UPDATE circuito SET circuito_calculado=-1 WHERE circuito_sequencial=1;"
                             "INSERT INTO circuito_impressao (circuito_sequencial,circuito_impressao_sequencial,"
                             "tipo_dado_codigo) VALUES (2,1,2),(5,1,2),(3,1,2)");
    ASSERT_TRUE(s.Start({arquivo}));

    // No: nothing happens.
    s.Select("SE-01");
    s.host.AnswerMessage(IDNO);
    s.Command(ID_CIRCUITO_EXCLUIR);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, "Confirma exclusão do circuito SE-01 ?");
    EXPECT_EQ(s.host.messages[0].type, unsigned(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM circuito"), "5");

    s.host.AnswerMessage(IDYES);
    s.Command(ID_CIRCUITO_EXCLUIR);
    EXPECT_EQ(s.Arvore(), "Origem(AL-PRINCIPAL(SE-02),BOMBAS)");
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_sequencial) FROM circuito"), "1,3,4");
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_sequencial) FROM circuito_x_tabela_selecao"), "3");
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_sequencial) FROM circuito_impressao"), "3");
    // The feeder's sizing depended on the deleted circuit.
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=1"), "0");
    EXPECT_TRUE(s.Doc().IsModified());
}

TEST(MvsizeView, CopyAndPasteRenumberTheSubtreeNotCalculated)
{
    Shell s;
    const std::string arquivo = s.Exemplo();
    // Largest key 7; answers for the copied circuits; the pasted code must not clash with AL-PRINCIPAL.
    zeltest::RunSql(arquivo, "UPDATE circuito SET circuito_sequencial=7 WHERE circuito_sequencial=4;"
                             "UPDATE circuito SET circuito_calculado=-1;"
                             "INSERT INTO circuito_x_tabela_selecao VALUES (1,1,1),(2,1,2),(3,1,3)");
    ASSERT_TRUE(s.Start({arquivo}));

    s.Select("SE-01");
    EXPECT_FALSE(s.Enabled(ID_CIRCUITO_COPIAR)) << "only a top-level circuit is copied";
    s.Select("AL-PRINCIPAL");
    EXPECT_TRUE(s.Enabled(ID_CIRCUITO_COPIAR));
    EXPECT_FALSE(s.Enabled(ID_CIRCUITO_COLAR));
    s.Command(ID_CIRCUITO_COPIAR);
    EXPECT_EQ(s.app.m_bClipboardHasCircuit, 1);
    EXPECT_FALSE(s.Enabled(ID_CIRCUITO_COLAR)) << "pasting goes to the root";
    s.Tree().SelectItem(s.Tree().GetRootItem());
    EXPECT_TRUE(s.Enabled(ID_CIRCUITO_COLAR));
    s.Command(ID_CIRCUITO_COLAR);

    EXPECT_EQ(s.Arvore(true),
              "Origem:0(AL-PRINCIPAL:2(SE-01:1,SE-02:1),BOMBAS:1,AL-PRINCIPAL1:2(SE-01:1,SE-02:1))");
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_sequencial || ':' || ifnull(circuito_sequencial_pai,'-') || ':' || "
                  "circuito_calculado) FROM (SELECT * FROM circuito WHERE circuito_sequencial>7 "
                  "ORDER BY circuito_sequencial)"),
              "8:-:0,9:8:0,10:8:0");
    EXPECT_EQ(s.Q("SELECT group_concat(circuito_sequencial || '=' || tabela_selecao_sequencial) FROM "
                  "(SELECT * FROM circuito_x_tabela_selecao WHERE circuito_sequencial>7 ORDER BY 1)"),
              "8=1,9=2,10=3");
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM circuito WHERE circuito_calculado=-1"), "4") << "the originals stay";
    EXPECT_TRUE(s.Doc().IsModified());
}

TEST(MvsizeView, CalcularSizesTheCircuitAndAlwaysPreviewsItsReport)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    std::ofstream(s.app.m_strCompanyFile) << "Zel Engenharia\n";
    const short job = s.component->JobOf("ZelMt04.zel");
    s.Select("SE-01");
    EXPECT_TRUE(s.Enabled(ID_CIRCUITO_CALCULAR));
    s.Command(ID_CIRCUITO_CALCULAR);
    EXPECT_EQ(s.Errors(), 0) << s.host.Transcript();
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=2"), "-1");
    EXPECT_NE(s.Q("SELECT secao_nominal FROM circuito WHERE circuito_sequencial=2"), "0");
    EXPECT_NE(s.Q("SELECT COUNT(*) FROM circuito_impressao WHERE circuito_sequencial=2"), "0");
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=3"), "0") << "only that one";

    const std::vector<std::string> esperado{"close window",
                                            "table 0 " + s.WorkingPath(),
                                            "selection {circuito_impressao.circuito_sequencial}=2",
                                            "formula circuito='SE-01'",
                                            "formula CLIENTE='Zel Engenharia'",
                                            "formula projeto='exemplo'",
                                            "select Escritorio orientation 1",
                                            "window Vardek - MVSIZE 4.0"};
    EXPECT_EQ(Juntar(s.component->Of(job)), Juntar(esperado));

    // Already calculated: previewed again without a new sizing.
    s.component->calls.clear();
    s.Command(ID_CIRCUITO_CALCULAR);
    EXPECT_TRUE(Tem(s.component->Of(job), "window Vardek - MVSIZE 4.0"));
}

TEST(MvsizeView, EngineFailureShowsItsTextAndNoReport)
{
    Shell s;
    const std::string arquivo = s.Exemplo();
    // One conductor imposed for 2000 A: no section carries it.
    zeltest::RunSql(arquivo, "UPDATE circuito SET circuito_corrente_projeto=2000,circuito_numero_condutores=1 "
                             "WHERE circuito_sequencial=3");
    ASSERT_TRUE(s.Start({arquivo}));
    s.Select("SE-02");
    s.Command(ID_CIRCUITO_CALCULAR);
    ASSERT_EQ(s.Errors(), 1) << s.host.Transcript();
    EXPECT_EQ(s.host.messages.back().text, kCapacidade);
    EXPECT_FALSE(Tem(s.component->Of(s.component->JobOf("ZelMt04.zel")), "window Vardek - MVSIZE 4.0"));
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=3"), "0");
}

TEST(MvsizeView, PrintingAsksForTheOptionsAndCancelPrintsNothing)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    const short job = s.component->JobOf("ZelMt04.zel");
    int resposta = IDCANCEL;
    MvsizeDialogs().impressao = [&](ImpressaoResposta& r) {
        r.intervalo = 1;
        r.de = 1;
        r.ate = 2;
        r.copias = 3;
        return resposta;
    };
    s.Select("SE-01");
    s.Command(ID_CIRCUITO_IMPRIMIR);
    EXPECT_TRUE(s.component->Of(job).empty());
    EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=2"), "0");
    resposta = IDOK;
    s.Command(ID_CIRCUITO_IMPRIMIR);
    const auto calls = s.component->Of(job);
    EXPECT_TRUE(Tem(calls, "options 1-2 x3 collation 1")) << Juntar(calls);
    EXPECT_TRUE(Tem(calls, "printer copies 3")) << Juntar(calls);
}

TEST(MvsizeView, ProjectSizesEveryCircuitAndPreviewsTheProjectReport)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    const short job = s.component->JobOf("ZelMt03.zel");
    EXPECT_TRUE(s.Enabled(ID_PROJETO_CALCULAR));
    s.Command(ID_PROJETO_CALCULAR);
    EXPECT_EQ(s.Errors(), 0) << s.host.Transcript();
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM circuito WHERE circuito_calculado=-1"), "4");
    // The feeder takes its current from its branches.
    EXPECT_NE(s.Q("SELECT circuito_corrente_total FROM circuito WHERE circuito_sequencial=1"), "0");
    const std::string w = s.WorkingPath();
    const std::vector<std::string> esperado{"close window",
                                            "table 0 " + w,
                                            "table 1 " + w,
                                            "table 2 " + w,
                                            "formula projeto='exemplo'",
                                            "formula cliente=''",
                                            "select Escritorio orientation 2",
                                            "window Vardek - MVSIZE 4.0"};
    EXPECT_EQ(Juntar(s.component->Of(job)), Juntar(esperado));
}

TEST(MvsizeView, WithoutACupsPrinterTheReportsArePreviewedAndPrintedToAFile)
{
    Shell s(std::vector<std::string>{});
    ASSERT_TRUE(s.Start({s.Exemplo("Subestação.mvp")}));
    const short circuito = s.component->JobOf("ZelMt04.zel");
    s.Select("SE-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    s.Tree().SelectItem(s.Tree().GetRootItem());
    s.Command(ID_PROJETO_CALCULAR);
    EXPECT_TRUE(s.host.messages.empty()) << s.host.Transcript();
    EXPECT_TRUE(Tem(s.component->Of(circuito), "select Salvar em PDF orientation 1")) << Juntar(s.component->Of(circuito));
    EXPECT_EQ(s.previews.OpenCount(), 2);

    MvsizeDialogs().impressao = [](ImpressaoResposta& r) {
        r = ImpressaoResposta{0, 0, 0, 1};
        return IDOK;
    };
    s.previews.pdfPath = s.dir.File("se-01.pdf");
    s.Select("SE-01");
    s.Command(ID_CIRCUITO_IMPRIMIR);
    EXPECT_TRUE(s.host.messages.empty()) << s.host.Transcript();
    EXPECT_EQ(s.previews.pdfSuggestions, std::vector<std::string>{"Subestação - SE-01.pdf"});
    EXPECT_EQ(zeltest::ReadFile(s.previews.pdfPath).rfind("%PDF-", 0), 0u);
}

TEST(MvsizeView, ProjectStopsAtTheFirstFailingCircuit)
{
    Shell s;
    const std::string arquivo = s.Exemplo();
    zeltest::RunSql(arquivo, "UPDATE circuito SET circuito_corrente_projeto=2000,circuito_numero_condutores=1 "
                             "WHERE circuito_sequencial=4");
    ASSERT_TRUE(s.Start({arquivo}));
    s.Command(ID_PROJETO_CALCULAR);
    ASSERT_EQ(s.Errors(), 1) << s.host.Transcript();
    EXPECT_EQ(s.host.messages.back().text, std::string("Circuito BOMBAS. Erro: ") + kCapacidade);
    EXPECT_TRUE(s.component->Of(s.component->JobOf("ZelMt03.zel")).empty());
}

TEST(MvsizeView, CommandsEnableAsInLvsize)
{
    Shell s;
    ASSERT_TRUE(s.Start());
    EXPECT_FALSE(s.Enabled(ID_PROJETO_CALCULAR)) << "an empty project";
    EXPECT_FALSE(s.Enabled(ID_CIRCUITO_EXCLUIR));
    EXPECT_FALSE(s.Enabled(ID_CIRCUITO_CALCULAR));
    EXPECT_TRUE(s.Enabled(ID_CIRCUITO_INCLUIR));

    // The project-data and company commands open their dialogs.
    Shell t;
    ASSERT_TRUE(t.Start({t.Exemplo()}));
    t.Tree().SelectItem(t.Tree().GetRootItem());
    EXPECT_TRUE(t.Enabled(ID_PROJETO_CALCULAR));
    t.Command(ID_PROJETO_DADOS);
    EXPECT_EQ(t.dialogos, std::vector<std::string>{"CProjeto_dados"});
    t.Command(ID_EMPRESA);
    EXPECT_EQ(t.dialogos, (std::vector<std::string>{"CProjeto_dados", "CEmpresa"}));
}

TEST(MvsizeView, TheProgramsCommandsOpenMvsizesOwnDialogs)
{
    Shell s;
    s.duplos = false;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    s.Select("SE-01");
    short visto = -1;
    const auto cancelar = [](DialogDriver& d) { d.Click(IDCANCEL); };
    for (int dialogo : {148, 131, 160, 143})
        s.host.OnDialog(dialogo, [&, dialogo](DialogDriver& d) {
            // The economic dialog finds the selected circuit through the view.
            if (dialogo == 131)
                visto = mvdlg::GetCircuitoSelecionado();
            cancelar(d);
        });
    s.Command(ID_CIRCUITO_CARACTERISTICAS);
    s.Command(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO);
    s.Command(ID_EMPRESA);
    s.Command(ID_PROJETO_DADOS);
    const std::string t = s.host.Transcript();
    for (const char* d : {"open 148", "open 131", "open 160", "open 143"})
        EXPECT_NE(t.find(d), std::string::npos) << d << "\n" << t;
    EXPECT_EQ(visto, 2);
    EXPECT_EQ(mvdlg::GetCompanyFile(), s.app.m_strCompanyFile);
    EXPECT_FALSE(s.Doc().IsModified()) << "every dialog was cancelled";
    EXPECT_EQ(s.Errors(), 0) << t;
}
