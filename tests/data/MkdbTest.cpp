// The build tool: loads typed rows, refuses what the programs' typed reads would refuse, and never
// leaves a half-made database in place of a good one.
#include "DataTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using zeltest::TempDir;

namespace {

const char* kSchema = R"(CREATE TABLE t (c BYTE NOT NULL PRIMARY KEY, s SHORT, f SINGLE, b BIT, x TEXT(40));)";

class Mkdb : public ::testing::Test {
protected:
    void SetUp() override { Write("schema.sql", kSchema); }
    void Write(const std::string& name, const std::string& text) { std::ofstream(dir.File(name)) << text; }
    int Run(const std::string& csvText)
    {
        Write("t.csv", csvText);
        const std::string cmd = std::string("'") + ZEL_MKDB + "' '" + dir.File("out.zel") + "' '" + dir.File("schema.sql") + "' '" +
                                dir.File("t.csv") + "' 2>/dev/null";
        return std::system(cmd.c_str());
    }
    TempDir dir;
};

}  // namespace

TEST_F(Mkdb, LoadsTypedRowsAndSkipsNoteColumns)
{
    ASSERT_EQ(Run("# fonte: teste\nc,s,f,b,x,_nota\n1,-300,2.5,-1,\"Cabo, \"\"unipolar\"\"\",ignorada\n2,,0.75,0,,\n"), 0);
    CDaoDatabase db;
    db.Open(dir.File("out.zel"), false, true);
    const auto rows = zeldata::Query(db, "SELECT * FROM t ORDER BY c");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Int("s"), -300);
    EXPECT_EQ(rows[0].Text("x"), "Cabo, \"unipolar\"");
    EXPECT_EQ(rows[0].values.at("b").vt, VT_BOOL);
    EXPECT_EQ(rows[0].values.at("b").lVal, -1);
    EXPECT_TRUE(rows[1].values.at("s").IsNull());
    EXPECT_FLOAT_EQ(static_cast<float>(rows[1].Num("f")), 0.75f);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.zel.tmp")));
    EXPECT_EQ(zeltest::QueryText(dir.File("out.zel"), "PRAGMA journal_mode"), "delete");
}

// Each slip fails the build, and the database built before stays as it was.
TEST_F(Mkdb, RefusesSlipsAndKeepsThePreviousFile)
{
    ASSERT_EQ(Run("# fonte\nc,s\n7,1\n"), 0);
    const std::string bad[] = {
        "# fonte\nc,s\n256,1\n",          // beyond BYTE
        "# fonte\nc,s\n1,40000\n",        // beyond SHORT
        "# fonte\nc,s\n1,1.5\n",          // not whole
        "# fonte\nc,f\n1,2,5\n",          // decimal comma: a field too many
        "# fonte\nc,f\n1,abc\n",          // not a number
        "# fonte\nc,b\n1,2\n",            // not a BIT
        "# fonte\nc,s\n,1\n",             // empty NOT NULL
        "# fonte\nc,nada\n1,1\n",         // unknown column
        "c,s\n1,1\n",                     // no source line
        "# fonte\nc,s\n1,1\n1,2\n",       // duplicate key
        "# fonte\nc,x\n1,\"aberto\n",     // unterminated quote
    };
    for (const std::string& csv : bad) {
        EXPECT_NE(Run(csv), 0) << csv;
        EXPECT_EQ(zeltest::QueryText(dir.File("out.zel"), "SELECT group_concat(c) FROM t"), "7") << csv;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.zel.tmp"))) << csv;
    }
}
