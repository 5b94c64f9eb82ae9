// The circuit tree: how it loads, its images, the enabling of the commands, the context menu, double click.
#include "ShellFixture.h"

#include "DaoDatabase.h"
#include "LvsizeCommands.h"

#include <gtest/gtest.h>

using lvshell::Shell;

TEST(LvsizeTree, ImageRule)
{
    struct Caso {
        float corrente;
        long motores;
        int imagem;
    };
    const Caso casos[] = {{10, 0, IMAGEM_CORRENTE}, {10, 1, IMAGEM_AMBOS}, {0, 2, IMAGEM_MOTOR},
                          {0, 0, IMAGEM_NENHUM}, {-1, 0, IMAGEM_NENHUM}, {0.1f, 3, IMAGEM_AMBOS}};
    for (const Caso& c : casos)
        EXPECT_EQ(ImagemCircuito(c.corrente, c.motores), c.imagem) << c.corrente << " A, " << c.motores;
}

TEST(LvsizeTree, LoadsDepthFirstInTheDatabasesOrderWithImages)
{
    Shell s;
    // Keys out of order on purpose: siblings come in the stored order, children right under their parent.
    const std::string p = s.Projeto(
        "ordem.lvp",
        "INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo,circuito_corrente_regime)"
        " VALUES (9,NULL,'Z',10),(2,9,'Z1',0),(5,NULL,'A',0),(7,9,'Z2',4),(3,2,'Z1a',0);"
        "INSERT INTO motor(circuito_sequencial,motor_sequencial) VALUES (7,1),(3,1),(3,2);");
    ASSERT_TRUE(s.Start({p}));
    EXPECT_EQ(s.Arvore(true), "Origem:0(Z:1(Z1:3(Z1a:2),Z2:4),A:3)");
    EXPECT_EQ(s.View().GetItemSequencial(s.Item("Z1a")), 3);
    EXPECT_EQ(s.View().GetItemSequencial(), 0) << "the root is selected and holds 0";
    s.Select("Z2");
    EXPECT_EQ(s.View().GetItemSequencial(), 7);

    // A new motor row shows on the next refresh of the selected circuit's image.
    s.Select("Z1");
    s.Doc().m_pDatabase->Execute("INSERT INTO motor(circuito_sequencial,motor_sequencial) VALUES (2,1)");
    s.View().Atualiza_icone();
    EXPECT_EQ(s.Arvore(true), "Origem:0(Z:1(Z1:2(Z1a:2),Z2:4),A:3)");
}

TEST(LvsizeTree, RepeatedKeysInADamagedFileAreRefusedAtOpenByName)
{
    Shell s;
    // Without the unique key a damaged file can hold a circuit that is its own grandchild. No save could keep
    // such a project (the template's key is unique), so it is refused at open instead of being worked on.
    const std::string p = s.Projeto("ciclo.lvp",
                                    "DROP INDEX circuito_chave;"
                                    "INSERT INTO circuito(circuito_sequencial,circuito_sequencial_pai,circuito_codigo) "
                                    "VALUES (1,NULL,'A'),(2,1,'B'),(1,2,'A-de-novo'),(3,NULL,'C');");
    const std::string antes = zeltest::ReadFile(p);
    EXPECT_FALSE(s.Start({p}));
    ASSERT_EQ(s.Errors(), 1);
    EXPECT_NE(s.host.messages[0].text.find("ciclo.lvp' está danificado: há circuitos com a mesma chave"),
              std::string::npos)
        << s.host.messages[0].text;
    EXPECT_TRUE(zeltest::ReadFile(p) == antes);
}

