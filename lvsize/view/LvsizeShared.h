#pragma once
// What the view, its commands and the dialogs reach of the Lvsize application object: the resources made
// once at start-up and shared by every project of the run. CLvsizeApp derives from this.

#include "Frame.h"

#include <string>

class CDaoDatabase;
class CDialog;
class Crystal;

class CLvsizeAppBase : public CWinApp {
public:
    CLvsizeAppBase() = default;

    std::string m_strCompanyFile;    // "empresa.zel" in the program's directory
    std::string m_strTemplateFile;   // the project template "ZelBt02.zel"
    CDaoDatabase* m_pReferenceDb = nullptr;  // the catalogue "ZelBt01.zel"
    CDaoDatabase* m_pClipboardDb = nullptr;  // null when it could not be made
    CDialog* m_pSplash = nullptr;
    CDialog* m_pBanner = nullptr;
    int m_bClipboardHasCircuit = 0;
    Crystal* m_pProjectReport = nullptr;  // "ZelBt03.zel"
    Crystal* m_pCircuitReport = nullptr;  // "ZelBt04.zel"
    Crystal* m_pSubreports[3] = {};        // "Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"

    // The splash's window and object; the first circuit view to initialise calls this.
    virtual void FreeSplash();
};

// The running Lvsize application object; null when there is none (or another program's).
CLvsizeAppBase* LvsizeApp();
