#include "ErrorReporter.h"

#include "AppContext.h"
#include "DaoException.h"
#include "SqlValue.h"
#include "SystemError.h"

#include <cerrno>
#include <cstdio>

namespace {

std::string DatePrefix()
{
    const LocalTime t = AppContext().clock->Now();
    return FormatC("Data %02i/%02i/%04i / Hora %02i:%02i / ", t.day, t.month, t.year, t.hour, t.minute);
}

void Report(const char* location, const CDaoException* failure, const std::string& systemText)
{
    AppendLogLine("ZEL.LOG", ZelLogLine(location ? location : "", failure, systemText));
    std::string message;
    if (!failure)
        message = "Encontrado ERRO : " + systemText;
    else if (failure->m_pErrorInfo)
        message = "Encontrado ERRO : " + failure->m_pErrorInfo->m_strDescription;
    else
        message = "Encontrado ERRO nos arquivos de dados";
    AfxMessageBox(message, MB_OK | MB_ICONERROR);
}

}  // namespace

std::string ZelLogLine(const std::string& location, const CDaoException* failure, const std::string& systemText)
{
    std::string line = DatePrefix() + "Local : " + location + " / ";
    if (!failure)
        line += "Erro Sistema : " + systemText;
    else if (failure->m_pErrorInfo)
        line += "Erro DB : " + failure->m_pErrorInfo->m_strDescription;
    else
        line += "Erro ";
    return line + "\n";
}

void AppendLogLine(const std::string& fileName, const std::string& line)
{
    // Text mode on the original platform turned each "\n" into CRLF on disk; the log keeps that form.
    std::string onDisk;
    onDisk.reserve(line.size() + 2);
    for (char c : line) {
        if (c == '\n')
            onDisk += '\r';
        onDisk += c;
    }
    // A program started on the user's data folder keeps its logs there, wherever its current directory is.
    const std::string& folder = AppContext().dataFolder;
    const std::string path = folder.empty() || fileName.starts_with('/') ? fileName : folder + "/" + fileName;
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f)
        return;  // a log that cannot be written is passed over: the message box still tells the user
    std::fwrite(onDisk.data(), 1, onDisk.size(), f);
    std::fclose(f);
}

void ReportError(const char* location, const CDaoException* failure)
{
    const int errorNumber = errno;
    Report(location, failure, failure ? std::string() : SystemErrorText(errorNumber));
}

void ReportSystemError(const char* location, int errorNumber)
{
    Report(location, nullptr, SystemErrorText(errorNumber));
}

void ReportFileError(const char* location, const std::string& action, int errorNumber)
{
    Report(location, nullptr, action + ": " + SystemErrorText(errorNumber));
}
