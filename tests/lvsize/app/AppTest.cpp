// Lvsize's start-up, its projects (new, open, save, close) and its exit, run headless.
#include "ShellFixture.h"

#include "Crystal.h"
#include "DaoDatabase.h"
#include "LvsizeCommands.h"
#include "OutroProcesso.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using lvshell::Shell;

namespace {

std::string Conteudo(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(LvsizeApp, StartsWithOneUntitledProjectMaximized)
{
    Shell s;
    ASSERT_TRUE(s.Start());
    ASSERT_EQ(s.app.Projetos().size(), 1u);
    EXPECT_EQ(s.Doc().GetTitle(), "Projeto_LVSIZE_sem_nome");
    EXPECT_EQ(s.Arvore(), "Origem");
    EXPECT_EQ(s.Tree().GetSelectedItem(), s.Tree().GetRootItem());
    EXPECT_EQ(s.Frame().GetShowState(), SW_SHOWMAXIMIZED);
    EXPECT_EQ(s.Ativo().frame->GetShowState(), SW_SHOWMAXIMIZED);
    EXPECT_EQ(s.app.MainCaption(), "Lvsize - Projeto_LVSIZE_sem_nome");
    EXPECT_TRUE(s.host.messages.empty());

    // The shared resources of the run.
    ASSERT_NE(s.app.m_pReferenceDb, nullptr);
    EXPECT_TRUE(s.app.m_pReferenceDb->IsOpen());
    EXPECT_TRUE(s.app.m_pReferenceDb->IsReadOnly());
    EXPECT_EQ(AppContext().m_pReferenceDb, s.app.m_pReferenceDb);
    ASSERT_NE(s.app.m_pClipboardDb, nullptr);
    EXPECT_EQ(s.app.m_bClipboardHasCircuit, 0);
    ASSERT_NE(s.app.m_pProjectReport, nullptr);
    ASSERT_NE(s.app.m_pCircuitReport, nullptr);
    EXPECT_EQ(s.app.m_pCircuitReport->GetSubreports().size(), 3u);
    EXPECT_EQ(s.app.m_strCompanyFile, s.programa + "/empresa.zel");
    EXPECT_EQ(s.app.m_strTemplateFile, s.programa + "/ZelBt02.zel");
    EXPECT_EQ(s.app.m_pSplash, nullptr) << "the first tree frees the splash";
    EXPECT_NE(s.app.m_pBanner, nullptr);
    EXPECT_EQ(GetActiveProjectDocument(), &s.Doc());
    EXPECT_EQ(GetActiveCircuitView(), &s.View());
    EXPECT_EQ(s.TempCopies(), 2) << "the working copy and the clipboard";
}

// Started on the user's data folder: the library it shares with Protdev and the company file it shares with
// Mvsize are there; the template and the report layouts are read where the program is installed.
TEST(LvsizeApp, OnTheUsersDataFolderTheLibraryAndCompanyFileAreThere)
{
    Shell s;
    const std::string dados = s.dir.File("dados");
    fs::create_directories(dados);
    fs::rename(s.programa + "/ZelBt01.zel", dados + "/ZelBt01.zel");
    s.context.dataFolder = dados;
    ASSERT_TRUE(s.Start());
    EXPECT_EQ(s.Errors(), 0) << s.host.Transcript();
    ASSERT_TRUE(s.app.m_pReferenceDb->IsOpen());
    EXPECT_EQ(s.app.m_pReferenceDb->GetName(), dados + "/ZelBt01.zel");
    EXPECT_EQ(s.app.m_strCompanyFile, dados + "/empresa.zel");
    EXPECT_EQ(s.app.m_strTemplateFile, s.programa + "/ZelBt02.zel");
    EXPECT_NE(s.component->JobOf("ZelBt04.zel"), 0);
}

TEST(LvsizeApp, StartsWithTheProjectGivenOnTheCommandLine)
{
    Shell s;
    const std::string projeto = s.Exemplo();
    ASSERT_TRUE(s.Start({projeto}));
    ASSERT_EQ(s.app.Projetos().size(), 1u);
    EXPECT_EQ(s.Doc().GetTitle(), "exemplo");
    EXPECT_EQ(s.Arvore(), "Origem(QD1(ILUM-01,TUG-01,BOMBA),AR-COND)");
    EXPECT_FALSE(s.Doc().IsModified());
}

TEST(LvsizeApp, AProjectThatCannotBeOpenedEndsTheStart)
{
    Shell s;
    EXPECT_FALSE(s.Start({s.dir.File("nao-existe.lvp")}));
    EXPECT_EQ(s.Errors(), 1);
}

TEST(LvsizeApp, MissingCatalogueIsReportedOnceAndTheProgramRuns)
{
    Shell s;
    fs::remove(s.programa + "/ZelBt01.zel");
    ASSERT_TRUE(s.Start());
    EXPECT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.Errors(), 1);
    EXPECT_NE(Conteudo(s.dir.File("ZEL.LOG")).find("CLvsizeApp::InitInstance(1)"), std::string::npos);
    EXPECT_EQ(s.app.Projetos().size(), 1u);
    EXPECT_FALSE(s.app.m_pReferenceDb->IsOpen());
}

TEST(LvsizeApp, MissingCircuitReportLeavesTheProjectReport)
{
    Shell s;
    fs::remove(s.programa + "/ZelBt04.zel");
    ASSERT_TRUE(s.Start());
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_NE(s.host.messages[0].text.find("Problema no CRYSTAL"), std::string::npos) << s.host.messages[0].text;
    EXPECT_NE(s.app.m_pProjectReport, nullptr);
    EXPECT_EQ(s.app.m_pCircuitReport, nullptr);
    for (Crystal* sub : s.app.m_pSubreports)
        EXPECT_EQ(sub, nullptr);
    EXPECT_EQ(s.app.Projetos().size(), 1u);
}

TEST(LvsizeApp, WithoutTemplateTheProjectHasOnlyTheRootAndThereIsNoClipboard)
{
    Shell s;
    fs::remove(s.programa + "/ZelBt02.zel");
    ASSERT_TRUE(s.Start());
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.app.m_pClipboardDb, nullptr);
    EXPECT_EQ(s.Doc().m_pDatabase, nullptr);
    EXPECT_EQ(s.Arvore(), "Origem");
    EXPECT_EQ(s.TempCopies(), 0);
}

