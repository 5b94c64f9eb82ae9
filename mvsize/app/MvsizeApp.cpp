#include "MvsizeApp.h"

#include "MvsizeCommands.h"
#include "MvsizeResources.h"

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

BEGIN_MESSAGE_MAP(CMvsizeApp, CWinApp)
    ON_COMMAND(ID_MVSIZE_APP_ABOUT, OnAppAbout)
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

CMvsizeApp::CMvsizeApp() : m_recent("", kRecentes) {}

CMvsizeApp::~CMvsizeApp()
{
    FecharTodos();
    if (AppContext().m_pReferenceDb == m_pReferenceDb)
        AppContext().m_pReferenceDb = nullptr;
    if (AppContext().m_pClipboardDb == m_pClipboardDb)
        AppContext().m_pClipboardDb = nullptr;
    CMvsizeApp::FreeSplash();
}

void CMvsizeApp::FreeSplash()
{
    CMvsizeAppBase::FreeSplash();
}

int CMvsizeApp::InitInstance()
{
    RegisterMvsizeResources();
    m_pszAppName = kMvsizeTitle;
    AppContext().appTitle = kMvsizeTitle;

    // Profile settings: the recent-file list of 4 entries.
    m_recent = CRecentFileList(m_strProfile.empty() ? CRecentFileList::DefaultProfile(kMvsizeTitle) : m_strProfile,
                               kRecentes);
    m_recent.ReadList();
    SetMvsizeRecentFileMenu(m_recent.Entries());

    m_template = std::make_unique<CDocTemplate>(IDR_MVSIZETYPE);

    m_frame = std::make_unique<CMainFrame>();
    m_frame->m_pApp = this;
    if (!m_frame->LoadFrame(IDR_MAINFRAME)) {
        m_frame.reset();
        return FALSE;
    }
    m_frame->SetWindowText(kMvsizeTitle);
    m_pMainWnd = m_frame.get();
    AppContext().activeDocument = [this]() -> CDocument* {
        Projeto* p = ProjetoAtivo();
        return p ? p->doc.get() : nullptr;
    };
    if (onFrameCreated)
        onFrameCreated();

    // The splash for a second; its object stays until the first tree is shown.
    auto splash = std::make_unique<CDialog>(IDD_MVSIZE_SPLASH);
    if (splash->Create(IDD_MVSIZE_SPLASH)) {
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

    m_banner = ShowBanner(BannerTemplate(IDD_MVSIZE_BANNER, IDB_MVSIZE_BANNER));
    m_pBanner = m_banner.get();

    // Without the program's directory only the company and template files are looked for (in the current
    // directory); the catalogue and the report files then fail to open and are reported as such.
    if (!programa.empty()) {
        m_strCompanyFile = programa + "/empresa.zel";
        m_strTemplateFile = programa + "/" + kArquivoModelo;
        m_strReferenceFile = programa + "/" + kArquivoCatalogo;
        m_strProjectReportFile = programa + "/" + kArquivoRelatorioProjeto;
        m_strCircuitReportFile = programa + "/" + kArquivoRelatorioCircuito;
    } else {
        m_strCompanyFile = "empresa.zel";
        m_strTemplateFile = kArquivoModelo;
        m_strReferenceFile.clear();
        m_strProjectReportFile.clear();
        m_strCircuitReportFile.clear();
    }

    m_referenceDb = std::make_unique<CDaoDatabase>();
    m_pReferenceDb = m_referenceDb.get();
    AppContext().m_pReferenceDb = m_pReferenceDb;
    try {
        m_pReferenceDb->Open(m_strReferenceFile, false, true, kConexaoCatalogo);
    } catch (CDaoException& e) {
        ReportError("CMvsizeApp::InitInstance(1)", &e);
    }

    // A failed project report skips the circuit report: both stay null.
    try {
        m_pProjectReport = new Crystal(m_strProjectReportFile, m_pReportEngine);
        m_pCircuitReport = new Crystal(m_strCircuitReportFile, m_pReportEngine);
    } catch (CUserException&) {
        // the report layer has logged and shown its message
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
                ReportError("CMvsizeApp::InitInstance(2)", &e);
                m_clipboardDb.reset();
                std::remove(temp.c_str());
            }
        } else {
            std::remove(temp.c_str());
        }
    }

    WireMvsizeDialogs();

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

