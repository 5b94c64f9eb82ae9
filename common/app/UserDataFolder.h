#pragma once
// The user's own folder of the suite's writable data: the device library "ZelBt01.zel" (Lvsize's catalogue
// and Protdev's library), the company file "empresa.zel" (Lvsize's and Mvsize's) and the logs. The programs
// take it as their program directory for what they write; their read-only files (templates, report
// layouts, Mvsize's catalogue) stay where they are installed, beside the executables.

#include <string>
#include <vector>

// "$XDG_DATA_HOME/zel", or "$HOME/.local/share/zel" when XDG_DATA_HOME is unset or not an absolute path;
// empty when neither says where.
std::string UserDataFolder();

// Where a program writes its own data: the user's data folder it was started on, else its own directory.
std::string WritableProgramDirectory();

enum class SuiteData {
    CompanyFile,    // Mvsize: the folder, for the company file and the logs
    DeviceLibrary,  // Lvsize: the device library as well, made or brought up to the installed catalogue
    LibraryEditor,  // Protdev: the library too, and the folder is its current directory, where it opens it
};

// A program's start on the user's data folder: makes the folder (and the device library, from the one in
// installedDir) and records it in the application context, where the company file and the logs are found.
// The sizing programs keep the directory they were started in (their file dialogs open there); Protdev
// enters the folder. Arguments are made absolute. A failure, or a catalogue update, is told to the user.
// Returns the folder; empty when it cannot be made, and the program then works beside itself.
std::string StartOnUserDataFolder(const std::string& installedDir, SuiteData data, std::vector<std::string>& args);
