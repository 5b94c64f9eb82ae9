// Mvsize's start-up on its own data files, the catalogue, the report jobs and the project documents.
#include "MvShellFixture.h"

#include "DaoDatabase.h"
#include "DaoException.h"
#include "MvsizeCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using mvshell::Shell;

namespace {

std::string Log(const Shell& s)
{
    std::ifstream in(s.dir.File("ZEL.LOG"));
    std::stringstream t;
    t << in.rdbuf();
    return t.str();
}

}  // namespace

TEST(MvsizeApp, StartsOnItsOwnFilesWithAnUntitledProject)
{
    Shell s;
    ASSERT_TRUE(s.Start());
    EXPECT_EQ(s.host.messages.size(), 0u) << s.host.Transcript();
    EXPECT_EQ(s.app.m_strTemplateFile, s.programa + "/ZelMt02.zel");
    EXPECT_EQ(s.app.m_strReferenceFile, s.programa + "/ZelMt01.zel");
    EXPECT_EQ(s.app.m_strProjectReportFile, s.programa + "/ZelMt03.zel");
    EXPECT_EQ(s.app.m_strCircuitReportFile, s.programa + "/ZelMt04.zel");
    EXPECT_EQ(s.app.m_strCompanyFile, s.programa + "/empresa.zel");
    EXPECT_EQ(std::string(kConexaoCatalogo), ";UID=Admin;PWD=qtvzwn");

    // The Mvsize catalogue, not Lvsize's, opened read-only.
    ASSERT_NE(s.app.m_pReferenceDb, nullptr);
    ASSERT_TRUE(s.app.m_pReferenceDb->IsOpen());
    EXPECT_EQ(fs::path(s.app.m_pReferenceDb->GetName()).filename(), "ZelMt01.zel");
    EXPECT_THROW(s.app.m_pReferenceDb->Execute("DELETE FROM cabo", dbFailOnError), CDaoException);

    EXPECT_NE(s.component->JobOf("ZelMt03.zel"), 0);
    EXPECT_NE(s.component->JobOf("ZelMt04.zel"), 0);
    ASSERT_NE(s.app.m_pClipboardDb, nullptr);

    ASSERT_EQ(s.app.Projetos().size(), 1u);
    EXPECT_EQ(s.Doc().GetTitle(), "Projeto_MVSIZE_sem_nome");
    EXPECT_EQ(s.app.MainCaption(), "Mvsize - Projeto_MVSIZE_sem_nome");
    EXPECT_EQ(s.Arvore(), "Origem");
    // A working copy of Mvsize's template: its circuito has the medium-voltage columns.
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM pragma_table_info('circuito') WHERE name='circuito_tensao_servico'"), "1");
    EXPECT_EQ(s.Q("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('carga','motor')"), "0");
    EXPECT_EQ(s.TempCopies(), 2) << "the working copy and the clipboard";
}

// Started on the user's data folder: the company file it shares with Lvsize is there, the rest is read where
// the program is installed.
TEST(MvsizeApp, OnTheUsersDataFolderTheCompanyFileIsThere)
{
    Shell s;
    const std::string dados = s.dir.File("dados");
    fs::create_directories(dados);
    s.context.dataFolder = dados;
    ASSERT_TRUE(s.Start());
    EXPECT_EQ(s.host.messages.size(), 0u) << s.host.Transcript();
    EXPECT_EQ(s.app.m_strCompanyFile, dados + "/empresa.zel");
    EXPECT_EQ(s.app.m_strTemplateFile, s.programa + "/ZelMt02.zel");
    EXPECT_EQ(s.app.m_strReferenceFile, s.programa + "/ZelMt01.zel");
    EXPECT_EQ(s.app.m_strProjectReportFile, s.programa + "/ZelMt03.zel");
}

