#pragma once
// The headless host: runs dialogs, message boxes and popup menus in tests with no display. A test drives a
// dialog as a user would (type, paste, select, check, click, focus), scripts the answers of the nested
// dialogs and message boxes the code under test opens, and reads a transcript of what was shown.

#include "Dialog.h"
#include "DialogRunner.h"
#include "AppContext.h"
#include "MessageService.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

class HeadlessHost;

// Drives one open dialog. Every action goes through the dialog's model as the wx host's events do.
class DialogDriver {
public:
    DialogDriver(HeadlessHost& host, CDialog& dialog) : m_host(host), m_dialog(dialog) {}

    CDialog& Dialog() { return m_dialog; }
    CWnd* Item(int id) const { return m_dialog.GetDlgItem(id); }
    template <class T>
    T& Get(int id) const {
        return dynamic_cast<T&>(*Item(id));
    }

    // Moves the focus (kill focus on the old control, then set focus on this one).
    DialogDriver& Focus(int id);
    // Focuses the edit and types each character ('\b' is backspace). The caret stays where it is; use
    // Caret or SelectText to place it.
    DialogDriver& Type(int id, const std::string& chars);
    // Puts the caret at a position, or selects characters [start, end) (end -1: to the end).
    DialogDriver& Caret(int id, int pos);
    DialogDriver& SelectText(int id, int start, int end);
    // Empties the edit as a user does (select all, backspace).
    DialogDriver& Clear(int id);
    // A paste by key (Ctrl+V, the character 22) and by the context menu, with the host's clipboard text.
    DialogDriver& PasteByKey(int id, const std::string& clipboard);
    DialogDriver& PasteByMenu(int id, const std::string& clipboard);
    // Chooses a line of a combo box or list box by index or by its exact text.
    DialogDriver& Select(int id, int index);
    DialogDriver& Select(int id, const std::string& text);
    DialogDriver& DoubleClick(int id, int index);
    // Clicks a push button, check box or radio button (nothing happens when it is disabled).
    DialogDriver& Click(int id);
    DialogDriver& ClickCell(int id, long row, long col);
    DialogDriver& DoubleClickCell(int id, long row, long col);
    DialogDriver& SelectTreeItem(int id, HTREEITEM item);
    DialogDriver& Enter();
    DialogDriver& Escape();

    std::string Text(int id) const;
    bool Enabled(int id) const;
    bool Visible(int id) const;
    bool Checked(int id) const;
    bool Ended() const { return m_dialog.IsEnded(); }
    int Result() const { return m_dialog.GetModalResult(); }

private:
    CEdit& EditOf(int id) const;
    HeadlessHost& m_host;
    CDialog& m_dialog;
};

class HeadlessHost : public DialogRunner, public IMessageService {
public:
    using Script = std::function<void(DialogDriver&)>;

    HeadlessHost() = default;
    // Wires this host as the context's dialog runner and message service.
    explicit HeadlessHost(CAppContext& context) { Install(context); }
    void Install(CAppContext& context);

    // The next modal run of the template uses the script (scripts of one template are used in order).
    void OnDialog(int templateId, Script script);
    // The next message box is answered with the button (IDOK, IDYES, ...); with none queued a box is
    // answered with its first button (OK, Yes).
    void AnswerMessage(int button);
    // The next popup menu chooses the command (0: the user dismisses it).
    void ChooseFromPopup(int command);

    // Runs a dialog as DoModal would, with the script as the user's part; returns the result.
    int Run(CDialog& dialog, const Script& script);
    // Opens a dialog for a test to drive step by step (initialised, not ended); Close ends it as Cancel
    // would when the test did not.
    DialogDriver Open(CDialog& dialog);
    void Close(CDialog& dialog);

    int RunModal(CDialog& dialog) override;
    bool CreateModeless(CDialog& dialog) override;
    void DestroyModeless(CDialog& dialog) override;
    int TrackPopupMenu(CMenu& menu, int x, int y, CWnd* owner) override;
    std::string GetClipboardText() override { return clipboard; }
    CSize GetScreenSize() const override { return screen; }
    void BeginWaitCursor() override { ++waitCursorDepth; }
    void EndWaitCursor() override { --waitCursorDepth; }
    bool IsKeyToggled(int indicatorId) const override;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;

    // Lines of what happened: dialogs opened and closed, message boxes with their answers, popups, the
    // user's actions.
    std::vector<std::string> transcript;
    std::string Transcript() const;
    void Note(const std::string& line) { transcript.push_back(line); }

    struct Shown {
        std::string text;
        std::string caption;
        unsigned type = 0;
        int answer = 0;
    };
    std::vector<Shown> messages;
    std::vector<CDialog*> modeless;
    std::string clipboard;
    CSize screen{1024, 768};
    std::map<int, bool> keysToggled;  // ID_INDICATOR_CAPS ... -> on
    int waitCursorDepth = 0;

private:
    std::map<int, std::deque<Script>> m_scripts;
    std::deque<int> m_answers;
    std::deque<int> m_popupChoices;
};

// A one-line description of a control for transcripts and failure messages.
std::string DescribeControl(const CWnd& w);
