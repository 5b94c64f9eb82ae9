// Every value the catalogue carries against the standard's table it comes from, cell by cell, read
// from the reference files at run time; derived values against the rule their source line states.
#include "DataTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>

using namespace zeldata;

namespace {

std::string Sec(double s) { return FormatC("%6.2f", s); }

// Loaded conductors and arrangement of a reference column name such as "F_3_unipolar_trifolio".
int LoadedOf(const std::string& column) { return std::stoi(column.substr(column.find('_') + 1)); }

struct CapacityTable {
    int nbr = 0;
    std::string material, column, method;
    int loaded = 0;
    double factor = 0;
    std::map<std::string, double> rows;  // section "%6.2f" -> capacity
};

std::map<int, CapacityTable> CatalogueCapacity()
{
    std::map<int, CapacityTable> tables;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM capacidade_corrente_origem")) {
        CapacityTable& t = tables[r.Int("capacidade_corrente_tabela")];
        t.nbr = r.Int("origem_tabela_nbr");
        t.material = r.Text("origem_material");
        t.column = r.Text("origem_coluna");
        t.method = r.Text("origem_metodo");
        t.loaded = r.Int("origem_condutores_carregados");
        t.factor = r.Num("origem_fator");
    }
    for (const Row& r : Query(Catalogue(), "SELECT * FROM capacidade_corrente"))
        tables[r.Int("capacidade_corrente_tabela")].rows[Sec(r.Num("secao_nominal"))] = r.Num("capacidade_corrente_capacidade");
    return tables;
}

const std::vector<std::pair<int, std::string>> kAmpacityFiles = {
    {36, "nbr5410/nbr5410_t36_ampacity_A1-D.csv"},
    {37, "nbr5410/nbr5410_t37_ampacity_A1-D.csv"},
    {38, "nbr5410/nbr5410_t38_ampacity_E-G.csv"},
    {39, "nbr5410/nbr5410_t39_ampacity_E-G.csv"},
};

}  // namespace

// Every cell of Tabelas 36 to 39, for both materials, is in exactly one capacity table of factor 1,
// and that table holds nothing else; the 4-loaded tables are 0.86 times their 3-loaded column.
TEST(CatalogueValues, CapacityEqualsTabelas36To39)
{
    const std::map<int, CapacityTable> tables = CatalogueCapacity();
    std::set<int> matched;
    size_t cells = 0;
    for (const auto& [nbr, file] : kAmpacityFiles) {
        const CsvTable ref = ReadReference(file);
        for (const std::string& column : ref.header) {
            if (column == "section_mm2" || column == "material")
                continue;
            for (const std::string material : {"cu", "al"}) {
                std::map<std::string, double> expected;
                for (const auto& row : ref.rows)
                    if (row.at("material") == material && !row.at(column).empty())
                        expected[Sec(Number(row.at("section_mm2")))] = Number(row.at(column));
                ASSERT_FALSE(expected.empty()) << nbr << " " << column << " " << material;
                cells += expected.size();
                for (const double factor : {1.0, 0.86}) {
                    const int loaded = factor == 1.0 ? LoadedOf(column) : 4;
                    if (factor != 1.0 && LoadedOf(column) != 3)
                        continue;
                    int found = 0;
                    for (const auto& [code, t] : tables) {
                        if (t.nbr != nbr || t.material != material || t.column != column || t.loaded != loaded)
                            continue;
                        ++found;
                        matched.insert(code);
                        EXPECT_TRUE(SameSingle(t.factor, factor)) << code;
                        EXPECT_EQ(t.method, column.substr(0, column.find('_'))) << code;
                        ASSERT_EQ(t.rows.size(), expected.size()) << "table " << code << " (" << column << ")";
                        for (const auto& [sec, value] : expected) {
                            ASSERT_TRUE(t.rows.count(sec)) << "table " << code << " section " << sec;
                            const double want = factor == 1.0 ? value : std::round(value * factor * 100) / 100;
                            EXPECT_TRUE(SameSingle(t.rows.at(sec), want))
                                << "Tabela " << nbr << " " << column << " " << material << " " << sec << ": "
                                << t.rows.at(sec) << " != " << want;
                        }
                    }
                    EXPECT_EQ(found, 1) << "Tabela " << nbr << " " << column << " " << material << " loaded " << loaded;
                }
            }
        }
    }
    EXPECT_GT(cells, 1400u);
    // No table without a source column, no source description without rows.
    for (const auto& [code, t] : tables) {
        EXPECT_TRUE(matched.count(code)) << "capacity table " << code << " has no source column";
        EXPECT_FALSE(t.rows.empty()) << code;
    }
}

