#pragma once
// The one way code reaches the application's services: databases, message boxes, the dialog runner, the
// clock, the printer, the active document. The programs wire the real ones; tests wire what they need.

#include "Clock.h"
#include "MessageService.h"

#include <functional>
#include <string>

class CDaoDatabase;
class CDocument;
class CProjectDocument;
class DialogRunner;    // the window layer's runner of modal dialogs
class PrinterService;  // the report layer's printers

class CAppContext {
public:
    IMessageService* messages = nullptr;
    const IClock* clock = nullptr;
    DialogRunner* dialogs = nullptr;
    PrinterService* printer = nullptr;

    CDaoDatabase* m_pReferenceDb = nullptr;
    CDaoDatabase* m_pClipboardDb = nullptr;

    // The shell's active document (the active child frame's); empty or null while none is active.
    std::function<CDocument*()> activeDocument;

    std::string appTitle = "Zel";  // caption of message boxes
    std::string executablePath;    // empty: read /proc/self/exe
    std::string dataFolder;        // the user's folder of writable data; empty: beside the program
};

// The current context. A default one (system clock, no message service) stands until one is installed.
CAppContext& AppContext();

// Installs a context for a scope (a program's run, a test) and restores the previous one after.
class ScopedAppContext {
public:
    explicit ScopedAppContext(CAppContext& context);
    ~ScopedAppContext();
    ScopedAppContext(const ScopedAppContext&) = delete;
    ScopedAppContext& operator=(const ScopedAppContext&) = delete;

private:
    CAppContext* m_previous;
};

// A message box through the context's message service (IDOK when there is none).
int AfxMessageBox(const std::string& text, unsigned type = MB_OK);

// The active project document of the program, or null when no child is active or it holds no project.
CProjectDocument* GetActiveProjectDocument();
