// The commands that change a project: include, edit, delete, copy and paste.
#include "LvsizeView.h"

#include "LvsizeDoc.h"
#include "LvsizeShared.h"

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

constexpr const char* kTabelasDependentes[] = {"circuito_x_tabela_selecao", "carga", "motor"};

int Abrir(const std::function<int()>& entrada, const char* nome)
{
    return entrada ? entrada() : DialogoAusente(nome);
}

}  // namespace

// --- Dialog commands --------------------------------------------------------------------------------------

void CLvsizeView::OnCircuitoIncluir()
{
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM pai = tree.GetSelectedItem();
    if (!pai)
        return;
    CaracteristicasPedido pedido{1, GetItemSequencial(pai)};
    CaracteristicasResposta resposta;
    const auto& entrada = LvsizeDialogs().caracteristicas;
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
            ReportError("CLvsizeView::OnCircuitoIncluir", &e);
        }
    }
    if (!existe)
        return;
    HTREEITEM item = InserirItem(pai, resposta.codigo, IMAGEM_NENHUM, resposta.sequencialNovo);
    tree.SelectItem(item);
    MarcarModificado();
    if (resposta.cargaNaoMotor)
        OnCargasNaoMotor();
    if (resposta.motor)
        OnCargasMotores();
    OnCircuitoDispositivoProtecao();
    OnCircuitoDimensionamentoEconomico();
}

void CLvsizeView::OnCircuitoCaracteristicas()
{
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetSelectedItem();
    if (!item)
        return;
    CaracteristicasPedido pedido{0, GetItemSequencial(item)};
    CaracteristicasResposta resposta;
    const auto& entrada = LvsizeDialogs().caracteristicas;
    const int r = entrada ? entrada(pedido, resposta) : DialogoAusente("CCaracteristicas");
    if (r != IDOK)
        return;
    tree.SetItemText(item, resposta.codigo);
    MarcarModificado();
}

void CLvsizeView::OnCargasNaoMotor()
{
    CWaitCursor wait;
    if (Abrir(LvsizeDialogs().cargaCorrente, "CCarga_corrente") != IDOK)
        return;
    Atualiza_icone();
    MarcarModificado();
}

void CLvsizeView::OnCargasMotores()
{
    CWaitCursor wait;
    if (Abrir(LvsizeDialogs().cargaMotor, "CCarga_motor") != IDOK)
        return;
    Atualiza_icone();
    MarcarModificado();
}

void CLvsizeView::OnCircuitoDispositivoProtecao()
{
    CWaitCursor wait;
    if (Abrir(LvsizeDialogs().dispositivoProtecao, "CDispositivo_protecao") == IDOK)
        MarcarModificado();
}

void CLvsizeView::OnCircuitoDimensionamentoEconomico()
{
    CWaitCursor wait;
    if (Abrir(LvsizeDialogs().dimensionamentoEconomico, "CDimensionamento_economico") == IDOK)
        MarcarModificado();
}

void CLvsizeView::OnProjetoDados()
{
    CWaitCursor wait;
    if (Abrir(LvsizeDialogs().projetoDados, "CProjeto_dados") == IDOK)
        MarcarModificado();
}

// --- Ancestors and subtrees -------------------------------------------------------------------------------

void CLvsizeView::InvalidarPais(short sequencial)
{
    CDaoDatabase* db = Database();
    if (!db)
        return;
    if (const auto& entrada = LvsizeDialogs().invalidarCalculoPais) {
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

std::vector<short> CLvsizeView::Subarvore(CDaoDatabase& db, short sequencial)
{
    return SubarvoreCircuitos(db, sequencial);
}

// --- Delete ----------------------------------------------------------------------------------------------

void CLvsizeView::OnCircuitoExcluir()
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
        ReportError("CLvsizeView::OnCircuitoExcluir", &e);
        return;
    }
    tree.DeleteItem(item);
    MarcarModificado();
}

// --- Copy ------------------------------------------------------------------------------------------------

int CLvsizeView::CircuitoCopiarFilhos(short sequencial)
{
    CLvsizeAppBase* app = LvsizeApp();
    CDaoDatabase* db = Database();
    if (!app || !app->m_pClipboardDb || !db)
        return FALSE;
    const std::string area = app->m_pClipboardDb->GetName();
    try {
        CopiarSubarvore(*db, area, sequencial, kTabelasDependentes);
    } catch (CDaoException& e) {
        ReportError("CLvsizeView::CircuitoCopiar", &e);
        return FALSE;
    }
    return TRUE;
}

void CLvsizeView::OnCircuitoCopiar()
{
    CWaitCursor wait;
    CLvsizeAppBase* app = LvsizeApp();
    if (!app || !app->m_pClipboardDb || !CircuitoTopoSelecionado())
        return;
    // A partial clipboard must never be offered for pasting.
    app->m_bClipboardHasCircuit = 0;
    if (CircuitoCopiarFilhos(GetItemSequencial()))
        app->m_bClipboardHasCircuit = 1;
}

// --- Paste -----------------------------------------------------------------------------------------------

std::string CLvsizeView::CodigoLivre(const std::string& codigo)
{
    return CodigoCircuitoLivre(Database(), codigo);
}

void CLvsizeView::OnCircuitoColar()
{
    CWaitCursor wait;
    CLvsizeAppBase* app = LvsizeApp();
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
        ReportError("CLvsizeView::OnCircuitoColar", &e);
        return;
    }
    std::string texto;
    try {
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               FormatC("SELECT circuito_codigo FROM circuito WHERE circuito_sequencial=%i", topo).c_str());
        if (!rs.IsEOF())
            rs.GetFieldString("circuito_codigo", texto);
    } catch (CDaoException& e) {
        ReportError("CLvsizeView::OnCircuitoColar", &e);
    }
    HTREEITEM item = InserirItem(raiz, texto, IMAGEM_AMBOS, topo);
    tree.SelectItem(item);
    Atualiza_icone();
    Carregar_arvore(topo, item);
    MarcarModificado();
}
