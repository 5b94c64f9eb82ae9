#pragma once
// What the dialogs learn from the program around them, without knowing the tree view or the application
// object (each program's dialogs see these under their own namespace):
//
// - the selected circuit: the view sets a provider that answers the circuito_sequencial of the circuit
//   selected in the active circuit tree (GetItemSequencial of the selected item of GetActiveCircuitView;
//   0 when there is no view or the root "Origem" is selected). Until it is set, 0: no circuit.
// - the company file: the application object sets the full path of "empresa.zel" (its m_strCompanyFile)
//   once it knows the program directory. Until it is set, "empresa.zel" in the current directory.

#include <functional>
#include <string>

namespace zeldlg {

using CircuitoProvider = std::function<short()>;

// Replaces the provider (an empty function restores "no circuit"); returns the previous one.
CircuitoProvider SetCircuitoSelecionadoProvider(CircuitoProvider provider);
// The circuito_sequencial of the selected circuit, 0 when none.
short GetCircuitoSelecionado();

// Keeps a provider for a scope (tests, a command that opens a dialog on a given circuit).
class ScopedCircuitoSelecionado {
public:
    explicit ScopedCircuitoSelecionado(short circuito);
    ~ScopedCircuitoSelecionado();
    ScopedCircuitoSelecionado(const ScopedCircuitoSelecionado&) = delete;
    ScopedCircuitoSelecionado& operator=(const ScopedCircuitoSelecionado&) = delete;

private:
    CircuitoProvider m_previous;
};

void SetCompanyFile(const std::string& path);
const std::string& GetCompanyFile();

}  // namespace zeldlg