// The sizing walks a table from its largest section down and stops at the first that is too small,
// so capacities must never fall as the section grows.
TEST(CatalogueValues, CapacityGrowsWithSection)
{
    std::map<int, std::vector<std::pair<double, double>>> tables;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM capacidade_corrente ORDER BY capacidade_corrente_tabela, secao_nominal"))
        tables[r.Int("capacidade_corrente_tabela")].push_back({r.Num("secao_nominal"), r.Num("capacidade_corrente_capacidade")});
    for (const auto& [code, rows] : tables)
        for (size_t i = 1; i < rows.size(); ++i)
            EXPECT_GE(rows[i].second, rows[i - 1].second) << "table " << code << " at " << rows[i].first << " mm2";
}

TEST(CatalogueValues, TemperatureFactorsEqualTabela40)
{
    std::map<std::tuple<long, long, long>, double> catalogue;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM fator_correcao_temperatura"))
        catalogue[{r.Int("tipo_correcao_temperatura_codigo"), r.Int("tipo_isolacao_codigo"), r.Int("temperatura_ambiente")}] =
            r.Num("fator_correcao_temperatura_fator");
    size_t cells = 0;
    for (const auto& row : ReadReference("nbr5410/nbr5410_t40_temperature_correction.csv").rows) {
        const long kind = row.at("environment") == "ambiente" ? 1 : 2;
        const long temperature = std::lround(Number(row.at("temperature_C")));
        for (const auto& [insulation, column] : {std::pair{1L, "PVC"}, std::pair{2L, "EPR_XLPE"}}) {
            const auto key = std::make_tuple(kind, insulation, temperature);
            if (row.at(column).empty()) {
                EXPECT_FALSE(catalogue.count(key)) << column << " " << temperature << " is not allowed";
                continue;
            }
            ++cells;
            ASSERT_TRUE(catalogue.count(key)) << row.at("environment") << " " << column << " " << temperature;
            EXPECT_TRUE(SameSingle(catalogue.at(key), Number(row.at(column))));
        }
    }
    EXPECT_EQ(catalogue.size(), cells);
    // The references of Tabela 40: 30 C in air, 20 C in soil.
    EXPECT_DOUBLE_EQ(catalogue.at({1, 1, 30}), 1.0);
    EXPECT_DOUBLE_EQ(catalogue.at({2, 2, 20}), 1.0);
}

TEST(CatalogueValues, ResistivityEqualsTabela41)
{
    std::map<std::string, double> catalogue;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM resistividade_termica"))
        catalogue[FormatC("%3.1f", r.Num("resistividade_termica_valor"))] = r.Num("resistividade_termica_fator");
    const CsvTable ref = ReadReference("nbr5410/nbr5410_t41_soil_resistivity_correction.csv");
    ASSERT_EQ(catalogue.size(), ref.rows.size());
    for (const auto& row : ref.rows) {
        const std::string key = FormatC("%3.1f", Number(row.at("soil_thermal_resistivity_K_m_per_W")));
        ASSERT_TRUE(catalogue.count(key)) << key;
        EXPECT_TRUE(SameSingle(catalogue.at(key), Number(row.at("factor")))) << key;
    }
    EXPECT_TRUE(catalogue.count("2.5")) << "the dialog's default resistivity";
}

namespace {

// The reference cell a grouping row names, or NaN when it names none.
double GroupingCell(long nbr, const std::string& line, const std::string& column)
{
    if (nbr == 42) {
        for (const auto& row : ReadReference("nbr5410/nbr5410_t42_grouping_bundled_single_layer.csv").rows)
            if ("ref " + row.at("ref") == line)
                return Number(row.at(column));
    } else if (nbr == 43) {
        for (const auto& row : ReadReference("nbr5410/nbr5410_t43_grouping_multilayer.csv").rows)
            if ("camadas " + row.at("layers") == line)
                return Number(row.at(column));
    } else if (nbr == 44) {
        for (const auto& row : ReadReference("nbr5410/nbr5410_t44_grouping_direct_buried.csv").rows)
            if ("circuitos " + row.at("circuits") == line)
                return Number(row.at(column));
    } else if (nbr == 45) {
        for (const auto& row : ReadReference("nbr5410/nbr5410_t45_grouping_buried_conduits.csv").rows)
            if (row.at("cable_arrangement") + " circuitos " + row.at("circuits") == line)
                return Number(row.at(column));
    }
    return std::nan("");
}

}  // namespace

