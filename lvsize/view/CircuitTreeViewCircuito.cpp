// The commands that change a project: include, edit, delete, copy and paste, and the dialogs both
// programs open on a circuit or the project.
#include "CircuitTreeView.h"

#include "SizingShared.h"

#include "CircuitoArvore.h"
#include "AppContext.h"
#include "DaoDatabase.h"
#include "DaoException.h"
#include "DaoRecordsetManual.h"
#include "DialogRunner.h"
#include "ErrorReporter.h"
#include "MessageService.h"
#include "SqlValue.h"

int AbrirDialogo(const std::function<int()>& entrada, const char* nome)
{
    return entrada ? entrada() : DialogoAusente(nome);
}

// --- Dialog commands --------------------------------------------------------------------------------------

int CCircuitTreeView::AbrirCaracteristicas(int modo, HTREEITEM item, CaracteristicasResposta& resposta)
{
    const CaracteristicasPedido pedido{modo, GetItemSequencial(item)};
    const auto& entrada = Dialogos().caracteristicas;
    return entrada ? entrada(pedido, resposta) : DialogoAusente("CCaracteristicas");
}

void CCircuitTreeView::OnCircuitoIncluir()
{
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM pai = tree.GetSelectedItem();
    CaracteristicasResposta resposta;
    if (!pai || AbrirCaracteristicas(1, pai, resposta) != IDOK)
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
            ReportError(Local("OnCircuitoIncluir").c_str(), &e);
        }
    }
    if (!existe)
        return;
    HTREEITEM item = InserirItem(pai, resposta.codigo, m_traits.imagemNova, resposta.sequencialNovo);
    tree.SelectItem(item);
    MarcarModificado();
    DepoisDeIncluir(resposta);
    OnCircuitoDimensionamentoEconomico();
}

void CCircuitTreeView::OnCircuitoCaracteristicas()
{
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    CaracteristicasResposta resposta;
    if (!item || AbrirCaracteristicas(0, item, resposta) != IDOK)
        return;
    tree.SetItemText(item, resposta.codigo);
    MarcarModificado();
    DepoisDeEditar();
}

void CCircuitTreeView::OnCircuitoDimensionamentoEconomico()
{
    CWaitCursor wait;
    if (AbrirDialogo(Dialogos().dimensionamentoEconomico, "CDimensionamento_economico") == IDOK)
        MarcarModificado();
}

void CCircuitTreeView::OnProjetoDados()
{
    CWaitCursor wait;
    if (AbrirDialogo(Dialogos().projetoDados, "CProjeto_dados") == IDOK)
        MarcarModificado();
}

// --- Ancestors --------------------------------------------------------------------------------------------

void CCircuitTreeView::InvalidarPais(short sequencial)
{
    CDaoDatabase* db = Database();
    if (!db)
        return;
    if (const auto& entrada = Dialogos().invalidarCalculoPais) {
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

// --- Delete ----------------------------------------------------------------------------------------------

void CCircuitTreeView::OnCircuitoExcluir()
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
        ExcluirSubarvore(*db, sequencial, m_traits.tabelasDependentes);
        trans.Commit();
    } catch (CDaoException& e) {
        ReportError(Local("OnCircuitoExcluir").c_str(), &e);
        return;
    }
    tree.DeleteItem(item);
    MarcarModificado();
}

// --- Copy ------------------------------------------------------------------------------------------------

int CCircuitTreeView::CircuitoCopiarFilhos(short sequencial)
{
    CSizingAppBase* app = SizingApp();
    CDaoDatabase* db = Database();
    if (!app || !app->m_pClipboardDb || !db)
        return FALSE;
    const std::string area = app->m_pClipboardDb->GetName();
    try {
        CopiarSubarvore(*db, area, sequencial, m_traits.tabelasDependentes);
    } catch (CDaoException& e) {
        ReportError(Local("CircuitoCopiar").c_str(), &e);
        return FALSE;
    }
    return TRUE;
}

void CCircuitTreeView::OnCircuitoCopiar()
{
    CWaitCursor wait;
    CSizingAppBase* app = SizingApp();
    if (!app || !app->m_pClipboardDb || !CircuitoTopoSelecionado())
        return;
    // A partial clipboard must never be offered for pasting.
    app->m_bClipboardHasCircuit = 0;
    if (CircuitoCopiarFilhos(GetItemSequencial()))
        app->m_bClipboardHasCircuit = 1;
}

// --- Paste -----------------------------------------------------------------------------------------------

std::string CCircuitTreeView::CodigoLivre(const std::string& codigo)
{
    return CodigoCircuitoLivre(Database(), codigo);
}

void CCircuitTreeView::OnCircuitoColar()
{
    CWaitCursor wait;
    CSizingAppBase* app = SizingApp();
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
        topo = ColarSubarvore(*db, *area, m_traits.tabelasDependentes);
    } catch (CDaoException& e) {
        ReportError(Local("OnCircuitoColar").c_str(), &e);
        return;
    }
    std::string texto;
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               FormatC("SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=%i", topo).c_str());
        if (!rs.IsEOF())
            rs.GetFieldString("circuito_codigo", texto);
    } catch (CDaoException& e) {
        ReportError(Local("OnCircuitoColar").c_str(), &e);
    }
    HTREEITEM item = InserirItem(raiz, texto, m_traits.imagemColada, topo);
    tree.SelectItem(item);
    Atualiza_icone();
    Carregar_arvore(topo, item);
    MarcarModificado();
}
