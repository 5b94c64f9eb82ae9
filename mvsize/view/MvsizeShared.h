#pragma once
// What the view, its commands and the dialogs reach of the Mvsize application object: the resources made
// once at start-up and shared by every project of the run. CMvsizeApp derives from this.

#include "Frame.h"

#include <string>

class CDaoDatabase;
class CDialog;
class Crystal;

class CMvsizeAppBase : public CWinApp {
public:
    CMvsizeAppBase() = default;

    std::string m_strCompanyFile;    // "empresa.zel" in the program's directory
    std::string m_strTemplateFile;   // the project template "ZelMt02.zel"
    std::string m_strReferenceFile;       // the catalogue "ZelMt01.zel"
    std::string m_strProjectReportFile;   // "ZelMt03.zel"
    std::string m_strCircuitReportFile;   // "ZelMt04.zel"
    CDaoDatabase* m_pReferenceDb = nullptr;  // the catalogue, shared and read-only, opened with its password
    CDaoDatabase* m_pClipboardDb = nullptr;  // null when it could not be made
    CDialog* m_pSplash = nullptr;
    CDialog* m_pBanner = nullptr;
    int m_bClipboardHasCircuit = 0;
    Crystal* m_pProjectReport = nullptr;  // "ZelMt03.zel"
    Crystal* m_pCircuitReport = nullptr;  // "ZelMt04.zel", without subreports

    // The splash's window and object; the first circuit view to initialise calls this.
    virtual void FreeSplash();
};

// The running Mvsize application object; null when there is none (or another program's).
CMvsizeAppBase* MvsizeApp();