// Each grouping factor is the cell its row names (times the Tabela 41 factor it takes in, for method D),
// and every cell of Tabelas 42 to 45 is used at the reference resistivity.
TEST(CatalogueValues, GroupingFactorsEqualTabelas42To45)
{
    std::map<std::string, double> soil;
    for (const auto& row : ReadReference("nbr5410/nbr5410_t41_soil_resistivity_correction.csv").rows)
        soil[FormatC("%3.1f", Number(row.at("soil_thermal_resistivity_K_m_per_W")))] = Number(row.at("factor"));

    std::set<std::tuple<long, std::string, std::string>> usedAtReference;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM referencia_agrupamento")) {
        const long nbr = r.Int("origem_tabela_nbr");
        const double resistivity = r.Num("origem_resistividade_solo");
        const double soilFactor = resistivity > 0 ? soil.at(FormatC("%3.1f", resistivity)) : 1.0;
        const std::string where = "node " + std::to_string(r.Int("referencia_agrupamento_codigo")) + " answer " +
                                  std::to_string(r.Int("tabela_selecao_sequencial"));
        if (nbr == 0) {
            // A branching row, or a single circuit (no reduction, only the soil factor).
            if (r.Int("referencia_agrupamento_proximo_codigo") == 0) {
                EXPECT_TRUE(SameSingle(r.Num("referencia_agrupamento_fator"), soilFactor)) << where;
            }
            continue;
        }
        EXPECT_EQ(r.Int("referencia_agrupamento_proximo_codigo"), 0) << where;
        const double cell = GroupingCell(nbr, r.Text("origem_linha"), r.Text("origem_coluna"));
        ASSERT_FALSE(std::isnan(cell)) << where << ": no cell " << nbr << " " << r.Text("origem_linha") << " "
                                       << r.Text("origem_coluna");
        EXPECT_NEAR(r.Num("referencia_agrupamento_fator"), cell * soilFactor, 5e-5) << where;
        if (soilFactor == 1.0)
            usedAtReference.insert({nbr, r.Text("origem_linha"), r.Text("origem_coluna")});
    }

    size_t cells = 0;
    for (const auto& row : ReadReference("nbr5410/nbr5410_t42_grouping_bundled_single_layer.csv").rows)
        for (const std::string c : {"n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9_11", "n12_15", "n16_19", "n20_plus"}) {
            ++cells;
            EXPECT_TRUE(usedAtReference.count({42, "ref " + row.at("ref"), c})) << "Tabela 42 ref " << row.at("ref") << " " << c;
        }
    for (const auto& row : ReadReference("nbr5410/nbr5410_t43_grouping_multilayer.csv").rows)
        for (const std::string c : {"per_layer_2", "per_layer_3", "per_layer_4_5", "per_layer_6_8", "per_layer_9_plus"}) {
            ++cells;
            EXPECT_TRUE(usedAtReference.count({43, "camadas " + row.at("layers"), c})) << "Tabela 43 " << row.at("layers") << " " << c;
        }
    const CsvTable t44 = ReadReference("nbr5410/nbr5410_t44_grouping_direct_buried.csv");
    for (const auto& row : t44.rows)
        for (const std::string& c : t44.header)
            if (c != "circuits") {
                ++cells;
                EXPECT_TRUE(usedAtReference.count({44, "circuitos " + row.at("circuits"), c})) << "Tabela 44 " << c;
            }
    const CsvTable t45 = ReadReference("nbr5410/nbr5410_t45_grouping_buried_conduits.csv");
    for (const auto& row : t45.rows)
        for (const std::string& c : t45.header)
            if (c != "circuits" && c != "cable_arrangement") {
                ++cells;
                EXPECT_TRUE(usedAtReference.count({45, row.at("cable_arrangement") + " circuitos " + row.at("circuits"), c}))
                    << "Tabela 45 " << row.at("cable_arrangement") << " " << c;
            }
    EXPECT_EQ(usedAtReference.size(), cells);
}

