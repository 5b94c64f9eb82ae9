// Where the engine's first design failed the user (a crash, a hang, an unchecked or wrongly printed
// result, lost report lines), what it does instead. Each test shows the fault it guards against.
#include "EngineTestSupport.h"
#include "SqlValue.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace lvtest;

// An imposed section that the circuit's tables lack leaves the kept capacity rows empty; the criterion
// that walks them fails inside the calculation and must not escape it.
TEST(Sound, E1_ImposedSectionMissingFromTablesFailsCleanly)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.secaoImposta = 3;  // no such nominal section
    a.Inserir(c);

    Calculo r;
    EXPECT_NO_THROW(r = a.Calcular(1));

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.erro, "Database error.");
    ASSERT_EQ(a.mensagens.shown.size(), 1u);
    EXPECT_NE(zeltest::ReadFile(a.dir.File("ZEL.LOG")).find("Local : CCalculo::Calcular"), std::string::npos);
    EXPECT_TRUE(a.Linhas(1).empty());
}

// 0.75 mm2 on a system whose neutral comes from the secao table: looked up with one decimal ("0.8") the
// neutral is not found. The same circuit shows how 0.75 is printed.
TEST(Sound, E2_E8_NeutralOfThreeQuarterSquareMillimetreIsFoundAndPrinted)
{
    Ambiente a;
    Circuito c;
    c.sistema = 5;
    c.Uff = 380;
    c.U0 = 220;
    c.secaoMinima = 0.5f;
    c.corrente = 9;
    c.dispensarSobrecarga = true;
    c.dispensarContato = true;
    c.respostas = {{1, 1}, {2, 2}};  // three loaded conductors: B1, Tabela 36 column 7
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    // 0.5 mm2 carries 8 A < 9 A, 0.75 mm2 carries 10 A.
    ASSERT_TRUE(r.ok) << r.erro;
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Seção nominal dos condutores :"), "1 x   0.75 mm2");
    EXPECT_EQ(Valor(linhas, "Seção nominal do condutor neutro :"), "1 x    0.75 mm2");
    EXPECT_EQ(Valor(linhas, "Seção nominal do condutor de proteção :"), "   0.75 mm2");
    EXPECT_EQ(Valor(linhas, "Seção mínima de cada condutor:"), "   0.5 mm2");
    EXPECT_DOUBLE_EQ(a.Ler(1).secao, 0.75);
}

// Fuse 4 stores its ratings as 32, 10, 20 A. Taken in stored order, 32 A ends every pass until the
// cable carries 32 A (4 mm2); in ascending order 10 A protects 1 mm2.
TEST(Sound, E3_RatingsAreScannedInAscendingOrder)
{
    Ambiente a;
    Circuito c;
    c.corrente = 9;
    c.secaoMinima = 0.5f;
    c.dispositivo = 4;
    c.fatorDisjuntor = 0;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    // 0.5 mm2 (9 A): 10 A > Iz. 0.75 mm2 (11 A): 1.45 x 11 / 1.9 = 8.4 A < 10 A, and 20 A > Iz.
    // 1 mm2 (14 A): 1.45 x 14 / 1.9 = 10.7 A >= 10 A.
    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(Valor(a.Linhas(1), "Seção nominal dos condutores :"), "1 x    1 mm2");
    EXPECT_EQ(a.Ler(1).dispositivo, "Fus. 1 x 10 A");
    EXPECT_EQ(Valor(a.Linhas(1), "Critério de dimensionamento:"), "Proteção contra sobrecarga");
}

// Breaker 7's thermal curve stays above the cable's withstand from Ia to Im, so the bisection for their
// crossing never comes within 10 A2s: it must stop, and the calculation end.
TEST(Sound, E4_BisectionThatDoesNotMeetIsBounded)
{
    Ambiente a;
    Circuito c;
    c.corrente = 18;
    c.dispositivo = 7;
    a.Inserir(c);

    Calculo r;
    ComPrazo(20, [&] { r = a.Calcular(1); });

    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_EQ(Valor(a.Linhas(1), "Seção nominal dos condutores :"), "1 x    2.5 mm2");
    EXPECT_EQ(a.Ler(1).dispositivo, "Disj. 1 x 20 A");
}

