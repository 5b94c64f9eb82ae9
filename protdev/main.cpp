// Protdev: edits the protection-device library "ZelBt01.zel" of the user's data folder, the one Lvsize sizes with.
#include "ProtdevApp.h"
#include "ProtdevWindows.h"

#include "ProgramMain.h"

#include <wx/app.h>

class ProtdevWxApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

wxIMPLEMENT_APP_NO_MAIN(ProtdevWxApp);

// The library is "ZelBt01.zel" of the current directory: the user's data folder, shared with Lvsize. The
// command line is not used.
int main(int argc, char** argv)
{
    return RunProgramMain<CProtdevApp, ProtdevWindows>(argc, argv, "protdev", kProtdevTitle, SuiteData::LibraryEditor);
}
