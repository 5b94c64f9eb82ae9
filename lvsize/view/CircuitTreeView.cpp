#include "CircuitTreeView.h"

#include "SizingCommands.h"
#include "SizingShared.h"

#include "DaoDatabase.h"
#include "DaoException.h"
#include "Document.h"
#include "ErrorReporter.h"
#include "Utf8.h"

namespace {

// The insertion buffer held 51 characters with its terminator.
constexpr int kTextoMaximo = 50;

}  // namespace

BEGIN_MESSAGE_MAP(CCircuitTreeView, CTreeView)
    ON_COMMAND(ID_PROJETO_DADOS, OnProjetoDados)
    ON_COMMAND(ID_PROJETO_CALCULAR, OnProjetoCalcular)
    ON_UPDATE_COMMAND_UI(ID_PROJETO_CALCULAR, OnUpdateProjeto)
    ON_COMMAND(ID_PROJETO_IMPRIMIR, OnProjetoImprimir)
    ON_UPDATE_COMMAND_UI(ID_PROJETO_IMPRIMIR, OnUpdateProjeto)
    ON_COMMAND(ID_CIRCUITO_INCLUIR, OnCircuitoIncluir)
    ON_COMMAND(ID_CIRCUITO_CARACTERISTICAS, OnCircuitoCaracteristicas)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_CARACTERISTICAS, OnUpdateCircuito)
    ON_COMMAND(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO, OnCircuitoDimensionamentoEconomico)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_DIMENSIONAMENTO_ECONOMICO, OnUpdateCircuito)
    ON_COMMAND(ID_CIRCUITO_EXCLUIR, OnCircuitoExcluir)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_EXCLUIR, OnUpdateCircuito)
    ON_COMMAND(ID_CIRCUITO_COPIAR, OnCircuitoCopiar)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_COPIAR, OnUpdateCircuitoCopiar)
    ON_COMMAND(ID_CIRCUITO_COLAR, OnCircuitoColar)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_COLAR, OnUpdateCircuitoColar)
    ON_COMMAND(ID_CIRCUITO_CALCULAR, OnCircuitoCalcular)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_CALCULAR, OnUpdateCircuito)
    ON_COMMAND(ID_CIRCUITO_IMPRIMIR, OnCircuitoImprimir)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_IMPRIMIR, OnUpdateCircuito)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CCircuitTreeView::CCircuitTreeView(const CircuitTreeTraits& traits) : m_traits(traits) {}

CCircuitTreeView::~CCircuitTreeView()
{
    delete m_pImageList;
}

int CCircuitTreeView::Create(UINT dwStyle)
{
    return CTreeView::Create(dwStyle | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
}

CProjectDocument* CCircuitTreeView::Documento() const
{
    return dynamic_cast<CProjectDocument*>(CView::GetDocument());
}

CDaoDatabase* CCircuitTreeView::Database() const
{
    CProjectDocument* doc = Documento();
    return doc ? doc->m_pDatabase : nullptr;
}

void CCircuitTreeView::MarcarModificado()
{
    if (CProjectDocument* doc = Documento())
        doc->SetModifiedFlag(true);
}

std::string CCircuitTreeView::Local(const char* metodo) const
{
    return std::string(m_traits.classe) + "::" + metodo;
}

void CCircuitTreeView::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    CTreeCtrl& tree = GetTreeCtrl();
    if (!tree.GetImageList(TVSIL_NORMAL)) {
        m_pImageList = new CImageList;
        m_pImageList->Create(IDB_ARVORE, 16, 3, 0xFFFFFF);
        tree.SetImageList(m_pImageList, TVSIL_NORMAL);
    }
    tree.DeleteAllItems();
    HTREEITEM raiz = InserirItem(TVI_ROOT, "Origem", IMAGEM_ORIGEM, 0);
    Carregar_arvore(0, raiz);
    tree.Expand(raiz, TVE_EXPAND);
    tree.SelectItem(raiz);
    if (CSizingAppBase* app = SizingApp()) {
        app->m_bClipboardHasCircuit = 0;
        app->FreeSplash();
    }
}

short CCircuitTreeView::GetItemSequencial(HTREEITEM hItem) const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    if (!hItem)
        hItem = tree.GetSelectedItem();
    if (!hItem)
        return 0;
    return static_cast<short>(tree.GetItemData(hItem));
}