// Tabela 42 gives one factor per band of circuit counts (9 to 11, 12 to 15, ...): each count node holds
// every count, so that a count inside a band never takes the type-3 "beyond the table" path.
TEST(CatalogueValues, CountNodesHoldEveryCountOfTheirQuestion)
{
    std::map<long, long> answers;
    for (const Row& r : Query(Catalogue(), "SELECT tabela_selecao_codigo, MAX(tabela_selecao_sequencial) AS n FROM tabela_selecao GROUP BY tabela_selecao_codigo"))
        answers[r.Int("tabela_selecao_codigo")] = r.Int("n");
    for (const Row& node : Query(Catalogue(), "SELECT * FROM referencias_agrupamento WHERE referencia_agrupamento_tipo_codigo=3")) {
        const long code = node.Int("referencia_agrupamento_codigo");
        std::set<long> seqs;
        for (const Row& r : Query(Catalogue(), FormatC("SELECT tabela_selecao_sequencial FROM referencia_agrupamento WHERE referencia_agrupamento_codigo=%ld", code)))
            seqs.insert(r.Int("tabela_selecao_sequencial"));
        for (long k = 1; k <= answers.at(node.Int("tabela_selecao_codigo")); ++k)
            EXPECT_TRUE(seqs.count(k)) << "node " << code << " lacks count " << k;
    }
}

// secao: the nominal series of the capacity tables, neutral by Tabela 48, protective conductor by Tabela 58.
TEST(CatalogueValues, NeutralAndProtectiveSectionsFollowTabelas48And58)
{
    std::set<std::string> series;
    for (const auto& row : ReadReference("nbr5410/nbr5410_t36_ampacity_A1-D.csv").rows)
        series.insert(Sec(Number(row.at("section_mm2"))));
    std::vector<double> nominal;
    for (const Row& r : Query(Catalogue(), "SELECT secao_nominal FROM secao ORDER BY secao_nominal"))
        nominal.push_back(r.Num("secao_nominal"));
    ASSERT_EQ(nominal.size(), series.size());
    for (double s : nominal)
        EXPECT_TRUE(series.count(Sec(s))) << s;

    std::map<std::string, double> reduced;
    double equalUpTo = 0;
    for (const auto& row : ReadReference("nbr5410/nbr5410_t48_reduced_neutral.csv").rows) {
        const std::string& phase = row.at("secao_fase_mm2");
        if (phase.rfind("S<=", 0) == 0)
            equalUpTo = Number(phase.substr(3));
        else
            reduced[Sec(Number(phase))] = Number(row.at("secao_neutro_reduzida_mm2"));
    }
    ASSERT_EQ(equalUpTo, 25.0);
    for (const Row& r : Query(Catalogue(), "SELECT * FROM secao")) {
        const double s = r.Num("secao_nominal");
        const double neutral = r.Num("secao_nominal_neutro");
        if (s <= equalUpTo) {
            EXPECT_EQ(neutral, s) << s;
        } else if (reduced.count(Sec(s))) {
            EXPECT_EQ(neutral, reduced.at(Sec(s))) << s;
        } else {
            EXPECT_EQ(neutral, s) << s << ": above Tabela 48 the neutral is not reduced";
        }

        const double pe = r.Num("secao_nominal_protecao");
        if (s <= 16) {
            EXPECT_EQ(pe, s);
        } else if (s <= 35) {
            EXPECT_EQ(pe, 16.0) << s;
        }
        else {
            const double wanted = *std::find_if(nominal.begin(), nominal.end(), [&](double x) { return x >= s / 2; });
            EXPECT_EQ(pe, wanted) << s;
        }
    }
    // The tie of 6.4.3.1.3 at 120 mm2 (S/2 = 60 between 50 and 70) goes up.
    EXPECT_EQ(Query(Catalogue(), "SELECT secao_nominal_protecao FROM secao WHERE secao_nominal=120.00")[0].Num("secao_nominal_protecao"), 70.0);
}

