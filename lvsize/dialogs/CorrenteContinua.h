#pragma once
// Dialog 167 "Cargas - corrente contínua": the grid of a circuit's direct-current loads. No power factor is
// asked or shown; every line it gives back carries 1.0. Like dialog 150 it replaces the caller's list only
// on OK (also the OK that deleting the last line triggers).

#include "Dialog.h"
#include "ItemCarga.h"

class CCorrente_continua : public CDialog {
public:
    explicit CCorrente_continua(CWnd* pParent = nullptr);

    CButton m_excluir;   // 1101
    CButton m_editar;    // 1099
    CButton m_incluir;   // 1100
    CMSFlexGrid m_grade; // 1098
    CListaCargas* m_pCargas = nullptr;  // the caller's, set before DoModal; not owned
    int m_nLinhas = 0;   // load lines in the grid

    void Preencher_linha(int quantidade, float potencia, float fatorDemanda);
    void Incluir_linha(int quantidade, float potencia, float fatorDemanda);

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
