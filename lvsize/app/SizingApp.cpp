#include "SizingApp.h"

#include "SizingCommands.h"
#include "SizingResources.h"

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
#include "SaveAs.h"
#include "UserDataFolder.h"

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

BEGIN_MESSAGE_MAP(CSizingApp, CWinApp)
    ON_COMMAND(ID_APP_SOBRE, OnAppAbout)
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
END_MESSAGE_MAP()

CSizingApp::CSizingApp(const SizingAppTraits& traits) : m_traits(traits), m_recent("", kRecentes) {}

CSizingApp::~CSizingApp()
{
    FecharTodos();
    if (AppContext().m_pReferenceDb == m_pReferenceDb)
        AppContext().m_pReferenceDb = nullptr;
    if (AppContext().m_pClipboardDb == m_pClipboardDb)
        AppContext().m_pClipboardDb = nullptr;
    CSizingAppBase::FreeSplash();
}

std::string CSizingApp::Local(const char* metodo) const
{
    return std::string(m_traits.classe) + "::" + metodo;
}

// --- Start and end ---------------------------------------------------------------------------------------

int CSizingApp::InitInstance()
{
    RegistrarRecursos();
    m_pszAppName = m_traits.titulo;
    AppContext().appTitle = m_traits.titulo;

    // Profile settings: the recent-file list of 4 entries.
    m_recent = CRecentFileList(
        m_strProfile.empty() ? CRecentFileList::DefaultProfile(m_traits.titulo) : m_strProfile, kRecentes);
    m_recent.ReadList();
    SetSizingRecentFileMenu(m_recent.Entries());

    m_template = std::make_unique<CDocTemplate>(IDR_PROJETOTYPE);

    m_frame = std::make_unique<CMainFrame>();
    m_frame->m_pApp = this;
    if (!m_frame->LoadFrame(IDR_MAINFRAME)) {
        m_frame.reset();
        return FALSE;
    }
    m_frame->SetWindowText(m_traits.titulo);
    m_pMainWnd = m_frame.get();
    AppContext().activeDocument = [this]() -> CDocument* {
        ProjetoAberto* p = Ativo();
        return p ? p->documento : nullptr;
    };
    if (onFrameCreated)
        onFrameCreated();

    // The splash for a second; its object stays until the first tree is shown.
    auto splash = std::make_unique<CDialog>(IDD_SPLASH);
    if (splash->Create(IDD_SPLASH)) {
        if (pause)
            pause(1000);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        splash->DestroyWindow();
        m_pSplash = splash.release();
    }

    // The installed files are read where they are; what the program writes (the company file, Lvsize's
    // library shared with Protdev) is in the user's data folder when it was started on one.
    const std::string programa = GetProgramDirectory();
    if (const std::string dados = WritableProgramDirectory(); !dados.empty()) {
        ClearAttributesRecursive(dados);
        std::error_code ec;
        fs::permissions(dados, fs::perms::owner_write, fs::perm_options::add, ec);
    }

    m_banner = ShowBanner(BannerTemplate(m_traits.bannerDialogo, m_traits.bannerBitmap));
    m_pBanner = m_banner.get();

    LocalizarArquivos(programa);
    AbrirCatalogo();
    AbrirRelatorios();
    AbrirAreaDeTransferencia();
    LigarDialogos();

    // The command line: a project file, or a new untitled project.
    if (!m_commandLine.empty() && !m_commandLine.front().empty()) {
        if (!AbrirDocumento(m_commandLine.front()))
            return FALSE;
    } else if (!NovoDocumento()) {
        return FALSE;
    }

    m_frame->ActivateFrame(SW_SHOWMAXIMIZED);
    m_frame->UpdateWindow();
    return TRUE;
}

void CSizingApp::AbrirCatalogo()
{
    m_referenceDb = std::make_unique<CDaoDatabase>();
    m_pReferenceDb = m_referenceDb.get();
    AppContext().m_pReferenceDb = m_pReferenceDb;
    try {
        m_pReferenceDb->Open(m_strReferenceFile, false, true, m_traits.conexaoCatalogo);
    } catch (CDaoException& e) {
        ReportError(Local("InitInstance(1)").c_str(), &e);
    }
}

void CSizingApp::AbrirRelatorios()
{
    // A failed project report skips the circuit report: the jobs not made stay null.
    try {
        m_pProjectReport = new Crystal(m_strProjectReportFile, m_pReportEngine);
        m_pCircuitReport = new Crystal(m_strCircuitReportFile, m_pReportEngine);
        AbrirSubrelatorios();
    } catch (CUserException&) {
        // the report layer has logged and shown its message
    }
}

