// The layout files: the delivered ones read, broken ones refused with the file and line named.

#include "ReportLayout.h"
#include "ReportFixtures.h"

#include <gtest/gtest.h>

using namespace reporttest;

namespace {

TEST(LayoutTest, TheDeliveredLayoutsRead)
{
    std::string error;
    auto circuit = LoadReportLayout(ZEL_LAYOUT_DIR_FOR_TESTS "/ZelBt04.zel", error);
    ASSERT_TRUE(circuit) << error;
    EXPECT_FALSE(circuit->landscape);
    EXPECT_TRUE(circuit->HasFormula("circuito") && circuit->HasFormula("CLIENTE") && circuit->HasFormula("projeto"));
    EXPECT_FALSE(circuit->HasFormula("cliente_x"));
    ASSERT_NE(circuit->TableByIndex(0), nullptr);
    EXPECT_EQ(circuit->TableByIndex(0)->name, "circuito_impressao");
    for (const char* sub : {"Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"})
        EXPECT_NE(circuit->Subreport(sub), nullptr) << sub;

    auto project = LoadReportLayout(ZEL_LAYOUT_DIR_FOR_TESTS "/ZelBt03.zel", error);
    ASSERT_TRUE(project) << error;
    EXPECT_TRUE(project->landscape);
    EXPECT_TRUE(project->HasFormula("projeto") && project->HasFormula("cliente"));
    for (int i : {0, 1, 2})
        EXPECT_NE(project->TableByIndex(i), nullptr) << i;
}

TEST(LayoutTest, BrokenLayoutsNameTheirLine)
{
    const std::string head = "zel-report 1\ntable 0 t\ndata t\n";
    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {"", "arquivo vazio"},
        {"relatorio 2\n", "linha 1: o arquivo não começa com \"zel-report 1\""},
        {head + "cor azul\n", "linha 4: instrução desconhecida: cor"},
        {head + "band detail\n  text 0 0 10 5 \"{t.a}\"\n", "band sem end"},
        {head + "band detail\n  text 0 0 10 5 \"{u.a}\"\nend\n", "linha 5: tabela não declarada em {u.a}"},
        {head + "band detail\n  text 0 0 10 5 \"{@nada}\"\nend\n", "linha 5: fórmula não declarada: {@nada}"},
        {head + "band detail\n  text 0 0 10 5 \"{t.a:%n}\"\nend\n", "linha 5: formato inválido: %n"},
        {head + "band detail\n  text 0 0 10 \"x\"\nend\n", "linha 5: altura inválido"},
        {head + "band detail\n  text 0 0 10 5 \"{t.a\"\nend\n", "linha 5: valor sem chave de fechamento"},
        {head + "band detail\n  text 0 0 10 5 \"x\" when {t.a} ==\nend\n", "linha 5: expressão"},
        {head + "band detail\n  subreport \"S.rpt\" 0 0 10 link {t.a} {s.a}\nend\n", "sub-relatório não declarado"},
        {head + "subreport \"Falta.rpt\"\nband detail\nend\n", "arquivo de relatório não encontrado"},
        {head + "formula f abc\nband detail\nend\n", "linha 4: o valor da fórmula vai entre aspas"},
        {head + "table 0 u\n", "linha 4: índice de tabela repetido"},
        {"zel-report 1\ntable 0 t\nband detail\nend\n", "falta a instrução data"},
        {head + "page A3 portrait\n", "só o papel A4"},
        {head + "title \"sem fim\n", "texto sem aspas de fechamento"},
        {head + "filename nome\n", "linha 4: filename espera um modelo entre aspas"},
        {head + "filename \"{@nada} - {t.a}\"\nband detail\nend\n", "fórmula não declarada: {@nada}"},
    };
    for (const Case& c : cases) {
        std::string error;
        auto layout = ParseReportLayout(c.text, "/tmp/Teste.zel", error);
        EXPECT_FALSE(layout) << c.text;
        EXPECT_NE(error.find("Teste.zel"), std::string::npos) << error;
        EXPECT_NE(error.find(c.expected), std::string::npos) << "got: " << error << "\nfor:\n" << c.text;
    }
}

TEST(LayoutTest, CommentsQuotesAndOptionsRead)
{
    std::string error;
    auto layout = ParseReportLayout(
        "# cabeçalho\nzel-report 1   # versão\ntitle \"Relatório \"\"A\"\" # não é comentário\"\n"
        "page A4 landscape\nmargins 10 11 12 13\nfont \"DejaVu Serif\" 10\nformula f \"'D'Ávila'\"\n"
        "table 0 t as x location \"dados.db\"\ndata x\nsort {x.a} desc\n"
        "band detail height=7 when {x.a} > 0\n"
        "  text 1 2 30 4 bold italic size=12 align=right indent=2 nowrap gray=0.5 font=\"DejaVu Sans Mono\" \"{x.a:%.1f} {{x}}\" when {@f} <> ''\n"
        "  line 0 5 30 5 width=0.3 gray=0.2\n  box 0 0 30 6 fill=0.9 border=0\nend\n",
        "/tmp/Opcoes.zel", error);
    ASSERT_TRUE(layout) << error;
    EXPECT_EQ(layout->title, "Relatório \"A\" # não é comentário");
    EXPECT_TRUE(layout->landscape);
    EXPECT_DOUBLE_EQ(layout->marginBottom, 13);
    EXPECT_EQ(layout->TableByAlias("x")->location, "dados.db");
    ASSERT_EQ(layout->sorts.size(), 1u);
    EXPECT_TRUE(layout->sorts[0].descending);
    const LayoutBand& band = layout->bands.at(0);
    EXPECT_DOUBLE_EQ(band.minHeight, 7);
    EXPECT_FALSE(band.when.IsEmpty());
    const LayoutItem& text = band.items.at(0);
    EXPECT_TRUE(text.style.bold && text.style.italic && !text.style.wrap);
    EXPECT_EQ(text.style.align, TextAlign::right);
    EXPECT_EQ(text.style.family, "DejaVu Sans Mono");
    ASSERT_EQ(text.text.size(), 2u);
    EXPECT_EQ(text.text[0].format, "%.1f");
    EXPECT_EQ(text.text[1].literal, " {x}");
    EXPECT_EQ(band.items.at(1).kind, LayoutItem::Kind::line);
    EXPECT_DOUBLE_EQ(band.items.at(2).fill, 0.9);
}

}  // namespace
