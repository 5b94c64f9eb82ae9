#pragma once
// One dated line in "ZEL.LOG" (the data folder, else the current directory) and a message box for every failure the programs catch.

#include <string>

class CDaoException;

// failure null: a system failure, described by errno as it stands when called.
void ReportError(const char* location, const CDaoException* failure);
// A system failure with its error number given.
void ReportSystemError(const char* location, int errorNumber);
// A system failure on a file the user knows: action says what failed and names the file ("Não foi possível
// gravar o projeto '/home/eng/obra.lvp'"); the error number's text follows it.
void ReportFileError(const char* location, const std::string& action, int errorNumber);

// The log lines, built alone so that other reporters (the library editor's) can share them.
std::string ZelLogLine(const std::string& location, const CDaoException* failure, const std::string& systemText);
// Appends one line to a log file in text mode with CRLF endings; a failure is passed over in silence. A
// relative name is in the user's data folder when the program was started on one, else in the current
// directory.
void AppendLogLine(const std::string& fileName, const std::string& line);
