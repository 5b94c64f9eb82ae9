// The menus and top-level windows of the three programs through the real window: a click on an item that
// holds a submenu opens it at any depth, modal windows ask the window manager for no minimize or maximize
// button, and the programs start and open projects without GTK's complaints on their output.
#include "Steps.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace ri = zel::realinput;

namespace {

const std::string kExemplo = "Lvsize - exemplo";
const std::string kProtdev = "Dispositivos de proteção de baixa tensão - Protdev";

// A project made from the template the program ships and the statements of its example project.
std::filesystem::path ExampleProject(const ri::Session& s, const std::string& program, const std::string& name) {
    const auto file = s.WorkDir() / name;
    std::filesystem::create_directories(s.WorkDir());
    std::filesystem::copy_file(ri::BinDir() / (program == "lvsize" ? "ZelBt02.zel" : "ZelMt02.zel"), file,
                               std::filesystem::copy_options::overwrite_existing);
    std::ifstream in(program == "lvsize" ? LVSIZE_EXEMPLO_SQL : MVSIZE_EXEMPLO_SQL);
    std::stringstream sql;
    sql << in.rdbuf();
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot open " + file.string());
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("example project: " + message);
    return file;
}

std::string Log(const ri::Session& s, const std::string& program) {
    std::ifstream in(s.Folder() / (program + ".log"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// GTK's complaints on the program's output (a widget laid out below its minimum, and the like).
std::vector<std::string> GtkComplaints(const ri::Session& s, const std::string& program) {
    std::vector<std::string> found;
    std::istringstream lines(Log(s, program));
    for (std::string line; std::getline(lines, line);)
        if (line.find("Gtk-CRITICAL") != std::string::npos || line.find("Gtk-WARNING") != std::string::npos)
            found.push_back(line);
    return found;
}

int Popups(const ri::Screen& sc) {
    return static_cast<int>(std::count_if(sc.windows.begin(), sc.windows.end(), [](const ri::Window& w) { return w.popup; }));
}

// The entry shows in an open popup menu.
bool Showing(const ri::Screen& sc, const std::string& label) {
    const ri::MenuEntry* m = sc.FindMenu(label);
    return m && m->rect.Valid() && sc.windows[static_cast<std::size_t>(m->window)].popup;
}

// The main window with its menu bar laid out.
ri::Screen WaitMenuBar(ri::Session& s, const std::string& title, const std::string& menu) {
    return s.WaitFor(
        [&](const ri::Screen& sc) {
            const ri::MenuEntry* m = sc.FindMenu(menu);
            return sc.FindWindow(title) && !sc.ItemsOf(title, 0).empty() && m && m->rect.x >= 0;
        },
        "the menu bar of \"" + title + "\"");
}

// The line of the main window's tree selected.
void WaitSelected(ri::Session& s, const std::string& title, const std::string& line) {
    s.WaitFor([&](const ri::Screen& sc) {
        for (const ri::Item& i : sc.ItemsOf(title, 0))
            if (i.selected) return i.text == line;
        return false;
    }, "\"" + line + "\" selected");
}

// Lvsize under a window manager on its example project, the first circuit selected with the arrow key.
std::filesystem::path OpenExampleOnQd1(ri::Session& s) {
    s.StartWindowManager();
    const auto project = ExampleProject(s, "lvsize", "exemplo.lvp");
    s.Launch({"lvsize", {project.string()}});
    WaitMenuBar(s, kExemplo, "&Circuito");
    s.Key("Down");
    WaitSelected(s, kExemplo, "QD1");
    return project;
}

// An X property of a window as 32-bit items (empty when the window has none).
std::vector<unsigned long> Property(unsigned long xid, const char* name, Atom type) {
    std::vector<unsigned long> items;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return items;
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const Atom property = XInternAtom(d, name, False);
    if (XGetWindowProperty(d, xid, property, 0, 64, False, type == None ? property : type, &actual, &format, &count,
                           &after, &data) == Success && data) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);  // Xlib hands 32-bit items as longs
        items.assign(values, values + count);
        XFree(data);
    }
    XCloseDisplay(d);
    return items;
}

std::vector<std::string> AllowedActions(unsigned long xid) {
    std::vector<std::string> names;
    const std::vector<unsigned long> atoms = Property(xid, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM);
    Display* d = XOpenDisplay(nullptr);
    if (!d) return names;
    for (unsigned long atom : atoms) {
        char* name = XGetAtomName(d, atom);
        names.emplace_back(name);
        XFree(name);
    }
    XCloseDisplay(d);
    return names;
}

// What the window asks of a window manager's frame (the Motif hints every common window manager reads) and
// what the running one (Openbox) then offers: a title, move and close, and neither minimize nor maximize.
void ExpectFramedAsModal(const ri::Screen& sc, const std::string& title) {
    const ri::Window* w = sc.FindWindow(title);
    ASSERT_NE(w, nullptr) << title;
    ASSERT_TRUE(w->modal) << title;
    // flags, functions, decorations, input mode, status
    const std::vector<unsigned long> motif = Property(w->xid, "_MOTIF_WM_HINTS", None);
    ASSERT_GE(motif.size(), 3u) << title << ": no Motif hints";
    constexpr unsigned long kFunctions = 1, kDecorations = 2;
    constexpr unsigned long kFuncAll = 1, kFuncMove = 4, kFuncMinimize = 8, kFuncMaximize = 16, kFuncClose = 32;
    constexpr unsigned long kDecorAll = 1, kDecorTitle = 8, kDecorMinimize = 32, kDecorMaximize = 64;
    EXPECT_TRUE(motif[0] & kFunctions) << title;
    EXPECT_EQ(motif[1] & (kFuncAll | kFuncMinimize | kFuncMaximize), 0u) << title;
    EXPECT_EQ(motif[1] & (kFuncMove | kFuncClose), kFuncMove | kFuncClose) << title;
    EXPECT_TRUE(motif[0] & kDecorations) << title;
    EXPECT_EQ(motif[2] & (kDecorAll | kDecorMinimize | kDecorMaximize), 0u) << title;
    EXPECT_TRUE(motif[2] & kDecorTitle) << title;
    const std::vector<std::string> actions = AllowedActions(w->xid);
    EXPECT_FALSE(actions.empty()) << title << ": the window manager offers nothing";
    for (const char* action : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
        EXPECT_EQ(std::count(actions.begin(), actions.end(), action), 0) << title << " offers " << action;
}

}  // namespace

// Circuito > Alterar > Cargas > Não motor with the mouse alone, each submenu opened by a click on its item;
// then an item whose submenu opened by hovering stays open when clicked.
TEST(MenuClick, ASubmenuOpensWhenItsItemIsClicked) {
    ri::Session s;
    OpenExampleOnQd1(s);

    s.ClickMenu("&Circuito");
    s.WaitFor([](const ri::Screen& sc) { return Showing(sc, "&Alterar"); }, "the Circuito menu");
    s.ClickMenu("&Alterar");
    s.WaitFor([](const ri::Screen& sc) { return Showing(sc, "C&argas") && Showing(sc, "&Características ..."); },
              "the Alterar submenu, opened by the click");
    s.ClickMenu("C&argas");
    s.WaitFor([](const ri::Screen& sc) { return Showing(sc, "&Não motor ..."); }, "the Cargas submenu");
    s.Screenshot("cargas");
    // A click that falls on an item already open leaves its submenu open. (Off the item's centre, where the
    // pointer already is: xdotool waits long for a pointer that does not move.)
    const ri::Rect cargas = s.Probe().FindMenu("C&argas")->rect;
    s.Click(cargas.x + 8, cargas.CentreY());
    EXPECT_TRUE(Showing(s.Settle(), "&Não motor ...")) << "the second click closed the Cargas submenu";
    s.ClickMenu("&Não motor ...");
    s.WaitWindow("Carga não motor");
    s.Key("Escape");
    s.WaitWindowGone("Carga não motor");

    // Opened by hovering first: the click keeps it open.
    s.ClickMenu("&Circuito");
    const ri::Screen sc = s.WaitFor([](const ri::Screen& screen) { return Showing(screen, "&Alterar"); }, "the Circuito menu");
    const ri::Rect alterar = sc.FindMenu("&Alterar")->rect;
    s.Run({"xdotool", "mousemove", "--sync", std::to_string(alterar.x + 8), std::to_string(alterar.CentreY())});
    s.WaitFor([](const ri::Screen& screen) { return Showing(screen, "&Características ..."); }, "the Alterar submenu on hover");
    s.ClickMenu("&Alterar");
    EXPECT_TRUE(Showing(s.Settle(), "&Características ...")) << "the click closed the Alterar submenu";
    s.Key("Escape Escape");
    s.WaitFor([](const ri::Screen& screen) { return Popups(screen) == 0; }, "the menus to close");

    // The tree's context menu: its Alterar opens on a click too.
    ri::Rect qd1;
    for (const ri::Item& i : s.Settle().ItemsOf(kExemplo, 0))
        if (i.text == "QD1") qd1 = i.rect;
    s.Run({"xdotool", "mousemove", "--sync", std::to_string(qd1.x + 10), std::to_string(qd1.CentreY()), "click", "3"});
    s.WaitFor([](const ri::Screen& screen) { return Showing(screen, "&Alterar"); }, "the context menu");
    s.ClickMenu("&Alterar");
    s.WaitFor([](const ri::Screen& screen) { return Showing(screen, "&Características ..."); },
              "the context menu's Alterar submenu, opened by the click");
    s.ClickMenu("&Características ...");
    steps::WaitText(s, "Dados do circuito", 1007, "QD1");
    s.Key("Escape");
    s.WaitWindowGone("Dados do circuito");
    EXPECT_TRUE(s.ProgramRunning());
}

// A message box and the about box under a window manager, each answered by the user after the check. Openbox
// still draws minimize and maximize buttons on them (it ignores those hints by design); what it offers
// follows the hints.
TEST(MenuWindows, ModalWindowsAskForNoMinimizeOrMaximizeButton) {
    ri::Session s;
    s.StartWindowManager();
    s.Launch({"protdev"});
    WaitMenuBar(s, kProtdev, "&Disjuntor");
    s.ClickItem(kProtdev, 0, "Disjuntores");
    s.Key("Right Down Right Down");
    WaitSelected(s, kProtdev, "Disjuntor curva B (amostra)");

    s.ChooseMenu({"&Disjuntor", "&Excluir ..."});
    ri::Screen sc = s.WaitFor([](const ri::Screen& screen) {
        const ri::Window* w = screen.FindWindow("Protdev");
        return w && w->modal && !AllowedActions(w->xid).empty();
    }, "the question, taken on by the window manager");
    s.Screenshot("pergunta");
    ExpectFramedAsModal(sc, "Protdev");
    s.ClickButton("Protdev", "&Não");
    s.WaitWindowGone("Protdev");

    s.ChooseMenu({"&Ajuda", "&Sobre ..."});
    sc = s.WaitFor([](const ri::Screen& screen) {
        const ri::Window* w = screen.FindWindow("Sobre o Protdev");
        return w && !AllowedActions(w->xid).empty();
    }, "the about box, taken on by the window manager");
    s.Screenshot("sobre");
    ExpectFramedAsModal(sc, "Sobre o Protdev");
    s.Key("Escape");
    s.WaitWindowGone("Sobre o Protdev");
    // The answer was "Não": the breaker is still in the library.
    EXPECT_EQ(ri::QueryValue(s.Folder() / "home/.local/share/zel/ZelBt01.zel",
                             "SELECT COUNT(*) FROM dispositivo_protecao WHERE dispositivo_protecao_descricao = "
                             "'Disjuntor curva B (amostra)'"),
              "1");
}

// Each program started on a bare server, and Lvsize's project made anew from the window with no project, on a
// bare server and under a window manager: GTK has nothing to say. (Under a window manager wx itself lays the
// main window out at two pixels' width while it waits for the frame's extents, which GTK reports as it
// starts: only what follows the start is checked there.)
TEST(MenuStart, NoGtkComplaintsAtStartOrWhenAProjectOpens) {
    const std::vector<std::pair<std::string, std::string>> programs = {
        {"lvsize", "Lvsize - Projeto_LVSIZE_sem_nome"},
        {"mvsize", "Mvsize - Projeto_MVSIZE_sem_nome"},
        {"protdev", kProtdev}};
    for (bool windowManager : {false, true}) {
        for (const auto& [program, title] : programs) {
            SCOPED_TRACE(program + (windowManager ? " under a window manager" : " on a bare server"));
            ri::Session s(std::string("MenuStart.") + program + (windowManager ? ".wm" : ".bare"));
            if (windowManager) s.StartWindowManager();
            s.Launch({program});
            WaitMenuBar(s, title, program == "protdev" ? "&Disjuntor" : "&Circuito");
            s.Settle();
            const std::size_t atStart = windowManager ? GtkComplaints(s, program).size() : 0;
            if (program == "lvsize") {
                s.ChooseMenu({"&Projeto", "&Fechar"});
                s.WaitWindow("Lvsize");
                s.Key("ctrl+n");
                WaitMenuBar(s, title, "&Circuito");
                s.Settle();
            }
            const std::vector<std::string> complaints = GtkComplaints(s, program);
            EXPECT_EQ(complaints.size(), atStart) << "the first: " << complaints.at(atStart);
        }
    }
}

// Every accelerator the sizing programs' menus show, pressed in the main window (the programs share them).
TEST(MenuKeys, TheAcceleratorsShownInTheMenusWork) {
    ri::Session s;
    const auto project = OpenExampleOnQd1(s);
    const std::size_t before = s.Settle().ItemsOf(kExemplo, 0).size();

    const std::vector<std::pair<std::string, std::string>> opening = {
        {"F9", "Vardek - LVSIZE 4.0"}, {"Insert", "Dados do circuito"}, {"Delete", "Lvsize"}, {"ctrl+a", "Abrir"}};
    for (const auto& [key, window] : opening) {
        SCOPED_TRACE(key);
        s.Key(key);
        s.WaitWindow(window);
        s.Key("Escape");
        s.WaitWindowGone(window);
    }
    // Copied, pasted on the origin, saved: the file holds the copy.
    s.Key("ctrl+c Home ctrl+v");
    s.WaitFor([&](const ri::Screen& sc) { return sc.ItemsOf(kExemplo, 0).size() > before; }, "the pasted circuit");
    const std::string circuits = ri::QueryValue(project, "SELECT COUNT(*) FROM circuito");
    s.Key("ctrl+s");
    s.WaitFor([&](const ri::Screen&) { return ri::QueryValue(project, "SELECT COUNT(*) FROM circuito") != circuits; },
              "the project saved with the pasted circuit");
    // A new project, then back to the first with the next-window key.
    s.Key("ctrl+n");
    s.WaitWindow("Lvsize - Projeto_LVSIZE_sem_nome");
    s.Key("ctrl+F6");
    s.WaitWindow(kExemplo);
    EXPECT_TRUE(s.ProgramRunning());
}
