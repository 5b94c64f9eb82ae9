// A program's start on the user's data folder: where the folder is, what is made in it, what the user is told.
#include "UserDataFolder.h"

#include "AppContext.h"
#include "AppServices.h"
#include "Clock.h"
#include "MessageService.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;
using zeltest::QueryText;
using zeltest::RunSql;

namespace {

// Sets or unsets an environment variable for a scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class StartTest : public ::testing::Test {
protected:
    StartTest()
    {
        fs::copy_file(std::string(ZEL_DATA_DIR) + "/ZelBt01.zel", programa + "/ZelBt01.zel");
        context.messages = &messages;
        context.clock = &clock;
        context.executablePath = programa + "/lvsize";
    }

    zeltest::TempDir dir;
    std::string programa = dir.File("programa");
    std::string trabalho = dir.File("trabalho");
    std::string pasta = dir.File("xdg/zel");
    bool feitas = fs::create_directories(programa) && fs::create_directories(trabalho);
    ScopedEnv xdg{"XDG_DATA_HOME", dir.File("xdg").c_str()};
    zeltest::ScopedCurrentDir cwd{trabalho};
    RecordingMessageService messages;
    FixedClock clock{{2026, 12, 10, 11, 30, 5}};
    CAppContext context;
    ScopedAppContext scope{context};
};

}  // namespace

TEST(UserDataFolder, FollowsXdgDataHomeOrHome)
{
    struct Case {
        const char* xdg;
        const char* home;
        std::string folder;
    };
    const Case cases[] = {
        {"/srv/dados", "/home/ana", "/srv/dados/zel"},
        {nullptr, "/home/ana", "/home/ana/.local/share/zel"},
        {"", "/home/ana", "/home/ana/.local/share/zel"},
        {"relativo/dados", "/home/ana", "/home/ana/.local/share/zel"},  // only an absolute path counts
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(UserDataFolder(), c.folder) << (c.xdg ? c.xdg : "(unset)");
    }
}

// Lvsize stays where it was started (its file dialogs open there); Protdev enters the folder, where it opens
// its library by name.
TEST_F(StartTest, MakesTheFolderAndTheLibraryAndOnlyProtdevEntersIt)
{
    for (const SuiteData data : {SuiteData::DeviceLibrary, SuiteData::LibraryEditor}) {
        zeltest::ScopedCurrentDir aqui(trabalho);
        std::vector<std::string> args{"obra/projeto.lvp", "/outro/lugar.lvp"};
        EXPECT_EQ(StartOnUserDataFolder(programa, data, args), pasta);
        EXPECT_EQ(fs::current_path(), fs::path(data == SuiteData::LibraryEditor ? pasta : trabalho));
        EXPECT_TRUE(fs::is_regular_file(pasta + "/ZelBt01.zel"));
        EXPECT_EQ(args[0], trabalho + "/obra/projeto.lvp");
        EXPECT_EQ(args[1], "/outro/lugar.lvp");
        EXPECT_EQ(AppContext().dataFolder, pasta);
        EXPECT_EQ(WritableProgramDirectory(), pasta);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(StartTest, MvsizeMakesTheFolderButNoLibrary)
{
    std::vector<std::string> args;
    EXPECT_EQ(StartOnUserDataFolder(programa, SuiteData::CompanyFile, args), pasta);
    EXPECT_TRUE(fs::is_directory(pasta));
    EXPECT_FALSE(fs::exists(pasta + "/ZelBt01.zel"));
}

TEST_F(StartTest, WithoutADataFolderTheProgramWritesBesideItself)
{
    EXPECT_EQ(WritableProgramDirectory(), programa);
}

TEST_F(StartTest, AnUpdateIsToldWithTheBackupAndAFailureIsShownAndLogged)
{
    std::vector<std::string> args;
    StartOnUserDataFolder(programa, SuiteData::DeviceLibrary, args);
    RunSql(programa + "/ZelBt01.zel", "UPDATE catalogo_versao SET catalogo_versao_numero = catalogo_versao_numero + 1");

    StartOnUserDataFolder(programa, SuiteData::DeviceLibrary, args);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].type & MB_ICON_MASK, MB_ICONINFORMATION);
    EXPECT_NE(messages.shown[0].text.find("foram mantidos"), std::string::npos) << messages.shown[0].text;
    EXPECT_NE(messages.shown[0].text.find(pasta + "/ZelBt01-2026-12-10-113005.zel"), std::string::npos);

    RunSql(programa + "/ZelBt01.zel", "UPDATE catalogo_versao SET catalogo_versao_numero = catalogo_versao_numero + 1;"
                                      "CREATE TRIGGER recusa BEFORE INSERT ON dispositivo_protecao BEGIN "
                                      "SELECT RAISE(ABORT, 'recusado'); END;");
    clock.Set({2026, 12, 11, 8, 0, 0});
    StartOnUserDataFolder(programa, SuiteData::DeviceLibrary, args);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].type & MB_ICON_MASK, MB_ICONEXCLAMATION);
    EXPECT_NE(messages.shown[1].text.find("continua com a biblioteca como estava"), std::string::npos)
        << messages.shown[1].text;
    const std::string log = zeltest::ReadFile(pasta + "/ZEL.LOG");
    EXPECT_NE(log.find("Data 11/12/2026 / Hora 08:00 / Local : StartOnUserDataFolder"), std::string::npos) << log;
    EXPECT_NE(log.find("recusado"), std::string::npos) << log;
}

TEST_F(StartTest, AFolderThatCannotBeMadeIsToldAndTheProgramStaysWhereItWas)
{
    std::ofstream(dir.File("xdg")) << "um arquivo onde a pasta deveria estar";
    std::vector<std::string> args;
    EXPECT_EQ(StartOnUserDataFolder(programa, SuiteData::DeviceLibrary, args), "");
    EXPECT_EQ(fs::current_path(), fs::path(trabalho));
    EXPECT_EQ(AppContext().dataFolder, "");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find(pasta), std::string::npos) << messages.shown[0].text;
}
