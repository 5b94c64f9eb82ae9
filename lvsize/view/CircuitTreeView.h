#pragma once
// The circuit tree of one project under the root "Origem", and the project and circuit commands both
// sizing programs carry: include, edit, delete, copy and paste (the tree and the modified flag kept in
// step), the economic-sizing and project-data dialogs, sizing one circuit or the whole project, and the
// circuit and project reports. Lvsize's and Mvsize's views derive from it and add what differs: the tree
// icons, the sizing engine, the dialogs chained after an include, and Lvsize's load and device commands.

#include "CircuitDialogs.h"
#include "Frame.h"

#include <set>
#include <span>
#include <string>
#include <vector>

class CDaoDatabase;
class CProjectDocument;
class Crystal;
struct CrystalPrintOptions;

// The root's image; each program numbers its circuit images after it.
enum : int { IMAGEM_ORIGEM = 0 };

// What tells one program's tree from the other's.
struct CircuitTreeTraits {
    const char* classe;           // the view's class, named in error reports ("CLvsizeView")
    const char* tituloRelatorio;  // the report window's title
    int imagemNova;               // an included circuit's image until the dialogs have said more
    int imagemColada;             // a pasted circuit's image until Atualiza_icone has read it
    // The rows that belong to a circuit besides its own (deleted, copied and pasted with it).
    std::span<const char* const> tabelasDependentes;
};

// One circuit as the engine left it for the commands.
struct CalculoCircuito {
    bool ok = false;         // sized (or already calculated)
    std::string codigo;      // the circuit's code
    std::string erro;        // the engine's text when not sized
    bool relatorio = true;   // a report may be printed for it
};

class CCircuitTreeView : public CTreeView {
public:
    ~CCircuitTreeView() override;

    int Create(UINT dwStyle) override;
    void OnInitialUpdate() override;

    // The circuit key an item holds; a null item means the selected one (the root gives 0).
    short GetItemSequencial(HTREEITEM hItem = nullptr) const;
    HTREEITEM InserirItem(HTREEITEM hParent, const std::string& text, int image, short data);
    // Re-reads the selected circuit and sets its image by the program's icon rule.
    virtual void Atualiza_icone() = 0;
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

    // The message shown when no printer is installed.
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
    explicit CCircuitTreeView(const CircuitTreeTraits& traits);

    // One child of a circuit as the tree shows it.
    struct ItemCircuito {
        short sequencial = 0;
        std::string codigo;
        int imagem = 0;
    };
    // The children of a circuit (0: the top-level circuits) in the database's order; throws CDaoException.
    virtual std::vector<ItemCircuito> LerFilhos(CDaoDatabase& db, short pai) = 0;
    // Sizes one circuit with the program's engine.
    virtual CalculoCircuito DimensionarCircuito(short sequencial) = 0;
    virtual CircuitDialogEntries& Dialogos() const = 0;
    // The program's dialogs chained after a circuit's characteristics were included (its item selected);
    // the economic-sizing dialog follows them.
    virtual void DepoisDeIncluir(const CaracteristicasResposta& resposta) = 0;
    // After an edit of the selected circuit's characteristics was confirmed (its item renamed).
    virtual void DepoisDeEditar() {}

    void OnUpdateProjeto(CCmdUI* pCmdUI);
    void OnUpdateCircuito(CCmdUI* pCmdUI);
    void OnUpdateCircuitoCopiar(CCmdUI* pCmdUI);
    void OnUpdateCircuitoColar(CCmdUI* pCmdUI);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CProjectDocument* Documento() const;
    CDaoDatabase* Database() const;
    void MarcarModificado();
    // "CLvsizeView::metodo": an error report's location.
    std::string Local(const char* metodo) const;

private:
    // The characteristics dialog on an item (include: under it; edit: of it); IDOK with the answer.
    int AbrirCaracteristicas(int modo, HTREEITEM item, CaracteristicasResposta& resposta);
    void CarregarFilhos(short pai, HTREEITEM hParent, std::set<short>& visitados, bool& cicloRelatado);
    // Marks every ancestor of a circuit not calculated (through the circuit dialogs' own when wired).
    void InvalidarPais(short sequencial);
    std::string LinhaEmpresa() const;
    // The part both reports share once their formulas are set: printer, orientation, output, start.
    void Emitir(Crystal& job, int bVisualizar, short orientacao, const CrystalPrintOptions& opcoes,
                short copias);

    CircuitTreeTraits m_traits;
    CImageList* m_pImageList = nullptr;
};

// The active view of the main frame's active child frame, or null.
CCircuitTreeView* GetActiveCircuitView();
