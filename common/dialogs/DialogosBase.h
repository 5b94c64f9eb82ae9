#pragma once
// What the dialogs of both programs share: the two databases and the validity colours, the invalid
// background being each program's own.

#include "WinTypes.h"

class CDaoDatabase;
class CEditColor;

namespace zeldlg {

// The active project's working database; throws CDaoException when no project is active.
CDaoDatabase& Projeto();
// The catalogue (the context's reference database); throws CDaoException when it is not open.
CDaoDatabase& Referencia();

// White when valid, the program's invalid background otherwise; black text in both.
void Colorir(CEditColor& edit, bool valido, COLORREF fundoInvalido);

}  // namespace zeldlg
