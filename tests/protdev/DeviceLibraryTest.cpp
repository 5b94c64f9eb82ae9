// The library statements: codes, the order rows are written in, one transaction per save and delete.
#include "DeviceLibrary.h"
#include "LibraryFixture.h"

#include "DaoDatabase.h"
#include "DaoException.h"

#include <gtest/gtest.h>

using prottest::AllRows;
using prottest::DeviceRows;
using Rows = std::vector<std::string>;

namespace {

class ProtdevLibrary : public ::testing::Test {
protected:
    explicit ProtdevLibrary(const std::string& rows = prottest::kSampleRows) : fx(rows)
    {
        db.Open(fx.LibraryPath(), true);
    }
    prottest::ProtdevFixture fx;
    CDaoDatabase db;
};

class ProtdevEmptyLibrary : public ProtdevLibrary {
protected:
    ProtdevEmptyLibrary() : ProtdevLibrary("") {}
};

CDisjuntor_corrente Rating(short nominal, float t5s, float ruptura, float alfa)
{
    CDisjuntor_corrente c;
    c.m_nCorrenteNominal = nominal;
    c.m_fCorrenteT5s = t5s;
    c.m_fCorrenteRuptura = ruptura;
    c.m_fAlfa = alfa;
    return c;
}

CFusivel_corrente Fuse(short nominal, float t5s, float ruptura, float alfa)
{
    return {nominal, ruptura, t5s, alfa};
}

std::string Fill(const std::string& sql, int n)
{
    std::string out;
    for (int i = 1; i <= n; ++i)
        out += "INSERT INTO dispositivo_protecao VALUES (" + std::to_string(i) + ", 'd', NULL);";
    return out + sql;
}

}  // namespace

TEST_F(ProtdevEmptyLibrary, FirstCodeIsOneAndDeletingTheHighestGivesItsCodeAgain)
{
    EXPECT_EQ(devlib::NextDeviceCode(db), std::optional<BYTE>(1));
    BYTE a = 0, b = 0;
    ASSERT_TRUE(devlib::SaveFuse(db, true, a, "Fusível A", {Fuse(10, 47, 1000, 1.9f)}));
    ASSERT_TRUE(devlib::SaveFuse(db, true, b, "Fusível B", {Fuse(10, 47, 1000, 1.9f)}));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    devlib::DeleteDevice(db, b);
    EXPECT_EQ(devlib::NextDeviceCode(db), std::optional<BYTE>(2));
}

TEST_F(ProtdevEmptyLibrary, AFullByteOfCodesTakesAFreedCodeAndRefusesWhenNoneIsLeft)
{
    zeltest::RunSql(fx.LibraryPath(), Fill("", 255));
    EXPECT_EQ(devlib::NextDeviceCode(db), std::nullopt);
    BYTE code = 0;
    const Rows before = AllRows(fx.LibraryPath());
    EXPECT_FALSE(devlib::SaveBreaker(db, true, code, "Mais um", 220, {Rating(16, 160, 3000, 1.45f)}));
    EXPECT_FALSE(devlib::SaveFuse(db, true, code, "Mais um", {Fuse(16, 60, 3000, 1.6f)}));
    EXPECT_EQ(AllRows(fx.LibraryPath()), before);
    EXPECT_EQ(code, 0);

    devlib::DeleteDevice(db, 17);
    EXPECT_EQ(devlib::NextDeviceCode(db), std::optional<BYTE>(17));  // 255 is taken, 17 was freed
    ASSERT_TRUE(devlib::SaveFuse(db, true, code, "Reaproveitado", {Fuse(16, 60, 3000, 1.6f)}));
    EXPECT_EQ(code, 17);
}

