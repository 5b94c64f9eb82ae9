#include "MvsizeView.h"

#include "MvsizeCommands.h"
#include "MvsizeDoc.h"
#include "MvsizeShared.h"

#include "AppContext.h"
#include "Crystal.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogRunner.h"
#include "ErrorReporter.h"
#include "MainFrame.h"
#include "PrinterService.h"
#include "SqlValue.h"
#include "Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

namespace {

// The insertion buffer held 51 characters with its terminator.
constexpr int kTextoMaximo = 50;

// A damaged file can link circuits into a loop: that is a data error, reported once.
void RelatarCiclo(const char* local)
{
    errno = EINVAL;
    ReportError(local, nullptr);
}

struct LinhaCircuito {
    short sequencial = 0;
    std::string codigo;
    float corrente = 0;
};

std::vector<LinhaCircuito> LerFilhos(CDaoDatabase* db, short pai)
{
    const std::string sql = pai == 0 ? std::string("SELECT * FROM circuito WHERE circuito_sequencial_pai is NULL")
                                     : FormatC("SELECT * FROM circuito WHERE circuito_sequencial_pai=%i", pai);
    CDaoRecordsetManual rs(db, dbOpenSnapshot, sql.c_str());
    std::vector<LinhaCircuito> linhas;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        LinhaCircuito l;
        rs.GetFieldShort("circuito_sequencial", l.sequencial);
        rs.GetFieldString("circuito_codigo", l.codigo);
        if (!rs.GetFieldValue("circuito_corrente_projeto").IsNull())
            rs.GetFieldFloat("circuito_corrente_projeto", l.corrente);
        linhas.push_back(l);
    }
    return linhas;
}

}  // namespace

int ImagemCircuito(float corrente_projeto)
{
    return corrente_projeto > 0 ? IMAGEM_COM_CORRENTE : IMAGEM_SEM_CORRENTE;
}

BEGIN_MESSAGE_MAP(CMvsizeView, CTreeView)
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

CMvsizeView::CMvsizeView() = default;

CMvsizeView::~CMvsizeView()
{
    delete m_pImageList;
}

int CMvsizeView::Create(UINT dwStyle)
{
    return CTreeView::Create(dwStyle | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
}

CMvsizeDoc* CMvsizeView::GetDocument() const
{
    return dynamic_cast<CMvsizeDoc*>(CView::GetDocument());
}

CDaoDatabase* CMvsizeView::Database() const
{
    CMvsizeDoc* doc = GetDocument();
    return doc ? doc->m_pDatabase : nullptr;
}

void CMvsizeView::MarcarModificado()
{
    if (CMvsizeDoc* doc = GetDocument())
        doc->SetModifiedFlag(true);
}

void CMvsizeView::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    CTreeCtrl& tree = GetTreeCtrl();
    if (!tree.GetImageList(TVSIL_NORMAL)) {
        m_pImageList = new CImageList;
        m_pImageList->Create(IDB_ARVORE, 16, 3, 0xFFFFFF);
        tree.SetImageList(m_pImageList, TVSIL_NORMAL);
    }
    // The tree's background is erased white whatever the desktop's theme.
    SetBackgroundColor(0xFFFFFF);
    tree.DeleteAllItems();
    HTREEITEM raiz = InserirItem(TVI_ROOT, "Origem", IMAGEM_ORIGEM, 0);
    Carregar_arvore(0, raiz);
    tree.Expand(raiz, TVE_EXPAND);
    tree.SelectItem(raiz);
    if (CMvsizeAppBase* app = MvsizeApp()) {
        app->m_bClipboardHasCircuit = 0;
        app->FreeSplash();
    }
}

short CMvsizeView::GetItemSequencial(HTREEITEM hItem) const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    if (!hItem)
        hItem = tree.GetSelectedItem();
    if (!hItem)
        return 0;
    return static_cast<short>(tree.GetItemData(hItem));
}

HTREEITEM CMvsizeView::InserirItem(HTREEITEM hParent, const std::string& text, int image, short data)
{
    return GetTreeCtrl().InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM,
                                    zel::utf8::Sub(text, 0, kTextoMaximo), image, image, 0, 0,
                                    static_cast<LPARAM>(static_cast<unsigned short>(data)), hParent, TVI_LAST);
}

