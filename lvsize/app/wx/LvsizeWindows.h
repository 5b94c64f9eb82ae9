#pragma once
// Lvsize on screen (shared by main() and the GUI smoke test).

#include "LvsizeApp.h"
#include "LvsizeBitmaps.h"
#include "ProjectWindows.h"

inline constexpr const char* kLvsizeFileFilter = "Projetos Zel baixa tensão (*.lvp)|*.lvp;*.LVP|Todos os arquivos (*)|*";

class LvsizeWindows : public ProjectWindows<CLvsizeApp> {
public:
    explicit LvsizeWindows(CAppContext& context)
        : ProjectWindows(context, Program::Lvsize, RegisterLvsizeBitmaps, kLvsizeTitle, kLvsizeFileFilter)
    {
    }
};
