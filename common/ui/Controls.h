#pragma once
// The standard controls: labels, pictures, group boxes, buttons (push, check, radio), edits, combo boxes
// and list boxes, with the operations the programs call and the notifications the original fired.

#include "Wnd.h"

#include <string>
#include <vector>

// A label, a picture or a group box.
class CStatic : public CWnd {
public:
    // A picture's bitmap, by resource id (0: none); the host draws it.
    void SetBitmap(int bitmapId);
    int GetBitmap() const { return m_bitmap; }
    void AdoptWindow(CWnd& from) override;

private:
    int m_bitmap = 0;
};

// A push button, check box, radio button or group box.
class CButton : public CWnd {
public:
    // Setting the check by code fires nothing.
    void SetCheck(int nCheck);
    int GetCheck() const { return m_check; }
    bool IsDefault() const { return m_default; }
    void SetDefault(bool isDefault);
    // First radio button of a group (the template's group flag).
    bool StartsGroup() const { return m_group; }
    void SetGroupStart(bool start) { m_group = start; }

    // The user clicked: a check box toggles, a radio button checks itself and clears the others of its
    // group, then the parent gets the click. Ignored while disabled or hidden.
    void UserClick();
    void AdoptWindow(CWnd& from) override;

protected:
    int SetFocusCode() const override { return BN_SETFOCUS; }
    int KillFocusCode() const override { return BN_KILLFOCUS; }

private:
    int m_check = 0;
    bool m_default = false;
    bool m_group = false;
};

// An edit box.
class CEdit : public CWnd {
public:
    // Setting the text by code fires the change notification when the text really changes.
    void SetWindowText(const std::string& text) override;

    // Maximum number of characters the user may type (0: the platform's default of 30000).
    void SetLimitText(int nMax);
    void LimitText(int nMax = 0) { SetLimitText(nMax); }
    int GetLimitText() const { return m_limit == 0 ? 30000 : m_limit; }
    void SetReadOnly(int bReadOnly = 1);
    bool IsReadOnly() const { return m_readOnly; }
    void SetMultiLine(bool multiLine) { m_multiLine = multiLine; Changed(WndChange::Style); }
    bool IsMultiLine() const { return m_multiLine; }
    // Digits only (the number style): every other typed character is refused.
    void SetDigitsOnly(bool digitsOnly) { m_digitsOnly = digitsOnly; Changed(WndChange::Style); }
    bool IsDigitsOnly() const { return m_digitsOnly; }

    // Selection in characters; end -1 means the end of the text.
    void SetSel(int nStart, int nEnd, int bNoScroll = 0);
    void GetSel(int& nStart, int& nEnd) const;
    // Replaces the selection by text (as code; fires the change notification).
    void ReplaceSel(const std::string& text, int bCanUndo = 0);

    // The host reports the user's input. A typed character goes to OnChar, which filters it and passes
    // it on to the edit's own handling; paste asks OnPaste with the clipboard's text.
    void UserChar(UINT nChar);
    void UserPaste(const std::string& clipboardText);
    // The widget edited its text itself (deletions, input methods): the model takes it over.
    void UserSetText(const std::string& text, int selStart, int selEnd);
    void UserSetSel(int nStart, int nEnd) { SetSel(nStart, nEnd); }

    void AdoptWindow(CWnd& from) override;

protected:
    // The edit's message handlers, overridable as the programs' own edits do.
    virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual void OnPaste();
    // The text that a paste in progress inserts.
    const std::string& PendingPaste() const { return m_pendingPaste; }
    // Puts text into the model as the user's edit (fires the change when it changed).
    void ApplyUserText(const std::string& text, int caret);
    int SetFocusCode() const override { return EN_SETFOCUS; }
    int KillFocusCode() const override { return EN_KILLFOCUS; }

private:
    int m_limit = 0;
    bool m_readOnly = false;
    bool m_multiLine = false;
    bool m_digitsOnly = false;
    int m_selStart = 0;
    int m_selEnd = 0;
    std::string m_pendingPaste;
};

