// Conductors the engine puts in parallel: each set is one more circuit of the group, so the grouping factor
// is the table's for that many circuits; the deciding criterion is the one that fixed n and S.
//
// Tables of NBR 14039:2005/Em1:2021 (data/reference/nbr14039): Tabela 28 capacities (Cu, 90 C, A per
// conductor), Tabela 34 (trefoil groups in air), 36 (buried conduits), 40 (directly buried, touching).
// Every case: cable 1 (EPR 90 C copper), 8,7/15 kV, pf 0.9, 100 m, 10 kA for 0.25 s (S_min 35.2 mm2);
// kt = 1.00 (Tabela 30 at 30 C in air, Tabela 31 at 20 C in soil), kr = 1.00 (Tabela 32 at 2.5 K.m/W).

#include "MvTestSupport.h"

#include "DaoRecordsetManual.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

using mvtest::Ambiente;
using mvtest::Circuito;

namespace {

const char* const kAgrupamento = "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito.";

// The layouts of the cases, all with one circuit (one set) answered.
Circuito Enterrado()  // method 5, single-core in trefoil: letter H
{
    Circuito c;
    c.L = 100;
    return c;
}

Circuito EletrodutoEnterrado()  // method 6, trefoil in one conduit per circuit: letter F (2021 F1)
{
    Circuito c = Enterrado();
    c.maneira = 6;
    return c;
}

Circuito Bandeja()  // method 1, trefoil groups on one horizontal tray, air at 30 C: letter A (2021 A1)
{
    Circuito c = Enterrado();
    c.maneira = 1;
    c.temperatura = 30;
    c.bandejas = 1;
    return c;
}

Circuito EletrodutoAoAr()  // method 3, trefoil in a conduit in air at 30 C: letter E, no grouping table
{
    Circuito c = Enterrado();
    c.maneira = 3;
    c.disposicao = 1;
    c.ternas = 0;
    c.temperatura = 30;
    return c;
}

float Ler(CDaoDatabase& db, const std::string& sql, const std::string& letra, const char* coluna)
{
    CDaoRecordsetManual rs(&db, dbOpenSnapshot, sql, SqlParams{letra});
    if (rs.IsEOF())
        return 0;
    float v = 0;
    rs.GetFieldFloat(coluna, v);
    return v;
}

// kg of the catalogue's table for `circuitos` circuits of the layout, in the band of section s.
float FatorDaTabela(Ambiente& a, const Circuito& c, const std::string& letra, int circuitos, int s)
{
    return Ler(a.catalogo,
               FormatC("SELECT fator_ate_95, fator_maior_95 FROM fator_agrupamento_NBR_14039 WHERE metodo_referencia=? "
                       "AND tipo_cabo=%i AND orientacao=%i AND numero_bandejas=%i AND numero_ternas_ou_cabos=%i",
                       c.tipoCabo, c.orientacao, c.bandejas, circuitos),
               letra, s <= 95 ? "fator_ate_95" : "fator_maior_95");
}

float CapacidadeDaTabela(Ambiente& a, const std::string& letra, int s)
{
    return Ler(a.catalogo,
               FormatC("SELECT capacidade_corrente FROM capacidade_corrente_NBR_14039 WHERE material_condutor='CU' AND "
                       "temperatura_condutor=90 AND faixa_tensao=1 AND metodo_instalacao=? AND seccao_condutor=%i",
                       s),
               letra, "capacidade_corrente");
}

Circuito Com(Circuito c, float corrente)
{
    c.corrente = corrente;
    return c;
}

// A circuit that capacity sizes as n sets of S mm2 at factor kg.
struct Caso {
    const char* nome;
    Circuito circuito;
    const char* letra;  // the catalogue's stored letter
    short n, S;
    float kg;
};

// The result, its report lines, and that what the catalogue's tables give for n circuits carries the current.
void ConferirPelaCapacidade(const Caso& caso)
{
    SCOPED_TRACE(caso.nome);
    Ambiente a;
    a.Inserir(caso.circuito);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.n, caso.n);
    EXPECT_EQ(r.S, caso.S);
    EXPECT_FLOAT_EQ(r.kg, caso.kg);
    EXPECT_EQ(r.criterio, mvsize::CRITERIO_CAPACIDADE);

