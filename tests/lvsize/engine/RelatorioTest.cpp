// The report lines and result columns: texts, formats, order and the conditions of each line.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

using namespace lvtest;

// 15 A at 220 V over 10 m, fixture catalogue. Worked by hand:
// - Tabela 36 B1 (2 loaded): 1 mm2 = 14 A < 15 A, 1.5 mm2 = 17.5 A; k_temp (30 C) = 1, k_agr (1 circuit) = 1.
// - Drop: 2 x 10 m x 15 A x 14.48 ohm/km / 1000 = 4.344 V = 1.97 % of 220 V.
// - Breaker: 10 A < 15 A; 16 A <= 17.5 A and 16 A <= 1.45 x 17.5 / 1.45.
// - Ikmin = 0.8 x 220 x 1.5 / (10 x 0.054) = 488.9 A; cable I2t = 115^2 x 1.5^2 = 29756 A2s (adiabatic);
//   time at Ikmax = 29756 / 3000^2 = 3.31 ms.
// - Indirect contact: Lmax = 0.8 x 220 x 1.5 / (2 x 0.0225 x 160) = 36.7 m >= 10 m.
TEST(Relatorio, OrdinaryCircuitWritesItsLinesInOrder)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    a.Inserir(c);

    ASSERT_TRUE(a.Calcular(1).ok);

    struct Esperada {
        int tipo;
        const char* variavel;
        const char* valor;
    };
    const Esperada esperadas[] = {
        {2, "Maneira de instalar:", "B1 - condutores isolados em eletroduto aparente"},
        {2, "Sistema:", "Monofásico F+N+PE"},
        {2, "Cabo:", "Cabo unipolar Cu PVC 750 V"},
        {2, "Número de condutores por fase :", "Automático"},
        {2, "Seção nominal do condutor :", "Automática"},
        {2, "Seção mínima de cada condutor:", "   1.5 mm2"},
        {2, "Temperatura ambiente:", "30 oC"},
        {2, "Dispositivo de proteção :", "Disjuntor termomagnético C"},
        {2, "Fator de correção do disjuntor :", "1.00"},
        {2, "Comprimento do circuito", "  10.0 m"},
        {2, "Queda de tensão máxima admitida :", "4.00 %"},
        {2, "Tensão fase/neutro :", "220.00 V"},
        {2, "Fator de correção de agrupamento :", "Automático"},
        {2, "Corrente c.c. presumida (Ikmax):", "  3.0 kA"},
        {2, "Número de circuitos agrupados", "1"},
        {2, "Corrente do circuito :", "  15.0 A"},
        {2, "Fator de potência do circuito :", "1.00"},
        {2, "Fator de demanda :", "1.00"},
        {3, "Seção nominal dos condutores :", "1 x    1.5 mm2"},
        {3, "Critério de dimensionamento:", "Capacidade de corrente"},
        {3, "Capacidade de condução de corrente :", "1 x    17.5 A"},
        {3, "Fator de correção de agrupamento :", "1.00"},
        {3, "Fator de correção de temperatura :", "1.00"},
        {3, "Resistência em CA de cada condutor :", "14.4800 ohm/km"},
        {3, "Reatância indutiva de cada condutor :", " 0.1600 ohm/km"},
        {3, "Queda de tensão efetiva :", "   1.97 %"},
        {3, "Corrente nominal do dispositivo de proteção :", "1 x 16 A"},
        {3, "Verificar capacidade de interrupção (ruptura)", ""},
        {3, "do dispositivo de proteção.", ""},
        {3, "Icc presumida mínima ponto extremo (Ikmin) :", "4.89e+02 A"},
        {3, "I2t de cada condutor para Ikmax :", "2.98e+04 A"},
        {3, "I2t de cada condutor para Ikmin :", "2.98e+04 A"},
        {3, "Tempo máximo para atuação da proteção para Ikmax :", "3.31e-03 s"},
        {3, "Seção nominal do condutor neutro :", "1 x     1.5 mm2"},
        {3, "Seção nominal do condutor de proteção :", "    1.5 mm2"},
        {3, "Protegido contra contatos indiretos (esquema TN).", ""},
    };
    const auto linhas = a.Linhas(1);
    ASSERT_EQ(linhas.size(), std::size(esperadas));
    for (size_t i = 0; i < linhas.size(); ++i) {
        EXPECT_EQ(linhas[i].numero, static_cast<int>(i) + 1);
        EXPECT_EQ(linhas[i].tipo, esperadas[i].tipo) << esperadas[i].variavel;
        EXPECT_EQ(linhas[i].variavel, esperadas[i].variavel);
        EXPECT_EQ(linhas[i].valor, esperadas[i].valor) << esperadas[i].variavel;
        EXPECT_EQ(linhas[i].motor + linhas[i].carga + linhas[i].cc, 0) << esperadas[i].variavel;
    }
    const Resultado r = a.Ler(1);
    EXPECT_EQ(r.n, 1);
    EXPECT_DOUBLE_EQ(r.secao, 1.5);
    EXPECT_DOUBLE_EQ(r.corrente, 15);
    EXPECT_NEAR(r.queda, 1.97, 1e-6);
    EXPECT_EQ(r.dispositivo, "Disj. 1 x 16 A");
    EXPECT_TRUE(r.calculado);
    EXPECT_TRUE(a.documento.IsModified());
}

