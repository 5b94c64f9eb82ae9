#pragma once
// What the load, motor, device and economic dialogs share: the two databases and Lvsize's validity colours.
// (Their writes mark the circuit's ancestors not calculated with InvalidarCalculoPais, inside their own
// transaction.)

#include "DialogosBase.h"

namespace lvdlg {

using zeldlg::Projeto;
using zeldlg::Referencia;

// White when valid, Lvsize's invalid background otherwise; black text in both.
void Colorir(CEditColor& edit, bool valido);

// How many lines a load or motor list holds at most: the line numbers are 16-bit in the project file.
inline constexpr int kMaxLinhas = 32766;

}  // namespace lvdlg
