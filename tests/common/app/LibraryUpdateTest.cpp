// The user's device library across installed catalogues: what the user entered in Protdev stays, the
// catalogue follows the installed one, and a failed or impossible update leaves the user's file as it was.
#include "LibraryUpdate.h"

#include "DaoDatabase.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

namespace fs = std::filesystem;
using zeltest::QueryText;
using zeltest::ReadFile;
using zeltest::RunSql;

namespace {

using Result = LibraryUpdate::Result;

const LocalTime kAgora{2026, 12, 10, 11, 30, 5};

class LibraryUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(dir.File("instalado"));
        fs::create_directories(dir.File("dados"));
        fs::copy_file(std::string(ZEL_DATA_DIR) + "/ZelBt01.zel", installed);
        // As a system install leaves it.
        fs::permissions(installed, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                        fs::perm_options::replace);
    }

    void ChangeInstalled(const std::string& sql)
    {
        fs::permissions(installed, fs::perms::owner_write, fs::perm_options::add);
        RunSql(installed, sql);
        fs::permissions(installed, fs::perms::owner_write, fs::perm_options::remove);
    }

    // The next release's catalogue: a cable renamed, a table of its own, a sample device the user never had.
    void InstallNewerCatalogue()
    {
        ChangeInstalled("UPDATE cabo SET cabo_descricao='Cabo renomeado no catálogo novo' WHERE cabo_codigo=1;"
                        "CREATE TABLE catalogo_novo (valor LONG); INSERT INTO catalogo_novo VALUES (7);"
                        "INSERT INTO dispositivo_protecao VALUES (90, 'Amostra da versão nova', 400);"
                        "UPDATE catalogo_versao SET catalogo_versao_numero = catalogo_versao_numero + 1,"
                        " catalogo_versao_assinatura = 'a1b2c3d4e5f60708';");
    }

    // The user's work in Protdev: a breaker with two ratings and curve points, a sample fuse deleted.
    void UserEntersDevices()
    {
        RunSql(user, "INSERT INTO dispositivo_protecao VALUES (40, 'Disjuntor do usuário', 380);"
                     "INSERT INTO disjuntor_corrente_nominal (dispositivo_protecao_codigo, disjuntor_corrente_nominal,"
                     " disjuntor_corrente_t5s, disjuntor_corrente_ruptura) VALUES (40, 32, 150, 6000), (40, 63, 310, 10000);"
                     "INSERT INTO disjuntor_pontos_curva VALUES (40, 32, 100, 5000), (40, 32, 200, 9000);"
                     "DELETE FROM dispositivo_protecao WHERE dispositivo_protecao_codigo = 4;");
    }

    // A fresh user's library with the user's devices in it, then a newer catalogue installed.
    void StartOverWithDevicesAndANewerCatalogue()
    {
        fs::remove_all(dir.File("dados"));
        fs::create_directories(dir.File("dados"));
        fs::remove(installed);
        fs::copy_file(std::string(ZEL_DATA_DIR) + "/ZelBt01.zel", installed);
        ASSERT_EQ(Update().result, Result::Created);
        UserEntersDevices();
        InstallNewerCatalogue();
    }

    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.File("dados")))
            names.insert(e.path().filename().string());
        return names;
    }

    LibraryUpdate Update() { return UpdateLibrary(installed, user, kAgora); }

    zeltest::TempDir dir;
    std::string installed = dir.File("instalado/ZelBt01.zel");
    std::string user = dir.File("dados/ZelBt01.zel");
};

}  // namespace

