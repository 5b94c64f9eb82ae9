#pragma once
// The circuit tree of one Mvsize project: the commands both sizing programs carry (CCircuitTreeView), with
// Mvsize's icons (by the design current), its white background and the medium-voltage engine.

#include "CircuitTreeView.h"
#include "MvsizeDialogs.h"

class CMvsizeDoc;

// Tree images after the root: a circuit with a design current, a circuit without one.
enum : int {
    IMAGEM_COM_CORRENTE = 1,
    IMAGEM_SEM_CORRENTE = 2,
};
int ImagemCircuito(float corrente_projeto);

class CMvsizeView : public CCircuitTreeView {
public:
    CMvsizeView();

    void OnInitialUpdate() override;
    CMvsizeDoc* GetDocument() const;

    void Atualiza_icone() override;

    // The report window's title.
    static constexpr const char* kTituloRelatorio = "Vardek - MVSIZE 4.0";

protected:
    std::vector<ItemCircuito> LerFilhos(CDaoDatabase& db, short pai) override;
    CalculoCircuito DimensionarCircuito(short sequencial) override;
    CircuitDialogEntries& Dialogos() const override { return MvsizeDialogs(); }
    void DepoisDeIncluir(const CaracteristicasResposta& resposta) override;
    // The design current may have changed: the item's image follows it.
    void DepoisDeEditar() override { Atualiza_icone(); }
};
