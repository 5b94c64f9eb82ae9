#include "Steps.h"

namespace steps {

void LaunchNewProject(ri::Session& s, const std::string& program, const std::string& mainTitle) {
    s.Launch({program});
    s.WaitFor([&](const ri::Screen& sc) { return sc.FindWindow(mainTitle) && !sc.ItemsOf(mainTitle, 0).empty(); },
              "the new project's tree");
    // Under a window manager the focus comes a moment after the window shows; keys sent before it are lost.
    if (s.HasWindowManager())
        s.WaitFor([&](const ri::Screen& sc) {
            const ri::Window* w = sc.FindWindow(mainTitle);
            return w && w->active;
        }, "the main window active");
    s.Settle();
}

ri::Screen WaitText(ri::Session& s, const std::string& title, int id, const std::string& text) {
    return s.WaitFor(
        [&](const ri::Screen& sc) {
            const ri::Control* c = sc.FindControl(title, id);
            return c && c->text == text;
        },
        "control " + std::to_string(id) + " of \"" + title + "\" showing \"" + text + "\"");
}

void PickWithMouse(ri::Session& s, const std::string& title, int id, const std::string& line) {
    s.ClickControl(title, id);
    // The list that opens is a popup window of its own; its lines are menu entries.
    s.WaitFor(
        [&](const ri::Screen& sc) {
            for (const ri::MenuEntry& m : sc.menus)
                if (m.label == line && sc.windows[static_cast<std::size_t>(m.window)].popup) return true;
            return false;
        },
        "the open list of control " + std::to_string(id) + " offering \"" + line + "\"");
    s.ClickMenu(line);
    s.WaitFor(
        [&](const ri::Screen& sc) {
            for (const ri::MenuEntry& m : sc.menus)
                if (sc.windows[static_cast<std::size_t>(m.window)].popup) return false;
            return true;
        },
        "the list to close");
    WaitText(s, title, id, line);
}

void TypeInto(ri::Session& s, const std::string& title, int id, const std::string& text) {
    s.ClickControl(title, id);
    s.WaitFocus(title, id);
    s.Key("ctrl+a BackSpace");
    s.Type(text);
}

std::vector<std::string> AnswerQuestions(ri::Session& s, const std::string& owner, bool byKeyboard) {
    const std::string question = "Seleção de dados";
    std::vector<std::string> asked;
    unsigned long last = 0;
    for (int n = 0; n < 30; ++n) {
        const ri::Screen sc = s.WaitFor(
            [&](const ri::Screen& screen) {
                if (!screen.FindWindow(owner)) return true;
                const ri::Window* q = screen.FindWindow(question);
                return q && q->xid != last && !screen.ItemsOf(question, 1040).empty();
            },
            "the next question or \"" + owner + "\" closing");
        const ri::Window* q = sc.FindWindow(question);
        if (!sc.FindWindow(owner) && !q) return asked;
        last = q->xid;
        const ri::Control* text = sc.FindControl(question, 1138);
        asked.push_back(text ? text->text : std::string());
        if (byKeyboard) s.Key("Return");
        else s.ClickControl(question, 1);
    }
    throw std::runtime_error("more than 30 questions");
}

void SaveAs(ri::Session& s, const std::vector<std::string>& menu, const std::filesystem::path& file) {
    s.ChooseMenu(menu);
    s.WaitWindow("Salvar como");
    s.Key("ctrl+a");
    s.Type(file.string());
    s.Key("Return");
    s.WaitWindowGone("Salvar como");
    s.WaitFor([&](const ri::Screen&) { return std::filesystem::exists(file); }, "the file " + file.string());
}

}  // namespace steps
