#pragma once
// Drives a built program (lvsize, mvsize, protdev) on the X server the test runs under, with real X input:
// mouse clicks and keys go through the X server (xdotool), as a user's would, and reach the program through
// GTK like any other input. What is on screen is read from the program's probe file (ZEL_UI_PROBE, see
// tests/gui/README.md); what the program wrote is read back from its files. Every wait polls with a
// deadline; a wait that runs out throws std::runtime_error with the screen's description, after leaving a
// screenshot. The program (and the window manager, when asked for) is always killed at the end.

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zel::realinput {

using namespace std::chrono_literals;

struct Rect {
    int x = -1, y = -1, w = -1, h = -1;
    bool Valid() const { return w > 0 && h > 0; }
    int CentreX() const { return x + w / 2; }
    int CentreY() const { return y + h / 2; }
};

// One top-level window (a frame, a dialog, a message box, a popup menu). Windows are numbered in the order
// the probe lists them; the number ties the other entries to their window.
struct Window {
    int index = 0;
    Rect rect;
    bool active = false;
    bool modal = false;
    bool popup = false;
    unsigned long xid = 0;  // the X window: tells apart two windows of the same title, one after the other
    std::string title;
    std::vector<std::string> labels;  // the texts of a message box or another window not built from a template
};

// A control of a dialog or view, by the numeric id of its template.
struct Control {
    int window = 0;
    int id = 0;
    std::string kind;  // edit, combo, list, button, check, radio, static, group, picture, grid, tree
    Rect rect;
    bool enabled = false;
    bool visible = false;
    bool focus = false;       // the widget has the keyboard focus
    bool modelFocus = false;  // the program's own idea of the focus
    std::string text;
};

// A line of a list, combo box or tree (rect invalid for lists and combo boxes).
struct Item {
    int window = 0;
    int id = 0;
    int index = 0;
    Rect rect;
    bool selected = false;
    std::string text;
};

// A menu-bar title, a menu item or a line of an open combo box's popup; labels keep their "&".
struct MenuEntry {
    int window = 0;
    Rect rect;
    bool enabled = false;
    std::string label;
};

struct Tool {
    int window = 0;
    int command = 0;
    Rect rect;
    bool enabled = false;
    std::string tip;
};

// A button of a message box or another window not built from a template.
struct Button {
    int window = 0;
    Rect rect;
    bool enabled = false;
    std::string label;  // "&Sim", "OK"...
};

// What the probe last wrote.
class Screen {
public:
    static Screen Parse(const std::string& text);

    long serial = 0;
    std::vector<Window> windows;
    std::vector<Control> controls;
    std::vector<Item> items;
    std::vector<MenuEntry> menus;
    std::vector<Tool> tools;
    std::vector<Button> buttons;

    // The last window with this exact title (the newest of two alike); null when none shows.
    const Window* FindWindow(const std::string& title) const;
    const Window* ActiveWindow() const;
    // A control of the window with this title.
    const Control* FindControl(const std::string& title, int id) const;
    // The lines of a list, combo box or tree of the window with this title.
    std::vector<Item> ItemsOf(const std::string& title, int id) const;
    // A menu entry in any window; the label compares with or without its "&".
    const MenuEntry* FindMenu(const std::string& label) const;
    const Tool* FindTool(int command) const;
    const Button* FindButton(const std::string& title, const std::string& label) const;
    // Readable dump for failure messages.
    std::string Describe() const;
};

// Where the built programs and data files are, and where tests leave their output.
std::filesystem::path BinDir();
std::filesystem::path OutputRoot();

struct LaunchOptions {
    LaunchOptions(std::string program_ = {}, std::vector<std::string> args_ = {})
        : program(std::move(program_)), args(std::move(args_)) {}
    std::string program;  // "lvsize", "mvsize" or "protdev"
    std::vector<std::string> args;
    // Run a copy of the program with its data files (the programs write beside themselves); otherwise the
    // build's own.
    bool copyProgram = true;
    // Extra environment (beside HOME, XDG dirs, LANG=pt_BR.UTF-8, the probe's file).
    std::map<std::string, std::string> env;
};

// One real-input test: its folder (<build>/realinput/<test name>, emptied first) holding the program's copy,
// HOME, working folder (work/), screenshots and logs.
class Session {
public:
    // name: the folder's name; empty: the running GoogleTest test's "Suite.Name".
    explicit Session(std::string name = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::filesystem::path& Folder() const { return m_folder; }
    // The program's working folder (its current directory).
    std::filesystem::path WorkDir() const { return m_folder / "work"; }
    // The folder the program runs from (its copy and data files).
    std::filesystem::path ProgramDir() const { return m_folder / "programa"; }

    // A light window manager (openbox) for the rest of the session: focus, decorations and placement by a
    // window manager as on a desktop.
    void StartWindowManager();
    bool HasWindowManager() const { return m_windowManager > 0; }
    // setxkbmap; e.g. ("br") for the Brazilian ABNT2 layout. Xvfb ignores it (see README.md): send the
    // layout's keys by name instead.
    void SetKeyboardLayout(const std::string& layout, const std::string& variant = {});
    // Locks or unlocks Num Lock (off when the X server starts).
    void SetNumLock(bool on);

    void Launch(const LaunchOptions& options);
    bool ProgramRunning();
    // Waits for the program to end by itself; its exit status, or nullopt when it was still running.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout = 20s);
    void Kill();

    // The probe as it stands (empty before the program wrote it).
    Screen Probe() const;
    // Polls the probe until the condition holds; throws (with a screenshot named after what) when it
    // does not within the timeout.
    Screen WaitFor(const std::function<bool(const Screen&)>& condition, const std::string& what,
                   std::chrono::milliseconds timeout = 30s);
    Screen WaitWindow(const std::string& title, std::chrono::milliseconds timeout = 30s);
    Screen WaitWindowGone(const std::string& title, std::chrono::milliseconds timeout = 30s);
    // Waits until what is on screen has stopped changing for a moment (a window being placed, a list
    // being refilled); at most 3 s. Clicks on menus and tool buttons and WaitWindow do it themselves.
    Screen Settle();
    // Waits until the control of that window has the keyboard focus.
    Screen WaitFocus(const std::string& title, int id, std::chrono::milliseconds timeout = 30s);

    // Mouse: a click (left button) at a point of the screen, or at the centre of what the probe shows.
    void Click(int x, int y);
    void ClickControl(const std::string& title, int id);
    // A line of a tree, clicked until it is selected.
    void ClickItem(const std::string& title, int id, const std::string& text);
    void ClickMenu(const std::string& label);
    // A menu path from the menu bar: {"&Circuito", "&Incluir ..."}.
    void ChooseMenu(const std::vector<std::string>& path);
    void ClickTool(int command);
    void ClickButton(const std::string& title, const std::string& label);

    // Keys by X key name, one or more separated by blanks: "Tab", "alt+s", "KP_1 KP_Decimal", "dead_acute a".
    void Key(const std::string& keys);
    // Text typed key by key (characters missing from the layout are typed through a spare key).
    void Type(const std::string& utf8);

    // A PNG of the whole screen in the session's folder; returns its path.
    std::filesystem::path Screenshot(const std::string& name);

    // Runs a command of the X tools; throws when it fails.
    void Run(const std::vector<std::string>& argv) const;

private:
    std::map<std::string, std::string> Environment(const LaunchOptions& options) const;

    std::filesystem::path m_folder;
    std::filesystem::path m_probe;
    int m_program = -1;
    int m_windowManager = -1;
    int m_shots = 0;
};

// Rows of a query on an SQLite file the program wrote, every value as text (NULL as "<null>").
std::vector<std::vector<std::string>> Query(const std::filesystem::path& database, const std::string& sql);
// The first value of the first row ("" when none).
std::string QueryValue(const std::filesystem::path& database, const std::string& sql);

}  // namespace zel::realinput
