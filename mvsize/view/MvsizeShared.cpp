#include "MvsizeShared.h"

#include "Dialog.h"
#include "MvsizeDialogs.h"
#include "MessageService.h"

#include "AppContext.h"

void CMvsizeAppBase::FreeSplash()
{
    if (!m_pSplash)
        return;
    m_pSplash->DestroyWindow();
    delete m_pSplash;
    m_pSplash = nullptr;
}

CMvsizeAppBase* MvsizeApp()
{
    return dynamic_cast<CMvsizeAppBase*>(AfxGetApp());
}

MvsizeDialogEntries& MvsizeDialogs()
{
    static MvsizeDialogEntries entries;
    return entries;
}
