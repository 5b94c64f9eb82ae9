// The company name typed in Lvsize, first half: Lvsize started on the user's data folder as the program
// starts, the name typed into its company dialog. Company_mvsize.cpp reads it back on a Mvsize report.
#include "ShellFixture.h"

#include "DialogosIds.h"
#include "LvsizeCommands.h"
#include "UserDataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

TEST(SuiteCompany, TypedInLvsizeLandsInTheUsersDataFolder)
{
    // Never the user's own folder: only the one the build gives.
    const char* xdg = std::getenv("ZEL_SUITE_XDG");
    if (!xdg || !*xdg)
        GTEST_SKIP() << "ZEL_SUITE_XDG names the data folder this test may empty (ctest sets it)";
    fs::remove_all(xdg);
    ::setenv("XDG_DATA_HOME", xdg, 1);

    lvshell::Shell s;
    s.duplos = false;
    std::vector<std::string> args{s.Exemplo()};
    const std::string pasta = StartOnUserDataFolder(s.programa, SuiteData::DeviceLibrary, args);
    ASSERT_EQ(pasta, std::string(xdg) + "/zel");
    ASSERT_TRUE(s.Start(args));

    s.host.OnDialog(lvdlg::IDD_EMPRESA, [](DialogDriver& d) {
        d.Type(lvdlg::IDC_NOME_EMPRESA, "Engenharia São Tomé Ltda");
        d.Click(IDOK);
    });
    s.Command(ID_EMPRESA);
    EXPECT_EQ(s.Errors(), 0) << s.host.Transcript();
    EXPECT_TRUE(fs::is_regular_file(pasta + "/empresa.zel")) << s.host.Transcript();
}
