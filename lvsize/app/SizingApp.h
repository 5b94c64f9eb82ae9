#pragma once
// The application object both sizing programs are built on: it starts the program (resources, main frame,
// splash, data paths, the catalogue, the report jobs, the clipboard database, the command line), holds
// these for the whole run and frees them at exit. It also keeps the open projects, each a document with
// its child frame and tree view, and handles the file commands the class library would: new, open, save,
// save as, close, recent files, printer set-up and exit. Lvsize and Mvsize give their data files, report
// jobs, resources and dialogs (CLvsizeApp, CMvsizeApp).

#include "CircuitTreeView.h"
#include "LvsizeDoc.h"
#include "MainFrame.h"
#include "RecentFiles.h"
#include "SizingShared.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CrystalEngine;

// What tells one program's application object from the other's.
struct SizingAppTraits {
    const char* titulo;           // "Lvsize": the main window's caption and the message boxes' title
    const char* classe;           // "CLvsizeApp": named in error reports
    const char* extensao;         // ".lvp": added to a saved project's name that has none
    const char* conexaoCatalogo;  // the catalogue's connect string
    int bannerDialogo;
    int bannerBitmap;
};

class CSizingApp : public CSizingAppBase {
public:
    ~CSizingApp() override;

    int InitInstance() override;
    int ExitInstance() override;

    // The command line: the arguments after the program's name (a project file, or none).
    std::vector<std::string> m_commandLine;
    // The profile holding the recent-file list; empty: the user's default.
    std::string m_strProfile;
    // The report engine the first job takes (tests pass a recording one); null: the report layer's own.
    CrystalEngine* m_pReportEngine = nullptr;
    // The catalogue and the two report files the start-up opens (LocalizarArquivos sets them).
    std::string m_strReferenceFile;
    std::string m_strProjectReportFile;
    std::string m_strCircuitReportFile;

    // One open project, as the shell handles it; the program's own types are in CSizingAppOf::Projeto.
    struct ProjetoAberto {
        virtual ~ProjetoAberto() = default;
        CLvsizeDoc* documento = nullptr;
        CChildFrame* moldura = nullptr;
        CCircuitTreeView* vista = nullptr;
    };
    const std::vector<std::unique_ptr<ProjetoAberto>>& ProjetosAbertos() const { return m_projetos; }
    ProjetoAberto* Ativo() const;
    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CRecentFileList& RecentFiles() { return m_recent; }

    // The framework's document operations. Each returns the project, or null when it failed.
    ProjetoAberto* NovoDocumento();
    ProjetoAberto* AbrirDocumento(const std::string& path);
    // Save: to its own file, or through the save dialog (always with "as"). FALSE when not saved.
    int DoSave(ProjetoAberto& p, bool bAs);
    // Asks whether to save a modified project; FALSE when the user cancelled or the save failed.
    int SaveModified(ProjetoAberto& p);
    // Closes a project (asking first); FALSE when it stays open.
    int CloseDocument(ProjetoAberto& p);
    // Asks for every modified project; FALSE when one of them stays open.
    int SaveAllModified();

    // The host's part. A file dialog: true with the path chosen. The others tell the windows what changed.
    std::function<bool(std::string& path)> chooseOpenFile;
    std::function<bool(std::string& path)> chooseSaveFile;
    std::function<void()> onFrameCreated;
    std::function<void(ProjetoAberto&)> onChildCreated;
    std::function<void(ProjetoAberto&)> onChildClosing;
    std::function<void()> onTitlesChanged;
    std::function<void()> onMenusChanged;
    std::function<void()> onExit;
    // The splash's pause; the host shows the splash meanwhile (by default the thread sleeps).
    std::function<void(int ms)> pause;

    // The main window's caption: "Lvsize - <title of the active project>".
    std::string MainCaption() const;

protected:
    explicit CSizingApp(const SizingAppTraits& traits);

    // The program's menus, tool bar, prompts and dialog templates.
    virtual void RegistrarRecursos() = 0;
    // The data files' paths from the program's directory (empty when unknown): the company file, the
    // template, the catalogue and the report files.
    virtual void LocalizarArquivos(const std::string& programa) = 0;
    // Jobs the circuit report job carries besides its own (called once both jobs exist).
    virtual void AbrirSubrelatorios() {}
    // The program's dialog classes behind the commands.
    virtual void LigarDialogos() = 0;
    // A new, empty document of the program's type, and a project made of it with a frame and a view.
    virtual std::unique_ptr<CLvsizeDoc> CriarDocumento() const = 0;
    virtual std::unique_ptr<ProjetoAberto> Montar(std::unique_ptr<CLvsizeDoc> doc) const = 0;

    void OnAppAbout();
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();
    void OnFilePrintSetup();
    void OnOpenRecentFile(UINT nID);
    void OnAppExit();
    void OnJanelaProxima();
    void OnUpdateProjetoAberto(CCmdUI* pCmdUI);
    void OnUpdateRecentFile(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    void AbrirCatalogo();
    void AbrirRelatorios();
    void AbrirAreaDeTransferencia();
    std::string Local(const char* metodo) const;
    ProjetoAberto* NovoProjeto(std::unique_ptr<CLvsizeDoc> doc);
    ProjetoAberto* Encontrar(const std::string& path) const;
    void Ativar(ProjetoAberto& p);
    void AtualizarMenusRecentes();
    void Fechar(ProjetoAberto& p);
    void FecharTodos();

    SizingAppTraits m_traits;
    std::unique_ptr<CDocTemplate> m_template;
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<std::unique_ptr<ProjetoAberto>> m_projetos;
    std::unique_ptr<CDaoDatabase> m_referenceDb;
    std::unique_ptr<CDaoDatabase> m_clipboardDb;
    std::unique_ptr<CDialog> m_banner;
    CRecentFileList m_recent;
};

// A sizing program's application object with its own document and view types.
template <class Doc, class View>
class CSizingAppOf : public CSizingApp {
public:
    struct Projeto : ProjetoAberto {
        std::unique_ptr<Doc> doc;
        std::unique_ptr<CChildFrame> frame;
        std::unique_ptr<View> view;
    };

    Projeto* ProjetoAtivo() const { return static_cast<Projeto*>(Ativo()); }
    std::vector<Projeto*> Projetos() const
    {
        std::vector<Projeto*> projetos;
        for (const auto& p : ProjetosAbertos())
            projetos.push_back(static_cast<Projeto*>(p.get()));
        return projetos;
    }
    Projeto* OnFileNewDocument() { return static_cast<Projeto*>(NovoDocumento()); }
    Projeto* OpenDocumentFile(const std::string& path) { return static_cast<Projeto*>(AbrirDocumento(path)); }

protected:
    using CSizingApp::CSizingApp;

    std::unique_ptr<CLvsizeDoc> CriarDocumento() const override { return std::make_unique<Doc>(); }
    std::unique_ptr<ProjetoAberto> Montar(std::unique_ptr<CLvsizeDoc> doc) const override
    {
        auto p = std::make_unique<Projeto>();
        p->doc.reset(static_cast<Doc*>(doc.release()));
        p->frame = std::make_unique<CChildFrame>();
        p->view = std::make_unique<View>();
        p->documento = p->doc.get();
        p->moldura = p->frame.get();
        p->vista = p->view.get();
        return p;
    }
};