TEST(LvsizeApp, OpeningAFileAlreadyOpenActivatesItsWindow)
{
    Shell s;
    const std::string projeto = s.Exemplo();
    ASSERT_TRUE(s.Start({projeto}));
    CLvsizeApp::Projeto* primeiro = &s.Ativo();
    ASSERT_TRUE(s.Command(ID_FILE_NEW));
    ASSERT_EQ(s.app.Projetos().size(), 2u);
    EXPECT_NE(&s.Ativo(), primeiro);

    s.abrir = s.dir.File("./exemplo.lvp");  // the same file by another spelling
    ASSERT_TRUE(s.Command(ID_FILE_OPEN));
    EXPECT_EQ(s.app.Projetos().size(), 2u) << "no second working copy";
    EXPECT_EQ(&s.Ativo(), primeiro);
    EXPECT_EQ(s.TempCopies(), 3);
}

TEST(LvsizeApp, SaveAsThenCloseAskingAboutChanges)
{
    Shell s;
    ASSERT_TRUE(s.Start());
    s.Doc().m_pDatabase->Execute("INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES (1,'C1')");
    s.Doc().SetModifiedFlag(true);

    // Save of an untitled project goes through the save dialog; cancelling it saves nothing.
    s.salvarComo = "";
    s.Command(ID_FILE_SAVE);
    EXPECT_TRUE(s.Doc().IsModified());
    s.salvarComo = s.dir.File("obra");
    s.Command(ID_FILE_SAVE);
    EXPECT_FALSE(s.Doc().IsModified());
    EXPECT_EQ(s.Doc().GetTitle(), "obra");
    EXPECT_EQ(zeltest::QueryText(s.dir.File("obra.lvp"), "SELECT circuito_codigo FROM circuito"), "C1");
    EXPECT_NE(Conteudo(s.dir.File("Lvsize.ini")).find("File1=" + s.dir.File("obra.lvp")), std::string::npos);

    // Closing a modified project: Cancel keeps it, No closes it without saving.
    s.Doc().m_pDatabase->Execute("UPDATE circuito SET circuito_codigo='C2'");
    s.Doc().SetModifiedFlag(true);
    s.host.AnswerMessage(IDCANCEL);
    s.Command(ID_FILE_CLOSE);
    ASSERT_EQ(s.app.Projetos().size(), 1u);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, "Salvar as alterações em obra?");
    s.host.AnswerMessage(IDNO);
    s.Command(ID_FILE_CLOSE);
    EXPECT_TRUE(s.app.Projetos().empty());
    EXPECT_EQ(zeltest::QueryText(s.dir.File("obra.lvp"), "SELECT circuito_codigo FROM circuito"), "C1");
    EXPECT_EQ(s.TempCopies(), 1) << "only the clipboard is left";
    EXPECT_FALSE(s.Enabled(ID_FILE_SAVE));

    // The recent-file entry opens it again.
    ASSERT_TRUE(s.Enabled(ID_FILE_MRU_FILE1));
    s.Command(ID_FILE_MRU_FILE1);
    ASSERT_EQ(s.app.Projetos().size(), 1u);
    EXPECT_EQ(s.Arvore(), "Origem(C1)");
}

