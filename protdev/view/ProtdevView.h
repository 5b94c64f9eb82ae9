#pragma once
// The device tree: breakers grouped by voltage under "Disjuntores", fuses under "Fusiveis"; the commands
// that add, change and delete devices. Every change is followed by a rebuild from the library.

#include "DeviceLibrary.h"
#include "Frame.h"

#include <string>

class CProtdevView : public CTreeView {
public:
    CProtdevView();
    ~CProtdevView() override;

    int Create(UINT dwStyle) override;
    void OnInitialUpdate() override;

    // The refresh: rebuilds the whole tree from the library, the breakers root selected.
    void OnAtualizar();

    // The device code an item holds.
    BYTE CodigoItem(HTREEITEM hItem) const;
    // 0 with no selection or a selected item that has children; otherwise the items from the selected one
    // up to its root, both counted (an empty root 1, a fuse 2, a breaker 3).
    BYTE NivelSelecionado() const;

    void OnDisjuntorIncluir();
    void OnDisjuntorAlterar();
    void OnFusivelIncluir();
    void OnFusivelAlterar();
    void OnDispositivoExcluir();

protected:
    void OnUpdateDispositivoExcluir(CCmdUI* pCmdUI);
    void OnUpdateDisjuntorAlterar(CCmdUI* pCmdUI);
    void OnUpdateFusivelAlterar(CCmdUI* pCmdUI);
    void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    HTREEITEM InserirItem(const std::string& text, int image, LPARAM data, HTREEITEM parent);
    CImageList* m_pImageList = nullptr;
};
