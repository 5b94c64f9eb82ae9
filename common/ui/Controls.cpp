#include "Controls.h"

#include "Dialog.h"
#include "DialogRunner.h"
#include "AppContext.h"
#include "Utf8.h"

#include <algorithm>

namespace u8 = zel::utf8;

// --- CStatic -----------------------------------------------------------------------------------------

void CStatic::SetBitmap(int bitmapId) {
    if (m_bitmap == bitmapId) return;
    m_bitmap = bitmapId;
    Changed(WndChange::Style);
}

void CStatic::AdoptWindow(CWnd& from) {
    CWnd::AdoptWindow(from);
    if (auto* s = dynamic_cast<CStatic*>(&from)) m_bitmap = s->m_bitmap;
}

// --- CButton -----------------------------------------------------------------------------------------

void CButton::SetCheck(int nCheck) {
    if (m_check == nCheck) return;
    m_check = nCheck;
    Changed(WndChange::Check);
}

void CButton::SetDefault(bool isDefault) {
    if (m_default == isDefault) return;
    m_default = isDefault;
    Changed(WndChange::Style);
}

void CButton::UserClick() {
    if (!IsWindowEnabled() || !IsWindowVisible()) return;
    if (GetKind() == ControlKind::CheckBox) {
        SetCheck(m_check ? 0 : 1);
    } else if (GetKind() == ControlKind::RadioButton) {
        if (auto* dlg = dynamic_cast<CDialog*>(GetParent())) {
            for (CButton* b : dlg->RadioGroupOf(GetDlgCtrlID())) b->SetCheck(b == this ? 1 : 0);
        } else {
            SetCheck(1);
        }
    }
    if (CWnd* parent = GetParent()) parent->OnCmdMsg(GetDlgCtrlID());
}

void CButton::AdoptWindow(CWnd& from) {
    CWnd::AdoptWindow(from);
    if (auto* b = dynamic_cast<CButton*>(&from)) {
        m_check = b->m_check;
        m_default = b->m_default;
        m_group = b->m_group;
    }
}

// --- CEdit -------------------------------------------------------------------------------------------

void CEdit::SetWindowText(const std::string& text) {
    if (text == m_wnd.text) return;
    m_wnd.text = text;
    m_selStart = m_selEnd = 0;
    Changed(WndChange::Text);
    NotifyParent(EN_CHANGE);
}

void CEdit::SetLimitText(int nMax) {
    m_limit = nMax < 0 ? 0 : nMax;
    Changed(WndChange::Style);
}

void CEdit::SetReadOnly(int bReadOnly) {
    if (m_readOnly == (bReadOnly != 0)) return;
    m_readOnly = bReadOnly != 0;
    Changed(WndChange::Style);
}

void CEdit::SetSel(int nStart, int nEnd, int /*bNoScroll*/) {
    const int len = u8::Length(m_wnd.text);
    if (nStart < 0) {  // -1 removes the selection, leaving the caret
        m_selStart = m_selEnd;
    } else {
        m_selStart = std::min(nStart, len);
        m_selEnd = (nEnd < 0 || nEnd > len) ? len : nEnd;
        if (m_selEnd < m_selStart) std::swap(m_selStart, m_selEnd);
    }
    Changed(WndChange::Selection);
}

void CEdit::GetSel(int& nStart, int& nEnd) const {
    nStart = m_selStart;
    nEnd = m_selEnd;
}

void CEdit::ReplaceSel(const std::string& text, int /*bCanUndo*/) {
    const std::string before = u8::Sub(m_wnd.text, 0, m_selStart);
    const std::string after = u8::Sub(m_wnd.text, m_selEnd);
    const int caret = m_selStart + u8::Length(text);
    ApplyUserText(before + text + after, caret);
}

void CEdit::ApplyUserText(const std::string& text, int caret) {
    const bool changed = text != m_wnd.text;
    m_wnd.text = text;
    m_selStart = m_selEnd = std::min(caret, u8::Length(text));
    if (changed) Changed(WndChange::Text);
    Changed(WndChange::Selection);
    if (changed) NotifyParent(EN_CHANGE);
}

void CEdit::UserChar(UINT nChar) {
    if (!IsWindowEnabled()) return;
    OnChar(nChar, 1, 0);
}

