// The commands that change a project: include, edit, delete, copy and paste.
#include "MvsizeView.h"

#include "MvsizeDoc.h"
#include "MvsizeShared.h"

#include "AppContext.h"
#include "CircuitoArvore.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogRunner.h"
#include "ErrorReporter.h"
#include "SqlValue.h"

#include <cerrno>
#include <map>
#include <set>

namespace {

// The rows that belong to a circuit besides its own: its stored answers (Mvsize has no loads or motors).
constexpr const char* kTabelasDependentes[] = {"circuito_x_tabela_selecao"};

int Abrir(const std::function<int()>& entrada, const char* nome)
{
    return entrada ? entrada() : DialogoAusente(nome);
}

}  // namespace

// --- Dialog commands --------------------------------------------------------------------------------------

void CMvsizeView::OnCircuitoIncluir()
{
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM pai = tree.GetSelectedItem();
    if (!pai)
        return;
    CaracteristicasPedido pedido{1, GetItemSequencial(pai)};
    CaracteristicasResposta resposta;
    const auto& entrada = MvsizeDialogs().caracteristicas;
    const int r = entrada ? entrada(pedido, resposta) : DialogoAusente("CCaracteristicas");
    if (r != IDOK)
        return;
    // The item only for a row that was written.
    CDaoDatabase* db = Database();
    bool existe = false;
    if (db) {
        try {
            CDaoRecordsetManual rs(
                db, dbOpenSnapshot,
                FormatC("SELECT circuito_sequencial FROM circuito WHERE circuito_sequencial=%i", resposta.sequencialNovo)
                    .c_str());
            existe = !rs.IsEOF();
        } catch (CDaoException& e) {
            ReportError("CMvsizeView::OnCircuitoIncluir", &e);
        }
    }
    if (!existe)
        return;
    HTREEITEM item = InserirItem(pai, resposta.codigo, IMAGEM_SEM_CORRENTE, resposta.sequencialNovo);
    tree.SelectItem(item);
    MarcarModificado();
    Atualiza_icone();
    OnCircuitoDimensionamentoEconomico();
}

void CMvsizeView::OnCircuitoCaracteristicas()
{
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    if (!item)
        return;
    CaracteristicasPedido pedido{0, GetItemSequencial(item)};
    CaracteristicasResposta resposta;
    const auto& entrada = MvsizeDialogs().caracteristicas;
    const int r = entrada ? entrada(pedido, resposta) : DialogoAusente("CCaracteristicas");
    if (r != IDOK)
        return;
    tree.SetItemText(item, resposta.codigo);
    MarcarModificado();
}

void CMvsizeView::OnCircuitoDimensionamentoEconomico()
{
    CWaitCursor wait;
    if (Abrir(MvsizeDialogs().dimensionamentoEconomico, "CDimensionamento_economico") == IDOK)
        MarcarModificado();
}

void CMvsizeView::OnProjetoDados()
{
    CWaitCursor wait;
    if (Abrir(MvsizeDialogs().projetoDados, "CProjeto_dados") == IDOK)
        MarcarModificado();
}

// --- Ancestors and subtrees -------------------------------------------------------------------------------

void CMvsizeView::InvalidarPais(short sequencial)
{
    CDaoDatabase* db = Database();
    if (!db)
        return;
    if (const auto& entrada = MvsizeDialogs().invalidarCalculoPais) {
        entrada(*db, sequencial);
        return;
    }
    std::set<short> visitados{sequencial};
    short atual = sequencial;
    for (;;) {
        CDaoRecordsetManual rs(
            db, dbOpenSnapshot,
            FormatC("SELECT circuito_sequencial_pai FROM circuito WHERE circuito_sequencial=%i", atual).c_str());
        if (rs.IsEOF() || rs.GetFieldValue("circuito_sequencial_pai").IsNull())
            return;
        short pai = 0;
        rs.GetFieldShort("circuito_sequencial_pai", pai);
        if (!visitados.insert(pai).second)
            throw CDaoException::Layer(AFX_DAO_ERROR_ENGINE_INITIALIZATION,
                                       FormatC("circuitos em ciclo (circuito %i)", pai));
        db->Execute(FormatC("UPDATE circuito SET circuito_calculado=0 WHERE circuito_sequencial=%i", pai));
        atual = pai;
    }
}