void CMvsizeView::Carregar_arvore(short pai, HTREEITEM hParent)
{
    std::set<short> visitados;
    if (pai != 0)
        visitados.insert(pai);
    bool ciclo = false;
    CarregarFilhos(pai, hParent, visitados, ciclo);
}

void CMvsizeView::CarregarFilhos(short pai, HTREEITEM hParent, std::set<short>& visitados, bool& cicloRelatado)
{
    CDaoDatabase* db = Database();
    if (!db)
        return;
    std::vector<LinhaCircuito> linhas;
    try {
        linhas = LerFilhos(db, pai);
    } catch (CDaoException& e) {
        ReportError("CMvsizeView::Carregar_arvore", &e);
        return;
    }
    for (const LinhaCircuito& l : linhas) {
        if (!visitados.insert(l.sequencial).second) {
            if (!cicloRelatado)
                RelatarCiclo("CMvsizeView::Carregar_arvore");
            cicloRelatado = true;
            continue;
        }
        HTREEITEM item = InserirItem(hParent, l.codigo, ImagemCircuito(l.corrente), l.sequencial);
        CarregarFilhos(l.sequencial, item, visitados, cicloRelatado);
    }
}

void CMvsizeView::Atualiza_icone()
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    CDaoDatabase* db = Database();
    if (!item || !db)
        return;
    int imagem = IMAGEM_SEM_CORRENTE;
    try {
        CDaoRecordsetManual rs(
            db, dbOpenSnapshot,
            FormatC("SELECT circuito_corrente_projeto FROM circuito WHERE circuito_sequencial=%i",
                    GetItemSequencial(item))
                .c_str());
        float corrente = 0;
        if (!rs.IsEOF() && !rs.GetFieldValue("circuito_corrente_projeto").IsNull())
            rs.GetFieldFloat("circuito_corrente_projeto", corrente);
        imagem = ImagemCircuito(corrente);
    } catch (CDaoException& e) {
        ReportError("CMvsizeView::Atualiza_icone", &e);
    }
    tree.SetItemImage(item, imagem, imagem);
}

// --- Enabling ---------------------------------------------------------------------------------------------

bool CMvsizeView::CircuitoSelecionado() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    return item && tree.GetParentItem(item);
}

bool CMvsizeView::CircuitoTopoSelecionado() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    HTREEITEM pai = item ? tree.GetParentItem(item) : nullptr;
    return pai && !tree.GetParentItem(pai);
}

bool CMvsizeView::RaizTemFilhos() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM raiz = tree.GetRootItem();
    return raiz && tree.GetChildItem(raiz);
}

void CMvsizeView::OnUpdateProjeto(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(RaizTemFilhos());
}

void CMvsizeView::OnUpdateCircuito(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CircuitoSelecionado());
}

void CMvsizeView::OnUpdateCircuitoCopiar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CircuitoTopoSelecionado());
}

void CMvsizeView::OnUpdateCircuitoColar(CCmdUI* pCmdUI)
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    const CMvsizeAppBase* app = MvsizeApp();
    pCmdUI->Enable(item && !tree.GetParentItem(item) && app && app->m_bClipboardHasCircuit);
}

void CMvsizeView::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_MVSIZETYPE))
        return;
    if (CMenu* popup = menu.GetSubMenu(1))
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pWnd ? pWnd : this);
    menu.DestroyMenu();
}

void CMvsizeView::OnDblclk(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    if (CircuitoSelecionado())
        OnCircuitoCaracteristicas();
    else if (GetTreeCtrl().GetSelectedItem())
        OnProjetoDados();
    if (pResult)
        *pResult = 0;
}

void CMvsizeView::OnDestroy()
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (CImageList* list = tree.GetImageList(TVSIL_NORMAL)) {
        tree.SetImageList(nullptr, TVSIL_NORMAL);
        list->DeleteImageList();
    }
    delete m_pImageList;
    m_pImageList = nullptr;
}

CMvsizeView* GetActiveCircuitView()
{
    CWinApp* app = AfxGetApp();
    auto* frame = app ? dynamic_cast<CMDIFrameWnd*>(app->m_pMainWnd) : nullptr;
    CMDIChildWnd* child = frame ? frame->MDIGetActive() : nullptr;
    return child ? dynamic_cast<CMvsizeView*>(child->GetActiveView()) : nullptr;
}
