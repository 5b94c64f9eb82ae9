#pragma once
// Lvsize's application object: the sizing programs' shell (CSizingApp) with Lvsize's data files, its circuit
// report's three subreports, its resources and its dialogs.

#include "LvsizeDoc.h"
#include "LvsizeView.h"
#include "SizingApp.h"

inline constexpr const char* kLvsizeTitle = "Lvsize";

class CLvsizeApp : public CSizingAppOf<CLvsizeDoc, CLvsizeView> {
    using Base = CSizingAppOf<CLvsizeDoc, CLvsizeView>;

public:
    CLvsizeApp();

    int ExitInstance() override;

    // The data files' folder with a trailing separator; empty: the program's own directory.
    std::string m_strBasePath;
    Crystal* m_pSubreports[3] = {};  // "Lvsize03.rpt", "Lvsize04.rpt", "Lvsize05.rpt"

protected:
    void RegistrarRecursos() override;
    void LocalizarArquivos(const std::string& programa) override;
    void AbrirSubrelatorios() override;
    void LigarDialogos() override;

    void OnEmpresa();
    DECLARE_MESSAGE_MAP()
};

// Wires the circuit dialogs into the view's commands (LvsizeDialogs()); built from the dialogs' library
// when it is part of the build.
void WireLvsizeDialogs();