// The items of a combo box or list box: text with a number attached, sorted or in insertion order.
struct ListItems {
    struct Item {
        std::string text;
        DWORD_PTR data = 0;
    };
    std::vector<Item> items;
    int sel = -1;
    bool sorted = false;

    int Add(const std::string& text);
    int Insert(int index, const std::string& text);
    int Delete(int index);
    int Find(int nStartAfter, const std::string& text, bool exact) const;
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }
};

enum class ComboStyle { DropDownList, DropDown, Simple };

class CComboBox : public CWnd {
public:
    // Items. AddString keeps a sorted box in order (case-insensitive by text); returns the index.
    int AddString(const std::string& text);
    int InsertString(int nIndex, const std::string& text);
    int DeleteString(int nIndex);
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_list.items.size()); }
    int GetLBText(int nIndex, std::string& text) const;
    std::string GetLBText(int nIndex) const;
    int GetLBTextLen(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR data);
    DWORD_PTR GetItemData(int nIndex) const;
    // Searches begin after nStartAfter (-1: from the top) and wrap; prefix and case-insensitive.
    int FindString(int nStartAfter, const std::string& prefix) const;
    int FindStringExact(int nStartAfter, const std::string& text) const;

    // Selection by code: fires nothing. SetCurSel(-1) clears it and returns CB_ERR.
    int GetCurSel() const { return m_list.sel; }
    int SetCurSel(int nSelect);
    // Selects the first item (after nStartAfter) that begins with prefix; CB_ERR and no change when none.
    int SelectString(int nStartAfter, const std::string& prefix);

    // The text: of the selected item in a drop-down list, of the edit part otherwise.
    std::string GetWindowText() const override;
    void SetWindowText(const std::string& text) override;

    void SetStyle(ComboStyle style, bool sorted);
    ComboStyle GetStyle() const { return m_style; }
    bool IsSorted() const { return m_list.sorted; }
    const ListItems& Items() const { return m_list; }

    // The user chose an item (fires the selection change), typed a character on a closed drop-down list
    // (selects the next item beginning with it), or edited the edit part.
    void UserSelect(int nIndex);
    void UserKey(char32_t c);
    void UserEditText(const std::string& text);
    // The user moved through the closed list with a key: the line reached is chosen as a click on it would
    // be (the selection change fires); at an end of the list, or on an empty list, nothing happens.
    enum class Move { Previous, Next, First, Last, PageUp, PageDown };
    void UserMove(Move move);
    void AdoptWindow(CWnd& from) override;

protected:
    int SetFocusCode() const override { return CBN_SETFOCUS; }
    int KillFocusCode() const override { return CBN_KILLFOCUS; }

private:
    ListItems m_list;
    ComboStyle m_style = ComboStyle::DropDownList;
};

class CListBox : public CWnd {
public:
    int AddString(const std::string& text);
    int InsertString(int nIndex, const std::string& text);
    int DeleteString(int nIndex);
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_list.items.size()); }
    int GetText(int nIndex, std::string& text) const;
    std::string GetText(int nIndex) const;
    int GetTextLen(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR data);
    DWORD_PTR GetItemData(int nIndex) const;
    int FindString(int nStartAfter, const std::string& prefix) const;
    int FindStringExact(int nStartAfter, const std::string& text) const;
    int GetCurSel() const { return m_list.sel; }
    int SetCurSel(int nSelect);
    int SelectString(int nStartAfter, const std::string& prefix);

    void SetSorted(bool sorted) { m_list.sorted = sorted; Changed(WndChange::Style); }
    bool IsSorted() const { return m_list.sorted; }
    const ListItems& Items() const { return m_list; }

    void UserSelect(int nIndex);
    void UserDoubleClick(int nIndex);
    void AdoptWindow(CWnd& from) override;

protected:
    int SetFocusCode() const override { return LBN_SETFOCUS; }
    int KillFocusCode() const override { return LBN_KILLFOCUS; }

private:
    ListItems m_list;
};
