// The built ZelMt01.zel against the NBR 14039 reference tables it is made from, cell by cell for what it
// carries, and the ZelMt02.zel template's tables.

#include "CsvReferencia.h"
#include "DaoDatabase.h"
#include "DaoRecordsetManual.h"
#include "SqlValue.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <tuple>

namespace {

std::string Ref(const std::string& nome)
{
    return std::string(MVTEST_REFERENCE_DIR) + "/" + nome;
}

class CatalogoMt : public ::testing::Test {
protected:
    void SetUp() override { db.Open(std::string(ZEL_DATA_DIR) + "/ZelMt01.zel", false, true, ";UID=Admin;PWD=qtvzwn"); }
    long Contar(const std::string& sql)
    {
        CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql.c_str());
        long n = 0;
        rs.GetFieldLong("n", n);
        return n;
    }
    CDaoDatabase db;
};

const std::map<std::string, std::string> kLetra = {{"A1", "A"}, {"B1", "B"}, {"C", "C"}, {"D", "D"},
                                                   {"E", "E"},  {"F1", "F"}, {"G1", "G"}, {"F2", "F2"},
                                                   {"G2", "G2"}, {"H", "H"}, {"I", "I"}};

}  // namespace

TEST_F(CatalogoMt, CapacidadeIgualATabela28e29)
{
    std::map<std::tuple<std::string, int, int, std::string, int>, float> cat;
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM capacidade_corrente_NBR_14039");
    while (!rs.IsEOF()) {
        std::string mat, met;
        short t = 0, f = 0, s = 0;
        float c = 0;
        rs.GetFieldString("material_condutor", mat);
        rs.GetFieldShort("temperatura_condutor", t);
        rs.GetFieldShort("faixa_tensao", f);
        rs.GetFieldString("metodo_instalacao", met);
        rs.GetFieldShort("seccao_condutor", s);
        rs.GetFieldFloat("capacidade_corrente", c);
        cat[{mat, t, f, met, s}] = c;
        rs.MoveNext();
    }
    size_t esperadas = 0;
    for (const auto& l : mvtest::LerCsv(Ref("nbr14039-2021_tab28_29_capacidade_corrente.csv"))) {
        const auto letra = kLetra.find(l.at("metodo_referencia_2021"));
        if (letra == kLetra.end() || l.at("capacidade_A").empty())
            continue;  // A2/B2 (sun) not offered; '-' cells not tabulated
        const std::string mat = l.at("material") == "cobre" ? "CU" : "AL";
        for (int faixa : {1, 2}) {
            SCOPED_TRACE(mat + " " + l.at("temperatura_condutor_C") + " " + letra->second + " " + l.at("secao_mm2"));
            const auto it = cat.find({mat, std::stoi(l.at("temperatura_condutor_C")), faixa, letra->second,
                                      std::stoi(l.at("secao_mm2"))});
            ASSERT_NE(it, cat.end());
            EXPECT_FLOAT_EQ(it->second, std::stof(l.at("capacidade_A")));
            ++esperadas;
        }
    }
    EXPECT_EQ(cat.size(), esperadas);
    EXPECT_EQ(esperadas, 1486u);
}

// The engine walks these rows without ORDER BY: stored order must be ascending section per group, also
// as the indexed query the engine runs returns them.
TEST_F(CatalogoMt, CapacidadeEmOrdemDeSecao)
{
    for (const char* met : {"A", "B", "C", "D", "E", "F", "G", "F2", "G2", "H", "I"}) {
        for (const char* mat : {"CU", "AL"}) {
            for (int t : {90, 105}) {
                SCOPED_TRACE(std::string(met) + mat + std::to_string(t));
                CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                                       FormatC("SELECT * FROM capacidade_corrente_NBR_14039 WHERE material_condutor=? and "
                                               "temperatura_condutor=%i and faixa_tensao=1 and metodo_instalacao=? and "
                                               "seccao_condutor<=500",
                                               t),
                                       SqlParams{std::string(mat), std::string(met)});
                short anterior = 0;
                int linhas = 0;
                while (!rs.IsEOF()) {
                    short s = 0;
                    rs.GetFieldShort("seccao_condutor", s);
                    EXPECT_GT(s, anterior);
                    anterior = s;
                    ++linhas;
                    rs.MoveNext();
                }
                EXPECT_EQ(linhas, 14);  // 10 ... 500 mm2
            }
        }
    }
}