TEST(CatalogueValues, HarmonicFactorsEqualAnexoF)
{
    const CsvTable ref = ReadReference("nbr5410/nbr5410_annexF_tF1_neutral_current_factor.csv");
    const std::vector<Row> rows = Query(Catalogue(), "SELECT * FROM harmonica ORDER BY harmonica_conteudo");
    ASSERT_EQ(rows.size(), ref.rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& band = ref.rows[i];
        EXPECT_EQ(rows[i].Int("harmonica_conteudo"), band.at("h3_max_pct").empty() ? 100 : std::lround(Number(band.at("h3_max_pct"))));
        EXPECT_DOUBLE_EQ(rows[i].Num("monofasico"), Number(band.at("fh_duas_fases_com_neutro")));
        EXPECT_DOUBLE_EQ(rows[i].Num("trifasico"), Number(band.at("fh_trifasico_com_neutro")));
    }
    // A content of 33 % (the first the engine looks up) and of 100 % both find a row.
    EXPECT_EQ(rows.front().Int("harmonica_conteudo"), 35);
    EXPECT_EQ(rows.back().Int("harmonica_conteudo"), 100);
}

// Copper at 70 C touching is the reference table itself; the rest follows the rules of the data source.
TEST(CatalogueValues, ResistanceAndReactanceFollowTheirSources)
{
    std::map<std::string, std::pair<double, double>> cu70;
    for (const auto& row : ReadReference("nbr5410/cable_cu_resistance_reactance_per_km.csv").rows)
        cu70[Sec(Number(row.at("section_mm2")))] = {Number(row.at("R_ac_70C_ohm_per_km")), Number(row.at("X_L_ohm_per_km"))};
    std::map<std::pair<std::string, std::string>, double> r20;
    for (const auto& row : ReadReference("nbr5410/iec60228_conductor_resistance_20C.csv").rows)
        r20[{row.at("material"), Sec(Number(row.at("section_mm2")))}] = Number(row.at("R20_max_ohm_per_km"));
    const std::map<std::string, double> alpha = {{"cu", 0.00393}, {"al", 0.00403}};
    const double w = 2 * M_PI * 60 * 2e-7 * 1000;
    const std::map<long, double> dx = {{1, 0.0}, {2, w * std::log(std::cbrt(2.0))}, {3, w * std::log(2 * std::cbrt(2.0))}};

    std::map<std::string, std::set<std::string>> capacitySections;  // material -> sections of its capacity tables
    for (const Row& r : Query(Catalogue(), "SELECT DISTINCT o.origem_material, c.secao_nominal FROM capacidade_corrente c, capacidade_corrente_origem o WHERE c.capacidade_corrente_tabela=o.capacidade_corrente_tabela"))
        capacitySections[r.Text("origem_material")].insert(Sec(r.Num("secao_nominal")));

    const std::vector<Row> origins = Query(Catalogue(), "SELECT * FROM queda_tensao_origem");
    ASSERT_EQ(origins.size(), 12u);
    for (const Row& o : origins) {
        const long code = o.Int("queda_tensao_tabela");
        const std::string material = o.Text("origem_material");
        const double theta = o.Num("origem_temperatura_condutor");
        const long layout = o.Int("origem_disposicao");
        std::set<std::string> sections;
        double previousR = 1e9;
        for (const Row& r : Query(Catalogue(), FormatC("SELECT * FROM queda_tensao WHERE queda_tensao_tabela=%ld ORDER BY secao_nominal", code))) {
            const std::string sec = Sec(r.Num("secao_nominal"));
            sections.insert(sec);
            const double R = r.Num("queda_tensao_rca");
            const double X = r.Num("queda_tensao_xl");
            EXPECT_LT(R, previousR) << "table " << code << " " << sec;
            previousR = R;
            double wantR, baseX;
            if (material == "cu" && cu70.count(sec)) {
                wantR = cu70[sec].first * (theta == 70 ? 1.0 : (1 + alpha.at("cu") * (theta - 20)) / (1 + alpha.at("cu") * 50));
                baseX = cu70[sec].second;
            } else {
                wantR = r20.at({material, sec}) * (1 + alpha.at(material) * (theta - 20));
                baseX = cu70.count(sec) ? cu70[sec].second : cu70.at(Sec(1.5)).second;
            }
            if (material == "cu" && theta == 70 && cu70.count(sec))
                EXPECT_TRUE(SameSingle(R, wantR)) << "table " << code << " " << sec;  // as the reference prints it
            else {
                EXPECT_NEAR(R, wantR, 5e-4 * wantR) << "table " << code << " " << sec;
            }
            EXPECT_NEAR(X, baseX + dx.at(layout), 5.1e-5) << "table " << code << " " << sec;
        }
        EXPECT_EQ(sections, capacitySections[material]) << "drop table " << code << " must hold every section of the capacity tables of " << material;
    }
}

