// Circuits worked by hand from NBR 5410:2004's tables, sized with the shipped catalogue. Each working
// names the table, the value read, the factor and the result; the values are those of the reference files
// the catalogue is built from (data/reference/nbr5410, the device library's sample data), not the
// engine's output.
//
// Catalogue codes used (stable, stored in projects): method 3 "03 - ... eletroduto aparente" (B1), 4
// (multi-core cable in conduit, B2), 40 "61 - cabo multipolar em eletroduto enterrado" (D); systems 1
// F+N+PE, 5 3F+N+PE TN-S, 7 3F+PE; cables 1 (insulated conductor Cu PVC, single-core) and 4 (multi-core Cu
// PVC); devices 2 (breaker curve C: t5s = Im = 10 In, Ia = 1.45 In, alfa 1.45, magnetic I2t = I2 x 0.01 s)
// and 4 (gG fuse). Questions: 1 loaded conductors, 13 circuits grouped, 16 soil resistivity, 18 spacing of
// buried conduits, 19 buried circuits.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>


using namespace lvtest;

namespace {

class Manual : public TesteCatalogoEntregue {
protected:
    void SetUp() override
    {
        TesteCatalogoEntregue::SetUp();
        if (!HasFatalFailure())
            ambiente.emplace(ShippedCatalogue());
    }

    static Circuito Base() { return CircuitoEntregue(); }

    std::vector<Linha> Calcular(const Circuito& c)
    {
        const Calculo r = ambiente->Calcular(c.seq);
        EXPECT_TRUE(r.ok) << r.erro;
        EXPECT_TRUE(r.mostrar);
        return ambiente->Linhas(c.seq);
    }

    std::optional<Ambiente> ambiente;
};

}  // namespace

// Lighting, 28 x 150 W at 220 V, pf 1, 15 m.
// - Ib = 4200 / 220 = 19.09 A. Tabela 36 B1, 2 loaded: 1.5 mm2 = 17.5 A < Ib, 2.5 mm2 = 24 A (k 1, 1).
// - Drop (R 70 C 8.87 ohm/km): 2 x 15 x 19.09 x 8.87 / 1000 = 5.08 V = 2.31 % <= 4 %.
// - Breaker C: 20 A: 19.09 <= 20 <= 24 and 20 <= 1.45 x 24 / 1.45.
// - At Ikmax 1.5 kA the breaker lets 1500^2 x 0.01 = 22500 A2s through, below k2S2 = 115^2 x 2.5^2 = 82656;
//   Ikmin = 0.8 x 220 x 2.5 / (15 x 0.054) = 543 A (2951 A2s). Time at Ikmax: 82656 / 1500^2 = 36.7 ms.
// - TN: Lmax = 0.8 x 220 x 2.5 / (2 x 0.0225 x 200) = 48.9 m >= 15 m.
TEST_F(Manual, LightingCircuitDecidedByAmpacity)
{
    Circuito c = Base();
    c.codigo = "ILUM";
    c.L = 15;
    c.ikmax = 1.5f;
    c.secaoMinima = 1.5f;
    ambiente->Inserir(c);
    ambiente->Carga(1, 1, 1, 28, 150, 1);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x    2.5 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Capacidade de corrente");
    EXPECT_EQ(Valor(l, "Corrente do circuito :"), "  19.1 A");
    EXPECT_EQ(Valor(l, "Capacidade de condução de corrente :"), "1 x    24.0 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   2.31 %");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 20 A");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "5.43e+02 A");
    EXPECT_EQ(Valor(l, "I2t de cada condutor para Ikmax :"), "8.27e+04 A");
    EXPECT_EQ(Valor(l, "Tempo máximo para atuação da proteção para Ikmax :"), "3.67e-02 s");
    EXPECT_TRUE(Tem(l, "Protegido contra contatos indiretos (esquema TN)."));
    const Resultado r = ambiente->Ler(1);
    EXPECT_EQ(r.n, 1);
    EXPECT_DOUBLE_EQ(r.secao, 2.5);
    EXPECT_NEAR(r.corrente, 19.09, 0.005);
    EXPECT_EQ(r.dispositivo, "Disj. 1 x 20 A");
}

