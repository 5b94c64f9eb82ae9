// The commands that change a project: include, edit, delete, copy and paste.
#include "MvsizeView.h"

#include "MvsizeDoc.h"
#include "MvsizeShared.h"

#include "AppContext.h"
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

std::string Lista(const std::vector<std::string>& cols)
{
    std::string s;
    for (const auto& c : cols)
        s += (s.empty() ? "" : ",") + c;
    return s;
}

// The target's columns that the other database's table also has (one made from an older template).
std::vector<std::string> ColunasComuns(CDaoDatabase& db, const std::string& tabela, const std::string& alias)
{
    const std::vector<std::string> outras = db.TableColumns(tabela, alias);
    std::vector<std::string> comuns;
    for (const auto& c : db.TableColumns(tabela, "main"))
        for (const auto& o : outras)
            if (o == c) {
                comuns.push_back(c);
                break;
            }
    return comuns;
}

std::string Substituir(const std::vector<std::string>& cols, const std::map<std::string, std::string>& troca)
{
    std::string s;
    for (const auto& c : cols) {
        auto it = troca.find(c);
        s += (s.empty() ? "" : ",") + (it == troca.end() ? c : it->second);
    }
    return s;
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
    std::vector<short> chaves{sequencial};
    std::set<short> visitados{sequencial};
    for (size_t i = 0; i < chaves.size(); ++i) {
        std::vector<short> filhos;
        {
            CDaoRecordsetManual rs(
                &db, dbOpenSnapshot,
                FormatC("SELECT circuito_sequencial FROM circuito WHERE circuito_sequencial_pai=%i", chaves[i]).c_str());
            for (; !rs.IsEOF(); rs.MoveNext()) {
                short k = 0;
                rs.GetFieldShort("circuito_sequencial", k);
                filhos.push_back(k);
            }
        }
        // Each circuit right before its own children: insert them after the parent's position.
        size_t pos = i + 1;
        for (short k : filhos) {
            if (!visitados.insert(k).second)
                throw CDaoException::Layer(AFX_DAO_ERROR_ENGINE_INITIALIZATION,
                                           FormatC("circuitos em ciclo (circuito %i)", k));
            chaves.insert(chaves.begin() + static_cast<long>(pos++), k);
        }
    }
    return chaves;
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
        for (short k : Subarvore(*db, sequencial)) {
            for (const char* tabela : kTabelasDependentes)
                db->Execute(FormatC("DELETE FROM %s WHERE circuito_sequencial=%i", tabela, k));
            db->Execute(FormatC("DELETE FROM circuito_impressao WHERE circuito_sequencial=%i", k));
            db->Execute(FormatC("DELETE FROM circuito WHERE circuito_sequencial=%i", k));
        }
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
        CDaoAttachment anexo(*db, area);
        CDaoTransaction trans(*db);
        for (const char* tabela : {"circuito", "circuito_x_tabela_selecao", "circuito_impressao"})
            db->DeleteFromOther(area, tabela);
        for (short k : Subarvore(*db, sequencial)) {
            db->InsertIntoOther(area, "circuito", "WHERE circuito_sequencial=?", {std::int64_t{k}});
            db->InsertIntoOther(area, "circuito_x_tabela_selecao", "WHERE circuito_sequencial=?", {std::int64_t{k}});
        }
        trans.Commit();
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
    CDaoDatabase* db = Database();
    for (int n = 0; n <= 9998; ++n) {
        const std::string candidato = n == 0 ? codigo : codigo + FormatC("%i", n);
        CDaoRecordsetManual rs(db, dbOpenSnapshot,
                               "SELECT circuito_codigo FROM circuito WHERE circuito_codigo=? AND "
                               "circuito_sequencial_pai is NULL",
                               {candidato});
        if (rs.IsEOF())
            return candidato;
    }
    return {};
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
    std::string codigo;
    try {
        if (!db)
            throw CDaoException::Layer(AFX_DAO_ERROR_OBJECT_NOT_OPEN, "projeto sem banco de trabalho");
        // The clipboard's circuits in their stored order; the top one first (the copy wrote it first).
        struct Linha {
            short chave, pai;
            bool topo;
        };
        std::vector<Linha> linhas;
        {
            CDaoRecordsetManual rs(area, dbOpenSnapshot,
                                   "SELECT circuito_sequencial,circuito_sequencial_pai,circuito_codigo FROM circuito");
            for (; !rs.IsEOF(); rs.MoveNext()) {
                Linha l{0, 0, rs.GetFieldValue("circuito_sequencial_pai").IsNull()};
                rs.GetFieldShort("circuito_sequencial", l.chave);
                if (!l.topo)
                    rs.GetFieldShort("circuito_sequencial_pai", l.pai);
                if (l.topo && codigo.empty() && linhas.empty())
                    rs.GetFieldString("circuito_codigo", codigo);
                linhas.push_back(l);
            }
        }
        if (linhas.empty() || !linhas.front().topo)
            throw CDaoException::Layer(AFX_DAO_ERROR_ENGINE_INITIALIZATION, "área de transferência vazia");
        const std::string novoCodigo = CodigoLivre(codigo);
        long maximo = 0;
        {
            CDaoRecordsetManual rs(db, dbOpenSnapshot, "SELECT MAX(circuito_sequencial) AS maximo FROM circuito");
            if (!rs.IsEOF() && !rs.GetFieldValue("maximo").IsNull())
                maximo = static_cast<long>(rs.GetFieldValue("maximo").AsDouble());
        }
        // Old key to new: the top circuit m+1, then depth first, each circuit before its children.
        std::map<short, short> novo;
        std::vector<short> ordem;
        std::multimap<short, short> filhos;
        for (const Linha& l : linhas)
            if (!l.topo)
                filhos.emplace(l.pai, l.chave);
        std::vector<short> pilha{linhas.front().chave};
        while (!pilha.empty()) {
            const short k = pilha.back();
            pilha.pop_back();
            if (novo.count(k))
                continue;  // a loop in the clipboard: each circuit once
            novo[k] = static_cast<short>(maximo + 1 + static_cast<long>(ordem.size()));
            ordem.push_back(k);
            auto faixa = filhos.equal_range(k);
            std::vector<short> fs;
            for (auto it = faixa.first; it != faixa.second; ++it)
                fs.push_back(it->second);
            for (auto it = fs.rbegin(); it != fs.rend(); ++it)
                pilha.push_back(*it);
        }
        topo = novo[linhas.front().chave];

        CDaoAttachment anexo(*db, area->GetName());
        const std::string a = anexo.Alias();
        CDaoTransaction trans(*db);
        const std::vector<std::string> colsCircuito = ColunasComuns(*db, "circuito", a);
        for (short antigo : ordem) {
            const bool ehTopo = antigo == linhas.front().chave;
            short paiNovo = 0;
            for (const Linha& l : linhas)
                if (l.chave == antigo && !l.topo)
                    paiNovo = novo.count(l.pai) ? novo[l.pai] : 0;
            std::map<std::string, std::string> troca{{"circuito_sequencial", "?"},
                                                     {"circuito_sequencial_pai", "?"},
                                                     {"circuito_calculado", "0"}};
            if (ehTopo)
                troca["circuito_codigo"] = "?";
            // The parameters in the order of the columns they replace, then the old key.
            SqlParams params;
            for (const auto& c : colsCircuito) {
                if (c == "circuito_sequencial")
                    params.push_back(std::int64_t{novo[antigo]});
                else if (c == "circuito_sequencial_pai")
                    params.push_back(ehTopo || paiNovo == 0 ? SqlValue{nullptr} : SqlValue{std::int64_t{paiNovo}});
                else if (c == "circuito_codigo" && ehTopo)
                    params.push_back(novoCodigo);
            }
            params.push_back(std::int64_t{antigo});
            db->Execute("INSERT INTO main.circuito (" + Lista(colsCircuito) + ") SELECT " +
                            Substituir(colsCircuito, troca) + " FROM " + a + ".circuito WHERE circuito_sequencial=?",
                        params);
            for (const char* tabela : kTabelasDependentes) {
                const std::vector<std::string> cols = ColunasComuns(*db, tabela, a);
                db->Execute("INSERT INTO main." + std::string(tabela) + " (" + Lista(cols) + ") SELECT " +
                                Substituir(cols, {{"circuito_sequencial", "?"}}) + " FROM " + a + "." + tabela +
                                " WHERE circuito_sequencial=?",
                            {std::int64_t{novo[antigo]}, std::int64_t{antigo}});
            }
        }
        trans.Commit();
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
