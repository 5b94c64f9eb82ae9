// The sample device library: every rating usable by the engine as it stands, and a deleted device
// (or rating) taking its rows with it.
#include "DataTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

using namespace zeldata;

// With factor 1.0 a breaker rating without all seven curve values stops the sizing, and the I2t checks
// need Ia < Im and points inside the magnetic range (the engine refines each segment from the first
// point on, so a point below Im would bend the magnetic segment).
TEST(DeviceLibrary, EveryBreakerRatingHasItsCurve)
{
    const std::vector<Row> ratings = Query(Catalogue(),
        "SELECT r.* FROM disjuntor_corrente_nominal r, dispositivo_protecao d WHERE r.dispositivo_protecao_codigo=d.dispositivo_protecao_codigo AND d.dispositivo_protecao_tensao>0");
    ASSERT_GE(ratings.size(), 20u);
    for (const Row& r : ratings) {
        const long device = r.Int("dispositivo_protecao_codigo"), in = r.Int("disjuntor_corrente_nominal");
        const std::string what = "device " + std::to_string(device) + " " + std::to_string(in) + " A";
        for (const char* c : {"disjuntor_corrente_minima_atuacao", "disjuntor_i2t_corrente_minima_atuacao", "disjuntor_limiar_atuacao_magnetica",
                              "disjuntor_i2t_termico_limiar_magnetico", "disjuntor_i2t_magnetico_limiar_magnetico", "disjuntor_corrente_capacidade",
                              "disjuntor_i2t_corrente_capacidade", "disjuntor_corrente_t5s", "disjuntor_corrente_ruptura", "disjuntor_alfa"})
            EXPECT_GT(r.Num(c), 0.0) << what << " " << c;
        const double ia = r.Num("disjuntor_corrente_minima_atuacao"), im = r.Num("disjuntor_limiar_atuacao_magnetica");
        const double icap = r.Num("disjuntor_corrente_capacidade");
        EXPECT_GT(ia, in) << what;
        EXPECT_GT(im, ia) << what;
        EXPECT_GT(icap, im) << what;
        EXPECT_GT(r.Num("disjuntor_i2t_termico_limiar_magnetico"), r.Num("disjuntor_i2t_magnetico_limiar_magnetico")) << what;
        EXPECT_GT(r.Num("disjuntor_i2t_corrente_capacidade"), r.Num("disjuntor_i2t_magnetico_limiar_magnetico")) << what;
        EXPECT_TRUE(SameSingle(r.Num("disjuntor_alfa") * in, ia)) << what << ": Ia is the conventional tripping current";

        const std::vector<Row> points = Query(Catalogue(), FormatC(
            "SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=%ld AND disjuntor_corrente_nominal=%ld", device, in));
        EXPECT_FALSE(points.empty()) << what;
        double lastI = im, lastI2t = r.Num("disjuntor_i2t_magnetico_limiar_magnetico");
        for (const Row& p : points) {
            EXPECT_GT(p.Num("disjuntor_corrente"), lastI) << what << ": points ascend above Im";
            EXPECT_GT(p.Num("disjuntor_i2t"), lastI2t) << what;
            lastI = p.Num("disjuntor_corrente");
            lastI2t = p.Num("disjuntor_i2t");
        }
        EXPECT_LE(lastI, icap) << what;
        EXPECT_LT(lastI2t, r.Num("disjuntor_i2t_corrente_capacidade")) << what;
    }
}