void CEdit::UserPaste(const std::string& clipboardText) {
    if (!IsWindowEnabled()) return;
    m_pendingPaste = clipboardText;
    OnPaste();
    m_pendingPaste.clear();
}

void CEdit::UserSetText(const std::string& text, int selStart, int selEnd) {
    const bool changed = text != m_wnd.text;
    m_wnd.text = text;
    const int len = u8::Length(text);
    m_selStart = std::clamp(selStart, 0, len);
    m_selEnd = std::clamp(selEnd, m_selStart, len);
    if (changed) NotifyParent(EN_CHANGE);
}

// The edit's own handling of a character that its filter let through.
void CEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
    if (m_readOnly) return;
    if (nChar == 8) {  // backspace: the selection, or the character before the caret
        if (m_selStart != m_selEnd) {
            ReplaceSel("");
        } else if (m_selStart > 0) {
            m_selStart -= 1;
            ReplaceSel("");
        }
        return;
    }
    if (nChar == 22) {  // Ctrl+V: the edit's own handling pastes the clipboard
        if (DialogRunner* r = AppContext().dialogs) m_pendingPaste = r->GetClipboardText();
        OnPaste();
        m_pendingPaste.clear();
        return;
    }
    if (nChar == 24) {  // Ctrl+X: the clipboard is the host's; the text loses the selection
        if (m_selStart != m_selEnd) ReplaceSel("");
        return;
    }
    if (nChar == '\r' || nChar == '\n') {
        if (m_multiLine) ReplaceSel("\n");
        return;
    }
    if (nChar < 32 || nChar == 127) return;
    if (m_digitsOnly && (nChar < '0' || nChar > '9')) return;
    const int len = u8::Length(m_wnd.text);
    if (len - (m_selEnd - m_selStart) + 1 > GetLimitText()) return;
    ReplaceSel(u8::Encode(static_cast<char32_t>(nChar)));
}

void CEdit::OnPaste() {
    if (m_readOnly || m_pendingPaste.empty()) return;
    std::string text = m_pendingPaste;
    if (!m_multiLine) {
        const auto nl = text.find_first_of("\r\n");
        if (nl != std::string::npos) text.erase(nl);
    }
    const int room = GetLimitText() - (u8::Length(m_wnd.text) - (m_selEnd - m_selStart));
    if (room <= 0) return;
    if (u8::Length(text) > room) text = u8::Sub(text, 0, room);
    ReplaceSel(text);
}

void CEdit::AdoptWindow(CWnd& from) {
    CWnd::AdoptWindow(from);
    if (auto* e = dynamic_cast<CEdit*>(&from)) {
        m_limit = e->m_limit;
        m_readOnly = e->m_readOnly;
        m_multiLine = e->m_multiLine;
        m_digitsOnly = e->m_digitsOnly;
        m_selStart = e->m_selStart;
        m_selEnd = e->m_selEnd;
    }
}

// --- ListItems ---------------------------------------------------------------------------------------

int ListItems::Add(const std::string& text) {
    int at = static_cast<int>(items.size());
    if (sorted) {
        for (int i = 0; i < static_cast<int>(items.size()); ++i) {
            if (u8::CompareNoCase(text, items[static_cast<std::size_t>(i)].text) < 0) {
                at = i;
                break;
            }
        }
    }
    return Insert(at, text);
}

int ListItems::Insert(int index, const std::string& text) {
    const int n = static_cast<int>(items.size());
    if (index < 0 || index > n) index = n;
    items.insert(items.begin() + index, Item{text, 0});
    if (sel >= index) ++sel;
    return index;
}

int ListItems::Delete(int index) {
    if (!Valid(index)) return -1;
    items.erase(items.begin() + index);
    if (sel == index) sel = -1;
    else if (sel > index) --sel;
    return static_cast<int>(items.size());
}

int ListItems::Find(int nStartAfter, const std::string& text, bool exact) const {
    const int n = static_cast<int>(items.size());
    if (n == 0) return -1;
    const int start = (nStartAfter < -1 || nStartAfter >= n) ? -1 : nStartAfter;
    for (int k = 1; k <= n; ++k) {
        const int i = (start + k) % n;
        const std::string& t = items[static_cast<std::size_t>(i)].text;
        if (exact ? u8::CompareNoCase(t, text) == 0 : u8::StartsWithNoCase(t, text)) return i;
    }
    return -1;
}