TEST_F(ProtdevEmptyLibrary, NewBreakerWritesRatingsAndPointsSortedAndKeepsTheMagneticDecimals)
{
    CDisjuntor_corrente r100 = Rating(100, 1000, 10000, 1.3f);
    CDisjuntor_corrente r16 = Rating(16, 160, 3000, 1.45f);
    r16.m_fCorrenteMinimaAtuacao = 80.4f;          // "%9.0f": no decimals typed into this one
    r16.m_fI2tCorrenteMinimaAtuacao = 1234.6f;
    r16.m_fLimiarAtuacaoMagnetica = 1234.6f;
    r16.m_fI2tTermicoLimiarMagnetico = 2500.5f;
    r16.m_fI2tMagneticoLimiarMagnetico = 1800.5f;
    r16.m_fCorrenteCapacidade = 3000.5f;
    r16.m_fI2tCorrenteCapacidade = 9000.5f;
    r16.m_fCorrenteMinimaAtuacaoMagnetica = 90.5f;
    r16.m_pontos = {{1000, 2500}, {100, 5000}, {500, 3000.4f}};
    const CDisjuntor_corrente r25 = Rating(25, 250, 3000, 1.45f);

    BYTE code = 0;
    ASSERT_TRUE(devlib::SaveBreaker(db, true, code, "Disjuntor d'água", 220, {r16, r100, r25}));
    EXPECT_EQ(code, 1);
    EXPECT_EQ(DeviceRows(fx.LibraryPath(), 1),
              (Rows{"D|1|Disjuntor d'água|220",
                    "B|1|16|160|3000|1.45|80|1234.6|1234.6|2500.5|1800.5|3000.5|9000.5|90.5",
                    "B|1|25|250|3000|1.45|0|0|0|0|0|0|0|0",
                    "B|1|100|1000|10000|1.3|0|0|0|0|0|0|0|0",
                    "P|1|16|100|5000", "P|1|16|500|3000", "P|1|16|1000|2500"}));

    std::string descricao;
    short tensao = -1;
    ASSERT_TRUE(devlib::LoadDevice(db, 1, descricao, tensao));
    EXPECT_EQ(descricao, "Disjuntor d'água");
    EXPECT_EQ(tensao, 220);
}

TEST_F(ProtdevLibrary, SavingAnExistingBreakerReplacesItsRatingsAndPointsOnly)
{
    std::vector<CDisjuntor_corrente> loaded;
    devlib::LoadBreakerRatings(db, 1, loaded);
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0].m_nCorrenteNominal, 16);
    ASSERT_EQ(loaded[0].m_pontos.size(), 2u);
    EXPECT_FLOAT_EQ(loaded[0].m_pontos[1].m_fCorrente, 1000);
    EXPECT_FLOAT_EQ(loaded[0].m_fI2tCorrenteMinimaAtuacao, 1200.5f);

    loaded.erase(loaded.begin() + 1);
    loaded[0].m_pontos.push_back({50, 9000});
    const Rows others = DeviceRows(fx.LibraryPath(), 2);
    BYTE code = 1;
    ASSERT_TRUE(devlib::SaveBreaker(db, false, code, "Curva C", 230, loaded));
    EXPECT_EQ(code, 1);
    EXPECT_EQ(DeviceRows(fx.LibraryPath(), 1),
              (Rows{"D|1|Curva C|230",
                    "B|1|16|160|3000|1.45|80|1200.5|160|2500|1800.5|3000|9000.5|90",
                    "P|1|16|50|9000", "P|1|16|100|5000", "P|1|16|1000|2500"}));
    EXPECT_EQ(DeviceRows(fx.LibraryPath(), 2), others);
}

TEST_F(ProtdevLibrary, FuseRatingsTypedOutOfOrderAreWrittenAscendingAndTheFuseHasNoVoltage)
{
    BYTE code = 0;
    ASSERT_TRUE(devlib::SaveFuse(db, true, code, "gG 500 V",
                                 {Fuse(63, 320, 50000, 1.6f), Fuse(6, 20, 50000, 1.9f), Fuse(125, 700, 50000, 1.6f)}));
    EXPECT_EQ(code, 5);
    EXPECT_EQ(DeviceRows(fx.LibraryPath(), 5),
              (Rows{"D|5|gG 500 V|NULL", "F|5|6|20|50000|1.9", "F|5|63|320|50000|1.6",
                    "F|5|125|700|50000|1.6"}));
    std::string descricao;
    short tensao = -1;
    ASSERT_TRUE(devlib::LoadDevice(db, 5, descricao, tensao));
    EXPECT_EQ(tensao, 0);  // Null reads as 0: a fuse

    std::vector<CFusivel_corrente> loaded;
    devlib::LoadFuseRatings(db, 4, loaded);
    ASSERT_EQ(loaded.size(), 2u);
    const CFusivel_corrente& r10 = loaded[0].m_nCorrenteNominal == 10 ? loaded[0] : loaded[1];
    EXPECT_EQ(r10.m_nCorrenteNominal, 10);
    EXPECT_FLOAT_EQ(r10.m_fCorrenteT5s, 47);
    EXPECT_FLOAT_EQ(r10.m_fCorrenteRuptura, 100000);
    EXPECT_FLOAT_EQ(r10.m_fAlfa, 1.9f);
}

