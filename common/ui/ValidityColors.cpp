#include "ValidityColors.h"

#include "EditColor.h"

void SetValidityColors(CEditColor* pEdit, int bValid, COLORREF validBackground, COLORREF validText,
                       COLORREF invalidBackground, COLORREF invalidText) {
    if (!pEdit) return;
    const COLORREF background = bValid ? validBackground : invalidBackground;
    const COLORREF text = bValid ? validText : invalidText;
    if (pEdit->GetBkColor() == background && pEdit->GetTextColorRef() == text) return;
    pEdit->SetColors(background, text);
    pEdit->RedrawWindow();
}
