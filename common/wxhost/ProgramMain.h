#pragma once
// The main() every program of the suite shares: the Portuguese locale, wx started without taking any of the
// arguments (they are the program's), the application context, the user's data folder, then the
// program's windows and its message loop until it ends.
#include "AppContext.h"
#include "AppServices.h"
#include "Clock.h"
#include "UserDataFolder.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/image.h>

#include <cstdio>
#include <string>
#include <vector>

template <class App, class Windows>
int RunProgramMain(int argc, char** argv, const char* name, const char* title, SuiteData data)
{
    if (!zel::wx::UsePortugueseLocale())
        std::fprintf(stderr, "%s: o locale pt_BR.UTF-8 não está instalado (scripts/setup.sh o gera)\n", name);
    std::vector<std::string> args(argv + 1, argv + argc);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "%s: não foi possível abrir a interface gráfica\n", name);
        return 1;
    }
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = title;
    ScopedAppContext scope(context);
    int rc = 1;
    {
        Windows windows(context);
        StartOnUserDataFolder(GetProgramDirectory(), data, args);
        App app;
        if constexpr (requires { app.m_commandLine; })
            app.m_commandLine = args;
        if (windows.Start(app)) {
            wxTheApp->OnRun();
            rc = 0;
        }
        windows.Finish(app);
    }
    wxEntryCleanup();
    return rc;
}
