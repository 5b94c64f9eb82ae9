#include "RealInput.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Last: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

extern char** environ;

namespace fs = std::filesystem;

namespace zel::realinput {
namespace {

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

std::string Unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

bool FlagOf(const std::string& field) { return field.size() > 2 && field.substr(field.size() - 2) == "=1"; }
int IntOf(const std::string& field) { return std::atoi(field.c_str()); }

Rect RectOf(const std::vector<std::string>& f, std::size_t at) {
    return {IntOf(f[at]), IntOf(f[at + 1]), IntOf(f[at + 2]), IntOf(f[at + 3])};
}

std::string WithoutAmpersand(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != '&') out += c;
    return out;
}

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Tail(const fs::path& p, std::size_t bytes) {
    std::string all = ReadAll(p);
    return all.size() > bytes ? all.substr(all.size() - bytes) : all;
}

std::string DescribeRect(const Rect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" + std::to_string(r.h);
}

// Starts argv in its own process group with the environment given, output to log; the child's pid.
int Spawn(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env, const fs::path& dir,
          const fs::path& log) {
    std::vector<std::string> envText;
    for (const auto& [k, v] : env) envText.push_back(k + "=" + v);
    std::vector<char*> envp;
    for (auto& e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args = argv;
    std::vector<char*> argp;
    for (auto& a : args) argp.push_back(a.data());
    argp.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        setpgid(0, 0);
        if (!dir.empty() && chdir(dir.c_str()) != 0) _exit(126);
        const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
            close(fd);
        }
        const int devnull = open("/dev/null", O_RDONLY);
        if (devnull >= 0) dup2(devnull, 0);
        execvpe(argp[0], argp.data(), envp.data());
        _exit(127);
    }
    setpgid(pid, pid);
    return pid;
}

std::map<std::string, std::string> CurrentEnvironment() {
    std::map<std::string, std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string s = *e;
        const auto eq = s.find('=');
        if (eq != std::string::npos) env[s.substr(0, eq)] = s.substr(eq + 1);
    }
    return env;
}

// Stops a process group: politely first, then for good; reaps the leader.
void Stop(int& pid) {
    if (pid <= 0) return;
    kill(-pid, SIGTERM);
    for (int i = 0; i < 60; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            kill(-pid, SIGKILL);
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(50ms);
    }
    kill(-pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
}

// The test's X server; polled a while, since a server under load may take a moment to accept clients.
Display* OpenDisplay() {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    for (;;) {
        if (Display* d = XOpenDisplay(nullptr)) return d;
        if (std::chrono::steady_clock::now() >= deadline) throw std::runtime_error("cannot open the display");
        std::this_thread::sleep_for(100ms);
    }
}

// Puts the Latin-1 characters, the dead keys and the keypad's comma on unused keys of the server's keymap,
// lower and upper case on one key. xdotool would otherwise bind each such character to a spare key while
// typing, and a program that has not yet taken the new keymap in reads the old symbol there; with the keys
// in place before the program starts, typing is ordinary key presses.
void AddTypingKeys() {
    Display* d = OpenDisplay();
    int first = 0, last = 0;
    XDisplayKeycodes(d, &first, &last);
    int per = 0;
    KeySym* map = XGetKeyboardMapping(d, static_cast<KeyCode>(first), last - first + 1, &per);
    std::vector<int> free;
    for (int k = first; k <= last; ++k) {
        bool empty = true;
        for (int i = 0; i < per; ++i)
            if (map[(k - first) * per + i] != NoSymbol) empty = false;
        if (empty) free.push_back(k);
    }
    XFree(map);
    std::vector<std::pair<KeySym, KeySym>> wanted;
    for (KeySym upper = 0xC0; upper <= 0xDE; ++upper)
        if (upper != 0xD7) wanted.push_back({upper + 0x20, upper});
    for (KeySym other = 0xA0; other <= 0xBF; ++other) wanted.push_back({other, NoSymbol});
    for (KeySym other : {KeySym{0xD7}, KeySym{0xDF}, KeySym{0xF7}, KeySym{0xFF}}) wanted.push_back({other, NoSymbol});
    for (const char* name : {"dead_acute", "dead_grave", "dead_tilde", "dead_circumflex", "dead_diaeresis",
                             "dead_cedilla", "KP_Separator"})
        wanted.push_back({XStringToKeysym(name), NoSymbol});
    std::size_t next = 0;
    for (const auto& [lower, upper] : wanted) {
        if (XKeysymToKeycode(d, lower) != 0) continue;
        if (next >= free.size()) break;
        KeySym syms[2] = {lower, upper == NoSymbol ? lower : upper};
        XChangeKeyboardMapping(d, free[next++], 2, syms, 1);
    }
    XSync(d, False);
    XCloseDisplay(d);
}

std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "realinput";
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

}  // namespace