TEST(MvsizeApp, MissingReportFilesLeaveTheJobsAsTheyFailed)
{
    struct Caso {
        const char* ausente;
        bool projeto, circuito;
    };
    for (const Caso c : {Caso{"ZelMt03.zel", false, false}, Caso{"ZelMt04.zel", true, false}}) {
        SCOPED_TRACE(c.ausente);
        Shell s;
        fs::remove(s.programa + "/" + c.ausente);
        ASSERT_TRUE(s.Start({s.Exemplo()}));
        EXPECT_EQ(s.Errors(), 1) << "one message of the report layer\n" << s.host.Transcript();
        EXPECT_EQ(s.app.m_pProjectReport != nullptr, c.projeto);
        EXPECT_EQ(s.app.m_pCircuitReport != nullptr, c.circuito);

        // Both commands size and then skip the report they have no job for.
        const size_t antes = s.component->calls.size();
        s.Select("SE-01");
        s.Command(ID_CIRCUITO_CALCULAR);
        EXPECT_EQ(s.Q("SELECT circuito_calculado FROM circuito WHERE circuito_codigo='SE-01'"), "-1");
        EXPECT_EQ(s.component->calls.size(), antes);
        s.Tree().SelectItem(s.Tree().GetRootItem());
        const bool feito = s.Command(ID_PROJETO_CALCULAR);
        EXPECT_EQ(s.component->calls.size() > antes, c.projeto)
            << feito << " " << s.Q("SELECT COUNT(*) FROM circuito WHERE circuito_calculado=-1") << s.host.Transcript();
    }
}

TEST(MvsizeApp, MissingCatalogueIsReportedAndStartUpGoesOn)
{
    Shell s;
    fs::remove(s.programa + "/ZelMt01.zel");
    ASSERT_TRUE(s.Start());
    EXPECT_NE(Log(s).find("CMvsizeApp::InitInstance(1)"), std::string::npos) << Log(s);
    EXPECT_FALSE(s.app.m_pReferenceDb && s.app.m_pReferenceDb->IsOpen());
    EXPECT_EQ(s.app.Projetos().size(), 1u);
    EXPECT_NE(s.app.m_pCircuitReport, nullptr);
}

