#pragma once
// Reading a headless shell in tests: menu state, the circuit tree as text, temporary copies, error boxes.

#include "Frame.h"
#include "HeadlessHost.h"
#include "TreeCtrl.h"

#include <string>

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

}  // namespace shelltest
