#include "ShellFixture.h"

template class shelltest::SizingShell<lvshell::Lvsize>;
