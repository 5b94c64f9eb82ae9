// Each typed accessor takes exactly its own variant type, reads a null as zero (a date as unchanged) and
// refuses any other type with the binding error, leaving the caller's value alone.
#include "DaoRecordsetManual.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using zeltest::TempDir;

namespace {

const char* kSchema = R"(
CREATE TABLE tipos (
  b BIT, y BYTE, s SHORT, l LONG, f SINGLE, d DOUBLE, dt DATETIME, t TEXT(20));
INSERT INTO tipos VALUES (-1, 200, -300, 70000, 0.8, 2.25, 39813.0, 'Cobre');
INSERT INTO tipos VALUES (NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
)";

class TypedFields : public ::testing::Test {
protected:
    void SetUp() override
    {
        zeltest::MakeDatabase(dir.File("t.zel"), kSchema);
        db.Open(dir.File("t.zel"));
        rs = std::make_unique<CDaoRecordsetManual>(&db, dbOpenSnapshot, "SELECT * FROM tipos");
    }
    TempDir dir;
    CDaoDatabase db;
    std::unique_ptr<CDaoRecordsetManual> rs;
};

bool IsBindError(const std::function<void()>& read)
{
    try {
        read();
    } catch (const CDaoException& e) {
        return !e.m_pErrorInfo && e.m_nAfxDaoError == AFX_DAO_ERROR_DFX_BIND;
    }
    return false;
}

}  // namespace

TEST_F(TypedFields, EachGetterReadsItsOwnType)
{
    BOOL b = 0;
    BYTE y = 0;
    short s = 0;
    long l = 0;
    float f = 0;
    double d = 0;
    COleDateTime dt;
    std::string t;
    rs->GetFieldBool("b", b);
    rs->GetFieldByte("y", y);
    rs->GetFieldShort("s", s);
    rs->GetFieldLong("l", l);
    rs->GetFieldFloat("f", f);
    rs->GetFieldDouble("d", d);
    rs->GetFieldDate("dt", dt);
    rs->GetFieldString("T", t);  // column names are not case-sensitive
    EXPECT_EQ(b, TRUE);
    EXPECT_EQ(y, 200);
    EXPECT_EQ(s, -300);
    EXPECT_EQ(l, 70000);
    EXPECT_EQ(f, 0.8f);  // single precision, as stored
    EXPECT_EQ(d, 2.25);
    EXPECT_EQ(dt.GetYear(), 2008);  // day 39813 counted from 30/12/1899
    EXPECT_EQ(dt.GetMonth(), 12);
    EXPECT_EQ(dt.GetDay(), 31);
    EXPECT_EQ(dt.m_status, COleDateTime::valid);
    EXPECT_EQ(t, "Cobre");
}

TEST_F(TypedFields, NullReadsAsZeroAndLeavesADateUnchanged)
{
    rs->MoveNext();
    BOOL b = 5;
    BYTE y = 5;
    short s = 5;
    long l = 5;
    float f = 5;
    double d = 5;
    std::string t = "antes";
    COleDateTime dt(2008, 12, 31);
    const double before = dt.m_dt;
    rs->GetFieldBool("b", b);
    rs->GetFieldByte("y", y);
    rs->GetFieldShort("s", s);
    rs->GetFieldLong("l", l);
    rs->GetFieldFloat("f", f);
    rs->GetFieldDouble("d", d);
    rs->GetFieldString("t", t);
    rs->GetFieldDate("dt", dt);
    EXPECT_EQ(b, FALSE);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(f, 0.0f);
    EXPECT_EQ(d, 0.0);
    EXPECT_EQ(t, "");
    EXPECT_EQ(dt.m_dt, before);
}

TEST_F(TypedFields, WrongTypeIsTheBindingErrorAndTheValueIsUntouched)
{
    short s = 42;
    float f = 4.5f;
    long l = 9;
    std::string t = "x";
    COleDateTime dt(2000, 1, 1);
    const double before = dt.m_dt;
    BYTE y = 7;
    BOOL b = 3;
    double d = 1.5;
    // A value that would convert still has the wrong type.
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldShort("f", s); }));
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldFloat("s", f); }));
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldLong("s", l); }));
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldString("l", t); }));
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldDate("d", dt); }));
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldByte("s", y); }));
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldBool("y", b); }));
    EXPECT_TRUE(IsBindError([&] { rs->GetFieldDouble("f", d); }));
    EXPECT_EQ(s, 42);
    EXPECT_EQ(f, 4.5f);
    EXPECT_EQ(l, 9);
    EXPECT_EQ(t, "x");
    EXPECT_EQ(dt.m_dt, before);
    EXPECT_EQ(y, 7);
    EXPECT_EQ(b, 3);
    EXPECT_EQ(d, 1.5);
}

