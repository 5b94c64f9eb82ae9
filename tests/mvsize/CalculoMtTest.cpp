// Circuits sized by hand from the NBR 14039 tables the shipped catalogue holds (MAPPING.md in the
// reference folder maps them): each test's comment gives table, value, factor and result.

#include "MvTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using mvtest::Ambiente;
using mvtest::Circuito;

// Method 5, single-core trefoil -> H (Tab. 25). Cu 90 C, H (Tab. 28): 70 mm2 178 A, 95 mm2 211 A.
// kt soil 20 C = 1.00 (Tab. 31), kr(H, 2.5) = 1.00 (Tab. 32), kg(H, 1 circuit) = 1.00 (Tab. 40).
// 200 A / 1.00 = 200 A: 95 mm2 fits (211), 70 does not (178) -> 1 x 95 mm2 by capacity.
// Drop, trefoil columns of 8,7/15 kV 95 mm2: R 0.247, X 0.135 ohm/km; pf 0.9, sin 0.43589;
// 1 km x (0.135 x 0.43589 + 0.247 x 0.9) x sqrt(3) x 200 / 138 = 0.7057 % <= 5 %.
// Short circuit: 10 kA x sqrt(0.25) / 142 = 35.2 mm2 <= 95.
TEST(CalculoMt, CapacidadeEnterradoTrifolio)
{
    Ambiente a;
    a.Inserir(Circuito{});
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.n, 1);
    EXPECT_EQ(r.S, 95);
    EXPECT_EQ(r.criterio, mvsize::CRITERIO_CAPACIDADE);
    EXPECT_NEAR(r.queda, 0.7057, 0.0005);
    EXPECT_EQ(a.Coluna(1, "secao_nominal"), "95");
    EXPECT_EQ(a.Coluna(1, "circuito_numero_condutores_calculado"), "1");
    EXPECT_EQ(a.Coluna(1, "circuito_calculado"), "-1");
    EXPECT_TRUE(a.documento.IsModified());
}

// As above with 0.5 % allowed: k = sqrt(3) x 200 / 138 = 2.5102 per (X sin + R cos), 1 km.
// 150 mm2 (R 0.160, X 0.127): (0.05536 + 0.144) x 2.5102 = 0.5004 % > 0.5;
// 185 mm2 (R 0.128, X 0.123): (0.05361 + 0.1152) x 2.5102 = 0.4238 % -> 1 x 185 by voltage drop.
TEST(CalculoMt, QuedaLevaAProximaSecao)
{
    Ambiente a;
    Circuito c;
    c.quedaMaxima = 0.5f;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.n, 1);
    EXPECT_EQ(r.S, 185);
    EXPECT_EQ(r.criterio, mvsize::CRITERIO_QUEDA);
    EXPECT_NEAR(r.queda, 0.4238, 0.0005);
}

// Worked example 3 of worked-examples.md (1000 kVA, 13.8 kV, F1 buried conduits):
// I = 41.84 A, pf 0.92; method 6 trefoil -> F (2021 F1); Cu 90 C F 10 mm2 = 59 A (Tab. 28), kt soil 30 C =
// 0.93 (Tab. 31): 41.84 / 0.93 = 44.99 A <= 59 -> 10 mm2 by capacity. The 8,7/15 kV drop table starts at
// 25 mm2, so the drop walk lifts S to 25 (the drop deciding nothing). Short circuit: 10 kA x sqrt(0.5) / 142 = 49.79 mm2:
// trunc 49 -> next nominal section 50 -> 1 x 50 mm2 by short circuit, the published answer.
TEST(CalculoMt, ExemploPublicadoCurtoCircuito)
{
    Ambiente a;
    Circuito c;
    c.maneira = 6;
    c.corrente = 41.84f;
    c.fp = 0.92f;
    c.L = 50;
    c.quedaMaxima = 3;
    c.temperatura = 30;
    c.icc = 10;
    c.tempoCurto = 0.5f;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.n, 1);
    EXPECT_EQ(r.S, 50);
    EXPECT_EQ(r.criterio, mvsize::CRITERIO_CURTO);
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(mvtest::Valor(linhas, "Critério de dimensionamento:"), "Curto circuito");
    EXPECT_EQ(mvtest::Valor(linhas, "Fator de correção da temperatura:"), "0.93");
    EXPECT_EQ(mvtest::Valor(linhas, "Método de Referencia da Instalação (Tabela 25 NBR 14039:2005/Em1:2021):"), "F1");
    EXPECT_EQ(mvtest::Valor(linhas, "Fator correção de resistividade térmica do Solo:"), "1.00");
}

