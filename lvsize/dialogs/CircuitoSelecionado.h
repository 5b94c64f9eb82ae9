#pragma once
// What the load, motor, device and economic dialogs learn from the program around them (the selected circuit, the company
// file): kept once for both programs, under Lvsize's namespace here.

#include "CircuitoSelecionadoComum.h"

namespace lvdlg {

using zeldlg::CircuitoProvider;
using zeldlg::GetCircuitoSelecionado;
using zeldlg::GetCompanyFile;
using zeldlg::ScopedCircuitoSelecionado;
using zeldlg::SetCircuitoSelecionadoProvider;
using zeldlg::SetCompanyFile;

}  // namespace lvdlg
