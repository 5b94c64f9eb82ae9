#include "LvsizeView.h"

#include "LvsizeCommands.h"
#include "LvsizeDoc.h"
#include "LvsizeShared.h"

#include "AppContext.h"
#include "Calculo.h"
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
    long motores = 0;
};

std::vector<LinhaCircuito> LerFilhos(CDaoDatabase* db, short pai)
{
    const std::string base =
        "SELECT circuito_sequencial,circuito_codigo,circuito_corrente_regime,(SELECT COUNT(*) FROM motor WHERE "
        "circuito_sequencial=circuito.circuito_sequencial) AS motor FROM circuito WHERE ";
    const std::string sql =
        pai == 0 ? base + "circuito_sequencial_pai is NULL" : base + FormatC("circuito_sequencial_pai=%i", pai);
    CDaoRecordsetManual rs(db, dbOpenSnapshot, sql.c_str());
    std::vector<LinhaCircuito> linhas;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        LinhaCircuito l;
        rs.GetFieldShort("circuito_sequencial", l.sequencial);
        rs.GetFieldString("circuito_codigo", l.codigo);
        rs.GetFieldFloat("circuito_corrente_regime", l.corrente);
        rs.GetFieldLong("motor", l.motores);
        linhas.push_back(l);
    }
    return linhas;
}

}  // namespace

int ImagemCircuito(float corrente_regime, long motores)
{
    if (corrente_regime > 0 && motores > 0)
        return IMAGEM_AMBOS;
    if (motores >= 1)
        return IMAGEM_MOTOR;
    if (corrente_regime > 0)
        return IMAGEM_CORRENTE;
    return IMAGEM_NENHUM;
}

BEGIN_MESSAGE_MAP(CLvsizeView, CTreeView)
    ON_COMMAND(ID_PROJETO_DADOS, OnProjetoDados)
    ON_COMMAND(ID_PROJETO_CALCULAR, OnProjetoCalcular)
    ON_UPDATE_COMMAND_UI(ID_PROJETO_CALCULAR, OnUpdateProjeto)
    ON_COMMAND(ID_PROJETO_IMPRIMIR, OnProjetoImprimir)
    ON_UPDATE_COMMAND_UI(ID_PROJETO_IMPRIMIR, OnUpdateProjeto)
    ON_COMMAND(ID_CIRCUITO_INCLUIR, OnCircuitoIncluir)
    ON_COMMAND(ID_CIRCUITO_CARACTERISTICAS, OnCircuitoCaracteristicas)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_CARACTERISTICAS, OnUpdateCircuito)
    ON_COMMAND(ID_CARGAS_MOTORES, OnCargasMotores)
    ON_UPDATE_COMMAND_UI(ID_CARGAS_MOTORES, OnUpdateNaoMotor)
    ON_COMMAND(ID_CARGAS_NAO_MOTOR, OnCargasNaoMotor)
    ON_UPDATE_COMMAND_UI(ID_CARGAS_NAO_MOTOR, OnUpdateCircuito)
    ON_COMMAND(ID_CIRCUITO_DISPOSITIVO_PROTECAO, OnCircuitoDispositivoProtecao)
    ON_UPDATE_COMMAND_UI(ID_CIRCUITO_DISPOSITIVO_PROTECAO, OnUpdateCircuito)
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

CLvsizeView::CLvsizeView() = default;

CLvsizeView::~CLvsizeView()
{
    delete m_pImageList;
}

int CLvsizeView::Create(UINT dwStyle)
{
    return CTreeView::Create(dwStyle | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
}

CLvsizeDoc* CLvsizeView::GetDocument() const
{
    return dynamic_cast<CLvsizeDoc*>(CView::GetDocument());
}

CDaoDatabase* CLvsizeView::Database() const
{
    CLvsizeDoc* doc = GetDocument();
    return doc ? doc->m_pDatabase : nullptr;
}

void CLvsizeView::MarcarModificado()
{
    if (CLvsizeDoc* doc = GetDocument())
        doc->SetModifiedFlag(true);
}

void CLvsizeView::OnInitialUpdate()
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
    if (CLvsizeAppBase* app = LvsizeApp()) {
        app->m_bClipboardHasCircuit = 0;
        app->FreeSplash();
    }
}

short CLvsizeView::GetItemSequencial(HTREEITEM hItem) const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    if (!hItem)
        hItem = tree.GetSelectedItem();
    if (!hItem)
        return 0;
    return static_cast<short>(tree.GetItemData(hItem));
}

HTREEITEM CLvsizeView::InserirItem(HTREEITEM hParent, const std::string& text, int image, short data)
{
    return GetTreeCtrl().InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM,
                                    zel::utf8::Sub(text, 0, kTextoMaximo), image, image, 0, 0,
                                    static_cast<LPARAM>(static_cast<unsigned short>(data)), hParent, TVI_LAST);
}

void CLvsizeView::Carregar_arvore(short pai, HTREEITEM hParent)
{
    std::set<short> visitados;
    if (pai != 0)
        visitados.insert(pai);
    bool ciclo = false;
    CarregarFilhos(pai, hParent, visitados, ciclo);
}

