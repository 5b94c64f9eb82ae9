#pragma once
// What Mvsize's dialogs share: the two databases and Mvsize's validity colours.

class CDaoDatabase;
class CEditColor;

namespace mvdlg {

// The active project's working database; throws CDaoException when no project is active.
CDaoDatabase& Projeto();
// The catalogue (the context's reference database); throws CDaoException when it is not open.
CDaoDatabase& Referencia();

// White when valid, Mvsize's invalid background (0xA900EE) otherwise; black text in both.
void Colorir(CEditColor& edit, bool valido);

}  // namespace mvdlg
