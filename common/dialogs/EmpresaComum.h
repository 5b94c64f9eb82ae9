#pragma once
// Dialog 160 "Empresa": the name of the company that uses the program, kept as the one line of the
// company file (GetCompanyFile). The file is replaced whole on OK, never emptied first. The programs'
// CEmpresa differ in the name's edit id and width, and in how a first line longer than 30 characters is
// shown: Lvsize cuts it, Mvsize shows it whole (typing is limited to 30 characters in both).

#include "Dialog.h"

#include <string>

namespace zeldlg {

// The template with the name's edit id and width (in characters).
DialogTemplate ModeloEmpresa(int idNome, int largura);

class CEmpresaComum : public CDialog {
public:
    static constexpr int kMaxNome = 30;  // characters the user can type

    CButton m_ok;           // 1
    std::string m_strNome;  // the name's edit

    // The first line of the company file, cut to `limite` characters (0: whole); empty when it cannot be
    // read. Creates an empty file when there is none and never truncates it.
    static std::string LerLinha(const std::string& path, int limite);
    // Writes the name with no line end through a temporary file renamed over the target; false on failure
    // (the old file then stays as it was).
    static bool GravarNome(const std::string& path, const std::string& nome);

protected:
    // The template (made by ModeloEmpresa, outliving the dialog) with the name's edit idNome; linhaInteira:
    // a longer first line is shown whole.
    CEmpresaComum(const DialogTemplate& modelo, int idNome, bool linhaInteira, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void Validar();
    DECLARE_MESSAGE_MAP()

private:
    void AjustarLimite(int caracteres);

    int m_idNome;
    bool m_linhaInteira;
};

}  // namespace zeldlg