// --- Screen --------------------------------------------------------------------------------------------

Screen Screen::Parse(const std::string& text) {
    Screen s;
    for (const std::string& line : Split(text, '\n')) {
        if (line.empty()) continue;
        const auto f = Split(line, '\t');
        const std::string& kind = f[0];
        if (kind == "zel-ui-probe" && f.size() >= 2) {
            s.serial = std::atol(f[1].c_str());
        } else if (kind == "window" && f.size() >= 11) {
            s.windows.push_back({IntOf(f[1]), RectOf(f, 2), FlagOf(f[6]), FlagOf(f[7]), FlagOf(f[8]),
                                 std::strtoul(f[9].c_str() + 4, nullptr, 10), Unescape(f[10]), {}});
        } else if (kind == "label" && f.size() >= 3) {
            const int w = IntOf(f[1]);
            for (Window& win : s.windows)
                if (win.index == w) win.labels.push_back(Unescape(f[2]));
        } else if (kind == "control" && f.size() >= 13) {
            s.controls.push_back({IntOf(f[1]), IntOf(f[2]), f[3], RectOf(f, 4), FlagOf(f[8]), FlagOf(f[9]), FlagOf(f[10]),
                                  FlagOf(f[11]), Unescape(f[12])});
        } else if (kind == "item" && f.size() >= 10) {
            s.items.push_back({IntOf(f[1]), IntOf(f[2]), IntOf(f[3]), RectOf(f, 4), FlagOf(f[8]), Unescape(f[9])});
        } else if (kind == "menu" && f.size() >= 8) {
            s.menus.push_back({IntOf(f[1]), RectOf(f, 2), FlagOf(f[6]), Unescape(f[7])});
        } else if (kind == "tool" && f.size() >= 9) {
            s.tools.push_back({IntOf(f[1]), IntOf(f[2]), RectOf(f, 3), FlagOf(f[7]), Unescape(f[8])});
        } else if (kind == "button" && f.size() >= 8) {
            s.buttons.push_back({IntOf(f[1]), RectOf(f, 2), FlagOf(f[6]), Unescape(f[7])});
        }
    }
    return s;
}

const Window* Screen::FindWindow(const std::string& title) const {
    const Window* found = nullptr;
    for (const Window& w : windows)
        if (w.title == title) found = &w;
    return found;
}

const Window* Screen::ActiveWindow() const {
    for (const Window& w : windows)
        if (w.active) return &w;
    return nullptr;
}

const Control* Screen::FindControl(const std::string& title, int id) const {
    const Window* w = FindWindow(title);
    if (!w) return nullptr;
    for (const Control& c : controls)
        if (c.window == w->index && c.id == id) return &c;
    return nullptr;
}

std::vector<Item> Screen::ItemsOf(const std::string& title, int id) const {
    std::vector<Item> out;
    const Window* w = FindWindow(title);
    if (!w) return out;
    for (const Item& i : items)
        if (i.window == w->index && i.id == id) out.push_back(i);
    return out;
}

