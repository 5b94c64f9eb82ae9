#include "DialogosComuns.h"

#include "ValidityColors.h"

namespace mvdlg {

void Colorir(CEditColor& edit, bool valido)
{
    zeldlg::Colorir(edit, valido, zel::ui::kMvsizeInvalidBackground);
}

}  // namespace mvdlg
