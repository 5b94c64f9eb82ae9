#pragma once
// Mvsize on screen (shared by main() and the GUI smoke test).

#include "MvsizeApp.h"
#include "MvsizeBitmaps.h"
#include "MvsizeCommands.h"
#include "ProjectWindows.h"

inline const ProjectProgram kMvsizeProgram{
    Program::Mvsize, kMvsizeTitle, "Dimensionamento de cabos de média tensão — NBR 14039",
    "Projetos Zel média tensão (*.mvp)|*.mvp;*.MVP|Todos os arquivos (*)|*", IDB_MVSIZE_SPLASH, RegisterMvsizeBitmaps};

class MvsizeWindows : public ProjectWindows<CMvsizeApp> {
public:
    explicit MvsizeWindows(CAppContext& context) : ProjectWindows(context, kMvsizeProgram) {}
};