const MenuEntry* Screen::FindMenu(const std::string& label) const {
    const MenuEntry* found = nullptr;
    for (const MenuEntry& m : menus)
        if (m.label == label || WithoutAmpersand(m.label) == WithoutAmpersand(label)) found = &m;
    return found;
}

const Tool* Screen::FindTool(int command) const {
    for (const Tool& t : tools)
        if (t.command == command) return &t;
    return nullptr;
}

const Button* Screen::FindButton(const std::string& title, const std::string& label) const {
    const Window* w = FindWindow(title);
    for (const Button& b : buttons)
        if ((!w || b.window == w->index) && (b.label == label || WithoutAmpersand(b.label) == WithoutAmpersand(label)))
            return &b;
    return nullptr;
}

std::string Screen::Describe() const {
    std::ostringstream o;
    o << "probe #" << serial << "\n";
    for (const Window& w : windows) {
        o << "window " << w.index << " \"" << w.title << "\" " << DescribeRect(w.rect) << (w.active ? " active" : "")
          << (w.modal ? " modal" : "") << (w.popup ? " popup" : "") << "\n";
        for (const std::string& l : w.labels) o << "  label \"" << l << "\"\n";
        for (const Control& c : controls) {
            if (c.window != w.index) continue;
            o << "  " << c.kind << " " << c.id << " \"" << c.text << "\" " << DescribeRect(c.rect)
              << (c.enabled ? "" : " disabled") << (c.visible ? "" : " hidden") << (c.focus ? " focus" : "")
              << (c.modelFocus ? " model-focus" : "") << "\n";
            for (const Item& i : items)
                if (i.window == w.index && i.id == c.id) o << "    " << (i.selected ? "* " : "  ") << i.text << "\n";
        }
        for (const MenuEntry& m : menus)
            if (m.window == w.index) o << "  menu \"" << m.label << "\"" << (m.enabled ? "" : " disabled") << "\n";
        for (const Button& b : buttons)
            if (b.window == w.index) o << "  button \"" << b.label << "\"" << (b.enabled ? "" : " disabled") << "\n";
    }
    return o.str();
}

// --- folders -------------------------------------------------------------------------------------------

fs::path BinDir() {
    if (const char* e = std::getenv("ZEL_REALINPUT_BIN"); e && *e) return e;
    return ZEL_REALINPUT_BIN_DIR;
}

fs::path OutputRoot() {
    if (const char* e = std::getenv("ZEL_REALINPUT_OUT"); e && *e) return e;
    return ZEL_REALINPUT_OUT_DIR;
}

// --- Session -------------------------------------------------------------------------------------------

Session::Session(std::string name) {
    if (name.empty()) name = TestName();
    if (!std::getenv("DISPLAY")) throw std::runtime_error("no DISPLAY: run under xvfb-run");
    m_folder = OutputRoot() / name;
    std::error_code ec;
    fs::remove_all(m_folder, ec);
    fs::create_directories(m_folder / "home");
    fs::create_directories(m_folder / "run");
    fs::permissions(m_folder / "run", fs::perms::owner_all, fs::perm_options::replace, ec);
    fs::create_directories(WorkDir());
    m_probe = m_folder / "probe.txt";
}

Session::~Session() {
    try {
        if (m_program > 0 && ProgramRunning()) Screenshot("final");
    } catch (...) {
    }
    Stop(m_program);
    Stop(m_windowManager);
}

void Session::Run(const std::vector<std::string>& argv) const {
    const int pid = Spawn(argv, CurrentEnvironment(), {}, m_folder / "tools.log");
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string cmd;
        for (const auto& a : argv) cmd += a + " ";
        throw std::runtime_error("command failed: " + cmd + "\n" + Tail(m_folder / "tools.log", 2000));
    }
}

