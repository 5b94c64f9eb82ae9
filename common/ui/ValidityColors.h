#pragma once
// The colouring of a masked edit by the validity of its text, and the colours each program passes.

#include "WinTypes.h"

class CEditColor;

// Picks the valid or the invalid pair; when the edit already shows exactly that pair nothing happens,
// otherwise the pair goes to SetColors and the edit is redrawn at once.
void SetValidityColors(CEditColor* pEdit, int bValid, COLORREF validBackground, COLORREF validText,
                       COLORREF invalidBackground, COLORREF invalidText);

namespace zel::ui {

inline constexpr COLORREF kValidBackground = 0xFFFFFF;
inline constexpr COLORREF kValidText = 0x000000;
inline constexpr COLORREF kInvalidText = 0x000000;
inline constexpr COLORREF kLvsizeInvalidBackground = 0x8C00EC;   // RGB(236, 0, 140)
inline constexpr COLORREF kMvsizeInvalidBackground = 0xA900EE;   // RGB(238, 0, 169)
inline constexpr COLORREF kProtdevInvalidBackground = 0x00FFFF;  // RGB(255, 255, 0), yellow

}  // namespace zel::ui