// The values the reference files give, taken as they stand.
TEST(DeviceLibrary, SampleValuesFollowTheirSources)
{
    std::map<std::string, std::pair<double, double>> ranges;
    for (const auto& row : ReadReference("devices/iec60898-1_mcb_faixas_disparo_instantaneo.csv").rows)
        ranges[row.at("curva")] = {Number(row.at("multiplo_In_min")), Number(row.at("multiplo_In_max"))};
    std::set<double> icn;
    for (const auto& row : ReadReference("devices/iec60898-1_mcb_capacidade_interrupcao_Icn.csv").rows)
        icn.insert(Number(row.at("Icn_A")));
    for (const auto& [device, curve] : {std::pair{1L, "B"}, std::pair{2L, "C"}}) {
        for (const Row& r : Query(Catalogue(), FormatC("SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=%ld", device))) {
            const double in = r.Num("disjuntor_corrente_nominal");
            EXPECT_GE(in, 6);
            EXPECT_LE(in, 63);
            EXPECT_TRUE(SameSingle(r.Num("disjuntor_alfa"), 1.45));
            EXPECT_TRUE(SameSingle(r.Num("disjuntor_corrente_minima_atuacao_magnetica"), ranges.at(curve).first * in)) << curve;
            EXPECT_TRUE(SameSingle(r.Num("disjuntor_limiar_atuacao_magnetica"), ranges.at(curve).second * in)) << curve;
            EXPECT_TRUE(icn.count(r.Num("disjuntor_corrente_ruptura"))) << "breaking capacity from the preferred values";
        }
    }
    for (const Row& r : Query(Catalogue(), "SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=3")) {
        EXPECT_GE(r.Num("disjuntor_corrente_nominal"), 100);
        EXPECT_LE(r.Num("disjuntor_corrente_nominal"), 250);
        EXPECT_TRUE(SameSingle(r.Num("disjuntor_alfa"), 1.30));
    }
    std::map<long, double> gate5;
    for (const auto& row : ReadReference("devices/iec60269-1_tab3_gG_gates.csv").rows)
        gate5[std::lround(Number(row.at("In_A")))] = Number(row.at("Imax_5s_A"));
    const std::vector<Row> fuses = Query(Catalogue(), "SELECT * FROM fusivel_corrente_nominal ORDER BY fusivel_corrente_nominal");
    ASSERT_FALSE(fuses.empty());
    EXPECT_EQ(fuses.front().Int("fusivel_corrente_nominal"), 2);
    EXPECT_EQ(fuses.back().Int("fusivel_corrente_nominal"), 630);
    for (const Row& f : fuses) {
        const long in = f.Int("fusivel_corrente_nominal");
        EXPECT_GT(f.Num("fusivel_alfa"), 0.0) << in;
        EXPECT_GT(f.Num("fusivel_corrente_t5s"), static_cast<double>(in)) << in;
        if (gate5.count(in)) {
            EXPECT_EQ(f.Num("fusivel_corrente_t5s"), gate5.at(in)) << in;
        }
        EXPECT_TRUE(SameSingle(f.Num("fusivel_alfa"), in >= 16 ? 1.6 : in > 4 ? 1.9 : 2.1)) << in;
    }
}

TEST(DeviceLibrary, EachDeviceIsABreakerOrAFuseWithUniqueRatings)
{
    for (const Row& d : Query(Catalogue(), "SELECT * FROM dispositivo_protecao")) {
        const long code = d.Int("dispositivo_protecao_codigo");
        const std::string name = d.Text("dispositivo_protecao_descricao");
        const auto characters = std::count_if(name.begin(), name.end(), [](char ch) { return (ch & 0xC0) != 0x80; });
        EXPECT_LE(characters, 30) << name << ": the editor takes 30 characters";
        EXPECT_NE(name.find("(amostra)"), std::string::npos) << name << " is sample data";
        const size_t breakers = Query(Catalogue(), FormatC("SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=%ld", code)).size();
        const size_t fuses = Query(Catalogue(), FormatC("SELECT * FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=%ld", code)).size();
        if (d.Num("dispositivo_protecao_tensao") > 0) {
            EXPECT_GT(breakers, 0u) << name;
            EXPECT_EQ(fuses, 0u) << name;
        } else {
            EXPECT_TRUE(d.values.at("dispositivo_protecao_tensao").IsNull()) << name;
            EXPECT_GT(fuses, 0u) << name;
            EXPECT_EQ(breakers, 0u) << name;
        }
    }
    // Ratings unique per device, points unique per rating, ratings stored in ascending order.
    EXPECT_TRUE(Query(Catalogue(), "SELECT dispositivo_protecao_codigo FROM disjuntor_corrente_nominal GROUP BY dispositivo_protecao_codigo, disjuntor_corrente_nominal HAVING COUNT(*)>1").empty());
    EXPECT_TRUE(Query(Catalogue(), "SELECT dispositivo_protecao_codigo FROM fusivel_corrente_nominal GROUP BY dispositivo_protecao_codigo, fusivel_corrente_nominal HAVING COUNT(*)>1").empty());
    EXPECT_TRUE(Query(Catalogue(), "SELECT dispositivo_protecao_codigo FROM disjuntor_pontos_curva GROUP BY dispositivo_protecao_codigo, disjuntor_corrente_nominal, disjuntor_corrente HAVING COUNT(*)>1").empty());
    for (const char* sql : {"SELECT dispositivo_protecao_codigo AS d, disjuntor_corrente_nominal AS i FROM disjuntor_corrente_nominal",
                            "SELECT dispositivo_protecao_codigo AS d, fusivel_corrente_nominal AS i FROM fusivel_corrente_nominal"}) {
        std::map<long, long> last;
        for (const Row& r : Query(Catalogue(), sql)) {
            EXPECT_GT(r.Int("i"), last[r.Int("d")]) << sql;
            last[r.Int("d")] = r.Int("i");
        }
    }
    // Points of no rating.
    EXPECT_TRUE(Query(Catalogue(), "SELECT * FROM disjuntor_pontos_curva p WHERE NOT EXISTS (SELECT 1 FROM disjuntor_corrente_nominal r WHERE r.dispositivo_protecao_codigo=p.dispositivo_protecao_codigo AND r.disjuntor_corrente_nominal=p.disjuntor_corrente_nominal)").empty());
}