void Session::StartWindowManager() {
    if (m_windowManager > 0) return;
    m_windowManager = Spawn({"openbox", "--sm-disable"}, CurrentEnvironment(), m_folder, m_folder / "openbox.log");
    // Ready once it has claimed the screen (its check window on the root window).
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    Display* d = OpenDisplay();
    const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    bool ready = false;
    while (!ready && std::chrono::steady_clock::now() < deadline) {
        Atom type = 0;
        int format = 0;
        unsigned long n = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, AnyPropertyType, &type, &format, &n, &after,
                               &data) == Success &&
            n > 0)
            ready = true;
        if (data) XFree(data);
        if (!ready) std::this_thread::sleep_for(50ms);
    }
    XCloseDisplay(d);
    if (!ready) throw std::runtime_error("the window manager did not start:\n" + Tail(m_folder / "openbox.log", 2000));
}

void Session::SetKeyboardLayout(const std::string& layout, const std::string& variant) {
    std::vector<std::string> argv = {"setxkbmap", "-layout", layout};
    if (!variant.empty()) {
        argv.push_back("-variant");
        argv.push_back(variant);
    }
    Run(argv);
    // A layout that did not take (an X server that resets between clients, a missing layout) would let a
    // test pass on the US keymap; read back what the server holds.
    Display* d = OpenDisplay();
    XkbDescPtr desc = XkbAllocKeyboard();
    std::string symbols;
    if (desc && XkbGetNames(d, XkbSymbolsNameMask, desc) == Success && desc->names && desc->names->symbols) {
        char* name = XGetAtomName(d, desc->names->symbols);
        if (name) symbols = name;
        XFree(name);
    }
    if (desc) XkbFreeKeyboard(desc, 0, True);
    XCloseDisplay(d);
    if (symbols.find("+" + layout) == std::string::npos)
        throw std::runtime_error("the keyboard layout " + layout + " is not in effect (symbols: " + symbols + ")");
}

void Session::SetNumLock(bool on) {
    Display* d = OpenDisplay();
    const unsigned mask = XkbKeysymToModifiers(d, XStringToKeysym("Num_Lock"));
    XkbLockModifiers(d, XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(d, False);
    XCloseDisplay(d);
}

std::map<std::string, std::string> Session::Environment(const LaunchOptions& options) const {
    auto env = CurrentEnvironment();
    const std::string home = (m_folder / "home").string();
    env["HOME"] = home;
    env["XDG_CONFIG_HOME"] = home + "/.config";
    env["XDG_DATA_HOME"] = home + "/.local/share";
    env["XDG_CACHE_HOME"] = home + "/.cache";
    env["XDG_RUNTIME_DIR"] = (m_folder / "run").string();
    env["LANG"] = "pt_BR.UTF-8";
    env.erase("LC_ALL");
    env.erase("LANGUAGE");
    env["NO_AT_BRIDGE"] = "1";
    env["GTK_THEME"] = "Adwaita";
    env["GSETTINGS_BACKEND"] = "memory";
    // GTK's own input method: the layout's dead keys and compose sequences, the same on every machine.
    env["GTK_IM_MODULE"] = "gtk-im-context-simple";
    env["ZEL_UI_PROBE"] = m_probe.string();
    for (const auto& [k, v] : options.env) env[k] = v;
    return env;
}

void Session::Launch(const LaunchOptions& options) {
    if (m_program > 0) throw std::runtime_error("a program is already running in this session");
    fs::path exe = BinDir() / options.program;
    if (!fs::exists(exe)) throw std::runtime_error("not built: " + exe.string());
    if (options.copyProgram) {
        fs::create_directories(ProgramDir());
        const fs::path copy = ProgramDir() / options.program;
        std::error_code ec;
        fs::remove(copy, ec);
        fs::create_hard_link(exe, copy, ec);
        if (ec) fs::copy_file(exe, copy, fs::copy_options::overwrite_existing);
        for (const auto& entry : fs::directory_iterator(BinDir())) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".zel" || ext == ".rpt")
                fs::copy_file(entry.path(), ProgramDir() / entry.path().filename(), fs::copy_options::overwrite_existing);
        }
        exe = copy;
    }
    AddTypingKeys();
    std::error_code ec;
    fs::remove(m_probe, ec);
    std::vector<std::string> argv = {exe.string()};
    argv.insert(argv.end(), options.args.begin(), options.args.end());
    m_program = Spawn(argv, Environment(options), WorkDir(), m_folder / (options.program + ".log"));
}

