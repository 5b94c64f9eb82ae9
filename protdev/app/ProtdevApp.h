#pragma once
// Protdev's application object: opens the library "ZelBt01.zel" of the current directory exclusively for
// the whole run, makes the single document with its frame and tree view, and reports errors its own way.

#include "MainFrame.h"
#include "ProtdevDoc.h"
#include "ProtdevView.h"

#include <functional>
#include <memory>

class CDaoDatabase;
class CDaoException;

inline constexpr const char* kLibraryFile = "ZelBt01.zel";
inline constexpr const char* kProtdevTitle = "Protdev";

class CProtdevApp : public CWinApp {
public:
    CProtdevApp();
    ~CProtdevApp() override;

    // Start-up: resources, splash, the library, the document with its frame and view shown maximized.
    // FALSE when the frame cannot be made.
    int InitInstance() override;
    // Closes and deletes the library database.
    int ExitInstance() override;

    // Start-up's open of "ZelBt01.zel" by its relative name, exclusive and read-write. A failure is reported
    // once and the program goes on with the database not open. Installs it as the context's library
    // database either way.
    bool OpenLibrary();
    void CloseLibrary();

    // One line in "ZEL.LOG" (current directory) and a message box. The exception stays the caller's.
    static void ReportError(const char* location, const CDaoException* e);

    CDaoDatabase* m_pDatabase = nullptr;

    // The single document and its windows (made by InitInstance).
    CSdiMainFrame* GetMainFrame() { return m_frame.get(); }
    CProtdevView* GetView() { return m_view.get(); }
    CProtdevDoc* GetDoc() { return m_doc.get(); }

    // The host's part: called once the frame and its view exist, before the tree is first filled (the
    // windows are made there), and by "&Sair" to close the main window.
    std::function<void()> onFrameCreated;
    std::function<void()> onExit;

protected:
    void OnAppAbout();
    void OnAppExit();
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CDaoDatabase> m_database;
    std::unique_ptr<CDocTemplate> m_template;
    std::unique_ptr<CProtdevDoc> m_doc;
    std::unique_ptr<CSdiMainFrame> m_frame;
    std::unique_ptr<CProtdevView> m_view;
};

// The library database every statement of Protdev runs on (the context's reference database); null
// before start-up.
CDaoDatabase* ProtdevDatabase();
// The same for the statements: throws the data layer's "not open" error when there is no database object.
CDaoDatabase& ProtdevLibrary();
// True when the library was opened; while it is not, reading it has nothing to show.
bool ProtdevLibraryOpen();
