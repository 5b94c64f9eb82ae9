#include "ProtdevView.h"

#include "Disjuntor.h"
#include "Fusivel.h"
#include "ProtdevApp.h"
#include "Splash.h"
#include "resource.h"

#include "AppContext.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DialogRunner.h"
#include "Document.h"
#include "SqlValue.h"
#include "Utf8.h"

namespace {

enum Imagem { kImagemDisjuntor = 0, kImagemFusivel = 1, kImagemTensao = 2 };

// The insertion buffer held 51 characters with its terminator.
constexpr int kTextoMaximo = 50;

}  // namespace

BEGIN_MESSAGE_MAP(CProtdevView, CTreeView)
    ON_COMMAND(ID_DISJUNTOR_INCLUIR, OnDisjuntorIncluir)
    ON_COMMAND(ID_DISJUNTOR_ALTERAR, OnDisjuntorAlterar)
    ON_COMMAND(ID_FUSIVEL_INCLUIR, OnFusivelIncluir)
    ON_COMMAND(ID_FUSIVEL_ALTERAR, OnFusivelAlterar)
    ON_COMMAND(ID_DISPOSITIVO_EXCLUIR, OnDispositivoExcluir)
    ON_UPDATE_COMMAND_UI(ID_DISPOSITIVO_EXCLUIR, OnUpdateDispositivoExcluir)
    ON_UPDATE_COMMAND_UI(ID_DISJUNTOR_ALTERAR, OnUpdateDisjuntorAlterar)
    ON_UPDATE_COMMAND_UI(ID_FUSIVEL_ALTERAR, OnUpdateFusivelAlterar)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CProtdevView::CProtdevView() = default;

CProtdevView::~CProtdevView()
{
    delete m_pImageList;
}

int CProtdevView::Create(UINT dwStyle)
{
    return CTreeView::Create(dwStyle | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
}

void CProtdevView::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    CTreeCtrl& tree = GetTreeCtrl();
    if (!tree.GetImageList(TVSIL_NORMAL)) {
        m_pImageList = new CImageList;
        m_pImageList->Create(IDB_TREE, 16, 3, 0xFFFFFF);
        tree.SetImageList(m_pImageList, TVSIL_NORMAL);
    }
    if (CDocument* doc = GetDocument())
        doc->SetTitle("Dispositivos de proteção de baixa tensão");
    OnAtualizar();
    CloseSplash();
}

HTREEITEM CProtdevView::InserirItem(const std::string& text, int image, LPARAM data, HTREEITEM parent)
{
    return GetTreeCtrl().InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM,
                                    zel::utf8::Sub(text, 0, kTextoMaximo), image, image, 0, 0, data, parent,
                                    TVI_LAST);
}

void CProtdevView::OnAtualizar()
{
    CTreeCtrl& tree = GetTreeCtrl();
    tree.DeleteAllItems();
    HTREEITEM disjuntores = InserirItem("Disjuntores", kImagemDisjuntor, 0, TVI_ROOT);
    tree.SelectItem(disjuntores);
    HTREEITEM fusiveis = InserirItem("Fusiveis", kImagemFusivel, 0, TVI_ROOT);
    // A library that could not be opened was reported at start-up; there is nothing to list.
    if (!ProtdevLibraryOpen())
        return;
    try {
        CDaoRecordsetManual rs(ProtdevDatabase(), dbOpenSnapshot, devlib::kSelectTree);
        while (!rs.IsEOF()) {
            short tensao = 0;
            BYTE codigo = 0;
            std::string descricao;
            rs.GetFieldShort("dispositivo_protecao_tensao", tensao);
            if (tensao == 0) {
                rs.GetFieldByte("dispositivo_protecao_codigo", codigo);
                rs.GetFieldString("dispositivo_protecao_descricao", descricao);
                InserirItem(descricao, kImagemFusivel, codigo, fusiveis);
                rs.MoveNext();
                continue;
            }
            HTREEITEM no = InserirItem(FormatC("%i v", static_cast<int>(tensao)), kImagemTensao, 0, disjuntores);
            short tensaoNo = tensao;
            while (!rs.IsEOF() && tensao == tensaoNo) {
                rs.GetFieldByte("dispositivo_protecao_codigo", codigo);
                rs.GetFieldString("dispositivo_protecao_descricao", descricao);
                InserirItem(descricao, kImagemDisjuntor, codigo, no);
                rs.MoveNext();
                if (!rs.IsEOF())
                    rs.GetFieldShort("dispositivo_protecao_tensao", tensao);
            }
        }
    } catch (CDaoException& e) {
        CProtdevApp::ReportError("CProtdevView::OnAtualizar", &e);
    }
}