// 20 A at pf 0.9 (sin 0.436) over 80 m at 220 V, limit 4 %: drop = (0.436 X + 0.9 R) x 2 x 80 x 20 / 1000.
// 2.5 mm2 (8.87 / 0.15): 11.71 %; 4 mm2 (5.52 / 0.14): 7.31 %; 6 mm2 (3.69 / 0.13): 4.91 %; 10 mm2
// (2.19 / 0.13): 2.95 %. Ampacity alone: 2.5 mm2 (24 A). Breaker C 20 A; Lmax = 0.8 x 220 x 10 /
// (2 x 0.0225 x 200) = 195.6 m.
TEST_F(Manual, LongCircuitDecidedByVoltageDrop)
{
    Circuito c = Base();
    c.codigo = "LONGO";
    c.L = 80;
    c.corrente = 20;
    c.fp = 0.9f;
    ambiente->Inserir(c);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x   10 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Queda de tensão");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   2.95 %");
    EXPECT_EQ(Valor(l, "Resistência em CA de cada condutor :"), " 2.1900 ohm/km");
    EXPECT_EQ(Valor(l, "Reatância indutiva de cada condutor :"), " 0.1300 ohm/km");
    EXPECT_EQ(Valor(l, "Capacidade de condução de corrente :"), "1 x    57.0 A");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 20 A");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "4.07e+02 A");
    EXPECT_NEAR(ambiente->Ler(1).queda, 2.95, 1e-5);
}

// Three-phase motor, 15 A at 0.85 running, 105 A at 0.35 starting, 380 V, 60 m; limits 4 % and 7 %.
// - Tabela 36 B1, 3 loaded: 1.5 mm2 = 15.5 A. Service drop sqrt(3) x 60 x 15 x (0.527 X + 0.85 R) / 1000 / 380:
//   1.5 mm2 5.08 %, 2.5 mm2 3.13 %.
// - Start drop sqrt(3) x 60 x 105 x (0.937 X + 0.35 R) / 1000 / 380: 2.5 mm2 9.32 % > 7 %, 4 mm2 5.92 %; service
//   at 4 mm2 1.96 %.
// - Only motors: the device is not chosen; gG limits: k = 0.4 (40 < Ip <= 500 A): 0.4 x 105 = 42 A >
//   1.12 x 15 = 16.8 A. Ikmin with U0 = 380 / sqrt(3): 0.8 x 219.4 x 4 / (60 x 0.054) = 217 A.
TEST_F(Manual, MotorCircuitDecidedByTheDropAtStart)
{
    Circuito c = Base();
    c.codigo = "M1";
    c.sistema = 7;
    c.Uff = 380;
    c.U0 = 0;
    c.L = 60;
    c.quedaPartida = 7;
    c.dispositivo = 4;
    c.fatorDisjuntor = 0;
    ambiente->Inserir(c);
    ambiente->Motor(1, 1, 1, 15, 0.85f, 105, 0.35f);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x    4 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Queda de tensão na partida");
    EXPECT_EQ(Valor(l, "Queda de tensão em regime efetiva :"), "   1.96 %");
    EXPECT_EQ(Valor(l, "Queda de tensão na partida efetiva :"), "   5.92 %");
    EXPECT_EQ(Valor(l, "Corrente do circuito na partida:"), " 105.0 A");
    EXPECT_EQ(Valor(l, "Corrente máxima dispos. proteção contra sobrecarga :"), "  17 A");
    EXPECT_EQ(Valor(l, "Corrente máx. disp. proteção contra curto-circuito :"), "  42 A");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "2.17e+02 A");
    EXPECT_EQ(ambiente->Ler(1).dispositivo, "Fus.   42 A");
    EXPECT_FALSE(Tem(l, "Seção nominal do condutor neutro :"));
}

