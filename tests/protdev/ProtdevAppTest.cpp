// Protdev's start-up open of the library and its own error reporter.
#include "LibraryFixture.h"
#include "ProtdevApp.h"

#include "DaoDatabase.h"
#include "DaoException.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Opens the library in a child process and reports whether that worked (exit code 0).
bool OtherProcessCanOpen(const std::string& path)
{
    const pid_t pid = fork();
    if (pid == 0) {
        int rc = 0;
        try {
            CDaoDatabase other;
            other.Open(path, false, true);
        } catch (...) {
            rc = 1;
        }
        _exit(rc);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Holds the library exclusively in a child process until the returned pipe is closed.
struct OtherProcessHolding {
    explicit OtherProcessHolding(const std::string& path)
    {
        int ready[2], release[2];
        if (pipe(ready) != 0 || pipe(release) != 0)
            throw std::runtime_error("pipe");
        pid = fork();
        if (pid == 0) {
            close(ready[0]);
            close(release[1]);
            CDaoDatabase held;
            held.Open(path, true);
            char c = 1;
            (void)!write(ready[1], &c, 1);
            (void)!read(release[0], &c, 1);
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        char c = 0;
        (void)!read(ready[0], &c, 1);
        close(ready[0]);
        releaseFd = release[1];
    }
    ~OtherProcessHolding()
    {
        close(releaseFd);
        int status = 0;
        waitpid(pid, &status, 0);
    }
    pid_t pid = -1;
    int releaseFd = -1;
};

}  // namespace

TEST(ProtdevReportError, LogsOneLineInEachFormAndShowsTheMessage)
{
    prottest::ProtdevFixture fx;
    const CDaoException withInfo(3022, "SQLite", "UNIQUE constraint failed");
    const CDaoException withoutInfo = CDaoException::Layer(AFX_DAO_ERROR_DFX_BIND, "bind");
    CProtdevApp::ReportError("CDisjuntor::OnOK", &withInfo);
    CProtdevApp::ReportError("CFusivel::OnInitDialog", &withoutInfo);
    EXPECT_EQ(fx.Log(),
              "Data 07/03/2008 / Hora 09:05 / Local : CDisjuntor::OnOK / Erro DB : UNIQUE constraint failed\r\n"
              "Data 07/03/2008 / Hora 09:05 / Local : CFusivel::OnInitDialog\r\n");
    ASSERT_EQ(fx.messages.shown.size(), 2u);
    EXPECT_EQ(fx.messages.shown[0].text, "Encontrado ERRO : UNIQUE constraint failed");
    EXPECT_EQ(fx.messages.shown[1].text, "Encontrado ERRO nos arquivos de dados");
    for (const auto& m : fx.messages.shown) {
        EXPECT_EQ(m.type, MB_OK | MB_ICONERROR);
        EXPECT_EQ(m.caption, "Protdev");
    }
}

TEST(ProtdevReportError, AnUnwritableLogStillShowsTheMessage)
{
    prottest::ProtdevFixture fx;
    std::filesystem::create_directory(fx.dir.File("ZEL.LOG"));  // a folder where the log should be
    const CDaoException withInfo(1, "SQLite", "falhou");
    CProtdevApp::ReportError("CProtdevView::OnAtualizar", &withInfo);
    ASSERT_EQ(fx.messages.shown.size(), 1u);
    EXPECT_EQ(fx.messages.shown[0].text, "Encontrado ERRO : falhou");
}

TEST(ProtdevApp, OpensTheLibraryOfTheCurrentDirectoryExclusively)
{
    prottest::ProtdevFixture fx;
    EXPECT_TRUE(OtherProcessCanOpen(fx.LibraryPath()));
    {
        CProtdevApp app;
        ASSERT_TRUE(app.OpenLibrary());
        EXPECT_TRUE(ProtdevLibraryOpen());
        EXPECT_EQ(ProtdevDatabase(), app.m_pDatabase);
        EXPECT_FALSE(OtherProcessCanOpen(fx.LibraryPath()));
        app.CloseLibrary();
        EXPECT_EQ(ProtdevDatabase(), nullptr);
    }
    EXPECT_TRUE(OtherProcessCanOpen(fx.LibraryPath()));
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_EQ(fx.Log(), "");
}

TEST(ProtdevApp, ALibraryLockedByAnotherProcessIsReportedOnce)
{
    prottest::ProtdevFixture fx;
    OtherProcessHolding holder(fx.LibraryPath());
    CProtdevApp app;
    EXPECT_FALSE(app.OpenLibrary());
    EXPECT_FALSE(ProtdevLibraryOpen());
    ASSERT_EQ(fx.messages.shown.size(), 1u);
    EXPECT_EQ(fx.messages.shown[0].text.rfind("Encontrado ERRO : ", 0), 0u);
    EXPECT_NE(fx.messages.shown[0].text.find("em uso"), std::string::npos);
    EXPECT_EQ(fx.Log().rfind("Data 07/03/2008 / Hora 09:05 / Local : CProtdevApp::InitInstance / Erro DB : ", 0), 0u);
}

TEST(ProtdevApp, StartedElsewhereReportsTheMissingLibraryInItsOwnDirectory)
{
    prottest::ProtdevFixture fx;
    const auto elsewhere = fx.dir.Path() / "outra";
    std::filesystem::create_directory(elsewhere);
    zeltest::ScopedCurrentDir cwd(elsewhere);
    CProtdevApp app;
    EXPECT_FALSE(app.OpenLibrary());
    EXPECT_EQ(fx.messages.shown.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(elsewhere / "ZEL.LOG"));
    EXPECT_FALSE(std::filesystem::exists(fx.dir.File("ZEL.LOG")));
}
