// Snapshot moves and table-type editing.
#include "DaoRecordsetManual.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using zeltest::TempDir;

namespace {

class Recordsets : public ::testing::Test {
protected:
    void SetUp() override
    {
        zeltest::MakeDatabase(dir.File("p.zel"), R"(
CREATE TABLE circuito (circuito_sequencial LONG, circuito_codigo TEXT(10), circuito_calculado BIT);
INSERT INTO circuito VALUES (3, 'C3', 0);
INSERT INTO circuito VALUES (1, 'C1', 0);
INSERT INTO circuito VALUES (2, 'C2', -1);
)");
        db.Open(dir.File("p.zel"));
    }
    std::string Codes(const char* sql)
    {
        std::string out;
        CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql);
        while (!rs.IsEOF()) {
            std::string code;
            rs.GetFieldString("circuito_codigo", code);
            out += code + " ";
            rs.MoveNext();
        }
        return out;
    }
    TempDir dir;
    CDaoDatabase db;
};

bool IsNoCurrentRecord(const std::function<void()>& f)
{
    try {
        f();
    } catch (const CDaoException&) {
        return true;
    }
    return false;
}

}  // namespace

TEST_F(Recordsets, SnapshotScrollsBothWaysAndRefusesMovesWithNoCurrentRow)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM circuito ORDER BY circuito_sequencial");
    EXPECT_EQ(rs.GetRecordCount(), 3);
    EXPECT_FALSE(rs.IsBOF());
    rs.MoveLast();
    std::string code;
    rs.GetFieldString("circuito_codigo", code);
    EXPECT_EQ(code, "C3");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_TRUE(IsNoCurrentRecord([&] { rs.GetFieldString("circuito_codigo", code); }));
    EXPECT_TRUE(IsNoCurrentRecord([&] { rs.MoveNext(); }));
    rs.MoveFirst();
    rs.MovePrev();
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_TRUE(IsNoCurrentRecord([&] { rs.MovePrev(); }));
    rs.MoveNext();
    rs.GetFieldString("circuito_codigo", code);
    EXPECT_EQ(code, "C1");

    CDaoRecordsetManual empty(&db, dbOpenSnapshot, "SELECT * FROM circuito WHERE 0");
    EXPECT_TRUE(empty.IsEOF());
    EXPECT_TRUE(empty.IsBOF());
    EXPECT_TRUE(IsNoCurrentRecord([&] { empty.MoveFirst(); }));
}

TEST_F(Recordsets, RejectedSqlThrowsAtConstruction)
{
    EXPECT_THROW(CDaoRecordsetManual(&db, dbOpenSnapshot, "SELECT * FROM nao_existe"), CDaoException);
    EXPECT_THROW(CDaoRecordsetManual(&db, dbOpenTable, "nao_existe"), CDaoException);
}

TEST_F(Recordsets, ClosedByTheCallerIsNotClosedTwice)
{
    auto* rs = new CDaoRecordsetManual(&db, dbOpenSnapshot, "SELECT * FROM circuito");
    rs->Close();
    EXPECT_FALSE(rs->IsOpen());
    delete rs;
    CDaoRecordsetManual later(&db, dbOpenSnapshot, static_cast<const char*>(nullptr));  // left closed
    EXPECT_FALSE(later.IsOpen());
}

TEST_F(Recordsets, SnapshotHoldsItsRowsWhileTheSameConnectionWrites)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM circuito ORDER BY circuito_sequencial");
    int seen = 0;
    while (!rs.IsEOF()) {
        long key = 0;
        rs.GetFieldLong("circuito_sequencial", key);
        db.Execute(FormatC("UPDATE circuito SET circuito_calculado=-1 WHERE circuito_sequencial=%li", key));
        db.Execute(FormatC("INSERT INTO circuito VALUES (%li, 'novo', 0)", key + 10));
        ++seen;
        rs.MoveNext();
    }
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(Codes("SELECT circuito_codigo FROM circuito WHERE circuito_calculado=-1 ORDER BY 1"), "C1 C2 C3 ");
}