void CSizingApp::AbrirAreaDeTransferencia()
{
    // What killed runs of the programs left in the temporary folder goes before this run makes its own.
    RemoveLeftoverTempFiles();
    std::string temp;
    if (!MakeTempFileName(temp))
        return;
    std::error_code ec;
    fs::copy_file(m_strTemplateFile, temp, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        std::remove(temp.c_str());
        return;
    }
    m_clipboardDb = std::make_unique<CDaoDatabase>();
    try {
        m_clipboardDb->Open(temp, true, false, "");
        m_clipboardDb->Execute("PRAGMA synchronous=OFF");
        m_pClipboardDb = m_clipboardDb.get();
        AppContext().m_pClipboardDb = m_pClipboardDb;
    } catch (CDaoException& e) {
        ReportError(Local("InitInstance(2)").c_str(), &e);
        m_clipboardDb.reset();
        std::remove(temp.c_str());
    }
}

int CSizingApp::ExitInstance()
{
    FecharTodos();
    // Deleting a job deletes its subreports; the last job closes the print engine.
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
            ReportError(Local("ExitInstance").c_str(), &e);
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
            ReportError(Local("ExitInstance").c_str(), &e);
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
    CSizingAppBase::FreeSplash();
    return CWinApp::ExitInstance();
}

// --- Projects --------------------------------------------------------------------------------------------

CSizingApp::ProjetoAberto* CSizingApp::Ativo() const
{
    CMDIChildWnd* ativo = m_frame ? m_frame->MDIGetActive() : nullptr;
    for (const auto& p : m_projetos)
        if (p->moldura == ativo)
            return p.get();
    return nullptr;
}

std::string CSizingApp::MainCaption() const
{
    ProjetoAberto* p = Ativo();
    return p ? std::string(m_traits.titulo) + " - " + p->documento->GetTitle() : std::string(m_traits.titulo);
}

CSizingApp::ProjetoAberto* CSizingApp::NovoProjeto(std::unique_ptr<CLvsizeDoc> doc)
{
    std::unique_ptr<ProjetoAberto> p = Montar(std::move(doc));
    p->vista->Create(WS_CHILD | WS_VISIBLE);
    p->vista->SetDocument(p->documento);
    p->moldura->CreateChild(m_frame.get(), m_template.get(), p->vista);
    p->moldura->SetWindowText(p->documento->GetTitle());
    ProjetoAberto* raw = p.get();
    m_projetos.push_back(std::move(p));
    if (onChildCreated)
        onChildCreated(*raw);
    raw->vista->OnInitialUpdate();
    raw->moldura->ActivateFrame();
    if (onTitlesChanged)
        onTitlesChanged();
    return raw;
}

CSizingApp::ProjetoAberto* CSizingApp::NovoDocumento()
{
    std::unique_ptr<CLvsizeDoc> doc = CriarDocumento();
    doc->m_strTemplateFile = m_strTemplateFile;
    if (!doc->OnNewDocument())
        return nullptr;
    return NovoProjeto(std::move(doc));
}

CSizingApp::ProjetoAberto* CSizingApp::Encontrar(const std::string& path) const
{
    const std::string alvo = Canonico(path);
    for (const auto& p : m_projetos)
        if (!p->documento->GetPathName().empty() && Canonico(p->documento->GetPathName()) == alvo)
            return p.get();
    return nullptr;
}

void CSizingApp::Ativar(ProjetoAberto& p)
{
    p.moldura->ActivateFrame(SW_SHOWMAXIMIZED);
    if (onTitlesChanged)
        onTitlesChanged();
}