// 15 A at 220 V on gG fuses (alfa 1.6 from 16 A), 10 m.
// - Tabela 36 B1, 2 loaded: 1.5 mm2 = 17.5 A. Fuse 16 A: 1.6 x 16 = 25.6 A > 1.45 x 17.5 = 25.4 A (16 >
//   1.45 x 17.5 / 1.6 = 15.86); 20 A > 17.5 A. So 2.5 mm2 (24 A): 16 <= 1.45 x 24 / 1.6 = 21.75.
// - Drop 2 x 10 x 15 x 8.87 / 1000 = 2.66 V = 1.21 %. TN: it5s of 16 A = 65 A, Lmax = 0.8 x 220 x 2.5 /
//   (2 x 0.0225 x 65) = 150 m.
TEST_F(Manual, FuseForcesALargerSection)
{
    Circuito c = Base();
    c.codigo = "TUG";
    c.L = 10;
    c.corrente = 15;
    c.secaoMinima = 1.5f;
    c.dispositivo = 4;
    c.fatorDisjuntor = 0;
    ambiente->Inserir(c);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x    2.5 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Proteção contra sobrecarga");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 16 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   1.21 %");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "8.15e+02 A");
    EXPECT_TRUE(Tem(l, "Protegido contra contatos indiretos (esquema TN)."));
    EXPECT_EQ(ambiente->Ler(1).dispositivo, "Fus. 1 x 16 A");
}

// 19 A at 220 V, 20 m, curve C 20 A, Ikmax 6 kA.
// - Ampacity: 2.5 mm2 (24 A). At 6 kA the breaker lets through 6000^2 x 0.01 = 360000 A2s (between its curve
//   points 3200 and 6400 A). The cable withstands k2S2 = 115^2 S^2: 2.5 mm2 82656, 4 mm2 211600, 6 mm2 476100.
//   So 6 mm2. Ikmin = 0.8 x 220 x 6 / (20 x 0.054) = 978 A (9560 A2s < 476100).
// - Drop 2 x 20 x 19 x 3.69 / 1000 = 2.80 V = 1.27 %. Time at Ikmax: 476100 / 6000^2 = 13.2 ms.
TEST_F(Manual, BreakerLetThroughAtIkmaxForcesALargerSection)
{
    Circuito c = Base();
    c.codigo = "CC";
    c.L = 20;
    c.corrente = 19;
    c.ikmax = 6;
    ambiente->Inserir(c);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x    6 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Curto circuito");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 20 A");
    EXPECT_EQ(Valor(l, "I2t de cada condutor para Ikmax :"), "4.76e+05 A");
    EXPECT_EQ(Valor(l, "Tempo máximo para atuação da proteção para Ikmax :"), "1.32e-02 s");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "9.78e+02 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   1.27 %");
}

// A TN-S feeder, 380/220 V, 30 m, over three circuits: a single-phase 2000 W load, a three-phase 10 kW load
// at 0.8, a typed 12 A at 0.85. The feeder counts its sub-circuits' loads on its own voltage and system
// (sqrt(3) x 380 V): 3.04 A, 18.99 A and 12 A.
// - Ib = 3.04 + 18.99 + 12 = 34.03 A (magnitudes added); the sub-circuits' phasor total is 33.5 A at 0.849.
// - Tabela 36 B1, 3 loaded (3 loaded conductors answered): 4 mm2 = 28 A, 6 mm2 = 36 A.
// - Breaker C: 32 A < Ib; 40 A > 36 A: 10 mm2 (50 A) takes 40 A. Drop at 10 mm2:
//   sqrt(3) x 30 x 34.03 x (0.529 x 0.13 + 0.849 x 2.19) / 1000 / 380 = 0.90 %.
// - Neutral: Tabela 48 gives 10 mm2 for 10 mm2. Ikmin = 0.8 x 220 x 10 / (30 x 0.054) = 1086 A.
TEST_F(Manual, FeederWithChildren)
{
    Circuito qd = Base();
    qd.codigo = "QD1";
    qd.sistema = 5;
    qd.Uff = 380;
    qd.L = 30;
    qd.ikmax = 5;
    qd.respostas = {{1, 1}, {13, 1}};
    ambiente->Inserir(qd);

    Circuito c1 = Base();
    c1.seq = 2;
    c1.pai = 1;
    c1.codigo = "C1";
    ambiente->Inserir(c1);
    ambiente->Carga(2, 1, 1, 1, 2000, 1);
    Circuito c2 = qd;
    c2.seq = 3;
    c2.pai = 1;
    c2.codigo = "C2";
    ambiente->Inserir(c2);
    ambiente->Carga(3, 1, 1, 1, 10000, 0.8f);
    Circuito c3 = qd;
    c3.seq = 4;
    c3.pai = 1;
    c3.codigo = "C3";
    c3.corrente = 12;
    c3.fp = 0.85f;
    ambiente->Inserir(c3);

    const auto l = Calcular(qd);

    EXPECT_EQ(Valor(l, "Corrente dos circuitos filhos:"), "  33.5 A");
    EXPECT_EQ(Valor(l, "Fator de potência dos circuitos filhos:"), "0.85");
    EXPECT_EQ(Valor(l, "Corrente do circuito :"), "   0.0 A");
    EXPECT_EQ(Valor(l, "Corrente total do circuito :"), "  34.0 A");
    EXPECT_EQ(Valor(l, "Fator de potência total do circuito:"), "0.85");
    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x   10 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Proteção contra sobrecarga");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 40 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   0.90 %");
    EXPECT_EQ(Valor(l, "Seção nominal do condutor neutro :"), "1 x    10 mm2");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "1.09e+03 A");
    EXPECT_NEAR(ambiente->Ler(1).corrente, 34.03, 0.005);
    // The sub-circuits were only read.
    EXPECT_FALSE(ambiente->Ler(2).calculado);
}

