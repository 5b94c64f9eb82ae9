// Lvsize: low-voltage cable sizing by NBR 5410. "lvsize [project.lvp]".
#include "LvsizeWindows.h"

wxIMPLEMENT_APP_NO_MAIN(ProjectWxApp);

int main(int argc, char** argv)
{
    return RunProjectProgram<CLvsizeApp, LvsizeWindows>(argc, argv, "lvsize", kLvsizeTitle, SuiteData::DeviceLibrary);
}