bool Session::ProgramRunning() {
    if (m_program <= 0) return false;
    int status = 0;
    if (waitpid(m_program, &status, WNOHANG) == m_program) {
        kill(-m_program, SIGKILL);
        m_program = -1;
        return false;
    }
    return true;
}

std::optional<int> Session::WaitExit(std::chrono::milliseconds timeout) {
    if (m_program <= 0) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(m_program, &status, WNOHANG) == m_program) {
            kill(-m_program, SIGKILL);
            m_program = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(50ms);
    }
    return std::nullopt;
}

void Session::Kill() { Stop(m_program); }

Screen Session::Probe() const { return Screen::Parse(ReadAll(m_probe)); }

Screen Session::WaitFor(const std::function<bool(const Screen&)>& condition, const std::string& what,
                        std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Screen s;
    for (;;) {
        s = Probe();
        if (condition(s)) return s;
        if (std::chrono::steady_clock::now() >= deadline) break;
        if (m_program > 0 && !ProgramRunning()) break;
        std::this_thread::sleep_for(50ms);
    }
    std::string why = "timed out waiting for: " + what;
    if (m_program <= 0) why = "the program ended while waiting for: " + what;
    std::string shot;
    try {
        shot = Screenshot("timeout").string();
    } catch (...) {
    }
    throw std::runtime_error(why + "\nscreenshot: " + shot + "\n" + s.Describe() + "\nprogram output:\n" +
                             Tail(m_folder / "lvsize.log", 1500) + Tail(m_folder / "mvsize.log", 1500) +
                             Tail(m_folder / "protdev.log", 1500));
}

Screen Session::WaitWindow(const std::string& title, std::chrono::milliseconds timeout) {
    WaitFor([&](const Screen& s) { return s.FindWindow(title) != nullptr; }, "window \"" + title + "\"", timeout);
    // A window manager places a new window after it shows.
    return Settle();
}

Screen Session::WaitWindowGone(const std::string& title, std::chrono::milliseconds timeout) {
    return WaitFor([&](const Screen& s) { return s.FindWindow(title) == nullptr; }, "window \"" + title + "\" to close",
                   timeout);
}

Screen Session::WaitFocus(const std::string& title, int id, std::chrono::milliseconds timeout) {
    return WaitFor(
        [&](const Screen& s) {
            const Control* c = s.FindControl(title, id);
            return c && c->focus;
        },
        "focus on control " + std::to_string(id) + " of \"" + title + "\"", timeout);
}

void Session::Click(int x, int y) {
    Run({"xdotool", "mousemove", "--sync", std::to_string(x), std::to_string(y), "click", "1"});
}

void Session::ClickControl(const std::string& title, int id) {
    const Screen s = WaitFor(
        [&](const Screen& sc) {
            const Control* c = sc.FindControl(title, id);
            return c && c->visible && c->rect.Valid();
        },
        "control " + std::to_string(id) + " of \"" + title + "\" on screen");
    const Control* c = s.FindControl(title, id);
    Click(c->rect.CentreX(), c->rect.CentreY());
}