// A curve that cannot be interpolated (no I2t at Ia: its logarithm is minus infinity) counts as no curve
// data. Read as a curve it lets nothing through in the thermal range, puts the crossing near Im, above
// Ikmin at the end of 200 m (0.8 x 220 x 2.5 / (200 x 0.054) = 40.7 A), and raises the section for nothing.
TEST(Sound, E4_UnusableCurveCountsAsNoCurveData)
{
    Ambiente a("", "UPDATE disjuntor_corrente_nominal SET disjuntor_i2t_corrente_minima_atuacao=0 "
                   "WHERE dispositivo_protecao_codigo=7;");
    Circuito c;
    c.corrente = 18;
    c.dispositivo = 7;
    c.L = 200;
    c.quedaRegime = 50;
    c.dispensarContato = true;
    a.Inserir(c);

    Calculo r;
    ComPrazo(20, [&] { r = a.Calcular(1); });

    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_TRUE(a.mensagens.shown.empty());
    EXPECT_EQ(Valor(a.Linhas(1), "Seção nominal dos condutores :"), "1 x    2.5 mm2");
    EXPECT_EQ(Valor(a.Linhas(1), "Critério de dimensionamento:"), "Capacidade de corrente");
    EXPECT_EQ(a.Ler(1).dispositivo, "Disj. 1 x 20 A");
}

// Breaker 5 has curve data but no breaking capacity, or no let-through at it: the short-circuit checks of
// NBR 5410 5.3.5.5 cannot be made, which once ended as a success with the section raised and nothing checked.
TEST(Sound, E5_BreakerWithoutBreakingCapacityStops)
{
    const struct {
        const char* caso;
        float icap, i2tIcap;
        const char* erro;
    } casos[] = {
        {"no Icap", 0, 0, "Dados de curto-circuito do disjuntor incompletos."},
        {"Icap without its I2t", 6000, 0, "Dados de curto-circuito do disjuntor incompletos."},
        {"Icap with a negative I2t", 6000, -1, "Dados de curto-circuito do disjuntor incompletos."},
        // 18 A: 2.5 mm2 (24 A) on 20 A; at 3 kA the let-through, log-log from (Im 200 A, 400 A2s) to (Icap
        // 6000 A, 2.5e4 A2s), is 1.1e4 A2s, within 115^2 x 2.5^2 = 8.3e4.
        {"complete", 6000, 2.5e4f, ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        Ambiente a("", FormatC("UPDATE disjuntor_corrente_nominal SET disjuntor_corrente_capacidade=%g, "
                               "disjuntor_i2t_corrente_capacidade=%g WHERE dispositivo_protecao_codigo=5;",
                               static_cast<double>(caso.icap), static_cast<double>(caso.i2tIcap)));
        Circuito c;
        c.corrente = 18;
        c.dispositivo = 5;
        a.Inserir(c);

        const Calculo r = a.Calcular(1);

        EXPECT_EQ(r.erro, caso.erro);
        EXPECT_EQ(a.Linhas(1).empty(), *caso.erro != 0);
    }
}

// Too long for the 16 A breaker (it5s 160 A) at 220 V: Lmax = 0.8 x 220 x S / (2 x 0.0225 x 160) =
// 24.4 m per mm2 (S <= 16 mm2, protective conductor equal to the phase): 1.5 -> 36.7 m, 2.5 -> 61.1 m,
// 4 -> 97.8 m, 6 -> 146.7 m. For 100 m one raise (2.5 mm2) is not enough; 6 mm2 is.
TEST(Sound, E6_IndirectContactIsCheckedAgainAfterEachRaise)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.L = 100;
    c.quedaRegime = 25;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    ASSERT_TRUE(r.ok) << r.erro;
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Seção nominal dos condutores :"), "1 x    6 mm2");
    EXPECT_EQ(Valor(linhas, "Critério de dimensionamento:"), "Contatos indiretos");
    EXPECT_TRUE(Tem(linhas, "Protegido contra contatos indiretos (esquema TN)."));
}

