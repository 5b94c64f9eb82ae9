#include "TreeCtrl.h"

bool CImageList::Create(int bitmapId, int cx, int /*nGrow*/, COLORREF crMask) {
    m_bitmapId = bitmapId;
    m_cx = cx;
    m_mask = crMask;
    return bitmapId != 0;
}

CTreeCtrl::CTreeCtrl() { m_wnd.kind = ControlKind::Tree; }

std::list<std::unique_ptr<TreeItem>>* CTreeCtrl::SiblingsOf(HTREEITEM parent) {
    if (!parent || parent == TVI_ROOT) return &m_roots;
    return Contains(parent) ? &parent->children : nullptr;
}

const std::list<std::unique_ptr<TreeItem>>* CTreeCtrl::SiblingsOf(HTREEITEM parent) const {
    if (!parent || parent == TVI_ROOT) return &m_roots;
    return Contains(parent) ? &parent->children : nullptr;
}

bool CTreeCtrl::Contains(HTREEITEM hItem) const {
    if (!hItem || hItem == TVI_ROOT || hItem == TVI_FIRST || hItem == TVI_LAST) return false;
    return m_items.count(hItem) != 0;
}

void CTreeCtrl::Forget(const TreeItem& item) {
    m_items.erase(&item);
    for (const auto& child : item.children) Forget(*child);
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, const std::string& text, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    auto* siblings = SiblingsOf(hParent);
    if (!siblings) return nullptr;
    auto item = std::make_unique<TreeItem>();
    if (nMask & TVIF_TEXT) item->text = text;
    if (nMask & TVIF_IMAGE) item->image = nImage;
    if (nMask & TVIF_SELECTEDIMAGE) item->selectedImage = nSelectedImage;
    if (nMask & TVIF_PARAM) item->data = lParam;
    if ((nMask & TVIF_STATE) && (nStateMask & TVIS_EXPANDED)) item->expanded = (nState & TVIS_EXPANDED) != 0;
    item->parent = (hParent == TVI_ROOT) ? nullptr : hParent;
    HTREEITEM h = item.get();
    m_items.insert(h);
    if (hInsertAfter == TVI_FIRST) {
        siblings->push_front(std::move(item));
    } else if (hInsertAfter == TVI_LAST || hInsertAfter == nullptr) {
        siblings->push_back(std::move(item));
    } else {
        auto it = siblings->begin();
        while (it != siblings->end() && it->get() != hInsertAfter) ++it;
        if (it != siblings->end()) ++it;
        siblings->insert(it, std::move(item));
    }
    Changed(WndChange::Items);
    return h;
}

HTREEITEM CTreeCtrl::InsertItem(const std::string& text, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, nImage, nSelectedImage, 0, 0, 0, hParent,
                      hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(const std::string& text, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

int CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    if (hItem == TVI_ROOT) return DeleteAllItems();
    if (!Contains(hItem)) return 0;
    // The selection goes with the item or any item under it.
    for (HTREEITEM s = m_selected; s; s = s->parent)
        if (s == hItem) {
            m_selected = nullptr;
            break;
        }
    Forget(*hItem);
    auto* siblings = SiblingsOf(hItem->parent ? hItem->parent : TVI_ROOT);
    siblings->remove_if([hItem](const std::unique_ptr<TreeItem>& p) { return p.get() == hItem; });
    Changed(WndChange::Items);
    return 1;
}

int CTreeCtrl::DeleteAllItems() {
    m_roots.clear();
    m_items.clear();
    m_selected = nullptr;
    Changed(WndChange::Items);
    return 1;
}

HTREEITEM CTreeCtrl::GetRootItem() const { return m_roots.empty() ? nullptr : m_roots.front().get(); }

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    const auto* list = SiblingsOf(hItem);
    return (list && !list->empty()) ? list->front().get() : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    if (!Contains(hItem)) return nullptr;
    const auto* siblings = SiblingsOf(hItem->parent ? hItem->parent : TVI_ROOT);
    for (auto it = siblings->begin(); it != siblings->end(); ++it)
        if (it->get() == hItem) return ++it == siblings->end() ? nullptr : it->get();
    return nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
    if (!Contains(hItem)) return nullptr;
    const auto* siblings = SiblingsOf(hItem->parent ? hItem->parent : TVI_ROOT);
    HTREEITEM prev = nullptr;
    for (const auto& p : *siblings) {
        if (p.get() == hItem) return prev;
        prev = p.get();
    }
    return nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const { return Contains(hItem) ? hItem->parent : nullptr; }

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    switch (nCode) {
    case TVGN_ROOT: return GetRootItem();
    case TVGN_NEXT: return GetNextSiblingItem(hItem);
    case TVGN_PREVIOUS: return GetPrevSiblingItem(hItem);
    case TVGN_PARENT: return GetParentItem(hItem);
    case TVGN_CHILD: return GetChildItem(hItem);
    case TVGN_CARET: return m_selected;
    default: return nullptr;
    }
}

int CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    return Contains(hItem) && !hItem->children.empty() ? 1 : 0;
}

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(m_items.size()); }

int CTreeCtrl::SelectItem(HTREEITEM hItem) {
    if (hItem && !Contains(hItem)) return 0;
    if (m_selected != hItem) {
        m_selected = hItem;
        // The selected item is shown: its ancestors open.
        for (HTREEITEM p = hItem ? hItem->parent : nullptr; p; p = p->parent) p->expanded = true;
        Changed(WndChange::Selection);
    }
    return 1;
}

std::string CTreeCtrl::GetItemText(HTREEITEM hItem) const { return Contains(hItem) ? hItem->text : std::string(); }

int CTreeCtrl::SetItemText(HTREEITEM hItem, const std::string& text) {
    if (!Contains(hItem)) return 0;
    hItem->text = text;
    Changed(WndChange::Items);
    return 1;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    return Contains(hItem) ? static_cast<DWORD_PTR>(hItem->data) : 0;
}

int CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR data) {
    if (!Contains(hItem)) return 0;
    hItem->data = static_cast<LPARAM>(data);
    return 1;
}

int CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    if (!Contains(hItem)) return 0;
    nImage = hItem->image;
    nSelectedImage = hItem->selectedImage;
    return 1;
}

int CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    if (!Contains(hItem)) return 0;
    hItem->image = nImage;
    hItem->selectedImage = nSelectedImage;
    Changed(WndChange::Items);
    return 1;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    if (!Contains(hItem)) return 0;
    UINT state = 0;
    if (hItem->expanded) state |= TVIS_EXPANDED;
    if (hItem == m_selected) state |= TVIS_SELECTED;
    return state & nStateMask;
}

int CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    if (!Contains(hItem)) return 0;
    const bool before = hItem->expanded;
    if (nCode == TVE_EXPAND) hItem->expanded = true;
    else if (nCode == TVE_COLLAPSE) hItem->expanded = false;
    else if (nCode == TVE_TOGGLE) hItem->expanded = !hItem->expanded;
    if (before != hItem->expanded) Changed(WndChange::Items);
    return 1;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int /*nImageListType*/) {
    CImageList* old = m_imageList;
    m_imageList = pImageList;
    Changed(WndChange::Style);
    return old;
}

CImageList* CTreeCtrl::GetImageList(int /*nImageListType*/) const { return m_imageList; }

LRESULT CTreeCtrl::Notify(int code) {
    CWnd* parent = GetParent();
    if (!parent) return 0;
    NMHDR hdr{this, GetDlgCtrlID(), code};
    LRESULT result = 0;
    MsgArgs a;
    a.pWnd = this;
    a.pNMHDR = &hdr;
    a.pResult = &result;
    parent->Dispatch(MapKind::Notify, GetDlgCtrlID(), code, a);
    return result;
}

void CTreeCtrl::UserSelect(HTREEITEM hItem) {
    if (!IsWindowEnabled() || !Contains(hItem) || hItem == m_selected) return;
    m_selected = hItem;
    Changed(WndChange::Selection);
    Notify(TVN_SELCHANGED);
}

void CTreeCtrl::UserDoubleClick(HTREEITEM hItem) {
    if (!IsWindowEnabled() || !Contains(hItem)) return;
    UserSelect(hItem);
    if (Notify(NM_DBLCLK) == 0 && !hItem->children.empty()) {
        hItem->expanded = !hItem->expanded;
        Changed(WndChange::Items);
    }
}

void CTreeCtrl::UserRightClick(CPoint screenPoint) {
    if (!IsWindowEnabled()) return;
    if (Notify(NM_RCLICK) != 0) return;
    CWnd* target = GetParent() ? GetParent() : this;
    MsgArgs a;
    a.pWnd = target;
    a.point = screenPoint;
    target->SendMessageToSelf(WM_CONTEXTMENU, a);
}

void CTreeCtrl::UserExpand(HTREEITEM hItem, bool expand) {
    if (!Contains(hItem) || hItem->expanded == expand) return;
    hItem->expanded = expand;
    Notify(TVN_ITEMEXPANDED);
}