TEST_F(ProtdevLibrary, DeletingADeviceTakesItsRatingsAndPointsAndANewDeviceInheritsNoOrphans)
{
    devlib::DeleteDevice(db, 1);
    EXPECT_TRUE(DeviceRows(fx.LibraryPath(), 1).empty());
    devlib::DeleteDevice(db, 4);
    EXPECT_TRUE(DeviceRows(fx.LibraryPath(), 4).empty());
    EXPECT_EQ(DeviceRows(fx.LibraryPath(), 2).size(), 2u);

    // Rows an older editor left behind under a free code.
    zeltest::RunSql(fx.LibraryPath(),
                    "INSERT INTO fusivel_corrente_nominal VALUES (4, 99, 1, 1, 1);"
                    "INSERT INTO disjuntor_pontos_curva VALUES (4, 99, 1, 1);");
    BYTE code = 0;
    ASSERT_TRUE(devlib::SaveBreaker(db, true, code, "Novo", 127, {Rating(10, 100, 3000, 1.45f)}));
    EXPECT_EQ(code, 4);
    EXPECT_EQ(DeviceRows(fx.LibraryPath(), 4),
              (Rows{"D|4|Novo|127", "B|4|10|100|3000|1.45|0|0|0|0|0|0|0|0"}));
}

TEST_F(ProtdevLibrary, ASaveFailingPartWayLeavesTheLibraryAsItWasAndARetryKeepsTheCode)
{
    zeltest::RunSql(fx.LibraryPath(),
                    "CREATE TRIGGER falha BEFORE INSERT ON disjuntor_pontos_curva WHEN NEW.disjuntor_corrente = 777 "
                    "BEGIN SELECT RAISE(ABORT, 'falha simulada'); END;");
    const Rows before = AllRows(fx.LibraryPath());

    CDisjuntor_corrente r = Rating(40, 400, 6000, 1.45f);
    r.m_pontos = {{100, 1}, {777, 2}};
    BYTE code = 0;
    EXPECT_THROW(devlib::SaveBreaker(db, true, code, "Novo", 220, {Rating(32, 320, 6000, 1.45f), r}), CDaoException);
    EXPECT_EQ(AllRows(fx.LibraryPath()), before);
    EXPECT_EQ(code, 5);

    // An existing breaker: its rows were deleted and partly re-inserted before the failure.
    std::vector<CDisjuntor_corrente> loaded;
    devlib::LoadBreakerRatings(db, 1, loaded);
    loaded[1].m_pontos = {{777, 3}};
    BYTE existing = 1;
    EXPECT_THROW(devlib::SaveBreaker(db, false, existing, "Alterado", 220, loaded), CDaoException);
    EXPECT_EQ(AllRows(fx.LibraryPath()), before);

    zeltest::RunSql(fx.LibraryPath(), "DROP TRIGGER falha;");
    ASSERT_TRUE(devlib::SaveBreaker(db, true, code, "Novo", 220, {Rating(32, 320, 6000, 1.45f), r}));
    EXPECT_EQ(code, 5);
    EXPECT_EQ(DeviceRows(fx.LibraryPath(), 5).size(), 5u);
    EXPECT_EQ(devlib::NextDeviceCode(db), std::optional<BYTE>(6));
}

TEST_F(ProtdevLibrary, AFailedLoadKeepsWhatWasReadBeforeIt)
{
    zeltest::RunSql(fx.LibraryPath(), "DROP TABLE disjuntor_pontos_curva;");
    std::vector<CDisjuntor_corrente> loaded;
    EXPECT_THROW(devlib::LoadBreakerRatings(db, 1, loaded), CDaoException);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].m_nCorrenteNominal, 16);
}

TEST_F(ProtdevLibrary, AColumnOfAnotherTypeFailsAsABindingError)
{
    zeltest::MakeDatabase(fx.dir.File("outro.zel"),
                          "CREATE TABLE fusivel_corrente_nominal (dispositivo_protecao_codigo BYTE,"
                          " fusivel_corrente_nominal SINGLE, fusivel_corrente_t5s SINGLE,"
                          " fusivel_corrente_ruptura SINGLE, fusivel_alfa SINGLE);"
                          "INSERT INTO fusivel_corrente_nominal VALUES (1, 10, 1, 1, 1);");
    CDaoDatabase other;
    other.Open(fx.dir.File("outro.zel"));
    std::vector<CFusivel_corrente> loaded;
    try {
        devlib::LoadFuseRatings(other, 1, loaded);
        FAIL() << "no binding error";
    } catch (CDaoException& e) {
        EXPECT_EQ(e.m_nAfxDaoError, AFX_DAO_ERROR_DFX_BIND);
        EXPECT_EQ(e.m_pErrorInfo, nullptr);
    }
}