TEST_F(CatalogoMt, FatorTemperaturaIgualATabelas30e31)
{
    std::map<std::tuple<int, int, int>, float> cat;
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM fator_correcao_temperatura");
    while (!rs.IsEOF()) {
        BYTE tipo = 0, iso = 0, amb = 0;
        short tc = 0;
        float v = 0;
        rs.GetFieldByte("tipo_maneira_instalar_codigo", tipo);
        rs.GetFieldByte("tipo_isolacao_codigo", iso);
        rs.GetFieldByte("temperatura_ambiente", amb);
        rs.GetFieldShort("temperatura_condutor", tc);
        rs.GetFieldFloat("fator_correcao_temperatura_valor", v);
        EXPECT_EQ(iso, tc == 90 ? 1 : 2);
        cat[{tipo, amb, tc}] = v;
        rs.MoveNext();
    }
    size_t n = 0;
    for (const auto& l : mvtest::LerCsv(Ref("nbr14039-2021_tab30_fator_temperatura_ar.csv"))) {
        if (l.at("condicao") != "abrigado" || l.at("fator").empty())
            continue;
        const auto it = cat.find({1, std::stoi(l.at("temperatura_ambiente_C")), std::stoi(l.at("temperatura_condutor_C"))});
        ASSERT_NE(it, cat.end());
        EXPECT_FLOAT_EQ(it->second, std::stof(l.at("fator")));
        ++n;
    }
    for (const auto& l : mvtest::LerCsv(Ref("nbr14039-2021_tab31_fator_temperatura_solo.csv"))) {
        if (l.at("fator").empty())
            continue;
        for (int tipo : {2, 3}) {
            const auto it = cat.find({tipo, std::stoi(l.at("temperatura_solo_C")), std::stoi(l.at("temperatura_condutor_C"))});
            ASSERT_NE(it, cat.end());
            EXPECT_FLOAT_EQ(it->second, std::stof(l.at("fator")));
            ++n;
        }
    }
    EXPECT_EQ(cat.size(), n);
    // The reference temperatures have their 1.00 rows.
    EXPECT_FLOAT_EQ((cat[{1, 30, 90}]), 1.0f);
    EXPECT_FLOAT_EQ((cat[{2, 20, 105}]), 1.0f);
}

TEST_F(CatalogoMt, ResistividadeIgualATabela32)
{
    std::map<std::pair<std::string, std::string>, float> ref;
    for (const auto& l : mvtest::LerCsv(Ref("nbr14039-2021_tab32_fator_resistividade_solo.csv")))
        ref[{l.at("metodo_referencia_2021"), FormatC("%1.1f", std::stod(l.at("resistividade_K_m_W")))}] = std::stof(l.at("fator"));
    int n = 0;
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT * FROM resistividade_termica_solo");
    float anterior = 0;
    while (!rs.IsEOF()) {
        float rho = 0, v = 0;
        std::string met;
        rs.GetFieldFloat("resistividade_termica_solo", rho);
        rs.GetFieldString("metodo_instalacao", met);
        rs.GetFieldFloat("fator_correcao_resistividade", v);
        EXPECT_LE(rho, 3.0f);  // above 3 the engine divides by 10
        EXPECT_GE(rho, anterior);
        anterior = rho;
        const std::string col = met == "F" ? "F1" : met == "G" ? "G1" : met;
        EXPECT_FLOAT_EQ(v, (ref.at({col, FormatC("%1.1f", static_cast<double>(rho))})));
        ++n;
        rs.MoveNext();
    }
    EXPECT_EQ(n, 20);
    // The engine's own lookup: 2.5 through "%1.1f", and G at 1.0 K.m/W = 1.31.
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM resistividade_termica_solo WHERE resistividade_termica_solo=2.5 AND "
                     "metodo_instalacao='H'"),
              1);
    CDaoRecordsetManual g(&db, dbOpenSnapshot,
                          "Select fator_correcao_resistividade from resistividade_termica_solo where "
                          "resistividade_termica_solo=1.0 and metodo_instalacao='G'");
    float kr = 0;
    g.GetFieldFloat("fator_correcao_resistividade", kr);
    EXPECT_FLOAT_EQ(kr, 1.31f);
}

