#include "LvsizeApp.h"

#include "LvsizeCommands.h"
#include "LvsizeResources.h"

#include "AboutDlg.h"
#include "AppContext.h"
#include "AppServices.h"
#include "Banner.h"
#include "Controls.h"
#include "Crystal.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "Dialog.h"
#include "ErrorReporter.h"
#include "PrinterService.h"
#include "SqlValue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr int kRecentes = 4;

std::string Canonico(const std::string& path)
{
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? path : p.string();
}

// The printer set-up dialog: the printers CUPS offers, the application's one selected.
class CConfigurarImpressao : public CDialog {
public:
    CConfigurarImpressao() : CDialog(IDD_CONFIGURAR_IMPRESSAO) {}

protected:
    int OnInitDialog() override
    {
        CDialog::OnInitDialog();
        auto* lista = dynamic_cast<CListBox*>(GetDlgItem(IDC_IMPRESSORAS));
        PrinterService* printers = AppContext().printer;
        if (!lista || !printers)
            return TRUE;
        PrinterDevice atual;
        const bool temAtual = printers->GetApplicationPrinter(atual);
        for (const PrinterInfo& p : printers->Printers()) {
            const int i = lista->AddString(p.name);
            if (temAtual && p.name == atual.device)
                lista->SetCurSel(i);
        }
        return TRUE;
    }
    void OnOK() override
    {
        auto* lista = dynamic_cast<CListBox*>(GetDlgItem(IDC_IMPRESSORAS));
        if (lista && lista->GetCurSel() >= 0 && AppContext().printer)
            AppContext().printer->ChoosePrinter(lista->GetText(lista->GetCurSel()));
        EndDialog(IDOK);
    }
};

}  // namespace

BEGIN_MESSAGE_MAP(CLvsizeApp, CWinApp)
    ON_COMMAND(ID_LVSIZE_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_EMPRESA, OnEmpresa)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateProjetoAberto)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateProjetoAberto)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_UPDATE_COMMAND_UI(ID_FILE_CLOSE, OnUpdateProjetoAberto)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 3, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1 + 1, OnUpdateRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1 + 2, OnUpdateRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1 + 3, OnUpdateRecentFile)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND(ID_JANELA_PROXIMA, OnJanelaProxima)
    ON_UPDATE_COMMAND_UI(ID_JANELA_PROXIMA, OnUpdateProjetoAberto)
END_MESSAGE_MAP()

CLvsizeApp::CLvsizeApp() : m_recent("", kRecentes) {}

CLvsizeApp::~CLvsizeApp()
{
    FecharTodos();
    if (AppContext().m_pReferenceDb == m_pReferenceDb)
        AppContext().m_pReferenceDb = nullptr;
    if (AppContext().m_pClipboardDb == m_pClipboardDb)
        AppContext().m_pClipboardDb = nullptr;
    CLvsizeApp::FreeSplash();
}

void CLvsizeApp::FreeSplash()
{
    CLvsizeAppBase::FreeSplash();
}

