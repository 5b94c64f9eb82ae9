// The command-line driver: a project file sized as the project command does (stopping at the first
// circuit that cannot be sized) or circuit by circuit, with the results written into the file.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <sys/wait.h>

using namespace lvtest;

namespace {

struct Execucao {
    int status;
    std::string saida, erros;
};

Execucao Rodar(const zeltest::TempDir& dir, const std::string& args)
{
    const std::string out = dir.File("saida.txt"), err = dir.File("erros.txt");
    const std::string cmd = std::string("'") + LVTEST_DRIVER + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int rc = std::system(cmd.c_str());
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, zeltest::ReadFile(out), zeltest::ReadFile(err)};
}

// Four ordinary circuits of the fixture catalogue; the third has no device.
void Projeto(const zeltest::TempDir& dir)
{
    Ambiente a;  // only to write the rows through the same helpers; the files are copied out
    for (short i = 1; i <= 4; ++i) {
        Circuito c;
        c.seq = i;
        c.codigo = "C" + std::to_string(i);
        c.corrente = 15;
        if (i == 3)
            c.dispositivo = 0;
        a.Inserir(c);
    }
    a.projeto.Close();
    a.catalogo.Close();
    std::filesystem::copy_file(a.dir.File("projeto.lvp"), dir.File("projeto.lvp"));
    std::filesystem::copy_file(a.dir.File("ZelBt01.zel"), dir.File("catalogo.zel"));
}

}  // namespace

TEST(Driver, ProjectRunStopsAtTheFirstFailingCircuit)
{
    zeltest::TempDir dir;
    Projeto(dir);

    const Execucao r = Rodar(dir, "-c '" + dir.File("catalogo.zel") + "' '" + dir.File("projeto.lvp") + "'");

    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida,
              "circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n"
              "C1\t1\t1.5\tCapacidade de corrente\t\n"
              "C2\t1\t1.5\tCapacidade de corrente\t\n"
              "C3\t\t\t\tDispositivo de proteção não definido.\n");
    EXPECT_EQ(r.erros, "Circuito C3. Erro: Dispositivo de proteção não definido.\n");
    const std::string projeto = dir.File("projeto.lvp");
    EXPECT_EQ(zeltest::QueryText(projeto, "SELECT group_concat(circuito_calculado) FROM circuito"), "-1,-1,0,0");
    EXPECT_EQ(zeltest::QueryText(projeto, "SELECT circuito_corrente_nominal_dispositivo_protecao FROM circuito "
                                          "WHERE circuito_sequencial=2"),
              "Disj. 1 x 16 A");
}

TEST(Driver, NamedCircuitsAreSizedOneByOne)
{
    zeltest::TempDir dir;
    Projeto(dir);
    const std::string args = "-c '" + dir.File("catalogo.zel") + "' '" + dir.File("projeto.lvp") + "'";

    const Execucao r = Rodar(dir, args + " C3 C4 '#1' nenhum");

    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida,
              "circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n"
              "C3\t\t\t\tDispositivo de proteção não definido.\n"
              "C4\t1\t1.5\tCapacidade de corrente\t\n"
              "C1\t1\t1.5\tCapacidade de corrente\t\n");
    EXPECT_EQ(r.erros, "circuito não encontrado: nenhum\n");

    // Sized again: the stored results, nothing recalculated.
    const Execucao again = Rodar(dir, args + " C4");
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.saida, "circuito\tcondutores por fase\tseção (mm2)\tcritério\terro\n"
                           "C4\t1\t1.5\tCapacidade de corrente\t\n");
}