TEST(MvsizeApp, OpensTheCommandLineProjectOnAWorkingCopy)
{
    Shell s;
    const std::string arquivo = s.Exemplo("Subestação.mvp");
    const auto antes = fs::last_write_time(arquivo);
    ASSERT_TRUE(s.Start({arquivo}));
    EXPECT_EQ(s.Doc().GetTitle(), "Subestação");
    EXPECT_NE(s.WorkingPath(), arquivo);
    EXPECT_EQ(s.Arvore(), "Origem(AL-PRINCIPAL(SE-01,SE-02),BOMBAS)");
    // Opening it again activates the same project (D3).
    EXPECT_EQ(s.app.OpenDocumentFile(arquivo), &s.Ativo());
    EXPECT_EQ(s.app.Projetos().size(), 1u);
    // Work on the copy never reaches the file until it is saved.
    s.Select("SE-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    EXPECT_EQ(fs::last_write_time(arquivo), antes);
    EXPECT_EQ(zeltest::QueryText(arquivo, "SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=2"), "0");
}

TEST(MvsizeApp, SaveWritesTheTemplateWithTheWorkingRowsProjetoFirst)
{
    Shell s;
    const std::string exemplo = s.Exemplo();
    // The template's own projeto row must not survive in a saved project.
    zeltest::RunSql(s.programa + "/ZelMt02.zel", "INSERT INTO projeto (projeto_cliente) VALUES ('do modelo')");
    ASSERT_TRUE(s.Start({exemplo}));
    s.Select("SE-01");
    s.Command(ID_CIRCUITO_CALCULAR);
    s.Doc().m_pDatabase->Execute("INSERT INTO circuito_x_tabela_selecao VALUES (2, 1, 3)");
    s.Doc().SetModifiedFlag(true);

    s.salvarComo = s.dir.File("Salvo");
    s.Command(ID_FILE_SAVE_AS);
    const std::string salvo = s.dir.File("Salvo.mvp");
    ASSERT_TRUE(fs::exists(salvo));
    EXPECT_FALSE(s.Doc().IsModified());
    EXPECT_EQ(s.Doc().GetTitle(), "Salvo");
    EXPECT_EQ(zeltest::QueryText(salvo, "SELECT group_concat(projeto_cliente) FROM projeto"), "Exemplo Ltda.");
    EXPECT_EQ(zeltest::QueryText(salvo, "SELECT COUNT(*) FROM circuito"), "4");
    EXPECT_EQ(zeltest::QueryText(salvo, "SELECT COUNT(*) FROM circuito_x_tabela_selecao"), "1");
    EXPECT_EQ(zeltest::QueryText(salvo, "SELECT COUNT(*) FROM circuito_impressao"),
              s.Q("SELECT COUNT(*) FROM circuito_impressao"));
    EXPECT_NE(s.Q("SELECT COUNT(*) FROM circuito_impressao"), "0");
    EXPECT_EQ(zeltest::QueryText(salvo, "SELECT circuito_calculado FROM circuito WHERE circuito_sequencial=2"), "-1");

    // The saved file opens again as the same project.
    s.Command(ID_FILE_CLOSE);
    ASSERT_NE(s.app.OpenDocumentFile(salvo), nullptr);
    EXPECT_EQ(s.Arvore(), "Origem(AL-PRINCIPAL(SE-01,SE-02),BOMBAS)");
}

TEST(MvsizeApp, SavingOntoAReadOnlyFileKeepsItAndTheModifiedMark)
{
    Shell s;
    const std::string arquivo = s.Exemplo("Travado.mvp");
    ASSERT_TRUE(s.Start({arquivo}));
    const std::string antes = zeltest::QueryText(arquivo, "SELECT group_concat(circuito_codigo) FROM circuito");
    s.Doc().m_pDatabase->Execute("DELETE FROM circuito WHERE circuito_sequencial=4");
    s.Doc().SetModifiedFlag(true);
    fs::permissions(arquivo, fs::perms::owner_read | fs::perms::group_read);
    s.Command(ID_FILE_SAVE);
    EXPECT_EQ(s.Errors(), 1) << s.host.Transcript();
    EXPECT_NE(Log(s).find("CMvsizeDoc::OnSaveDocument"), std::string::npos) << Log(s);
    EXPECT_TRUE(s.Doc().IsModified());
    fs::permissions(arquivo, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(zeltest::QueryText(arquivo, "SELECT group_concat(circuito_codigo) FROM circuito"), antes);
    int restos = 0;
    for (const auto& e : fs::directory_iterator(s.dir.Path()))
        restos += e.path().filename().string().find(".ZEL") != std::string::npos;
    EXPECT_EQ(restos, 0) << "no temporary file beside the target";
}

TEST(MvsizeApp, ClosingAndExitLeaveNoTemporaryCopy)
{
    {
        Shell s;
        ASSERT_TRUE(s.Start({s.Exemplo()}));
        s.Command(ID_FILE_NEW);
        EXPECT_EQ(s.app.Projetos().size(), 2u);
        EXPECT_EQ(s.TempCopies(), 3);
        s.Command(ID_FILE_CLOSE);
        EXPECT_EQ(s.TempCopies(), 2);
        s.app.ExitInstance();
        EXPECT_EQ(s.TempCopies(), 0);
    }
}

// The tool bar holds Mvsize's commands in the order its view lists them: the circuit's, its sizing, then
// the project's; each button has its tool tip and reaches its command.
TEST(MvsizeApp, TheToolBarFollowsTheOrderOfMvsizesCommands)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    const std::vector<int> esperado{ID_FILE_NEW,
                                    ID_FILE_OPEN,
                                    ID_FILE_SAVE,
                                    0,
                                    ID_CIRCUITO_INCLUIR,
                                    ID_CIRCUITO_CARACTERISTICAS,
                                    ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO,
                                    ID_CIRCUITO_EXCLUIR,
                                    ID_CIRCUITO_COPIAR,
                                    ID_CIRCUITO_COLAR,
                                    0,
                                    ID_CIRCUITO_CALCULAR,
                                    ID_CIRCUITO_IMPRIMIR,
                                    0,
                                    ID_PROJETO_DADOS,
                                    ID_PROJETO_CALCULAR,
                                    ID_PROJETO_IMPRIMIR};
    ASSERT_NE(s.Frame().GetToolBar(), nullptr);
    std::vector<int> botoes;
    for (const auto& b : s.Frame().GetToolBar()->Buttons())
        botoes.push_back(b.id);
    EXPECT_EQ(botoes, esperado);

    s.Select("AL-PRINCIPAL");
    for (int id : esperado) {
        if (id == 0 || id == ID_CIRCUITO_COLAR)
            continue;  // pasting waits for a copied circuit and the root
        EXPECT_FALSE(CommandTooltip(id).empty()) << id;
        EXPECT_TRUE(s.Enabled(id)) << id;
    }
}
