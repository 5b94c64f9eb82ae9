#include "ShellTestHelpers.h"

#include "Menu.h"
#include "MessageService.h"

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace shelltest {

bool Habilitado(CFrameWnd& frame, int id)
{
    CMenu& menu = frame.GetCurrentMenu();
    frame.OnInitMenuPopup(menu);
    const CMenu::Item* item = menu.FindItem(id);
    return item && item->enabled;
}

HTREEITEM ItemPorCodigo(CTreeCtrl& t, const std::string& code, HTREEITEM under)
{
    for (HTREEITEM i = under ? t.GetChildItem(under) : t.GetRootItem(); i; i = t.GetNextSiblingItem(i)) {
        if (t.GetItemText(i) == code)
            return i;
        if (HTREEITEM f = ItemPorCodigo(t, code, i))
            return f;
    }
    return nullptr;
}

std::string ArvoreTexto(CTreeCtrl& t, bool imagens)
{
    std::function<std::string(HTREEITEM)> texto = [&](HTREEITEM i) {
        std::string s = t.GetItemText(i);
        if (imagens) {
            int img = 0, sel = 0;
            t.GetItemImage(i, img, sel);
            s += ":" + std::to_string(img);
        }
        std::string filhos;
        for (HTREEITEM c = t.GetChildItem(i); c; c = t.GetNextSiblingItem(c))
            filhos += (filhos.empty() ? "" : ",") + texto(c);
        return filhos.empty() ? s : s + "(" + filhos + ")";
    };
    return t.GetRootItem() ? texto(t.GetRootItem()) : "";
}

int CopiasTemporarias(const std::string& pasta)
{
    int n = 0;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(pasta, ec))
        if (e.path().filename().string().rfind("ZEL", 0) == 0)
            ++n;
    return n;
}

int Erros(const HeadlessHost& host)
{
    int n = 0;
    for (const auto& m : host.messages)
        if ((m.type & MB_ICON_MASK) == MB_ICONERROR)
            ++n;
    return n;
}

std::string PastaPrograma(const std::string& pasta, const std::string& origem, const std::vector<std::string>& arquivos)
{
    const std::string programa = (fs::path(pasta) / "programa").string();
    fs::create_directories(programa);
    for (const std::string& f : arquivos)
        fs::copy_file(origem + "/" + f, programa + "/" + f);
    return programa;
}

ScopedTmpDir::ScopedTmpDir(const std::string& pasta)
{
    if (const char* t = std::getenv("TMPDIR")) {
        m_anterior = t;
        m_havia = true;
    }
    fs::create_directories(pasta);
    ::setenv("TMPDIR", pasta.c_str(), 1);
}

ScopedTmpDir::~ScopedTmpDir()
{
    if (m_havia)
        ::setenv("TMPDIR", m_anterior.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

}  // namespace shelltest
