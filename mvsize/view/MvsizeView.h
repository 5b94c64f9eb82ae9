#pragma once
// The circuit tree of one Mvsize project under the root "Origem", and its project and circuit commands:
// include, edit, delete, copy and paste (the tree and the modified flag kept in step), sizing one circuit or
// the whole project with the medium-voltage engine, and the circuit and project reports.

#include "Frame.h"
#include "MvsizeDialogs.h"

#include <set>
#include <string>
#include <vector>

class CDaoDatabase;
class CMvsizeDoc;
class CMvsizeAppBase;
class Crystal;
struct CrystalPrintOptions;

// Tree images: the root, a circuit with a design current, a circuit without one.
enum : int {
    IMAGEM_ORIGEM = 0,
    IMAGEM_COM_CORRENTE = 1,
    IMAGEM_SEM_CORRENTE = 2,
};
int ImagemCircuito(float corrente_projeto);

class CMvsizeView : public CTreeView {
public:
    CMvsizeView();
    ~CMvsizeView() override;

    int Create(UINT dwStyle) override;
    void OnInitialUpdate() override;

    CMvsizeDoc* GetDocument() const;

    // The circuit key an item holds; a null item means the selected one (the root gives 0).
    short GetItemSequencial(HTREEITEM hItem = nullptr) const;
    HTREEITEM InserirItem(HTREEITEM hParent, const std::string& text, int image, short data);
    void Atualiza_icone();
    void Carregar_arvore(short pai, HTREEITEM hParent);

    // Commands (reached through the message map; public for the program's wiring and the tests).
    void OnProjetoDados();
    void OnProjetoCalcular();
    void OnProjetoImprimir();
    void OnCircuitoIncluir();
    void OnCircuitoCaracteristicas();
    void OnCircuitoDimensionamentoEconomico();
    void OnCircuitoExcluir();
    void OnCircuitoCopiar();
    void OnCircuitoColar();
    void OnCircuitoCalcular();
    void OnCircuitoImprimir();

    // Sizing and reports: flag 1 previews, 0 prints.
    void CircuitoCalcular(int bVisualizar);
    void ProjetoCalcular(int bVisualizar);

    // The report window's title and the message shown when no printer is installed.
    static constexpr const char* kTituloRelatorio = "Vardek - MVSIZE 4.0";
    static constexpr const char* kSemImpressora =
        "Para gerar o relatório é necessário ter uma impressora instalada. Instale o driver de uma impressora "
        "e tente novamente.";

    // Copies a circuit and, depth first, all its descendants into the clipboard database; FALSE on failure.
    int CircuitoCopiarFilhos(short sequencial);
    // A code that no top-level circuit has: the code itself, else the code followed by 1, 2, ...
    std::string CodigoLivre(const std::string& codigo);

    // Enable rules, also read by the tests.
    bool CircuitoSelecionado() const;
    bool CircuitoTopoSelecionado() const;
    bool RaizTemFilhos() const;

protected:
    void OnUpdateProjeto(CCmdUI* pCmdUI);
    void OnUpdateCircuito(CCmdUI* pCmdUI);
    void OnUpdateCircuitoCopiar(CCmdUI* pCmdUI);
    void OnUpdateCircuitoColar(CCmdUI* pCmdUI);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CDaoDatabase* Database() const;
    void MarcarModificado();
    void CarregarFilhos(short pai, HTREEITEM hParent, std::set<short>& visitados, bool& cicloRelatado);
    // Marks every ancestor of a circuit not calculated (through the circuit dialogs' own when wired).
    void InvalidarPais(short sequencial);
    // The keys of a circuit's subtree, the circuit first, each before its children.
    std::vector<short> Subarvore(CDaoDatabase& db, short sequencial);
    std::string LinhaEmpresa() const;
    // The part both reports share once their formulas are set: printer, orientation, output, start.
    void Emitir(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                short copias);

    CImageList* m_pImageList = nullptr;
};

// The active view of the main frame's active child frame, or null.
CMvsizeView* GetActiveCircuitView();