std::vector<short> CMvsizeView::Subarvore(CDaoDatabase& db, short sequencial)
{
    return SubarvoreCircuitos(db, sequencial);
}

// --- Delete ----------------------------------------------------------------------------------------------

void CMvsizeView::OnCircuitoExcluir()
{
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    if (!item || !tree.GetParentItem(item))
        return;
    if (AfxMessageBox(FormatC("Confirma exclusão do circuito %s ?", tree.GetItemText(item).c_str()),
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CDaoDatabase* db = Database();
    const short sequencial = GetItemSequencial(item);
    try {
        if (!db)
            throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "projeto sem banco de trabalho");
        CDaoTransaction trans(*db);
        InvalidarPais(sequencial);
        // The whole subtree with everything that belongs to it: nothing is left that no tree shows.
        ExcluirSubarvore(*db, sequencial, kTabelasDependentes);
        trans.Commit();
    } catch (CDaoException& e) {
        ReportError("CMvsizeView::OnCircuitoExcluir", &e);
        return;
    }
    tree.DeleteItem(item);
    MarcarModificado();
}

// --- Copy ------------------------------------------------------------------------------------------------

int CMvsizeView::CircuitoCopiarFilhos(short sequencial)
{
    CMvsizeAppBase* app = MvsizeApp();
    CDaoDatabase* db = Database();
    if (!app || !app->m_pClipboardDb || !db)
        return FALSE;
    const std::string area = app->m_pClipboardDb->GetName();
    try {
        CopiarSubarvore(*db, area, sequencial, kTabelasDependentes);
    } catch (CDaoException& e) {
        ReportError("CMvsizeView::CircuitoCopiar", &e);
        return FALSE;
    }
    return TRUE;
}

void CMvsizeView::OnCircuitoCopiar()
{
    CWaitCursor wait;
    CMvsizeAppBase* app = MvsizeApp();
    if (!app || !app->m_pClipboardDb || !CircuitoTopoSelecionado())
        return;
    // A partial clipboard must never be offered for pasting.
    app->m_bClipboardHasCircuit = 0;
    if (CircuitoCopiarFilhos(GetItemSequencial()))
        app->m_bClipboardHasCircuit = 1;
}

// --- Paste -----------------------------------------------------------------------------------------------

std::string CMvsizeView::CodigoLivre(const std::string& codigo)
{
    return CodigoCircuitoLivre(Database(), codigo);
}

void CMvsizeView::OnCircuitoColar()
{
    CWaitCursor wait;
    CMvsizeAppBase* app = MvsizeApp();
    CDaoDatabase* db = Database();
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM raiz = tree.GetSelectedItem();
    if (!app || !app->m_pClipboardDb || !app->m_bClipboardHasCircuit || !raiz || tree.GetParentItem(raiz))
        return;
    CDaoDatabase* area = app->m_pClipboardDb;
    short topo = 0;
    try {
        if (!db)
            throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "projeto sem banco de trabalho");
        topo = ColarSubarvore(*db, *area, kTabelasDependentes);
    } catch (CDaoException& e) {
        ReportError("CMvsizeView::OnCircuitoColar", &e);
        return;
    }
    std::string texto;
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               FormatC("SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=%i", topo).c_str());
        if (!rs.IsEOF())
            rs.GetFieldString("circuito_codigo", texto);
    } catch (CDaoException& e) {
        ReportError("CMvsizeView::OnCircuitoColar", &e);
    }
    HTREEITEM item = InserirItem(raiz, texto, IMAGEM_ORIGEM, topo);
    tree.SelectItem(item);
    Atualiza_icone();
    Carregar_arvore(topo, item);
    MarcarModificado();
}
