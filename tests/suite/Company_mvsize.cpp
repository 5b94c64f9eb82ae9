// The company name typed in Lvsize, second half: Mvsize started on the same user's data folder prints it on
// its project report. Company_lvsize.cpp typed it (ctest runs it first).
#include "MvShellFixture.h"

#include "MvsizeCommands.h"
#include "ReportPages.h"
#include "UserDataFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(SuiteCompany, TypedInLvsizeAppearsOnTheMvsizeReport)
{
    const char* xdg = std::getenv("ZEL_SUITE_XDG");
    if (!xdg || !*xdg)
        GTEST_SKIP() << "ZEL_SUITE_XDG names the data folder Lvsize's half wrote (ctest sets it)";
    ::setenv("XDG_DATA_HOME", xdg, 1);

    mvshell::Shell s;
    std::vector<std::string> args{s.Exemplo("Subestação.mvp")};
    ASSERT_EQ(StartOnUserDataFolder(s.programa, SuiteData::CompanyFile, args), std::string(xdg) + "/zel");
    ASSERT_TRUE(s.Start(args));
    s.Command(ID_PROJETO_CALCULAR);
    ASSERT_EQ(s.Errors(), 0) << s.host.Transcript();
    const auto& janelas = s.previews.Windows();
    ASSERT_FALSE(janelas.empty());
    const std::string texto = janelas.back()->report->PageText(0);
    EXPECT_NE(texto.find("Engenharia São Tomé Ltda"), std::string::npos) << texto;
}