CSizingApp::ProjetoAberto* CSizingApp::AbrirDocumento(const std::string& path)
{
    // The same file twice would give two working copies, the last save silently winning.
    if (ProjetoAberto* aberto = Encontrar(path)) {
        Ativar(*aberto);
        return aberto;
    }
    std::unique_ptr<CLvsizeDoc> doc = CriarDocumento();
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

void CSizingApp::AtualizarMenusRecentes()
{
    m_recent.WriteList();
    SetSizingRecentFileMenu(m_recent.Entries());
    if (m_frame)
        m_frame->GetMenu().LoadMenu(IDR_MAINFRAME);
    for (auto& p : m_projetos)
        p->moldura->GetMenu().LoadMenu(IDR_PROJETOTYPE);
    if (onMenusChanged)
        onMenusChanged();
}

int CSizingApp::DoSave(ProjetoAberto& p, bool bAs)
{
    std::string path = p.documento->GetPathName();
    if (bAs || path.empty()) {
        std::string escolhido = path.empty() ? p.documento->GetTitle() + m_traits.extensao : path;
        if (!ChooseSaveAsPath(escolhido, m_traits.extensao, chooseSaveFile))
            return FALSE;
        // Saving over a file open in another window would leave that window on a replaced file.
        if (ProjetoAberto* outro = Encontrar(escolhido); outro && outro != &p) {
            AfxMessageBox("O projeto " + escolhido + " está aberto em outra janela. Feche-o antes de salvar sobre ele.",
                          MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        path = escolhido;
    }
    if (!p.documento->OnSaveDocument(path))
        return FALSE;
    p.documento->SetPathName(Canonico(path));
    m_recent.Add(path);
    AtualizarMenusRecentes();
    p.moldura->SetWindowText(p.documento->GetTitle());
    if (onTitlesChanged)
        onTitlesChanged();
    return TRUE;
}

int CSizingApp::SaveModified(ProjetoAberto& p)
{
    if (!p.documento->IsModified())
        return TRUE;
    const int r =
        AfxMessageBox("Salvar as alterações em " + p.documento->GetTitle() + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (r == IDCANCEL)
        return FALSE;
    if (r == IDYES)
        return DoSave(p, false);
    return TRUE;
}

void CSizingApp::Fechar(ProjetoAberto& p)
{
    p.vista->SendMessageToSelf(WM_DESTROY);
    if (onChildClosing)
        onChildClosing(p);
    p.moldura->MDIDestroy();
    p.documento->DeleteContents();
    auto it = std::find_if(m_projetos.begin(), m_projetos.end(), [&](const auto& x) { return x.get() == &p; });
    if (it != m_projetos.end())
        m_projetos.erase(it);
    if (onTitlesChanged)
        onTitlesChanged();
}

void CSizingApp::FecharTodos()
{
    while (!m_projetos.empty())
        Fechar(*m_projetos.back());
}

int CSizingApp::CloseDocument(ProjetoAberto& p)
{
    if (!SaveModified(p))
        return FALSE;
    Fechar(p);
    return TRUE;
}

int CSizingApp::SaveAllModified()
{
    for (const auto& p : m_projetos)
        if (!SaveModified(*p))
            return FALSE;
    return TRUE;
}

// --- Commands --------------------------------------------------------------------------------------------

void CSizingApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CSizingApp::OnFileNew()
{
    NovoDocumento();
}

void CSizingApp::OnFileOpen()
{
    std::string path;
    if (chooseOpenFile && chooseOpenFile(path) && !path.empty())
        AbrirDocumento(path);
}

void CSizingApp::OnFileSave()
{
    if (ProjetoAberto* p = Ativo())
        DoSave(*p, false);
}

void CSizingApp::OnFileSaveAs()
{
    if (ProjetoAberto* p = Ativo())
        DoSave(*p, true);
}

void CSizingApp::OnFileClose()
{
    if (ProjetoAberto* p = Ativo())
        CloseDocument(*p);
}

void CSizingApp::OnFilePrintSetup()
{
    PrinterService* printers = AppContext().printer;
    if (!printers || printers->Printers().empty()) {
        AfxMessageBox("Nenhuma impressora está instalada.", MB_OK | MB_ICONINFORMATION);
        return;
    }
    CConfigurarImpressao dlg;
    dlg.DoModal();
}

void CSizingApp::OnOpenRecentFile(UINT nID)
{
    const int i = static_cast<int>(nID) - ID_FILE_MRU_FILE1;
    if (i >= 0 && i < static_cast<int>(m_recent.Entries().size())) {
        const std::string path = m_recent.Entries()[static_cast<size_t>(i)];
        AbrirDocumento(path);
    }
}

void CSizingApp::OnUpdateRecentFile(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(static_cast<int>(pCmdUI->m_nID) - ID_FILE_MRU_FILE1 < static_cast<int>(m_recent.Entries().size()));
}

void CSizingApp::OnAppExit()
{
    if (!SaveAllModified())
        return;
    if (onExit)
        onExit();
}

void CSizingApp::OnJanelaProxima()
{
    if (m_projetos.size() < 2)
        return;
    ProjetoAberto* ativo = Ativo();
    auto it = std::find_if(m_projetos.begin(), m_projetos.end(), [&](const auto& x) { return x.get() == ativo; });
    const size_t i = it == m_projetos.end() ? 0 : (static_cast<size_t>(it - m_projetos.begin()) + 1) % m_projetos.size();
    Ativar(*m_projetos[i]);
}

void CSizingApp::OnUpdateProjetoAberto(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(Ativo() != nullptr);
}