// With several conductors per phase the section is recomputed from the largest section's proportions;
// the result must still hold: n x 0.8 U0 S / ((n S / Sp + 1) x 0.0225 it5s) >= L, with Sp by NBR 5410
// Tabela 58 on the whole phase section n S (up to 16 mm2 the same, so m = n S / Sp = 1 here).
TEST(Sound, E6_SeveralConductorsPerPhaseEndProtected)
{
    const struct {
        const char* caso;
        float L, queda;
        int dispositivo;
        float fator, it5s;
        const char *criterio, *dispositivoTexto;
    } casos[] = {
        // Two 1.5 mm2 conductors (the drop's choice at 25 %: 1 mm2 27 %, 1.5 mm2 17.8 %) on two 10 A breakers
        // (it5s 100 A). Ikmin = 0.8 x 220 x 1.5 / (180 x 0.054) = 27.2 A, in the thermal range, where the
        // breaker lets 1.9e5 A2s through, more than 115^2 x 1.5^2 = 29756: 2.5 mm2 (Ikmin 45.3 A, 5.9e4 A2s
        // within 82656). Lmax = 2 x 0.8 x 220 x 2.5 / (2 x 0.0225 x 100) = 195.6 m >= 180 m: protected as it is.
        {"breakers", 180, 25, 1, 1, 100, "Curto circuito", "Disj. 2 x 10 A"},
        // Two 1.5 mm2 conductors (50 % allowed: 29.6 % at 300 m) on two 10 A gG fuses (it5s 47 A), which have
        // no short-circuit check: Lmax = 2 x 0.8 x 220 x 1.5 / (2 x 0.0225 x 47) = 249.6 m < 300 m. Needed in
        // total: (120/70 + 1) x 0.0225 x 47 x 300 / (0.8 x 220) = 4.89 mm2, 2.45 mm2 per conductor -> 2.5 mm2,
        // Lmax 416 m.
        {"fuses", 300, 50, 2, 0, 47, "Contatos indiretos", "Fus. 2 x 10 A"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        Ambiente a;
        Circuito c;
        c.corrente = 15;
        c.L = caso.L;
        c.quedaRegime = caso.queda;
        c.condutoresImpostos = 2;
        c.dispositivo = caso.dispositivo;
        c.fatorDisjuntor = caso.fator;
        a.Inserir(c);

        const Calculo r = a.Calcular(1);

        ASSERT_TRUE(r.ok) << r.erro;
        const Resultado res = a.Ler(1);
        // The imposed count stays.
        ASSERT_EQ(res.n, 2);
        EXPECT_DOUBLE_EQ(res.secao, 2.5);
        EXPECT_EQ(res.dispositivo, caso.dispositivoTexto);
        const double lmax = 2 * 0.8 * 220 * res.secao / (2 * 0.0225 * caso.it5s);
        EXPECT_GE(lmax, caso.L) << "S = " << res.secao;
        EXPECT_EQ(Valor(a.Linhas(1), "Critério de dimensionamento:"), caso.criterio);
        EXPECT_EQ(Valor(a.Linhas(1), "Seção nominal do condutor de proteção :"), "    5 mm2");
        EXPECT_TRUE(Tem(a.Linhas(1), "Protegido contra contatos indiretos (esquema TN)."));
    }
}

// With the overload check waived no device current is known (it5s 0): the check proves nothing and the
// report must not say the circuit is protected.
TEST(Sound, E6_NoProtectionClaimWithoutADeviceCurrent)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.L = 100;
    c.quedaRegime = 25;
    c.dispensarSobrecarga = true;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    ASSERT_TRUE(r.ok) << r.erro;
    EXPECT_FALSE(Tem(a.Linhas(1), "Protegido contra contatos indiretos (esquema TN)."));
}

// Ikmax 0.02 kA is below 1.45 x Iz of 2.5 mm2 (34.8 A): the cable sets no limit there, and no time.
TEST(Sound, E7_NoLimitIsPrintedAsSuch)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.ikmax = 0.02f;
    c.dispositivo = 2;
    c.fatorDisjuntor = 0;
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    // Fuse: 1.5 mm2 (17.5 A) takes no rating (16 A > 1.45 x 17.5 / 1.6 = 15.9 A); 2.5 mm2 takes 16 A.
    ASSERT_TRUE(r.ok) << r.erro;
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Seção nominal dos condutores :"), "1 x    2.5 mm2");
    EXPECT_EQ(Valor(linhas, "I2t de cada condutor para Ikmax :"), "sem limite");
    EXPECT_EQ(Valor(linhas, "Tempo máximo para atuação da proteção para Ikmax :"), "sem limite");
    // The formula's 0.8 x 220 x 2.5 / (10 x 0.054) = 814.8 A at the far end cannot exceed the prospective
    // 20 A at the origin (NBR 5410 5.3.5.5): Ikmin is 20 A, where the cable sets no limit either.
    EXPECT_EQ(Valor(linhas, "Icc presumida mínima ponto extremo (Ikmin) :"), "2.00e+01 A");
    EXPECT_EQ(Valor(linhas, "I2t de cada condutor para Ikmin :"), "sem limite");
}