TEST_F(Recordsets, TableTypeWalksStoredOrderAddsAndEdits)
{
    {
        CDaoRecordsetManual table(&db, dbOpenTable, "circuito");
        std::string code;
        table.GetFieldString("circuito_codigo", code);
        EXPECT_EQ(code, "C3");  // stored order, not key order
        table.MoveNext();
        table.Edit();
        table.SetFieldString("circuito_codigo", "C1'b");
        table.SetFieldBool("circuito_calculado", TRUE);
        table.Update();
        table.GetFieldString("circuito_codigo", code);
        EXPECT_EQ(code, "C1'b");
        table.AddNew();
        table.SetFieldValue("circuito_sequencial", COleVariant::Long(4));
        table.SetFieldString("circuito_codigo", "C4");
        table.Update();
        EXPECT_EQ(table.GetRecordCount(), 4);
    }
    EXPECT_EQ(Codes("SELECT circuito_codigo FROM circuito"), "C3 C1'b C2 C4 ");
    EXPECT_EQ(Codes("SELECT circuito_codigo FROM circuito WHERE circuito_calculado=-1"), "C1'b C2 ");

    CDaoRecordsetManual snapshot(&db, dbOpenSnapshot, "SELECT * FROM circuito");
    EXPECT_THROW(snapshot.Edit(), CDaoException);
}

TEST_F(Recordsets, ReusedStatementsSeeSchemaChangesAndNewBindings)
{
    const std::string sql = "SELECT * FROM circuito WHERE circuito_codigo=?";
    for (const char* code : {"C1", "C2", "C1"}) {
        CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql, {std::string(code)});
        std::string read;
        rs.GetFieldString("circuito_codigo", read);
        EXPECT_EQ(read, code);
    }
    db.Execute("ALTER TABLE circuito ADD COLUMN circuito_nova SHORT DEFAULT 4");
    CDaoRecordsetManual after(&db, dbOpenSnapshot, sql, {std::string("C3")});
    short added = 0;
    after.GetFieldShort("circuito_nova", added);
    EXPECT_EQ(added, 4);
    db.Close();
    db.Open(dir.File("p.zel"), true);  // nothing left holding the file
    EXPECT_EQ(CDaoRecordsetManual(&db, dbOpenSnapshot, sql, {std::string("C2")}).GetRecordCount(), 1);
}

// A query that found no row, read all the same (a code in a project that its catalogue lacks): the user is
// told which file lacks the row.
TEST_F(Recordsets, NoCurrentRowNamesTheFile)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM circuito WHERE circuito_sequencial=9");
    std::string code;
    try {
        rs.GetFieldString("circuito_codigo", code);
        FAIL() << "read with no current row";
    } catch (const CDaoException& e) {
        ASSERT_NE(e.m_pErrorInfo, nullptr);
        EXPECT_EQ(e.m_pErrorInfo->m_lErrorCode, 3021);
        EXPECT_EQ(e.m_pErrorInfo->m_strDescription, "Não há registro corrente no arquivo de dados '" + dir.File("p.zel") + "'.");
    }
}

// A catalogue another tool rewrote lacks a table or a column the programs read: the user is told which, in
// Portuguese, with the file.
TEST_F(Recordsets, WhatTheFileLacksIsToldInPortugueseNamingTheFile)
{
    const std::string arquivo = "'" + dir.File("p.zel") + "'";
    auto descricao = [](const std::function<void()>& f) -> std::string {
        try {
            f();
        } catch (const CDaoException& e) {
            return e.m_pErrorInfo ? e.m_pErrorInfo->m_strDescription : "(sem descrição)";
        }
        return "(nenhum erro)";
    };
    EXPECT_EQ(descricao([&] { CDaoRecordsetManual(&db, dbOpenSnapshot, "SELECT * FROM sistema"); }),
              "Erro no arquivo de dados " + arquivo + ": não existe a tabela sistema");
    EXPECT_EQ(descricao([&] { CDaoRecordsetManual(&db, dbOpenSnapshot, "SELECT circuito_pai FROM circuito"); }),
              "Erro no arquivo de dados " + arquivo + ": não existe a coluna circuito_pai");
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM circuito");
    EXPECT_EQ(descricao([&] { rs.GetFieldValue("circuito_pai"); }),
              "Campo 'circuito_pai' inexistente no arquivo de dados " + arquivo + ".");
}
