#pragma once
// Mvsize's application object: starts the program (resources, main frame, splash, data paths, the
// catalogue, the report jobs, the clipboard database, the command line), holds these for the whole run and
// frees them at exit. It also keeps the open projects, each a document with its child frame and tree view,
// and handles the file commands the class library would: new, open, save, save as, close, recent files,
// printer set-up and exit.

#include "MvsizeDoc.h"
#include "MvsizeShared.h"
#include "MvsizeView.h"
#include "MainFrame.h"
#include "RecentFiles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CrystalEngine;

inline constexpr const char* kMvsizeTitle = "Mvsize";
inline constexpr const char* kArquivoModelo = "ZelMt02.zel";
inline constexpr const char* kArquivoCatalogo = "ZelMt01.zel";
inline constexpr const char* kArquivoRelatorioProjeto = "ZelMt03.zel";
inline constexpr const char* kArquivoRelatorioCircuito = "ZelMt04.zel";
// The catalogue is opened with the password of the delivered file.
inline constexpr const char* kConexaoCatalogo = ";UID=Admin;PWD=qtvzwn";

class CMvsizeApp : public CMvsizeAppBase {
public:
    CMvsizeApp();
    ~CMvsizeApp() override;

    int InitInstance() override;
    int ExitInstance() override;

    // The command line: the arguments after the program's name (a project file, or none).
    std::vector<std::string> m_commandLine;
    // The profile holding the recent-file list; empty: the user's default.
    std::string m_strProfile;
    // The report engine the first job takes (tests pass a recording one); null: the report layer's own.
    CrystalEngine* m_pReportEngine = nullptr;

    // One open project.
    struct Projeto {
        std::unique_ptr<CMvsizeDoc> doc;
        std::unique_ptr<CChildFrame> frame;
        std::unique_ptr<CMvsizeView> view;
    };
    const std::vector<std::unique_ptr<Projeto>>& Projetos() const { return m_projetos; }
    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    Projeto* ProjetoAtivo() const;
    CRecentFileList& RecentFiles() { return m_recent; }

    // The framework's document operations. Each returns the project, or null when it failed.
    Projeto* OnFileNewDocument();
    Projeto* OpenDocumentFile(const std::string& path);
    // Save: to its own file, or through the save dialog (always with "as"). FALSE when not saved.
    int DoSave(Projeto& p, bool bAs);
    // Asks whether to save a modified project; FALSE when the user cancelled or the save failed.
    int SaveModified(Projeto& p);
    // Closes a project (asking first); FALSE when it stays open.
    int CloseDocument(Projeto& p);
    // Asks for every modified project; FALSE when one of them stays open.
    int SaveAllModified();

    // The host's part. A file dialog: true with the path chosen. The others tell the windows what changed.
    std::function<bool(std::string& path)> chooseOpenFile;
    std::function<bool(std::string& path)> chooseSaveFile;
    std::function<void()> onFrameCreated;
    std::function<void(Projeto&)> onChildCreated;
    std::function<void(Projeto&)> onChildClosing;
    std::function<void()> onTitlesChanged;
    std::function<void()> onMenusChanged;
    std::function<void()> onExit;
    // The splash's pause; the host shows the splash meanwhile (by default the thread sleeps).
    std::function<void(int ms)> pause;

    void FreeSplash() override;

    // The main window's caption: "Mvsize - <title of the active project>".
    std::string MainCaption() const;

protected:
    void OnAppAbout();
    void OnEmpresa();
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
    Projeto* NovoProjeto(std::unique_ptr<CMvsizeDoc> doc);
    Projeto* Encontrar(const std::string& path) const;
    void Ativar(Projeto& p);
    void AtualizarMenusRecentes();
    void Fechar(Projeto& p);
    void FecharTodos();

    std::unique_ptr<CDocTemplate> m_template;
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<std::unique_ptr<Projeto>> m_projetos;
    std::unique_ptr<CDaoDatabase> m_referenceDb;
    std::unique_ptr<CDaoDatabase> m_clipboardDb;
    std::unique_ptr<CDialog> m_banner;
    CRecentFileList m_recent;
};

// Wires the circuit dialogs into the view's commands (MvsizeDialogs()); built from the dialogs' library
// when it is part of the build.
void WireMvsizeDialogs();
