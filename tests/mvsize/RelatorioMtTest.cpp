// The report lines: order, types, conditions and formats.

#include "MvTestSupport.h"

#include <gtest/gtest.h>

using mvtest::Ambiente;
using mvtest::Circuito;

// The circuit of CapacidadeEnterradoTrifolio (1 x 95 mm2, H): every line in writing order.
TEST(RelatorioMt, LinhasDeUmCircuitoSemFilhos)
{
    Ambiente a;
    a.Inserir(Circuito{});
    ASSERT_TRUE(a.Calcular(1).ok);
    const auto linhas = a.Linhas(1);
    const std::vector<std::tuple<int, std::string, std::string>> esperado = {
        {2, "Maneira de instalar:", "Diretamente enterrados"},
        {2, "Tensão de serviço:", "13.8 kV"},
        {2, "Classe de tensão:", "8,7/15 kV"},
        {2, "Cabo:", "EPR 90 °C - condutor de cobre"},
        {2, "Material Condutor: ", "Cobre"},
        {2, "Temperatura de Regime do Condutor : ", "90 ºC"},
        {2, "Temperatura ambiente:", "20 °C"},
        {2, "Queda de tensão máxima:", " 5.00 %"},
        {2, "Corrente de projeto:", "  200.0 A"},
        {2, "Fator de potência:", "0.90"},
        {2, "Resistividade térmica do solo:", "2.5"},
        {2, "Circuito comprimento:", " 1000 m"},
        {2, "Corrente curto circuito no condutor:", " 10.00 kA"},
        {2, "Tempo corrente curto circuito no condutor:", "   0.2500 s"},
        {2, "Tipo de conexão:", "Conexões prensadas ou aparafusadas (temperatura final 250 °C)"},
        {2, "Fator de correção de agrupamento :", "Automático"},
        {2, "Número de condutores por fase :", "Automático"},
        {2, "Seção nominal do condutor :", "Automática"},
        {2, "Tipo de Cabo Selecionado", "Cabo Unipolar"},
        {2, "Disposição dos Cabos", "Trifólio"},
        {2, "Numero de Ternas ou Cabos", "1"},
        {3, "Seção nominal dos condutores:", "1 x 95 mm²"},
        {3, "Critério de dimensionamento:", "Capacidade de corrente"},
        {3, "Fator correção de resistividade térmica do Solo:", "1.00"},
        {3, "Método de Referencia da Instalação (Tabela 25 NBR 14039:2005/Em1:2021):", "H"},
        {3, "Capacidade de condução de corrente:", "1 x  211 A"},
        {3, "Fator de correção de agrupamento:", "1.00"},
        {3, "Fator de correção da temperatura:", "1.00"},
        {3, "Reatância capacitiva:", "  8794 ohm.km"},
        {3, "Resistência máxima em corrente alternada:", "0.2470 ohm/km"},
        {3, "Reatância indutiva:", "0.1350 ohm/km"},
        {3, "Queda de tensão efetiva:", " 0.7057 %"},
        // 20164 x 95^2 = 181980100 A2s
        {3, "Integ. de Joule condutor (regime adiabático):", "1.82E+08 A²s"},
        {3, "Terminal modular (TM) da VARDEK recomendado:", ""},
    };
    ASSERT_EQ(linhas.size(), esperado.size());
    for (size_t i = 0; i < linhas.size(); ++i) {
        SCOPED_TRACE(std::get<1>(esperado[i]));
        EXPECT_EQ(linhas[i].numero, static_cast<int>(i + 1));
        EXPECT_EQ(linhas[i].tipo, std::get<0>(esperado[i]));
        EXPECT_EQ(linhas[i].variavel, std::get<1>(esperado[i]));
        EXPECT_EQ(linhas[i].valor, std::get<2>(esperado[i]));
    }
}

