#include "DialogosComuns.h"

#include "ValidityColors.h"

namespace lvdlg {

void Colorir(CEditColor& edit, bool valido)
{
    zeldlg::Colorir(edit, valido, zel::ui::kLvsizeInvalidBackground);
}

}  // namespace lvdlg
