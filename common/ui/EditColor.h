#pragma once
// CEditColor: the edit through which the dialogs take numbers and dates. A mask limits the digits before
// and after the decimal point ("###.##") or makes the field a date ("##/##/####"); typed characters are
// filtered against it (in a numeric mask the comma is taken as the decimal point and shown as "."), paste is
// refused, values are formatted in and read out, and the dialog paints the field in its validity colours.

#include "Controls.h"

class CEditColor : public CEdit {
public:
    CEditColor();
    ~CEditColor() override;

    void SetMask(const std::string& mask);
    void SetValue(float value);
    float GetValue() const;
    // Stores both colours (the brush follows); the caller repaints (SetValidityColors does).
    void SetColors(COLORREF background, COLORREF text);
    COLORREF GetBkColor() const { return m_crBkColor; }
    COLORREF GetTextColorRef() const { return m_crTextColor; }
    // The colours to paint with, whatever the state of the control (enabled, read-only, disabled).
    struct PaintColors {
        COLORREF text;
        COLORREF background;
        COLORREF brush;
    };
    PaintColors CtlColor() const;

    // 0: no mask; -1: date; N > 0: digits before the point.
    int GetIntegerDigits() const { return m_nInteiros; }
    int GetDecimalDigits() const { return m_nDecimais; }

    bool FiltersChars() const override { return true; }

protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnPaste() override;

private:
    COLORREF m_crTextColor = 0x000000;
    COLORREF m_crBkColor = 0xFFFFFF;
    COLORREF m_brushColor = 0xFFFFFF;  // the background brush: always the background colour
    int m_nInteiros = 0;
    int m_nDecimais = 0;
};
