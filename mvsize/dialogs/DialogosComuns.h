#pragma once
// What Mvsize's dialogs share: the two databases and Mvsize's validity colours.

#include "DialogosBase.h"

namespace mvdlg {

using zeldlg::Projeto;
using zeldlg::Referencia;

// White when valid, Mvsize's invalid background (0xA900EE) otherwise; black text in both.
void Colorir(CEditColor& edit, bool valido);

}  // namespace mvdlg
