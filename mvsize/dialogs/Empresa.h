#pragma once
// Dialog 160 "Empresa": the name of the company that uses the program, kept as the one line of the
// company file (GetCompanyFile). Mvsize shows the whole first line, however long; typing is limited to
// 30 characters. The file is replaced whole on OK, never emptied first.

#include "Dialog.h"

#include <string>

class CEmpresa : public CDialog {
public:
    explicit CEmpresa(CWnd* pParent = nullptr);

    static constexpr int kMaxNome = 30;  // characters the user can type

    CButton m_ok;           // 1
    std::string m_strNome;  // edit 1173

    // The whole first line of the company file; empty when it cannot be read. Creates an empty file when
    // there is none and never truncates it.
    static std::string LerNome(const std::string& path);
    // Writes the name with no line end through a temporary file renamed over the target; false on failure
    // (the old file then stays as it was).
    static bool GravarNome(const std::string& path, const std::string& nome);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void Validar();
    DECLARE_MESSAGE_MAP()

private:
    void AjustarLimite(int caracteres);
};