TEST_F(CatalogoMt, QuedaIgualATabelaRX)
{
    const std::map<std::string, int> classe = {{"3,6/6 kV", 1}, {"6/10 kV", 2}, {"8,7/15 kV", 3},
                                               {"12/20 kV", 4}, {"15/25 kV", 5}, {"20/35 kV", 6}};
    // cable -> (material column suffix, conductor temperature, xc column)
    const std::map<int, std::tuple<std::string, int, std::string>> cabos = {
        {1, {"cobre", 90, "xc_EPR_ohm_km"}},     {2, {"cobre", 90, "xc_EPR_ohm_km"}},
        {3, {"cobre", 90, "xc_XLPE_ohm_km"}},    {4, {"cobre", 105, "xc_EPR_ohm_km"}},
        {5, {"aluminio", 90, "xc_EPR_ohm_km"}},  {6, {"aluminio", 90, "xc_EPR_ohm_km"}},
        {7, {"aluminio", 90, "xc_XLPE_ohm_km"}}, {8, {"aluminio", 105, "xc_EPR_ohm_km"}}};
    const auto ref = mvtest::LerCsv(Ref("tabela_cabos_R_X_xc_por_classe_60Hz.csv"));
    size_t n = 0;
    for (const auto& [cabo, info] : cabos) {
        const auto& [mat, temp, xc] = info;
        for (const auto& l : ref) {
            if (std::stoi(l.at("temperatura_condutor_C")) != temp)
                continue;
            const int cls = classe.at(l.at("classe_tensao"));
            const int s = std::stoi(l.at("secao_mm2"));
            SCOPED_TRACE(FormatC("cabo %i classe %i secao %i", cabo, cls, s));
            CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                                   FormatC("SELECT * FROM queda_tensao_catalogo WHERE cabo=%i AND classe_tensao=%i and "
                                           "secao=%i",
                                           cabo, cls, s)
                                       .c_str());
            ASSERT_FALSE(rs.IsEOF());
            auto v = [&rs](const char* c) {
                float f = 0;
                rs.GetFieldFloat(c, f);
                return f;
            };
            auto r = [&l](const std::string& c) { return std::stof(l.at(c)); };
            EXPECT_FLOAT_EQ(v("Tripolar_Rca"), r("T_Rca_" + mat + "_ohm_km"));
            EXPECT_FLOAT_EQ(v("Tripolar_Xl"), r("T_Xl_ohm_km"));
            EXPECT_FLOAT_EQ(v("Unipolar_2d_Rca"), r("UE_Rca_" + mat + "_ohm_km"));
            EXPECT_FLOAT_EQ(v("Unipolar_2d_Xl"), r("UE_Xl_ohm_km"));
            EXPECT_FLOAT_EQ(v("Trifolio_Rca"), r("UT_Rca_" + mat + "_ohm_km"));
            EXPECT_FLOAT_EQ(v("Trifolio_Xl"), r("UT_Xl_ohm_km"));
            EXPECT_FLOAT_EQ(v("Banco_Rca"), r("UB_Rca_" + mat + "_ohm_km"));
            EXPECT_FLOAT_EQ(v("Banco_Xl"), r("UB_Xl_ohm_km"));
            // Derived: 20 cm flat = the bank's R, its X + 0.0087 ohm/km (GMD 252 against 224.5 mm).
            EXPECT_FLOAT_EQ(v("Unipolar_20_Rca"), r("UB_Rca_" + mat + "_ohm_km"));
            EXPECT_NEAR(v("Unipolar_20_Xl"), r("UB_Xl_ohm_km") + 0.0087f, 1e-5);
            EXPECT_FLOAT_EQ(v("xc"), r(xc));
            ++n;
        }
    }
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM queda_tensao_catalogo"), static_cast<long>(n));
    // The drop criterion fails on a reactance of 0: none is stored.
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM queda_tensao_catalogo WHERE Tripolar_Xl<=0 OR Unipolar_2d_Xl<=0 OR "
                     "Unipolar_20_Xl<=0 OR Trifolio_Xl<=0 OR Banco_Xl<=0 OR Tripolar_Rca<=0 OR Trifolio_Rca<=0"),
              0);
    // Every section the drop and shield tables name is a nominal section, and the shield table covers the
    // drop table row for row.
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM queda_tensao_catalogo WHERE secao NOT IN (SELECT secao_nominal FROM secao)"), 0);
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM cabo_x_secao_blindagem"), static_cast<long>(n));
}