TEST(Relatorio, WaivedOverloadWritesNoDeviceAndNoProtectionLines)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.dispensarSobrecarga = true;
    c.dispensarContato = true;
    a.Inserir(c);

    ASSERT_TRUE(a.Calcular(1).ok);

    const auto linhas = a.Linhas(1);
    EXPECT_TRUE(Tem(linhas, "Dispensada verificação contra sobrecarga"));
    EXPECT_TRUE(Tem(linhas, "Dispensada verificação contra contatos indiretos"));
    EXPECT_FALSE(Tem(linhas, "Dispositivo de proteção :"));
    EXPECT_FALSE(Tem(linhas, "Fator de correção do disjuntor :"));
    EXPECT_FALSE(Tem(linhas, "Corrente nominal do dispositivo de proteção :"));
    EXPECT_FALSE(Tem(linhas, "Verificar capacidade de interrupção (ruptura)"));
    EXPECT_FALSE(Tem(linhas, "Protegido contra contatos indiretos (esquema TN)."));
    EXPECT_EQ(a.Ler(1).dispositivo, "");
}

// 1000 W at 110 V direct current: 9.09 A; loads flagged as direct current, no power-factor lines.
TEST(Relatorio, DirectCurrentLoadsAreFlaggedAndHaveNoPowerFactor)
{
    Ambiente a;
    Circuito c;
    c.sistema = 2;
    c.U0 = 110;
    c.dispensarContato = true;
    a.Inserir(c);
    a.Carga(1, 1, 1, 1, 1000, 1);

    ASSERT_TRUE(a.Calcular(1).ok);

    const auto linhas = a.Linhas(1);
    bool achou = false;
    for (const auto& l : linhas) {
        if (l.variavel == "Cargas não motor consideradas") {
            achou = true;
            EXPECT_EQ(l.cc, -1);
            EXPECT_EQ(l.carga, 0);
        }
        EXPECT_EQ(l.variavel.find("Fator de potência"), std::string::npos) << l.variavel;
    }
    EXPECT_TRUE(achou);
    EXPECT_EQ(Valor(linhas, "Corrente do circuito :"), "   9.1 A");
}

// Only motors below: the device is not chosen, its limits are given. Ib 5 A, Ip 30 A (k 0.5 up to 40 A):
// fuse 0.5 x 30 = 15 A > 1.12 x 5 = 5.6 A; breaker from Ip to 12 x Ib.
TEST(Relatorio, MotorOnlyCircuitGivesTheDeviceLimits)
{
    for (const bool fusivel : {true, false}) {
        Ambiente a;
        Circuito c;
        c.quedaPartida = 10;
        c.dispositivo = fusivel ? 2 : 1;
        c.fatorDisjuntor = fusivel ? 0 : 1;
        a.Inserir(c);
        a.Motor(1, 1, 1, 5, 0.8f, 30, 0.4f);

        ASSERT_TRUE(a.Calcular(1).ok) << fusivel;

        const auto linhas = a.Linhas(1);
        EXPECT_EQ(Valor(linhas, "Corrente máxima dispos. proteção contra sobrecarga :"), "   6 A");
        EXPECT_EQ(Valor(linhas, "Corrente máx. disp. proteção contra curto-circuito :"),
                  fusivel ? "  15 A" : ">=   30 A e <=   60 A");
        EXPECT_EQ(Valor(linhas, "Valores de Proteção calculados com base na: "), "NBR IEC 60269");
        EXPECT_TRUE(Tem(linhas, "Verificar tabela do Fabricante do Dispositivo para"));
        EXPECT_TRUE(Tem(linhas, "um melhor dimensionamento"));
        EXPECT_TRUE(Tem(linhas, "Verificar capacidade de interrupção (ruptura)"));
        EXPECT_FALSE(Tem(linhas, "Corrente nominal do dispositivo de proteção :"));
        EXPECT_EQ(a.Ler(1).dispositivo, fusivel ? "Fus.   15 A" : "  30<= Disj.<=  60 A");
        EXPECT_EQ(Valor(linhas, "Queda de tensão máxima admitida em regime :"), "4.00 %");
        EXPECT_EQ(Valor(linhas, "Queda de tensão máxima admitida na partida :"), "10.00 %");
        EXPECT_TRUE(Tem(linhas, "Queda de tensão em regime efetiva :"));
        EXPECT_TRUE(Tem(linhas, "Queda de tensão na partida efetiva :"));
    }
}

