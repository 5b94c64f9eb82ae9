#pragma once
// What the views, their commands and the dialogs reach of a sizing program's application object: the
// resources made once at start-up and shared by every project of the run. Lvsize's and Mvsize's
// application objects derive from this.

#include "Frame.h"

#include <string>

class CDaoDatabase;
class CDialog;
class Crystal;

class CSizingAppBase : public CWinApp {
public:
    CSizingAppBase() = default;

    std::string m_strCompanyFile;            // "empresa.zel" in the program's directory
    std::string m_strTemplateFile;           // the project template ("ZelBt02.zel", "ZelMt02.zel")
    CDaoDatabase* m_pReferenceDb = nullptr;  // the catalogue, shared and read-only
    CDaoDatabase* m_pClipboardDb = nullptr;  // null when it could not be made
    CDialog* m_pSplash = nullptr;
    CDialog* m_pBanner = nullptr;
    int m_bClipboardHasCircuit = 0;
    Crystal* m_pProjectReport = nullptr;  // "ZelBt03.zel", "ZelMt03.zel"
    Crystal* m_pCircuitReport = nullptr;  // "ZelBt04.zel" (with its subreports), "ZelMt04.zel"

    // The splash's window and object; the first circuit view to initialise calls this.
    virtual void FreeSplash();
};

// The running sizing program's application object; null when there is none (or Protdev's).
CSizingAppBase* SizingApp();