// The spot values MAPPING.md lists, and the edge cases the catalogue must serve.
TEST_F(CatalogoMt, ValoresPontuais)
{
    auto capacidade = [this](const char* mat, int t, int f, const char* met, int s) {
        CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                               FormatC("SELECT capacidade_corrente FROM capacidade_corrente_NBR_14039 WHERE "
                                       "material_condutor='%s' and temperatura_condutor=%i and faixa_tensao=%i and "
                                       "metodo_instalacao='%s' and seccao_condutor=%i",
                                       mat, t, f, met, s)
                                   .c_str());
        float c = 0;
        rs.GetFieldFloat("capacidade_corrente", c);
        return c;
    };
    EXPECT_FLOAT_EQ(capacidade("CU", 90, 1, "F", 10), 59.0f);
    EXPECT_FLOAT_EQ(capacidade("CU", 105, 1, "I", 500), 471.0f);
    EXPECT_FLOAT_EQ(capacidade("CU", 105, 2, "I", 500), 471.0f);

    CDaoRecordsetManual kg(&db, dbOpenSnapshot,
                           "SELECT fator_ate_95, fator_maior_95 from fator_agrupamento_NBR_14039 where "
                           "metodo_referencia='G2' and tipo_cabo=1 and orientacao=1 and numero_bandejas=0 and "
                           "numero_ternas_ou_cabos=2");
    float ate = 0, maior = 0;
    kg.GetFieldFloat("fator_ate_95", ate);
    kg.GetFieldFloat("fator_maior_95", maior);
    EXPECT_FLOAT_EQ(ate, 0.78f);
    EXPECT_FLOAT_EQ(maior, 0.67f);

    // Classes 1-3 form range 1, 4-6 range 2; the class maximum picks 8,7/15 kV for 13.8 kV.
    CDaoRecordsetManual cls(&db, dbOpenSnapshot,
                            "SELECT * FROM classe_tensao WHERE classe_tensao_maxima>=13.80 ORDER BY classe_tensao_maxima");
    BYTE codigo = 0;
    float maxima = 0;
    cls.GetFieldByte("classe_tensao_codigo", codigo);
    cls.GetFieldFloat("classe_tensao_maxima", maxima);
    EXPECT_EQ(codigo, 3);
    EXPECT_FLOAT_EQ(maxima, 15.0f);

    // Next section: strictly greater.
    CDaoRecordsetManual prox(&db, dbOpenSnapshot,
                             "SELECT MIN(secao_nominal) AS proxima_secao FROM secao WHERE secao_nominal>95");
    short p = 0;
    prox.GetFieldShort("proxima_secao", p);
    EXPECT_EQ(p, 120);
}

// Every layout the questions can produce finds its reference letter, and every letter its capacities,
// grouping rows and (buried letters) resistivity factors; every cable its temperatures.
TEST_F(CatalogoMt, CombinacoesAlcancaveis)
{
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM referencias_metodo_instalacao_NBR_14039"), 23);
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM referencias_metodo_instalacao_NBR_14039 r WHERE NOT EXISTS (SELECT 1 "
                     "FROM capacidade_corrente_NBR_14039 c WHERE c.metodo_instalacao=r.Metodo_referencia)"),
              0);
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM referencias_metodo_instalacao_NBR_14039 r WHERE NOT EXISTS (SELECT 1 "
                     "FROM fator_agrupamento_NBR_14039 g WHERE g.metodo_referencia=r.Metodo_referencia AND "
                     "g.tipo_cabo=r.Tipo_de_Cabo)"),
              0);
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM referencias_metodo_instalacao_NBR_14039 r WHERE r.Metodo_referencia IN "
                     "('F','G','H','I') AND (SELECT COUNT(*) FROM resistividade_termica_solo k WHERE "
                     "k.metodo_instalacao=r.Metodo_referencia) <> 5"),
              0);
    // For every combination offered, each ambient temperature the dialog lists has the engine's kt row.
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM maneira_instalar_x_classe_tensao_x_cabo x JOIN maneira_instalar m ON "
                     "m.maneira_instalar_codigo=x.maneira_instalar_codigo JOIN cabo c ON c.cabo_codigo=x.cabo_codigo "
                     "JOIN fator_correcao_temperatura f ON f.tipo_maneira_instalar_codigo=m.tipo_maneira_instalar_codigo "
                     "AND f.tipo_isolacao_codigo=c.tipo_isolacao_codigo WHERE f.temperatura_condutor<>c.TEMPERATURA_CONDUTOR"),
              0);
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM capacidade_corrente_NBR_14039 WHERE seccao_condutor NOT IN (SELECT "
                     "secao_nominal FROM secao)"),
              0);
    // The dialog preselects the fourth distinct resistivity for a new circuit: 2.5.
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, "SELECT DISTINCT resistividade_termica_solo from resistividade_termica_solo");
    std::vector<float> valores;
    while (!rs.IsEOF()) {
        float v = 0;
        rs.GetFieldFloat("resistividade_termica_solo", v);
        valores.push_back(v);
        rs.MoveNext();
    }
    ASSERT_GE(valores.size(), 4u);
    EXPECT_FLOAT_EQ(valores[3], 2.5f);
}