// Parallel conductors: 1000 A on H (Cu 90 C, Tabela 28: 400 mm2 401 A, 500 mm2 440 A), each set one more
// circuit of NBR 14039:2005/Em1:2021 Tabela 40 (directly buried, touching): 6 conductors 0.76, 9 0.65,
// 12 0.58. n = 1: 1000 > 440; n = 2: 1000 / 0.76 / 2 = 657.9 > 440; n = 3: 1000 / 0.65 / 3 = 512.8 > 440;
// n = 4: 1000 / 0.58 / 4 = 431.0 A: 500 mm2 fits, 400 does not -> 4 x 500 mm2, 4 x 440 x 0.58 = 1020.8 A.
// Drop at 4 x 500 (R 0.053, X 0.108), 1 km: (0.04708 + 0.0477) x sqrt(3) x 1000 / 4 / 138 = 0.2974 %.
TEST(CalculoMt, CondutoresEmParalelo)
{
    Ambiente a;
    Circuito c;
    c.corrente = 1000;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.n, 4);
    EXPECT_EQ(r.S, 500);
    EXPECT_FLOAT_EQ(r.kg, 0.58f);
    EXPECT_NEAR(r.queda, 0.2974, 0.0005);
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(mvtest::Valor(linhas, "Seção nominal dos condutores:"), "4 x 500 mm²");
    // Joule integral, Cu 90 C connection 1: 20164 x 500^2 = 5041000000 A2s, per conductor.
    EXPECT_EQ(mvtest::Valor(linhas, "Integ. de Joule condutor (regime adiabático):"), "5.04E+09 A²s");
    EXPECT_EQ(mvtest::Valor(linhas, "Capacidade de condução de corrente:"), "4 x  255 A");
    EXPECT_EQ(mvtest::Valor(linhas, "Fator de correção de agrupamento:"), "0.58");
}

// Imposed values: n = 2 stays 2, two circuits of Tabela 40 (0.76): 200 / 0.76 / 2 = 131.6 A per conductor,
// 50 mm2 147 A fits, 35 mm2 125 A does not; an imposed section restricts both row sets to it.
TEST(CalculoMt, ValoresImpostos)
{
    {
        Ambiente a;
        Circuito c;
        c.condutores = 2;
        a.Inserir(c);
        const auto r = a.Calcular(1);
        ASSERT_TRUE(r.ok) << r.erro;
        EXPECT_EQ(r.n, 2);
        EXPECT_EQ(r.S, 50);
        EXPECT_FLOAT_EQ(r.kg, 0.76f);
    }
    {
        Ambiente a;
        Circuito c;
        c.secaoImposta = 300;
        a.Inserir(c);
        const auto r = a.Calcular(1);
        ASSERT_TRUE(r.ok) << r.erro;
        EXPECT_EQ(r.S, 300);
        EXPECT_EQ(a.Linhas(1).size() > 0, true);
    }
    {
        // An imposed factor wins over the table: 200 A / 0.5 = 400 A -> 400 mm2 (401 A), 300 mm2 370 A no.
        Ambiente a;
        Circuito c;
        c.agrupamento = 0.5f;
        a.Inserir(c);
        const auto r = a.Calcular(1);
        ASSERT_TRUE(r.ok) << r.erro;
        EXPECT_EQ(r.S, 400);
        EXPECT_FLOAT_EQ(r.kg, 0.5f);
    }
}