TEST_F(TypedFields, UnknownColumnThrowsWithErrorInformation)
{
    long l = 1;
    try {
        rs->GetFieldLong("nao_existe", l);
        FAIL();
    } catch (const CDaoException& e) {
        EXPECT_TRUE(e.m_pErrorInfo);
    }
}

TEST_F(TypedFields, ComputedColumnsTakeTheNumberWithinTheGettersRange)
{
    CDaoRecordsetManual agg(&db, dbOpenSnapshot,
                            "SELECT MAX(y) AS Maximo, COUNT(*) AS n, SUM(f) AS soma, MAX(l) AS grande, "
                            "MAX(t) AS texto FROM tipos");
    long maximo = 0, n = 0;
    short shortN = 0;
    float soma = 0;
    double somaD = 0;
    agg.GetFieldLong("Maximo", maximo);
    agg.GetFieldLong("n", n);
    agg.GetFieldShort("n", shortN);
    agg.GetFieldFloat("soma", soma);
    agg.GetFieldDouble("soma", somaD);
    EXPECT_EQ(maximo, 200);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(shortN, 2);
    EXPECT_FLOAT_EQ(soma, 0.8f);
    EXPECT_NEAR(somaD, 0.8, 1e-6);
    BYTE tooBig = 1;
    EXPECT_TRUE(IsBindError([&] { agg.GetFieldByte("grande", tooBig); }));  // 70000 does not fit
    EXPECT_EQ(tooBig, 1);
    long fromText = 3;
    EXPECT_TRUE(IsBindError([&] { agg.GetFieldLong("texto", fromText); }));

    // MAX over no rows is one row holding NULL, read as 0.
    CDaoRecordsetManual none(&db, dbOpenSnapshot, "SELECT MAX(l) AS Maximo FROM tipos WHERE l > 1e9");
    ASSERT_FALSE(none.IsEOF());
    long empty = 5;
    none.GetFieldLong("Maximo", empty);
    EXPECT_EQ(empty, 0);
}

TEST_F(TypedFields, SettersStoreTheirTypesAndBoolAsMinusOne)
{
    CDaoRecordsetManual table(&db, dbOpenTable, "tipos");
    table.AddNew();
    table.SetFieldBool("b", 5);
    table.SetFieldByte("y", 9);
    table.SetFieldShort("s", -2);
    table.SetFieldFloat("f", 1.5f);
    COleDateTime date(2008, 12, 31);
    table.SetFieldDate("dt", date);
    table.SetFieldString("t", "Alumínio");
    table.Update();
    db.Close();
    const std::string path = dir.File("t.zel");
    EXPECT_EQ(zeltest::QueryText(path, "SELECT b FROM tipos WHERE y=9"), "-1");
    EXPECT_EQ(zeltest::QueryText(path, "SELECT t||'/'||s||'/'||f FROM tipos WHERE y=9"), "Alumínio/-2/1.5");
    EXPECT_EQ(zeltest::QueryText(path, "SELECT dt FROM tipos WHERE y=9"), "39813");
}

