#include "SizingShared.h"

#include "Dialog.h"

void CSizingAppBase::FreeSplash()
{
    if (!m_pSplash)
        return;
    m_pSplash->DestroyWindow();
    delete m_pSplash;
    m_pSplash = nullptr;
}

CSizingAppBase* SizingApp()
{
    return dynamic_cast<CSizingAppBase*>(AfxGetApp());
}
