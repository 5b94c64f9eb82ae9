// Program directory, temporary files, permissions and the active-document accessor.
#include "AppContext.h"
#include "AppServices.h"
#include "Document.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(ProgramDirectory, IsTheExecutablesFolderWithoutTrailingSeparator)
{
    CAppContext context;
    context.executablePath = "/opt/Calc/lvsize";
    ScopedAppContext scoped(context);
    char buffer[260];
    EXPECT_EQ(GetProgramDirectory(sizeof buffer, buffer), 9);
    EXPECT_STREQ(buffer, "/opt/Calc");
    char small[5] = "xxxx";
    EXPECT_EQ(GetProgramDirectory(sizeof small, small), 0);  // never overruns
    EXPECT_STREQ(small, "xxxx");
}

TEST(ProgramDirectory, DefaultsToTheRunningExecutable)
{
    EXPECT_EQ(fs::path(GetProgramDirectory()), fs::canonical("/proc/self/exe").parent_path());
}

TEST(MakeTempFileName, GivesDistinctExistingEmptyFiles)
{
    std::string a, b;
    ASSERT_TRUE(MakeTempFileName(a));
    ASSERT_TRUE(MakeTempFileName(b));
    TempFileGuard ga(a), gb(b);
    EXPECT_NE(a, b);
    for (const auto& name : {a, b}) {
        EXPECT_TRUE(fs::is_regular_file(name));
        EXPECT_EQ(fs::file_size(name), 0u);
        EXPECT_TRUE(fs::path(name).filename().string().starts_with("ZEL"));
        EXPECT_EQ(fs::path(name).parent_path(), fs::temp_directory_path());
    }
}

TEST(MakeTempFileName, GuardRemovesTheFileUnlessReleased)
{
    std::string kept, dropped;
    ASSERT_TRUE(MakeTempFileName(kept));
    ASSERT_TRUE(MakeTempFileName(dropped));
    {
        TempFileGuard g1(kept), g2(dropped);
        g1.Release();
    }
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_FALSE(fs::exists(dropped));
    fs::remove(kept);
}

TEST(ClearAttributesRecursive, MakesDeepFilesWritableAndLeavesDotNamesAlone)
{
    zeltest::TempDir dir;
    fs::create_directories(dir.Path() / "a" / "b");
    fs::create_directories(dir.Path() / ".oculto");
    const fs::path deep = dir.Path() / "a" / "b" / "ZelBt01.zel";
    const fs::path dotFile = dir.Path() / ".config";
    const fs::path inDotDir = dir.Path() / ".oculto" / "x";
    for (const auto& p : {deep, dotFile, inDotDir}) {
        std::ofstream(p) << "x";
        fs::permissions(p, fs::perms::owner_read, fs::perm_options::replace);
    }
    ClearAttributesRecursive(dir.Path().string());
    EXPECT_NE(fs::status(deep).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(fs::status(dotFile).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(fs::status(inDotDir).permissions() & fs::perms::owner_write, fs::perms::none);
    ClearAttributesRecursive((dir.Path() / "nao_existe").string());  // passed over
}

TEST(ActiveProjectDocument, NullWithoutAProjectAndTheDocumentWhenActive)
{
    CAppContext context;
    ScopedAppContext scoped(context);
    EXPECT_EQ(GetActiveProjectDocument(), nullptr);
    CDocument plain;
    context.activeDocument = [&]() -> CDocument* { return &plain; };
    EXPECT_EQ(GetActiveProjectDocument(), nullptr);  // a document of another kind
    CProjectDocument project;
    context.activeDocument = [&]() -> CDocument* { return &project; };
    EXPECT_EQ(GetActiveProjectDocument(), &project);
    context.activeDocument = []() -> CDocument* { return nullptr; };
    EXPECT_EQ(GetActiveProjectDocument(), nullptr);
}
