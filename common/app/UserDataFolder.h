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
    CompanyFileOnly,      // Mvsize
    WithDeviceLibrary,    // Lvsize and Protdev: "ZelBt01.zel" made or brought up to the installed catalogue
};

// A program's start on the user's data folder: makes the folder (and the device library, from the one in
// installedDir), makes it the current directory, where the logs go and Protdev finds its library, and
// records it in the application context. Arguments are made absolute first, so that a project named
// relative to where the program was started is still found. A failure, or a catalogue update, is told to
// the user. Returns the folder; empty when it cannot be made, and the program then works beside itself.
std::string StartOnUserDataFolder(const std::string& installedDir, SuiteData data, std::vector<std::string>& args);