// A feeder whose child has a motor: the starting lines of both levels, and the device sized for 1.12 times
// the motors' running current with the other loads: 11.2 A at 0.8 + 10 A at 1 = 20.1 A -> 25 A, which
// 2.5 mm2 (24 A) cannot take: 4 mm2.
TEST(Relatorio, FeederOverAMotorWritesBothLevelsAndSizesTheDeviceForTheMotor)
{
    Ambiente a;
    Circuito qd;
    qd.codigo = "QD";
    qd.corrente = 10;
    qd.quedaPartida = 10;
    a.Inserir(qd);
    Circuito m;
    m.seq = 2;
    m.pai = 1;
    m.codigo = "M";
    m.quedaPartida = 10;
    a.Inserir(m);
    a.Motor(2, 1, 1, 10, 0.8f, 60, 0.35f);

    const Calculo r = a.Calcular(1);

    ASSERT_TRUE(r.ok) << r.erro;
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Corrente dos circuito filhos em regime:"), "  10.0 A");
    EXPECT_EQ(Valor(linhas, "Fator de potência dos circuitos filhos em regime:"), "0.80");
    EXPECT_EQ(Valor(linhas, "Corrente do circuito em regime:"), "  10.0 A");
    EXPECT_EQ(Valor(linhas, "Corrente total do circuito em regime:"), "  20.0 A");
    EXPECT_EQ(Valor(linhas, "Corrente dos circuito filhos na partida:"), "  60.0 A");
    EXPECT_EQ(Valor(linhas, "Fator de potência dos circuitos filhos na partida:"), "0.35");
    EXPECT_EQ(Valor(linhas, "Corrente do circuito na partida:"), "   0.0 A");
    EXPECT_EQ(Valor(linhas, "Corrente total do circuito na partida :"), "  60.0 A");
    EXPECT_EQ(Valor(linhas, "Fator de potência total do circuito na partida:"), "0.35");
    EXPECT_FALSE(Tem(linhas, "Motores considerados"));
    EXPECT_EQ(Valor(linhas, "Corrente nominal do dispositivo de proteção :"), "1 x 25 A");
    EXPECT_EQ(Valor(linhas, "Seção nominal dos condutores :"), "1 x    4 mm2");
    EXPECT_EQ(Valor(linhas, "Critério de dimensionamento:"), "Proteção contra sobrecarga");
}

// Economic section: c = 0.937^10 = 0.5217, a = 2.66 / sqrt(4000) = 0.04206, b = 0.69 / sqrt(1 - c) = 0.9977,
// Y = 15 A: sqrt(0.4 / 200) x 15 / (b a) = 15.99 mm2 (>= 1.5 mm2); with 0.001 $/kWh 0.80 mm2 (below S).
TEST(Relatorio, EconomicSectionLines)
{
    for (const float tarifa : {0.4f, 0.001f}) {
        Ambiente a;
        Circuito c;
        c.corrente = 15;
        c.horas = 4000;
        c.custo = 200;
        c.anos = 10;
        c.tarifa = tarifa;
        a.Inserir(c);

        ASSERT_TRUE(a.Calcular(1).ok);

        const auto linhas = a.Linhas(1);
        EXPECT_EQ(Valor(linhas, "Custo de instalação do cabo:"), "200 $/mm2.km");
        EXPECT_EQ(Valor(linhas, "Horas/ano de funcionamento:"), "4000");
        EXPECT_EQ(Valor(linhas, "Número de anos considerado:"), "10");
        EXPECT_EQ(Valor(linhas, "Tarifa de energia:"), tarifa > 0.1f ? " 0.4000 $/kWh" : " 0.0010 $/kWh");
        EXPECT_EQ(Valor(linhas, "Seção total do condutor, critério econômico :"),
                  tarifa > 0.1f ? "1 x    16.0" : "1 x     0.8 (Não aplicável)");
        EXPECT_EQ(Valor(linhas, "Seção nominal dos condutores :"), "1 x    1.5 mm2");
    }
}

// Whole sections through "%4.0f mm2", one decimal through "%6.1f mm2"; inputs and results alike.
TEST(Relatorio, SectionFormats)
{
    Ambiente a;
    Circuito c;
    c.corrente = 50;
    c.secaoMinima = 2.5f;
    c.condutoresImpostos = 1;
    c.secaoImposta = 10;
    c.dispositivo = 2;
    c.fatorDisjuntor = 0;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    ASSERT_TRUE(r.ok) << r.erro;
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Número de condutores por fase imposto :"), "1");
    EXPECT_EQ(Valor(linhas, "Seção nominal do condutor imposta :"), "  10 mm2");
    EXPECT_EQ(Valor(linhas, "Seção mínima de cada condutor:"), "   2.5 mm2");
    EXPECT_EQ(Valor(linhas, "Seção nominal dos condutores :"), "1 x   10 mm2");
    EXPECT_EQ(Valor(linhas, "Seção nominal do condutor neutro :"), "1 x    10 mm2");
    EXPECT_EQ(Valor(linhas, "Seção nominal do condutor de proteção :"), "   10 mm2");
}
