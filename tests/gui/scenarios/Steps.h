#pragma once
// Steps the scenarios share: a drop-down list chosen with the mouse, questions answered, a project saved
// under a name through the program's own file dialog.

#include "RealInput.h"

#include <string>
#include <vector>

namespace steps {

namespace ri = zel::realinput;

// Starts the program and waits for the tree of its new project (main window titled mainTitle).
void LaunchNewProject(ri::Session& s, const std::string& program, const std::string& mainTitle);
// The control's text once it equals text (a drop-down list shows its selected line).
ri::Screen WaitText(ri::Session& s, const std::string& title, int id, const std::string& text);
// Clicks the drop-down list, then its line in the list that opens.
void PickWithMouse(ri::Session& s, const std::string& title, int id, const std::string& line);
// Clicks an edit, selects what it holds and types text over it.
void TypeInto(ri::Session& s, const std::string& title, int id, const std::string& text);
// Answers every "Seleção de dados" question with its preselected line (OK) until the dialog called
// owner closes; returns the questions in the order asked.
std::vector<std::string> AnswerQuestions(ri::Session& s, const std::string& owner, bool byKeyboard);
// "Salvar como" through the given menu path, the file name typed in GTK's file dialog; waits until the
// file is written.
void SaveAs(ri::Session& s, const std::vector<std::string>& menu, const std::filesystem::path& file);

}  // namespace steps