// --- CComboBox ---------------------------------------------------------------------------------------

int CComboBox::AddString(const std::string& text) {
    const int i = m_list.Add(text);
    Changed(WndChange::Items);
    return i;
}

int CComboBox::InsertString(int nIndex, const std::string& text) {
    if (nIndex > GetCount()) return CB_ERR;
    const int i = m_list.Insert(nIndex, text);
    Changed(WndChange::Items);
    return i;
}

int CComboBox::DeleteString(int nIndex) {
    const int r = m_list.Delete(nIndex);
    if (r < 0) return CB_ERR;
    Changed(WndChange::Items);
    return r;
}

void CComboBox::ResetContent() {
    m_list.items.clear();
    m_list.sel = -1;
    if (m_style != ComboStyle::DropDownList) m_wnd.text.clear();
    Changed(WndChange::Items);
}

int CComboBox::GetLBText(int nIndex, std::string& text) const {
    if (!m_list.Valid(nIndex)) return CB_ERR;
    text = m_list.items[static_cast<std::size_t>(nIndex)].text;
    return u8::Length(text);
}

std::string CComboBox::GetLBText(int nIndex) const {
    std::string t;
    GetLBText(nIndex, t);
    return t;
}

int CComboBox::GetLBTextLen(int nIndex) const {
    return m_list.Valid(nIndex) ? u8::Length(m_list.items[static_cast<std::size_t>(nIndex)].text) : CB_ERR;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR data) {
    if (!m_list.Valid(nIndex)) return CB_ERR;
    m_list.items[static_cast<std::size_t>(nIndex)].data = data;
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    if (!m_list.Valid(nIndex)) return static_cast<DWORD_PTR>(CB_ERR);
    return m_list.items[static_cast<std::size_t>(nIndex)].data;
}

int CComboBox::FindString(int nStartAfter, const std::string& prefix) const {
    return m_list.Find(nStartAfter, prefix, false);
}

int CComboBox::FindStringExact(int nStartAfter, const std::string& text) const {
    return m_list.Find(nStartAfter, text, true);
}

int CComboBox::SetCurSel(int nSelect) {
    const int sel = m_list.Valid(nSelect) ? nSelect : -1;
    if (sel != m_list.sel) {
        m_list.sel = sel;
        if (m_style != ComboStyle::DropDownList) m_wnd.text = sel >= 0 ? m_list.items[static_cast<std::size_t>(sel)].text : "";
        Changed(WndChange::Selection);
    }
    return sel < 0 ? CB_ERR : sel;
}

int CComboBox::SelectString(int nStartAfter, const std::string& prefix) {
    const int i = FindString(nStartAfter, prefix);
    if (i < 0) return CB_ERR;
    return SetCurSel(i);
}

std::string CComboBox::GetWindowText() const {
    if (m_style == ComboStyle::DropDownList) return m_list.sel >= 0 ? m_list.items[static_cast<std::size_t>(m_list.sel)].text : "";
    return m_wnd.text;
}

void CComboBox::SetWindowText(const std::string& text) {
    if (m_style == ComboStyle::DropDownList) return;  // a drop-down list has no text of its own
    SetTextSilently(text);
}

void CComboBox::SetStyle(ComboStyle style, bool sorted) {
    m_style = style;
    m_list.sorted = sorted;
    Changed(WndChange::Style);
}

void CComboBox::UserSelect(int nIndex) {
    if (!IsWindowEnabled() || !m_list.Valid(nIndex)) return;
    if (m_list.sel != nIndex) {
        m_list.sel = nIndex;
        if (m_style != ComboStyle::DropDownList) m_wnd.text = m_list.items[static_cast<std::size_t>(nIndex)].text;
        Changed(WndChange::Selection);
    }
    NotifyParent(CBN_SELCHANGE);
}

void CComboBox::UserKey(char32_t c) {
    if (m_style != ComboStyle::DropDownList) return;
    const int i = FindString(m_list.sel, u8::Encode(c));
    if (i >= 0) UserSelect(i);
}

