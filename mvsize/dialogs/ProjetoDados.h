#pragma once
// Dialog 143 "Dados do projeto": the one projeto row of the active project. The date is checked as it is
// typed and OK waits for a real calendar date, so that no impossible date is stored.

#include "Dialog.h"

#include <string>

class CProjeto_dados : public CDialog {
public:
    explicit CProjeto_dados(CWnd* pParent = nullptr);

    CButton m_ok;                  // 1
    CEditColor m_revisao;          // 1055, "###"
    CEditColor m_data;             // 1054, "##/##/####"
    std::string m_strCliente;      // 1052, at most 20 characters
    std::string m_strComentario;   // 1056, multi-line
    std::string m_strResponsavel;  // 1053, at most 20 characters

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void Validar();
    DECLARE_MESSAGE_MAP()
};
