#include "Splash.h"

#include "Dialog.h"
#include "resource.h"

CDialog* g_pSplash = nullptr;

void ShowSplash()
{
    if (g_pSplash)
        return;
    auto* splash = new CDialog(IDD_SPLASH);
    if (!splash->Create(IDD_SPLASH)) {
        delete splash;
        return;
    }
    g_pSplash = splash;
}

void CloseSplash()
{
    if (!g_pSplash)
        return;
    g_pSplash->DestroyWindow();
    delete g_pSplash;
    g_pSplash = nullptr;
}
