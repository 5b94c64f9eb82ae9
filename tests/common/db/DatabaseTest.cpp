// Opening files, executing with failure, transactions and numbers formatted for SQL.
#include "DaoDatabase.h"
#include "DaoRecordsetManual.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using zeltest::TempDir;

namespace {

std::string Count(const std::string& path, const std::string& table)
{
    return zeltest::QueryText(path, "SELECT count(*) FROM " + table);
}

}  // namespace

TEST(DatabaseOpen, RefusesWhatIsNotAnExistingDatabaseAndCreatesNothing)
{
    TempDir dir;
    const std::string missing = dir.File("nao_existe.zel");
    const std::string text = dir.File("texto.zel");
    std::ofstream(text) << "isto não é um banco de dados, apenas texto comprido o bastante para o cabeçalho\n";

    for (const std::string& path : {missing, std::string(), text}) {
        CDaoDatabase db;
        try {
            db.Open(path);
            FAIL() << "opened '" << path << "'";
        } catch (const CDaoException& e) {
            ASSERT_TRUE(e.m_pErrorInfo) << path;
            EXPECT_FALSE(e.m_pErrorInfo->m_strDescription.empty());
        }
        EXPECT_FALSE(db.IsOpen());
    }
    EXPECT_FALSE(fs::exists(missing));
}

TEST(DatabaseOpen, KnowsItsFileNameAndCloses)
{
    TempDir dir;
    const std::string path = dir.File("a b.zel");
    zeltest::MakeDatabase(path, "CREATE TABLE t (x LONG);");
    CDaoDatabase db;
    db.Open(path, false, true, ";PWD=ignored");
    EXPECT_EQ(db.GetName(), path);
    EXPECT_THROW(db.Execute("INSERT INTO t VALUES (1)"), CDaoException);  // read-only
    db.Close();
    EXPECT_FALSE(db.IsOpen());
    EXPECT_THROW(db.Execute("SELECT 1"), CDaoException);
}