// 46 A at 0.9, three-phase with neutral, multi-core cable in conduit (B2), 40 % third harmonic, 25 m.
// - Above 15 %: 4 loaded conductors, 0.86 x Tabela 36 B2 3 loaded (6.2.5.6.1): 10 mm2 0.86 x 46 = 39.6 A,
//   16 mm2 0.86 x 62 = 53.3 A, 25 mm2 0.86 x 80 = 68.8 A. Phases: 16 mm2.
// - Neutral (Anexo F, Tabela F.1, 36-40 %, three phases and neutral): fh = 1.19, IN = 1.19 x 46 = 54.7 A >
//   53.3 A: 25 mm2; the cable's cores are of one section, so the cable is 25 mm2.
// - Breaker C 50 A: 46 <= 50 <= 53.3. Drop at 25 mm2 (0.87 / 0.12): sqrt(3) x 25 x 46 x (0.436 x 0.12 +
//   0.9 x 0.87) / 1000 / 380 = 0.44 %.
TEST_F(Manual, ThreePhaseWithThirdHarmonicOnAMultiCoreCable)
{
    Circuito c = Base();
    c.codigo = "H3";
    c.maneira = 4;
    c.sistema = 5;
    c.cabo = 4;
    c.Uff = 380;
    c.L = 25;
    c.corrente = 46;
    c.fp = 0.9f;
    c.harmonica = 40;
    c.respostas = {{1, 2}, {13, 1}};
    ambiente->Inserir(c);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Conteúdo de harmônicas:"), "40 %");
    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x   25 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Conteúdo de Harmonicas");
    EXPECT_EQ(Valor(l, "Fator de correção de harmônicas :"), "1.19");
    EXPECT_EQ(Valor(l, "Capacidade de condução de corrente :"), "1 x    68.8 A");
    EXPECT_EQ(Valor(l, "Seção nominal do condutor neutro :"), "1 x    25 mm2");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 50 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   0.44 %");
    EXPECT_EQ(Valor(l, "Seção nominal do condutor de proteção :"), "   16 mm2");
}

// 13 A at 220 V over 150 m, limit 7 %, curve C 16 A (t5s = 160 A).
// - Drop 2 x 150 x 13 x R / 1000 / 220: 4 mm2 9.79 %, 6 mm2 6.54 %: 6 mm2.
// - TN: Lmax = 0.8 x 220 x S / (2 x 0.0225 x 160) (protective conductor = phase): 6 mm2 146.7 m < 150 m;
//   10 mm2 244.4 m. So 10 mm2, with a drop of 3.88 %; Ikmin = 0.8 x 220 x 10 / (150 x 0.054) = 217 A.
TEST_F(Manual, CircuitTooLongForIndirectContactProtection)
{
    Circuito c = Base();
    c.codigo = "LONGE";
    c.L = 150;
    c.corrente = 13;
    c.quedaRegime = 7;
    ambiente->Inserir(c);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x   10 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Contatos indiretos");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 16 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   3.88 %");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "2.17e+02 A");
    EXPECT_TRUE(Tem(l, "Protegido contra contatos indiretos (esquema TN)."));
}