TEST(LvsizeTree, EnableStates)
{
    Shell s;
    ASSERT_TRUE(s.Start());
    // An empty project: only the root, no project sizing.
    EXPECT_FALSE(s.Enabled(ID_PROJETO_CALCULAR));
    EXPECT_FALSE(s.Enabled(ID_PROJETO_IMPRIMIR));
    EXPECT_TRUE(s.Enabled(ID_PROJETO_DADOS));
    EXPECT_TRUE(s.Enabled(ID_CIRCUITO_INCLUIR));

    s.abrir = s.Exemplo("outro.lvp");
    s.Command(ID_FILE_OPEN);
    ASSERT_EQ(s.Doc().GetTitle(), "outro");
    struct Caso {
        const char* selecionado;  // nullptr: the root
        int comando;
        bool habilitado;
    };
    const Caso casos[] = {
        {nullptr, ID_PROJETO_CALCULAR, true},       {nullptr, ID_PROJETO_IMPRIMIR, true},
        {nullptr, ID_PROJETO_DADOS, true},          {nullptr, ID_CIRCUITO_INCLUIR, true},
        {nullptr, ID_CIRCUITO_CARACTERISTICAS, false}, {nullptr, ID_CARGAS_MOTORES, false},
        {nullptr, ID_CARGAS_NAO_MOTOR, false},      {nullptr, ID_CIRCUITO_DISPOSITIVO_PROTECAO, false},
        {nullptr, ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO, false}, {nullptr, ID_CIRCUITO_EXCLUIR, false},
        {nullptr, ID_CIRCUITO_COPIAR, false},       {nullptr, ID_CIRCUITO_COLAR, false},
        {nullptr, ID_CIRCUITO_CALCULAR, false},     {nullptr, ID_CIRCUITO_IMPRIMIR, false},
        {"QD1", ID_CIRCUITO_COPIAR, true},          {"QD1", ID_CIRCUITO_EXCLUIR, true},
        {"QD1", ID_CARGAS_MOTORES, true},           {"QD1", ID_CIRCUITO_COLAR, false},
        {"ILUM-01", ID_CIRCUITO_COPIAR, false},     {"ILUM-01", ID_CIRCUITO_CALCULAR, true},
        {"ILUM-01", ID_CARGAS_MOTORES, true},       {"BOMBA", ID_CARGAS_NAO_MOTOR, true},
    };
    for (const Caso& c : casos) {
        s.Tree().SelectItem(c.selecionado ? s.Item(c.selecionado) : s.Tree().GetRootItem());
        EXPECT_EQ(s.Enabled(c.comando), c.habilitado) << (c.selecionado ? c.selecionado : "Origem") << " " << c.comando;
    }

    // A direct-current circuit (system type 2) has no motors.
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET sistema_codigo=2 WHERE circuito_codigo='ILUM-01'");
    s.Select("ILUM-01");
    EXPECT_FALSE(s.Enabled(ID_CARGAS_MOTORES));
    EXPECT_TRUE(s.Enabled(ID_CARGAS_NAO_MOTOR));

    // After a copy, paste is offered at the root only.
    s.Select("QD1");
    s.Command(ID_CIRCUITO_COPIAR);
    EXPECT_FALSE(s.Enabled(ID_CIRCUITO_COLAR));
    s.Tree().SelectItem(s.Tree().GetRootItem());
    EXPECT_TRUE(s.Enabled(ID_CIRCUITO_COLAR));

    // A failing query only disables the item: no message at any idle pass.
    s.Select("QD1");
    s.app.m_pReferenceDb->Close();
    const size_t antes = s.host.messages.size();
    EXPECT_FALSE(s.Enabled(ID_CARGAS_MOTORES));
    s.Frame().OnIdleUpdate();
    EXPECT_EQ(s.host.messages.size(), antes);
}

TEST(LvsizeTree, ContextMenuAndDoubleClick)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    // The root's popup: delete is disabled, so choosing it does nothing (no question is asked).
    s.host.ChooseFromPopup(ID_CIRCUITO_EXCLUIR);
    s.Tree().UserRightClick(CPoint{40, 40});
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01,BOMBA),AR-COND)");
    // A circuit's popup takes the ordinary road of commands.
    s.Select("AR-COND");
    s.host.ChooseFromPopup(ID_CIRCUITO_DISPOSITIVO_PROTECAO);
    s.Tree().UserRightClick(CPoint{40, 40});
    EXPECT_EQ(s.dialogos, std::vector<std::string>{"CDispositivo_protecao"});

    s.dialogos.clear();
    s.Tree().UserDoubleClick(s.Tree().GetRootItem());
    EXPECT_EQ(s.dialogos, std::vector<std::string>{"CProjeto_dados"});
}
