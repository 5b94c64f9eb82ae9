#pragma once
// Dialog 150 "Cargas": the grid of a circuit's alternating-current loads. It edits the caller's list, and
// replaces it only on OK (also the OK that deleting the last line triggers).

#include "Dialog.h"
#include "ItemCarga.h"

class CCarga : public CDialog {
public:
    explicit CCarga(CWnd* pParent = nullptr);

    CButton m_excluir;   // 1101
    CButton m_editar;    // 1099
    CButton m_incluir;   // 1100
    CMSFlexGrid m_grade; // 1098
    CListaCargas* m_pCargas = nullptr;  // the caller's, set before DoModal; not owned
    int m_nLinhas = 0;   // load lines in the grid

    void Preencher_linha(int quantidade, float potencia, float fatorPotencia, float fatorDemanda);
    void Incluir_linha(int quantidade, float potencia, float fatorPotencia, float fatorDemanda);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void OnEditar();
    void OnIncluir();
    void OnExcluir();
    void AtualizarBotoes();
    DECLARE_MESSAGE_MAP()
};