// 7000 W resistive at 220 V, 35 C, two circuits in the conduit, 25 m (worked example D1 of the reference).
// - Ib = 31.82 A. Tabela 40 (air, PVC, 35 C) 0.94; Tabela 42 ref 1, 2 circuits 0.80: 31.82 / 0.752 = 42.3 A.
// - Tabela 36 B1, 2 loaded: 6 mm2 = 41 A, 10 mm2 = 57 A: corrected 57 x 0.752 = 42.9 A.
// - Drop 2 x 25 x 31.82 x 2.19 / 1000 = 3.48 V = 1.58 %. Breaker C 32 A <= 42.9 A.
TEST_F(Manual, GroupedCircuitTabela42)
{
    Circuito c = Base();
    c.codigo = "AGR";
    c.L = 25;
    c.temperatura = 35;
    c.respostas = {{13, 2}};
    ambiente->Inserir(c);
    ambiente->Carga(1, 1, 1, 1, 7000, 1);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Número de circuitos ou de cabos multipolares agrupados, incluindo este"), "2");
    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x   10 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Capacidade de corrente");
    EXPECT_EQ(Valor(l, "Fator de correção de agrupamento :", 3), "0.80");
    EXPECT_EQ(Valor(l, "Fator de correção de temperatura :"), "0.94");
    EXPECT_EQ(Valor(l, "Capacidade de condução de corrente :"), "1 x    42.9 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   1.58 %");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 32 A");
}

// 40 A at 0.85, 380 V three-phase, multi-core copper PVC cable in a buried conduit (method 61, reference D),
// soil at 25 C with 1.5 K.m/W, two circuits in conduits 0.25 m apart, 50 m.
// - Tabela 41 (1.5 K.m/W) 1.10 x Tabela 45 (multi-core, 2 circuits, 0.25 m) 0.90 = 0.99; Tabela 40 (soil, PVC,
//   25 C) 0.95: 40 / (0.99 x 0.95) = 42.5 A.
// - Tabela 36 D, 3 loaded: 6 mm2 = 39 A, 10 mm2 = 52 A: corrected 52 x 0.9405 = 48.9 A. Breaker C 40 A.
// - Drop sqrt(3) x 50 x 40 x (0.527 x 0.13 + 0.85 x 2.19) / 1000 / 380 = 1.76 %. No neutral; Ikmin =
//   0.8 x 219.4 x 10 / (50 x 0.054) = 650 A.
// - TN without neutral (5.1.2.2.4: the fault is at U0 = 380 / sqrt(3) = 219.4 V): Lmax = 0.8 x 219.4 x 10 /
//   (2 x 0.0225 x 400) = 97.5 m >= 50 m, protected.
TEST_F(Manual, BuriedCircuitWithSoilResistivity)
{
    Circuito c = Base();
    c.codigo = "ENT";
    c.maneira = 40;
    c.sistema = 7;
    c.cabo = 4;
    c.temperatura = 25;
    c.resistividade = 1.5f;
    c.Uff = 380;
    c.U0 = 0;
    c.L = 50;
    c.corrente = 40;
    c.fp = 0.85f;
    c.respostas = {{16, 2}, {18, 2}, {19, 2}};
    ambiente->Inserir(c);

    const auto l = Calcular(c);

    EXPECT_EQ(Valor(l, "Resistividade térmica do solo:"), "1.50 ohm/m");
    EXPECT_EQ(Valor(l, "Seção nominal dos condutores :"), "1 x   10 mm2");
    EXPECT_EQ(Valor(l, "Critério de dimensionamento:"), "Capacidade de corrente");
    EXPECT_EQ(Valor(l, "Fator de correção de agrupamento :", 3), "0.99");
    EXPECT_EQ(Valor(l, "Fator de correção de temperatura :"), "0.95");
    EXPECT_EQ(Valor(l, "Capacidade de condução de corrente :"), "1 x    48.9 A");
    EXPECT_EQ(Valor(l, "Queda de tensão efetiva :"), "   1.76 %");
    EXPECT_EQ(Valor(l, "Corrente nominal do dispositivo de proteção :"), "1 x 40 A");
    EXPECT_EQ(Valor(l, "Icc presumida mínima ponto extremo (Ikmin) :"), "6.50e+02 A");
    EXPECT_FALSE(Tem(l, "Seção nominal do condutor neutro :"));
    EXPECT_TRUE(Tem(l, "Protegido contra contatos indiretos (esquema TN)."));
}
