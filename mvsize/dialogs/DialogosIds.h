#pragma once
// Resource ids of Mvsize's economic-sizing (131), selection-list (142), project-data (143), print-options
// (146) and company (160) dialogs.

#include "DialogosComunsIds.h"
#include "DimensionamentoEconomicoComum.h"
#include "SelecaoDadosComum.h"

namespace mvdlg {

// Economic sizing (131), selection list (142), project data (143) and print options (146): the same in
// both programs.
using namespace zeldlg::ids;

inline constexpr int IDD_EMPRESA = 160;

// Company (160).
inline constexpr int IDC_NOME_EMPRESA = 1173;

}  // namespace mvdlg