    const float kg = FatorDaTabela(a, caso.circuito, caso.letra, r.n, r.S);
    const float iz = CapacidadeDaTabela(a, caso.letra, r.S);
    EXPECT_FLOAT_EQ(kg, caso.kg);
    EXPECT_GE(static_cast<float>(r.n) * iz * kg, caso.circuito.corrente);

    const auto linhas = a.Linhas(1);
    EXPECT_EQ(mvtest::Valor(linhas, "Seção nominal dos condutores:"), FormatC("%i x %i mm²", caso.n, caso.S));
    EXPECT_EQ(mvtest::Valor(linhas, "Capacidade de condução de corrente:"), FormatC("%i x %4.0f A", caso.n, iz * kg));
    EXPECT_EQ(mvtest::Valor(linhas, "Fator de correção de agrupamento:"), FormatC("%4.2f", kg));
    EXPECT_EQ(mvtest::Valor(linhas, "Critério de dimensionamento:"), "Capacidade de corrente");
}

}  // namespace

TEST(ParalelosMt, CadaConjuntoContaComoUmCircuitoNoAgrupamento)
{
    const std::vector<Caso> casos = {
        // H, Tabela 28: 300 mm2 370 A, 400 mm2 401 A, 500 mm2 440 A. Tabela 40: 6 conductors (2 circuits)
        // 0.76, 9 (3 circuits) 0.65.
        // 600 A: one set no (600 > 440); two: 600 / 0.76 / 2 = 394.7 A -> 400 mm2 (401), 300 no (370).
        // 2 x 401 x 0.76 = 609.5 A >= 600. (Counted as one circuit: 300 A each -> 2 x 240 mm2, 507.8 A real.)
        {"enterrado, 2 conjuntos", Com(Enterrado(), 600), "H", 2, 400, 0.76f},
        // 800 A: two sets need 800 / 0.76 / 2 = 526.3 A > 440; three: 800 / 0.65 / 3 = 410.3 A -> 500 mm2
        // (440), 400 no (401). 3 x 440 x 0.65 = 858 A >= 800. (As one circuit: 2 x 400 mm2, 609.5 A real.)
        {"enterrado, 3 conjuntos", Com(Enterrado(), 800), "H", 3, 500, 0.65f},
        // F1, Tabela 28: 300 mm2 361 A, 400 mm2 394 A, 500 mm2 434 A. Tabela 36, 200 mm between conduits,
        // sections 120 to 500 (the lowest of the 10-150 and 185-1000 bands): 2 conduits 0.80, 3 conduits 0.69.
        // 600 A: 600 / 0.80 / 2 = 375 A -> 400 mm2 (394), 300 no (361). 2 x 394 x 0.80 = 630.4 A >= 600.
        {"eletroduto enterrado, 2 conjuntos", Com(EletrodutoEnterrado(), 600), "F", 2, 400, 0.80f},
        // 800 A: 800 / 0.80 / 2 = 500 A > 434; 800 / 0.69 / 3 = 386.5 A -> 400 mm2 (394), 300 no (361).
        // 3 x 394 x 0.69 = 815.6 A >= 800. (As one circuit: 2 x 500 mm2, 694.4 A real.)
        {"eletroduto enterrado, 3 conjuntos", Com(EletrodutoEnterrado(), 800), "F", 3, 400, 0.69f},
        // A1, Tabela 28: 240 mm2 588 A, 300 mm2 670 A, 400 mm2 760 A, 500 mm2 856 A. Tabela 34, groups
        // touching on the tray: two groups 0.93 (e < De), three groups 0.92 (e < 1.5 De).
        // 1300 A: 1300 / 0.93 / 2 = 698.9 A -> 400 mm2 (760), 300 no (670). 2 x 760 x 0.93 = 1413.6 A >= 1300.
        {"bandeja, 2 conjuntos", Com(Bandeja(), 1300), "A", 2, 400, 0.93f},
        // 1700 A: 1700 / 0.93 / 2 = 914 A > 856; 1700 / 0.92 / 3 = 615.9 A -> 300 mm2 (670), 240 no (588).
        // 3 x 670 x 0.92 = 1849.2 A >= 1700. (As one circuit: 2 x 500 mm2, 1592.2 A real.)
        {"bandeja, 3 conjuntos", Com(Bandeja(), 1700), "A", 3, 300, 0.92f},
    };
    for (const Caso& caso : casos)
        ConferirPelaCapacidade(caso);
}

