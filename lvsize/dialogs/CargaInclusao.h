#pragma once
// Dialog 153 "Dados da carga": one alternating-current load line.

#include "Dialog.h"

class CCarga_inclusao : public CDialog {
public:
    explicit CCarga_inclusao(CWnd* pParent = nullptr);

    float m_fDemandaTotal = 0.0f;  // out only
    float m_fFatorDemanda = 0.0f;
    float m_fFatorPotencia = 0.0f;
    int m_nQuantidade = 0;
    float m_fPotenciaAtiva = 0.0f;

    CEditColor m_quantidade;    // 1102
    CEditColor m_fatorPotencia; // 1015
    CEditColor m_potencia;      // 1105
    CEditColor m_fatorDemanda;  // 1036
    CEditColor m_demandaTotal;  // 1106, display only

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    int OnInitDialog() override;
    void OnOK() override;
    void Validar();
    DECLARE_MESSAGE_MAP()
};