HTREEITEM CCircuitTreeView::InserirItem(HTREEITEM hParent, const std::string& text, int image, short data)
{
    return GetTreeCtrl().InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM,
                                    zel::utf8::Sub(text, 0, kTextoMaximo), image, image, 0, 0,
                                    static_cast<LPARAM>(static_cast<unsigned short>(data)), hParent, TVI_LAST);
}

void CCircuitTreeView::Carregar_arvore(short pai, HTREEITEM hParent)
{
    std::set<short> visitados;
    if (pai != 0)
        visitados.insert(pai);
    bool ciclo = false;
    CarregarFilhos(pai, hParent, visitados, ciclo);
}

void CCircuitTreeView::CarregarFilhos(short pai, HTREEITEM hParent, std::set<short>& visitados,
                                      bool& cicloRelatado)
{
    CDaoDatabase* db = Database();
    if (!db)
        return;
    std::vector<ItemCircuito> filhos;
    try {
        filhos = LerFilhos(*db, pai);
    } catch (CDaoException& e) {
        ReportError(Local("Carregar_arvore").c_str(), &e);
        return;
    }
    for (const ItemCircuito& f : filhos) {
        if (!visitados.insert(f.sequencial).second) {
            // A damaged file can link circuits into a loop: that is a data error, reported once.
            if (!cicloRelatado) {
                const CDaoException ciclo(3049, "DAO.Database",
                                          "O projeto '" + db->GetDisplayName() + "' está danificado: o circuito " +
                                              f.codigo + " aparece mais de uma vez na árvore (circuitos em ciclo).");
                ReportError(Local("Carregar_arvore").c_str(), &ciclo);
            }
            cicloRelatado = true;
            continue;
        }
        HTREEITEM item = InserirItem(hParent, f.codigo, f.imagem, f.sequencial);
        CarregarFilhos(f.sequencial, item, visitados, cicloRelatado);
    }
}

// --- Enabling ---------------------------------------------------------------------------------------------

bool CCircuitTreeView::CircuitoSelecionado() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    return item && tree.GetParentItem(item);
}

bool CCircuitTreeView::CircuitoTopoSelecionado() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    HTREEITEM pai = item ? tree.GetParentItem(item) : nullptr;
    return pai && !tree.GetParentItem(pai);
}

bool CCircuitTreeView::RaizTemFilhos() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM raiz = tree.GetRootItem();
    return raiz && tree.GetChildItem(raiz);
}

void CCircuitTreeView::OnUpdateProjeto(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(RaizTemFilhos());
}

void CCircuitTreeView::OnUpdateCircuito(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CircuitoSelecionado());
}

void CCircuitTreeView::OnUpdateCircuitoCopiar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CircuitoTopoSelecionado());
}

void CCircuitTreeView::OnUpdateCircuitoColar(CCmdUI* pCmdUI)
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    const CSizingAppBase* app = SizingApp();
    pCmdUI->Enable(item && !tree.GetParentItem(item) && app && app->m_bClipboardHasCircuit);
}

void CCircuitTreeView::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_PROJETOTYPE))
        return;
    if (CMenu* popup = menu.GetSubMenu(1))
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pWnd ? pWnd : this);
    menu.DestroyMenu();
}

void CCircuitTreeView::OnDblclk(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    if (CircuitoSelecionado())
        OnCircuitoCaracteristicas();
    else if (GetTreeCtrl().GetSelectedItem())
        OnProjetoDados();
    if (pResult)
        *pResult = 0;
}

void CCircuitTreeView::OnDestroy()
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (CImageList* list = tree.GetImageList(TVSIL_NORMAL)) {
        tree.SetImageList(nullptr, TVSIL_NORMAL);
        list->DeleteImageList();
    }
    delete m_pImageList;
    m_pImageList = nullptr;
}

CCircuitTreeView* GetActiveCircuitView()
{
    CWinApp* app = AfxGetApp();
    auto* frame = app ? dynamic_cast<CMDIFrameWnd*>(app->m_pMainWnd) : nullptr;
    CMDIChildWnd* child = frame ? frame->MDIGetActive() : nullptr;
    return child ? dynamic_cast<CCircuitTreeView*>(child->GetActiveView()) : nullptr;
}
