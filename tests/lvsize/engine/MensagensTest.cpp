// Every way the engine refuses a circuit, with the message the user reads. Each case changes the
// ordinary single-phase circuit of the fixture catalogue just enough to reach one message; nothing is
// written for a refused circuit.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace lvtest;

namespace {

struct CasoMensagem {
    const char* nome;
    std::function<void(Ambiente&, Circuito&)> preparar;
    const char* mensagem;
};

void PrintTo(const CasoMensagem& c, std::ostream* os)
{
    *os << c.nome;
}

class Mensagens : public ::testing::TestWithParam<CasoMensagem> {};

}  // namespace

TEST_P(Mensagens, StopsWithTheMessageAndWritesNothing)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    GetParam().preparar(a, c);
    a.Inserir(c);

    const Calculo r = a.Calcular(c.seq);

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.erro, GetParam().mensagem);
    EXPECT_TRUE(a.Linhas(c.seq).empty());
    EXPECT_FALSE(a.Ler(c.seq).calculado);
    EXPECT_FALSE(a.documento.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Engine, Mensagens,
    ::testing::Values(
        CasoMensagem{"no_device", [](Ambiente&, Circuito& c) { c.dispositivo = 0; },
                     "Dispositivo de proteção não definido."},
        CasoMensagem{"no_length", [](Ambiente&, Circuito& c) { c.L = 0; }, "Comprimento dos circuitos não definido."},
        CasoMensagem{"no_current", [](Ambiente&, Circuito& c) { c.corrente = 0; }, "Corrente do circuito não definida"},
        CasoMensagem{"motor_without_start_limit",
                     [](Ambiente& a, Circuito& c) {
                         c.quedaPartida = 0;
                         a.Motor(c.seq, 1, 1, 8, 0.85f, 48, 0.35f);
                     },
                     "Obrigatório definir a queda de tensão na partida, quando há motores cadastrados."},
        // Cable 4 has no table for single-phase, and for three-phase a tree whose question is unanswered.
        CasoMensagem{"no_tables", [](Ambiente&, Circuito& c) { c.cabo = 4; },
                     "Tabela de capacidade e/ou queda de tensão não definida(s)."},
        CasoMensagem{"tree_question_unanswered",
                     [](Ambiente&, Circuito& c) {
                         c.cabo = 4;
                         c.sistema = 5;
                         c.Uff = 380;
                     },
                     "Tabela de capacidade e/ou queda de tensão não definida(s)."},
        CasoMensagem{"minimum_above_cable",
                     [](Ambiente&, Circuito& c) {
                         c.cabo = 3;  // made up to 10 mm2
                         c.secaoMinima = 16;
                     },
                     "Seção mínima maior que a máxima seção do cabo."},
        // Method D's table lists 1 to 3 buried circuits: three circuits that need two conductors per phase
        // count as four.
        CasoMensagem{"grouping_table_exceeded",
                     [](Ambiente&, Circuito& c) {
                         c.maneira = 2;
                         c.sistema = 5;
                         c.cabo = 2;
                         c.Uff = 380;
                         c.temperatura = 20;
                         c.corrente = 200;
                         c.quedaRegime = 10;
                         c.respostas = {{3, 3}};
                     },
                     "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito."},
        CasoMensagem{"grouping_question_unanswered", [](Ambiente&, Circuito& c) { c.respostas = {}; },
                     "Número de condutores calculado excede tabela de fator de agrupamento. Rever circuito."},
        CasoMensagem{"capacity_imposed_too_small",
                     [](Ambiente&, Circuito& c) {
                         c.condutoresImpostos = 1;
                         c.secaoImposta = 1.5f;
                         c.corrente = 30;
                     },
                     "Impossível devido ao critério capacidade de corrente.\nAumentar no. condutores."},
        CasoMensagem{"drop_beyond_tables",
                     [](Ambiente&, Circuito& c) {
                         c.condutoresImpostos = 1;
                         c.L = 2000;
                     },
                     "Queda de tensão supera os valores tabelados.\nAumentar no. condutores."},
        CasoMensagem{"start_drop_beyond_tables",
                     [](Ambiente& a, Circuito& c) {
                         c.condutoresImpostos = 1;
                         c.corrente = 0;
                         c.L = 1500;
                         c.quedaPartida = 1;
                         a.Motor(c.seq, 1, 1, 10, 0.85f, 60, 0.3f);
                     },
                     "Queda de tensão na partida supera os valores tabelados.\nAumentar no. condutores."},
        // The only rating is too large for every section of the cable.
        CasoMensagem{"raise_impossible", [](Ambiente&, Circuito& c) { c.dispositivo = 10; c.fatorDisjuntor = 0; },
                     "Impossível aumentar a seção ou o número de condutores"},
        // Every rating is below the load.
        CasoMensagem{"device_impossible", [](Ambiente&, Circuito& c) { c.dispositivo = 9; c.fatorDisjuntor = 0; },
                     "Não é possível definir um dispositivo de proteção para este caso. Trocar o dispositivo de "
                     "proteção ou aumentar o número de cabos em paralelo."},
        CasoMensagem{"device_without_ratings", [](Ambiente&, Circuito& c) { c.dispositivo = 8; }, "Database error."},
        CasoMensagem{"breaker_without_breaking_capacity",
                     [](Ambiente&, Circuito& c) {
                         c.dispositivo = 5;
                         c.corrente = 18;
                     },
                     "Dados de curto-circuito do disjuntor incompletos."}),
    [](const ::testing::TestParamInfo<CasoMensagem>& caso) { return std::string(caso.param.nome); });