// k of Tabela 30 by material, insulation and the range of sections the cable type covers.
TEST(CatalogueValues, CableConstantsFollowTabela30)
{
    const CsvTable t30 = ReadReference("nbr5410/nbr5410_t30_k_phase_conductors.csv");
    auto k = [&](const std::string& material, long insulation, double largest) {
        const std::string m = material == "cu" ? "cobre" : "aluminio";
        const std::string ins = insulation == 1 ? "PVC" : "EPR/XLPE";
        for (const auto& row : t30.rows) {
            if (row.at("material") != m || row.at("insulation") != ins)
                continue;
            const std::string& range = row.at("section_range");
            if (range == "all" || (range == "<=300 mm2" && largest <= 300) || (range == ">300 mm2" && largest > 300))
                return Number(row.at("k_A_sqrt_s_per_mm2"));
        }
        return 0.0;
    };
    const std::vector<Row> cables = Query(Catalogue(), "SELECT * FROM cabo");
    ASSERT_FALSE(cables.empty());
    for (const Row& c : cables) {
        const double largest = c.Num("secao_nominal");
        EXPECT_EQ(c.Num("cabo_constante_curto_circuito"), k(c.Text("cabo_material"), c.Int("tipo_isolacao_codigo"), largest))
            << c.Text("cabo_descricao");
        EXPECT_EQ(c.Num("cabo_constante_i2t_x"), 0.0);
        EXPECT_EQ(c.Num("cabo_constante_i2t_y"), 0.0);
        EXPECT_TRUE(c.Int("VEIAS") == 1 || c.Int("VEIAS") == 3) << c.Text("cabo_descricao");
        EXPECT_EQ(Query(Catalogue(), FormatC("SELECT secao_nominal FROM secao WHERE secao_nominal=%6.2f", largest)).size(), 1u)
            << c.Text("cabo_descricao") << ": largest section not nominal";
    }
}

TEST(CatalogueValues, MinimumSectionsEqualTabela47)
{
    std::multiset<std::string> expected;
    for (const auto& row : ReadReference("nbr5410/nbr5410_t47_minimum_sections.csv").rows)
        for (const std::string column : {"secao_minima_cu_mm2", "secao_minima_al_mm2"})
            if (!row.at(column).empty())
                expected.insert(Sec(Number(row.at(column))));
    std::multiset<std::string> catalogue;
    for (const Row& r : Query(Catalogue(), "SELECT * FROM secao_minima"))
        catalogue.insert(Sec(r.Num("secao_minima_valor")));
    EXPECT_EQ(catalogue, expected);
}

// The codes carry the engine's neutral rule; each row's flags must agree with what its code means.
TEST(CatalogueValues, SystemsAgreeWithTheNeutralRule)
{
    const std::set<long> neutralEqualsPhase = {1, 6}, noNeutral = {2, 4, 7, 11}, neverReduced = {3}, reduced = {5, 9, 10};
    const std::vector<Row> systems = Query(Catalogue(), "SELECT * FROM sistema");
    ASSERT_EQ(systems.size(), 10u);
    for (const Row& s : systems) {
        const long code = s.Int("sistema_codigo");
        const long type = s.Int("sistema_tipo_codigo");
        const bool hasNeutral = s.Int("sistema_tensao_fase_neutro") != 0;
        const std::string name = s.Text("sistema_descricao");
        ASSERT_TRUE(neutralEqualsPhase.count(code) || noNeutral.count(code) || neverReduced.count(code) || reduced.count(code)) << code;
        EXPECT_EQ(hasNeutral, !noNeutral.count(code)) << name;
        if (neverReduced.count(code) || reduced.count(code)) {
            EXPECT_EQ(type, 3) << name;
            EXPECT_NE(s.Int("sistema_neutro_tabelado"), 0) << name;
        }
        if (noNeutral.count(code) || code == 1) {
            EXPECT_EQ(s.Int("sistema_neutro_tabelado"), 0) << name;
        }
        EXPECT_EQ(type == 2, code == 2) << name;
        // Three-phase currents on the phase-phase voltage: I = S / (sqrt(3) U).
        EXPECT_DOUBLE_EQ(s.Num("sistema_fator_calculo_demanda"), type == 3 ? 3.0 : 1.0) << name;
        if (type == 3) {
            EXPECT_NE(s.Int("sistema_considera_tensao_fase"), 0) << name;
        }
        // The voltage the currents use is one the dialog asks for.
        if (s.Int("sistema_considera_tensao_fase") != 0) {
            EXPECT_NE(s.Int("sistema_tensao_fase_fase"), 0) << name;
        } else {
            EXPECT_NE(s.Int("sistema_tensao_fase_neutro"), 0) << name;
        }
    }
}