void Session::ClickItem(const std::string& title, int id, const std::string& text) {
    const Screen s = WaitFor(
        [&](const Screen& sc) {
            for (const Item& i : sc.ItemsOf(title, id))
                if (i.text == text && i.rect.Valid()) return true;
            return false;
        },
        "line \"" + text + "\" of control " + std::to_string(id) + " of \"" + title + "\" on screen");
    Rect r;
    for (const Item& i : s.ItemsOf(title, id))
        if (i.text == text && i.rect.Valid()) r = i.rect;
    const int x = r.x + std::min(r.w / 2, 40), y = r.CentreY();
    const auto selected = [&](const Screen& sc) {
        for (const Item& i : sc.ItemsOf(title, id))
            if (i.text == text && i.selected) return true;
        return false;
    };
    // A command sent next acts on the selection, so the click is done only once the line is selected; a
    // click a loaded server let slip is made again.
    Click(x, y);
    try {
        WaitFor(selected, "line \"" + text + "\" selected", 5s);
    } catch (const std::runtime_error&) {
        Click(x, y);
        WaitFor(selected, "line \"" + text + "\" selected");
    }
}

void Session::ClickMenu(const std::string& label) {
    Settle();
    const Screen s = WaitFor([&](const Screen& sc) { return sc.FindMenu(label) != nullptr; }, "menu \"" + label + "\"");
    const MenuEntry* m = s.FindMenu(label);
    Click(m->rect.CentreX(), m->rect.CentreY());
}

void Session::ChooseMenu(const std::vector<std::string>& path) {
    for (const std::string& label : path) ClickMenu(label);
}

void Session::ClickTool(int command) {
    Settle();
    const Screen s = WaitFor(
        [&](const Screen& sc) {
            const Tool* t = sc.FindTool(command);
            return t && t->enabled;
        },
        "tool button " + std::to_string(command) + " enabled");
    const Tool* t = s.FindTool(command);
    Click(t->rect.CentreX(), t->rect.CentreY());
}

void Session::ClickButton(const std::string& title, const std::string& label) {
    const Screen s = WaitFor([&](const Screen& sc) { return sc.FindButton(title, label) != nullptr; },
                             "button \"" + label + "\" of \"" + title + "\"");
    const Button* b = s.FindButton(title, label);
    Click(b->rect.CentreX(), b->rect.CentreY());
}

void Session::Key(const std::string& keys) {
    std::vector<std::string> argv = {"xdotool", "key", "--delay", "60"};
    for (const std::string& k : Split(keys, ' '))
        if (!k.empty()) argv.push_back(k);
    Run(argv);
}

void Session::Type(const std::string& utf8) { Run({"xdotool", "type", "--delay", "60", "--", utf8}); }

Screen Session::Settle() {
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    auto stableSince = std::chrono::steady_clock::now();
    std::string last = ReadAll(m_probe);
    while (std::chrono::steady_clock::now() < deadline && std::chrono::steady_clock::now() - stableSince < 200ms) {
        std::this_thread::sleep_for(25ms);
        std::string now = ReadAll(m_probe);
        if (now != last) {
            last = std::move(now);
            stableSince = std::chrono::steady_clock::now();
        }
    }
    return Screen::Parse(last);
}

fs::path Session::Screenshot(const std::string& name) {
    Settle();  // what the probe last saw is drawn by then
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%02d-", ++m_shots);
    const fs::path path = m_folder / (prefix + name + ".png");
    Run({"import", "-window", "root", path.string()});
    return path;
}

// --- SQLite --------------------------------------------------------------------------------------------

std::vector<std::vector<std::string>> Query(const fs::path& database, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + database.string() + ": " + msg);
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        const std::string msg = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error("bad query on " + database.string() + ": " + msg + "\n" + sql);
    }
    std::vector<std::vector<std::string>> rows;
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const unsigned char* v = sqlite3_column_text(st, c);
            row.push_back(v ? reinterpret_cast<const char*>(v) : "<null>");
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return rows;
}

std::string QueryValue(const fs::path& database, const std::string& sql) {
    const auto rows = Query(database, sql);
    return rows.empty() || rows.front().empty() ? std::string() : rows.front().front();
}

}  // namespace zel::realinput
