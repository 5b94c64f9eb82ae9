#pragma once
// The circuit tree of one Lvsize project: the commands both sizing programs carry (CCircuitTreeView), and
// Lvsize's own: its icons (current and motors), the low-voltage engine, and the load, motor and
// protection-device dialogs chained after an include.

#include "CircuitTreeView.h"
#include "LvsizeDialogs.h"

class CLvsizeDoc;

// Tree images after the root: a circuit with current only, motors only, neither, both.
enum : int {
    IMAGEM_CORRENTE = 1,
    IMAGEM_MOTOR = 2,
    IMAGEM_NENHUM = 3,
    IMAGEM_AMBOS = 4,
};
int ImagemCircuito(float corrente_regime, long motores);

class CLvsizeView : public CCircuitTreeView {
public:
    CLvsizeView();

    CLvsizeDoc* GetDocument() const;

    void Atualiza_icone() override;

    // Lvsize's own commands.
    void OnCargasMotores();
    void OnCargasNaoMotor();
    void OnCircuitoDispositivoProtecao();

    // The report window's title.
    static constexpr const char* kTituloRelatorio = "Vardek - LVSIZE 4.0";

protected:
    std::vector<ItemCircuito> LerFilhos(CDaoDatabase& db, short pai) override;
    CalculoCircuito DimensionarCircuito(short sequencial) override;
    CircuitDialogEntries& Dialogos() const override { return LvsizeDialogs(); }
    void DepoisDeIncluir(const CaracteristicasResposta& resposta) override;

    void OnUpdateNaoMotor(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