int CMvsizeApp::ExitInstance()
{
    FecharTodos();
    // The last job closes the print engine.
    delete m_pProjectReport;
    m_pProjectReport = nullptr;
    delete m_pCircuitReport;
    m_pCircuitReport = nullptr;

    if (m_clipboardDb) {
        std::string name;
        try {
            name = m_clipboardDb->GetName();
            m_clipboardDb->Close();
        } catch (CDaoException& e) {
            ReportError("CMvsizeApp::ExitInstance", &e);
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
            ReportError("CMvsizeApp::ExitInstance", &e);
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
    CMvsizeApp::FreeSplash();
    return CWinApp::ExitInstance();
}

// --- Projects --------------------------------------------------------------------------------------------

CMvsizeApp::Projeto* CMvsizeApp::ProjetoAtivo() const
{
    CMDIChildWnd* ativo = m_frame ? m_frame->MDIGetActive() : nullptr;
    for (const auto& p : m_projetos)
        if (p->frame.get() == ativo)
            return p.get();
    return nullptr;
}

std::string CMvsizeApp::MainCaption() const
{
    Projeto* p = ProjetoAtivo();
    return p ? std::string(kMvsizeTitle) + " - " + p->doc->GetTitle() : std::string(kMvsizeTitle);
}

CMvsizeApp::Projeto* CMvsizeApp::NovoProjeto(std::unique_ptr<CMvsizeDoc> doc)
{
    auto p = std::make_unique<Projeto>();
    p->doc = std::move(doc);
    p->frame = std::make_unique<CChildFrame>();
    p->view = std::make_unique<CMvsizeView>();
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

CMvsizeApp::Projeto* CMvsizeApp::OnFileNewDocument()
{
    auto doc = std::make_unique<CMvsizeDoc>();
    doc->m_strTemplateFile = m_strTemplateFile;
    if (!doc->OnNewDocument())
        return nullptr;
    return NovoProjeto(std::move(doc));
}

CMvsizeApp::Projeto* CMvsizeApp::Encontrar(const std::string& path) const
{
    const std::string alvo = Canonico(path);
    for (const auto& p : m_projetos)
        if (!p->doc->GetPathName().empty() && Canonico(p->doc->GetPathName()) == alvo)
            return p.get();
    return nullptr;
}

void CMvsizeApp::Ativar(Projeto& p)
{
    p.frame->ActivateFrame(SW_SHOWMAXIMIZED);
    if (onTitlesChanged)
        onTitlesChanged();
}

CMvsizeApp::Projeto* CMvsizeApp::OpenDocumentFile(const std::string& path)
{
    // The same file twice would give two working copies, the last save silently winning.
    if (Projeto* aberto = Encontrar(path)) {
        Ativar(*aberto);
        return aberto;
    }
    auto doc = std::make_unique<CMvsizeDoc>();
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

void CMvsizeApp::AtualizarMenusRecentes()
{
    m_recent.WriteList();
    SetMvsizeRecentFileMenu(m_recent.Entries());
    if (m_frame)
        m_frame->GetMenu().LoadMenu(IDR_MAINFRAME);
    for (auto& p : m_projetos)
        p->frame->GetMenu().LoadMenu(IDR_MVSIZETYPE);
    if (onMenusChanged)
        onMenusChanged();
}

int CMvsizeApp::DoSave(Projeto& p, bool bAs)
{
    std::string path = p.doc->GetPathName();
    if (bAs || path.empty()) {
        std::string escolhido = path.empty() ? p.doc->GetTitle() + ".mvp" : path;
        if (!chooseSaveFile || !chooseSaveFile(escolhido) || escolhido.empty())
            return FALSE;
        if (fs::path(escolhido).extension().empty())
            escolhido += ".mvp";
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

int CMvsizeApp::SaveModified(Projeto& p)
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

void CMvsizeApp::Fechar(Projeto& p)
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

void CMvsizeApp::FecharTodos()
{
    while (!m_projetos.empty())
        Fechar(*m_projetos.back());
}

int CMvsizeApp::CloseDocument(Projeto& p)
{
    if (!SaveModified(p))
        return FALSE;
    Fechar(p);
    return TRUE;
}

int CMvsizeApp::SaveAllModified()
{
    for (const auto& p : m_projetos)
        if (!SaveModified(*p))
            return FALSE;
    return TRUE;
}

// --- Commands --------------------------------------------------------------------------------------------

void CMvsizeApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CMvsizeApp::OnEmpresa()
{
    const auto& entrada = MvsizeDialogs().empresa;
    if (entrada)
        entrada();
    else
        DialogoAusente("CEmpresa");
}

void CMvsizeApp::OnFileNew()
{
    OnFileNewDocument();
}

void CMvsizeApp::OnFileOpen()
{
    std::string path;
    if (chooseOpenFile && chooseOpenFile(path) && !path.empty())
        OpenDocumentFile(path);
}

void CMvsizeApp::OnFileSave()
{
    if (Projeto* p = ProjetoAtivo())
        DoSave(*p, false);
}

void CMvsizeApp::OnFileSaveAs()
{
    if (Projeto* p = ProjetoAtivo())
        DoSave(*p, true);
}

void CMvsizeApp::OnFileClose()
{
    if (Projeto* p = ProjetoAtivo())
        CloseDocument(*p);
}

void CMvsizeApp::OnFilePrintSetup()
{
    PrinterService* printers = AppContext().printer;
    if (!printers || printers->Printers().empty()) {
        AfxMessageBox("Nenhuma impressora está instalada.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    CConfigurarImpressao dlg;
    dlg.DoModal();
}

void CMvsizeApp::OnOpenRecentFile(UINT nID)
{
    const int i = static_cast<int>(nID) - ID_FILE_MRU_FILE1;
    if (i >= 0 && i < static_cast<int>(m_recent.Entries().size())) {
        const std::string path = m_recent.Entries()[static_cast<size_t>(i)];
        OpenDocumentFile(path);
    }
}

void CMvsizeApp::OnUpdateRecentFile(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(static_cast<int>(pCmdUI->m_nID) - ID_FILE_MRU_FILE1 < static_cast<int>(m_recent.Entries().size()));
}

void CMvsizeApp::OnAppExit()
{
    if (!SaveAllModified())
        return;
    if (onExit)
        onExit();
}

void CMvsizeApp::OnJanelaProxima()
{
    if (m_projetos.size() < 2)
        return;
    Projeto* ativo = ProjetoAtivo();
    auto it = std::find_if(m_projetos.begin(), m_projetos.end(), [&](const auto& x) { return x.get() == ativo; });
    const size_t i = it == m_projetos.end() ? 0 : (static_cast<size_t>(it - m_projetos.begin()) + 1) % m_projetos.size();
    Ativar(*m_projetos[i]);
}

void CMvsizeApp::OnUpdateProjetoAberto(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(ProjetoAtivo() != nullptr);
}