// Imposed values, operating hours, aluminium, trays and the 2d-spacing note of trenches.
TEST(RelatorioMt, LinhasCondicionais)
{
    {
        // Aluminium (cable 5), economic section below S: "(Não se aplica)". With tariff 0.001:
        // f = sqrt(0.001 / 100) = 0.0031623, e = 7053.7 (200 A; SecaoEconomica) -> 22.3 -> 22 mm2.
        // Al 90 C H (Tab. 28) at 200 A needs more than 95 mm2, so S > 22.
        Ambiente a;
        Circuito c;
        c.cabo = 5;
        c.horas = 8760;
        c.anos = 10;
        c.custo = 100;
        c.tarifa = 0.001f;
        c.condutores = 1;
        c.agrupamento = 1;
        a.Inserir(c);
        ASSERT_TRUE(a.Calcular(1).ok);
        const auto l = a.Linhas(1);
        EXPECT_EQ(mvtest::Valor(l, "Material Condutor: "), "Aluminio");
        EXPECT_EQ(mvtest::Valor(l, "Seção total do condutor, critério econômico:"), "   22.0 mm² (Não se aplica)");
        EXPECT_EQ(mvtest::Valor(l, "Número de condutores por fase imposto :"), "1");
        EXPECT_EQ(mvtest::Valor(l, "Fator de correção de agrupamento imposto :"), "1.00");
        EXPECT_EQ(mvtest::Valor(l, "Número de anos considerado:"), "10");
        EXPECT_EQ(mvtest::Valor(l, "Tarifa de energia:"), " 0.0010 $/kWh");
        EXPECT_EQ(mvtest::Valor(l, "Custo de instalação cabo:"), "100 $.mm2/km");
        EXPECT_EQ(mvtest::Valor(l, "Horas ano funcionamento:"), "8760");
    }
    {
        // Trays (method 1, stored letter A: Tabela 25's A1), horizontal, 2d spacing, 1 tray; imposed section.
        Ambiente a;
        Circuito c;
        c.maneira = 1;
        c.bandejas = 1;
        c.espacamento = 1;
        c.secaoImposta = 240;
        a.Inserir(c);
        const auto r = a.Calcular(1);
        ASSERT_TRUE(r.ok) << r.erro;
        const auto l = a.Linhas(1);
        EXPECT_EQ(mvtest::Valor(l, "Seção nominal do condutor imposta :"), "240");
        EXPECT_EQ(mvtest::Valor(l, "Numero de Bandejas"), "1");
        EXPECT_EQ(mvtest::Valor(l, "Disposição dos Circuitos"), "Instalação Horizontal");
        EXPECT_EQ(mvtest::Valor(l, "Distancia Entre Cabos/Ternas"), "2d (entre eixos), d=diametro externo do cabo");
        EXPECT_FALSE(mvtest::Tem(l, "Fator correção de resistividade térmica do Solo:"));
        EXPECT_EQ(mvtest::Valor(l, "Método de Referencia da Instalação (Tabela 25 NBR 14039:2005/Em1:2021):"), "A1");
    }
    {
        // Trench (method 2), single-core spaced: the 2d note; three-core elsewhere says "Cabo Tripolar".
        Ambiente a;
        Circuito c;
        c.maneira = 2;
        c.disposicao = 1;
        c.ternas = 0;
        a.Inserir(c);
        ASSERT_TRUE(a.Calcular(1).ok);
        const auto l = a.Linhas(1);
        EXPECT_EQ(mvtest::Valor(l, "Afastamento entre eixos dos cabos = 2d"), "d = Diamentro externo do cabo");
        EXPECT_EQ(mvtest::Valor(l, "Disposição dos Cabos"), "Espaçados");
        EXPECT_EQ(mvtest::Valor(l, "Método de Referencia da Instalação (Tabela 25 NBR 14039:2005/Em1:2021):"), "D");
    }
    {
        Ambiente a;
        Circuito c;
        c.tipoCabo = 2;
        c.disposicao = 0;
        a.Inserir(c);
        ASSERT_TRUE(a.Calcular(1).ok);
        const auto l = a.Linhas(1);
        EXPECT_EQ(mvtest::Valor(l, "Tipo de Cabo Selecionado"), "Cabo Tripolar");
        EXPECT_FALSE(mvtest::Tem(l, "Disposição dos Cabos"));
    }
}
