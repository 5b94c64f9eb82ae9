#pragma once
// Mvsize's application object: the sizing programs' shell (CSizingApp) with Mvsize's data files (the
// catalogue opened with its password), its two report jobs without subreports, its resources and dialogs.

#include "MvsizeDoc.h"
#include "MvsizeView.h"
#include "SizingApp.h"

inline constexpr const char* kMvsizeTitle = "Mvsize";
inline constexpr const char* kArquivoModelo = "ZelMt02.zel";
inline constexpr const char* kArquivoCatalogo = "ZelMt01.zel";
inline constexpr const char* kArquivoRelatorioProjeto = "ZelMt03.zel";
inline constexpr const char* kArquivoRelatorioCircuito = "ZelMt04.zel";
// The catalogue is opened with the password of the delivered file.
inline constexpr const char* kConexaoCatalogo = ";UID=Admin;PWD=qtvzwn";

class CMvsizeApp : public CSizingAppOf<CMvsizeDoc, CMvsizeView> {
    using Base = CSizingAppOf<CMvsizeDoc, CMvsizeView>;

public:
    CMvsizeApp();

protected:
    void RegistrarRecursos() override;
    void LocalizarArquivos(const std::string& programa) override;
    void LigarDialogos() override;

    void OnEmpresa();
    DECLARE_MESSAGE_MAP()
};

// Wires the circuit dialogs into the view's commands (MvsizeDialogs()); built from the dialogs' library
// when it is part of the build.
void WireMvsizeDialogs();