int CLvsizeApp::InitInstance()
{
    RegisterLvsizeResources();
    m_pszAppName = kLvsizeTitle;
    AppContext().appTitle = kLvsizeTitle;

    // Profile settings: the recent-file list of 4 entries.
    m_recent = CRecentFileList(m_strProfile.empty() ? CRecentFileList::DefaultProfile(kLvsizeTitle) : m_strProfile,
                               kRecentes);
    m_recent.ReadList();
    SetLvsizeRecentFileMenu(m_recent.Entries());

    m_template = std::make_unique<CDocTemplate>(IDR_LVSIZETYPE);

    m_frame = std::make_unique<CMainFrame>();
    m_frame->m_pApp = this;
    if (!m_frame->LoadFrame(IDR_MAINFRAME)) {
        m_frame.reset();
        return FALSE;
    }
    m_frame->SetWindowText(kLvsizeTitle);
    m_pMainWnd = m_frame.get();
    AppContext().activeDocument = [this]() -> CDocument* {
        Projeto* p = ProjetoAtivo();
        return p ? p->doc.get() : nullptr;
    };
    if (onFrameCreated)
        onFrameCreated();

    // The splash for a second; its object stays until the first tree is shown.
    auto splash = std::make_unique<CDialog>(IDD_LVSIZE_SPLASH);
    if (splash->Create(IDD_LVSIZE_SPLASH)) {
        if (pause)
            pause(1000);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        splash->DestroyWindow();
        m_pSplash = splash.release();
    }

    const std::string programa = GetProgramDirectory();
    if (!programa.empty()) {
        ClearAttributesRecursive(programa);
        std::error_code ec;
        fs::permissions(programa, fs::perms::owner_write, fs::perm_options::add, ec);
    }

    m_banner = ShowBanner(BannerTemplate(IDD_LVSIZE_BANNER, IDB_LVSIZE_BANNER));
    m_pBanner = m_banner.get();

    const std::string base = !m_strBasePath.empty() ? m_strBasePath : (programa.empty() ? std::string() : programa + "/");
    m_strCompanyFile = programa.empty() ? std::string("empresa.zel") : programa + "/empresa.zel";
    m_strTemplateFile = base + "ZelBt02.zel";

    m_referenceDb = std::make_unique<CDaoDatabase>();
    m_pReferenceDb = m_referenceDb.get();
    AppContext().m_pReferenceDb = m_pReferenceDb;
    try {
        m_pReferenceDb->Open(base + "ZelBt01.zel", false, true, ";UID=Admin;PWD=");
    } catch (CDaoException& e) {
        ReportError("CLvsizeApp::InitInstance(1)", &e);
    }

    try {
        m_pProjectReport = new Crystal(base + "ZelBt03.zel", m_pReportEngine);
        m_pCircuitReport = new Crystal(base + "ZelBt04.zel", m_pReportEngine);
        const char* subs[] = {"Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"};
        for (int i = 0; i < 3; ++i)
            m_pSubreports[i] = new Crystal(subs[i], m_pCircuitReport);
    } catch (CUserException&) {
        // the report layer has shown its message; the jobs not made stay null
    }

    std::string temp;
    if (MakeTempFileName(temp)) {
        std::error_code ec;
        fs::copy_file(m_strTemplateFile, temp, fs::copy_options::overwrite_existing, ec);
        if (!ec) {
            m_clipboardDb = std::make_unique<CDaoDatabase>();
            try {
                m_clipboardDb->Open(temp, true, false, "");
                m_clipboardDb->Execute("PRAGMA synchronous=OFF");
                m_pClipboardDb = m_clipboardDb.get();
                AppContext().m_pClipboardDb = m_pClipboardDb;
            } catch (CDaoException& e) {
                ReportError("CLvsizeApp::InitInstance(2)", &e);
                m_clipboardDb.reset();
                std::remove(temp.c_str());
            }
        } else {
            std::remove(temp.c_str());
        }
    }

    WireLvsizeDialogs();

    // The command line: a project file, or a new untitled project.
    if (!m_commandLine.empty() && !m_commandLine.front().empty()) {
        if (!OpenDocumentFile(m_commandLine.front()))
            return FALSE;
    } else if (!OnFileNewDocument()) {
        return FALSE;
    }

    m_frame->ActivateFrame(SW_SHOWMAXIMIZED);
    m_frame->UpdateWindow();
    return TRUE;
}

int CLvsizeApp::ExitInstance()
{
    FecharTodos();
    // Deleting a job deletes its subreports; the last job closes the print engine.
    delete m_pProjectReport;
    m_pProjectReport = nullptr;
    delete m_pCircuitReport;
    m_pCircuitReport = nullptr;
    for (Crystal*& s : m_pSubreports)
        s = nullptr;

    if (m_clipboardDb) {
        std::string name;
        try {
            name = m_clipboardDb->GetName();
            m_clipboardDb->Close();
        } catch (CDaoException& e) {
            ReportError("CLvsizeApp::ExitInstance", &e);
        }
        if (AppContext().m_pClipboardDb == m_pClipboardDb)
            AppContext().m_pClipboardDb = nullptr;
        m_clipboardDb.reset();
        m_pClipboardDb = nullptr;
        if (!name.empty())
            std::remove(name.c_str());
    }
    if (m_referenceDb) {
        try {
            if (m_referenceDb->IsOpen())
                m_referenceDb->Close();
        } catch (CDaoException& e) {
            ReportError("CLvsizeApp::ExitInstance", &e);
        }
        if (AppContext().m_pReferenceDb == m_pReferenceDb)
            AppContext().m_pReferenceDb = nullptr;
        m_referenceDb.reset();
        m_pReferenceDb = nullptr;
    }
    if (m_banner) {
        m_banner->DestroyWindow();
        m_banner.reset();
        m_pBanner = nullptr;
    }
    CLvsizeApp::FreeSplash();
    return CWinApp::ExitInstance();
}

