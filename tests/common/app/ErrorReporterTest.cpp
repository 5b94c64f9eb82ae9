// "ZEL.LOG" lines and the messages the user sees, for the three kinds of failure.
#include "AppContext.h"
#include "DaoException.h"
#include "ErrorReporter.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ErrorReporter : public ::testing::Test {
protected:
    ErrorReporter() : clock({2008, 3, 7, 9, 5, 0}), cwd(dir.Path())
    {
        context.messages = &messages;
        context.clock = &clock;
    }
    std::string Log() const { return zeltest::ReadFile(dir.File("ZEL.LOG")); }

    zeltest::TempDir dir;
    RecordingMessageService messages;
    FixedClock clock;
    CAppContext context;
    ScopedAppContext scoped{context};
    zeltest::ScopedCurrentDir cwd;
};

}  // namespace

TEST_F(ErrorReporter, WritesOneCrlfLinePerReportInEachOfTheThreeForms)
{
    const CDaoException withInfo(3022, "SQLite", "Registro duplicado");
    const CDaoException withoutInfo = CDaoException::Layer(AFX_DAO_ERROR_DFX_BIND, "bind");
    EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG")));

    ReportError("CCalculo::Calcular", &withInfo);
    EXPECT_EQ(Log(), "Data 07/03/2008 / Hora 09:05 / Local : CCalculo::Calcular / Erro DB : Registro duplicado\r\n");

    ReportError("CLvsizeDoc::OnOpenDocument(2)", &withoutInfo);
    ReportSystemError("CLvsizeApp::InitInstance(1)", ENOENT);
    EXPECT_EQ(Log(),
              "Data 07/03/2008 / Hora 09:05 / Local : CCalculo::Calcular / Erro DB : Registro duplicado\r\n"
              "Data 07/03/2008 / Hora 09:05 / Local : CLvsizeDoc::OnOpenDocument(2) / Erro \r\n"
              "Data 07/03/2008 / Hora 09:05 / Local : CLvsizeApp::InitInstance(1) / Erro Sistema : O arquivo ou a "
              "pasta não existe.\r\n");

    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "Encontrado ERRO : Registro duplicado");
    EXPECT_EQ(messages.shown[1].text, "Encontrado ERRO nos arquivos de dados");
    EXPECT_EQ(messages.shown[2].text, "Encontrado ERRO : O arquivo ou a pasta não existe.");
    for (const auto& m : messages.shown)
        EXPECT_EQ(m.type & MB_ICON_MASK, MB_ICONERROR);
}

TEST_F(ErrorReporter, UnwritableLogStillShowsTheMessage)
{
    // A folder where the log should be cannot be written even by root (the tests may run as root, which
    // read-only permissions do not stop).
    fs::create_directory(dir.File("ZEL.LOG"));
    const CDaoException e(1, "SQLite", "falha");
    ReportError("X::Y", &e);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Encontrado ERRO : falha");
    EXPECT_TRUE(fs::is_empty(dir.File("ZEL.LOG")));
}

TEST_F(ErrorReporter, LogGoesToTheCurrentDirectory)
{
    zeltest::TempDir other;
    {
        zeltest::ScopedCurrentDir there(other.Path());
        ReportSystemError("A::B", EACCES);
    }
    EXPECT_TRUE(fs::exists(other.File("ZEL.LOG")));
    EXPECT_FALSE(fs::exists(dir.File("ZEL.LOG")));
}