void CComboBox::UserMove(Move move) {
    const int n = GetCount();
    if (n == 0 || !IsWindowEnabled()) return;
    constexpr int kPage = 8;  // lines a page key skips
    const int cur = m_list.sel;
    int to = cur;
    switch (move) {
    case Move::Previous: to = cur < 0 ? 0 : std::max(cur - 1, 0); break;
    case Move::Next: to = cur < 0 ? 0 : std::min(cur + 1, n - 1); break;
    case Move::First: to = 0; break;
    case Move::Last: to = n - 1; break;
    case Move::PageUp: to = cur < 0 ? 0 : std::max(cur - kPage, 0); break;
    case Move::PageDown: to = cur < 0 ? 0 : std::min(cur + kPage, n - 1); break;
    }
    if (to != cur) UserSelect(to);
}

void CComboBox::UserEditText(const std::string& text) {
    if (m_style == ComboStyle::DropDownList || text == m_wnd.text) return;
    m_wnd.text = text;
    NotifyParent(CBN_EDITCHANGE);
}

void CComboBox::AdoptWindow(CWnd& from) {
    CWnd::AdoptWindow(from);
    if (auto* c = dynamic_cast<CComboBox*>(&from)) {
        m_list = c->m_list;
        m_style = c->m_style;
    }
}

// --- CListBox ----------------------------------------------------------------------------------------

int CListBox::AddString(const std::string& text) {
    const int i = m_list.Add(text);
    Changed(WndChange::Items);
    return i;
}

int CListBox::InsertString(int nIndex, const std::string& text) {
    if (nIndex > GetCount()) return LB_ERR;
    const int i = m_list.Insert(nIndex, text);
    Changed(WndChange::Items);
    return i;
}

int CListBox::DeleteString(int nIndex) {
    const int r = m_list.Delete(nIndex);
    if (r < 0) return LB_ERR;
    Changed(WndChange::Items);
    return r;
}

void CListBox::ResetContent() {
    m_list.items.clear();
    m_list.sel = -1;
    Changed(WndChange::Items);
}

int CListBox::GetText(int nIndex, std::string& text) const {
    if (!m_list.Valid(nIndex)) return LB_ERR;
    text = m_list.items[static_cast<std::size_t>(nIndex)].text;
    return u8::Length(text);
}

std::string CListBox::GetText(int nIndex) const {
    std::string t;
    GetText(nIndex, t);
    return t;
}

int CListBox::GetTextLen(int nIndex) const {
    return m_list.Valid(nIndex) ? u8::Length(m_list.items[static_cast<std::size_t>(nIndex)].text) : LB_ERR;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR data) {
    if (!m_list.Valid(nIndex)) return LB_ERR;
    m_list.items[static_cast<std::size_t>(nIndex)].data = data;
    return 0;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    if (!m_list.Valid(nIndex)) return static_cast<DWORD_PTR>(LB_ERR);
    return m_list.items[static_cast<std::size_t>(nIndex)].data;
}

int CListBox::FindString(int nStartAfter, const std::string& prefix) const {
    return m_list.Find(nStartAfter, prefix, false);
}

int CListBox::FindStringExact(int nStartAfter, const std::string& text) const {
    return m_list.Find(nStartAfter, text, true);
}

int CListBox::SetCurSel(int nSelect) {
    const int sel = m_list.Valid(nSelect) ? nSelect : -1;
    if (sel != m_list.sel) {
        m_list.sel = sel;
        Changed(WndChange::Selection);
    }
    return sel < 0 ? LB_ERR : sel;
}

int CListBox::SelectString(int nStartAfter, const std::string& prefix) {
    const int i = FindString(nStartAfter, prefix);
    if (i < 0) return LB_ERR;
    return SetCurSel(i);
}

void CListBox::UserSelect(int nIndex) {
    if (!IsWindowEnabled() || !m_list.Valid(nIndex)) return;
    if (m_list.sel != nIndex) {
        m_list.sel = nIndex;
        Changed(WndChange::Selection);
    }
    NotifyParent(LBN_SELCHANGE);
}

void CListBox::UserDoubleClick(int nIndex) {
    if (!IsWindowEnabled() || !m_list.Valid(nIndex)) return;
    UserSelect(nIndex);
    NotifyParent(LBN_DBLCLK);
}

void CListBox::AdoptWindow(CWnd& from) {
    CWnd::AdoptWindow(from);
    if (auto* l = dynamic_cast<CListBox*>(&from)) m_list = l->m_list;
}
