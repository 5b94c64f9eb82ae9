// The copy between two database files that the save, copy and paste of circuits rest on.
#include "DaoRecordsetManual.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using zeltest::TempDir;

namespace {

const char* kWorking = R"(
CREATE TABLE circuito (circuito_sequencial LONG, circuito_codigo TEXT(10), circuito_comprimento SINGLE);
INSERT INTO circuito VALUES (1, 'QGBT', 10.5);
INSERT INTO circuito VALUES (2, 'C''1', 20);
)";
// An older template: the same columns in another order, one column fewer, one more.
const char* kTarget = R"(
CREATE TABLE circuito (circuito_codigo TEXT(10), circuito_sequencial LONG, circuito_novo SHORT DEFAULT 7);
INSERT INTO circuito VALUES ('velho', 99, 0);
)";

}  // namespace

TEST(CrossDatabase, CopiesByColumnNameIntoFilesWithAwkwardPaths)
{
    TempDir dir;
    const std::string working = dir.File("trabalho.zel");
    zeltest::MakeDatabase(working, kWorking);
    for (const std::string name : {"D'Ávila; obra].lvp", "com espaço [1].lvp"}) {
        const std::string target = dir.File(name);
        zeltest::MakeDatabase(target, kTarget);
        CDaoDatabase db;
        db.Open(working);
        db.DeleteFromOther(target, "circuito");
        db.InsertIntoOther(target, "circuito", "WHERE circuito_sequencial=?", {std::int64_t{2}});
        db.InsertIntoOther(target, "circuito", "WHERE circuito_codigo=?", {std::string("QGBT")});
        db.Close();
        EXPECT_EQ(zeltest::QueryText(target, "SELECT group_concat(circuito_codigo||':'||circuito_sequencial||':'||"
                                             "circuito_novo, ' ') FROM circuito"),
                  "C'1:2:7 QGBT:1:7")
            << name;
    }
}

TEST(CrossDatabase, SeveralCopiesInOneTransactionHappenWholeOrNotAtAll)
{
    TempDir dir;
    const std::string working = dir.File("w.zel");
    const std::string target = dir.File("alvo 'x'.zel");
    zeltest::MakeDatabase(working, kWorking);
    zeltest::MakeDatabase(target, "CREATE TABLE circuito (circuito_sequencial LONG PRIMARY KEY, "
                                  "circuito_codigo TEXT(10)); INSERT INTO circuito VALUES (1, 'antigo');");
    CDaoDatabase db;
    db.Open(working);
    {
        CDaoAttachment attached(db, target);
        try {
            CDaoTransaction trans(db);
            db.DeleteFromOther(target, "circuito", "WHERE circuito_sequencial=?", {std::int64_t{99}});
            db.InsertIntoOther(target, "circuito", "WHERE circuito_sequencial=2");
            db.InsertIntoOther(target, "circuito");  // key 2 again: fails
            trans.Commit();
            FAIL();
        } catch (const CDaoException& e) {
            EXPECT_TRUE(e.m_pErrorInfo);
        }
    }
    db.Close();
    EXPECT_EQ(zeltest::QueryText(target, "SELECT group_concat(circuito_codigo) FROM circuito"), "antigo");
}

TEST(CrossDatabase, MissingTargetIsAnErrorAndNotCreated)
{
    TempDir dir;
    const std::string working = dir.File("w.zel");
    zeltest::MakeDatabase(working, kWorking);
    CDaoDatabase db;
    db.Open(working);
    EXPECT_THROW(db.InsertIntoOther(dir.File("nada.zel"), "circuito"), CDaoException);
    EXPECT_FALSE(std::filesystem::exists(dir.File("nada.zel")));
}
