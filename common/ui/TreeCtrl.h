#pragma once
// The tree of the circuit and device views: items with text, image, data, children in order, one
// selection, expanded or collapsed; an image list by bitmap resource.

#include "Wnd.h"

#include <list>
#include <memory>
#include <string>
#include <unordered_set>

struct TreeItem;
using HTREEITEM = TreeItem*;
using LPARAM = std::intptr_t;

inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));

inline constexpr UINT TVIF_TEXT = 0x0001;
inline constexpr UINT TVIF_IMAGE = 0x0002;
inline constexpr UINT TVIF_PARAM = 0x0004;
inline constexpr UINT TVIF_STATE = 0x0008;
inline constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
inline constexpr UINT TVIS_SELECTED = 0x0002;
inline constexpr UINT TVIS_EXPANDED = 0x0020;
inline constexpr UINT TVE_COLLAPSE = 0x0001;
inline constexpr UINT TVE_EXPAND = 0x0002;
inline constexpr UINT TVE_TOGGLE = 0x0003;
inline constexpr UINT TVGN_ROOT = 0x0000;
inline constexpr UINT TVGN_NEXT = 0x0001;
inline constexpr UINT TVGN_PREVIOUS = 0x0002;
inline constexpr UINT TVGN_PARENT = 0x0003;
inline constexpr UINT TVGN_CHILD = 0x0004;
inline constexpr UINT TVGN_CARET = 0x0009;
inline constexpr int TVSIL_NORMAL = 0;
inline constexpr UINT TVS_HASBUTTONS = 0x0001;
inline constexpr UINT TVS_HASLINES = 0x0002;
inline constexpr UINT TVS_LINESATROOT = 0x0004;

// Images cut from one bitmap resource, each cx pixels wide, with a transparent colour.
class CImageList {
public:
    bool Create(int bitmapId, int cx, int nGrow, COLORREF crMask);
    void DeleteImageList() { m_bitmapId = 0; }
    int GetBitmapId() const { return m_bitmapId; }
    int GetImageWidth() const { return m_cx; }
    COLORREF GetMaskColor() const { return m_mask; }

private:
    int m_bitmapId = 0;
    int m_cx = 16;
    COLORREF m_mask = 0xFFFFFF;
};

struct TreeItem {
    std::string text;
    int image = 0;
    int selectedImage = 0;
    LPARAM data = 0;
    bool expanded = false;
    TreeItem* parent = nullptr;
    std::list<std::unique_ptr<TreeItem>> children;
};

class CTreeCtrl : public CWnd {
public:
    CTreeCtrl();

    HTREEITEM InsertItem(UINT nMask, const std::string& text, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(const std::string& text, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(const std::string& text, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    int DeleteItem(HTREEITEM hItem);
    int DeleteAllItems();

    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetSelectedItem() const { return m_selected; }
    int ItemHasChildren(HTREEITEM hItem) const;
    UINT GetCount() const;

    // Selection by code fires nothing.
    int SelectItem(HTREEITEM hItem);
    std::string GetItemText(HTREEITEM hItem) const;
    int SetItemText(HTREEITEM hItem, const std::string& text);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    int SetItemData(HTREEITEM hItem, DWORD_PTR data);
    int GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    int SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    int Expand(HTREEITEM hItem, UINT nCode);
    int EnsureVisible(HTREEITEM /*hItem*/) { return 1; }

    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    void ModifyStyle(UINT remove, UINT add) { m_style = (m_style & ~remove) | add; Changed(WndChange::Style); }
    UINT GetStyle() const { return m_style; }

    // Roots in order (the host walks them).
    const std::list<std::unique_ptr<TreeItem>>& Roots() const { return m_roots; }

    // The user's actions: selection (fires TVN_SELCHANGED), double click (NM_DBLCLK, then the tree toggles
    // the item when the handler left the result 0), right click (NM_RCLICK, then the context-menu message
    // to the window holding the tree), expanding or collapsing.
    void UserSelect(HTREEITEM hItem);
    void UserDoubleClick(HTREEITEM hItem);
    void UserRightClick(CPoint screenPoint);
    void UserExpand(HTREEITEM hItem, bool expand);

private:
    std::list<std::unique_ptr<TreeItem>>* SiblingsOf(HTREEITEM parent);
    const std::list<std::unique_ptr<TreeItem>>* SiblingsOf(HTREEITEM parent) const;
    bool Contains(HTREEITEM hItem) const;
    void Forget(const TreeItem& item);
    LRESULT Notify(int code);

    std::list<std::unique_ptr<TreeItem>> m_roots;
    // Every live item, so that telling a handle apart costs the same in a tree of ten thousand items.
    std::unordered_set<const TreeItem*> m_items;
    HTREEITEM m_selected = nullptr;
    CImageList* m_imageList = nullptr;
    UINT m_style = 0;
};
