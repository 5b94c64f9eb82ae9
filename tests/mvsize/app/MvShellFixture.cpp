#include "MvShellFixture.h"

template class shelltest::SizingShell<mvshell::Mvsize>;