TEST(Sound, E9_MessageIsSpelledRight)
{
    Ambiente a;
    Circuito c;
    c.condutoresImpostos = 1;
    c.secaoImposta = 1.5f;
    c.corrente = 30;
    a.Inserir(c);
    EXPECT_EQ(a.Calcular(1).erro, "Impossível devido ao critério capacidade de corrente.\nAumentar no. condutores.");
}

// Texts with an apostrophe (a device description, an answer of the catalogue) are values, not SQL.
TEST(Sound, G1_TextsWithApostrophesAreWritten)
{
    Ambiente a;
    Circuito c;
    c.corrente = 18;
    c.dispositivo = 6;
    c.respostas = {{1, 1}, {4, 1}};
    a.Inserir(c);

    const Calculo r = a.Calcular(1);

    ASSERT_TRUE(r.ok) << r.erro;
    const auto linhas = a.Linhas(1);
    EXPECT_EQ(Valor(linhas, "Dispositivo de proteção :"), "Disjuntor D'Ávila");
    EXPECT_EQ(Valor(linhas, "Observação do instalador"), "Eletroduto d'água próximo");
}

// A calculated circuit is taken as it stands: nothing is read beyond its row and nothing is written,
// not even with the catalogue gone.
TEST(Sound, G2_CalculatedCircuitIsNotSizedAgain)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    a.Inserir(c);
    ASSERT_TRUE(a.Calcular(1).ok);
    const auto antes = a.Linhas(1);
    a.documento.SetModifiedFlag(false);
    a.contexto.m_pReferenceDb = nullptr;
    a.Sql("UPDATE circuito SET circuito_corrente_regime=90, secao_nominal=99 WHERE circuito_sequencial=1");

    const Calculo r = a.Calcular(1);

    EXPECT_TRUE(r.ok) << r.erro;
    EXPECT_TRUE(r.mostrar);
    EXPECT_TRUE(a.mensagens.shown.empty());
    EXPECT_EQ(a.Linhas(1).size(), antes.size());
    EXPECT_DOUBLE_EQ(a.Ler(1).secao, 99);
    EXPECT_FALSE(a.documento.IsModified());
}

// A second calculation replaces the lines whole: no line of the first one stays, numbers restart at 1.
TEST(Sound, G2_SecondCalculationReplacesTheLinesWhole)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    c.horas = 4000;
    c.custo = 200;
    c.anos = 10;
    c.tarifa = 0.4f;
    a.Inserir(c);
    ASSERT_TRUE(a.Calcular(1).ok);
    const auto primeira = a.Linhas(1);
    ASSERT_TRUE(Tem(primeira, "Horas/ano de funcionamento:"));

    a.Sql("UPDATE circuito SET circuito_horas_ano_funcionamento=0, circuito_corrente_regime=30, "
          "circuito_calculado=0 WHERE circuito_sequencial=1");
    ASSERT_TRUE(a.Calcular(1).ok);

    const auto segunda = a.Linhas(1);
    EXPECT_FALSE(Tem(segunda, "Horas/ano de funcionamento:"));
    EXPECT_FALSE(Tem(segunda, "Seção total do condutor, critério econômico :"));
    EXPECT_EQ(Valor(segunda, "Corrente do circuito :"), "  30.0 A");
    EXPECT_EQ(static_cast<long>(segunda.size()),
              a.Contar("SELECT COUNT(*) FROM circuito_impressao WHERE circuito_sequencial=1"));
    for (size_t i = 0; i < segunda.size(); ++i)
        EXPECT_EQ(segunda[i].numero, static_cast<int>(i) + 1);
    EXPECT_LT(segunda.size(), primeira.size());
}