void CLvsizeView::CarregarFilhos(short pai, HTREEITEM hParent, std::set<short>& visitados, bool& cicloRelatado)
{
    CDaoDatabase* db = Database();
    if (!db)
        return;
    std::vector<LinhaCircuito> linhas;
    try {
        linhas = LerFilhos(db, pai);
    } catch (CDaoException& e) {
        ReportError("CLvsizeView::Carregar_arvore", &e);
        return;
    }
    for (const LinhaCircuito& l : linhas) {
        if (!visitados.insert(l.sequencial).second) {
            if (!cicloRelatado)
                RelatarCiclo("CLvsizeView::Carregar_arvore");
            cicloRelatado = true;
            continue;
        }
        HTREEITEM item = InserirItem(hParent, l.codigo, ImagemCircuito(l.corrente, l.motores), l.sequencial);
        CarregarFilhos(l.sequencial, item, visitados, cicloRelatado);
    }
}

void CLvsizeView::Atualiza_icone()
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    CDaoDatabase* db = Database();
    if (!item || !db)
        return;
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               FormatC("SELECT circuito_corrente_regime,(SELECT COUNT(*) FROM motor WHERE "
                                       "circuito_sequencial=circuito.circuito_sequencial) AS motor FROM circuito "
                                       "WHERE circuito_sequencial=%i",
                                       GetItemSequencial(item))
                                   .c_str());
        if (rs.IsEOF())
            return;
        float corrente = 0;
        long motores = 0;
        rs.GetFieldFloat("circuito_corrente_regime", corrente);
        rs.GetFieldLong("motor", motores);
        const int imagem = ImagemCircuito(corrente, motores);
        tree.SetItemImage(item, imagem, imagem);
    } catch (CDaoException& e) {
        ReportError("CLvsizeView::Atualiza_icone", &e);
    }
}

// --- Enabling ---------------------------------------------------------------------------------------------

bool CLvsizeView::CircuitoSelecionado() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    return item && tree.GetParentItem(item);
}

bool CLvsizeView::CircuitoTopoSelecionado() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    HTREEITEM pai = item ? tree.GetParentItem(item) : nullptr;
    return pai && !tree.GetParentItem(pai);
}

bool CLvsizeView::RaizTemFilhos() const
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM raiz = tree.GetRootItem();
    return raiz && tree.GetChildItem(raiz);
}

void CLvsizeView::OnUpdateProjeto(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(RaizTemFilhos());
}

void CLvsizeView::OnUpdateCircuito(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CircuitoSelecionado());
}

void CLvsizeView::OnUpdateCircuitoCopiar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CircuitoTopoSelecionado());
}

void CLvsizeView::OnUpdateCircuitoColar(CCmdUI* pCmdUI)
{
    const CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    const CLvsizeAppBase* app = LvsizeApp();
    pCmdUI->Enable(item && !tree.GetParentItem(item) && app && app->m_bClipboardHasCircuit);
}

// Asked at every idle pass: a failure only disables the item, it never shows a message.
void CLvsizeView::OnUpdateNaoMotor(CCmdUI* pCmdUI)
{
    bool habilitar = false;
    CDaoDatabase* db = Database();
    CDaoDatabase* ref = AppContext().m_pReferenceDb;
    if (CircuitoSelecionado() && db && ref) {
        try {
            CDaoRecordsetManual rs(
                db, dbOpenSnapshot,
                FormatC("SELECT sistema_codigo FROM circuito WHERE circuito_sequencial=%i", GetItemSequencial())
                    .c_str());
            if (!rs.IsEOF()) {
                BYTE sistema = 0;
                rs.GetFieldByte("sistema_codigo", sistema);
                CDaoRecordsetManual tipo(
                    ref, dbOpenSnapshot,
                    FormatC("SELECT sistema_tipo_codigo FROM sistema WHERE sistema_codigo=%i", sistema).c_str());
                if (!tipo.IsEOF()) {
                    BYTE t = 0;
                    tipo.GetFieldByte("sistema_tipo_codigo", t);
                    habilitar = t == 1 || t == 3;
                }
            }
        } catch (CDaoException&) {
            habilitar = false;
        }
    }
    pCmdUI->Enable(habilitar);
}

void CLvsizeView::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_LVSIZETYPE))
        return;
    if (CMenu* popup = menu.GetSubMenu(1))
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pWnd ? pWnd : this);
    menu.DestroyMenu();
}

void CLvsizeView::OnDblclk(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    if (CircuitoSelecionado())
        OnCircuitoCaracteristicas();
    else if (GetTreeCtrl().GetSelectedItem())
        OnProjetoDados();
    if (pResult)
        *pResult = 0;
}

void CLvsizeView::OnDestroy()
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (CImageList* list = tree.GetImageList(TVSIL_NORMAL)) {
        tree.SetImageList(nullptr, TVSIL_NORMAL);
        list->DeleteImageList();
    }
    delete m_pImageList;
    m_pImageList = nullptr;
}

CLvsizeView* GetActiveCircuitView()
{
    CWinApp* app = AfxGetApp();
    auto* frame = app ? dynamic_cast<CMDIFrameWnd*>(app->m_pMainWnd) : nullptr;
    CMDIChildWnd* child = frame ? frame->MDIGetActive() : nullptr;
    return child ? dynamic_cast<CLvsizeView*>(child->GetActiveView()) : nullptr;
}