TEST(LvsizeApp, TheRecentFileListComesFromTheProfile)
{
    Shell s;
    const std::string projeto = s.Exemplo();
    std::ofstream(s.dir.File("Lvsize.ini")) << "[Outra]\nChave=1\n[Recent File List]\nFile1=" << projeto
                                            << "\nfile2=/nao/existe.lvp\n";
    ASSERT_TRUE(s.Start());
    const CMenu::Item* item = s.Frame().GetCurrentMenu().FindItem(ID_FILE_MRU_FILE1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text, "&1 " + projeto);
    EXPECT_NE(s.Frame().GetCurrentMenu().FindItem(ID_FILE_MRU_FILE1 + 1), nullptr);

    // An entry that does not open any more leaves the list; the other sections stay.
    s.Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(s.Errors(), 1);
    EXPECT_EQ(s.Frame().GetCurrentMenu().FindItem(ID_FILE_MRU_FILE1 + 1), nullptr);
    const std::string perfil = Conteudo(s.dir.File("Lvsize.ini"));
    EXPECT_NE(perfil.find("[Outra]\nChave=1"), std::string::npos) << perfil;
    EXPECT_EQ(perfil.find("existe"), std::string::npos) << perfil;
}

TEST(LvsizeApp, ExitLeavesNoTemporaryCopyBehind)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    s.Command(ID_FILE_NEW);
    EXPECT_EQ(s.TempCopies(), 3);
    s.app.ExitInstance();
    EXPECT_EQ(s.TempCopies(), 0);
    EXPECT_EQ(AppContext().m_pReferenceDb, nullptr);
    EXPECT_EQ(s.app.m_pClipboardDb, nullptr);
}