// Read with the getters the program uses: each fails on a column of another type.
TEST_F(CatalogoMt, TiposDasColunas)
{
    CDaoRecordsetManual cabo(&db, dbOpenSnapshot, "SELECT * FROM cabo ORDER BY ordem");
    int n = 0;
    while (!cabo.IsEOF()) {
        BYTE codigo = 0, iso = 0;
        short t = 0, ordem = 0;
        std::string desc, mat, ativo;
        cabo.GetFieldByte("cabo_codigo", codigo);
        cabo.GetFieldString("cabo_descricao", desc);
        cabo.GetFieldString("MATERIAL_CONDUTOR", mat);
        cabo.GetFieldShort("TEMPERATURA_CONDUTOR", t);
        cabo.GetFieldString("flag_ativo", ativo);
        cabo.GetFieldShort("ordem", ordem);
        cabo.GetFieldByte("tipo_isolacao_codigo", iso);
        EXPECT_TRUE(mat == "CU" || mat == "AL");
        EXPECT_TRUE(t == 90 || t == 105);
        EXPECT_EQ(ativo, "S");
        ++n;
        cabo.MoveNext();
    }
    EXPECT_EQ(n, 8);
    CDaoRecordsetManual man(&db, dbOpenSnapshot, "SELECT * FROM maneira_instalar");
    BYTE codigo = 0, tipo = 0;
    man.GetFieldByte("maneira_instalar_codigo", codigo);
    man.GetFieldByte("tipo_maneira_instalar_codigo", tipo);
    CDaoRecordsetManual con(&db, dbOpenSnapshot, "SELECT * FROM conexao_tipo WHERE conexao_tipo_codigo=1");
    std::string desc;
    con.GetFieldString("conexao_tipo_descricao", desc);
    EXPECT_FALSE(desc.empty());
    CDaoRecordsetManual blind(&db, dbOpenSnapshot, "SELECT * FROM cabo_x_secao_blindagem");
    float sb = 0;
    short sn = 0;
    blind.GetFieldShort("secao_nominal", sn);
    blind.GetFieldFloat("secao_nominal_blindagem", sb);
    EXPECT_FLOAT_EQ(sb, 6.0f);
    CDaoRecordsetManual sel(&db, dbOpenSnapshot,
                            "SELECT tabela_selecao_descricao FROM tabela_selecao WHERE tabela_selecao_codigo=41 ORDER BY "
                            "tabela_selecao_sequencial");
    std::string pergunta;
    sel.GetFieldString("tabela_selecao_descricao", pergunta);
    EXPECT_EQ(pergunta, "Disposição dos cabos unipolares");
    // Shipped empty: the report prints no recommended terminal.
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM terminais"), 0);
}

