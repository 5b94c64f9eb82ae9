// Design currents: the phasor sum, own loads and typed currents, motors, and the totals over a subtree.
#include "EngineTestSupport.h"
#include "SomaFasorial.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lvtest;

TEST(SomaFasorial, SumsByActiveAndReactiveParts)
{
    struct Caso {
        float I1, fp1, I2, fp2, I, fp;
    };
    const Caso casos[] = {
        {0, 0, 0, 0, 0, 0},                // nothing
        {10, 0, 10, 0, 0, 0},              // no active part on either side counts as nothing
        {10, 1, 0, 0, 10, 1},              // one side alone
        {10, 0.8f, 10, 0.6f, 19.799f, 0.7071f},  // P = 8 + 6, Q = 6 + 8
        {3, 0.5f, 4, 1, 6.0828f, 0.9042f},       // P = 1.5 + 4, Q = 2.598
    };
    for (const Caso& c : casos) {
        float I = -1, fp = -1;
        SomaFasorial(I, fp, c.I1, c.fp1, c.I2, c.fp2);
        EXPECT_NEAR(I, c.I, 1e-3) << c.I1 << "@" << c.fp1 << " + " << c.I2 << "@" << c.fp2;
        EXPECT_NEAR(fp, c.fp, 1e-3) << c.I1 << "@" << c.fp1 << " + " << c.I2 << "@" << c.fp2;
    }
    // In place, as every total accumulates.
    float I = 10, fp = 0.8f;
    SomaFasorial(I, fp, I, fp, 10, 0.6f);
    EXPECT_NEAR(I, 19.799f, 1e-3);
    EXPECT_NEAR(fp, 0.7071f, 1e-3);
}

// A child of 10 A at 0.8 and own loads of 10 A at 0.6 (1320 W at 0.6 under 220 V = 2200 VA): Ib adds the
// magnitudes (20 A), the power factor is the phasor sum's (P 14, Q 14: 0.71).
TEST(Correntes, ChildAndOwnLoadsAddMagnitudesWithThePhasorPowerFactor)
{
    Ambiente a;
    Circuito pai;
    pai.codigo = "QD";
    a.Inserir(pai);
    a.Carga(1, 1, 1, 1, 1320, 0.6f);
    Circuito filho;
    filho.seq = 2;
    filho.pai = 1;
    filho.codigo = "F";
    filho.corrente = 10;
    filho.fp = 0.8f;
    a.Inserir(filho);

    ASSERT_TRUE(a.Calcular(1).ok);

    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Corrente dos circuitos filhos:"), "  10.0 A");
    EXPECT_EQ(Valor(linhas, "Fator de potência dos circuitos filhos:"), "0.80");
    EXPECT_EQ(Valor(linhas, "Corrente do circuito :"), "  10.0 A");
    EXPECT_EQ(Valor(linhas, "Fator de potência do circuito :"), "0.60");
    EXPECT_EQ(Valor(linhas, "Corrente total do circuito :"), "  20.0 A");
    EXPECT_EQ(Valor(linhas, "Fator de potência total do circuito:"), "0.71");
    for (const auto& l : linhas) {
        if (l.variavel == "Cargas não motor consideradas") {
            EXPECT_EQ(l.carga, -1);
        }
    }
    EXPECT_TRUE(Tem(linhas, "Cargas não motor consideradas"));
    EXPECT_DOUBLE_EQ(a.Ler(1).corrente, 20.0);
}

// Two children of 10 A at 0.8 and 0.6: the children's line is their phasor total (19.8 A), the design
// current the sum of every circuit's own current below (20 A), grandchildren included.
TEST(Correntes, FeederCurrentIsTheSumOfOwnCurrentsOverTheSubtree)
{
    Ambiente a;
    Circuito qd;
    qd.codigo = "QD";
    a.Inserir(qd);
    Circuito f1;
    f1.seq = 2;
    f1.pai = 1;
    f1.codigo = "F1";
    f1.corrente = 6;
    f1.fp = 0.8f;
    a.Inserir(f1);
    Circuito f11 = f1;
    f11.seq = 3;
    f11.pai = 2;
    f11.codigo = "F11";
    f11.corrente = 4;
    a.Inserir(f11);
    Circuito f2;
    f2.seq = 4;
    f2.pai = 1;
    f2.codigo = "F2";
    f2.corrente = 10;
    f2.fp = 0.6f;
    a.Inserir(f2);

    ASSERT_TRUE(a.Calcular(1).ok);

    // F1 totals 6 + 4 = 10 A at 0.8; with F2: P 8 + 6, Q 6 + 8 -> 19.8 A.
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Corrente dos circuitos filhos:"), "  19.8 A");
    EXPECT_EQ(Valor(linhas, "Corrente do circuito :"), "   0.0 A");
    EXPECT_EQ(Valor(linhas, "Corrente total do circuito :"), "  20.0 A");
    EXPECT_DOUBLE_EQ(a.Ler(1).corrente, 20.0);
}

// A typed current with power factor 0 still counts (the phasor sum alone would drop it).
TEST(Correntes, TypedCurrentWithPowerFactorZeroCounts)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.fp = 0;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(Valor(a.Linhas(1), "Corrente do circuito :"), "  15.0 A");
    EXPECT_DOUBLE_EQ(a.Ler(1).corrente, 15.0);
}

// Three-phase loads: 10 kW at 0.8 is 12.5 kVA, over sqrt(3) x 380 V = 18.99 A.
TEST(Correntes, ThreePhaseLoadCurrentUsesTheSystemsFactorAndLineVoltage)
{
    Ambiente a;
    Circuito c;
    c.sistema = 7;
    c.Uff = 380;
    c.U0 = 0;
    a.Inserir(c);
    a.Carga(1, 1, 1, 1, 10000, 0.8f);

    ASSERT_TRUE(a.Calcular(1).ok);

    EXPECT_EQ(Valor(a.Linhas(1), "Corrente do circuito :"), "  19.0 A");
    EXPECT_NEAR(a.Ler(1).corrente, 18.99, 0.005);
}

// Two equal motors without a starting current start at their running current and power factor.
TEST(Correntes, MotorWithoutStartingCurrentStartsAtItsRunningCurrent)
{
    Ambiente a;
    Circuito c;
    c.quedaPartida = 10;
    a.Inserir(c);
    a.Motor(1, 1, 2, 5, 0.8f, 0, 0);

    ASSERT_TRUE(a.Calcular(1).ok);

    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Corrente do circuito em regime:"), "  10.0 A");
    EXPECT_EQ(Valor(linhas, "Corrente do circuito na partida:"), "  10.0 A");
    EXPECT_EQ(Valor(linhas, "Fator de potência do circuito na partida:"), "0.80");
    for (const auto& l : linhas) {
        if (l.variavel == "Motores considerados") {
            EXPECT_EQ(l.motor, -1);
        }
    }
    EXPECT_TRUE(Tem(linhas, "Motores considerados"));
}