// --- Projects --------------------------------------------------------------------------------------------

CLvsizeApp::Projeto* CLvsizeApp::ProjetoAtivo() const
{
    CMDIChildWnd* ativo = m_frame ? m_frame->MDIGetActive() : nullptr;
    for (const auto& p : m_projetos)
        if (p->frame.get() == ativo)
            return p.get();
    return nullptr;
}

std::string CLvsizeApp::MainCaption() const
{
    Projeto* p = ProjetoAtivo();
    return p ? std::string(kLvsizeTitle) + " - " + p->doc->GetTitle() : std::string(kLvsizeTitle);
}

CLvsizeApp::Projeto* CLvsizeApp::NovoProjeto(std::unique_ptr<CLvsizeDoc> doc)
{
    auto p = std::make_unique<Projeto>();
    p->doc = std::move(doc);
    p->frame = std::make_unique<CChildFrame>();
    p->view = std::make_unique<CLvsizeView>();
    p->view->Create(WS_CHILD | WS_VISIBLE);
    p->view->SetDocument(p->doc.get());
    p->frame->CreateChild(m_frame.get(), m_template.get(), p->view.get());
    p->frame->SetWindowText(p->doc->GetTitle());
    Projeto* raw = p.get();
    m_projetos.push_back(std::move(p));
    if (onChildCreated)
        onChildCreated(*raw);
    raw->view->OnInitialUpdate();
    raw->frame->ActivateFrame();
    if (onTitlesChanged)
        onTitlesChanged();
    return raw;
}

CLvsizeApp::Projeto* CLvsizeApp::OnFileNewDocument()
{
    auto doc = std::make_unique<CLvsizeDoc>();
    doc->m_strTemplateFile = m_strTemplateFile;
    if (!doc->OnNewDocument())
        return nullptr;
    return NovoProjeto(std::move(doc));
}

CLvsizeApp::Projeto* CLvsizeApp::Encontrar(const std::string& path) const
{
    const std::string alvo = Canonico(path);
    for (const auto& p : m_projetos)
        if (!p->doc->GetPathName().empty() && Canonico(p->doc->GetPathName()) == alvo)
            return p.get();
    return nullptr;
}

void CLvsizeApp::Ativar(Projeto& p)
{
    p.frame->ActivateFrame(SW_SHOWMAXIMIZED);
    if (onTitlesChanged)
        onTitlesChanged();
}

CLvsizeApp::Projeto* CLvsizeApp::OpenDocumentFile(const std::string& path)
{
    // The same file twice would give two working copies, the last save silently winning.
    if (Projeto* aberto = Encontrar(path)) {
        Ativar(*aberto);
        return aberto;
    }
    auto doc = std::make_unique<CLvsizeDoc>();
    doc->m_strTemplateFile = m_strTemplateFile;
    if (!doc->OnOpenDocument(path)) {
        // a recent entry that no longer opens leaves the list
        const auto& e = m_recent.Entries();
        const auto it = std::find(e.begin(), e.end(), Canonico(path));
        if (it != e.end()) {
            m_recent.Remove(static_cast<int>(it - e.begin()));
            AtualizarMenusRecentes();
        }
        return nullptr;
    }
    doc->SetPathName(Canonico(path));
    m_recent.Add(path);
    AtualizarMenusRecentes();
    return NovoProjeto(std::move(doc));
}

void CLvsizeApp::AtualizarMenusRecentes()
{
    m_recent.WriteList();
    SetLvsizeRecentFileMenu(m_recent.Entries());
    if (m_frame)
        m_frame->GetMenu().LoadMenu(IDR_MAINFRAME);
    for (auto& p : m_projetos)
        p->frame->GetMenu().LoadMenu(IDR_LVSIZETYPE);
    if (onMenusChanged)
        onMenusChanged();
}

