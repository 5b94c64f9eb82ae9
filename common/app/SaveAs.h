#pragma once
// The name "Salvar como" saves under.

#include <functional>
#include <string>

// Asks for the file through choose (the save dialog, proposing path), adds the program's extension
// (".lvp") when the name chosen has none, and only then asks before replacing a file that exists: "Não"
// goes back to the dialog. False when the user cancelled.
bool ChooseSaveAsPath(std::string& path, const std::string& extension,
                      const std::function<bool(std::string& path)>& choose);