// The design current of a parent is the phasor total of its subtree: two children of 100 A at pf 0.8
// and 0.6, parent 0 A: P = 80 + 60 = 140, Q = 60 + 80 = 140 -> 197.99 A at pf 0.7071.
TEST(CalculoMt, CorrenteDosFilhos)
{
    Ambiente a;
    Circuito pai;
    pai.corrente = 0;
    pai.fp = 0;
    a.Inserir(pai);
    Circuito f1;
    f1.seq = 2;
    f1.pai = 1;
    f1.codigo = "F1";
    f1.corrente = 100;
    f1.fp = 0.8f;
    a.Inserir(f1);
    Circuito f2 = f1;
    f2.seq = 3;
    f2.codigo = "F2";
    f2.fp = 0.6f;
    a.Inserir(f2);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_NEAR(std::stod(a.Coluna(1, "circuito_corrente_total")), 197.99, 0.01);
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(mvtest::Valor(linhas, "Corrente de projeto dos filhos :"), "  198.0 A");
    EXPECT_EQ(mvtest::Valor(linhas, "Fator de potência total :"), "0.71");
    EXPECT_EQ(mvtest::Valor(linhas, "Corrente de projeto:"), "    0.0 A");
}

// A circuit already calculated is not sized again: TRUE, nothing read, its lines untouched - even with
// no catalogue at all.
TEST(CalculoMt, JaCalculadoNaoERecalculado)
{
    Ambiente a;
    Circuito c;
    c.calculado = true;
    c.corrente = 0;  // would fail if it were sized
    a.Inserir(c);
    a.Sql("INSERT INTO circuito_impressao(circuito_sequencial,circuito_impressao_sequencial,tipo_dado_codigo,"
          "circuito_impressao_variavel,circuito_impressao_valor) VALUES(1,1,3,'antiga','linha')");
    a.contexto.m_pReferenceDb = nullptr;
    const auto r = a.Calcular(1);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.erro.empty());
    const auto linhas = a.Linhas(1);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].variavel, "antiga");
    EXPECT_FALSE(a.documento.IsModified());
}

// A second calculation replaces the report lines whole: numbered from 1 again, none of the first left.
TEST(CalculoMt, SegundoCalculoSubstituiLinhas)
{
    Ambiente a;
    Circuito c;
    c.horas = 8760;
    c.anos = 10;
    c.custo = 100;
    c.tarifa = 0.25f;
    a.Inserir(c);
    ASSERT_TRUE(a.Calcular(1).ok);
    const auto primeira = a.Linhas(1);
    EXPECT_TRUE(mvtest::Tem(primeira, "Horas ano funcionamento:"));
    EXPECT_EQ(mvtest::Valor(primeira, "Critério de dimensionamento:"), "Capacidade de corrente");

    a.Sql("UPDATE circuito SET circuito_calculado=0, circuito_horas_ano_funcionamento=0, "
          "circuito_corrente_curto_condutor=40 WHERE circuito_sequencial=1");
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    const auto segunda = a.Linhas(1);
    ASSERT_FALSE(segunda.empty());
    for (size_t i = 0; i < segunda.size(); ++i)
        EXPECT_EQ(segunda[i].numero, static_cast<int>(i + 1));
    EXPECT_LT(segunda.size(), primeira.size());
    EXPECT_FALSE(mvtest::Tem(segunda, "Horas ano funcionamento:"));
    // 40 kA x 0.5 / 142 = 140.8 mm2 -> trunc 140 -> 150 mm2.
    EXPECT_EQ(mvtest::Valor(segunda, "Critério de dimensionamento:"), "Curto circuito");
    EXPECT_EQ(r.S, 150);
}

// Worked example 2 of worked-examples.md (3.3 kV motor feeders, published "3x70" for 16 kA, 0.2 s):
// three-core, directly buried (H); 100 A: Cu 90 C H 25 mm2 = 105 A fits, 16 mm2 82 A does not -> 25 mm2.
// Short circuit with the engine's K = 142: 16000 x sqrt(0.2) / 142 = 50.39 mm2 -> trunc 50 -> 70 mm2.
TEST(CalculoMt, ExemploPublicadoTripolar)
{
    Ambiente a;
    Circuito c;
    c.tipoCabo = 2;
    c.disposicao = 0;
    c.corrente = 100;
    c.tensao = 3.3f;
    c.classe = 1;  // 3,6/6 kV
    c.L = 200;
    c.icc = 16;
    c.tempoCurto = 0.2f;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.n, 1);
    EXPECT_EQ(r.S, 70);
    EXPECT_EQ(r.criterio, mvsize::CRITERIO_CURTO);
}

