#include "EditColor.h"

#include "CFormat.h"
#include "Utf8.h"

#include <cstdio>
#include <string_view>

namespace u8 = zel::utf8;

CEditColor::CEditColor() = default;
CEditColor::~CEditColor() = default;

void CEditColor::SetMask(const std::string& mask) {
    std::string m = mask;
    while (!m.empty() && (m.back() == ' ' || m.back() == '\t' || m.back() == '\r' || m.back() == '\n')) m.pop_back();
    if (m == "##/##/####") {
        m_nInteiros = -1;
        return;
    }
    if (m.empty()) {
        m_nInteiros = 0;
        m_nDecimais = 0;
        return;
    }
    const auto point = m.find('.');
    if (point == std::string::npos || point == 0) {
        m_nInteiros = static_cast<int>(m.size());
        m_nDecimais = 0;
    } else {
        m_nInteiros = static_cast<int>(point);
        m_nDecimais = static_cast<int>(m.size() - point - 1);
    }
}

void CEditColor::SetValue(float value) {
    if (m_nInteiros == -1) return;
    char format[32];
    if (m_nDecimais <= 0) std::snprintf(format, sizeof format, "%%%i.0f", m_nInteiros);
    else std::snprintf(format, sizeof format, "%%%i.%if", m_nInteiros + m_nDecimais + 1, m_nDecimais);
    SetWindowText(zel::ui::FormatCRuntime(format, static_cast<double>(value)));
}

float CEditColor::GetValue() const {
    const std::string text = GetWindowText();
    if (m_nInteiros != -1) return static_cast<float>(zel::ui::ParseDoubleC(text));
    // Date: dd/mm/yyyy read as yyyymmdd, 0 unless it is a real date after 1900.
    if (text.size() < 6 || text[2] != '/' || text[5] != '/') return 0.0f;
    const int day = static_cast<int>(zel::ui::ParseDoubleC(text.substr(0, 2)));
    const int month = static_cast<int>(zel::ui::ParseDoubleC(text.substr(3, 2)));
    const int year = static_cast<int>(zel::ui::ParseDoubleC(text.substr(6, 4)));
    if (day == 0 || month == 0 || year <= 1900) return 0.0f;
    if (month > 12 || day < 0 || month < 0) return 0.0f;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = days[month - 1] + ((month == 2 && leap) ? 1 : 0);
    if (day > last) return 0.0f;
    return static_cast<float>(year * 10000 + month * 100 + day);
}

void CEditColor::SetColors(COLORREF background, COLORREF text) {
    m_crBkColor = background;
    m_crTextColor = text;
    m_brushColor = background;
    Changed(WndChange::Colors);
}

CEditColor::PaintColors CEditColor::CtlColor() const { return {m_crTextColor, m_crBkColor, m_brushColor}; }

void CEditColor::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_nInteiros == 0) {
        CEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    int selStart = 0;
    int selEnd = 0;
    GetSel(selStart, selEnd);
    const bool digit = nChar >= '0' && nChar <= '9';
    if (m_nInteiros == -1) {
        bool pass = false;
        if (digit) pass = selStart != 2 && selStart != 5 && selStart < 10;
        else if (nChar == '/') pass = selStart == 2 || selStart == 5;
        else if (nChar == 8) pass = true;
        if (pass) CEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    // The Brazilian decimal comma (typed, or the keypad's decimal key on an ABNT2 layout) is the point the
    // field shows and reads.
    if (nChar == ',') nChar = '.';
    const std::string text = GetWindowText();
    bool pass = false;
    if (digit) {
        std::string prospective = u8::Sub(text, 0, selStart) + static_cast<char>(nChar) + u8::Sub(text, selEnd);
        if (!prospective.empty() && prospective[0] == '-') prospective.erase(0, 1);
        const auto point = prospective.find('.');
        const int before = static_cast<int>(point == std::string::npos ? prospective.size() : point);
        const int after = static_cast<int>(point == std::string::npos ? 0 : prospective.size() - point - 1);
        pass = before <= m_nInteiros && after <= m_nDecimais;
    } else if (nChar == '.') {
        pass = text.find('.') == std::string::npos && m_nDecimais >= 1;
    } else if (nChar == '-') {
        pass = selStart == 0 && text.find('-') == std::string::npos;
    } else if (nChar == 8) {
        pass = true;
    }
    if (pass) CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CEditColor::OnPaste() {
    // Nothing is ever pasted: a pasted text would pass no filter.
}