TEST(DatabaseOpen, ExclusiveKeepsOtherProcessesOut)
{
    TempDir dir;
    const std::string path = dir.File("lib.zel");
    zeltest::MakeDatabase(path, "CREATE TABLE t (x LONG);");
    CDaoDatabase owner;
    owner.Open(path, true);

    // Another process, shared or exclusive, is refused while the exclusive open stands.
    auto childOpens = [&](bool exclusive) {
        const pid_t pid = fork();
        if (pid == 0) {
            int code = 0;
            try {
                CDaoDatabase other;
                other.Open(path, exclusive, !exclusive);
            } catch (const CDaoException&) {
                code = 3;
            }
            _exit(code);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(childOpens(false), 3);
    EXPECT_EQ(childOpens(true), 3);
    owner.Close();
    EXPECT_EQ(childOpens(true), 0);
}

TEST(DatabaseExecute, FailureThrowsWithTheEngineDescription)
{
    TempDir dir;
    const std::string path = dir.File("p.zel");
    zeltest::MakeDatabase(path, "CREATE TABLE t (x LONG PRIMARY KEY);");
    CDaoDatabase db;
    db.Open(path);
    db.Execute("INSERT INTO t VALUES (1); INSERT INTO t VALUES (2)", dbFailOnError);
    EXPECT_EQ(db.GetRecordsAffected(), 2);
    try {
        db.Execute("INSERT INTO t VALUES (1)", dbFailOnError);
        FAIL();
    } catch (const CDaoException& e) {
        ASSERT_TRUE(e.m_pErrorInfo);
        EXPECT_NE(e.m_pErrorInfo->m_lErrorCode, 0);
    }
    EXPECT_THROW(db.Execute("SELEC nada"), CDaoException);
}

// A row the file's rules refuse (a key already there, a value missing, a trigger of the file's own) is told in
// Portuguese, with the file.
TEST(DatabaseExecute, ARefusedRowIsToldInPortugueseNamingTheFile)
{
    TempDir dir;
    const std::string path = dir.File("p.zel");
    zeltest::MakeDatabase(path, "CREATE TABLE t (x LONG PRIMARY KEY, y TEXT(5) NOT NULL); INSERT INTO t VALUES (1,'a');"
                                "CREATE TRIGGER r BEFORE UPDATE ON t BEGIN SELECT RAISE(ABORT, 'recusado'); END;");
    CDaoDatabase db;
    db.Open(path);
    const struct {
        const char* sql;
        const char* motivo;
    } casos[] = {
        {"INSERT INTO t VALUES (1,'b')", "valor repetido em t.x"},
        {"INSERT INTO t VALUES (2,NULL)", "valor em falta em t.y"},
        {"UPDATE t SET y='c'", "recusado"},
    };
    for (const auto& c : casos) {
        try {
            db.Execute(c.sql);
            ADD_FAILURE() << c.sql;
        } catch (const CDaoException& e) {
            ASSERT_TRUE(e.m_pErrorInfo);
            EXPECT_EQ(e.m_pErrorInfo->m_strDescription,
                      "Registro rejeitado pelo arquivo de dados '" + path + "' (" + c.motivo + ").");
        }
    }
}

// A working copy's failures are about the user's project: they name it, not the temporary file, and say in
// Portuguese what went wrong.
TEST(DatabaseExecute, AFullDiskSaysSoAndNamesTheFileTheUserKnows)
{
    TempDir dir;
    const std::string path = dir.File("ZELab12CD");
    zeltest::MakeDatabase(path, "CREATE TABLE t (x BLOB);");
    CDaoDatabase db;
    db.SetDisplayName("/home/eng/Edifício Central.lvp");
    db.Open(path);
    // The file may not grow: as a full disk does.
    db.Execute("PRAGMA max_page_count=" + zeltest::QueryText(path, "PRAGMA page_count"));
    try {
        db.Execute("INSERT INTO t VALUES (zeroblob(100000))");
        FAIL();
    } catch (const CDaoException& e) {
        ASSERT_TRUE(e.m_pErrorInfo);
        const std::string& texto = e.m_pErrorInfo->m_strDescription;
        EXPECT_EQ(texto, "O disco está cheio: não foi possível gravar o arquivo de dados '/home/eng/Edifício "
                         "Central.lvp'.");
    }
    // The open's own failures too.
    CDaoDatabase missing;
    missing.SetDisplayName("/home/eng/obra.lvp");
    try {
        missing.Open(dir.File("ZELgone00"));
        FAIL();
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.m_pErrorInfo->m_strDescription, "O arquivo de dados '/home/eng/obra.lvp' não foi encontrado.");
    }
}

TEST(DatabaseExecute, TextBoundAsParameterKeepsApostrophesAndSemicolons)
{
    TempDir dir;
    const std::string path = dir.File("p.zel");
    zeltest::MakeDatabase(path, "CREATE TABLE projeto (projeto_titulo TEXT(50));");
    CDaoDatabase db;
    db.Open(path);
    const std::string title = "D'Ávila; DROP TABLE projeto; --]";
    db.Execute("INSERT INTO projeto (projeto_titulo) VALUES (?)", {title});
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM projeto WHERE projeto_titulo=?", {title});
    ASSERT_FALSE(rs.IsEOF());
    std::string read;
    rs.GetFieldString("projeto_titulo", read);
    EXPECT_EQ(read, title);
}

TEST(Transactions, FailingStatementRollsTheWholeOperationBack)
{
    TempDir dir;
    const std::string path = dir.File("p.zel");
    zeltest::MakeDatabase(path, "CREATE TABLE t (x LONG PRIMARY KEY); INSERT INTO t VALUES (1),(2),(3);");
    CDaoDatabase db;
    db.Open(path);
    try {
        CDaoTransaction trans(db);
        db.Execute("DELETE FROM t");
        db.Execute("INSERT INTO t VALUES (7)");
        db.Execute("INSERT INTO t VALUES (7)");  // fails: the delete must not stay
        trans.Commit();
        FAIL();
    } catch (const CDaoException&) {
    }
    EXPECT_EQ(db.TransactionDepth(), 0);
    db.Close();
    EXPECT_EQ(Count(path, "t"), "3");
}

TEST(Transactions, NestedLevelsRollBackAloneAndCommitWithTheOuter)
{
    TempDir dir;
    const std::string path = dir.File("p.zel");
    zeltest::MakeDatabase(path, "CREATE TABLE t (x LONG);");
    CDaoDatabase db;
    db.Open(path);
    {
        CDaoTransaction outer(db);
        db.Execute("INSERT INTO t VALUES (1)");
        {
            CDaoTransaction inner(db);
            db.Execute("INSERT INTO t VALUES (2)");
        }  // not committed: only the inner insert goes
        {
            CDaoTransaction inner(db);
            db.Execute("INSERT INTO t VALUES (3)");
            inner.Commit();
        }
        outer.Commit();
    }
    db.Close();
    EXPECT_EQ(zeltest::QueryText(path, "SELECT group_concat(x) FROM (SELECT x FROM t ORDER BY x)"), "1,3");
}

TEST(FormatC, IgnoresTheUsersLocale)
{
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "pt_BR.UTF-8"), nullptr)
        << "the pt_BR.UTF-8 locale is missing (scripts/test.sh generates it)";
    char native[32];
    std::snprintf(native, sizeof native, "%6.2f", 2.5);
    EXPECT_STREQ(native, "  2,50");  // the locale is really in force
    EXPECT_EQ(FormatC("%6.2f", 2.5), "  2.50");
    EXPECT_EQ(FormatC("secao_nominal=%1.1f AND x=%i", 0.75, 3), "secao_nominal=0.8 AND x=3");
    std::setlocale(LC_ALL, saved.c_str());
}
