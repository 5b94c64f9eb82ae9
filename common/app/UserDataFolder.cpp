#include "UserDataFolder.h"

#include "AppContext.h"
#include "AppServices.h"
#include "ErrorReporter.h"
#include "LibraryUpdate.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kLibraryFile = "ZelBt01.zel";
constexpr const char* kLocation = "StartOnUserDataFolder";

void Warn(const std::string& message, const std::string& logged)
{
    AppendLogLine("ZEL.LOG", ZelLogLine(kLocation, nullptr, logged));
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

void BringLibraryUp(const std::string& installedDir, const std::string& folder)
{
    const std::string library = folder + "/" + kLibraryFile;
    const LibraryUpdate u = UpdateLibrary(installedDir + "/" + kLibraryFile, library, AppContext().clock->Now());
    switch (u.result) {
    case LibraryUpdate::Result::Updated:
        AfxMessageBox("O catálogo da biblioteca " + library +
                          " foi atualizado com o da versão instalada. Os dispositivos de proteção cadastrados foram "
                          "mantidos; a biblioteca anterior foi guardada em " + u.backup + ".",
                      MB_OK | MB_ICONINFORMATION);
        break;
    case LibraryUpdate::Result::Failed:
        Warn("A biblioteca " + library + " não foi atualizada com o catálogo instalado: " + u.error +
                 ". O programa continua com a biblioteca como estava.",
             u.error);
        break;
    case LibraryUpdate::Result::Created:
    case LibraryUpdate::Result::UpToDate:
    case LibraryUpdate::Result::InUse:  // the program that holds it has the word; the update waits
        break;
    }
}

}  // namespace

std::string UserDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && fs::path(xdg).is_absolute())
        return (fs::path(xdg) / "zel").string();
    const char* home = std::getenv("HOME");
    if (home && *home)
        return (fs::path(home) / ".local" / "share" / "zel").string();
    return {};
}

std::string WritableProgramDirectory()
{
    const std::string& folder = AppContext().dataFolder;
    return folder.empty() ? GetProgramDirectory() : folder;
}

std::string StartOnUserDataFolder(const std::string& installedDir, SuiteData data, std::vector<std::string>& args)
{
    for (std::string& a : args) {
        std::error_code ec;
        if (!a.empty() && a[0] != '-') {
            const fs::path absolute = fs::absolute(a, ec);
            if (!ec)
                a = absolute.lexically_normal().string();
        }
    }

    const std::string folder = UserDataFolder();
    std::error_code ec;
    if (folder.empty()) {
        AfxMessageBox("A pasta de dados do usuário não pôde ser determinada (HOME não está definida). Os dados "
                      "serão gravados junto ao programa.",
                      MB_OK | MB_ICONEXCLAMATION);
        return {};
    }
    fs::create_directories(folder, ec);
    if (!ec && data == SuiteData::LibraryEditor)
        fs::current_path(folder, ec);
    if (ec) {
        AfxMessageBox("Não foi possível usar a pasta de dados " + folder + ": " + ec.message() +
                          ". Os dados serão gravados junto ao programa.",
                      MB_OK | MB_ICONEXCLAMATION);
        return {};
    }
    AppContext().dataFolder = folder;
    if (data != SuiteData::CompanyFile)
        BringLibraryUp(installedDir, folder);
    return folder;
}