// The engine checks automatic disconnection by the TN condition only where the catalogue says TN; the
// earthing arrangement must be the one the system's description names (TN where it names none).
TEST(CatalogueValues, SystemsEarthingArrangementIsTheOneTheirNameSays)
{
    const std::map<long, std::string> expected = {{10, "TT"}, {11, "IT"}};
    const std::vector<Row> systems = Query(Catalogue(), "SELECT * FROM sistema");
    ASSERT_FALSE(systems.empty());
    for (const Row& s : systems) {
        const long code = s.Int("sistema_codigo");
        const std::string name = s.Text("sistema_descricao");
        const std::string esquema = s.Text("sistema_esquema_aterramento");
        const auto it = expected.find(code);
        EXPECT_EQ(esquema, it == expected.end() ? "TN" : it->second) << name;
        for (const std::string other : {"TT", "IT"})
            if (other != esquema) {
                EXPECT_EQ(name.find(other), std::string::npos) << name;
            }
    }
    // Nothing else gets past the schema.
    zeltest::TempDir dir;
    const std::string copia = dir.File("ZelBt01.zel");
    std::filesystem::copy_file(CataloguePath(), copia);
    EXPECT_THROW(zeltest::RunSql(copia, "UPDATE sistema SET sistema_esquema_aterramento='tn' WHERE sistema_codigo=1"),
                 std::runtime_error);
}

// The fault loop's resistivity is taken from the cable's material.
TEST(CatalogueValues, CableMaterialIsCopperOrAluminium)
{
    for (const Row& c : Query(Catalogue(), "SELECT * FROM cabo")) {
        const std::string material = c.Text("cabo_material");
        EXPECT_TRUE(material == "cu" || material == "al") << c.Text("cabo_descricao");
        EXPECT_NE(c.Text("cabo_descricao").find(material == "al" ? " Al " : " Cu "), std::string::npos)
            << c.Text("cabo_descricao");
    }
}

TEST(CatalogueValues, SubCircuitSystemsNeverExceedTheirFeeder)
{
    std::map<long, Row> systems;
    for (const Row& s : Query(Catalogue(), "SELECT * FROM sistema"))
        systems[s.Int("sistema_codigo")] = s;
    std::set<long> selfCompatible;
    for (const Row& p : Query(Catalogue(), "SELECT * FROM sistema_compativel")) {
        const Row& feeder = systems.at(p.Int("sistema_codigo"));
        const Row& branch = systems.at(p.Int("sistema_codigo_compativel"));
        const long ft = feeder.Int("sistema_tipo_codigo"), bt = branch.Int("sistema_tipo_codigo");
        EXPECT_EQ(ft == 2, bt == 2) << "direct current only under direct current";
        if (ft == 1) {
            EXPECT_EQ(bt, 1) << "no three-phase branch under a single-phase feeder";
        }
        if (branch.Int("sistema_tensao_fase_neutro") != 0) {
            EXPECT_NE(feeder.Int("sistema_tensao_fase_neutro"), 0) << "a neutral branch needs a feeder with neutral";
        }
        EXPECT_LE(branch.Int("sistema_numero_condutores"), feeder.Int("sistema_numero_condutores"));
        if (p.Int("sistema_codigo") == p.Int("sistema_codigo_compativel"))
            selfCompatible.insert(p.Int("sistema_codigo"));
    }
    for (const auto& [code, s] : systems)
        EXPECT_TRUE(selfCompatible.count(code)) << "a branch may always keep its feeder's system: " << code;
}
