// Mvsize: medium-voltage cable sizing by NBR 14039. "mvsize [project.mvp]".
#include "MvsizeWindows.h"

wxIMPLEMENT_APP_NO_MAIN(ProjectWxApp);

int main(int argc, char** argv)
{
    return RunProjectProgram<CMvsizeApp, MvsizeWindows>(argc, argv, "mvsize", kMvsizeTitle, SuiteData::CompanyFile);
}
