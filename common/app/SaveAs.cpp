#include "SaveAs.h"

#include "AppContext.h"

#include <filesystem>

namespace fs = std::filesystem;

bool ChooseSaveAsPath(std::string& path, const std::string& extension,
                      const std::function<bool(std::string& path)>& choose)
{
    std::string escolhido = path;
    for (;;) {
        if (!choose || !choose(escolhido) || escolhido.empty())
            return false;
        if (fs::path(escolhido).extension().empty())
            escolhido += extension;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(escolhido, ec)) ||
            AfxMessageBox(escolhido + " já existe.\nDeseja substituí-lo?", MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
            path = escolhido;
            return true;
        }
    }
}
