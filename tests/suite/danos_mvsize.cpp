// danos_mvsize: Mvsize given damaged copies of its example project, its catalogue and the company file
// (Ferramenta.h says how to run it). A tool beside the tests, run by hand, best on the sanitizers' build.
#include "Rodada.h"
#include "MvShellFixture.h"

int main(int argc, char** argv)
{
    return danos::Principal<mvshell::Shell>(argc, argv, {"exemplo.mvp", "ZelMt01.zel"});
}
