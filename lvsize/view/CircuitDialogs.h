#pragma once
// How a circuit tree's commands open the dialogs both sizing programs have: each by its class, through one
// entry here. The program wires its dialog classes in at start-up; tests put scripted doubles in their
// place. An entry left empty tells the user that the dialog is missing from this build (DialogoAusente).

#include "DialogoAusente.h"

#include <functional>
#include <string>

class CDaoDatabase;

// What the characteristics dialog (CCaracteristicas) is given and offers after OK.
struct CaracteristicasPedido {
    int modo = 0;           // include 1, edit 0
    short sequencial = 0;   // edit: the circuit; include: the parent (0 for the root)
};
struct CaracteristicasResposta {
    std::string codigo;         // the circuit's code
    short sequencialNovo = 0;   // include: the new circuit's key
    int cargaNaoMotor = 0;      // Lvsize: "Circuito contém car&ga(s) não motor"
    int motor = 0;              // Lvsize: "Circuito contém &motor(es)"
};
// What the print-options dialog (CImpressao) yields after OK.
struct ImpressaoResposta {
    int intervalo = 0;  // a page range was chosen
    int de = 0, ate = 0;
    int copias = 1;
};

struct CircuitDialogEntries {
    std::function<int(const CaracteristicasPedido&, CaracteristicasResposta&)> caracteristicas;
    std::function<int()> dimensionamentoEconomico;  // CDimensionamento_economico
    std::function<int()> projetoDados;              // CProjeto_dados
    std::function<int()> empresa;                   // CEmpresa
    std::function<int(ImpressaoResposta&)> impressao;  // CImpressao
    // Marks a circuit's ancestors not calculated inside the caller's transaction (throws CDaoException);
    // empty: the view's own walk up the parents.
    std::function<void(CDaoDatabase&, short)> invalidarCalculoPais;
};

// The entry's dialog, or the missing-dialog message (counted as cancelled).
int AbrirDialogo(const std::function<int()>& entrada, const char* nome);
