// Mvsize: medium-voltage cable sizing by NBR 14039. "mvsize [project.mvp]".
#include "MvsizeApp.h"
#include "MvsizeWindows.h"

#include "AppContext.h"
#include "Clock.h"
#include "WxHost.h"

#include <wx/app.h>
#include <wx/image.h>

#include <cstdio>

class MvsizeWxApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(MvsizeWxApp);

int main(int argc, char** argv)
{
    if (!zel::wx::UsePortugueseLocale())
        std::fprintf(stderr, "mvsize: o locale pt_BR.UTF-8 não está instalado (scripts/setup.sh o gera)\n");
    // wx would take the project's name for one of its own options: keep the arguments for the program.
    std::vector<std::string> args(argv + 1, argv + argc);
    int wxArgc = 1;
    if (!wxEntryStart(wxArgc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "mvsize: não foi possível abrir a interface gráfica\n");
        return 1;
    }
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kMvsizeTitle;
    ScopedAppContext scope(context);
    int rc = 1;
    {
        MvsizeWindows windows(context);
        CMvsizeApp app;
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