TEST(TemplateMt, TabelasDoProjeto)
{
    CDaoDatabase db;
    db.Open(std::string(ZEL_DATA_DIR) + "/ZelMt02.zel", false, true);
    for (const char* t : {"projeto", "circuito", "circuito_x_tabela_selecao", "circuito_impressao"}) {
        SCOPED_TRACE(t);
        CDaoRecordsetManual rs(&db, dbOpenSnapshot, FormatC("SELECT COUNT(*) AS n FROM %s", t).c_str());
        long n = -1;
        rs.GetFieldLong("n", n);
        EXPECT_EQ(n, 0);
    }
    const auto colunas = db.TableColumns("circuito");
    const std::set<std::string> tem(colunas.begin(), colunas.end());
    for (const char* c :
         {"circuito_sequencial", "circuito_sequencial_pai", "circuito_codigo", "maneira_instalar_codigo",
          "classe_tensao_codigo", "cabo_codigo", "temperatura_ambiente", "circuito_corrente_projeto",
          "circuito_tensao_servico", "circuito_queda_tensao_maxima", "circuito_fator_potencia", "circuito_comprimento",
          "conexao_tipo_codigo", "circuito_tempo_curto_condutor", "circuito_tempo_curto_blindagem",
          "circuito_corrente_curto_condutor", "circuito_numero_condutores", "circuito_secao_condutor_imposta",
          "circuito_fator_agrupamento_imposto", "circuito_calculado", "disposicao_dos_cabos", "resistividade_termica",
          "tipo_cabo", "espacamento_cabos_ternas", "numero_bandejas", "numero_ternas", "orientacao",
          "circuito_custo_instalacao_cabo", "circuito_numero_anos", "circuito_tarifa_energia",
          "circuito_horas_ano_funcionamento", "circuito_numero_condutores_calculado", "secao_nominal",
          "circuito_corrente_total", "circuito_queda_tensao_calculada"})
        EXPECT_TRUE(tem.count(c)) << c;
    // No load or motor tables in a medium-voltage project.
    EXPECT_THROW(CDaoRecordsetManual(&db, dbOpenSnapshot, "SELECT * FROM carga"), CDaoException);
}

// A circuit's report lines and answers go with its row (the template's triggers).
TEST(TemplateMt, LinhasSeguemOCircuito)
{
    zeltest::TempDir dir;
    const std::string p = dir.File("p.mvp");
    std::filesystem::copy_file(std::string(ZEL_DATA_DIR) + "/ZelMt02.zel", p);
    zeltest::RunSql(p,
                    "INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES(1,'A');"
                    "INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,tipo_dado_codigo) "
                    "VALUES(1,1,2);"
                    "INSERT INTO circuito_x_tabela_selecao VALUES(1,40,1);"
                    "UPDATE circuito SET circuito_sequencial=7;");
    EXPECT_EQ(zeltest::QueryText(p, "SELECT circuito_sequencial FROM circuito_impressao"), "7");
    zeltest::RunSql(p, "DELETE FROM circuito;");
    EXPECT_EQ(zeltest::QueryText(p, "SELECT COUNT(*) FROM circuito_impressao"), "0");
    EXPECT_EQ(zeltest::QueryText(p, "SELECT COUNT(*) FROM circuito_x_tabela_selecao"), "0");
    // A top-level circuit leaves its economic columns NULL.
    zeltest::RunSql(p, "INSERT INTO circuito(circuito_sequencial,circuito_codigo) VALUES(1,'A');");
    EXPECT_EQ(zeltest::QueryText(p, "SELECT circuito_tarifa_energia IS NULL FROM circuito"), "1");
}

namespace {

// A section band of the grouping tables ("10a150", "todas").
std::pair<int, int> Faixa(const std::string& f)
{
    if (f == "todas")
        return {0, 100000};
    const auto a = f.find('a');
    return {std::stoi(f.substr(0, a)), std::stoi(f.substr(a + 1))};
}

// The two catalogue values a grouping table gives: the lowest factor of the bands meeting sections up to
// 95 mm2 and of those meeting 120 mm2 and above; 1.00 / 1.00 when the table has no row (one group).
std::pair<float, float> Bandas(const std::vector<mvtest::LinhaCsv>& linhas, const std::string& colFaixa,
                               const std::function<bool(const mvtest::LinhaCsv&)>& escolhe)
{
    float ate = 2, maior = 2;
    for (const auto& l : linhas) {
        if (!escolhe(l))
            continue;
        const auto [lo, hi] = colFaixa.empty() ? std::pair<int, int>{0, 100000} : Faixa(l.at(colFaixa));
        const float f = std::stof(l.at("fator"));
        if (lo <= 95)
            ate = std::min(ate, f);
        if (hi >= 120)
            maior = std::min(maior, f);
    }
    return {ate > 1.5f ? 1.0f : ate, maior > 1.5f ? 1.0f : maior};
}

}  // namespace