// A damaged file (another tool wrote it, bytes went bad) can hold in a column what its type cannot: the
// getter says so, naming the file the user knows, the field and the value; never a wrapped number.
TEST_F(TypedFields, AValueItsFieldCannotHoldIsADataErrorNotAnotherNumber)
{
    zeltest::RunSql(dir.File("t.zel"),
                    "INSERT INTO tipos(b,y,s,l,f,d,dt,t) VALUES (1,300,70000,8589934592,1e39,1,1,'x');"
                    "INSERT INTO tipos(b,y,s,l,f,d,dt,t) VALUES ('sim',-1,2.5,'muitos','alto','x','ontem','y');");
    CDaoRecordsetManual damaged(&db, dbOpenSnapshot, "SELECT * FROM tipos WHERE t IN ('x','y') ORDER BY t");
    struct Caso {
        const char* campo;
        const char* valor;  // as the message shows it
        std::function<void()> ler;
    };
    BOOL b = 7;
    BYTE y = 7;
    short s = 7;
    long l = 7;
    float f = 7;
    double d = 7;
    COleDateTime dt;
    dt.m_dt = 7;
    const std::vector<Caso> primeira = {
        {"y", "300", [&] { damaged.GetFieldByte("y", y); }},
        {"s", "70000", [&] { damaged.GetFieldShort("s", s); }},
        {"l", "8589934592", [&] { damaged.GetFieldLong("l", l); }},
        {"f", "'1.0e+39'", [&] { damaged.GetFieldFloat("f", f); }},
    };
    const std::vector<Caso> segunda = {
        {"b", "'sim'", [&] { damaged.GetFieldBool("b", b); }},
        {"y", "-1", [&] { damaged.GetFieldByte("y", y); }},
        {"s", "'2.5'", [&] { damaged.GetFieldShort("s", s); }},
        {"l", "'muitos'", [&] { damaged.GetFieldLong("l", l); }},
        {"f", "'alto'", [&] { damaged.GetFieldFloat("f", f); }},
        {"d", "'x'", [&] { damaged.GetFieldDouble("d", d); }},
        {"dt", "'ontem'", [&] { damaged.GetFieldDate("dt", dt); }},
    };
    for (const auto* linha : {&primeira, &segunda}) {
        for (const Caso& c : *linha) {
            SCOPED_TRACE(c.campo);
            try {
                c.ler();
                ADD_FAILURE() << "read without an error";
            } catch (const CDaoException& e) {
                ASSERT_TRUE(e.m_pErrorInfo);
                const std::string& texto = e.m_pErrorInfo->m_strDescription;
                EXPECT_NE(texto.find("'" + dir.File("t.zel") + "' está danificado"), std::string::npos) << texto;
                EXPECT_NE(texto.find(std::string("campo ") + c.campo + " tem o valor " + c.valor), std::string::npos)
                    << texto;
            }
        }
        if (linha == &primeira)
            damaged.MoveNext();
    }
    EXPECT_EQ(b, 7);
    EXPECT_EQ(y, 7);
    EXPECT_EQ(s, 7);
    EXPECT_EQ(l, 7);
    EXPECT_EQ(f, 7.0f);
    EXPECT_EQ(d, 7.0);
    EXPECT_EQ(dt.m_dt, 7.0);
}

// The earlier Windows programs wrote their texts in the code page cp1252; UTF-8 texts are read as they are.
TEST_F(TypedFields, TextThatIsNotUtf8IsReadAsTheWindowsCodePage)
{
    zeltest::RunSql(dir.File("t.zel"),
                    "INSERT INTO tipos(t) VALUES (CAST(X'496C756D696E61E7E36F2080' AS TEXT)),"
                    "('Iluminação €'),(CAST(X'93636F6D2061737061739420E0' AS TEXT));");
    CDaoRecordsetManual textos(&db, dbOpenSnapshot, "SELECT t, t || '' AS calculado FROM tipos WHERE rowid > 2");
    const char* esperado[] = {"Iluminação €", "Iluminação €", "\u201Ccom aspas\u201D à"};
    for (const char* e : esperado) {
        std::string t, calculado;
        textos.GetFieldString("t", t);
        textos.GetFieldString("calculado", calculado);
        EXPECT_EQ(t, e);
        EXPECT_EQ(calculado, e);
        textos.MoveNext();
    }
}

// A yes/no field holds -1 or 0 (1 from other tools); another number is damage, never read as yes.
TEST_F(TypedFields, AYesNoFieldHoldingAnotherNumberIsADataError)
{
    zeltest::RunSql(dir.File("t.zel"), "INSERT INTO tipos(b,t) VALUES (-1,'a'),(0,'b'),(1,'c'),(256,'d'),(-40000,'e'),"
                                       "(9223372036854775807,'f'),(2,'g')");
    CDaoRecordsetManual sn(&db, dbOpenSnapshot, "SELECT b FROM tipos WHERE t BETWEEN 'a' AND 'g' ORDER BY t");
    const std::vector<std::string> esperado = {"sim", "não", "sim", "256", "-40000", "9223372036854775807", "2"};
    for (const std::string& e : esperado) {
        SCOPED_TRACE(e);
        BOOL b = 7;
        try {
            sn.GetFieldBool("b", b);
            EXPECT_EQ(b, e == "sim" ? TRUE : FALSE);
            EXPECT_TRUE(e == "sim" || e == "não");
        } catch (const CDaoException& x) {
            ASSERT_TRUE(x.m_pErrorInfo);
            EXPECT_NE(x.m_pErrorInfo->m_strDescription.find("campo b tem o valor " + e + ", que não é um valor sim/não"),
                      std::string::npos)
                << x.m_pErrorInfo->m_strDescription;
            EXPECT_EQ(b, 7);
        }
        sn.MoveNext();
    }
}
