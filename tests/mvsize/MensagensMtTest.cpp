// Every message the engine gives, each reached by the circuit that causes it.

#include "MvTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using mvtest::Ambiente;
using mvtest::Circuito;

namespace {

const char* const kAgrupamento = "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito.";
const char* const kQueda = "Queda de tensão supera os valores tabelados.\nAumentar no. condutores por fase.";
const char* const kCurto = "Impossível calcular devido ao curto circuito.\nAumentar no. condutores por fase.";

struct Caso {
    const char* nome;
    std::function<void(Circuito&)> preparar;
    std::string mensagem;
};

}  // namespace

TEST(MensagensMt, CadaFalhaDaSuaMensagem)
{
    const std::vector<Caso> casos = {
        {"sem corrente", [](Circuito& c) { c.corrente = 0; }, "Corrente de projeto não especificada."},
        // Method 3 (conduit in air) has no touching-flat row in Tab. 25's mapping.
        {"sem referencia", [](Circuito& c) { c.maneira = 3; c.disposicao = 3; },
         "Impossivel determinar a Referencia do Método de Instalação."},
        // No temperature factor for 12 C: a catalogue read without a row is a database failure.
        {"sem kt", [](Circuito& c) { c.temperatura = 12; }, "Database Error"},
        // One conductor imposed, 2000 A: the largest sections do not carry it.
        {"capacidade metodo 1", [](Circuito& c) { c.maneira = 1; c.disposicao = 2; c.bandejas = 1; c.corrente = 2000; c.condutores = 1; },
         "Capacacidade máxima de Corrente não atende as necessidades, aumente o número de Ternas ou Bandejas"},
        {"capacidade metodo 5", [](Circuito& c) { c.corrente = 2000; c.condutores = 1; },
         "Capacacidade máxima de Corrente não atende as necessidades, aumente o número de Ternas"},
        {"capacidade metodo 2", [](Circuito& c) { c.maneira = 2; c.ternas = 0; c.bandejas = 0; c.corrente = 2000; c.condutores = 1; },
         "Capacacidade máxima de Corrente não atende as necessidades, aumente o numero de Condutores"},
        // Single-core trefoil groups on 3 trays: Tab. 34 gives no factor, so the catalogue has no row.
        {"agrupamento sem linha", [](Circuito& c) { c.maneira = 1; c.bandejas = 3; }, kAgrupamento},
        {"queda impossivel", [](Circuito& c) { c.quedaMaxima = 0.01f; c.condutores = 1; }, kQueda},
        // Method 1, spaced, spacing "Maior que 2 D" (not offered, but a project file can hold it): no reactance for
        // an unstated spacing; more conductors would not help, so the message names the spacing.
        {"queda sem coluna", [](Circuito& c) { c.maneira = 1; c.disposicao = 1; c.espacamento = 3; c.bandejas = 1; },
         "Não há reatância tabelada para cabos unipolares espaçados \"Maior que 2 D\".\nEditar o circuito e escolher a "
         "distância 2d ou 20 cm entre eixos."},
        // 100 kA for 1 s: S_min = 704 mm2 > 500 mm2 with one conductor imposed.
        {"curto n imposto", [](Circuito& c) { c.icc = 100; c.tempoCurto = 1; c.condutores = 1; }, kCurto},
        // 100000 kA: S_min / 500 needs more than 1000 conductors.
        {"curto n demais", [](Circuito& c) { c.icc = 100000; c.tempoCurto = 1; }, kAgrupamento},
        // Values the fields accept, on an imposed 10 mm2 (3,6/6 kV is made in 10 mm2): S_min = 568 kA x
        // sqrt(9999 s) / 142 = 399980 mm2, 39999 conductors, more than a 16-bit count holds.
        {"curto n alem de 16 bits", [](Circuito& c) { c.icc = 568; c.tempoCurto = 9999; c.secaoImposta = 10; c.classe = 1; c.corrente = 10; },
         kAgrupamento},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Ambiente a;
        Circuito c;
        caso.preparar(c);
        a.Inserir(c);
        const auto r = a.Calcular(1);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erro, caso.mensagem);
        // A failed calculation writes neither lines nor results.
        EXPECT_TRUE(a.Linhas(1).empty());
        EXPECT_EQ(a.Coluna(1, "circuito_calculado"), "0");
    }
}

// EPR 105 C sized by short circuit: the engine warns (exclamation icon) and still succeeds.
// Cu 105 C, K = 134: 40 kA x 0.5 / 134 = 149.3 mm2 -> 150 mm2.
TEST(MensagensMt, Aviso105GrausPorCurto)
{
    Ambiente a;
    Circuito c;
    c.cabo = 4;
    c.icc = 40;
    a.Inserir(c);
    const auto r = a.Calcular(1);
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(r.criterio, mvsize::CRITERIO_CURTO);
    EXPECT_EQ(r.S, 150);
    ASSERT_EQ(a.mensagens.shown.size(), 1u);
    EXPECT_EQ(a.mensagens.shown[0].text,
              "Para este calculo o critério de dimensionamento foi por curto-circuito, neste caso calcular utilizando "
              "também cabos com 90ºC de temperatura no condutor em serviço contínuo.");
    EXPECT_EQ(a.mensagens.shown[0].type & MB_ICON_MASK, MB_ICONEXCLAMATION);
}

// The same circuit at 90 C gives no warning.
TEST(MensagensMt, SemAvisoA90Graus)
{
    Ambiente a;
    Circuito c;
    c.icc = 40;
    a.Inserir(c);
    ASSERT_TRUE(a.Calcular(1).ok);
    EXPECT_TRUE(a.mensagens.shown.empty());
}
