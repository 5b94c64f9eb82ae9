// danos_lvsize: Lvsize given damaged copies of its example project, its catalogue and the company file
// (Ferramenta.h says how to run it). A tool beside the tests, run by hand, best on the sanitizers' build.
#include "Rodada.h"
#include "ShellFixture.h"

int main(int argc, char** argv)
{
    return danos::Principal<lvshell::Shell>(argc, argv, {"exemplo.lvp", "ZelBt01.zel"});
}