BYTE CProtdevView::CodigoItem(HTREEITEM hItem) const
{
    return static_cast<BYTE>(GetTreeCtrl().GetItemData(hItem) & 0xFF);
}

BYTE CProtdevView::NivelSelecionado() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    if (!item || tree.ItemHasChildren(item))
        return 0;
    BYTE nivel = 0;
    for (; item; item = tree.GetParentItem(item))
        ++nivel;
    return nivel;
}

void CProtdevView::OnDisjuntorIncluir()
{
    CWaitCursor wait;
    CDisjuntor dlg;
    dlg.m_bNovo = TRUE;
    if (dlg.DoModal() == IDOK)
        OnAtualizar();
}

void CProtdevView::OnDisjuntorAlterar()
{
    CWaitCursor wait;
    HTREEITEM item = GetTreeCtrl().GetSelectedItem();
    if (!item)
        return;
    CDisjuntor dlg;
    dlg.m_codigo = CodigoItem(item);
    dlg.m_bNovo = FALSE;
    if (dlg.DoModal() == IDOK)
        OnAtualizar();
}

void CProtdevView::OnFusivelIncluir()
{
    CWaitCursor wait;
    CFusivel dlg;
    dlg.m_bNovo = TRUE;
    if (dlg.DoModal() == IDOK)
        OnAtualizar();
}

void CProtdevView::OnFusivelAlterar()
{
    CWaitCursor wait;
    HTREEITEM item = GetTreeCtrl().GetSelectedItem();
    if (!item)
        return;
    CFusivel dlg;
    dlg.m_codigo = CodigoItem(item);
    dlg.m_bNovo = FALSE;
    if (dlg.DoModal() == IDOK)
        OnAtualizar();
}

void CProtdevView::OnDispositivoExcluir()
{
    CWaitCursor wait;
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    if (!item)
        return;
    const std::string texto = tree.GetItemText(item);
    if (AfxMessageBox(FormatC("Confirma exclusão do dispositivo de proteção %s ?", texto.c_str()),
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    try {
        devlib::DeleteDevice(ProtdevLibrary(), CodigoItem(item));
    } catch (CDaoException& e) {
        CProtdevApp::ReportError("CProtdevView::OnDispositivoExcluir", &e);
    }
    OnAtualizar();
}

void CProtdevView::OnUpdateDispositivoExcluir(CCmdUI* pCmdUI)
{
    const BYTE nivel = NivelSelecionado();
    pCmdUI->Enable(nivel == 2 || nivel == 3);
}

void CProtdevView::OnUpdateDisjuntorAlterar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(NivelSelecionado() == 3);
}

void CProtdevView::OnUpdateFusivelAlterar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(NivelSelecionado() == 2);
}

void CProtdevView::OnDblclk(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    switch (NivelSelecionado()) {
    case 2:
        OnFusivelAlterar();
        break;
    case 3:
        OnDisjuntorAlterar();
        break;
    default:
        break;
    }
    if (pResult)
        *pResult = 0;
}

void CProtdevView::OnContextMenu(CWnd* pWnd, CPoint point)
{
    int submenu = -1;
    switch (NivelSelecionado()) {
    case 2:
        submenu = 2;  // "&Fusível"
        break;
    case 3:
        submenu = 1;  // "&Disjuntor"
        break;
    default:
        return;
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_MAINFRAME))
        return;
    if (CMenu* popup = menu.GetSubMenu(submenu))
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pWnd ? pWnd : this);
}

void CProtdevView::OnDestroy()
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (CImageList* list = tree.GetImageList(TVSIL_NORMAL)) {
        tree.SetImageList(nullptr, TVSIL_NORMAL);
        list->DeleteImageList();
    }
    delete m_pImageList;
    m_pImageList = nullptr;
}