// More sets than the layout's table counts: the sizing stops with the grouping message (the user may
// impose a factor), instead of going on with the factor of one circuit.
TEST(ParalelosMt, SemFatorParaTantosConjuntosPara)
{
    const std::vector<std::pair<const char*, Circuito>> casos = {
        // H: four sets carry 4 x 440 x 0.58 = 1020.8 A (Tabela 40, 12 conductors); Tabela 40 ends there.
        {"enterrado, 5 conjuntos", Com(Enterrado(), 1100)},
        // E, 500 mm2 615 A (Tabela 28): two sets are needed, and no table of the standard groups conduits in air.
        {"eletroduto ao ar, 2 conjuntos", Com(EletrodutoAoAr(), 700)},
        // A: three groups carry 3 x 856 x 0.92 = 2362.6 A; Tabela 34 has no four groups side by side.
        {"bandeja, 4 conjuntos", Com(Bandeja(), 2400)},
    };
    for (const auto& [nome, circuito] : casos) {
        SCOPED_TRACE(nome);
        Ambiente a;
        a.Inserir(circuito);
        const auto r = a.Calcular(1);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erro, kAgrupamento);
        EXPECT_TRUE(a.Linhas(1).empty());
    }
}

// The way out the message names: an imposed factor. E with 0.8 imposed: 700 / 0.8 / 2 = 437.5 A -> 240 mm2
// (438 A), 185 no (375 A).
TEST(ParalelosMt, FatorImpostoDimensionaOsConjuntos)
{
    Ambiente a;
    Circuito c = Com(EletrodutoAoAr(), 700);
    c.agrupamento = 0.8f;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.n, 2);
    EXPECT_EQ(r.S, 240);
    EXPECT_FLOAT_EQ(r.kg, 0.8f);
}

// Parallel sets whose section is below S_min each but whose total is not: the short circuit changes nothing,
// and the report names the criterion that fixed n and S.
TEST(ParalelosMt, CriterioDoParaleloDecididoPelaCapacidade)
{
    // Four buried conduits answered, so four sets imposed (as the circuit dialog stores them): Tabela 36,
    // 4 conduits at 200 mm, up to 95 mm2: 0.69. 250 / 0.69 / 4 = 90.6 A -> 25 mm2 (97 A), 16 no (75 A).
    // S_min = 10000 x sqrt(0.25) / 142 = 35.2 mm2 > 25, but the four carry the fault: 4 x 25 = 100 mm2.
    Circuito impostos = Com(EletrodutoEnterrado(), 250);
    impostos.ternas = 4;
    impostos.condutores = 4;
    // Sets added by the engine: 600 A on H gives 2 x 400 mm2 (first case above). 120 kA for 0.25 s:
    // S_min = 120000 x 0.5 / 142 = 422.5 mm2 > 400, and 2 x 400 = 800 mm2 withstands it.
    Circuito adicionados = Com(Enterrado(), 600);
    adicionados.icc = 120;
    ConferirPelaCapacidade({"conjuntos impostos", impostos, "F", 4, 25, 0.69f});
    ConferirPelaCapacidade({"conjuntos adicionados", adicionados, "H", 2, 400, 0.76f});
}