// A killed program leaves its working copies in the temporary folder: the next start removes them, and only
// them - never another program's live files, another user's, a link or a folder, or a name it does not make.
TEST(LvsizeApp, StartRemovesWhatKilledRunsLeftButNeverALiveProgramsFiles)
{
    Shell s;
    const fs::path tmp = s.dir.File("tmp");
    const auto criar = [&](const std::string& nome) {
        std::ofstream(tmp / nome) << "x";
        return (tmp / nome).string();
    };
    for (const char* morto : {"ZELab12CD", "ZELZZ9900"})
        criar(morto);
    for (const char* alheio : {"ZELab12C", "ZELab12CD.txt", "ZEL-ab12C", "zelab12cd"})
        criar(alheio);
    fs::create_directory(tmp / "ZELpasta1");
    const std::string fora = s.dir.File("fora.txt");
    std::ofstream(fora) << "de outro";
    fs::create_symlink(fora, tmp / "ZELlink01");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(criar("ZELdeoutro").c_str(), 65534, 65534), 0);
    }

    // Another Lvsize working on a project: its working copy is in the same folder.
    const std::string projeto = s.Exemplo("vivo.lvp");
    const std::string modelo = s.programa + "/ZelBt02.zel";
    zeltest::ProgramaVivo outro([&](const std::function<void()>& esperar) {
        CLvsizeDoc doc;
        doc.m_strTemplateFile = modelo;
        if (!doc.OnOpenDocument(projeto))
            return 1;
        esperar();
        // After this program's start its working copy is whole and saves.
        doc.m_pDatabase->Execute("UPDATE circuito SET circuito_codigo='VIVO' WHERE circuito_sequencial=1");
        return doc.OnSaveDocument(projeto) ? 0 : 2;
    });
    ASSERT_TRUE(outro.Pronto());
    std::set<std::string> antes;
    for (const auto& e : fs::directory_iterator(tmp))
        antes.insert(e.path().filename().string());
    ASSERT_EQ(antes.size(), 9u + (::geteuid() == 0 ? 1u : 0u)) << "the live program's working copy among them";

    ASSERT_TRUE(s.Start());
    for (const std::string& nome : antes) {
        const bool morto = nome == "ZELab12CD" || nome == "ZELZZ9900";
        EXPECT_EQ(fs::exists(fs::symlink_status(tmp / nome)), !morto) << nome;
    }
    size_t depois = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(tmp))
        ++depois;
    EXPECT_EQ(depois, antes.size() - 2 + 2) << "this run's working copy and clipboard added";
    EXPECT_EQ(zeltest::ReadFile(fora), "de outro");
    EXPECT_EQ(outro.Encerrar(), 0);
    EXPECT_EQ(zeltest::QueryText(projeto, "SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=1"), "VIVO");
}

TEST(LvsizeApp, ExitAsksForEveryModifiedProject)
{
    Shell s;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    bool saiu = false;
    s.app.onExit = [&] { saiu = true; };
    s.Doc().SetModifiedFlag(true);
    s.host.AnswerMessage(IDCANCEL);
    s.Command(ID_APP_EXIT);
    EXPECT_FALSE(saiu);
    s.host.AnswerMessage(IDYES);
    s.Command(ID_APP_EXIT);
    EXPECT_TRUE(saiu);
    EXPECT_FALSE(s.Doc().IsModified()) << "saved to its own file";
}

TEST(LvsizeApp, AboutBoxAndTheDialogsOfTheBuild)
{
    Shell s;
    s.duplos = false;
    ASSERT_TRUE(s.Start({s.Exemplo()}));
    s.host.OnDialog(IDD_ABOUTBOX, [](DialogDriver& d) { d.Click(IDOK); });
    s.Command(ID_LVSIZE_APP_ABOUT);
    EXPECT_NE(s.host.Transcript().find("open 100 \"Sobre Zel\""), std::string::npos) << s.host.Transcript();
#ifdef LVSHELL_HAS_DIALOGS
    // The company dialog (160) and, on a circuit, the protection-device dialog open (unscripted: cancelled).
    s.Command(ID_EMPRESA);
    EXPECT_NE(s.host.Transcript().find("open 160"), std::string::npos) << s.host.Transcript();
    s.Select("ILUM-01");
    s.Command(ID_CIRCUITO_DISPOSITIVO_PROTECAO);
    EXPECT_EQ(s.Errors(), 0) << s.host.Transcript();
    EXPECT_FALSE(s.Doc().IsModified());
#else
    s.Command(ID_EMPRESA);
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].text, "O diálogo CEmpresa não faz parte desta versão do programa.");
#endif
}
