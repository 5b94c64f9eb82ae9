#pragma once
// Reading a headless shell in tests: menu state, the circuit tree as text, temporary copies, error boxes.

#include "Frame.h"
#include "HeadlessHost.h"
#include "TreeCtrl.h"

#include <string>
#include <vector>

namespace shelltest {

// Whether the frame's current menu shows the command enabled once its update ran.
bool Habilitado(CFrameWnd& frame, int id);
// The first item, depth first, whose text is the code; null when none.
HTREEITEM ItemPorCodigo(CTreeCtrl& t, const std::string& code, HTREEITEM under = nullptr);
// The tree as "root(a(b),c)", with ":image" after each text when asked.
std::string ArvoreTexto(CTreeCtrl& t, bool imagens);
// The working copies ("ZEL...") in a folder.
int CopiasTemporarias(const std::string& pasta);
// The error boxes the host showed.
int Erros(const HeadlessHost& host);

// A program directory in the folder ("<pasta>/programa") with copies of the data files from origem; its path.
std::string PastaPrograma(const std::string& pasta, const std::string& origem, const std::vector<std::string>& arquivos);

// Points TMPDIR at a folder of the test's own (made here) for a scope, where working copies can be counted.
class ScopedTmpDir {
public:
    explicit ScopedTmpDir(const std::string& pasta);
    ~ScopedTmpDir();
    ScopedTmpDir(const ScopedTmpDir&) = delete;
    ScopedTmpDir& operator=(const ScopedTmpDir&) = delete;

private:
    std::string m_anterior;
    bool m_havia = false;
};

}  // namespace shelltest
