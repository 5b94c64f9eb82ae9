// mvsize_calc on the example project of the Mvsize program: one line per circuit, the results written into
// the file, and the project command's stop at the first circuit that cannot be sized.
//
// The example (mvsize/app/exemplo/exemplo.sql): method 5 (directly buried, letter H), single-core in
// trefoil, EPR 90 C copper, 8,7/15 kV, 13.8 kV, soil 20 C (kt 1.00), 2.5 K.m/W (kr 1.00), one circuit
// (kg 1.00), 10 kA for 0.25 s: S_min = 10000 x 0.5 / 142 = 35.2 mm2. Capacities of NBR 14039:2005/Em1:2021
// Tabela 28 (Cu, 90 C, H): 16 mm2 82 A, 25 mm2 105 A, 35 mm2 125 A, 70 mm2 178 A, 95 mm2 211 A.
// - AL-PRINCIPAL: its children's phasor total, 120 + 80 A at pf 0.9 = 200 A: 95 mm2 (70 no).
// - SE-01, 120 A: 35 mm2 by capacity, below S_min: trunc 35 -> next section 50 mm2 by short circuit.
// - SE-02, 80 A: 16 mm2 by capacity (the 8,7/15 kV cable is made from 25 mm2), then 50 mm2 by short circuit.
// - BOMBAS, 200 A: 95 mm2 by capacity.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>

namespace {

struct Execucao {
    int status;
    std::string saida, erros;
};

Execucao Rodar(const zeltest::TempDir& dir, const std::string& args)
{
    const std::string out = dir.File("saida.txt"), err = dir.File("erros.txt");
    const std::string cmd = std::string("'") + MVCALC_DRIVER + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int rc = std::system(cmd.c_str());
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, zeltest::ReadFile(out), zeltest::ReadFile(err)};
}

// The example project as the program's run script makes it: the template with exemplo.sql applied.
std::string Exemplo(const zeltest::TempDir& dir)
{
    const std::string projeto = dir.File("exemplo.mvp");
    std::filesystem::copy_file(std::string(ZEL_DATA_DIR) + "/ZelMt02.zel", projeto);
    std::filesystem::permissions(projeto, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    zeltest::RunSql(projeto, zeltest::ReadFile(MVCALC_EXEMPLO_SQL));
    return projeto;
}

const char* const kCabecalho = "circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n";

}  // namespace

TEST(MvsizeCalc, DimensionaOProjetoDeExemplo)
{
    zeltest::TempDir dir;
    const std::string projeto = Exemplo(dir);

    const Execucao r = Rodar(dir, "'" + projeto + "'");

    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, std::string(kCabecalho) +
                           "AL-PRINCIPAL\t1\t95\tCapacidade de corrente\t\n"
                           "SE-01\t1\t50\tCurto circuito\t\n"
                           "SE-02\t1\t50\tCurto circuito\t\n"
                           "BOMBAS\t1\t95\tCapacidade de corrente\t\n");
    EXPECT_EQ(r.erros, "");
    EXPECT_EQ(zeltest::QueryText(projeto, "SELECT COUNT(*) FROM circuito WHERE circuito_calculado<>0"), "4");
    EXPECT_EQ(zeltest::QueryText(projeto, "SELECT secao_nominal FROM circuito WHERE circuito_codigo='SE-01'"), "50");
    EXPECT_EQ(zeltest::QueryText(projeto, "SELECT circuito_impressao_valor FROM circuito_impressao WHERE "
                                          "circuito_sequencial=1 AND circuito_impressao_variavel="
                                          "'Capacidade de condução de corrente:'"),
              "1 x  211 A");
}

// The project run stops at the first circuit that cannot be sized, as the program's project command does.
TEST(MvsizeCalc, ProjetoParaNoPrimeiroCircuitoQueFalha)
{
    zeltest::TempDir dir;
    const std::string projeto = Exemplo(dir);
    zeltest::RunSql(projeto, "UPDATE circuito SET circuito_corrente_projeto=0 WHERE circuito_codigo='SE-01'");

    const Execucao r = Rodar(dir, "-c '" + std::string(ZEL_DATA_DIR) + "/ZelMt01.zel' '" + projeto + "'");

    EXPECT_EQ(r.status, 1);
    // The main feeder carries SE-02 alone: 80 A -> 16 mm2, then 50 mm2 by short circuit.
    EXPECT_EQ(r.saida, std::string(kCabecalho) +
                           "AL-PRINCIPAL\t1\t50\tCurto circuito\t\n"
                           "SE-01\t\t\t\tCorrente de projeto não especificada.\n");
    EXPECT_EQ(r.erros, "Circuito SE-01. Erro: Corrente de projeto não especificada.\n");
    EXPECT_EQ(zeltest::QueryText(projeto, "SELECT COUNT(*) FROM circuito WHERE circuito_calculado<>0"), "1");
}

// Named circuits are sized one by one; an unknown name and a failing circuit make the exit status 1.
TEST(MvsizeCalc, CircuitosNomeados)
{
    zeltest::TempDir dir;
    const std::string projeto = Exemplo(dir);
    zeltest::RunSql(projeto, "UPDATE circuito SET circuito_corrente_projeto=0 WHERE circuito_codigo='SE-01'");

    const Execucao r = Rodar(dir, "'" + projeto + "' BOMBAS NAO-HA SE-01 '#3'");

    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida, std::string(kCabecalho) +
                           "BOMBAS\t1\t95\tCapacidade de corrente\t\n"
                           "SE-01\t\t\t\tCorrente de projeto não especificada.\n"
                           "SE-02\t1\t50\tCurto circuito\t\n");
    EXPECT_EQ(r.erros, "circuito não encontrado: NAO-HA\n");

    const Execucao ok = Rodar(dir, "'" + projeto + "' BOMBAS");
    EXPECT_EQ(ok.status, 0);
}

TEST(MvsizeCalc, ArgumentosEArquivos)
{
    zeltest::TempDir dir;
    EXPECT_EQ(Rodar(dir, "").status, 2);
    EXPECT_EQ(Rodar(dir, "-c").status, 2);
    const Execucao r = Rodar(dir, "'" + dir.File("nao-existe.mvp") + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.erros.find("nao-existe.mvp"), std::string::npos) << r.erros;
    EXPECT_FALSE(std::filesystem::exists(dir.File("nao-existe.mvp")));
}
