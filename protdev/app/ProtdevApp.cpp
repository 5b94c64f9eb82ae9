#include "ProtdevApp.h"

#include "ProtdevResources.h"
#include "Splash.h"
#include "resource.h"

#include "AboutDlg.h"
#include "AppContext.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

#include <chrono>
#include <thread>

BEGIN_MESSAGE_MAP(CProtdevApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CProtdevApp::CProtdevApp() : CWinApp(kProtdevTitle) {}

CProtdevApp::~CProtdevApp()
{
    if (AppContext().m_pReferenceDb == m_pDatabase)
        AppContext().m_pReferenceDb = nullptr;
    CloseSplash();
}

int CProtdevApp::InitInstance()
{
    RegisterProtdevResources();
    RegisterAboutTemplate(Program::Protdev);
    m_template = std::make_unique<CDocTemplate>(IDR_MAINFRAME);

    ShowSplash();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    OpenLibrary();

    // The shell command: a new, empty document with its frame and view.
    m_doc = std::make_unique<CProtdevDoc>();
    m_frame = std::make_unique<CSdiMainFrame>();
    m_frame->m_pTemplate = m_template.get();
    m_frame->m_pApp = this;
    if (!m_frame->LoadFrame(IDR_MAINFRAME)) {
        CloseSplash();
        return FALSE;
    }
    m_view = std::make_unique<CProtdevView>();
    m_view->Create(WS_CHILD | WS_VISIBLE);
    m_view->SetDocument(m_doc.get());
    m_view->SetParentFrame(m_frame.get());
    m_frame->SetActiveView(m_view.get());
    m_pMainWnd = m_frame.get();
    if (onFrameCreated)
        onFrameCreated();
    m_view->OnInitialUpdate();
    m_frame->SetWindowText(m_doc->GetTitle() + " - " + kProtdevTitle);

    m_frame->ActivateFrame(SW_SHOWMAXIMIZED);
    m_frame->UpdateWindow();
    return TRUE;
}

int CProtdevApp::ExitInstance()
{
    if (m_view)
        m_view->SendMessageToSelf(WM_DESTROY);
    CloseLibrary();
    return CWinApp::ExitInstance();
}

bool CProtdevApp::OpenLibrary()
{
    m_database = std::make_unique<CDaoDatabase>();
    m_pDatabase = m_database.get();
    AppContext().m_pReferenceDb = m_pDatabase;
    try {
        m_pDatabase->Open(kLibraryFile, true, false, ";UID=Admin;PWD=");
        return true;
    } catch (CDaoException& e) {
        ReportError("CProtdevApp::InitInstance", &e);
        return false;
    }
}

void CProtdevApp::CloseLibrary()
{
    if (!m_database)
        return;
    try {
        m_pDatabase->Close();
    } catch (CDaoException& e) {
        ReportError("CProtdevApp::ExitInstance", &e);
        return;  // the delete is skipped after a failed close
    }
    if (AppContext().m_pReferenceDb == m_pDatabase)
        AppContext().m_pReferenceDb = nullptr;
    m_database.reset();
    m_pDatabase = nullptr;
}

void CProtdevApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CProtdevApp::OnAppExit()
{
    if (onExit)
        onExit();
}

void CProtdevApp::ReportError(const char* location, const CDaoException* e)
{
    const LocalTime t = AppContext().clock->Now();
    const std::string prefix = FormatC("Data %02i/%02i/%04i / Hora %02i:%02i / Local : %s", t.day, t.month,
                                       t.year, t.hour, t.minute, location ? location : "");
    if (e && e->m_pErrorInfo) {
        AppendLogLine("ZEL.LOG", prefix + " / Erro DB : " + e->m_pErrorInfo->m_strDescription + "\n");
        AfxMessageBox("Encontrado ERRO : " + e->m_pErrorInfo->m_strDescription, MB_OK | MB_ICONERROR);
    } else {
        AppendLogLine("ZEL.LOG", prefix + "\n");
        AfxMessageBox("Encontrado ERRO nos arquivos de dados", MB_OK | MB_ICONERROR);
    }
}

CDaoDatabase* ProtdevDatabase()
{
    return AppContext().m_pReferenceDb;
}

CDaoDatabase& ProtdevLibrary()
{
    CDaoDatabase* db = ProtdevDatabase();
    if (!db)
        throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "library not open");
    return *db;
}

bool ProtdevLibraryOpen()
{
    const CDaoDatabase* db = ProtdevDatabase();
    return db && db->IsOpen();
}
