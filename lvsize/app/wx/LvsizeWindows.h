#pragma once
// Lvsize on screen (shared by main() and the GUI smoke test).

#include "LvsizeApp.h"
#include "LvsizeBitmaps.h"
#include "LvsizeCommands.h"
#include "ProjectWindows.h"

inline const ProjectProgram kLvsizeProgram{
    Program::Lvsize, kLvsizeTitle, "Dimensionamento de cabos de baixa tensão — NBR 5410",
    "Projetos Zel baixa tensão (*.lvp)|*.lvp;*.LVP|Todos os arquivos (*)|*", IDB_LVSIZE_SPLASH, RegisterLvsizeBitmaps};

class LvsizeWindows : public ProjectWindows<CLvsizeApp> {
public:
    explicit LvsizeWindows(CAppContext& context) : ProjectWindows(context, kLvsizeProgram) {}
};
