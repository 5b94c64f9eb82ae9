#pragma once
// The runner of windows that the application context holds: modal and modeless dialogs, popup menus, the
// clipboard, the screen, the wait cursor and the keyboard's lock keys. The wx host runs them on screen; the
// headless host runs them in tests from scripts.

#include "WinTypes.h"

#include <string>

class CDialog;
class CMenu;
class CWnd;

class DialogRunner {
public:
    virtual ~DialogRunner() = default;

    // Creates the dialog's window from its template, runs OnInitDialog and the user's part until
    // EndDialog; returns EndDialog's result (-1 when the window could not be made).
    virtual int RunModal(CDialog& dialog) = 0;
    // Creates and shows a modeless dialog; it stays until DestroyModeless.
    virtual bool CreateModeless(CDialog& dialog) = 0;
    virtual void DestroyModeless(CDialog& dialog) = 0;
    // Shows a popup menu at a screen point; returns the chosen command (0: none). The caller routes it.
    virtual int TrackPopupMenu(CMenu& menu, int x, int y, CWnd* owner) = 0;

    virtual std::string GetClipboardText() { return {}; }
    virtual CSize GetScreenSize() const { return {1024, 768}; }
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
    // CAP, NUM and SCRL of the status bar (ID_INDICATOR_CAPS, _NUM, _SCRL): the lock key is on.
    virtual bool IsKeyToggled(int /*indicatorId*/) const { return false; }
};

// The wait cursor for a scope, through the context's runner.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
