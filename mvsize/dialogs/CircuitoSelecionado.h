#pragma once
// What the economic-sizing and company dialogs learn from the program around them (the selected circuit, the company
// file): kept once for both programs, under Mvsize's namespace here.

#include "CircuitoSelecionadoComum.h"

namespace mvdlg {

using zeldlg::CircuitoProvider;
using zeldlg::GetCircuitoSelecionado;
using zeldlg::GetCompanyFile;
using zeldlg::ScopedCircuitoSelecionado;
using zeldlg::SetCircuitoSelecionadoProvider;
using zeldlg::SetCompanyFile;

}  // namespace mvdlg