TEST(Mensagens, UnknownCircuitIsADatabaseErrorReportedOnce)
{
    Ambiente a;
    CCalculo engine(42);
    EXPECT_EQ(engine.m_strErro, "Database error.");
    EXPECT_FALSE(engine.Calcular());
    EXPECT_EQ(engine.m_strErro, "Database error.");
    ASSERT_EQ(a.mensagens.shown.size(), 1u);
    EXPECT_NE(zeltest::ReadFile(a.dir.File("ZEL.LOG")).find("Local : CCalculo::CCalculo"), std::string::npos);
}

// A rating without curve data, used with factor 1.0, means the library lacks the device: the user is
// told once and no report is made; with another factor the rating is taken without the I2t checks.
TEST(Mensagens, MissingDeviceCurveWarnsOnceAndWritesNoReport)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.dispositivo = 3;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    EXPECT_TRUE(r.ok) << r.erro;
    EXPECT_FALSE(r.mostrar);
    ASSERT_EQ(a.mensagens.shown.size(), 1u);
    EXPECT_EQ(a.mensagens.shown[0].text,
              "O cálculo não foi possível devido a falta do dispositivo de proteção no banco de dados. Neste caso é "
              "necessário o cadastramento do dispositivo de proteção através do programa Dispositivos.\n\nObs. Caso "
              "queira dispensar a proteção do calculo, selecionar os Itens Dispensar sobrecarga e Dispensar contatos "
              "indiretos na janela Dados do Circuito");
    EXPECT_EQ(a.mensagens.shown[0].type & MB_ICON_MASK, MB_ICONEXCLAMATION);
    EXPECT_TRUE(a.Linhas(1).empty());
    EXPECT_FALSE(a.Ler(1).calculado);
}

TEST(Mensagens, RatingWithoutCurveAtFactorBelowOneIsTakenSilently)
{
    Ambiente a;
    Circuito c;
    c.corrente = 12;
    c.dispositivo = 3;
    c.fatorDisjuntor = 0.8f;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    // 1.5 mm2 (17.5 A): 16 A x 0.8 = 12.8 A >= 12 A and <= 1.45 x 17.5 / 1.45.
    EXPECT_TRUE(r.ok) << r.erro;
    EXPECT_TRUE(r.mostrar);
    EXPECT_TRUE(a.mensagens.shown.empty());
    EXPECT_EQ(Valor(a.Linhas(1), "Corrente nominal do dispositivo de proteção :"), "1 x 16 A");
    EXPECT_EQ(a.Ler(1).dispositivo, "Disj. 1 x 16 A");
}

// A load value no field of its type holds (a file edited by hand or by another tool) stops the sizing with
// the file and the field named, instead of entering the current's sums as whatever number SQL makes of it.
TEST(Mensagens, ADamagedLoadValueStopsTheSizingNamingFileAndField)
{
    const struct {
        const char* coluna;
        const char* valor;
    } casos[] = {
        {"carga_numero_cargas_iguais", "'1,5'"},  // a decimal comma: SQL took it as 1
        {"carga_numero_cargas_iguais", "3.5"},     // a fraction in a count
        {"carga_potencia_ativa", "'abc'"},        // SQL took it as 0
        {"carga_fator_demanda", "1e308"},         // beyond a single's range
        {"carga_fator_potencia", "X'00FF'"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.coluna) + "=" + caso.valor);
        Ambiente a;
        Circuito c;
        a.Inserir(c);
        a.Carga(c.seq, 1, 1, 2, 1500, 0.92f);
        a.Carga(c.seq, 2, 1, 1, 800, 1);
        a.Sql(std::string("UPDATE carga SET ") + caso.coluna + "=" + caso.valor + " WHERE carga_sequencial=2");

        const Calculo r = a.Calcular(c.seq);

        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erro, "Database error.");
        EXPECT_FALSE(a.Ler(c.seq).calculado);
        ASSERT_EQ(a.mensagens.shown.size(), 1u);
        const std::string& texto = a.mensagens.shown[0].text;
        EXPECT_NE(texto.find(a.dir.File("projeto.lvp")), std::string::npos) << texto;
        EXPECT_NE(texto.find(caso.coluna), std::string::npos) << texto;
    }
}

// A cable row of a damaged catalogue without its short-circuit constant: the sizing stops naming the
// catalogue, instead of printing "inf" and "nan" as the cable's limits.
TEST(Mensagens, ACableWithoutItsShortCircuitConstantStopsNamingTheCatalogue)
{
    for (const char* valor : {"NULL", "0", "-115"}) {
        SCOPED_TRACE(valor);
        Ambiente a("", std::string("UPDATE cabo SET cabo_constante_curto_circuito=") + valor + ";");
        Circuito c;
        c.corrente = 15;
        a.Inserir(c);

        const Calculo r = a.Calcular(c.seq);

        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erro, "Database error.");
        EXPECT_TRUE(a.Linhas(c.seq).empty());
        ASSERT_EQ(a.mensagens.shown.size(), 1u);
        EXPECT_NE(a.mensagens.shown[0].text.find("'" + a.dir.File("ZelBt01.zel") + "' está danificado: o cabo 1 tem a "
                                                 "constante de curto-circuito"),
                  std::string::npos)
            << a.mensagens.shown[0].text;
    }
}