namespace {

class DeviceLibraryCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(CataloguePath(), dir.File("ZelBt01.zel"));
        db.Open(dir.File("ZelBt01.zel"));
    }
    size_t Count(const std::string& sql) { return Query(db, sql).size(); }
    zeltest::TempDir dir;
    CDaoDatabase db;
};

}  // namespace

// Protdev's single delete takes the device's ratings and points with it; a new device that is given
// the freed code starts empty.
TEST_F(DeviceLibraryCopy, DeletingADeviceRemovesItsRatingsAndPoints)
{
    ASSERT_GT(Count("SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=1"), 0u);
    const size_t otherRatings = Count("SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=2");
    const size_t otherPoints = Count("SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=2");

    db.Execute("DELETE FROM dispositivo_protecao WHERE dispositivo_protecao_codigo=1", dbFailOnError);
    EXPECT_EQ(Count("SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=1"), 0u);
    EXPECT_EQ(Count("SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=1"), 0u);
    EXPECT_EQ(Count("SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=2"), otherRatings);
    EXPECT_EQ(Count("SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=2"), otherPoints);

    db.Execute("DELETE FROM dispositivo_protecao WHERE dispositivo_protecao_codigo=4", dbFailOnError);
    EXPECT_EQ(Count("SELECT * FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=4"), 0u);

    db.Execute("INSERT INTO dispositivo_protecao(dispositivo_protecao_codigo, dispositivo_protecao_descricao) VALUES(1,'Novo')", dbFailOnError);
    EXPECT_EQ(Count("SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=1"), 0u);
    EXPECT_EQ(Count("SELECT * FROM fusivel_corrente_nominal WHERE dispositivo_protecao_codigo=1"), 0u);
}

// Protdev's save rewrites a breaker by deleting its points and ratings and inserting them again; the
// statements run as written and a rating deleted alone takes its points.
TEST_F(DeviceLibraryCopy, ProtdevSaveStatementsRunAndARatingTakesItsPoints)
{
    db.Execute("DELETE FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=2 AND disjuntor_corrente_nominal=16", dbFailOnError);
    EXPECT_EQ(Count("SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=2 AND disjuntor_corrente_nominal=16"), 0u);
    EXPECT_GT(Count("SELECT * FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=2 AND disjuntor_corrente_nominal=20"), 0u);

    db.Execute("DELETE FROM disjuntor_pontos_curva WHERE dispositivo_protecao_codigo=2", dbFailOnError);
    db.Execute("DELETE FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=2", dbFailOnError);
    db.Execute(FormatC("INSERT INTO disjuntor_corrente_nominal(dispositivo_protecao_codigo, disjuntor_corrente_nominal, disjuntor_corrente_t5s, disjuntor_corrente_ruptura, disjuntor_alfa, disjuntor_corrente_minima_atuacao, disjuntor_i2t_corrente_minima_atuacao, disjuntor_limiar_atuacao_magnetica, disjuntor_i2t_termico_limiar_magnetico, disjuntor_i2t_magnetico_limiar_magnetico, disjuntor_corrente_capacidade, disjuntor_i2t_corrente_capacidade, disjuntor_corrente_minima_atuacao_magnetica) VALUES(%i,%i,%5.0f,%7.0f,%5.3f,%9.0f,%9.1f,%9.0f,%9.0f,%9.1f,%9.0f,%9.1f,%9.0f)",
                       2, 16, 160.0, 10000.0, 1.45, 23.2, 1937664.0, 160.0, 99878.4, 256.0, 10000.0, 1000000.0, 80.0), dbFailOnError);
    db.Execute(FormatC("INSERT INTO disjuntor_pontos_curva(dispositivo_protecao_codigo, disjuntor_corrente_nominal, disjuntor_corrente, disjuntor_i2t) VALUES(%i,%i,%8.1f,%9.0f)",
                       2, 16, 320.0, 1024.0), dbFailOnError);
    EXPECT_EQ(Count("SELECT * FROM disjuntor_corrente_nominal WHERE dispositivo_protecao_codigo=2"), 1u);
    // A duplicate rating is refused rather than stored twice.
    EXPECT_THROW(db.Execute("INSERT INTO disjuntor_corrente_nominal(dispositivo_protecao_codigo, disjuntor_corrente_nominal) VALUES(2,16)", dbFailOnError),
                 CDaoException);
    // The next-code query of the editor.
    EXPECT_EQ(Query(db, "SELECT MAX(dispositivo_protecao_codigo) AS codigo FROM dispositivo_protecao")[0].Int("codigo"), 4);
}
