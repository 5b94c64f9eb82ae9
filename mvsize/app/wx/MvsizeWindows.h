#pragma once
// Mvsize on screen (shared by main() and the GUI smoke test).

#include "MvsizeApp.h"
#include "MvsizeBitmaps.h"
#include "ProjectWindows.h"

inline constexpr const char* kMvsizeFileFilter = "Projetos Zel média tensão (*.mvp)|*.mvp;*.MVP|Todos os arquivos (*)|*";

class MvsizeWindows : public ProjectWindows<CMvsizeApp> {
public:
    explicit MvsizeWindows(CAppContext& context)
        : ProjectWindows(context, Program::Mvsize, RegisterMvsizeBitmaps, kMvsizeTitle, kMvsizeFileFilter)
    {
    }
};
