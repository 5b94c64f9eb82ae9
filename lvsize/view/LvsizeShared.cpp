#include "LvsizeShared.h"

#include "Dialog.h"
#include "LvsizeDialogs.h"
#include "MessageService.h"

#include "AppContext.h"

void CLvsizeAppBase::FreeSplash()
{
    if (!m_pSplash)
        return;
    m_pSplash->DestroyWindow();
    delete m_pSplash;
    m_pSplash = nullptr;
}

CLvsizeAppBase* LvsizeApp()
{
    return dynamic_cast<CLvsizeAppBase*>(AfxGetApp());
}

LvsizeDialogEntries& LvsizeDialogs()
{
    static LvsizeDialogEntries entries;
    return entries;
}