int CLvsizeApp::DoSave(Projeto& p, bool bAs)
{
    std::string path = p.doc->GetPathName();
    if (bAs || path.empty()) {
        std::string escolhido = path.empty() ? p.doc->GetTitle() + ".lvp" : path;
        if (!chooseSaveFile || !chooseSaveFile(escolhido) || escolhido.empty())
            return FALSE;
        if (fs::path(escolhido).extension().empty())
            escolhido += ".lvp";
        // Saving over a file open in another window would leave that window on a replaced file.
        if (Projeto* outro = Encontrar(escolhido); outro && outro != &p) {
            AfxMessageBox("O projeto " + escolhido + " está aberto em outra janela. Feche-o antes de salvar sobre ele.",
                          MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        path = escolhido;
    }
    if (!p.doc->OnSaveDocument(path))
        return FALSE;
    p.doc->SetPathName(Canonico(path));
    m_recent.Add(path);
    AtualizarMenusRecentes();
    p.frame->SetWindowText(p.doc->GetTitle());
    if (onTitlesChanged)
        onTitlesChanged();
    return TRUE;
}

int CLvsizeApp::SaveModified(Projeto& p)
{
    if (!p.doc->IsModified())
        return TRUE;
    const int r = AfxMessageBox("Salvar as alterações em " + p.doc->GetTitle() + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (r == IDCANCEL)
        return FALSE;
    if (r == IDYES)
        return DoSave(p, false);
    return TRUE;
}

void CLvsizeApp::Fechar(Projeto& p)
{
    p.view->SendMessageToSelf(WM_DESTROY);
    if (onChildClosing)
        onChildClosing(p);
    p.frame->MDIDestroy();
    p.doc->DeleteContents();
    auto it = std::find_if(m_projetos.begin(), m_projetos.end(), [&](const auto& x) { return x.get() == &p; });
    if (it != m_projetos.end())
        m_projetos.erase(it);
    if (onTitlesChanged)
        onTitlesChanged();
}

void CLvsizeApp::FecharTodos()
{
    while (!m_projetos.empty())
        Fechar(*m_projetos.back());
}

int CLvsizeApp::CloseDocument(Projeto& p)
{
    if (!SaveModified(p))
        return FALSE;
    Fechar(p);
    return TRUE;
}

int CLvsizeApp::SaveAllModified()
{
    for (const auto& p : m_projetos)
        if (!SaveModified(*p))
            return FALSE;
    return TRUE;
}

// --- Commands --------------------------------------------------------------------------------------------

void CLvsizeApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CLvsizeApp::OnEmpresa()
{
    const auto& entrada = LvsizeDialogs().empresa;
    if (entrada)
        entrada();
    else
        DialogoAusente("CEmpresa");
}

void CLvsizeApp::OnFileNew()
{
    OnFileNewDocument();
}

void CLvsizeApp::OnFileOpen()
{
    std::string path;
    if (chooseOpenFile && chooseOpenFile(path) && !path.empty())
        OpenDocumentFile(path);
}

void CLvsizeApp::OnFileSave()
{
    if (Projeto* p = ProjetoAtivo())
        DoSave(*p, false);
}

void CLvsizeApp::OnFileSaveAs()
{
    if (Projeto* p = ProjetoAtivo())
        DoSave(*p, true);
}

void CLvsizeApp::OnFileClose()
{
    if (Projeto* p = ProjetoAtivo())
        CloseDocument(*p);
}

void CLvsizeApp::OnFilePrintSetup()
{
    PrinterService* printers = AppContext().printer;
    if (!printers || printers->Printers().empty()) {
        AfxMessageBox("Nenhuma impressora está instalada.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    CConfigurarImpressao dlg;
    dlg.DoModal();
}

void CLvsizeApp::OnOpenRecentFile(UINT nID)
{
    const int i = static_cast<int>(nID) - ID_FILE_MRU_FILE1;
    if (i >= 0 && i < static_cast<int>(m_recent.Entries().size())) {
        const std::string path = m_recent.Entries()[static_cast<size_t>(i)];
        OpenDocumentFile(path);
    }
}

void CLvsizeApp::OnUpdateRecentFile(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(static_cast<int>(pCmdUI->m_nID) - ID_FILE_MRU_FILE1 < static_cast<int>(m_recent.Entries().size()));
}

void CLvsizeApp::OnAppExit()
{
    if (!SaveAllModified())
        return;
    if (onExit)
        onExit();
}

void CLvsizeApp::OnJanelaProxima()
{
    if (m_projetos.size() < 2)
        return;
    Projeto* ativo = ProjetoAtivo();
    auto it = std::find_if(m_projetos.begin(), m_projetos.end(), [&](const auto& x) { return x.get() == ativo; });
    const size_t i = it == m_projetos.end() ? 0 : (static_cast<size_t>(it - m_projetos.begin()) + 1) % m_projetos.size();
    Ativar(*m_projetos[i]);
}

void CLvsizeApp::OnUpdateProjetoAberto(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(ProjetoAtivo() != nullptr);
}