TEST_F(LibraryUpdateTest, FirstStartMakesTheUsersOwnWritableCopyAndLaterStartsLeaveItAlone)
{
    ASSERT_EQ(Update().result, Result::Created);
    EXPECT_EQ(ReadFile(user), ReadFile(installed));
    EXPECT_NE(fs::status(user).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(Files(), std::set<std::string>{"ZelBt01.zel"});

    UserEntersDevices();
    const std::string antes = ReadFile(user);
    const LibraryUpdate again = Update();
    EXPECT_EQ(again.result, Result::UpToDate) << again.error;
    EXPECT_EQ(ReadFile(user), antes);
    EXPECT_EQ(Files(), std::set<std::string>{"ZelBt01.zel"});
}

TEST_F(LibraryUpdateTest, ANewerCatalogueReplacesTheCatalogueTablesAndKeepsTheUsersDevices)
{
    ASSERT_EQ(Update().result, Result::Created);
    UserEntersDevices();
    const std::string antes = ReadFile(user);
    InstallNewerCatalogue();

    const LibraryUpdate u = Update();
    ASSERT_EQ(u.result, Result::Updated) << u.error;

    const struct {
        const char* sql;
        const char* value;
    } expected[] = {
        // The catalogue is the installed one, new table and stamp included.
        {"SELECT cabo_descricao FROM cabo WHERE cabo_codigo=1", "Cabo renomeado no catálogo novo"},
        {"SELECT valor FROM catalogo_novo", "7"},
        {"SELECT catalogo_versao_assinatura FROM catalogo_versao", "a1b2c3d4e5f60708"},
        // The devices are the user's: the new breaker whole, the deleted fuse still gone, no new sample.
        {"SELECT group_concat(dispositivo_protecao_codigo || ':' || dispositivo_protecao_descricao, ' / ') FROM"
         " (SELECT * FROM dispositivo_protecao ORDER BY 1)",
         "1:Disjuntor curva B (amostra) / 2:Disjuntor curva C (amostra) / 3:Disj. caixa moldada (amostra) / "
         "40:Disjuntor do usuário"},
        {"SELECT group_concat(disjuntor_corrente_nominal || ':' || disjuntor_corrente_t5s || ':' ||"
         " disjuntor_corrente_ruptura, ' ') FROM (SELECT * FROM disjuntor_corrente_nominal WHERE"
         " dispositivo_protecao_codigo=40 ORDER BY disjuntor_corrente_nominal)",
         "32:150:6000 63:310:10000"},
        {"SELECT count(*) FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=40", "2"},
        {"SELECT count(*) FROM fusivel_corrente_nominal", "0"},
        {"PRAGMA journal_mode", "delete"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(QueryText(user, e.sql), e.value) << e.sql;
    EXPECT_NE(fs::status(user).permissions() & fs::perms::owner_write, fs::perms::none);

    // The old library, dated, byte for byte; nothing else left behind.
    EXPECT_EQ(u.backup, dir.File("dados/ZelBt01-2026-12-10-113005.zel"));
    EXPECT_EQ(ReadFile(u.backup), antes);
    EXPECT_EQ(Files(), (std::set<std::string>{"ZelBt01.zel", "ZelBt01-2026-12-10-113005.zel"}));

    // Once is enough.
    EXPECT_EQ(Update().result, Result::UpToDate);
    EXPECT_EQ(Files().size(), 2u);
}

TEST_F(LibraryUpdateTest, ALibraryMadeBeforeStampsTakesTheInstalledCatalogueOnce)
{
    fs::copy_file(installed, user);
    fs::permissions(user, fs::perms::owner_write, fs::perm_options::add);
    RunSql(user, "DROP TABLE catalogo_versao; UPDATE cabo SET cabo_descricao='Descrição antiga' WHERE cabo_codigo=1;");
    UserEntersDevices();

    const LibraryUpdate u = Update();
    ASSERT_EQ(u.result, Result::Updated) << u.error;
    EXPECT_EQ(QueryText(user, "SELECT cabo_descricao FROM cabo WHERE cabo_codigo=1"),
              QueryText(installed, "SELECT cabo_descricao FROM cabo WHERE cabo_codigo=1"));
    EXPECT_EQ(QueryText(user, "SELECT count(*) FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=40"), "2");
    EXPECT_EQ(Update().result, Result::UpToDate);
}

TEST_F(LibraryUpdateTest, AnOlderInstalledCatalogueLeavesTheUsersLibraryAlone)
{
    ASSERT_EQ(Update().result, Result::Created);
    RunSql(user, "UPDATE catalogo_versao SET catalogo_versao_numero = catalogo_versao_numero + 1,"
                 " catalogo_versao_assinatura = 'ffffffffffffffff'");
    const std::string antes = ReadFile(user);
    EXPECT_EQ(Update().result, Result::UpToDate);
    EXPECT_EQ(ReadFile(user), antes);
}

TEST(CatalogueStamps, WhenTheInstalledCatalogueIsNewer)
{
    struct Case {
        CatalogueStamp installed, user;
        bool newer;
        const char* why;
    };
    const Case cases[] = {
        {{2, "bbbb"}, {1, "aaaa"}, true, "higher release"},
        {{1, "aaaa"}, {2, "bbbb"}, false, "lower release: a newer library is kept"},
        {{1, "aaaa"}, {1, "aaaa"}, false, "the same catalogue"},
        {{1, "bbbb"}, {1, "aaaa"}, true, "same release, other sources"},
        {{1, "aaaa"}, {0, ""}, true, "a library from before stamps"},
        {{0, ""}, {1, "aaaa"}, false, "an installed file without a stamp"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogueIsNewer(c.installed, c.user), c.newer) << c.why;
}

TEST_F(LibraryUpdateTest, TheBuiltCatalogueCarriesAStamp)
{
    CatalogueStamp stamp;
    std::string error;
    ASSERT_TRUE(ReadCatalogueStamp(installed, stamp, error)) << error;
    EXPECT_GE(stamp.release, 1);
    EXPECT_EQ(stamp.digest.size(), 16u);
}

// Each failure comes at a different step; the user's file must come out byte for byte as it went in, with
// no backup and no half-made file beside it.
TEST_F(LibraryUpdateTest, AFailureDuringTheUpdateLeavesTheUsersFileAsItWas)
{
    struct Case {
        const char* what;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"the new catalogue refuses the user's curve points after the breakers went in",
         [this] {
             ChangeInstalled("CREATE TRIGGER recusa BEFORE INSERT ON disjuntor_pontos_curva BEGIN "
                             "SELECT RAISE(ABORT, 'ponto recusado'); END;");
         }},
        {"the user's library has lost a device table",
         [this] { RunSql(user, "DROP TABLE fusivel_corrente_nominal"); }},
        {"the installed catalogue is not a database",
         [this] {
             fs::permissions(installed, fs::perms::owner_write, fs::perm_options::add);
             fs::resize_file(installed, 0);
             fs::resize_file(installed, 4096);
         }},
        {"the user's library is not a database",
         [this] { fs::resize_file(user, 100); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(StartOverWithDevicesAndANewerCatalogue());
        c.arrange();
        const std::string antes = ReadFile(user);

        const LibraryUpdate u = Update();
        EXPECT_EQ(u.result, Result::Failed);
        EXPECT_FALSE(u.error.empty());
        EXPECT_EQ(ReadFile(user), antes);
        EXPECT_EQ(Files(), std::set<std::string>{"ZelBt01.zel"});
    }
}

// Protdev holds the library exclusively while it runs; a sizing program holds it shared. Either way the
// update waits, and the next start makes it.
TEST_F(LibraryUpdateTest, WhileAnotherProgramHoldsTheLibraryTheUpdateWaitsForTheNextStart)
{
    for (const bool exclusive : {true, false}) {
        SCOPED_TRACE(exclusive ? "Protdev editing" : "Lvsize sizing");
        ASSERT_NO_FATAL_FAILURE(StartOverWithDevicesAndANewerCatalogue());
        const std::string antes = ReadFile(user);
        {
            CDaoDatabase other;
            other.Open(user, exclusive, !exclusive);
            EXPECT_EQ(Update().result, Result::InUse);
            EXPECT_EQ(ReadFile(user), antes);
            EXPECT_EQ(Files(), std::set<std::string>{"ZelBt01.zel"});
        }
        const LibraryUpdate later = Update();
        EXPECT_EQ(later.result, Result::Updated) << later.error;
        EXPECT_EQ(QueryText(user, "SELECT count(*) FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=40"), "2");
    }
}