// The buried methods' grouping rows, derived again from the 2021 tables by the catalogue's rule.
TEST_F(CatalogoMt, AgrupamentoEnterradoDerivadoDasTabelas)
{
    const auto t36 = mvtest::LerCsv(Ref("nbr14039-2021_tab36_agrupamento_eletrodutos_enterrados_F1.csv"));
    const auto t37 = mvtest::LerCsv(Ref("nbr14039-2021_tab37_agrupamento_banco_dutos_F2.csv"));
    const auto t38 = mvtest::LerCsv(Ref("nbr14039-2021_tab38_agrupamento_eletrodutos_espacados_G1.csv"));
    const auto t39 = mvtest::LerCsv(Ref("nbr14039-2021_tab39_agrupamento_banco_dutos_unipolares_G2.csv"));
    const auto t40 = mvtest::LerCsv(Ref("nbr14039-2021_tab40_agrupamento_enterrados_encostados_H.csv"));
    const auto t41 = mvtest::LerCsv(Ref("nbr14039-2021_tab41_agrupamento_enterrados_espacados_I.csv"));
    auto igual = [](const char* col, int v) { return [col, v](const mvtest::LinhaCsv& l) { return std::stoi(l.at(col)) == v; }; };
    struct Caso {
        const char* letra;
        int n;
        std::pair<float, float> esperado;
    };
    std::vector<Caso> casos;
    for (int n = 1; n <= 4; ++n) {
        casos.push_back({"F", n, Bandas(t36, "faixa_secao_mm2", [n](const mvtest::LinhaCsv& l) {
                             return std::stoi(l.at("numero_dutos")) == n && l.at("espacamento_mm") == "200";
                         })});
        casos.push_back({"F2", n, Bandas(t37, "faixa_secao_mm2", igual("dutos_ocupados", n))});
        casos.push_back({"G", n, Bandas(t38, "faixa_secao_mm2", [n](const mvtest::LinhaCsv& l) {
                             return std::stoi(l.at("numero_dutos")) == 3 * n && l.at("espacamento_mm") == "200";
                         })});
        casos.push_back({"H", n, Bandas(t40, "", igual("numero_condutores_isolados", 3 * n))});
        casos.push_back({"I", n, Bandas(t41, "faixa_secao_mm2", [n](const mvtest::LinhaCsv& l) {
                             return l.at("espacamento") == "200mm" && std::stoi(l.at("numero_cabos")) == 3 * n;
                         })});
    }
    for (int n = 1; n <= 3; ++n)  // banks of 4, 6 and 9 ducts
        casos.push_back({"G2", n, Bandas(t39, "faixa_secao_mm2", igual("numero_dutos", n == 1 ? 4 : n == 2 ? 6 : 9))});
    for (const Caso& c : casos) {
        SCOPED_TRACE(FormatC("%s n=%i", c.letra, c.n));
        CDaoRecordsetManual rs(&db, dbOpenSnapshot,
                               FormatC("SELECT fator_ate_95, fator_maior_95 FROM fator_agrupamento_NBR_14039 WHERE "
                                       "metodo_referencia=? AND tipo_cabo=1 AND orientacao=1 AND numero_bandejas=0 AND "
                                       "numero_ternas_ou_cabos=%i",
                                       c.n),
                               SqlParams{std::string(c.letra)});
        ASSERT_FALSE(rs.IsEOF());
        float ate = 0, maior = 0;
        rs.GetFieldFloat("fator_ate_95", ate);
        rs.GetFieldFloat("fator_maior_95", maior);
        EXPECT_FLOAT_EQ(ate, c.esperado.first);
        EXPECT_FLOAT_EQ(maior, c.esperado.second);
    }
    // Four banks of ducts: no row, on purpose (the standard stops at 9 ducts).
    EXPECT_EQ(Contar("SELECT COUNT(*) AS n FROM fator_agrupamento_NBR_14039 WHERE metodo_referencia='G2' AND "
                     "numero_ternas_ou_cabos=4"),
              0);
}