// The catalogue lookups the circuit's data select.
TEST(CalculoMt, ResistividadeEFatorDoSolo)
{
    struct Caso {
        int maneira;
        float resistividade;
        std::string linhaResistividade, kr;  // kr "" = no kr line
    };
    const std::vector<Caso> casos = {
        {5, 25.0f, "2.5", "1.00"},  // stored ten times too large: read as 2.5
        {5, 3.0f, "3.0", "0.91"},   // 3.0 stays 3.0: kr(H, 3.0) = 0.91 (Tab. 32)
        {6, 1.0f, "1.0", "1.24"},   // F at 1.0: kr(F1, 1.0) = 1.24
        {3, 1.0f, "1.0", ""},       // E (conduit in air): no kr
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.maneira * 100 + static_cast<int>(caso.resistividade));
        Ambiente a;
        Circuito c;
        c.maneira = caso.maneira;
        c.resistividade = caso.resistividade;
        if (caso.maneira == 3) {
            c.disposicao = 1;
            c.ternas = 0;
            c.temperatura = 30;
        }
        a.Inserir(c);
        const auto r = a.Calcular(1);
        ASSERT_TRUE(r.ok) << r.erro;
        const auto l = a.Linhas(1);
        EXPECT_EQ(mvtest::Valor(l, "Resistividade térmica do solo:"), caso.linhaResistividade);
        if (caso.kr.empty())
            EXPECT_FALSE(mvtest::Tem(l, "Fator correção de resistividade térmica do Solo:"));
        else
            EXPECT_EQ(mvtest::Valor(l, "Fator correção de resistividade térmica do Solo:"), caso.kr);
    }
}

// Class 3 reads voltage range 1, class 4 range 2 (the catalogue copy halves range 2 to tell them apart):
// 200 A on H needs 95 mm2 in range 1 (211 A) and 300 mm2 in range 2 (370 / 2 = 185 A no, 400 mm2 200.5 A).
TEST(CalculoMt, FaixaDeTensaoPelaClasse)
{
    const std::string metade = "UPDATE capacidade_corrente_NBR_14039 SET capacidade_corrente=capacidade_corrente*0.5 "
                               "WHERE faixa_tensao=2;";
    {
        Ambiente a(metade);
        a.Inserir(Circuito{});
        const auto r = a.Calcular(1);
        ASSERT_TRUE(r.ok) << r.erro;
        EXPECT_EQ(r.S, 95);
    }
    {
        Ambiente a(metade);
        Circuito c;
        c.classe = 4;
        a.Inserir(c);
        const auto r = a.Calcular(1);
        ASSERT_TRUE(r.ok) << r.erro;
        EXPECT_EQ(r.S, 400);
    }
}

// The capacity walk keeps the unbroken run counted down from the largest section: with 185 mm2 made
// too small, 240 is chosen although 150 would fit again.
TEST(CalculoMt, CapacidadeParaNaPrimeiraQueNaoServe)
{
    Ambiente a("UPDATE capacidade_corrente_NBR_14039 SET capacidade_corrente=100 WHERE seccao_condutor=185;");
    Circuito c;
    c.corrente = 150;  // 150 mm2 H = 262 A would carry it
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.S, 240);
}

// Spacing 2 (20 cm) gives kg = 1 without a lookup: single-core on 3 trays, which has no grouping row,
// sizes all the same.
TEST(CalculoMt, Espacamento20cmSemConsulta)
{
    Ambiente a;
    Circuito c;
    c.maneira = 1;
    c.bandejas = 3;
    c.espacamento = 2;
    c.temperatura = 30;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_FLOAT_EQ(r.kg, 1.0f);
}

// Cu 90 C, connection 1, 10 kA, 1 s: S_min = 10000 / 142 = 70.4 mm2; trunc 70 is itself a nominal section
// and is passed over: 95 mm2. 100 A on H alone gives 25 mm2 (105 A).
TEST(CalculoMt, QuocienteIgualASecaoNominalEPulado)
{
    Ambiente a;
    Circuito c;
    c.corrente = 100;
    c.icc = 10;
    c.tempoCurto = 1;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.S, 95);
    EXPECT_EQ(r.criterio, mvsize::CRITERIO_CURTO);
}