// A failure half-way through the lines (an answer whose question the catalogue does not have) leaves
// the previous calculation's lines and results as they were, reported once.
TEST(Sound, G2_FailureWhileWritingKeepsThePreviousLinesAndResults)
{
    Ambiente a;
    Circuito c;
    c.corrente = 15;
    a.Inserir(c);
    ASSERT_TRUE(a.Calcular(1).ok);
    const auto antes = a.Linhas(1);
    const Resultado resultadoAntes = a.Ler(1);
    a.documento.SetModifiedFlag(false);

    a.Sql("UPDATE circuito SET circuito_corrente_regime=30, circuito_calculado=0 WHERE circuito_sequencial=1");
    a.Resposta(1, 99, 1);
    const Calculo r = a.Calcular(1);

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.erro, "Database error.");
    ASSERT_EQ(a.mensagens.shown.size(), 1u);
    EXPECT_NE(zeltest::ReadFile(a.dir.File("ZEL.LOG")).find("Local : CCalculo::Mostrar"), std::string::npos);
    const auto depois = a.Linhas(1);
    ASSERT_EQ(depois.size(), antes.size());
    for (size_t i = 0; i < antes.size(); ++i) {
        EXPECT_EQ(depois[i].variavel, antes[i].variavel);
        EXPECT_EQ(depois[i].valor, antes[i].valor);
    }
    const Resultado resultado = a.Ler(1);
    EXPECT_FALSE(resultado.calculado);
    EXPECT_DOUBLE_EQ(resultado.secao, resultadoAntes.secao);
    EXPECT_EQ(resultado.dispositivo, resultadoAntes.dispositivo);
    EXPECT_FALSE(a.documento.IsModified());
}

// A failure of a project table met once per circuit of a subtree is reported once, and the walk stops.
TEST(Sound, G4_FailureInsideTheSubtreeWalkIsReportedOnce)
{
    Ambiente a;
    Circuito alimentador;
    alimentador.codigo = "QD";
    alimentador.L = 20;
    a.Inserir(alimentador);
    for (short i = 2; i <= 6; ++i) {
        Circuito filho;
        filho.seq = i;
        filho.pai = 1;
        filho.codigo = "F" + std::to_string(i);
        filho.corrente = 5;
        a.Inserir(filho);
    }
    a.Sql("DROP TABLE motor");

    const Calculo r = a.Calcular(1);

    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.erro, "Database error.");
    EXPECT_EQ(a.mensagens.shown.size(), 1u);
}

// Parent links that loop in a damaged file (F2 -> F3 -> F2, or a circuit its own parent): the subtree walk
// recursed until the stack ran out. It must end with a database error, reported once.
TEST(Sound, G5_ParentLinksInACycleEndTheCalculation)
{
    const struct {
        const char* caso;
        const char* sql;
        short circuito;
    } casos[] = {
        {"F3 parent of F2", "UPDATE circuito SET circuito_sequencial_pai=3 WHERE circuito_sequencial=2", 2},
        {"QD its own parent", "UPDATE circuito SET circuito_sequencial_pai=1 WHERE circuito_sequencial=1", 1},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        Ambiente a;
        Circuito alimentador;
        alimentador.codigo = "QD";
        a.Inserir(alimentador);
        for (short i = 2; i <= 3; ++i) {
            Circuito filho;
            filho.seq = i;
            filho.pai = static_cast<short>(i - 1);
            filho.codigo = "F" + std::to_string(i);
            filho.corrente = 5;
            a.Inserir(filho);
        }
        a.Sql(caso.sql);

        // In a child process first: the unbounded walk ends the process.
        EXPECT_EXIT(std::exit(a.Calcular(caso.circuito).erro == "Database error." ? 0 : 1),
                    ::testing::ExitedWithCode(0), "");
        if (HasFailure())
            return;

        const Calculo r = a.Calcular(caso.circuito);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.erro, "Database error.");
        EXPECT_EQ(a.mensagens.shown.size(), 1u);
        EXPECT_NE(zeltest::ReadFile(a.dir.File("ZEL.LOG")).find("Local : CCalculo::GetCorrente"), std::string::npos);
        EXPECT_TRUE(a.Linhas(caso.circuito).empty());
    }
}
