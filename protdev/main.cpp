// Protdev: edits the protection-device library "ZelBt01.zel" of the user's data folder, the one Lvsize sizes with.
#include "ProtdevApp.h"
#include "ProtdevWindows.h"

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

class ProtdevWxApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(ProtdevWxApp);

int main(int argc, char** argv)
{
    if (!zel::wx::UsePortugueseLocale())
        std::fprintf(stderr, "protdev: o locale pt_BR.UTF-8 não está instalado (scripts/setup.sh o gera)\n");
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "protdev: não foi possível abrir a interface gráfica\n");
        return 1;
    }
    zel::wx::InitWxLocale();
    wxInitAllImageHandlers();

    SystemClock clock;
    CAppContext context;
    context.clock = &clock;
    context.appTitle = kProtdevTitle;
    ScopedAppContext scope(context);
    int rc = 1;
    {
        ProtdevWindows windows(context);
        // The library is "ZelBt01.zel" of the current directory: the user's data folder, shared with Lvsize.
        std::vector<std::string> args;
        StartOnUserDataFolder(GetProgramDirectory(), SuiteData::LibraryEditor, args);
        CProtdevApp app;
        if (windows.Start(app)) {
            wxTheApp->OnRun();
            rc = 0;
        }
        windows.Finish(app);
    }
    wxEntryCleanup();
    return rc;
}
